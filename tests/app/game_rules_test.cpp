// The game's rules as free functions: ball steps, hit zones, bounces and bat limits; the match
// clock and the texts of a match; the high-score tables and their file; the keys.
#include <QTemporaryDir>
#include <QTest>

#include "app/game/ball_and_bats.h"
#include "app/game/high_scores.h"
#include "app/game/key_state.h"
#include "app/game/match_rules.h"

using namespace pitchlog;
using namespace pitchlog::rallet;

namespace {

QByteArray FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

HighScoreTables SomeScores() {
  HighScoreTables tables = DefaultHighScores();
  tables.hiScoresOne[0] = {QStringLiteral("ABC"), 1234};
  tables.hiScoresOne[4] = {QStringLiteral("Z Y"), 7};
  tables.hiScoresTwo[1] = {QStringLiteral("9.%"), 12, 3};
  return tables;
}

}  // namespace

class GameRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void directionRowsMirrorAndSpeedUp() {
    const int expected[7][3][2] = {{},
                                   {{3, -3}, {4, -4}, {5, -5}},
                                   {{4, -2}, {5, -3}, {6, -4}},
                                   {{5, -1}, {6, -2}, {7, -3}},
                                   {{5, 1}, {6, 2}, {7, 3}},
                                   {{4, 2}, {5, 3}, {6, 4}},
                                   {{3, 3}, {4, 4}, {5, 5}}};
    for (int row = 1; row <= 6; ++row)
      for (int speed = 1; speed <= 3; ++speed) {
        const Step step = DirStep(row, speed);
        QCOMPARE(step.dx, expected[row][speed - 1][0]);
        QCOMPARE(step.dy, expected[row][speed - 1][1]);
        QCOMPARE(BallStep(-row, speed).dx, -step.dx);
        QCOMPARE(BallStep(-row, speed).dy, step.dy);
        QCOMPARE(DirStep(7 - row, speed).dy, -step.dy);
      }
    QCOMPARE(InverseDir(1), 6);
    QCOMPARE(InverseDir(-3), -4);
    QCOMPARE(InverseDir(-6), -1);
  }

  void hitZonesAndTheBatsReach_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("meets");
    // A bat centred at 120 spans 100..140 and reaches 6 units beyond either end.
    QTest::newRow("6 beyond the top end") << 94 << 1 << true;
    QTest::newRow("7 beyond the top end") << 93 << 1 << false;
    QTest::newRow("top end") << 104 << 1 << true;
    QTest::newRow("upper zone") << 105 << 2 << true;
    QTest::newRow("just above the centre") << 112 << 2 << true;
    QTest::newRow("centre") << 120 << 3 << true;
    QTest::newRow("just below the centre") << 121 << 4 << true;
    QTest::newRow("lower zone") << 129 << 5 << true;
    QTest::newRow("16 below") << 136 << 5 << true;
    QTest::newRow("bottom end") << 137 << 6 << true;
    QTest::newRow("6 beyond the bottom end") << 146 << 6 << true;
    QTest::newRow("7 beyond the bottom end") << 147 << 6 << false;
  }
  void hitZonesAndTheBatsReach() {
    QFETCH(int, y);
    QFETCH(int, zone);
    QFETCH(bool, meets);
    const BatSpan bat = BatAt(120);
    QCOMPARE(HitZone(y, bat.centre), zone);
    QCOMPARE(MeetsBat(y, bat.y0, bat.y1), meets);
  }

  void bordersBatLimitsAndSlides() {
    QCOMPARE(CheckBallY(38), 0);
    QCOMPARE(CheckBallY(37), 3);
    QCOMPARE(CheckBallY(202), 0);
    QCOMPARE(CheckBallY(203), 4);

    // Pushed against the top a bat stops with its top end at 36; against the bottom, its
    // bottom end at 204.
    const BatSpan top = MoveBat(BatAt(58), -5);
    QCOMPARE(top.y0, 36);
    QCOMPARE(top.centre, 56);
    QCOMPARE(top.y1, 76);
    QCOMPARE(MoveBat(BatAt(56), -7).y0, 36);
    const BatSpan bottom = MoveBat(BatAt(181), 7);
    QCOMPARE(bottom.y1, 204);
    QCOMPARE(bottom.centre, 184);
    QCOMPARE(MoveBat(BatAt(184), 5).y1, 204);
    QCOMPARE(MoveBat(BatAt(120), 5).centre, 125);

    QCOMPARE(SlideOffset(0, -5), 0);
    QCOMPARE(SlideOffset(3, -5), 0);
    QCOMPARE(SlideOffset(10, 5), 15);
    QCOMPARE(SlideOffset(130, 5), kMaxSlide);
    QCOMPARE(SlideOffset(kMaxSlide, -400), 0);
    // At the forward limit the contact line is where the bat is drawn.
    QCOMPARE(kCourtLeft + kMaxSlide, 149);
    QCOMPARE(kCourtRight - kMaxSlide, 170);
  }

  // Seven returns at one bat's previous height leave the row alone; the count's seventh step
  // (the eighth return in a row) turns it by one, towards the other vertical sense for 3.
  void theStalemateRuleTurnsTheEighthReturn() {
    int count = 0;
    int height = 0;
    QList<int> rows;
    for (int i = 0; i < 8; ++i) rows << CheckInfinite(count, height, 100, 3);
    QCOMPARE(rows, (QList<int>{3, 3, 3, 3, 3, 3, 3, 4}));
    // Rows 4 and above turn back up; a return at another height starts the count again.
    for (int i = 0; i < 6; ++i) QCOMPARE(CheckInfinite(count, height, 100, 5), 5);
    QCOMPARE(CheckInfinite(count, height, 101, 5), 5);
    QCOMPARE(count, 0);
    for (int i = 0; i < 6; ++i) CheckInfinite(count, height, 101, 5);
    QCOMPARE(CheckInfinite(count, height, 101, 5), 4);

    QCOMPARE(ChaseStep(100, 120, 5), -5);
    QCOMPARE(ChaseStep(116, 120, 5), 0);
    QCOMPARE(ChaseStep(126, 120, 5), 5);
  }

  void theMatchClock_data() {
    QTest::addColumn<int>("minute");
    QTest::addColumn<bool>("level");
    QTest::addColumn<bool>("group_of_results_mode");
    QTest::addColumn<int>("next");
    QTest::addColumn<bool>("stops");
    QTest::addColumn<bool>("ends");
    QTest::newRow("running") << 45 << true << false << 46 << false << false;
    QTest::newRow("minute 90 is still play") << 89 << false << false << 90 << false << false;
    QTest::newRow("decided after 90") << 90 << false << false << 91 << false << true;
    QTest::newRow("level after 90 runs to the next goal") << 90 << true << false << kDecider << true << false;
    QTest::newRow("a group game of results mode ends level") << 90 << true << true << 91 << false << true;
    QTest::newRow("and ends decided") << 90 << false << true << 91 << false << true;
  }
  void theMatchClock() {
    QFETCH(int, minute);
    QFETCH(bool, level);
    QFETCH(bool, group_of_results_mode);
    QFETCH(int, next);
    QFETCH(bool, stops);
    QFETCH(bool, ends);
    const ClockTick tick = TickClock(minute, level, group_of_results_mode);
    QCOMPARE(tick.minute, next);
    QCOMPARE(tick.stop_clock, stops);
    QCOMPARE(tick.end_game, ends);
  }

  void textsOfAMatch() {
    QCOMPARE(ClockText(kDecider), QStringLiteral("GG"));
    QCOMPARE(ClockText(7), QStringLiteral("7"));
    QCOMPARE(DeciderMinute(0), 91);
    QCOMPARE(DeciderMinute(kMinuteMs * 5 + 1), 96);
    QCOMPARE(DeciderMinute(kMinuteMs * 500), 120);
    QCOMPARE(ShownScore(999), 999);
    QCOMPARE(ShownScore(1000), 1);
    QCOMPARE(ShownScore(2000), 2);

    const QString home = QStringLiteral("Ghana");
    const QString away = QStringLiteral("Korea");
    QCOMPARE(KickOffLines(1, home, away, true, 0, 0),
             (std::array<QString, 3>{QString(), QStringLiteral("<--  Ghana's Kick Off"), QString()}));
    QCOMPARE(KickOffLines(2, home, away, false, 5, 0),
             (std::array<QString, 3>{QString(), QStringLiteral("Korea's Kick Off  -->"), QString()}));
    QCOMPARE(KickOffLines(2, home, away, true, 3, 1),
             (std::array<QString, 3>{QStringLiteral("Korea's Kick Off  -->"), QString(), QStringLiteral("Behind by 2")}));
    QCOMPARE(KickOffLines(1, home, away, true, 4, 1)[2], QStringLiteral("Ahead by 3"));
    QCOMPARE(FinalLines(home, away, 2, 1)[0], QStringLiteral("Ghana Wins"));
    QCOMPARE(FinalLines(home, away, 1, 2)[0], QStringLiteral("Korea Wins"));
    QCOMPARE(FinalLines(home, away, 1, 1),
             (std::array<QString, 3>{QStringLiteral("Drawn Game"), QString(), QStringLiteral("Game Over")}));

    QCOMPARE(ShortTeamName(QStringLiteral("Korea Republic")), QStringLiteral("Korea"));
    QCOMPARE(ShortTeamName(QStringLiteral("REPUBLIC OF IRELAND")), QStringLiteral("Ireland"));
    QCOMPARE(ShortTeamName(QStringLiteral("China PR")), QStringLiteral("China"));
    QCOMPARE(ShortTeamName(QStringLiteral("Korea DPR")), QStringLiteral("Korea DPR"));
    QVERIFY(IsResultsModeSet("Kestrova Cup"));
    QVERIFY(IsResultsModeSet("the kESTROVA replay"));
    QVERIFY(!IsResultsModeSet("Results"));
    QVERIFY(!IsResultsModeSet("Kestr ova"));
    QVERIFY(IsGroupGameID("H6"));
    QVERIFY(IsGroupGameID("b5"));
    QVERIFY(!IsGroupGameID("V1"));
    QVERIFY(!IsGroupGameID("v1"));
    QVERIFY(!IsGroupGameID(""));
  }

  void highScoresGoInBelowTheFirstLowerEntry() {
    HighScoreTables tables = DefaultHighScores();
    // Equal to an entry is not above it.
    QCOMPARE(OnePlayerPlace(tables, 75), 2);
    QCOMPARE(OnePlayerPlace(tables, 10), -1);
    QCOMPARE(OnePlayerPlace(tables, 101), 0);
    InsertOnePlayer(tables, 2, QStringLiteral("NEW"), 75);
    QList<int> scores;
    for (const OnePlayerScore& entry : tables.hiScoresOne) scores << entry.score;
    QCOMPARE(scores, (QList<int>{100, 75, 75, 50, 25}));
    QCOMPARE(tables.hiScoresOne[2].initials, QStringLiteral("NEW"));

    QCOMPARE(TwoPlayerPlace(tables, 0), -1);
    QCOMPARE(TwoPlayerPlace(tables, 1), 0);
    InsertTwoPlayer(tables, 0, QStringLiteral("AAA"), 3, 1);
    InsertTwoPlayer(tables, TwoPlayerPlace(tables, 5), QStringLiteral("BBB"), 5, 5);
    QCOMPARE(TwoPlayerPlace(tables, 3), 2);
    QCOMPARE(tables.hiScoresTwo[0], (TwoPlayerScore{QStringLiteral("BBB"), 5, 5}));
    QCOMPARE(tables.hiScoresTwo[1], (TwoPlayerScore{QStringLiteral("AAA"), 3, 1}));
    QCOMPARE(tables.hiScoresTwo[4], (TwoPlayerScore{QStringLiteral("..."), 0, 0}));
  }

  void theFileLineAndItsShift() {
    const QString plain = PlainLine(DefaultHighScores());
    QCOMPARE(plain.size(), kHighScoreLineLength);
    QCOMPARE(plain.left(24), QStringLiteral("...000100...000000000000"));
    // Shifts run 2, 3, 4, 1 from the first character: abc is stored as ceg, a dot at position 1
    // as a zero.
    QCOMPARE(ShiftLine(QStringLiteral("abcdabcd")), QStringLiteral("cegecege"));
    QCOMPARE(ShiftLine(QStringLiteral(".")), QStringLiteral("0"));
    QCOMPARE(UnshiftLine(ShiftLine(plain)), plain);
    QCOMPARE(ParsePlainLine(plain), DefaultHighScores());
    QCOMPARE(ParsePlainLine(PlainLine(SomeScores())), SomeScores());
    // Scores beyond six digits would make the line too long to read back.
    HighScoreTables huge = DefaultHighScores();
    huge.hiScoresOne[0].score = 12345678;
    QCOMPARE(PlainLine(huge).size(), kHighScoreLineLength);
  }

  void theFileRoundTripAndBadFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    const QString plain = PlainLine(SomeScores());
    const QByteArray good = ShiftLine(plain).toLatin1();
    QTest::newRow("as written") << good + "\r\n" << true;
    QTest::newRow("without a line break") << good << true;
    QTest::newRow("119 characters") << good.left(119) + "\r\n" << false;
    QTest::newRow("121 characters") << good + "x\r\n" << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("a letter in a score") << ShiftLine(QString(plain).replace(5, 1, QLatin1Char('x'))).toLatin1() << false;
    QTest::newRow("a control character in the initials") << ShiftLine(QChar(1) + plain.mid(1)).toLatin1() << false;
    QTest::newRow("bytes below the shift") << QByteArray(120, '\0') << false;
    QTest::newRow("high bytes") << QByteArray(120, '\xff') << false;
    QTest::newRow("one long line") << QByteArray(1 << 20, 'A') << false;
  }
  void theFileRoundTripAndBadFiles() {
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Rallet.dat"));
    WriteFile(path, content);
    const std::optional<HighScoreTables> read = ReadHighScoreFile(path);
    QCOMPARE(read.has_value(), readable);
    if (readable) QCOMPARE(*read, SomeScores());
  }

  // A space, a comma or a quote among the initials is kept like any other character.
  void initialsWithSpacesCommasAndQuotesReadBack() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/Rallet.dat"));
    QVERIFY(!ReadHighScoreFile(path));
    HighScoreTables tables = SomeScores();
    tables.hiScoresOne[1].initials = QStringLiteral(" ,\"");
    tables.hiScoresTwo[2].initials = QStringLiteral("  ,");
    QVERIFY(WriteHighScoreFile(path, tables));
    const QByteArray bytes = FileText(path);
    QCOMPARE(bytes.size(), 122);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(ReadHighScoreFile(path), tables);
    QVERIFY(!WriteHighScoreFile(QString(), tables));
  }

  void keys() {
    QCOMPARE(VirtualKeyCode(Qt::Key_A), 65);
    QCOMPARE(VirtualKeyCode(Qt::Key_Z), 90);
    QCOMPARE(VirtualKeyCode(Qt::Key_2), 50);
    QCOMPARE(VirtualKeyCode(Qt::Key_Escape), 27);
    QCOMPARE(VirtualKeyCode(Qt::Key_Enter), 13);
    QCOMPARE(VirtualKeyCode(Qt::Key_Return), 13);
    QCOMPARE(VirtualKeyCode(Qt::Key_Semicolon), 186);
    QCOMPARE(VirtualKeyCode(Qt::Key_Left), 37);
    QCOMPARE(VirtualKeyCode(Qt::Key_F1), 112);
    QCOMPARE(VirtualKeyCode(Qt::Key_Eacute), 0);

    KeyState keys;
    QCOMPARE(keys.Poll(65), int16_t(0));
    // A tap between two polls is seen once.
    keys.Press(65);
    keys.Release(65);
    QVERIFY(keys.Poll(65) != 0);
    QCOMPARE(keys.Poll(65), int16_t(0));
    // A held key is seen at every poll.
    keys.Press(90);
    QVERIFY(keys.Poll(90) != 0);
    QVERIFY(keys.Poll(90) != 0);
    keys.ReleaseAll();
    QCOMPARE(keys.Poll(90), int16_t(0));
  }
};

QTEST_MAIN(GameRulesTest)
#include "game_rules_test.moc"
