#include "app/sweeps/frm_new_member.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/kit/named_widget.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {

frmNewMember::frmNewMember() {
  setObjectName(QStringLiteral("frmNewMember"));
  setWindowTitle(QStringLiteral("New Member"));
  setFixedSize(300, 44);
  auto* label = new QLabel(QStringLiteral("Name"), this);
  label->setGeometry(8, 10, 50, 24);
  txtName = Named(new QLineEdit(this), "txtName");
  txtName->setGeometry(58, 10, 166, 24);
  label->setBuddy(txtName);
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setGeometry(232, 9, 60, 26);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmNewMember::cmdOK_Click));
}

void frmNewMember::Form_Load() {
  const QTreeWidgetItem* row = frmMembers::Get().MemberList->currentItem();
  if (row && row->text(0) != QLatin1String(sweeps::kNewRow)) txtName->setText(row->text(0));
}

// The members window's rules apply unchanged: an empty name adds nothing, a refused one is told.
void frmNewMember::cmdOK_Click() {
  QString name = txtName->text();
  frmMembers::Get().MemberList_AfterLabelEdit(0, name);
  Unload();
}

void frmNewMember::reject() { Unload(); }

void frmNewMember::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
