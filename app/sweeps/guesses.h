// The numbers members guess in a number sweep: typed and shown as the user's locale writes
// numbers ("2,5" where a comma marks the decimals), stored as the engine reads them ("2.5"), so
// that the ranking reads each guess as the member meant it.
#pragma once

#include <optional>

#include <QString>

namespace kelvane {
class Variant;
}

namespace pitchlog::sweeps {

// The number of a guess as typed; nothing when the text is no whole number as the user's locale
// writes them: digits, an optional sign, the decimal mark and thousands separators in their
// places ("." serves as the decimal mark too where the locale does not group with it).
std::optional<double> GuessValue(const QString& typed);
// Whether the text is a guess, or the start of one that typing on can make whole ("-", "1.").
bool IsGuessTyping(const QString& typed);
// A guess as the engine stores it: digits with "." before any decimals, no exponent.
QString StoredGuess(double guess);
// A stored number (a guess, a sweep's target) as the engine ranks it: "." before any decimals;
// nothing when it is no number, or one too large to read.
std::optional<double> StoredNumber(const kelvane::Variant& stored);
// A stored guess as the user's locale writes it; a stored text that is no number is shown as it
// is stored.
QString ShownGuess(const QString& stored);

}  // namespace pitchlog::sweeps
