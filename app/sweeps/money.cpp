#include "app/sweeps/money.h"

#include <cmath>

#include <QLocale>
#include <QRegularExpression>
#include <QSignalBlocker>

#include "platform/component/error.h"
#include "platform/component/variant.h"

namespace pitchlog::sweeps {
namespace {

// Whole digits of the largest amount a box takes: sums of many stay exact to the cent.
constexpr int kWholeDigits = 9;

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
  const QString point = QRegularExpression::escape(UserLocale().decimalPoint());
  const QRegularExpression rule(QStringLiteral("^(\\d{1,%1}(%2\\d{0,2})?|%2\\d{1,2})$").arg(kWholeDigits).arg(point));
  return rule.match(text).hasMatch();
}

double MoneyValue(const QString& text) {
  if (text.isEmpty()) return 0;
  QString plain = text;
  plain.replace(UserLocale().decimalPoint(), QStringLiteral("."));
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
    return true;
  }
  const QSignalBlocker quiet(this);
  setText(last_);
  return false;
}

}  // namespace pitchlog::sweeps
