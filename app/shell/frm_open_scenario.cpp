#include "app/shell/frm_open_scenario.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/scenario_list.h"

namespace pitchlog {

frmOpenScenario::frmOpenScenario() {
  setObjectName(QStringLiteral("frmOpenScenario"));
  setWindowTitle(QStringLiteral("Open Scenario"));
  setFixedSize(300, 80);
  auto* name_label = new QLabel(QStringLiteral("Name"), this);
  name_label->setGeometry(10, 12, 60, 23);
  cboName = new QComboBox(this);
  cboName->setObjectName(QStringLiteral("cboName"));
  cboName->setGeometry(75, 12, 215, 23);
  name_label->setBuddy(cboName);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(215, 46, 75, 25);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmOpenScenario::cmdOK_Click));
}

void frmOpenScenario::Form_Load() {
  cboName->clear();
  cboName->addItems(ScenarioNames(*gobjKelvane));
  cboName->setCurrentIndex(-1);
}

// A set that can't be opened leaves the dialog open, so another can be picked.
void frmOpenScenario::cmdOK_Click() {
  const QString name = cboName->currentText();
  if (cboName->currentIndex() < 0 || name.isEmpty()) {
    MsgBox(QStringLiteral("Please select a scenario"), msgbox::Critical);
    return;
  }
  frmMain::Get().OpenResultsSet(ToStd(name));
  Unload();
}

void frmOpenScenario::reject() { Unload(); }

void frmOpenScenario::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
