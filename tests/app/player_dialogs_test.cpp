// The add-player dialog (shirts on offer, refusals, Esc, the call back into its opener) against a
// small stand-in opener, and the rename dialog of the players editor with the player it is given.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "app/entry/frm_add_player.h"
#include "app/entry/frm_new_player.h"
#include "app/kit/program.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;

namespace {

const QString kPleaseEnter = QStringLiteral("Please enter both the name and shirt number of the player to be added");
const QString kNoShirt =
    QStringLiteral("\n\nIf you do not know the player's shirt number, you can exit this form and enter the name "
                   "directly");

}  // namespace

// A score dialog as the add-player dialog sees it: a list that asked, and ResetPlayers.
class Opener : public QWidget {
  Q_OBJECT

 public:
  Opener() {
    list->addItems({QString(), QStringLiteral("Enner VALENCIA"), QStringLiteral("[New]")});
    list->setCurrentIndex(2);
  }
  Q_INVOKABLE void ResetPlayers(QString HomeAway, QString Side) {
    calls << HomeAway + QLatin1Char(' ') + Side + QLatin1Char(' ') + ToQ(frmAddPlayer::Get().AddedPlayerID) +
                 QLatin1Char(' ') + frmAddPlayer::Get().txtName->text();
  }

  QComboBox* list = new QComboBox(this);
  QStringList calls;
};

class PlayerDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void addPlayer() {
    ProgramFolder folder;
    // Qatar keeps the shirts 1 and 7 only; Ecuador wears 1 to 26.
    QString players = QString::fromUtf8(folder.Read(QStringLiteral("Data/players.xml")));
    players.remove(QRegularExpression(QStringLiteral("<player playerid=\"QAT(0[2-689]|[12]\\d)\">.*?</player>\\s*"),
                                      QRegularExpression::DotMatchesEverythingOption));
    folder.Write(QStringLiteral("Data/players.xml"), players.toUtf8());
    app_testing::StartToMainWindow(folder);

    Opener opener;
    auto open = [&](const std::string& team, std::function<void(frmAddPlayer&)> action) {
      frmAddPlayer& add = frmAddPlayer::Get();
      add.Calling = opener.list;
      add.FromForm = &opener;
      add.HomeAway = QStringLiteral("away");
      add.Side = QStringLiteral("home");
      add.IndexNo = 3;
      add.TeamID = team;
      ModalDialog drive(QStringLiteral("frmAddPlayer"), [&](QWidget& w) { action(static_cast<frmAddPlayer&>(w)); });
      add.ShowModal();
      QVERIFY(drive.Seen());
      QVERIFY(!frmAddPlayer::InUse());
    };

    // A full squad offers no shirt, and OK says how to go on without one.
    open("ECU", [&](frmAddPlayer& add) {
      QCOMPARE(add.windowTitle(), QStringLiteral("Add Player to ") + ToQ(gobjKelvane->TeamName("ECU")));
      QCOMPARE(add.cboShirt->count(), 0);
      add.txtName->setText(QStringLiteral("Somebody"));
      MessageBoxes boxes({QMessageBox::Ok});
      QTest::mouseClick(add.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(), kPleaseEnter + kNoShirt);
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
      QVERIFY(add.isVisible());
      QTest::keyClick(&add, Qt::Key_Escape);
    });
    QCOMPARE(opener.list->currentIndex(), 0);  // Esc put the asking list back to its empty item
    QVERIFY(opener.calls.isEmpty());

    open("QAT", [&](frmAddPlayer& add) {
      QStringList shirts;
      for (int i = 0; i < add.cboShirt->count(); ++i) shirts << add.cboShirt->itemText(i);
      QStringList expected;
      for (int s = 2; s <= 26; ++s)
        if (s != 7) expected << QString::number(s);
      QCOMPARE(shirts, expected);
      MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
      // A name the asking list holds, in other letter case: refused on leaving the box and on OK.
      add.activateWindow();
      add.txtName->setFocus();
      add.txtName->setText(QStringLiteral("enner valencia"));
      QTest::keyClick(add.txtName, Qt::Key_Tab);
      QTRY_COMPARE(boxes.Seen().size(), 1);
      QCOMPARE(boxes.Text(0), QStringLiteral("enner valencia already exists"));
      QVERIFY(add.txtName->text().isEmpty());
      add.txtName->setText(QStringLiteral("ENNER VALENCIA"));
      QTest::mouseClick(add.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(1), QStringLiteral("ENNER VALENCIA already exists"));
      add.txtName->setText(QStringLiteral("[New]"));
      QTest::mouseClick(add.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(2), kPleaseEnter);
      QVERIFY(add.isVisible());
      add.txtName->setText(QStringLiteral("Almoez ALI"));
      add.cboShirt->setCurrentText(QStringLiteral("19"));
      QTest::mouseClick(add.cmdOK, Qt::LeftButton);
    });
    QCOMPARE(opener.calls, QStringList{"away home QAT19 Almoez ALI"});
    QVERIFY(gobjKelvane->PlayerExists("QAT19"));
    QCOMPARE(ToQ(gobjKelvane->PlayerName("QAT19")), QStringLiteral("Almoez ALI"));
    QVERIFY(folder.Read(QStringLiteral("Data/players.xml")).contains("Almoez ALI"));
  }

  void renamePlayer_data() {
    QTest::addColumn<QString>("shirt");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("renamed");
    QTest::newRow("rename") << "11" << "AKRAM AFIF" << "Akram AFIF" << QStringList{"Akram AFIF"};
    QTest::newRow("empty name on a player") << "11" << "AKRAM AFIF" << "" << QStringList{""};
    QTest::newRow("name on a vacant shirt") << "23" << "" << "New Man" << QStringList{"New Man"};
    QTest::newRow("empty name on a vacant shirt") << "23" << "" << "" << QStringList{};
  }
  void renamePlayer() {
    QFETCH(QString, shirt);
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QStringList, renamed);
    QStringList names;
    QString caption, shown;
    ModalDialog drive(QStringLiteral("frmNewPlayer"), [&](QWidget& w) {
      auto& dialog = static_cast<frmNewPlayer&>(w);
      caption = dialog.windowTitle();
      shown = dialog.txtName->text();
      dialog.txtName->setText(typed);
      QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    frmNewPlayer::Get().ShowModal({QStringLiteral("Qatar"), shirt, name, [&](const QString& n) { names << n; }});
    QVERIFY(drive.Seen());
    QVERIFY(!frmNewPlayer::IsLoaded());
    QCOMPARE(caption, QStringLiteral("Qatar No ") + shirt);
    QCOMPARE(shown, name);
    QCOMPARE(names, renamed);
  }

  void escRenamesNothing() {
    QStringList names;
    ModalDialog drive(QStringLiteral("frmNewPlayer"), [&](QWidget& w) {
      auto& dialog = static_cast<frmNewPlayer&>(w);
      dialog.txtName->setText(QStringLiteral("Other"));
      QTest::keyClick(dialog.txtName, Qt::Key_Escape);
    });
    frmNewPlayer::Get().ShowModal({QStringLiteral("Qatar"), QStringLiteral("11"), QStringLiteral("AKRAM AFIF"),
                                   [&](const QString& n) { names << n; }});
    QVERIFY(drive.Seen());
    QVERIFY(!frmNewPlayer::IsLoaded());
    QVERIFY(names.isEmpty());
  }
};

QTEST_MAIN(PlayerDialogsTest)
#include "player_dialogs_test.moc"
