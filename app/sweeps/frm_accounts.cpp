#include "app/sweeps/frm_accounts.h"

#include <exception>

#include <QCloseEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>

#include "app/shell/named_widget.h"
#include "app/shell/program.h"
#include "app/shell/report_list.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/list_view_printer.h"
#include "app/sweeps/money.h"
#include "app/sweeps/printer.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {
namespace {

constexpr ListColumn kColumns[] = {{"Member", 2400, Qt::AlignLeft},
                                   {"Total", 1200, Qt::AlignRight},
                                   {"Paid", 1200, Qt::AlignRight},
                                   {"Balance", 1200, Qt::AlignRight}};

constexpr double kFootRoom = 480;  // twips kept free at the foot of each page

// What the member's choices cost, the choices whose cost is no number left out.
double TotalCost(kelvane::IPitchlog& engine, const std::string& member) {
  const kelvane::Variant choices = engine.MembersChoices(member);
  const kelvane::Array& c = choices.AsArray();
  double total = 0;
  if (c.at(0, 0).ToString().empty()) return total;
  for (int32_t i = 0; i <= c.UBound(2); ++i) total += sweeps::StoredAmount(c.at(2, i)).value_or(0);
  return total;
}

}  // namespace

frmAccounts::frmAccounts() {
  setObjectName(QStringLiteral("frmAccounts"));
  setWindowTitle(QStringLiteral("Accounts"));
  setFixedSize(420, 340);
  lvwMembers = Named(new QTreeWidget(this), "lvwMembers");
  SetUpReportList(lvwMembers, kColumns);
  lvwMembers->setGeometry(8, 8, 404, 286);
  lblPending = sweeps::PendingNote(this, "lblPending",
                                   "Counts sweep changes not yet applied. Apply or cancel them in the Sweeps "
                                   "window before taking payments.");
  lblPending->setGeometry(8, 296, 240, 40);
  cmdPrint = Named(new QPushButton(QStringLiteral("Print"), this), "cmdPrint");
  cmdPrint->setGeometry(256, 304, 75, 26);
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setGeometry(337, 304, 75, 26);
  cmdOK->setDefault(true);
  connect(lvwMembers, &QTreeWidget::itemDoubleClicked, this, Handler(this, &frmAccounts::lvwMembers_DblClick));
  connect(cmdPrint, &QPushButton::clicked, this, Handler(this, &frmAccounts::cmdPrint_Click));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmAccounts::cmdOK_Click));
}

void frmAccounts::Form_Load() { LoadMembers(); }

void frmAccounts::LoadMembers() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const kelvane::Variant members = engine.MembersList();
  lvwMembers->clear();
  const kelvane::Array& names = members.AsArray();
  for (int32_t i = names.LBound(); i <= names.UBound(); ++i) {
    const std::string name = names.at(i).ToString();
    const double total = TotalCost(engine, name);
    const std::optional<double> paid = sweeps::StoredAmount(engine.Members(name, "paid"));
    const double balance = sweeps::Balance(total, paid.value_or(0));
    QTreeWidgetItem* row = AddRow(lvwMembers, {ToQ(name), sweeps::Currency(total),
                                               paid ? sweeps::Currency(*paid) : QString(), sweeps::Currency(balance)});
    if (balance > 0) ColourRow(row, QColor(255, 0, 0));
  }
  lblPending->setVisible(sweeps::SweepChangesPending());
  lvwMembers->setCurrentItem(nullptr);
  lvwMembers->clearSelection();
  FitColumns(lvwMembers);
}

// The row of an empty members file has no member to show.
void frmAccounts::lvwMembers_DblClick(QTreeWidgetItem* row) {
  if (!row || row->text(accounts_column::Member).isEmpty()) return;
  frmMemberDetails::Member = row->text(accounts_column::Member);
  frmMemberDetails::Get().exec();
}

// The list under a heading, over as many pages as it needs, each under the column captions.
void frmAccounts::cmdPrint_Click() {
  const std::unique_ptr<QPrinter> device = ChoosePrinter(this);
  if (!device) return;
  try {
    Printer printer(device.get());
    ListViewPrinter list_printer = ListViewPrinter::Paged();
    PrintHeading(printer, gstrAppTitle + QStringLiteral(": Accounts"), 12);
    printer.Print(QStringLiteral(" "));
    printer.SetFontSize(8);
    printer.SetFontBold(false);
    list_printer.PrintListview(*lvwMembers, printer, false, true, printer.ScaleHeight() - kFootRoom, 0);
    printer.EndDoc();
  } catch (const std::exception&) {
    ShowPrinterError();
  }
}

void frmAccounts::cmdOK_Click() { Unload(); }

void frmAccounts::reject() { Unload(); }

void frmAccounts::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
