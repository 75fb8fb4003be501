#include "app/shell/frm_save_stats.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/shell/frm_main.h"
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
  setModal(true);
  lblName = Named(new QLabel(QStringLiteral("Name"), this), "lblName");
  txtName = Named(new QLineEdit(this), "txtName");
  txtName->setProperty("HelpContextID", kNameHelpTopic);
  lblName->setBuddy(txtName);
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setDefault(true);
  // Laid out rather than placed: at the given twips the box and its button are too small to read.
  auto* grid = new QGridLayout(this);
  grid->addWidget(lblName, 0, 0, 1, 2);
  grid->addWidget(txtName, 1, 0);
  grid->addWidget(cmdOK, 1, 1);
  grid->setColumnStretch(0, 1);
  setMinimumWidth(Pixels(6180));
  setFixedHeight(sizeHint().height());
  setTabOrder(txtName, cmdOK);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmSaveStats::cmdOK_Click));
}

// A layout that came with the data is offered no name: it can only be saved as a new one.
void frmSaveStats::Form_Load() {
  const frmMain& main = frmMain::Get();
  const QString shown = main.statsView->cboStatsTables->currentText();
  layout_ = {shown,
             main.varTable,
             main.strStatsType,
             main.intStatsStage,
             main.blnStatsAverages,
             main.intCurrSort,
             stats_list::Order(main.statsView->lvwStats) == Qt::DescendingOrder ? "desc" : "asc"};
  if (!gobjKelvane->StatsTableSystem(ToStd(shown))) txtName->setText(shown);
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
  if (gobjKelvane->StatsTableExists(table) && !IsTableOnShow(*gobjKelvane, name, layout_.shown) &&
      MsgBox(QStringLiteral("Name in use\n\nDo you want to overwrite it?"), msgbox::YesNo) != msgbox::Yes)
    return;
  gobjKelvane->SaveStats(table, layout_.table, layout_.type, layout_.stage, layout_.averages, layout_.sort,
                         layout_.sequence);

  // The layout just saved is no longer a change to ask about when its table is chosen.
  main.blnSaveStats = false;
  main.LoadStatsTables();
  main.statsView->cmdSave->setEnabled(false);
  tables->setCurrentIndex(tables->findText(name));
  main.statsView->cmdSave->setEnabled(false);
  Unload();
}

void frmSaveStats::reject() { Unload(); }

void frmSaveStats::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
