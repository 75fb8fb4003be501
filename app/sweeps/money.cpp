#include "app/sweeps/money.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
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

QLocale UserLocale() {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

// What separates the thousands and what marks the decimals, as typed in the user's locale.
struct Separators {
  QStringList groups;
  QStringList points;
};

bool IsSpace(const QString& separator) {
  return separator == QLatin1String(" ") || separator == QChar(0x00A0) || separator == QChar(0x202F);
}

Separators UserSeparators() {
  const QLocale locale;
  Separators s;
  const QString group = locale.groupSeparator();
  const QString point = locale.decimalPoint();
  // A space that groups is typed as a plain one as often as the locale's own.
  if (IsSpace(group))
    s.groups = {QStringLiteral(" "), QString(QChar(0x00A0)), QString(QChar(0x202F))};
  else if (!group.isEmpty() && group != point)
    s.groups = {group};
  s.points = {point};
  // "." is a decimal point too, where it can mean nothing else.
  if (point != QLatin1String(".") && !s.groups.contains(QStringLiteral("."))) s.points << QStringLiteral(".");
  return s;
}

QString AnyOf(const QStringList& texts) {
  if (texts.isEmpty()) return QStringLiteral("(?!)");
  QStringList escaped;
  for (const QString& text : texts) escaped << QRegularExpression::escape(text);
  return QStringLiteral("(?:%1)").arg(escaped.join(QLatin1Char('|')));
}

}  // namespace

QString Currency(double amount) { return QString::fromStdString(kelvane::money::FormatCurrency(amount)); }

std::optional<double> StoredAmount(const kelvane::Variant& stored) {
  if (!stored.IsNumeric()) return std::nullopt;
  try {
    return stored.ToDouble();
  } catch (const kelvane::Error&) {
    return std::nullopt;  // a number too large to read
  }
}

QString CurrencyOf(const kelvane::Variant& stored) { return Currency(StoredAmount(stored).value_or(0)); }

bool IsMoneyText(const QString& text) {
  if (text.isEmpty()) return true;
  const Separators s = UserSeparators();
  const QString whole = QStringLiteral("[0-9]{1,%1}|[0-9]{1,3}(?:%2[0-9]{3}){1,%3}")
                            .arg(kWholeDigits)
                            .arg(AnyOf(s.groups))
                            .arg(kWholeDigits / 3 - 1);
  const QRegularExpression rule(QStringLiteral("^(?:%1)?(?:%2[0-9]{0,2})?$").arg(whole, AnyOf(s.points)));
  return rule.match(text).hasMatch();
}

bool IsMoneyTyping(const QString& text) {
  const Separators s = UserSeparators();
  const QRegularExpression rule(QStringLiteral("^(?:[0-9]|%1|%2)*$").arg(AnyOf(s.groups), AnyOf(s.points)));
  return rule.match(text).hasMatch();
}

QString MoneyExample() { return QLocale().toString(1234.56, 'f', 2); }

double MoneyValue(const QString& text) {
  if (text.isEmpty()) return 0;
  if (!IsMoneyText(text)) throw kelvane::Error(kelvane::ErrorKind::TypeMismatch, "not an amount: " + text.toStdString());
  const Separators s = UserSeparators();
  QString plain = text;
  for (const QString& group : s.groups) plain.remove(group);
  for (const QString& point : s.points) plain.replace(point, QStringLiteral("."));
  if (plain == QLatin1String(".")) return 0;
  if (plain.endsWith(QLatin1Char('.'))) plain.chop(1);
  if (plain.startsWith(QLatin1Char('.'))) plain.prepend(QLatin1Char('0'));
  bool ok = false;
  const double value = QLocale::c().toDouble(plain, &ok);
  if (!ok) throw kelvane::Error(kelvane::ErrorKind::TypeMismatch, "not an amount: " + text.toStdString());
  return value;
}

QString MoneyText(double amount) { return UserLocale().toString(amount, 'f', 2); }

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
