#include "app/entry/entry_kit.h"

#include <algorithm>
#include <numeric>

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "engine/pitchlog_interface.h"
#include "platform/component/error.h"

namespace pitchlog::entry {

namespace {

// "[New]" is the item of that text without a player id (a player may bear any name).
bool IsNewItem(const QComboBox* list, int index) {
  return index >= 0 && list->itemText(index) == QLatin1String(kNewItem) && !list->itemData(index).isValid();
}

}  // namespace

bool IsDigits(const QString& text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int16_t NumberOf(const QString& text) {
  if (text.isEmpty()) return 0;
  if (!IsDigits(text) || text.size() > 4)
    throw kelvane::Error(kelvane::ErrorKind::TypeMismatch, "not a number: " + ToStd(text));
  return static_cast<int16_t>(text.toInt());
}

DigitBox::DigitBox(int max_length, int limit, QWidget* parent)
    : QLineEdit(parent), max_length_(max_length), limit_(limit) {}

bool DigitBox::Fits(const QString& text) const {
  return text.isEmpty() || (IsDigits(text) && text.size() <= max_length_);
}

bool DigitBox::InRange(const QString& text) const { return text.isEmpty() || text.toInt() < limit_; }

void DigitBox::PutBack() {
  const QSignalBlocker quiet(this);
  setText(last_);
}

void DigitBox::Tidy() {
  if (IsDigits(text())) ShowStored(QString::number(text().toInt()));
}

void DigitBox::ShowStored(const QString& text) {
  const QSignalBlocker quiet(this);
  setText(text);
  Take();
}

SpinControl::SpinControl(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  // The up arrow lowers a scroll bar's value; stored negated, it raises the number.
  setRange(-32767, 0);
  setSingleStep(1);
  setPageStep(1);
}

void SpinControl::SetValueSilently(int v) {
  const QSignalBlocker quiet(this);
  SetValue(v);
}

void Squad::Load(kelvane::IPitchlog& engine, const std::string& team_id) {
  players_.clear();
  const kelvane::Variant list = engine.PlayerList(team_id);
  if (!list.IsArray()) return;
  const kelvane::Array& table = list.AsArray();
  for (int32_t i = table.LBound(2); i <= table.UBound(2); ++i) {
    // A team without players comes back as one empty column.
    const std::string id = table.at(0, i).ToString();
    if (!id.empty()) players_.push_back({id, ToQ(table.at(1, i).ToString())});
  }
}

bool Squad::Holds(const std::string& player_id) const {
  return std::any_of(players_.begin(), players_.end(), [&](const Player& p) { return p.id == player_id; });
}

void Squad::Fill(QComboBox* list) const {
  const QSignalBlocker quiet(list);
  list->clear();
  list->addItem(QString());
  for (const Player& p : players_) list->addItem(p.name, ToQ(p.id));
  if (Size() < kFullSquad) list->addItem(QLatin1String(kNewItem));
  list->setCurrentIndex(0);
}

std::string ChosenPlayerID(const QComboBox* list) { return ToStd(list->currentData().toString()); }

bool IsNewChosen(const QComboBox* list) { return IsNewItem(list, list->currentIndex()); }

bool ListHolds(const QComboBox* list, const QString& text) {
  for (int i = 0; i < list->count(); ++i)
    if (list->itemText(i).compare(text, Qt::CaseInsensitive) == 0) return true;
  return false;
}

void SelectPlayer(QComboBox* list, const std::string& player_id, const QString& name) {
  if (player_id.empty()) {
    list->setCurrentIndex(0);
    return;
  }
  int index = list->findData(ToQ(player_id));
  if (index < 0) {
    const QSignalBlocker quiet(list);
    index = list->count();
    if (IsNewItem(list, index - 1)) --index;
    list->insertItem(index, name.isEmpty() ? ToQ(player_id) : name, ToQ(player_id));
  }
  list->setCurrentIndex(index);
}

void ChainTabOrder(const std::vector<QWidget*>& widgets) {
  for (size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

bool RefuseHalfScore(const DigitBox* home, const DigitBox* away) {
  if (home->HoldsText() == away->HoldsText()) return false;
  MsgBox(QStringLiteral("Cannot save score unless either both scores are entered, or neither"), msgbox::Critical);
  return true;
}

bool MayDiscard(const QPushButton* cmdApply) {
  return !cmdApply->isEnabled() || MsgBox(QStringLiteral("Are you sure?"), msgbox::YesNo) == msgbox::Yes;
}

std::vector<int> GoalOrder(const std::vector<QString>& minutes) {
  std::vector<int> order(minutes.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return NumberOf(minutes[a]) < NumberOf(minutes[b]); });
  return order;
}

}  // namespace pitchlog::entry
