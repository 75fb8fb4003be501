// What a proposed change of a group would do to the knock-out bracket, found by making the
// change on a copy of the results: the ranking and the bracket decide it, and they only run on
// a document.
#include <algorithm>
#include <cstdlib>

#include "engine/game_ids.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

bool Given(const Variant& v) { return !v.IsEmpty() && !v.IsNull() && !v.ToString().empty(); }

bool IsKnockoutGame(const std::string& game_id) { return !game_id.empty() && !IsGroupGameID(game_id); }

}  // namespace

Variant Pitchlog::KnockoutResultsClearedBy(const std::function<void()>& change) {
  if (!results_ || !results_->HasRoot()) throw kelvane::Error(ErrorKind::ObjectMissing, "no results are loaded");
  std::vector<std::string> scored;
  for (const xml::Node& games : results_->Root().Children("games"))
    for (const xml::Node& game : games.Children("game")) {
      const std::string id = game.Attribute("gameid");
      if (!IsKnockoutGame(id)) continue;
      for (const xml::Node& team : game.Children("team"))
        if (xml::Node f = team.FirstChild("f"); f && !f.Text().empty()) {
          scored.push_back(id);
          break;
        }
    }

  struct Restore {
    Pitchlog& engine;
    DocumentPtr results;
    xml::Node groups;
    bool changed;
    ~Restore() {
      engine.results_ = results;
      engine.groups_ = groups;
      engine.results_changed_ = changed;
    }
  } restore{*this, results_, groups_, results_changed_};
  results_ = std::make_shared<xml::Document>(restore.results->Copy());
  groups_ = results_->Root().FirstChild("groups");
  change();

  std::vector<std::pair<int, std::string>> cleared;
  for (const std::string& id : scored)
    if (!GameRecord(id)) cleared.emplace_back(std::atoi(Games(Variant(id), "gameno").c_str()), id);
  if (cleared.empty()) return Variant();
  std::sort(cleared.begin(), cleared.end());
  Array ids(0, static_cast<int32_t>(cleared.size()) - 1, Array::Elements::String);
  for (size_t i = 0; i < cleared.size(); ++i) ids.Set(static_cast<int32_t>(i), Variant(cleared[i].second));
  return Variant(std::move(ids));
}

Variant Pitchlog::GroupScoreClears(const std::string& game_id, const Variant& home_score,
                                   const Variant& away_score) {
  const bool scored = Given(home_score) && Given(away_score);
  const int16_t home = scored ? home_score.ToInt16() : 0;
  const int16_t away = scored ? away_score.ToInt16() : 0;
  return KnockoutResultsClearedBy([&] {
    RemoveResult(game_id);
    if (scored) GroupScore(game_id, home, away);
    CalcGroupTable(GameStage(Variant(game_id)));
  });
}

Variant Pitchlog::GroupLotsClear(const std::string& group, const Variant& lots) {
  if (!lots.IsArray() || lots.AsArray().Dimensions() != 1 || lots.AsArray().size() != 4)
    throw kelvane::Error(ErrorKind::TypeMismatch, "the lots are four texts, one per team");
  const Array& four = lots.AsArray();
  return KnockoutResultsClearedBy([&] {
    for (int16_t i = 0; i < 4; ++i) SetGroupLots(group, static_cast<int16_t>(i + 1), four.at(four.LBound() + i));
    CalcGroupTable(group);
  });
}

}  // namespace kelvane
