// The texts and colours that the tournament views show for games, scores and table rows: pure
// rules, so that every view writes a score or colours a row the same way.
#pragma once

#include <cstdint>
#include <string>

#include <QColor>
#include <QDateTime>
#include <QString>

#include "platform/component/variant.h"

namespace pitchlog {

// The engine's general date "yyyy-mm-dd hh:nn:ss", already moved to the user's time, as a wall
// clock: a date and time without the machine's zone rules (Qt::UTC), so that a kick-off in an hour
// the machine's clocks skip is still one. Any other text is a type mismatch (kelvane::Error), as
// a failed date conversion always was.
QDateTime ParseGameTime(const std::string& text);
// The present on the same wall clock: the stored times' zone (UTC+1) moved by the time
// difference. A game whose kick-off is earlier is past.
QDateTime GameClockNow(double time_difference);
// "Sun November 20 5:00 pm" in lists; the game facts spell the day out ("Sunday ...").
enum class DayName { Short, Long };
QString KickOffText(const QDateTime& kick_off, DayName day = DayName::Short);

// One side's figures from the results: normal-time goals "f", extra-time goals "etf" and
// shoot-out goals "penscoredf"; each may be empty.
struct SideFigures {
  kelvane::Variant f;
  kelvane::Variant etf;
  kelvane::Variant pens;
};

struct ScoreTexts {
  QString home;
  QString away;
};

// Normal time plus extra time, empty without a score; after extra time "*" marks the side that
// scored more goals in it.
ScoreTexts GameScores(const SideFigures& home, const SideFigures& away, bool extra_time);
// As GameScores, with the shoot-out goals in brackets facing each other: "3 (4)" v "(2) 3".
ScoreTexts ListScores(const SideFigures& home, const SideFigures& away, bool extra_time);

// Group stages sort before "I"; the knock-out stages "V" to "Z" after.
bool IsKnockoutStage(const std::string& stage);
// The heading row that opens a knock-out stage; empty for any other stage.
QString StageHeading(const std::string& stage);

// A stored ranking score, read whichever decimal separator the locale that wrote it used.
double RankingScore(const QString& rank);

// "+3", "0", "-2".
QString GoalDifferenceText(int goals_for, int goals_against);
// Points with "*" when the team had points deducted.
QString PointsText(int points, int deduction);
// The bracket's narrow name labels: every " and " becomes "/".
QString BracketName(const std::string& team_name);
// One scorer line: "Name 23 (og) (pen)"; the minute and marks only where recorded.
QString ScorerLine(const std::string& name, const std::string& minutes, const std::string& og,
                   const std::string& pen);

// Long RGB, red in the low byte.
QColor LongColour(int32_t rgb);

// The user's two teams and their colours (Long RGB).
struct TeamColours {
  std::string my_team;
  std::string my_other_team;
  int32_t my = 0;
  int32_t my_ghost = 0;
  int32_t other = 0;
  int32_t other_ghost = 0;
};

// A game row: black, grey once played, the my-team colour (ghost once past) when either side is
// the user's team, else the other team's colour likewise.
QColor GameRowColour(const std::string& home, const std::string& away, bool past, const TeamColours& colours,
                     const QColor& grey);
// A team in the group table or the bracket: its team colour, no ghosts; `otherwise` for the rest.
QColor TeamColour(const std::string& team, const TeamColours& colours, const QColor& otherwise);

// Addresses from downloaded files open only when they are web addresses.
bool IsWebAddress(const QString& address);

}  // namespace pitchlog
