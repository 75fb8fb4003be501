// Money in the sweeps windows: stakes, bids and payments. Amounts are shown in the user's
// currency format, the pages' own; the windows store them as plain decimal text ("12.50").
//
// A money box writes and reads an amount as the windows show it, in the form of the user's
// LC_MONETARY: its decimal mark, and its thousands mark in the places its grouping puts it
// ("12,34,567.89" in India), the first group never led by a zero; at most nine whole digits and
// two decimals; no sign, no exponent. Digits of any script are read, and the locale's own marks
// where Qt knows others than the C library ("١٢٫٥٠" in Egypt), a plain space or apostrophe for
// the one that groups, and "." as a decimal point where it does not group. A key that can be no
// part of an amount in any locale is taken back; any other text that is no whole amount stays as
// typed, and is refused when the box is left or its window's OK is pressed: the box is marked
// and a note beside it says how an amount is written. So "1.234,56" is never cut to 1,23, nor
// "12,50" read as 1250, nor "0,005" as 5, unseen.
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

// A stored amount (a bid, a stake, a payment), read as the engine reads it ("12.5" or "2,5");
// nothing when it is missing or no amount.
std::optional<double> StoredAmount(const kelvane::Variant& stored);
// Its currency form; a missing amount shows as 0.
QString CurrencyOf(const kelvane::Variant& stored);

// The money box's rule: an empty text or a whole amount.
bool IsMoneyText(const QString& text);
// Whether the text holds only what an amount is written with: digits and separators.
bool IsMoneyTyping(const QString& text);
// An amount as the user's locale writes it, for the box's note.
QString MoneyExample();
// The amount of a money box's text, 0 for an empty one; nothing when the text is no amount.
std::optional<double> MoneyAmount(const QString& text);
// The amount of a text that IsMoneyText accepts; 0 for an empty text.
double MoneyValue(const QString& text);
// The amount with two decimals in the user's format, without grouping, as a money box shows it.
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
