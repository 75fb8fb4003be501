#include "app/game/high_scores.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pitchlog::rallet {
namespace {

constexpr int kRecordLength = 24;
constexpr int kScoreDigits = 6;
// Enough to tell a line of 120 characters and its line break from a longer one.
constexpr qint64 kReadLimit = 256;

QString Score(int score) {
  return QStringLiteral("%1").arg(std::clamp(score, 0, kMaxStoredScore), kScoreDigits, 10, QLatin1Char('0'));
}

std::optional<int> ParseScore(QStringView field) {
  if (field.size() != kScoreDigits) return std::nullopt;
  int value = 0;
  for (const QChar c : field) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - '0');
  }
  return value;
}

std::optional<QString> ParseInitials(QStringView field) {
  for (const QChar c : field)
    if (c.unicode() < 32 || c.unicode() > 126) return std::nullopt;
  return field.toString();
}

int Shift(int i) { return (i % 4) + 1; }  // i counted from 1

template <typename Table, typename Entry>
void Insert(Table& table, int place, Entry entry) {
  if (place < 0 || place >= static_cast<int>(table.size())) return;
  std::move_backward(table.begin() + place, table.end() - 1, table.end());
  table[static_cast<size_t>(place)] = std::move(entry);
}

}  // namespace

HighScoreTables DefaultHighScores() {
  HighScoreTables tables;
  constexpr std::array<int, kHighScoreEntries> kOnePlayer{100, 75, 50, 25, 10};
  for (int k = 0; k < kHighScoreEntries; ++k) {
    tables.hiScoresOne[static_cast<size_t>(k)] = {QStringLiteral("..."), kOnePlayer[static_cast<size_t>(k)]};
    tables.hiScoresTwo[static_cast<size_t>(k)] = {QStringLiteral("..."), 0, 0};
  }
  return tables;
}

QString PlainLine(const HighScoreTables& tables) {
  QString line;
  for (int k = 0; k < kHighScoreEntries; ++k) {
    const OnePlayerScore& one = tables.hiScoresOne[static_cast<size_t>(k)];
    const TwoPlayerScore& two = tables.hiScoresTwo[static_cast<size_t>(k)];
    // Initials are always three characters wide, so every record keeps its 24.
    line += one.initials.leftJustified(kInitialsLength, QLatin1Char(' '), true) + Score(one.score);
    line += two.initials.leftJustified(kInitialsLength, QLatin1Char(' '), true) + Score(two.winner) +
            Score(two.loser);
  }
  return line;
}

std::optional<HighScoreTables> ParsePlainLine(const QString& line) {
  if (line.size() != kHighScoreLineLength) return std::nullopt;
  HighScoreTables tables;
  for (int k = 0; k < kHighScoreEntries; ++k) {
    const QStringView record = QStringView(line).mid(k * kRecordLength, kRecordLength);
    const auto one_initials = ParseInitials(record.mid(0, 3));
    const auto one_score = ParseScore(record.mid(3, 6));
    const auto two_initials = ParseInitials(record.mid(9, 3));
    const auto two_winner = ParseScore(record.mid(12, 6));
    const auto two_loser = ParseScore(record.mid(18, 6));
    if (!one_initials || !one_score || !two_initials || !two_winner || !two_loser) return std::nullopt;
    tables.hiScoresOne[static_cast<size_t>(k)] = {*one_initials, *one_score};
    tables.hiScoresTwo[static_cast<size_t>(k)] = {*two_initials, *two_winner, *two_loser};
  }
  return tables;
}

QString ShiftLine(const QString& plain) {
  QString stored = plain;
  for (int i = 0; i < stored.size(); ++i) stored[i] = QChar(stored[i].unicode() + Shift(i + 1));
  return stored;
}

QString UnshiftLine(const QString& stored) {
  QString plain = stored;
  for (int i = 0; i < plain.size(); ++i) {
    const int code = plain[i].unicode() - Shift(i + 1);
    // A code below zero can't come from the game; it stays out of the printable range.
    plain[i] = QChar(code < 0 ? 0 : code);
  }
  return plain;
}

std::optional<HighScoreTables> ReadHighScoreFile(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray line = file.readLine(kReadLimit);
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  return ParsePlainLine(UnshiftLine(QString::fromLatin1(line)));
}

bool WriteHighScoreFile(const QString& path, const HighScoreTables& tables) {
  if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(ShiftLine(PlainLine(tables)).toLatin1() + "\r\n");
  return file.commit();
}

int OnePlayerPlace(const HighScoreTables& tables, int score, int from) {
  for (int k = std::max(from, 0); k < kHighScoreEntries; ++k)
    if (tables.hiScoresOne[static_cast<size_t>(k)].score < score) return k;
  return -1;
}

int TwoPlayerPlace(const HighScoreTables& tables, int winner_score, int from) {
  for (int k = std::max(from, 0); k < kHighScoreEntries; ++k)
    if (tables.hiScoresTwo[static_cast<size_t>(k)].winner < winner_score) return k;
  return -1;
}

void InsertOnePlayer(HighScoreTables& tables, int place, const QString& initials, int score) {
  Insert(tables.hiScoresOne, place, OnePlayerScore{initials, std::min(score, kMaxStoredScore)});
}

void InsertTwoPlayer(HighScoreTables& tables, int place, const QString& initials, int winner, int loser) {
  Insert(tables.hiScoresTwo, place,
         TwoPlayerScore{initials, std::min(winner, kMaxStoredScore), std::min(loser, kMaxStoredScore)});
}

}  // namespace pitchlog::rallet
