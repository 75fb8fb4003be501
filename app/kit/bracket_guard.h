// A new winner of a knock-out game, or new places in a group, move a new team into the games
// below in the bracket, and the engine removes the results of those games. Before such a save
// the user is asked. The result entry dialogs ask so, and so does the game's results mode.
#pragma once

#include <string>
#include <vector>

#include <QString>

#include "platform/component/variant.h"

namespace pitchlog::entry {

// The numbers of the later games whose results go when the game's winner changes: the games its
// winner's slot (and a semi-final's loser's slot) feed, and the games those feed in turn.
std::vector<int> LaterResults(const std::string& game_id);

// Before a save that leaves the game with this winner ("" for none): when that is a new winner
// and later games hold results, asks whether to remove them. False when the user keeps them.
bool MayChangeWinner(const std::string& game_id, const std::string& winner);

// Before a save that changes a group's games or lots: cleared is the engine's answer of which
// knock-out games would lose their results (GroupScoreClears, GroupLotsClear). When there are
// any, asks whether to remove them, naming them. False when the user keeps them.
bool MayClearKnockoutGames(const kelvane::Variant& cleared);

// "game 57", or "games 57, 61, 63 and 64" for more.
QString ListedGames(const std::vector<int>& games);

// The winner that a score and shoot-out figures decide: more goals, else more shoot-out goals
// when both figures are given; "" for a level game.
std::string DecidedWinner(const std::string& home, const std::string& away, int home_goals, int away_goals,
                          bool shootout, int home_kicks, int away_kicks);

}  // namespace pitchlog::entry
