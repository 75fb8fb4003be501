#include "app/game/match_rules.h"

#include <algorithm>

namespace pitchlog::rallet {

int ShownScore(int score) {
  while (score > 999) score -= 999;
  return score;
}

QString ClockText(int minute) { return minute == kDecider ? QStringLiteral("GG") : QString::number(minute); }

ClockTick TickClock(int minute, bool level, bool group_game_of_results_mode) {
  ClockTick tick{minute + 1, false, false};
  if (tick.minute > kFullTime) {
    if (!group_game_of_results_mode && level) {
      tick.minute = kDecider;
      tick.stop_clock = true;
    } else {
      tick.end_game = true;
    }
  }
  return tick;
}

int DeciderMinute(int64_t ms_since_full_time) {
  const int64_t minute = kFullTime + 1 + std::max<int64_t>(ms_since_full_time, 0) / kMinuteMs;
  return static_cast<int>(std::min<int64_t>(minute, kLastExtraTimeMinute));
}

std::array<QString, 3> KickOffLines(int serving, const QString& home_name, const QString& away_name,
                                    bool two_players, int64_t p1_score, int64_t p2_score) {
  const QString kick_off = serving == 1 ? QStringLiteral("<--  ") + home_name + QStringLiteral("'s Kick Off")
                                        : away_name + QStringLiteral("'s Kick Off  -->");
  if (!two_players || p1_score == p2_score) return {QString(), kick_off, QString()};
  const int64_t lead = serving == 1 ? p1_score - p2_score : p2_score - p1_score;
  const QString standing = lead > 0 ? QStringLiteral("Ahead by ") : QStringLiteral("Behind by ");
  return {kick_off, QString(), standing + QString::number(lead > 0 ? lead : -lead)};
}

std::array<QString, 3> FinalLines(const QString& home_name, const QString& away_name, int64_t p1_score,
                                  int64_t p2_score) {
  QString outcome = QStringLiteral("Drawn Game");
  if (p1_score > p2_score) outcome = home_name + QStringLiteral(" Wins");
  if (p2_score > p1_score) outcome = away_name + QStringLiteral(" Wins");
  return {outcome, QString(), QStringLiteral("Game Over")};
}

bool IsResultsModeSet(const std::string& results_set) {
  return QString::fromStdString(results_set).toLower().contains(QLatin1String("kestrova"));
}

QString ShortTeamName(const QString& name) {
  static const std::array<std::pair<const char*, const char*>, 3> kShort{{
      {"republic of ireland", "Ireland"},
      {"korea republic", "Korea"},
      {"china pr", "China"},
  }};
  const QString lower = name.toLower();
  for (const auto& [long_name, short_name] : kShort)
    if (lower == QLatin1String(long_name)) return QLatin1String(short_name);
  return name;
}

}  // namespace pitchlog::rallet
