#include "app/sweeps/frm_member_details.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/sweeps/frm_accounts.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/guesses.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"
#include "platform/money/money.h"

namespace pitchlog {
namespace {

constexpr ListColumn kColumns[] = {
    {"Sweep", 2200, Qt::AlignLeft}, {"Choice", 2200, Qt::AlignLeft}, {"Cost", 1100, Qt::AlignRight}};

QLabel* Caption(QWidget* parent, const char* name, const char* text, const QRect& place) {
  auto* label = Named(new QLabel(QLatin1String(text), parent), name);
  label->setGeometry(place);
  return label;
}

QLabel* Figure(QWidget* parent, const char* name, const QRect& place) {
  QLabel* label = DataLabel(name, parent);
  label->setGeometry(place);
  // Right also for an amount whose currency symbol is written right to left, which would mirror it.
  label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  return label;
}

// The costs stay whole inside the list, beside a scroll bar should one come: the sweep and
// choice names give way, each down to a third, and show whole as their tooltips.
void KeepCostsInside(QTreeWidget* list) {
  const int room = list->contentsRect().width() - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int names = list->columnWidth(0) + list->columnWidth(1);
  const int over = names + list->columnWidth(2) - room;
  if (over <= 0) return;
  for (int c = 0; c < 2; ++c) {
    const int width = list->columnWidth(c);
    list->setColumnWidth(c, std::max(width / 3, width - over * width / names));
  }
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    for (int c = 0; c < 2; ++c) list->topLevelItem(i)->setToolTip(c, list->topLevelItem(i)->text(c));
}

// The choice as its sweep shows it: a guess as the user's locale writes numbers.
QString ShownChoice(kelvane::IPitchlog& engine, const std::string& sweep, const kelvane::Variant& shown) {
  const QString text = ToQ(shown.ToString());
  return sweeps::SweepFormat(engine, sweep) == "number" ? sweeps::ShownGuess(text) : text;
}

}  // namespace

frmMemberDetails::frmMemberDetails() {
  setObjectName(QStringLiteral("frmMemberDetails"));
  setWindowTitle(QStringLiteral("Member Details"));
  setFixedSize(400, 370);
  MemberChoices = Named(new QTreeWidget(this), "MemberChoices");
  SetUpReportList(MemberChoices, kColumns);
  MemberChoices->setGeometry(8, 8, 384, 190);

  StakesBids = Named(new QGroupBox(this), "StakesBids");
  StakesBids->setGeometry(8, 204, 220, 116);
  // Figures wide enough for nine digits with their grouping, sign and symbol.
  lblTotal = Caption(StakesBids, "lblTotal", "Total", QRect(10, 14, 52, 24));
  lblTotalStake = Figure(StakesBids, "lblTotalStake", QRect(64, 14, 148, 24));
  lblPaid = Caption(StakesBids, "lblPaid", "Paid", QRect(10, 48, 52, 24));
  txtPaid = Named(new sweeps::MoneyBox(StakesBids), "txtPaid");
  txtPaid->setGeometry(64, 48, 148, 24);
  txtPaid->setAlignment(Qt::AlignRight);
  lblPaid->setBuddy(txtPaid);
  lblBalance = Caption(StakesBids, "lblBalance", "Balance", QRect(10, 82, 52, 24));
  lblBalanceValue = Figure(StakesBids, "lblBalanceValue", QRect(64, 82, 148, 24));
  // Beside the box, between Remove and OK: a note over OK would take the click meant for it.
  txtPaid->Mark()->setParent(this);
  txtPaid->Mark()->setGeometry(236, 250, 156, 42);

  lblPending = sweeps::PendingNote(this, "lblPending",
                                   "The sweeps hold changes not yet applied, counted here. Apply or cancel them "
                                   "in the Sweeps window before taking a payment.");
  lblPending->setGeometry(8, 326, 384, 36);
  cmdRemove = Named(new QPushButton(QStringLiteral("Remove"), this), "cmdRemove");
  cmdRemove->setGeometry(236, 222, 75, 26);
  cmdRemove->hide();
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setGeometry(236, 294, 75, 26);
  cmdOK->setDefault(true);
  cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
  cmdCancel->setGeometry(317, 294, 75, 26);

  connect(txtPaid, &QLineEdit::textChanged, this, Handler(this, &frmMemberDetails::txtPaid_Change));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmMemberDetails::cmdOK_Click));
  connect(cmdCancel, &QPushButton::clicked, this, [this] { RunHandler([this] { cmdCancel_Click(); }); });
  connect(cmdRemove, &QPushButton::clicked, this, Handler(this, &frmMemberDetails::cmdRemove_Click));
}

void frmMemberDetails::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const std::string member = ToStd(Member);
  setWindowTitle(Member);
  const kelvane::Variant choices = engine.MembersChoices(member);
  MemberChoices->clear();
  const double paid = sweeps::StoredAmount(engine.Members(member, "paid")).value_or(0);

  // The engine's total, as the accounts and the pages count it.
  total_ = engine.MemberTotal(member);
  const kelvane::Array& c = choices.AsArray();
  if (c.at(0, 0).ToString().empty()) {
    AddRow(MemberChoices, {QStringLiteral("** No sweeps found **")});
    // Nor while sweep changes are pending: dropping them could bring back a choice of the member.
    cmdRemove->setVisible(paid == 0 && !sweeps::SweepChangesPending());
  } else {
    for (int32_t i = 0; i <= c.UBound(2); ++i) {
      const std::string sweep = c.at(0, i).ToString();
      const kelvane::Variant& cost = c.at(2, i);
      const std::optional<double> amount = sweeps::StoredAmount(cost);
      // A cost that is no amount counts nothing, but shows as stored, for mending.
      const QString shown = amount ? sweeps::Currency(*amount) : ToQ(cost.ToString());
      AddRow(MemberChoices, {ToQ(sweep), ShownChoice(engine, sweep, c.at(1, i)), shown});
    }
  }
  lblTotalStake->setText(sweeps::Currency(total_));
  stored_paid_ = paid;
  loaded_paid_ = sweeps::MoneyText(paid);
  txtPaid->setText(loaded_paid_);
  // A payment taken against costs that may yet be dropped would leave a false balance.
  const bool pending = sweeps::SweepChangesPending();
  txtPaid->setEnabled(!pending);
  lblPending->setVisible(pending);
  FitColumns(MemberChoices);
  KeepCostsInside(MemberChoices);
}

// The balance follows the amount typed. A text that is no amount has none, but for the stored
// payment as loaded (one too large for the box still counts).
void frmMemberDetails::txtPaid_Change() {
  txtPaid->Judge();
  std::optional<double> paid = sweeps::MoneyAmount(txtPaid->text());
  if (!paid && txtPaid->text() == loaded_paid_) paid = stored_paid_;
  lblBalanceValue->setText(paid ? sweeps::Currency(kelvane::money::Balance(total_, *paid)) : QString());
}

void frmMemberDetails::SavePaid() {
  const QString paid = txtPaid->text().isEmpty() ? QString() : sweeps::StoredText(txtPaid->Value());
  gobjKelvane->SetMemberPaid(ToStd(Member), kelvane::Variant(ToStd(paid)));
  gobjKelvane->SaveMembers();
  RefreshAccounts();
}

void frmMemberDetails::RefreshAccounts() {
  if (frmAccounts::IsLoaded()) frmAccounts::Get().LoadMembers();
}

// The payment as loaded is stored as it was, even one the box would not take.
void frmMemberDetails::cmdOK_Click() {
  if (txtPaid->text() != loaded_paid_) {
    if (!txtPaid->Settle()) return;
    SavePaid();
  }
  Unload();
}

bool frmMemberDetails::cmdCancel_Click() {
  if (txtPaid->text() != loaded_paid_) {
    switch (MsgBox(QStringLiteral("Do you want to save changes?"), msgbox::YesNoCancel)) {
      case msgbox::Yes:
        if (!txtPaid->Settle()) return false;
        SavePaid();
        break;
      case msgbox::No:
        break;
      default:
        return false;
    }
  }
  Unload();
  return true;
}

void frmMemberDetails::cmdRemove_Click() {
  if (MsgBox(QStringLiteral("Are you sure you want to remove this member?"), msgbox::YesNo) != msgbox::Yes) return;
  gobjKelvane->MemberRemove(ToStd(Member));
  gobjKelvane->SaveMembers();
  if (frmMembers::IsLoaded()) frmMembers::Get().LoadMembers();
  RefreshAccounts();
  Unload();
}

void frmMemberDetails::reject() { RunHandler([this] { cmdCancel_Click(); }); }

void frmMemberDetails::closeEvent(QCloseEvent* event) {
  bool unloaded = false;
  RunHandler([&] { unloaded = cmdCancel_Click(); });
  if (!unloaded) event->ignore();
}

}  // namespace pitchlog
