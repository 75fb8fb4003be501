#include "app/entry/frm_add_player.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/entry/entry_kit.h"
#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "platform/component/error.h"

namespace pitchlog {

namespace {

std::string PlayerID(const std::string& team, int shirt) {
  return team + (shirt < 10 ? "0" : "") + std::to_string(shirt);
}

}  // namespace

frmAddPlayer::frmAddPlayer() {
  setObjectName(QStringLiteral("frmAddPlayer"));
  setFixedSize(300, 110);
  auto* name_label = new QLabel(QStringLiteral("Name"), this);
  name_label->setGeometry(10, 12, 60, 21);
  txtName = new QLineEdit(this);
  txtName->setObjectName(QStringLiteral("txtName"));
  txtName->setGeometry(75, 12, 215, 23);
  auto* shirt_label = new QLabel(QStringLiteral("Shirt"), this);
  shirt_label->setGeometry(10, 44, 60, 21);
  cboShirt = new QComboBox(this);
  cboShirt->setObjectName(QStringLiteral("cboShirt"));
  cboShirt->setGeometry(75, 44, 70, 23);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(215, 76, 75, 25);
  cmdOK->setDefault(true);

  name_label->setBuddy(txtName);
  shirt_label->setBuddy(cboShirt);
  txtName->installEventFilter(this);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmAddPlayer::cmdOK_Click));
}

void frmAddPlayer::ShowModal() {
  if (!RunHandler([this] { Form_Load(); })) {
    Close();
    return;
  }
  exec();
}

void frmAddPlayer::Form_Load() {
  setWindowTitle(QStringLiteral("Add Player to ") + ToQ(gobjKelvane->TeamName(TeamID)));
  cboShirt->clear();
  for (int shirt = 1; shirt <= kSquadSize; ++shirt)
    if (!gobjKelvane->PlayerExists(PlayerID(TeamID, shirt))) cboShirt->addItem(QString::number(shirt));
  AddedPlayerID.clear();
  txtName->setFocus();
}

void frmAddPlayer::Form_Unload() {
  if (Calling && entry::IsNewChosen(Calling)) Calling->setCurrentIndex(0);
  TeamID.clear();
}

void frmAddPlayer::Close() {
  RunHandler([this] { Form_Unload(); });
  Unload();
}

void frmAddPlayer::reject() { Close(); }

void frmAddPlayer::closeEvent(QCloseEvent* event) {
  event->accept();
  Close();
}

// Leaving the name box for another control of the dialog checks the name at once. The OK button
// checks it itself, and a box opening or the dialog closing is no leaving.
bool frmAddPlayer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtName && event->type() == QEvent::FocusOut && isVisible()) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const bool moved = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                       reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
    if (moved && focusWidget() != cmdOK) RunHandler([this] { txtName_LostFocus(); });
  }
  return QDialog::eventFilter(watched, event);
}

void frmAddPlayer::txtName_LostFocus() {
  const QString name = txtName->text();
  if (name.isEmpty() || !Calling || !entry::ListHolds(Calling, name)) return;
  MsgBox(name + QStringLiteral(" already exists"), msgbox::Critical);
  txtName->clear();
}

void frmAddPlayer::cmdOK_Click() {
  const QString name = txtName->text();
  const QString shirt = cboShirt->currentText();
  if (shirt.isEmpty() || name.isEmpty() || name == QLatin1String(entry::kNewItem)) {
    QString text = QStringLiteral("Please enter both the name and shirt number of the player to be added");
    if (shirt.isEmpty())
      text += QStringLiteral("\n\nIf you do not know the player's shirt number, you can exit this form and enter "
                             "the name directly");
    MsgBox(text, msgbox::Critical);
    return;
  }
  if (Calling && entry::ListHolds(Calling, name)) {
    MsgBox(name + QStringLiteral(" already exists"), msgbox::Critical);
    return;
  }
  const int16_t number = entry::NumberOf(shirt);
  gobjKelvane->AddPlayer(TeamID, number, ToStd(name));
  gobjKelvane->SavePlayers();
  AddedPlayerID = PlayerID(TeamID, number);
  if (!FromForm || !QMetaObject::invokeMethod(FromForm, "ResetPlayers", Qt::DirectConnection,
                                              Q_ARG(QString, HomeAway), Q_ARG(QString, Side)))
    throw kelvane::Error(kelvane::ErrorKind::ObjectMissing, "the opener of the add-player dialog has no ResetPlayers");
  Close();
}

}  // namespace pitchlog
