#include "app/entry/frm_new_player.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/component/error.h"

namespace pitchlog {

namespace {

QWidget& PlayersEditor() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == QLatin1String("frmPlayers")) return *window;
  throw kelvane::Error(kelvane::ErrorKind::ObjectMissing, "the players editor is not open");
}

template <typename T>
T& Control(QWidget& window, const char* name) {
  if (T* control = window.findChild<T*>(QLatin1String(name))) return *control;
  throw kelvane::Error(kelvane::ErrorKind::ObjectMissing, std::string("the players editor has no ") + name);
}

QTreeWidgetItem& ChosenPlayer(QWidget& editor) {
  if (QTreeWidgetItem* item = Control<QTreeWidget>(editor, "PlayerList").currentItem()) return *item;
  throw kelvane::Error(kelvane::ErrorKind::ObjectMissing, "no player is chosen in the players editor");
}

}  // namespace

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

void frmNewPlayer::Form_Load() {
  QWidget& editor = PlayersEditor();
  const QTreeWidgetItem& player = ChosenPlayer(editor);
  setWindowTitle(Control<QComboBox>(editor, "cboTeam").currentText() + QStringLiteral(" No ") + player.text(1));
  old_name_ = player.text(0);
  txtName->setText(old_name_);
  txtName->selectAll();
}

// An empty name where there was none changes nothing: on a vacant shirt the editor would add a
// nameless player.
void frmNewPlayer::cmdOK_Click() {
  const QString name = txtName->text();
  if (!name.isEmpty() || !old_name_.isEmpty()) {
    if (!QMetaObject::invokeMethod(&PlayersEditor(), "PlayerList_AfterLabelEdit", Qt::DirectConnection,
                                   Q_ARG(int, 0), Q_ARG(QString, name)))
      throw kelvane::Error(kelvane::ErrorKind::ObjectMissing, "the players editor cannot rename a player");
  }
  Unload();
}

void frmNewPlayer::reject() { Unload(); }

void frmNewPlayer::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
