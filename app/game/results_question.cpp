#include "app/game/results_question.h"

#include <cstdlib>
#include <set>
#include <vector>

#include "app/kit/bracket_guard.h"
#include "app/game/match_rules.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog::rallet {
namespace {

// A group match ends at minute 91 and each of its goals but the first waits for a kick-off, so
// no match holds more goals than this; the "Get Ready" wait is left as room for late timers.
constexpr int kMostGoals = (kFullTime + 1) * kMinuteMs / kKickOffPauseMs + 1;

int Figure(kelvane::IPitchlog& engine, const std::string& id, const char* attb, const std::string& team) {
  return std::atoi(engine.Results(id, attb, team).ToString().c_str());
}

// "Wales 0-3 England", "Argentina 3-3 France after extra time, 4-2 on penalties"; "" for none.
QString StoredResult(kelvane::IPitchlog& engine, const std::string& id) {
  const kelvane::Variant game(id);
  const std::string home = engine.HomeTeam(game);
  const std::string away = engine.AwayTeam(game);
  if (engine.Results(id, "f", home).ToString().empty() && engine.Results(id, "f", away).ToString().empty())
    return {};
  const auto goals = [&](const std::string& team) {
    return Figure(engine, id, "f", team) + Figure(engine, id, "etf", team);
  };
  QString text = QStringLiteral("%1 %2-%3 %4")
                     .arg(QString::fromStdString(engine.HomeTeamName(game)))
                     .arg(goals(home))
                     .arg(goals(away))
                     .arg(QString::fromStdString(engine.AwayTeamName(game)));
  if (engine.ExtraTime(id)) text += QStringLiteral(" after extra time");
  if (!engine.Results(id, "penscoredf", home).ToString().empty())
    text += QStringLiteral(", %1-%2 on penalties")
                .arg(Figure(engine, id, "penscoredf", home))
                .arg(Figure(engine, id, "penscoredf", away));
  return text;
}

// Every score the match can pass through moves the group's places in its own way; a knock-out
// game that loses its result on the way stays without it.
std::vector<int> GroupGamesAtRisk(kelvane::IPitchlog& engine, const std::string& id) {
  std::set<int> games;
  for (int home = 0; home <= kMostGoals; ++home)
    for (int away = 0; home + away <= kMostGoals; ++away) {
      const kelvane::Variant cleared = engine.GroupScoreClears(id, kelvane::Variant(static_cast<int32_t>(home)),
                                                               kelvane::Variant(static_cast<int32_t>(away)));
      if (!cleared.IsArray()) continue;
      const kelvane::Array& ids = cleared.AsArray();
      for (int32_t i = ids.LBound(); i <= ids.UBound(); ++i)
        games.insert(std::atoi(engine.Games(ids.at(i), "gameno").c_str()));
    }
  return {games.begin(), games.end()};
}

// The match starts at 0-0 with no winner, which empties the winner's slot at once.
std::vector<int> KnockoutGamesAtRisk(kelvane::IPitchlog& engine, const std::string& id) {
  if (engine.ProgressionTeam("_" + id).empty()) return {};
  return entry::LaterResults(id);
}

}  // namespace

QString ReplaceQuestion(kelvane::IPitchlog& engine, const MatchGame& game) {
  const QString stored = StoredResult(engine, game.id);
  const std::vector<int> games = game.group ? GroupGamesAtRisk(engine, game.id) : KnockoutGamesAtRisk(engine, game.id);
  if (stored.isEmpty() && games.empty()) return {};
  const kelvane::Variant id(game.id);
  QString text = QStringLiteral("This match is played as %1 v %2.")
                     .arg(QString::fromStdString(engine.HomeTeamName(id)), QString::fromStdString(engine.AwayTeamName(id)));
  if (!stored.isEmpty())
    text += QStringLiteral(" It replaces the stored result, %1, with everything recorded for it.").arg(stored);
  if (!games.empty())
    text += (game.group ? QStringLiteral(" Its score can change the group's places and so remove the results of ")
                        : QStringLiteral(" It removes the results of ")) +
            entry::ListedGames(games) + QLatin1Char('.');
  return text + QStringLiteral("\n\nPlay it into the results? With No the match is played and nothing is written.");
}

}  // namespace pitchlog::rallet
