// The game window on its own (no tournament): the loops driven on the virtual clock, the ball and
// the bats, the initials entry and the high-score file, and one short run in real time.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "app/game/frm_rallet.h"
#include "app/game/high_scores.h"
#include "tests/app/support/game_driver.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::GameDriver;
using app_testing::Hold;
using app_testing::Tap;

namespace {

// A game window that is loaded, not shown, with its loops on the virtual clock.
struct LoadedGame {
  explicit LoadedGame(GameDriver::Script script = [](frmRallet&, int) {}) : driver(std::move(script)) {}
  frmRallet& game() const { return frmRallet::Get(); }
  GameDriver driver;
};

// Puts the ball at (x, y) going in direction dir and ticks it once.
int TickFrom(frmRallet& game, int x, int y, int dir) {
  game.SetBallPosition(x, y);
  game.ballDir = dir;
  return game.TickBall();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

}  // namespace

class GameWindowTest : public QObject {
  Q_OBJECT

  // No test reads or writes the user's own high-score file.
  std::optional<app_testing::TemporaryDataFolder> data_;

 private slots:
  void initTestCase() { data_.emplace(); }
  void cleanup() {
    Pace() = {};
    frmRallet::Unload();
    app_testing::ProcessDeletions();
  }

  // Coins, the start prompt and leaving: a 100th coin shows 01; with one credit the prompt offers
  // the one-player game only and ignores key 2; Esc in the prompt closes the window.
  void coinsThePromptAndEscInThePrompt() {
    app_testing::TemporaryDataFolder data;
    QStringList prompts;
    bool two_ignored = false;
    int pressed_two_at = 0;
    GameDriver driver([&](frmRallet& game, int turn) {
      const QString line8 = game.MessageLine(8);
      if (game.credits == 0 && turn % 50 == 1) Tap(game, Qt::Key_Q);
      if (game.credits == 1 && line8 == QStringLiteral("Deposit Another Coin For") && !pressed_two_at) {
        prompts << game.MessageLine(6) + '|' + line8 + '|' + game.MessageLine(9);
        Tap(game, Qt::Key_2);
        pressed_two_at = turn;
      }
      if (pressed_two_at && turn == pressed_two_at + 100) {
        two_ignored = game.numPlayers == 0 && game.credits == 1;
        Tap(game, Qt::Key_Q);
      }
      if (game.credits == 2 && line8 == QStringLiteral("Press 2 for 2 Player Game")) {
        prompts << game.MessageLine(6) + '|' + line8;
        Tap(game, Qt::Key_Escape);
      }
    });
    driver.Play();
    QVERIFY(!driver.RanAway());
    QVERIFY(!frmRallet::IsLoaded());
    QVERIFY(two_ignored);
    QCOMPARE(prompts, (QStringList{"Press 1 for 1 Player Game|Deposit Another Coin For|2 Player Game",
                                   "Press 1 for 1 Player Game|Press 2 for 2 Player Game"}));

    LoadedGame loaded;
    loaded.game().credits = 100;
    loaded.game().DspCredits();
    QCOMPARE(loaded.game().credits, 1);
  }

  // Esc during a match ends the match only, however long it is held; the attract loop starts
  // again. The About box ends the game through keyesc.
  void escDuringAMatchReturnsToAttractMode() {
    app_testing::TemporaryDataFolder data;
    enum { Coin, Start, Playing, Attract, Done } stage = Coin;
    int match_turns = 0;
    int attract_turns = 0;
    GameDriver driver([&](frmRallet& game, int) {
      switch (stage) {
        case Coin:
          if (game.credits == 0) Tap(game, Qt::Key_Q);
          else stage = Start;
          break;
        case Start:
          if (game.MessageLine(6).startsWith(QStringLiteral("Press 1"))) Tap(game, Qt::Key_1);
          if (game.numPlayers == 1) stage = Playing;
          break;
        case Playing:
          // Still in "Get Ready": no goal can come first. Esc is held a while, as a hand does.
          ++match_turns;
          if (match_turns == 100) Hold(game, Qt::Key_Escape);
          if (match_turns == 130) app_testing::Let(game, Qt::Key_Escape);
          if (game.numPlayers == 0) stage = Attract;
          break;
        case Attract:
          QVERIFY(!game.Quitting());
          if (++attract_turns == 700) {
            game.keyesc = 1;
            stage = Done;
          }
          break;
        case Done:
          break;
      }
    });
    driver.Play();
    QCOMPARE(stage, Done);
    QVERIFY(!driver.RanAway());
    QVERIFY(!frmRallet::IsLoaded());
  }

  // Closing the window, deleting it (as the end of the program does) or giving the keyboard to
  // another window ends the loops first; the window goes after them.
  void endingTheGameFromOutside_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("closed") << "close";
    QTest::newRow("deleted") << "delete";
    QTest::newRow("another window active") << "focus";
  }
  void endingTheGameFromOutside() {
    QFETCH(QString, how);
    QWidget other;
    int ending_turn = 0;
    QPointer<frmRallet> window;
    GameDriver driver([&](frmRallet& game, int turn) {
      window = &game;
      if (turn == 20) QVERIFY(game.isActiveWindow());
      if (turn != 50) return;
      ending_turn = turn;
      if (how == "close") game.close();
      // From an event handler, as the tray menu's Close would.
      if (how == "delete") QTimer::singleShot(0, &game, [&game] { game.deleteLater(); });
      if (how == "focus") {
        other.show();
        other.activateWindow();
      }
    });
    driver.Play();
    QCOMPARE(ending_turn, 50);
    QVERIFY(driver.Turns() < 60);
    QVERIFY(!driver.RanAway());
    QVERIFY(window.isNull());
  }

  void theWindowIsLaidOverTheAboutBox() {
    QWidget about;
    about.setGeometry(200, 150, 480, 360);
    about.show();
    QRect placed;
    int height = 0;
    GameDriver driver([&](frmRallet& game, int) {
      placed = game.frameGeometry();
      height = game.height();
      game.keyesc = 1;
    });
    driver.Play(&about);
    QCOMPARE(placed.top(), about.frameGeometry().top());
    QCOMPARE(placed.left(), about.frameGeometry().left() + 26);
    QCOMPARE(height, about.frameGeometry().height());
  }

  // Over a small About box, or made small by hand, the window keeps at least a pixel a field
  // unit, where its text can still be read.
  void theWindowKeepsItsTextReadable() {
    QWidget about;
    about.setGeometry(200, 150, 180, 120);
    about.show();
    QList<QSize> sizes;
    GameDriver driver([&](frmRallet& game, int turn) {
      if (turn == 1) sizes << game.size();
      if (turn == 2) game.resize(120, 80);
      if (turn == 3) {
        sizes << game.size();
        game.keyesc = 1;
      }
    });
    driver.Play(&about);
    QCOMPARE(sizes.size(), 2);
    for (const QSize& size : sizes) {
      QVERIFY2(size.width() >= 320 && size.height() >= 240,
               qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    }
  }

  // A ball that reaches a bat's line within 6 units beyond either end is returned steeply;
  // 7 beyond, it is missed and flies on, and counts only once wholly outside the field.
  void returnsAtTheBatsEndsAndMisses_data() {
    QTest::addColumn<bool>("left");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("dir");
    // Left bat: the ball comes from x 27 in direction -3 (dx -5, dy -1), so it meets the line
    // one unit above y; the right bat is its mirror from x 292 in direction 3.
    QTest::newRow("left, 6 below the bottom end") << true << 147 << 1 << 6;
    QTest::newRow("left, 7 below the bottom end") << true << 148 << 0 << -3;
    QTest::newRow("left, 6 above the top end") << true << 95 << 1 << 1;
    QTest::newRow("left, centre") << true << 121 << 1 << 3;
    QTest::newRow("right, 6 below the bottom end") << false << 147 << 2 << -6;
    QTest::newRow("right, 7 above the top end") << false << 94 << 0 << 3;
  }
  void returnsAtTheBatsEndsAndMisses() {
    QFETCH(bool, left);
    QFETCH(int, y);
    QFETCH(int, event);
    QFETCH(int, dir);
    LoadedGame loaded;
    frmRallet& game = loaded.game();
    const int x = left ? 27 : 292;
    QCOMPARE(TickFrom(game, x, y, left ? -3 : 3), event);
    QCOMPARE(game.ballDir, dir);
    if (event != 0) {
      QCOMPARE(game.BallX(), left ? 15 + 23 : 304 - 23);
      return;
    }
    QVERIFY(game.missedBall);
    // The ball runs on; the goal counts once X - 8 < -16 on the left, X + 8 > 333 on the right.
    int ticks = 0;
    int result = 0;
    while (result == 0 && ++ticks < 50) {
      const int before = game.BallX();
      result = game.TickBall();
      if (result == 0) QVERIFY(left ? game.BallX() - 8 >= -16 : game.BallX() + 8 <= 333);
      if (result != 0) QCOMPARE(game.BallX(), before);  // not redrawn
    }
    QCOMPARE(result, left ? 10 : 9);
  }

  void bouncesAndTheEighthReturnAtOneHeight() {
    LoadedGame loaded;
    frmRallet& game = loaded.game();
    game.missedBall = false;
    // Direction 1 at speed 1 steps (3, -3): from y 40 the ball would cross the top border.
    QCOMPARE(TickFrom(game, 100, 40, 1), 0);
    QCOMPARE(game.BallY(), 37);
    QCOMPARE(game.ballDir, 6);
    QCOMPARE(TickFrom(game, 100, 202, -5), 0);
    QCOMPARE(game.BallY(), 203);
    QCOMPARE(game.ballDir, -2);

    QList<int> dirs;
    for (int i = 0; i < 8; ++i) {
      QCOMPARE(TickFrom(game, 27, 121, -3), 1);
      dirs << game.ballDir;
    }
    QCOMPARE(dirs, (QList<int>{3, 3, 3, 3, 3, 3, 3, 4}));
  }

  // The bats stop at the borders and slide between their back line and x 149 / 170, where the
  // ball meets them as drawn.
  void batsMoveAndSlideWithinTheirLimits() {
    LoadedGame loaded;
    frmRallet& game = loaded.game();
    for (int i = 0; i < 30; ++i) game.MoveP1(-7);
    QCOMPARE(game.p1y0, 36);
    QCOMPARE(game.p1Center, 56);
    QCOMPARE(game.p1Moving, -7);
    for (int i = 0; i < 40; ++i) game.MoveP2(5);
    QCOMPARE(game.p2y1, 204);
    for (int i = 0; i < 40; ++i) {
      game.SlideP1(5);
      game.SlideP2(-5);
    }
    QCOMPARE(game.p1x0, 149);
    QCOMPARE(game.p2x0, 170);
    game.p1Center = 120;
    game.p1y0 = 100;
    game.p1y1 = 140;
    game.missedBall = false;
    QCOMPARE(TickFrom(game, 161, 121, -3), 1);
    QCOMPARE(game.BallX(), 149 + 23);
    game.SlideP1(-400);
    game.SlideP2(400);
    QCOMPARE(game.intP1Offset, 0);
    QCOMPARE(game.p2x0, 304);
  }

  // The serve: the bat's first step up or down serves; otherwise the ball goes by itself.
  void serves() {
    LoadedGame loaded;
    frmRallet& game = loaded.game();
    game.numPlayers = 2;
    game.SetBallPosition(296, 50);
    game.waitForServe = true;
    game.waitForServeTimeout = 300;
    game.p2Center = 150;
    game.p2Moving = 0;
    game.TestForServe();
    QVERIFY(game.waitForServe);
    QCOMPARE(game.BallY(), 150);
    game.p2Moving = 5;
    game.TestForServe();
    QVERIFY(!game.waitForServe && game.movingBall);
    QCOMPARE(game.ballDir, -4);

    game.SetBallPosition(23, 50);
    game.waitForServe = true;
    game.movingBall = false;
    game.waitForServeTimeout = 2;
    game.p1Moving = 0;
    game.TestForServe();
    QVERIFY(game.waitForServe);
    game.TestForServe();
    QVERIFY(!game.waitForServe && game.movingBall);
    QVERIFY(game.ballDir >= 1 && game.ballDir <= 6);
  }

  // Typed initials, one key a turn. Right arrow types a space; after three characters only
  // Enter, Backspace and Left arrow have an effect.
  void initialsEntry_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("initials");
    using K = QList<int>;
    QTest::newRow("letters") << K{Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_Return} << "ABC";
    QTest::newRow("digits and a space") << K{Qt::Key_7, Qt::Key_Right, Qt::Key_9, Qt::Key_Enter} << "7 9";
    QTest::newRow("a fourth letter") << K{Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D, Qt::Key_Return} << "ABC";
    QTest::newRow("enter too early") << K{Qt::Key_A, Qt::Key_Return, Qt::Key_B, Qt::Key_C, Qt::Key_Return} << "ABC";
    QTest::newRow("backspace") << K{Qt::Key_A, Qt::Key_B, Qt::Key_Backspace, Qt::Key_X, Qt::Key_Y, Qt::Key_Return}
                               << "AXY";
    QTest::newRow("left arrow after three") << K{Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_Left, Qt::Key_Z, Qt::Key_Return}
                                            << "ABZ";
    QTest::newRow("other keys of codes 32 to 96") << K{Qt::Key_Delete, Qt::Key_Home, Qt::Key_F1, Qt::Key_Q, Qt::Key_Return}
                                                  << ".$Q";
    QTest::newRow("six thousand idle turns") << K{} << "";
  }
  void initialsEntry() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, initials);
    int turns = 0;
    LoadedGame loaded([&](frmRallet& game, int) {
      ++turns;
      if (!keys.isEmpty()) {
        QVERIFY(game.EntryActive());
        Tap(game, keys.takeFirst());
      }
    });
    frmRallet& game = loaded.game();
    game.GetInitials(1);
    QCOMPARE(game.Initials(), initials);
    QVERIFY(!game.EntryActive());
    QVERIFY(!game.Quitting());
    QCOMPARE(game.MessageLine(5), QStringLiteral("Player 1 Enter Your Initials"));
    if (initials.isEmpty()) QCOMPARE(turns, 6000);
  }

  // A bat's key held from the match into the initials screen types nothing, however its repeats
  // come: marked as such, as plain presses, or as a release and a press with one time stamp
  // (as X11 sends them, which Qt does not always mark). Let go and pressed again, it types.
  void aKeyHeldFromTheMatchTypesNoInitials_data() {
    QTest::addColumn<QString>("repeats");
    QTest::newRow("marked") << "marked";
    QTest::newRow("plain presses") << "plain";
    QTest::newRow("unmarked pairs") << "pairs";
  }
  void aKeyHeldFromTheMatchTypesNoInitials() {
    QFETCH(QString, repeats);
    const auto send = [](frmRallet& game, QEvent::Type type, bool marked, int time) {
      QKeyEvent event(type, Qt::Key_Up, Qt::NoModifier, QString(), marked);
      event.setTimestamp(static_cast<quint64>(time));
      QApplication::sendEvent(&game, &event);
    };
    LoadedGame loaded([&](frmRallet& game, int turn) {
      if (turn <= 40) {
        if (repeats == "marked") send(game, QEvent::KeyRelease, true, 1000 + turn);
        if (repeats == "pairs") send(game, QEvent::KeyRelease, false, 1000 + turn);
        send(game, QEvent::KeyPress, repeats == "marked", 1000 + turn);
      } else if (turn == 41) {
        QCOMPARE(game.Initials(), QString());
        app_testing::Let(game, Qt::Key_Up);
      } else {
        const QList<int> keys{Qt::Key_Up, Qt::Key_B, Qt::Key_C, Qt::Key_Return};
        if (turn - 42 < keys.size()) Tap(game, keys[turn - 42]);
      }
    });
    frmRallet& game = loaded.game();
    send(game, QEvent::KeyPress, false, 1000);
    game.GetInitials(2);
    QCOMPARE(game.Initials(), QStringLiteral("&BC"));
  }

  void escDuringTheInitialsLeavesTheGame() {
    LoadedGame loaded([](frmRallet& game, int turn) {
      if (turn == 3) Tap(game, Qt::Key_Escape);
    });
    loaded.game().GetInitials(2);
    QVERIFY(loaded.game().Quitting());
  }

  // After a match: a higher score asks for initials, goes in with the entries below moving
  // down, and the tables are written to the file at once; an equal score is no high score; a
  // drawn two-player match counts for player 2.
  void newHighScoresAreEnteredAndSaved() {
    app_testing::TemporaryDataFolder data;
    QStringList asked;
    LoadedGame loaded([&](frmRallet& game, int) {
      if (game.EntryActive() && game.Initials().size() < 3) {
        if (game.Initials().isEmpty()) asked << game.MessageLine(5);
        Tap(game, Qt::Key_K);
      } else if (game.EntryActive()) {
        Tap(game, Qt::Key_Return);
      }
    });
    frmRallet& game = loaded.game();
    QCOMPARE(game.HighScores(), rallet::DefaultHighScores());

    game.numPlayers = 1;
    game.p1Score = 75;
    game.CheckForHighScore();
    game.numPlayers = 1;
    game.p1Score = 10;
    game.CheckForHighScore();
    QList<int> scores;
    for (const rallet::OnePlayerScore& entry : game.HighScores().hiScoresOne) scores << entry.score;
    QCOMPARE(scores, (QList<int>{100, 75, 75, 50, 25}));
    QCOMPARE(game.HighScores().hiScoresOne[2].initials, QStringLiteral("KKK"));

    game.numPlayers = 2;
    game.strAwayName = QStringLiteral("Player 2");
    game.p1Score = 2;
    game.p2Score = 2;
    game.CheckForHighScore();
    QCOMPARE(game.HighScores().hiScoresTwo[0], (rallet::TwoPlayerScore{QStringLiteral("KKK"), 2, 2}));
    QCOMPARE(asked, (QStringList{"Player 1 Enter Your Initials", "Player 2 Enter Your Initials"}));

    QCOMPARE(rallet::ReadHighScoreFile(data.HighScoreFile()), game.HighScores());
    const rallet::HighScoreTables saved = game.HighScores();
    frmRallet::Unload();
    app_testing::ProcessDeletions();
    QVERIFY(loaded.game().GetHighScores());
    QCOMPARE(loaded.game().HighScores(), saved);
  }

  // A goal in a match's last minutes leaves the kick-off screen with its serve timer running. The
  // match's end stops it: the end screen is drawn on a clear field, as it is after a match that
  // ended without a kick-off pending, and stays so through the wait; the initials screen that
  // follows starts clear too.
  void eachEndScreenStartsOnAClearField() {
    struct Seen {
      QImage first, last, initials;
      bool serve_pending = true;
    };
    const auto play = [](bool goal_at_the_end) {
      Seen seen;
      int wait_turns = 0;
      LoadedGame loaded([&](frmRallet& game, int) {
        if (game.EntryActive()) {
          if (seen.initials.isNull()) seen.initials = game.Field().copy();
          Tap(game, Qt::Key_Escape);
          return;
        }
        if (++wait_turns == 1) {
          seen.first = game.Field().copy();
          seen.serve_pending = game.ServePending();
        }
        seen.last = game.Field().copy();
      });
      frmRallet& game = loaded.game();
      game.numPlayers = 2;
      game.strHomeName = QStringLiteral("Player 1");
      game.strAwayName = QStringLiteral("Player 2");
      game.intGameTimer = 89;
      if (goal_at_the_end) {
        game.ScoreP1();
        if (!game.ServePending()) qFatal("the goal left no kick-off pending");
      } else {
        game.p1Score = 1;
      }
      game.GameOver();
      frmRallet::Unload();
      app_testing::ProcessDeletions();
      return seen;
    };
    const Seen after_goal = play(true);
    const Seen plain = play(false);
    QVERIFY(!after_goal.serve_pending);
    QVERIFY(after_goal.first == plain.first);
    QVERIFY(after_goal.last == after_goal.first);
    // Where the end screen's lines stood, the initials screen is black between the bats.
    const int line = 30;  // pixels
    bool clear = !after_goal.initials.isNull();
    for (int y = 6 * line + 2; y < 9 * line && clear; ++y)
      for (int x = 120; x < 520 && clear; ++x) clear = after_goal.initials.pixelColor(x, y) == kGameBlack;
    QVERIFY(clear);
  }

  // Initials abandoned for one entry are asked for the next entry the score beats, where the
  // score then goes in; nothing moves for the abandoned one.
  void abandonedInitialsTryTheFollowingEntries() {
    app_testing::TemporaryDataFolder data;
    int turns = 0;
    LoadedGame loaded([&](frmRallet& game, int) {
      if (!game.EntryActive() || ++turns <= 6000) return;  // the first entry is left to time out
      Tap(game, game.Initials().size() < 3 ? Qt::Key_K : Qt::Key_Return);
    });
    frmRallet& game = loaded.game();
    game.numPlayers = 1;
    game.p1Score = 60;
    game.CheckForHighScore();
    QVERIFY(turns > 6000);
    QList<int> scores;
    for (const rallet::OnePlayerScore& entry : game.HighScores().hiScoresOne) scores << entry.score;
    QCOMPARE(scores, (QList<int>{100, 75, 50, 60, 25}));
    QCOMPARE(game.HighScores().hiScoresOne[3].initials, QStringLiteral("KKK"));
    QCOMPARE(rallet::ReadHighScoreFile(data.HighScoreFile()), game.HighScores());
  }

  // At load a file that is not what the game writes leaves the default tables.
  void aBadFileAtLoadLeavesTheDefaults() {
    app_testing::TemporaryDataFolder data;
    QVERIFY(QDir().mkpath(QFileInfo(data.HighScoreFile()).path()));
    WriteFile(data.HighScoreFile(), QByteArray(119, 'x') + "\r\n");
    LoadedGame loaded;
    QCOMPARE(loaded.game().HighScores(), rallet::DefaultHighScores());
  }

  // The real clock and real key events: a coin, the prompt, Esc; over in well under the limit.
  void aShortRunInRealTime() {
    app_testing::TemporaryDataFolder data;
    bool prompted = false;
    QTimer keys;
    keys.setInterval(20);
    connect(&keys, &QTimer::timeout, this, [&] {
      if (!frmRallet::IsLoaded()) return;
      frmRallet& game = frmRallet::Get();
      if (game.credits == 0) {
        Tap(game, Qt::Key_Q);
      } else if (game.MessageLine(8) == QStringLiteral("Deposit Another Coin For")) {
        prompted = true;
        Tap(game, Qt::Key_Escape);
      }
    });
    keys.start();
    QElapsedTimer took;
    took.start();
    ShowRallet();
    app_testing::ProcessDeletions();
    QVERIFY(prompted);
    QVERIFY(!frmRallet::IsLoaded());
    QVERIFY(took.elapsed() < 10000);
  }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
