#include "app/sweeps/money.h"

#include <algorithm>
#include <clocale>
#include <vector>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QTimer>

#include "platform/component/error.h"
#include "platform/component/variant.h"
#include "platform/money/money.h"

namespace pitchlog::sweeps {
namespace {

// Whole digits of the largest amount a box takes: sums of many stay exact to the cent.
constexpr int kWholeDigits = 9;
// How long a box stays marked after it took back what was typed.
constexpr int kMarkMilliseconds = 4000;

const QString kNoBreakSpace(QChar(0x00A0));
const QString kNarrowSpace(QChar(0x202F));

// How a money box writes an amount, and every mark it reads as the same: the form of the C
// library's LC_MONETARY, which the windows and pages show, and the marks that Qt knows for that
// locale where they differ (Arabic writes "٫" and "٬" where the C library has "." and ",").
struct Form {
  QString point;
  QStringList points;
  QStringList groups;
  std::vector<int> sizes;  // of the groups, from the decimal mark leftwards, the last repeating
};

void AddMark(QStringList& marks, const QString& mark, const QStringList& other) {
  if (!mark.isEmpty() && !marks.contains(mark) && !other.contains(mark)) marks << mark;
}

Form UserForm() {
  const kelvane::money::Figures figures = kelvane::money::UserFigures();
  Form f;
  f.point = QString::fromStdString(figures.point);
  f.points << f.point;
  const QString group = QString::fromStdString(figures.group);
  if (!group.isEmpty() && !figures.groups.empty()) {
    f.sizes = figures.groups;
    f.groups << group;
    // A space that groups is typed as a plain one as often as the locale's own, and an
    // apostrophe that groups as the keyboard's straight one.
    const QStringList spaces{QStringLiteral(" "), kNoBreakSpace, kNarrowSpace};
    const QStringList apostrophes{QStringLiteral("\u2019"), QStringLiteral("'")};
    for (const QStringList& alike : {spaces, apostrophes})
      if (alike.contains(group))
        for (const QString& mark : alike) AddMark(f.groups, mark, f.points);
  }
  const QLocale native(QString::fromLatin1(std::setlocale(LC_MONETARY, nullptr)));
  if (!f.groups.isEmpty()) AddMark(f.groups, native.groupSeparator(), f.points);
  AddMark(f.points, native.decimalPoint(), f.groups);
  // "." is a decimal point too, where it can mean nothing else.
  AddMark(f.points, QStringLiteral("."), f.groups);
  return f;
}

// The mark of `marks` that stands at `at`, the longest where several would.
qsizetype MarkAt(const QString& text, qsizetype at, const QStringList& marks) {
  qsizetype length = 0;
  for (const QString& mark : marks)
    if (mark.size() > length && QStringView(text).mid(at).startsWith(mark)) length = mark.size();
  return length;
}

// Whether the whole digits, grouped as they were typed, are grouped as the form groups them: the
// groups from the right of the sizes the form names, the first group shorter if need be but
// never led by a zero, so "0,005" is not read as 5.
bool WellGrouped(const QStringList& groups, const std::vector<int>& sizes) {
  if (groups.size() == 1) return true;
  if (sizes.empty()) return false;
  for (qsizetype k = 0; k < groups.size(); ++k) {
    const QString& digits = groups[groups.size() - 1 - k];
    const int size = sizes[std::min<size_t>(static_cast<size_t>(k), sizes.size() - 1)];
    const bool first = k == groups.size() - 1;
    if (first ? digits.isEmpty() || digits.size() > size || digits.startsWith(QLatin1Char('0')) : digits.size() != size)
      return false;
  }
  return true;
}

}  // namespace

std::optional<double> MoneyAmount(const QString& text) {
  if (text.isEmpty()) return 0.0;
  const Form f = UserForm();
  QStringList groups{QString()};
  QString fraction;
  bool decimals = false;
  for (qsizetype at = 0; at < text.size();) {
    if (const qsizetype point = MarkAt(text, at, f.points); point && !decimals) {
      decimals = true;
      at += point;
    } else if (const qsizetype group = MarkAt(text, at, f.groups); group && !decimals) {
      groups << QString();
      at += group;
    } else if (text[at].isDigit()) {
      (decimals ? fraction : groups.last()) += QChar(u'0' + text[at].digitValue());
      ++at;
    } else {
      return std::nullopt;
    }
  }
  const QString whole = groups.join(QString());
  if (whole.size() > kWholeDigits || fraction.size() > 2 || !WellGrouped(groups, f.sizes)) return std::nullopt;
  if (whole.isEmpty() && !decimals) return std::nullopt;
  bool ok = false;
  const double value = QLocale::c().toDouble(QStringLiteral("0%1.%2").arg(whole, fraction), &ok);
  if (!ok) return std::nullopt;
  return value;
}

namespace {

// What a separator or a sign may be typed as in any locale: kept while typing, so that the
// text is refused whole when it is no amount here rather than read as another number.
bool IsSeparatorLike(QChar c) {
  static const QString signs = QStringLiteral(",.'\u2019\u066b\u066c \u00a0\u202f-+");
  return signs.contains(c);
}

}  // namespace

QString Currency(double amount) { return QString::fromStdString(kelvane::money::FormatCurrency(amount)); }

std::optional<double> StoredAmount(const kelvane::Variant& stored) { return kelvane::money::StoredAmount(stored); }

QString CurrencyOf(const kelvane::Variant& stored) { return Currency(StoredAmount(stored).value_or(0)); }

bool IsMoneyText(const QString& text) { return MoneyAmount(text).has_value(); }

bool IsMoneyTyping(const QString& text) {
  const Form f = UserForm();
  for (qsizetype at = 0; at < text.size();) {
    if (const qsizetype mark = std::max(MarkAt(text, at, f.points), MarkAt(text, at, f.groups))) {
      at += mark;
    } else if (text[at].isDigit() || IsSeparatorLike(text[at])) {
      ++at;
    } else {
      return false;
    }
  }
  return true;
}

QString MoneyExample() { return MoneyText(1234.56); }

double MoneyValue(const QString& text) {
  const std::optional<double> amount = MoneyAmount(text);
  if (!amount) throw kelvane::Error(kelvane::ErrorKind::TypeMismatch, "not an amount: " + text.toStdString());
  return *amount;
}

QString MoneyText(double amount) {
  return QString::number(amount, 'f', 2).replace(QLatin1Char('.'), UserForm().point);
}

QString StoredText(double amount) { return QString::number(amount, 'f', 2); }

MoneyBox::MoneyBox(QWidget* parent) : QLineEdit(parent), mark_(new QLabel(parent ? parent : this)) {
  mark_->setWordWrap(true);
  mark_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
  mark_->hide();
}

bool MoneyBox::Judge() {
  if (IsMoneyTyping(text())) {
    kept_ = text();
    if (IsMoneyText(text())) {
      last_ = text();
      if (refused_ && lasting_) MarkRefused(false);
    }
    return true;
  }
  {
    const QSignalBlocker quiet(this);
    setText(kept_);
  }
  MarkRefused(true);
  return false;
}

bool MoneyBox::Settle() {
  if (IsMoneyText(text())) {
    last_ = text();
    if (refused_) MarkRefused(false);
    return true;
  }
  MarkRefused(true, true);
  setFocus(Qt::OtherFocusReason);
  selectAll();
  return false;
}

// Leaving the box for another control or window of the program settles it; a menu does not.
void MoneyBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason || !isEnabled() || IsMoneyText(text())) return;
  MarkRefused(true, true);
}

// A key taken back is marked a while, so that a refusal in the middle of quick typing is seen; a
// text refused as a whole stays marked until it is mended.
void MoneyBox::MarkRefused(bool refused, bool lasting) {
  refused_ = refused;
  lasting_ = refused && lasting;
  setStyleSheet(refused ? QStringLiteral("QLineEdit { background: #ffd6d6; }") : QString());
  const QString note = QStringLiteral("Not an amount: write it like %1").arg(MoneyExample());
  setToolTip(refused ? note : QString());
  mark_->setText(note);
  mark_->setVisible(refused);
  const int refusal = ++refusals_;
  if (!refused) return;
  QApplication::beep();
  if (lasting) return;
  QTimer::singleShot(kMarkMilliseconds, this, [this, refusal] {
    if (refusal == refusals_ && IsMoneyText(text())) MarkRefused(false);
  });
}

}  // namespace pitchlog::sweeps
