// The rules the tournament views share: kick-off texts, score texts, table figures, colours and
// which addresses may be opened.
#include <QLocale>
#include <QTest>

#include "app/kit/score_text.h"
#include "platform/component/error.h"
#include "tests/app/support/local_zone.h"

using namespace pitchlog;
using kelvane::Variant;

Q_DECLARE_METATYPE(pitchlog::SideFigures)

namespace {

SideFigures Side(const char* f, const char* etf = "", const char* pens = "") {
  const auto figure = [](const char* text) { return *text ? Variant(text) : Variant(); };
  return {figure(f), figure(etf), figure(pens)};
}

constexpr int32_t kMy = 0x0000FF, kMyGhost = 0x7F7FFF, kOther = 0xFF0000, kOtherGhost = 0xFF7F7F;
const TeamColours kColours{"ARG", "FRA", kMy, kMyGhost, kOther, kOtherGhost};

}  // namespace

class ScoreTextTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void kickOffTexts() {
    const QDateTime evening = ParseGameTime("2022-11-20 17:00:00");
    QCOMPARE(KickOffText(evening), QStringLiteral("Sun November 20 5:00 pm"));
    QCOMPARE(KickOffText(evening, DayName::Long), QStringLiteral("Sunday November 20 5:00 pm"));
    QCOMPARE(KickOffText(ParseGameTime("2022-12-03 00:05:00")), QStringLiteral("Sat December 3 12:05 am"));
    QCOMPARE(KickOffText(ParseGameTime("2022-12-18 12:00:00")), QStringLiteral("Sun December 18 12:00 pm"));
  }

  // A game time is a wall-clock time: an hour that the machine's clocks skip or repeat is shown
  // as it is written, and the present is read on that clock, not on the machine's.
  void kickOffsAreWallClockTimes() {
    const app_testing::LocalZone zone("XST0XDT,M11.4.0/17,M12.5.0/3");  // forward at 17:00 on Nov 27
    QCOMPARE(KickOffText(ParseGameTime("2022-11-27 17:00:00")), QStringLiteral("Sun November 27 5:00 pm"));
    QCOMPARE(KickOffText(ParseGameTime("2022-11-27 17:59:59")), QStringLiteral("Sun November 27 5:59 pm"));
    QCOMPARE(ParseGameTime("2022-11-27 18:00:00").toSecsSinceEpoch() - ParseGameTime("2022-11-27 16:00:00").toSecsSinceEpoch(),
             7200);
    QCOMPARE(QDateTime::currentDateTimeUtc().secsTo(GameClockNow(4.5)) / 60, 330);
    QCOMPARE(QDateTime::currentDateTimeUtc().secsTo(GameClockNow(-1)) / 60, 0);
  }

  void textsThatAreNoKickOffFailAsTypeMismatch_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("stored form") << "20 November 2022 17:00";
    QTest::newRow("impossible day") << "2022-02-30 17:00:00";
  }
  void textsThatAreNoKickOffFailAsTypeMismatch() {
    QFETCH(QString, text);
    try {
      ParseGameTime(text.toStdString());
      QFAIL("no error");
    } catch (const kelvane::Error& e) {
      QCOMPARE(e.kind(), kelvane::ErrorKind::TypeMismatch);
    }
  }

  void scores_data() {
    QTest::addColumn<SideFigures>("home");
    QTest::addColumn<SideFigures>("away");
    QTest::addColumn<bool>("extra_time");
    QTest::addColumn<QString>("game_home");
    QTest::addColumn<QString>("game_away");
    QTest::addColumn<QString>("list_home");
    QTest::addColumn<QString>("list_away");
    QTest::newRow("no result") << Side("") << Side("") << false << "" << "" << "" << "";
    QTest::newRow("normal time") << Side("2") << Side("0") << false << "2" << "0" << "2" << "0";
    QTest::newRow("won in extra time") << Side("1", "1") << Side("1", "0") << true << "2*" << "1" << "2*" << "1";
    QTest::newRow("away won in extra time") << Side("0", "0") << Side("0", "2") << true << "0" << "2*" << "0" << "2*";
    QTest::newRow("shoot-out, level extra time")
        << Side("1", "1", "4") << Side("1", "1", "3") << true << "2" << "2" << "2 (4)" << "(3) 2";
    QTest::newRow("the 2022 final") << Side("2", "1", "4") << Side("2", "1", "2") << true << "3" << "3" << "3 (4)"
                                    << "(2) 3";
    // Extra-time goals count in the score even where the flag was not set; only the mark needs it.
    QTest::newRow("extra goals without the flag") << Side("1", "1") << Side("1") << false << "2" << "1" << "2" << "1";
  }
  void scores() {
    QFETCH(SideFigures, home);
    QFETCH(SideFigures, away);
    QFETCH(bool, extra_time);
    QFETCH(QString, game_home);
    QFETCH(QString, game_away);
    QFETCH(QString, list_home);
    QFETCH(QString, list_away);
    const ScoreTexts game = GameScores(home, away, extra_time);
    QCOMPARE(game.home, game_home);
    QCOMPARE(game.away, game_away);
    const ScoreTexts list = ListScores(home, away, extra_time);
    QCOMPARE(list.home, list_home);
    QCOMPARE(list.away, list_away);
  }

  void aScoreThatIsNoNumberIsATypeMismatch() {
    QVERIFY_THROWS_EXCEPTION(kelvane::Error, GameScores(Side("two"), Side("1"), false));
  }

  void stagesAndHeadings() {
    const std::pair<const char*, const char*> cases[] = {
        {"A", ""}, {"H", ""}, {"V", "Round of 16"}, {"W", "Quarterfinals"}, {"X", "Semifinals"},
        {"Y", "Third Place"}, {"Z", "Final"}, {"I", ""},
    };
    for (const auto& [stage, heading] : cases) QCOMPARE(StageHeading(stage), QString::fromLatin1(heading));
    QVERIFY(!IsKnockoutStage("A"));
    QVERIFY(!IsKnockoutStage("H"));
    QVERIFY(IsKnockoutStage("I"));
    QVERIFY(IsKnockoutStage("Z"));
  }

  void tableFigures() {
    QCOMPARE(GoalDifferenceText(4, 1), QStringLiteral("+3"));
    QCOMPARE(GoalDifferenceText(2, 2), QStringLiteral("0"));
    QCOMPARE(GoalDifferenceText(1, 3), QStringLiteral("-2"));
    QCOMPARE(PointsText(6, 0), QStringLiteral("6"));
    QCOMPARE(PointsText(4, 1), QStringLiteral("4*"));
    QCOMPARE(PointsText(-1, 2), QStringLiteral("-1*"));
  }

  void labels() {
    QCOMPARE(BracketName("Bosnia and Herzegovina"), QStringLiteral("Bosnia/Herzegovina"));
    QCOMPARE(BracketName("Trinidad and Tobago and Co"), QStringLiteral("Trinidad/Tobago/Co"));
    QCOMPARE(BracketName("Andorra"), QStringLiteral("Andorra"));
    QCOMPARE(ScorerLine("Lionel MESSI", "23", "", "1"), QStringLiteral("Lionel MESSI 23 (pen)"));
    QCOMPARE(ScorerLine("Own Goal", "", "1", ""), QStringLiteral("Own Goal (og)"));
    QCOMPARE(ScorerLine("Kylian MBAPPE", "80", "", ""), QStringLiteral("Kylian MBAPPE 80"));
  }

  void gameRowColours_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("away");
    QTest::addColumn<bool>("past");
    QTest::addColumn<QColor>("colour");
    const QColor grey(120, 120, 120);
    QTest::newRow("future, others") << "ENG" << "IRN" << false << QColor(Qt::black);
    QTest::newRow("past, others") << "ENG" << "IRN" << true << grey;
    QTest::newRow("future, my team away") << "KSA" << "ARG" << false << LongColour(kMy);
    QTest::newRow("past, my team") << "ARG" << "KSA" << true << LongColour(kMyGhost);
    QTest::newRow("future, other team") << "FRA" << "AUS" << false << LongColour(kOther);
    QTest::newRow("past, other team") << "AUS" << "FRA" << true << LongColour(kOtherGhost);
    QTest::newRow("both teams: mine wins") << "FRA" << "ARG" << false << LongColour(kMy);
    QTest::newRow("undecided slot") << "_A1" << "_B2" << false << QColor(Qt::black);
  }
  void gameRowColours() {
    QFETCH(QString, home);
    QFETCH(QString, away);
    QFETCH(bool, past);
    QFETCH(QColor, colour);
    QCOMPARE(GameRowColour(home.toStdString(), away.toStdString(), past, kColours, QColor(120, 120, 120)), colour);
  }

  void teamColoursHaveNoGhosts() {
    QCOMPARE(TeamColour("ARG", kColours, Qt::gray), LongColour(kMy));
    QCOMPARE(TeamColour("FRA", kColours, Qt::gray), LongColour(kOther));
    QCOMPARE(TeamColour("ENG", kColours, Qt::gray), QColor(Qt::gray));
    // No team chosen: an empty id is nobody's team.
    QCOMPARE(TeamColour("", TeamColours{}, Qt::gray), QColor(Qt::gray));
    QCOMPARE(LongColour(0x00FF8040), QColor(0x40, 0x80, 0xFF));
  }

  void onlyWebAddressesOpen_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("web");
    QTest::newRow("https") << "https://example.org/stadium" << true;
    QTest::newRow("http, upper case") << "HTTP://example.org/" << true;
    QTest::newRow("spaces around") << "  https://example.org/ " << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("plain path") << "/usr/bin/xterm" << false;
    QTest::newRow("relative") << "Data/teams.xml" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("mail") << "mailto:someone@example.org" << false;
    QTest::newRow("no host") << "https:///path" << false;
  }
  void onlyWebAddressesOpen() {
    QFETCH(QString, address);
    QFETCH(bool, web);
    QCOMPARE(IsWebAddress(address), web);
  }
};

QTEST_GUILESS_MAIN(ScoreTextTest)
#include "score_text_test.moc"
