#include "app/kit/bracket_guard.h"

#include <algorithm>
#include <cstdlib>

#include <QString>
#include <QStringList>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"

namespace pitchlog::entry {

namespace {

bool HoldsResult(kelvane::IPitchlog& engine, const std::string& game_id) {
  const kelvane::Variant game(game_id);
  return !engine.Results(game_id, "f", engine.HomeTeam(game)).ToString().empty() ||
         !engine.Results(game_id, "f", engine.AwayTeam(game)).ToString().empty();
}

int GameNumber(kelvane::IPitchlog& engine, const kelvane::Variant& game_id) {
  return std::atoi(engine.Games(game_id, "gameno").c_str());
}

// The slots a game decides: its winner's, and a semi-final's loser's.
std::vector<std::string> Slots(const std::string& game_id) {
  std::vector<std::string> decided{"_" + game_id};
  if (!game_id.empty() && game_id[0] == 'X') decided.push_back("_" + game_id + "2");
  return decided;
}

// As the engine's bracket does: a changed slot removes the game it feeds and empties that game's
// own slots, which goes on down the bracket while they held a team.
void CollectFed(kelvane::IPitchlog& engine, const std::string& game_id, std::vector<int>& games) {
  for (const std::string& slot : Slots(game_id)) {
    const std::string fed = engine.ProgressionGame(slot);
    if (fed.empty()) continue;
    if (HoldsResult(engine, fed)) games.push_back(GameNumber(engine, kelvane::Variant(fed)));
    if (!engine.ProgressionTeam("_" + fed).empty()) CollectFed(engine, fed, games);
  }
}

}  // namespace

QString ListedGames(const std::vector<int>& games) {
  QStringList numbers;
  for (int game : games) numbers << QString::number(game);
  if (numbers.size() == 1) return QStringLiteral("game ") + numbers.front();
  const QString last = numbers.takeLast();
  return QStringLiteral("games ") + numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

std::vector<int> LaterResults(const std::string& game_id) {
  std::vector<int> games;
  CollectFed(*gobjKelvane, game_id, games);
  std::sort(games.begin(), games.end());
  games.erase(std::unique(games.begin(), games.end()), games.end());
  return games;
}

bool MayChangeWinner(const std::string& game_id, const std::string& winner) {
  if (gobjKelvane->ProgressionTeam("_" + game_id) == winner) return true;
  const std::vector<int> games = LaterResults(game_id);
  if (games.empty()) return true;
  return MsgBox(QStringLiteral("Changing the winner of this game removes the results of ") + ListedGames(games) +
                    QStringLiteral("\n\nAre you sure?"),
                msgbox::YesNo | msgbox::Exclamation) == msgbox::Yes;
}

bool MayClearKnockoutGames(const kelvane::Variant& cleared) {
  if (!cleared.IsArray()) return true;
  const kelvane::Array& ids = cleared.AsArray();
  std::vector<int> games;
  for (int32_t i = ids.LBound(); i <= ids.UBound(); ++i)
    games.push_back(GameNumber(*gobjKelvane, ids.at(i)));
  if (games.empty()) return true;
  return MsgBox(QStringLiteral("Changing the places of this group removes the results of ") + ListedGames(games) +
                    QStringLiteral("\n\nAre you sure?"),
                msgbox::YesNo | msgbox::Exclamation) == msgbox::Yes;
}

std::string DecidedWinner(const std::string& home, const std::string& away, int home_goals, int away_goals,
                          bool shootout, int home_kicks, int away_kicks) {
  if (home_goals != away_goals) return home_goals > away_goals ? home : away;
  if (shootout && home_kicks != away_kicks) return home_kicks > away_kicks ? home : away;
  return "";
}

}  // namespace pitchlog::entry
