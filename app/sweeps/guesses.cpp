#include "app/sweeps/guesses.h"

#include <cmath>

#include <QLocale>

#include "platform/component/error.h"
#include "platform/component/variant.h"

namespace pitchlog::sweeps {
namespace {

bool IsSpace(const QString& separator) {
  return separator == QLatin1String(" ") || separator == QChar(0x00A0) || separator == QChar(0x202F);
}

// Only what a number is written with: the locale would also read an exponent or blanks around.
bool HasOnlyNumberCharacters(const QString& text, const QLocale& locale) {
  const QString group = locale.groupSeparator();
  for (const QChar c : text) {
    const QString one(c);
    const bool allowed = c.isDigit() || one == locale.decimalPoint() || one == locale.negativeSign() ||
                         one == locale.positiveSign() || one == QLatin1String(".") || one == group ||
                         (IsSpace(group) && IsSpace(one));
    if (!allowed) return false;
  }
  return true;
}

}  // namespace

std::optional<double> GuessValue(const QString& typed) {
  const QLocale locale;
  if (typed.isEmpty() || !HasOnlyNumberCharacters(typed, locale)) return std::nullopt;
  bool ok = false;
  double value = locale.toDouble(typed, &ok);
  if (!ok && locale.decimalPoint() != QLatin1String(".") && locale.groupSeparator() != QLatin1String("."))
    value = locale.toDouble(QString(typed).replace(QLatin1Char('.'), locale.decimalPoint()), &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsGuessTyping(const QString& typed) {
  if (typed.isEmpty()) return true;
  for (const char* more : {"", "0", "00", "000"})
    if (GuessValue(typed + QLatin1String(more))) return true;
  return false;
}

QString StoredGuess(double guess) {
  if (guess == 0) guess = 0;  // no "-0"
  return QString::number(guess, 'f', QLocale::FloatingPointShortest);
}

std::optional<double> StoredNumber(const kelvane::Variant& stored) {
  if (!stored.IsNumeric()) return std::nullopt;
  try {
    return stored.ToDouble();
  } catch (const kelvane::Error&) {
    return std::nullopt;
  }
}

QString ShownGuess(const QString& stored) {
  const std::optional<double> number = StoredNumber(kelvane::Variant(stored.toStdString()));
  if (!number) return stored;
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(*number == 0 ? 0.0 : *number, 'f', QLocale::FloatingPointShortest);
}

}  // namespace pitchlog::sweeps
