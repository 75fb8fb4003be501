#include "app/sweeps/money.h"

#include <cmath>

#include <QApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>

#include "platform/component/error.h"
#include "platform/component/variant.h"

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

}  // namespace

QString Currency(double amount) { return QLocale().toCurrencyString(amount); }

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
  const QString points = QStringLiteral("[%1.]").arg(QRegularExpression::escape(UserLocale().decimalPoint()));
  const QRegularExpression rule(QStringLiteral("^(\\d{1,%1})?(%2\\d{0,2})?$").arg(kWholeDigits).arg(points));
  return rule.match(text).hasMatch();
}

double MoneyValue(const QString& text) {
  if (text.isEmpty()) return 0;
  QString plain = text;
  plain.replace(UserLocale().decimalPoint(), QStringLiteral("."));
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

double Balance(double total, double paid) {
  const double balance = std::round((total - paid) * 100) / 100;
  return balance == 0 ? 0 : balance;  // no "-0.00"
}

MoneyBox::MoneyBox(QWidget* parent) : QLineEdit(parent) {}

bool MoneyBox::Judge() {
  if (IsMoneyText(text())) {
    last_ = text();
    if (text().isEmpty()) MarkRefused(false);
    return true;
  }
  {
    const QSignalBlocker quiet(this);
    setText(last_);
  }
  MarkRefused(true);
  return false;
}

// The mark stays a while, so that a refusal in the middle of quick typing is seen.
void MoneyBox::MarkRefused(bool refused) {
  refused_ = refused;
  setStyleSheet(refused ? QStringLiteral("QLineEdit { background: #ffd6d6; }") : QString());
  if (!refused) {
    setToolTip(QString());
    QToolTip::hideText();
    return;
  }
  const QString point = UserLocale().decimalPoint();
  const QString points = point == QLatin1String(".") ? QStringLiteral("\".\"")
                                                     : QStringLiteral("\"%1\" or \".\"").arg(point);
  setToolTip(QStringLiteral("Not taken: an amount is digits, with up to two decimals after %1").arg(points));
  QApplication::beep();
  if (isVisible()) QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
  const int refusal = ++refusals_;
  QTimer::singleShot(kMarkMilliseconds, this, [this, refusal] {
    if (refusal == refusals_) MarkRefused(false);
  });
}

}  // namespace pitchlog::sweeps
