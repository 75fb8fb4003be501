// The players editor with the real engine on a temporary copy of the shipped data: opened from
// the Edit menu, a team's 26 shirts, names typed in place or in the rename dialog and what the
// saved players file then holds, the refusals, and a players file that cannot be written.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

#include "app/entry/frm_new_player.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_players.h"
#include "platform/component/create_object.h"
#include "tests/app/support/list_cells.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using namespace pitchlog::player_list_column;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

const QString kNotSaved = QStringLiteral("The players file could not be saved.");

// Qatar without the players of shirts 19 and 23, and Wales missing from the players file.
void PrepareSquads(const ProgramFolder& folder) {
  QString players = QString::fromUtf8(folder.Read(QStringLiteral("Data/players.xml")));
  players.remove(QRegularExpression(QStringLiteral("<player playerid=\"QAT(19|23)\">.*?</player>\\s*"),
                                    QRegularExpression::DotMatchesEverythingOption));
  players.remove(QRegularExpression(QStringLiteral("<team teamid=\"WAL\">.*?</team>\\s*"),
                                    QRegularExpression::DotMatchesEverythingOption));
  folder.Write(QStringLiteral("Data/players.xml"), players.toUtf8());
}

// The players file as a fresh engine reads it back.
std::shared_ptr<kelvane::IPitchlog> SavedData(const ProgramFolder& folder) {
  auto engine = kelvane::QueryInterface<kelvane::IPitchlog>(kelvane::CreateObject(kelvane::kPitchlogProgId),
                                                            kelvane::kPitchlogInterface);
  engine->SetAppPath(ToStd(folder.Path()));
  engine->LoadAll();
  return engine;
}

// Every player of the file: id -> team, name, shirt, position.
QMap<QString, QString> AllPlayers(kelvane::IPitchlog& engine) {
  QMap<QString, QString> players;
  const kelvane::Variant all = engine.PlayerList();
  const kelvane::Array& list = all.AsArray();
  for (int32_t c = 0; c <= list.UBound(2); ++c) {
    const std::string id = list.at(0, c).ToString();
    players[ToQ(id)] = QStringList{ToQ(engine.PlayerTeam(id).ToString()), ToQ(engine.PlayerName(id)),
                                   ToQ(engine.PlayerShirt(id)), ToQ(engine.PlayerPosition(id))}
                           .join(QLatin1Char('|'));
  }
  return players;
}

frmPlayers& OpenEditor(const std::string& team) {
  frmPlayers& editor = frmPlayers::Get();
  editor.show();
  const int index = editor.cboTeam->findText(ToQ(gobjKelvane->TeamName(team)));
  if (index < 0) qFatal("%s is not offered", team.c_str());
  editor.cboTeam->setCurrentIndex(index);
  if (!QTest::qWaitForWindowActive(&editor)) qFatal("the players editor is not active");
  return editor;
}

QTreeWidgetItem* Row(const frmPlayers& editor, int shirt) { return editor.PlayerList->topLevelItem(shirt - 1); }

QStringList Column(const frmPlayers& editor, int column) { return app_testing::Column(editor.PlayerList, column); }

// Opens the in-place editor on the shirt's name and types the name into it.
QLineEdit* TypeInPlace(frmPlayers& editor, int shirt, const QString& name) {
  editor.PlayerList->setCurrentItem(Row(editor, shirt));
  editor.PlayerList->editItem(Row(editor, shirt), Name);
  auto* box = editor.PlayerList->viewport()->findChild<QLineEdit*>();
  if (!box) qFatal("no editor opened on shirt %d", shirt);
  box->setText(name);
  return box;
}

// The editor commits on Enter, and the window stores the edit, each once control is back in the
// event loop.
void ProcessPendingEdits() { QTest::qWait(20); }

}  // namespace

class PlayersEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmNewPlayer::Unload();
    frmPlayers::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void opensFromTheEditMenuAndListsTheShirts() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    QAction* item = main.findChild<QAction*>(QStringLiteral("Players"));
    QVERIFY(item->isEnabled());

    const kelvane::Variant team_list = gobjKelvane->TeamList();
    const kelvane::Array& teams = team_list.AsArray();
    ModalDialog drive(QStringLiteral("frmPlayers"), [&](QWidget& w) {
      auto& editor = static_cast<frmPlayers&>(w);
      QCOMPARE(editor.windowTitle(), QStringLiteral("Players"));
      QCOMPARE(editor.Teams->text(), QStringLiteral("Team"));
      QVERIFY(!editor.PlayerList->isVisible());
      QCOMPARE(editor.cboTeam->currentIndex(), -1);
      QCOMPARE(editor.cboTeam->count(), teams.UBound(2) + 1);
      for (int i = 0; i < editor.cboTeam->count(); ++i) {
        QCOMPARE(editor.cboTeam->itemText(i), ToQ(teams.at(1, i).ToString()));
        QCOMPARE(editor.cboTeam->itemData(i).toInt(), i);
      }

      // Argentina wears 1 to 26, the whole shipped squad.
      editor.cboTeam->setCurrentIndex(editor.cboTeam->findText(ToQ(gobjKelvane->TeamName("ARG"))));
      QVERIFY(editor.PlayerList->isVisible());
      QStringList shirts, names, ids;
      for (int shirt = 1; shirt <= 26; ++shirt) {
        const std::string id = "ARG" + QStringLiteral("%1").arg(shirt, 2, 10, QLatin1Char('0')).toStdString();
        shirts << QString::number(shirt);
        names << ToQ(gobjKelvane->PlayerName(id));
        ids << ToQ(id);
      }
      QCOMPARE(Column(editor, Shirt), shirts);
      QCOMPARE(Column(editor, Name), names);
      QCOMPARE(Column(editor, TeamID), ids);
      QCOMPARE(Row(editor, 10)->text(Name), QStringLiteral("Lionel MESSI"));
      // A scorer with shirt 26 can be renamed too.
      editor.cboTeam->setCurrentIndex(editor.cboTeam->findText(ToQ(gobjKelvane->TeamName("POR"))));
      QCOMPARE(Row(editor, 26)->text(Name), QStringLiteral("GONCALO RAMOS"));
      editor.cboTeam->setCurrentIndex(editor.cboTeam->findText(ToQ(gobjKelvane->TeamName("ARG"))));
      QCOMPARE(editor.PlayerList->header()->logicalIndex(0), Shirt);
      QVERIFY(editor.PlayerList->isColumnHidden(TeamID));
      QCOMPARE(editor.PlayerList->headerItem()->text(Name), QStringLiteral("Name"));
      QCOMPARE(Row(editor, 10)->textAlignment(Shirt) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));

      QTest::keyClick(editor.cboTeam, Qt::Key_Escape);
    });
    item->trigger();
    QVERIFY(drive.Seen());
    app_testing::ProcessDeletions();
    QVERIFY(!frmPlayers::IsLoaded());
  }

  void escCloses_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("window") << "frmPlayers";
    QTest::newRow("team list") << "cboTeam";
    QTest::newRow("player list") << "PlayerList";
  }
  void escCloses() {
    QFETCH(QString, target);
    ProgramFolder folder;
    StartToMainWindow(folder);
    frmPlayers& editor = OpenEditor("ARG");
    QWidget* widget = target == editor.objectName() ? &editor : editor.findChild<QWidget*>(target);
    QTest::keyClick(widget, Qt::Key_Escape);
    QVERIFY(!frmPlayers::IsLoaded());
  }

  // A name typed in place and ended with Enter, and what the saved file then holds: only that
  // player's name changes, or a player is added with his shirt.
  void nameTypedInPlace_data() {
    QTest::addColumn<QString>("team");
    QTest::addColumn<int>("shirt");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // team|name|shirt|position; "" for no player
    QTest::newRow("rename") << "ARG" << 10 << "Leo MESSI"
                            << "ARG|Leo MESSI|10|FW";
    QTest::newRow("name cleared") << "ARG" << 10 << ""
                                  << "ARG||10|FW";
    QTest::newRow("vacant shirt") << "QAT" << 19 << "Almoez ALI"
                                  << "QAT|Almoez ALI|19|";
    QTest::newRow("nothing on a vacant shirt") << "QAT" << 19 << ""
                                               << "";
    QTest::newRow("team missing from the file") << "WAL" << 9 << "Kieffer MOORE"
                                                << "WAL|Kieffer MOORE|9|";
  }
  void nameTypedInPlace() {
    QFETCH(QString, team);
    QFETCH(int, shirt);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ProgramFolder folder;
    PrepareSquads(folder);
    const QByteArray file_before = folder.Read(QStringLiteral("Data/players.xml"));
    QMap<QString, QString> expected = AllPlayers(*SavedData(folder));
    StartToMainWindow(folder);
    frmPlayers& editor = OpenEditor(ToStd(team));
    const std::string id = ToStd(team) + QStringLiteral("%1").arg(shirt, 2, 10, QLatin1Char('0')).toStdString();
    // An empty name typed on a vacant shirt is no change: type something and take it back.
    QLineEdit* box = TypeInPlace(editor, shirt, typed.isEmpty() ? QStringLiteral("x") : typed);
    box->setText(typed);
    QTest::keyClick(box, Qt::Key_Return);
    ProcessPendingEdits();
    // The same name again through the procedure that the rename dialog calls changes nothing more.
    editor.PlayerList->setCurrentItem(Row(editor, shirt));
    editor.PlayerList_AfterLabelEdit(0, typed);

    QCOMPARE(editor.PlayerList->topLevelItemCount(), 26);
    QCOMPARE(Row(editor, shirt)->text(Name), typed);
    QCOMPARE(Row(editor, shirt)->text(Shirt), QString::number(shirt));
    if (stored.isEmpty()) {
      QVERIFY(!gobjKelvane->PlayerExists(id));
      QCOMPARE(folder.Read(QStringLiteral("Data/players.xml")), file_before);
      return;
    }
    expected[ToQ(id)] = stored;
    QCOMPARE(AllPlayers(*SavedData(folder)), expected);
  }

  // A second, slow click on a row edits its name, wherever on the row it falls; the edit belongs
  // to that row however it ends.
  void editInPlace() {
    ProgramFolder folder;
    StartToMainWindow(folder);
    frmPlayers& editor = OpenEditor("ARG");
    const int wait = QApplication::doubleClickInterval() + 50;
    auto shirt_cell = [&](int shirt) {
      return QPoint(editor.PlayerList->header()->sectionViewportPosition(Shirt) + 5,
                    editor.PlayerList->visualItemRect(Row(editor, shirt)).center().y());
    };

    QTest::mouseClick(editor.PlayerList->viewport(), Qt::LeftButton, {}, shirt_cell(5));
    QTest::qWait(wait);
    QTest::mouseClick(editor.PlayerList->viewport(), Qt::LeftButton, {}, shirt_cell(5));
    QLineEdit* box = nullptr;
    QTRY_VERIFY((box = editor.PlayerList->viewport()->findChild<QLineEdit*>()));
    QCOMPARE(box->text(), QStringLiteral("Leandro PAREDES"));
    box->setText(QStringLiteral("Five"));

    // Ended by a click on another row.
    QTest::mouseClick(editor.PlayerList->viewport(), Qt::LeftButton, {}, shirt_cell(8));
    ProcessPendingEdits();
    QCOMPARE(ToQ(gobjKelvane->PlayerName("ARG05")), QStringLiteral("Five"));
    QCOMPARE(ToQ(gobjKelvane->PlayerName("ARG08")), QStringLiteral("Marcos ACUNA"));
    QCOMPARE(Row(editor, 5)->text(Name), QStringLiteral("Five"));
    QCOMPARE(Row(editor, 5)->text(Shirt), QStringLiteral("5"));

    // Esc in the box takes the edit back and leaves the window open.
    box = TypeInPlace(editor, 6, QStringLiteral("Six"));
    QTest::keyClick(box, Qt::Key_Escape);
    ProcessPendingEdits();
    QVERIFY(frmPlayers::IsLoaded() && editor.isVisible());
    QVERIFY(ToQ(gobjKelvane->PlayerName("ARG06")) != QStringLiteral("Six"));

    // Closed by the window's close button while typing: the name is stored before it goes.
    TypeInPlace(editor, 7, QStringLiteral("Seven"));
    QVERIFY(editor.close());
    QVERIFY(!frmPlayers::IsLoaded());
    QCOMPARE(ToQ(SavedData(folder)->PlayerName("ARG07")), QStringLiteral("Seven"));
    QCOMPARE(ToQ(SavedData(folder)->PlayerName("ARG05")), QStringLiteral("Five"));
  }

  // A double click opens the rename dialog on the row; its OK takes the in-place road.
  void renameDialog() {
    ProgramFolder folder;
    PrepareSquads(folder);
    StartToMainWindow(folder);
    frmPlayers& editor = OpenEditor("QAT");
    // A double click as the window system sends it: a click, then the double click.
    auto double_click = [&](int shirt) {
      const QPoint at = editor.PlayerList->visualItemRect(Row(editor, shirt)).center();
      QTest::mouseClick(editor.PlayerList->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(editor.PlayerList->viewport(), Qt::LeftButton, {}, at);
    };

    QString caption, shown;
    ModalDialog rename(QStringLiteral("frmNewPlayer"), [&](QWidget& d) {
      auto& dialog = static_cast<frmNewPlayer&>(d);
      caption = dialog.windowTitle();
      shown = dialog.txtName->text();
      dialog.txtName->setText(QStringLiteral("Akram AFIF"));
      QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    double_click(11);
    QVERIFY(rename.Seen());
    QCOMPARE(caption, QStringLiteral("Qatar No 11"));
    QCOMPARE(shown, QStringLiteral("AKRAM AFIF"));
    QCOMPARE(Row(editor, 11)->text(Name), QStringLiteral("Akram AFIF"));
    QCOMPARE(ToQ(SavedData(folder)->PlayerName("QAT11")), QStringLiteral("Akram AFIF"));

    ModalDialog add(QStringLiteral("frmNewPlayer"), [&](QWidget& d) {
      auto& dialog = static_cast<frmNewPlayer&>(d);
      caption = dialog.windowTitle();
      dialog.txtName->setText(QStringLiteral("Naif ALHADHRAMI"));
      QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    double_click(23);
    QVERIFY(add.Seen());
    QCOMPARE(caption, QStringLiteral("Qatar No 23"));
    const auto saved = SavedData(folder);
    QCOMPARE(ToQ(saved->PlayerName("QAT23")), QStringLiteral("Naif ALHADHRAMI"));
    QCOMPARE(ToQ(saved->PlayerShirt("QAT23")), QStringLiteral("23"));
    QVERIFY(frmPlayers::IsLoaded());
  }

  // Names the engine could not store, and a team id that the players file gives a player, are
  // refused with a message and change nothing.
  void refusals_data() {
    QTest::addColumn<QString>("team");
    QTest::addColumn<int>("shirt");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("control character on a player") << "ARG" << 10 << QStringLiteral("Leo\x01MESSI")
                                                   << "The name holds a character that the players file cannot store.";
    QTest::newRow("control character on a vacant shirt")
        << "WAL" << 4 << QStringLiteral("Ben\x1b DAVIES")
        << "The name holds a character that the players file cannot store.";
    QTest::newRow("team id held by a player") << "WAL" << 4 << "Ben DAVIES"
                                              << "The player could not be added to the players file.";
  }
  void refusals() {
    QFETCH(QString, team);
    QFETCH(int, shirt);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ProgramFolder folder;
    // Wales is missing and a Qatari player carries its id.
    PrepareSquads(folder);
    QByteArray players = folder.Read(QStringLiteral("Data/players.xml"));
    players.replace("playerid=\"QAT22\"", "playerid=\"WAL\"");
    folder.Write(QStringLiteral("Data/players.xml"), players);
    StartToMainWindow(folder);
    const QMap<QString, QString> before = AllPlayers(*gobjKelvane);
    frmPlayers& editor = OpenEditor(ToStd(team));
    const QString shown = Row(editor, shirt)->text(Name);
    editor.PlayerList->setCurrentItem(Row(editor, shirt));
    MessageBoxes boxes({QMessageBox::Ok});
    editor.PlayerList_AfterLabelEdit(0, typed);
    QCOMPARE(boxes.Text(), message);
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QCOMPARE(Row(editor, shirt)->text(Name), shown);
    QCOMPARE(AllPlayers(*gobjKelvane), before);
    QCOMPARE(folder.Read(QStringLiteral("Data/players.xml")), players);
  }

  // A players file that cannot be written: the user is told, the engine keeps the name, and
  // closing tries the save again, asking before it leaves the name unsaved.
  void failedSaveKeepsTheName() {
    ProgramFolder folder;
    StartToMainWindow(folder);
    const QString file = folder.File(QStringLiteral("Data/players.xml"));
    const QFile::Permissions writable = QFile::permissions(file);
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray before = folder.Read(QStringLiteral("Data/players.xml"));
    frmPlayers& editor = OpenEditor("ARG");

    MessageBoxes failed({QMessageBox::Ok});
    QTest::keyClick(TypeInPlace(editor, 10, QStringLiteral("Leo MESSI")), Qt::Key_Return);
    QTRY_COMPARE(failed.Seen().size(), 1);  // a busy machine may take longer than the edit's own wait
    QVERIFY(failed.Text().startsWith(kNotSaved + "\n\n"));
    QVERIFY(failed.Text().contains(QStringLiteral("read-only")));
    QCOMPARE(failed.Seen()[0].icon, QMessageBox::Critical);
    QCOMPARE(ToQ(gobjKelvane->PlayerName("ARG10")), QStringLiteral("Leo MESSI"));
    QCOMPARE(Row(editor, 10)->text(Name), QStringLiteral("Leo MESSI"));
    QCOMPARE(folder.Read(QStringLiteral("Data/players.xml")), before);

    // Still read-only: No keeps the window open.
    MessageBoxes ask({QMessageBox::No});
    QTest::keyClick(editor.PlayerList, Qt::Key_Escape);
    QCOMPARE(ask.Seen().size(), 1);
    QVERIFY(ask.Text().startsWith(kNotSaved));
    QCOMPARE(ask.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(frmPlayers::IsLoaded() && editor.isVisible());

    // Writable again: closing saves without a word.
    QVERIFY(QFile::setPermissions(file, writable));
    MessageBoxes none;
    QTest::keyClick(editor.PlayerList, Qt::Key_Escape);
    QVERIFY(!frmPlayers::IsLoaded());
    QVERIFY(none.Seen().isEmpty());
    QCOMPARE(ToQ(SavedData(folder)->PlayerName("ARG10")), QStringLiteral("Leo MESSI"));
  }

  void failedSaveClosedAnyway() {
    ProgramFolder folder;
    StartToMainWindow(folder);
    QVERIFY(QFile::setPermissions(folder.File(QStringLiteral("Data/players.xml")), QFile::ReadOwner));
    frmPlayers& editor = OpenEditor("ARG");
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Yes});
    editor.PlayerList->setCurrentItem(Row(editor, 10));
    editor.PlayerList_AfterLabelEdit(0, QStringLiteral("Leo MESSI"));
    QVERIFY(editor.close());
    QCOMPARE(boxes.Seen().size(), 2);
    QVERIFY(!frmPlayers::IsLoaded());
    // The engine keeps the name for the next save of the players.
    QCOMPARE(ToQ(gobjKelvane->PlayerName("ARG10")), QStringLiteral("Leo MESSI"));
  }
};

QTEST_MAIN(PlayersEditorTest)
#include "players_editor_test.moc"
