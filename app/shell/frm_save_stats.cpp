#include "app/shell/frm_save_stats.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/shell/frm_main.h"
#include "app/shell/msg_box.h"
#include "app/shell/named_widget.h"
#include "app/shell/program.h"
#include "app/shell/report_list.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_view.h"

namespace pitchlog {
namespace {

constexpr int kNameHelpTopic = 3101;

// The table on show, saved again under its own name in any letter case. Letter case alone is not
// enough: two names of one lower case can still make different table ids, and the save would
// then replace another table without asking.
bool IsTableOnShow(kelvane::IPitchlog& engine, const QString& name, const QString& shown) {
  return name.toLower() == shown.toLower() && engine.XMLTagEncode(ToStd(name)) == engine.XMLTagEncode(ToStd(shown));
}

}  // namespace

frmSaveStats::frmSaveStats() {
  setObjectName(QStringLiteral("frmSaveStats"));
  setWindowTitle(QStringLiteral("Save Stats Layout"));
  setFixedSize(Pixels(6180), Pixels(540));
  lblName = Named(new QLabel(QStringLiteral("Name"), this), "lblName");
  lblName->setGeometry(0, 0, Pixels(1575), Pixels(255));
  txtName = Named(new QLineEdit(this), "txtName");
  txtName->setGeometry(0, Pixels(240), Pixels(5535), Pixels(285));
  txtName->setProperty("HelpContextID", kNameHelpTopic);
  lblName->setBuddy(txtName);
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setGeometry(Pixels(5640), Pixels(240), Pixels(495), Pixels(255));
  cmdOK->setDefault(true);
  setTabOrder(txtName, cmdOK);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmSaveStats::cmdOK_Click));
}

// A layout that came with the data is offered no name: it can only be saved as a new one.
void frmSaveStats::Form_Load() {
  const QString shown = frmMain::Get().statsView->cboStatsTables->currentText();
  if (!gobjKelvane->StatsTableSystem(ToStd(shown))) txtName->setText(shown);
}

void frmSaveStats::ShowModeless() {
  show();
  raise();
  activateWindow();
}

// A name of blanks is no name: it would list as an empty entry.
void frmSaveStats::cmdOK_Click() {
  frmMain& main = frmMain::Get();
  QComboBox* tables = main.statsView->cboStatsTables;
  const QString name = txtName->text();
  const std::string table = ToStd(name);
  if (gobjKelvane->StatsTableSystem(table)) {
    MsgBox(QStringLiteral("Cannot change system layouts"), msgbox::Critical);
    return;
  }
  if (name.trimmed().isEmpty()) {
    MsgBox(QStringLiteral("Cannot save system layouts without a name"), msgbox::Critical);
    return;
  }
  if (gobjKelvane->StatsTableExists(table) && !IsTableOnShow(*gobjKelvane, name, tables->currentText()) &&
      MsgBox(QStringLiteral("Name in use\n\nDo you want to overwrite it?"), msgbox::YesNo) != msgbox::Yes)
    return;
  const std::string sequence =
      stats_list::Order(main.statsView->lvwStats) == Qt::DescendingOrder ? "desc" : "asc";
  gobjKelvane->SaveStats(table, main.varTable, main.strStatsType, main.intStatsStage, main.blnStatsAverages,
                         main.intCurrSort, sequence);

  // Choosing the saved table asks about a changed layout while the mark is still up.
  main.LoadStatsTables();
  main.statsView->cmdSave->setEnabled(false);
  tables->setCurrentIndex(tables->findText(name));
  main.statsView->cmdSave->setEnabled(false);
  main.blnSaveStats = false;
  Unload();
}

void frmSaveStats::reject() { Unload(); }

void frmSaveStats::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
