// Money in the sweeps windows: stakes, bids and payments. Amounts are shown in the user's
// currency format; the engine stores them as plain decimal text ("12.5").
//
// A money box takes an empty text, or a number of at most nine digits before the decimal point
// and two after it: no sign, no grouping, no exponent. The decimal point is the user's, or "."
// (with no grouping taken and at most two decimals, it can be nothing else). Anything else typed
// into it is taken back, visibly: the box is marked and says what it takes, so that "1,50" in a
// locale that groups with "," is never read as 150 unseen.
#pragma once

#include <optional>

#include <QLineEdit>
#include <QString>

namespace kelvane {
class Variant;
}

namespace pitchlog::sweeps {

// The amount in the user's currency format.
QString Currency(double amount);

// A stored amount (a bid, a stake, a payment); nothing when it is missing or not a number.
std::optional<double> StoredAmount(const kelvane::Variant& stored);
// Its currency form; a missing amount shows as 0.
QString CurrencyOf(const kelvane::Variant& stored);

// The money box's rule.
bool IsMoneyText(const QString& text);
// The amount of a text that IsMoneyText accepts; 0 for an empty text.
double MoneyValue(const QString& text);
// The amount with two decimals in the user's format, as a money box shows it.
QString MoneyText(double amount);
// The amount as the engine stores it: two decimals after a point.
QString StoredText(double amount);

// What is still owed: the total less what was paid, to the cent, so that sums of amounts that
// settle an account give exactly 0.
double Balance(double total, double paid);

class MoneyBox : public QLineEdit {
 public:
  explicit MoneyBox(QWidget* parent = nullptr);

  // The change handling: keeps a text that the rule accepts, else puts the last accepted text
  // back without raising another change. True when the text was kept.
  bool Judge();
  const QString& Last() const { return last_; }
  double Value() const { return MoneyValue(text()); }
  // Whether the box shows that it took back what was typed.
  bool Refused() const { return refused_; }

 private:
  void MarkRefused(bool refused);

  QString last_;
  bool refused_ = false;
  int refusals_ = 0;
};

}  // namespace pitchlog::sweeps
