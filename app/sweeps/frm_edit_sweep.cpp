#include "app/sweeps/frm_edit_sweep.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/sweeps/frm_sweeps.h"

namespace pitchlog {

frmEditSweep::frmEditSweep() {
  setObjectName(QStringLiteral("frmEditSweep"));
  setWindowTitle(QStringLiteral("Edit Sweep Name"));
  setFixedSize(320, 44);
  txtName = Named(new QLineEdit(this), "txtName");
  txtName->setGeometry(8, 10, 236, 24);
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setGeometry(252, 9, 60, 26);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmEditSweep::cmdOK_Click));
}

void frmEditSweep::Form_Load() {
  txtName->setText(frmSweeps::Get().cboSweepList->currentText());
  txtName->selectAll();
}

void frmEditSweep::cmdOK_Click() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const QString name = txtName->text();
  const QString current = frmSweeps::Get().cboSweepList->currentText();
  if (name == current) {
    Unload();
    return;
  }
  if (name.isEmpty()) {
    MsgBox(QStringLiteral("Must enter a name"), msgbox::Critical);
    return;
  }
  // Another sweep's key, not the sweep's own in other letter case or spelling.
  if (engine.SweepExists(ToStd(name)) && engine.XMLTagEncode(ToStd(name)) != engine.XMLTagEncode(ToStd(current))) {
    MsgBox(QStringLiteral("Name already in use"));
    return;
  }
  engine.SweepRename(ToStd(current), ToStd(name));
  engine.SaveSweeps();
  if (engine.Sweeps(ToStd(name), "name").ToString() == ToStd(name)) frmSweeps::Get().RenameShownSweep(name);
  Unload();
}

void frmEditSweep::reject() { Unload(); }

void frmEditSweep::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
