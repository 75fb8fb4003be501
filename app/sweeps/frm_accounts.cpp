#include "app/sweeps/frm_accounts.h"

#include <algorithm>
#include <exception>

#include <QCloseEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>

#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/list_view_printer.h"
#include "app/sweeps/money.h"
#include "app/sweeps/printer.h"
#include "app/sweeps/sweeps_kit.h"
#include "platform/money/money.h"

namespace pitchlog {
namespace {

constexpr ListColumn kColumns[] = {{"Member", 2400, Qt::AlignLeft},
                                   {"Total", 1200, Qt::AlignRight},
                                   {"Paid", 1200, Qt::AlignRight},
                                   {"Balance", 1200, Qt::AlignRight}};

constexpr double kFootRoom = 480;  // twips kept free at the foot of each page

constexpr int kMargin = 8;
constexpr int kDesignedWidth = 420;

}  // namespace

frmAccounts::frmAccounts() {
  setObjectName(QStringLiteral("frmAccounts"));
  setWindowTitle(QStringLiteral("Accounts"));
  setFixedSize(kDesignedWidth, 340);
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
  const kelvane::Variant members = engine.MembersTotals();
  lvwMembers->clear();
  const kelvane::Array& totals = members.AsArray();
  for (int32_t i = 0; i <= totals.UBound(2); ++i) {
    const std::string name = totals.at(0, i).ToString();
    const double total = totals.at(1, i).ToDouble();
    const std::optional<double> paid = sweeps::StoredAmount(engine.Members(name, "paid"));
    const double balance = kelvane::money::Balance(total, paid.value_or(0));
    QTreeWidgetItem* row = AddRow(lvwMembers, {ToQ(name), sweeps::Currency(total),
                                               paid ? sweeps::Currency(*paid) : QString(), sweeps::Currency(balance)});
    if (balance > 0) ColourRow(row, QColor(255, 0, 0));
  }
  lblPending->setVisible(sweeps::SweepChangesPending());
  lvwMembers->setCurrentItem(nullptr);
  lvwMembers->clearSelection();
  FitColumns(lvwMembers);
  FitWidth();
}

// Wide enough for every column whole, within the screen; on a screen too narrow for a long name,
// the name gives way and shows whole as its tooltip.
void frmAccounts::FitWidth() {
  int columns = 0;
  for (int c = 0; c < lvwMembers->columnCount(); ++c)
    if (!lvwMembers->isColumnHidden(c)) columns += lvwMembers->columnWidth(c);
  const int chrome = 2 * lvwMembers->frameWidth() + lvwMembers->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  int width = std::max(kDesignedWidth, columns + chrome + 2 * kMargin);
  if (const QScreen* shown_on = screen()) {
    const int room = shown_on->availableGeometry().width() - (frameGeometry().width() - geometry().width());
    if (width > room) {
      const int member = lvwMembers->columnWidth(accounts_column::Member);
      lvwMembers->setColumnWidth(accounts_column::Member, std::max(member / 3, member - (width - room)));
      width = room;
      for (int i = 0; i < lvwMembers->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = lvwMembers->topLevelItem(i);
        row->setToolTip(accounts_column::Member, row->text(accounts_column::Member));
      }
    }
  }
  setFixedWidth(width);
  lvwMembers->setGeometry(kMargin, kMargin, width - 2 * kMargin, lvwMembers->height());
  cmdOK->move(width - kMargin - cmdOK->width(), cmdOK->y());
  cmdPrint->move(cmdOK->x() - 6 - cmdPrint->width(), cmdPrint->y());
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
    const QString title = gstrAppTitle + QStringLiteral(": Accounts");
    Printer printer(device.get(), title);
    ListViewPrinter list_printer = ListViewPrinter::Paged(title);
    PrintHeading(printer, title, 12);
    printer.Print(QStringLiteral(" "));
    printer.SetFontSize(8);
    printer.SetFontBold(false);
    PrintPageHead(printer, title);
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
