// The two tables of five high scores and their file: one line of 120 characters, five records
// of 24, each character shifted up by 2, 3, 4, 1, 2, 3, ... from the first.
#pragma once

#include <array>
#include <optional>

#include <QString>

namespace pitchlog::rallet {

inline constexpr int kHighScoreEntries = 5;
inline constexpr int kInitialsLength = 3;
inline constexpr int kHighScoreLineLength = 120;
inline constexpr int kMaxStoredScore = 999999;  // six digits in the file
inline constexpr const char* kHighScoreFileName = "Rallet.dat";

struct OnePlayerScore {
  QString initials;
  int score = 0;
  bool operator==(const OnePlayerScore&) const = default;
};
struct TwoPlayerScore {
  QString initials;
  int winner = 0;
  int loser = 0;
  bool operator==(const TwoPlayerScore&) const = default;
};
struct HighScoreTables {
  std::array<OnePlayerScore, kHighScoreEntries> hiScoresOne;
  std::array<TwoPlayerScore, kHighScoreEntries> hiScoresTwo;
  bool operator==(const HighScoreTables&) const = default;
};

// "..." everywhere; one-player 100, 75, 50, 25, 10; two-player 0 and 0.
HighScoreTables DefaultHighScores();

// The plain line of the file and back. A line that is not exactly five whole records, with
// printable initials and six-digit scores, gives nothing.
QString PlainLine(const HighScoreTables& tables);
std::optional<HighScoreTables> ParsePlainLine(const QString& line);

// The shift of the stored form; the encoding takes no key.
QString ShiftLine(const QString& plain);
QString UnshiftLine(const QString& stored);

// The first line of the file, whole (a comma or a quote is a character like any other). Nothing
// when the file is missing, unreadable or not what the game writes.
std::optional<HighScoreTables> ReadHighScoreFile(const QString& path);
// Replaces the file at once; false when it can't be written.
bool WriteHighScoreFile(const QString& path, const HighScoreTables& tables);

// The entry (0-based) that a new score takes: the first whose score is below it; -1 for none.
int OnePlayerPlace(const HighScoreTables& tables, int score, int from = 0);
int TwoPlayerPlace(const HighScoreTables& tables, int winner_score, int from = 0);
// Puts the new entry at place; the entries below move down and the last drops out.
void InsertOnePlayer(HighScoreTables& tables, int place, const QString& initials, int score);
void InsertTwoPlayer(HighScoreTables& tables, int place, const QString& initials, int winner, int loser);

}  // namespace pitchlog::rallet
