#include "app/sweeps/frm_number_list_entry.h"

#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/kit/handler_guard.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/guesses.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {
namespace {

constexpr int kChoiceLength = 12;  // a guess has fewer characters

}  // namespace

frmNumberListEntry::frmNumberListEntry() : ChoiceEntry("frmNumberListEntry", 5925) {
  lblChoice = Named(new QLabel(QStringLiteral("Choice"), this), "lblChoice");
  txtChoice = Named(new QLineEdit(this), "txtChoice");
  lblChoice->setBuddy(txtChoice);
  Place(lblMember, cboMember, 0, 2895);
  Place(lblChoice, txtChoice, 2880, 1215);
  Place(lblBid, txtBid, 4080, 1215);
  Place(nullptr, cmdOK, 5400, 495);
  setTabOrder(cboMember, txtChoice);
  setTabOrder(txtChoice, txtBid);
  connect(txtChoice, &QLineEdit::textChanged, this, Handler(this, &frmNumberListEntry::txtChoice_Change));
}

QTreeWidget* frmNumberListEntry::List() const { return frmSweeps::Get().NumberList; }

void frmNumberListEntry::ReloadList() { frmSweeps::Get().LoadNumberList(Sweep); }

void frmNumberListEntry::txtChoice_Change() {
  const QString text = txtChoice->text();
  if (sweeps::IsGuessTyping(text) && text.size() < kChoiceLength) {
    last_choice_ = text;
  } else {
    const QSignalBlocker quiet(txtChoice);
    txtChoice->setText(last_choice_);
  }
  Choice = kelvane::Variant(ToStd(txtChoice->text()));
}

// The choice box is hidden on a guess already made: emptying the member takes that guess away.
bool frmNumberListEntry::WantsClear(const QString& member, const QString& bid, bool bids) const {
  return member.isEmpty() && (txtChoice->isHidden() || txtChoice->text().isEmpty()) && (bid.isEmpty() || !bids);
}

// A new guess may not take over another member's guess of the same number.
bool frmNumberListEntry::RefusedLater() const {
  if (txtChoice->isHidden()) return false;
  if (txtChoice->text().isEmpty()) {
    MsgBox(QStringLiteral("Please enter a choice"), msgbox::Critical);
    return true;
  }
  const std::optional<double> guess = sweeps::GuessValue(txtChoice->text());
  if (!guess) {
    // Typing stopped half way ("-", or "1." where "." groups thousands).
    MsgBox(QStringLiteral("Please enter the choice as a number, such as %1").arg(QLocale().toString(2.5)),
           msgbox::Critical);
    return true;
  }
  for (const sweeps::HeldChoice& held : sweeps::HeldChoices(*gobjKelvane, Sweep)) {
    if (sweeps::StoredNumber(kelvane::Variant(ToStd(held.value))) == guess) {
      MsgBox(QStringLiteral("That number has already been chosen. Please enter another choice"), msgbox::Critical);
      return true;
    }
  }
  return false;
}

// A new guess is stored as the engine reads numbers, whatever the locale it was typed in.
void frmNumberListEntry::TakeChoice() {
  if (txtChoice->isHidden()) return;
  if (const std::optional<double> guess = sweeps::GuessValue(txtChoice->text()))
    Choice = kelvane::Variant(ToStd(sweeps::StoredGuess(*guess)));
}

}  // namespace pitchlog
