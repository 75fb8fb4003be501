// Money in the sweeps windows: stakes, bids and payments. Amounts are shown in the user's
// currency format, the pages' own; the engine stores them as plain decimal text ("12.5").
//
// A money box takes an empty text, or an amount written as the user's locale writes it: at most
// nine digits before the decimal point, with or without the locale's thousands separator in its
// places, and up to two decimals; no sign, no exponent. "." serves as a decimal point too where
// the locale does not group with it. A key that can be no part of an amount is taken back; a text
// that is no whole amount stays as typed, and is refused when the box is left or its window's OK
// is pressed: the box is marked and a note beside it says how an amount is written. So "1.234,56"
// is never cut to 1,23, nor "1,50" read as 150, unseen.
#pragma once

#include <optional>

#include <QLineEdit>
#include <QString>

class QLabel;

namespace kelvane {
class Variant;
}

namespace pitchlog::sweeps {

// The amount in the user's currency format, as the pages write it.
QString Currency(double amount);

// A stored amount (a bid, a stake, a payment); nothing when it is missing or not a number.
std::optional<double> StoredAmount(const kelvane::Variant& stored);
// Its currency form; a missing amount shows as 0.
QString CurrencyOf(const kelvane::Variant& stored);

// The money box's rule: an empty text or a whole amount.
bool IsMoneyText(const QString& text);
// Whether the text holds only what an amount is written with: digits and separators.
bool IsMoneyTyping(const QString& text);
// An amount as the user's locale writes it, for the box's note.
QString MoneyExample();
// The amount of a text that IsMoneyText accepts; 0 for an empty text.
double MoneyValue(const QString& text);
// The amount with two decimals in the user's format, as a money box shows it.
QString MoneyText(double amount);
// The amount as the engine stores it: two decimals after a point.
QString StoredText(double amount);

class MoneyBox : public QLineEdit {
 public:
  explicit MoneyBox(QWidget* parent = nullptr);

  // The change handling: keeps a text of digits and separators, else puts the last text kept
  // back without raising another change. True when the text was kept.
  bool Judge();
  // When the box is left and when its window's OK is pressed: true for an empty text or a whole
  // amount; otherwise the box is marked, takes the focus and keeps the text for mending.
  bool Settle();
  // The last whole amount typed (what the box shows, once Settle passes).
  const QString& Last() const { return last_; }
  double Value() const { return MoneyValue(last_); }
  // Whether the box shows that it refused what was typed.
  bool Refused() const { return refused_; }
  // The note that says so, on the box's parent; the window places it beside the box, clear of
  // its buttons.
  QLabel* Mark() const { return mark_; }

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void MarkRefused(bool refused, bool lasting = false);

  QLabel* mark_;
  QString kept_;
  QString last_;
  bool refused_ = false;
  bool lasting_ = false;
  int refusals_ = 0;
};

}  // namespace pitchlog::sweeps
