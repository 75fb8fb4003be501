// Game records of the results document: flags, winner and each team's figures.
#include <algorithm>

#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {

// Knock-out slots share the id table with games; a slot is never a game's record.
xml::Node Pitchlog::GameRecord(const std::string& game_id) const {
  xml::Node node = results_->ElementById(game_id);
  return node && node.Name() == "game" ? node : xml::Node();
}

xml::Node Pitchlog::TeamRecord(xml::Node game, const std::string& team_id) {
  if (!game) return {};
  for (xml::Node team : game.Children("team"))
    if (team.Attribute("teamid") == team_id) return team;
  return {};
}

xml::Node Pitchlog::TeamRecord(const std::string& game_id, const std::string& team_id) const {
  return TeamRecord(GameRecord(game_id), team_id);
}

xml::Node Pitchlog::ResultField(xml::Node record, const std::string& name) {
  xml::Node field = record.FirstChild(name);
  if (field) return field;
  field = record.AppendChild(name);
  results_changed_ = true;
  return field;
}

int16_t Pitchlog::StoredNumber(xml::Node record, const char* name) {
  xml::Node field = record.FirstChild(name);
  return Variant("0" + (field ? field.Text() : std::string())).ToInt16();
}

Variant Pitchlog::Results(const std::string& game_id, const std::string& attb, const std::string& team) {
  xml::Node game = GameRecord(game_id);
  if (!game) return Variant();
  const std::string key = text::Lower(attb);
  if (key == "loser") {
    xml::Node winner = game.FirstChild("winner");
    const std::string won = winner ? winner.Text() : std::string();
    // A level game has no loser either.
    if (won.empty()) return Variant();
    const std::vector<xml::Node> teams = game.Children("team");
    if (teams.size() < 2) return Variant();
    const std::string first = teams[0].Attribute("teamid");
    return first != won ? first : teams[1].Attribute("teamid");
  }
  xml::Node record = team.empty() ? game : TeamRecord(game, team);
  if (!record) return Variant();
  xml::Node field = record.FirstChild(key);
  if (!field) return Variant();
  return field.Text();
}

// Everything that can fail is checked before the first change: a failing let changes nothing.
void Pitchlog::SetResults(const std::string& game_id, const std::string& attb, const std::string& team,
                          const Variant& value) {
  const std::string key = text::Lower(attb);
  const std::string content = value.ToString();
  if (game_id.empty()) throw kelvane::Error(ErrorKind::Other, "a game record needs a game id");
  xml::CheckText(game_id);
  xml::CheckText(team);
  xml::CheckName(key);
  xml::CheckText(content);
  const bool score = key == "f";
  const int16_t goals_scored = score ? value.ToInt16() : 0;

  xml::Node game = results_->ElementById(game_id);
  if (game && game.Name() != "game")
    throw kelvane::Error(ErrorKind::Other, "the id " + game_id + " belongs to a knock-out slot, not a game");
  xml::Node games;
  if (!game) {
    xml::Node root = results_->Root();
    games = root ? root.FirstChild("games") : xml::Node();
    if (!games) throw kelvane::Error(ErrorKind::ObjectMissing, "the results have no games element");
  }
  xml::Node record = team.empty() ? game : TeamRecord(game, team);
  // Goal records cover extra time too: a new normal-time score must not drop those scorers.
  const int goals_kept = score ? goals_scored + (record ? StoredNumber(record, "etf") : 0) : 0;

  if (!game) {
    game = games.AppendChild("game");
    game.SetAttribute("gameid", game_id);
    results_changed_ = true;
    if (team.empty()) record = game;
  }
  if (!record) {
    record = game.AppendChild("team");
    record.SetAttribute("teamid", team);
    results_changed_ = true;
  }
  ResultField(record, key).SetText(content);
  if (!score) return;
  const std::vector<xml::Node> goals = record.Children("goal");
  for (size_t i = static_cast<size_t>(std::max(goals_kept, 0)); i < goals.size(); ++i) {
    xml::Node goal = goals[i];
    goal.Remove();
    results_changed_ = true;
  }
}

void Pitchlog::RemoveResult(const std::string& game_id) {
  xml::Node game = GameRecord(game_id);
  if (!game) return;
  game.Remove();
  results_changed_ = true;
}

bool Pitchlog::Result(const std::string& game_id) { return Results(game_id, "result").ToString() == "true"; }

void Pitchlog::SetResult(const std::string& game_id, bool value) {
  SetResults(game_id, "result", "", value ? "true" : "false");
}

bool Pitchlog::ExtraTime(const std::string& game_id) { return Results(game_id, "extratime").ToString() == "true"; }

void Pitchlog::SetExtraTime(const std::string& game_id, bool value) {
  SetResults(game_id, "extratime", "", value ? "true" : "false");
}

Variant Pitchlog::ResultP(const std::string& game_id, const std::string& team) { return Results(game_id, "p", team); }
Variant Pitchlog::ResultW(const std::string& game_id, const std::string& team) { return Results(game_id, "w", team); }
Variant Pitchlog::ResultD(const std::string& game_id, const std::string& team) { return Results(game_id, "d", team); }
Variant Pitchlog::ResultL(const std::string& game_id, const std::string& team) { return Results(game_id, "l", team); }
Variant Pitchlog::ResultF(const std::string& game_id, const std::string& team) { return Results(game_id, "f", team); }
Variant Pitchlog::ResultA(const std::string& game_id, const std::string& team) { return Results(game_id, "a", team); }

}  // namespace kelvane
