#include "app/entry/frm_new_player.h"

#include <utility>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/kit/handler_guard.h"

namespace pitchlog {

frmNewPlayer::frmNewPlayer() {
  setObjectName(QStringLiteral("frmNewPlayer"));
  setFixedSize(300, 80);
  auto* name_label = new QLabel(QStringLiteral("Name"), this);
  name_label->setGeometry(10, 12, 60, 21);
  txtName = new QLineEdit(this);
  txtName->setObjectName(QStringLiteral("txtName"));
  txtName->setGeometry(75, 12, 215, 23);
  name_label->setBuddy(txtName);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(215, 46, 75, 25);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmNewPlayer::cmdOK_Click));
}

void frmNewPlayer::ShowModal(Player player) {
  player_ = std::move(player);
  Form_Load();
  exec();
}

void frmNewPlayer::Form_Load() {
  setWindowTitle(player_.team + QStringLiteral(" No ") + player_.shirt);
  txtName->setText(player_.name);
  txtName->selectAll();
}

// An empty name where there was none changes nothing: on a vacant shirt the editor would add a
// nameless player.
void frmNewPlayer::cmdOK_Click() {
  const QString name = txtName->text();
  if ((!name.isEmpty() || !player_.name.isEmpty()) && player_.rename) player_.rename(name);
  Unload();
}

void frmNewPlayer::reject() { Unload(); }

void frmNewPlayer::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
