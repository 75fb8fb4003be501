#include "app/sweeps/choice_entry.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>

#include "app/kit/handler_guard.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {
namespace {

constexpr int kMargin = 120;  // twips round the row of boxes
constexpr int kLabelHeight = 240;
constexpr int kBoxHeight = 315;
constexpr int kMarkHeight = 255;  // the bid box's note, under the row of boxes

// The combo box's list opens wide enough for its longest entry, within the screen, however
// narrow the box itself.
void FitListToEntries(QComboBox* combo) {
  QAbstractItemView* list = combo->view();
  const QFontMetrics metrics = list->fontMetrics();
  int widest = 0;
  for (int i = 0; i < combo->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
  const QStyle* style = list->style();
  const int room = 2 * (list->frameWidth() + style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 4) +
                   style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
  // The list's frame around it must fit on the screen too.
  const QWidget* popup = list->parentWidget();
  const int frame = popup ? popup->width() - popup->contentsRect().width() : 0;
  const QScreen* screen = combo->screen();
  const int screen_width = screen ? screen->availableGeometry().width() - frame : widest + room;
  list->setMinimumWidth(std::min(widest + room, screen_width));
}

}  // namespace

ChoiceEntry::ChoiceEntry(const char* name, int inner_width) {
  setObjectName(QLatin1String(name));
  setFixedSize(
      sweeps::TwipsRect(0, 0, inner_width + 2 * kMargin, kLabelHeight + kBoxHeight + kMarkHeight + 2 * kMargin).size());
  lblMember = Named(new QLabel(QStringLiteral("Member"), this), "lblMember");
  cboMember = Named(new QComboBox(this), "cboMember");
  cboMember->setEditable(true);
  cboMember->setInsertPolicy(QComboBox::NoInsert);
  // A name typed is taken as typed: completing "Bo" to "Bob" would give the choice to Bob.
  cboMember->setCompleter(nullptr);
  lblBid = Named(new QLabel(QStringLiteral("Bid"), this), "lblBid");
  txtBid = Named(new sweeps::MoneyBox(this), "txtBid");
  // Under the boxes, where it covers no button.
  txtBid->Mark()->setGeometry(sweeps::TwipsRect(kMargin, kMargin + kLabelHeight + kBoxHeight, inner_width, kMarkHeight));
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setDefault(true);
  lblMember->setBuddy(cboMember);
  lblBid->setBuddy(txtBid);
  connect(txtBid, &QLineEdit::textChanged, this, Handler(this, &ChoiceEntry::txtBid_Change));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &ChoiceEntry::cmdOK_Click));
}

void ChoiceEntry::Place(QLabel* label, QWidget* box, int left, int width) const {
  if (label) label->setGeometry(sweeps::TwipsRect(kMargin + left, kMargin, width, kLabelHeight));
  box->setGeometry(sweeps::TwipsRect(kMargin + left, kMargin + kLabelHeight, width, kBoxHeight));
}

void ChoiceEntry::HideBox(QWidget* box, QWidget* label) {
  const int gap = box->width();
  const int right = box->x() + gap;
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child != box && child != label && child->x() >= right - 1) child->move(child->x() - gap, child->y());
  box->hide();
  label->hide();
  setFixedWidth(width() - gap);
  QLabel* mark = txtBid->Mark();
  mark->resize(mark->width() - gap, mark->height());
}

// With no members the list's one empty element gives one empty entry.
void ChoiceEntry::Form_Load() {
  const kelvane::Variant members = gobjKelvane->MembersList();
  const kelvane::Array& names = members.AsArray();
  for (int32_t i = names.LBound(); i <= names.UBound(); ++i) cboMember->addItem(ToQ(names.at(i).ToString()));
  FitListToEntries(cboMember);
  cboMember->setCurrentIndex(-1);
  cboMember->setEditText(QString());
}

void ChoiceEntry::txtBid_Change() { txtBid->Judge(); }

bool ChoiceEntry::RefusedFirst(const QString&, const QString&, bool) const { return false; }

bool ChoiceEntry::WantsClear(const QString& member, const QString& bid, bool bids) const {
  return member.isEmpty() && (bid.isEmpty() || !bids);
}

bool ChoiceEntry::RefusedLater() const { return false; }

bool ChoiceEntry::MemberAccepted(const QString& member) {
  if (gobjKelvane->MemberExists(ToStd(member))) return true;
  // The members window keeps that name for its row of new members.
  if (member == QLatin1String(sweeps::kNewRow)) {
    MsgBox(QStringLiteral("Invalid Name"));
    return false;
  }
  if (MsgBox(QStringLiteral("Member not found. Do you want to add them to the list?"), msgbox::YesNo) != msgbox::Yes)
    return false;
  gobjKelvane->AddMember(ToStd(member));
  gobjKelvane->SaveMembers();
  return true;
}

void ChoiceEntry::cmdOK_Click() {
  if (!txtBid->isHidden() && !txtBid->Settle()) return;
  kelvane::IPitchlog& engine = *gobjKelvane;
  frmSweeps& sweeps = frmSweeps::Get();
  const QString member = cboMember->currentText();
  const QString bid = txtBid->text();
  const bool bids = frmSweeps::TakesBids(List());
  if (RefusedFirst(member, bid, bids)) return;

  if (WantsClear(member, bid, bids)) {
    // Taking a choice away is a change like any other: unsaved until Apply or OK.
    const bool held = sweeps::HoldsChoice(engine, Sweep, ToQ(Choice.ToString()));
    engine.SweepChoiceClear(Sweep, Choice);
    ReloadList();
    if (held) {
      sweeps.cmdApply->setEnabled(true);
      sweeps.cmdEdit->setEnabled(false);
    }
    UnloadDialog();
    return;
  }
  if (bids && bid.isEmpty()) {
    MsgBox(QStringLiteral("Please enter a bid"), msgbox::Critical);
    return;
  }
  if (member.isEmpty()) {
    MsgBox(QStringLiteral("Please select a member"), msgbox::Critical);
    return;
  }
  if (RefusedLater() || !MemberAccepted(member)) return;

  TakeChoice();
  engine.SetSweepMember(Sweep, Choice, ToStd(member));
  if (bids) engine.SetSweepBid(Sweep, Choice, sweeps::MoneyValue(bid));
  ReloadList();
  sweeps.cmdApply->setEnabled(true);
  sweeps.cmdEdit->setEnabled(false);
  UnloadDialog();
}

void ChoiceEntry::reject() { UnloadDialog(); }

void ChoiceEntry::closeEvent(QCloseEvent* event) {
  event->accept();
  UnloadDialog();
}

}  // namespace pitchlog
