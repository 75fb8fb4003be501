// The games, teams and stadia documents: fields by id, the schedule list and the team list.
#include <cmath>
#include <limits>

#include "engine/data/game_time.h"
#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

std::string FieldById(const xml::Document& doc, const std::string& id, const std::string& attb) {
  xml::Node element = doc.ElementById(id);
  if (!element) return "";
  xml::Node field = element.FirstChild(text::Lower(attb));
  return field ? field.Text() : "";
}

}  // namespace

xml::Node Pitchlog::FindGame(const Variant& game_id) {
  if (!game_id.IsNumeric()) return games_->ElementById(game_id.ToString());
  if (!schedule_loaded_) throw kelvane::Error(ErrorKind::ObjectMissing, "the schedule is not loaded");
  const double position = std::nearbyint(game_id.ToDouble());
  if (!(position >= 0 && position < static_cast<double>(schedule_.size()))) return xml::Node();
  return schedule_[static_cast<size_t>(position)];
}

std::string Pitchlog::Games(const Variant& game_id, const std::string& attb) {
  xml::Node game = FindGame(game_id);
  if (!game) return "";
  const std::string key = text::Lower(attb);
  xml::Node field;
  if (key.size() >= 4 && key.ends_with("team")) {
    const std::vector<xml::Node> teams = game.Children("teamid");
    const size_t side = text::StartsWith(key, "away") ? 1 : 0;
    if (side < teams.size()) field = teams[side];
  } else {
    field = game.FirstChild(key);
  }
  return field ? field.Text() : "";
}

std::string Pitchlog::GameStage(const Variant& game_id) { return Games(game_id, "stage"); }
std::string Pitchlog::GameStadiumID(const Variant& game_id) { return Games(game_id, "stadiumid"); }
std::string Pitchlog::GameTimeLocal(const Variant& game_id) { return Games(game_id, "gametime"); }

// The stored month names are English and so is the parser, so the month words need no
// translation before reading.
std::string Pitchlog::GameTime(const Variant& game_id) {
  const auto kick_off = game_time::Parse(Games(game_id, "gametime"));
  const auto shift = std::chrono::minutes(std::lround(static_cast<double>(TimeDifference()) * 60.0));
  return game_time::Format(kick_off + shift);
}

// A knock-out slot shows its team once the results have decided it.
std::string Pitchlog::SlotTeam(const std::string& team_id) {
  if (!text::StartsWith(team_id, "_")) return team_id;
  std::string decided = ProgressionTeam(team_id);
  return decided.empty() ? team_id : decided;
}

std::string Pitchlog::HomeTeam(const Variant& game_id) { return SlotTeam(Games(game_id, "hometeam")); }
std::string Pitchlog::AwayTeam(const Variant& game_id) { return SlotTeam(Games(game_id, "awayteam")); }
std::string Pitchlog::HomeTeamName(const Variant& game_id) { return TeamName(HomeTeam(game_id)); }
std::string Pitchlog::AwayTeamName(const Variant& game_id) { return TeamName(AwayTeam(game_id)); }

std::string Pitchlog::Teams(const std::string& team_id, const std::string& attb) {
  return FieldById(*teams_, team_id, attb);
}
std::string Pitchlog::TeamName(const std::string& team_id) { return Teams(team_id, "name"); }

Variant Pitchlog::TeamList() {
  if (!teams_->HasRoot()) throw kelvane::Error(ErrorKind::ObjectMissing, "the teams file is not loaded");
  Array list(0, 1, 0, 0);
  for (const xml::Node& team : teams_->Root().Children("team")) {
    const std::string id = team.Attribute("teamid");
    if (text::StartsWith(id, "_")) continue;
    xml::Node name = team.FirstChild("name");
    if (!name) throw kelvane::Error(ErrorKind::ObjectMissing, "team " + id + " has no name");
    int32_t last = list.UBound(2);
    if (!list.at(0, last).IsEmpty()) list.RedimPreserve(++last);
    list.Set(0, last, id);
    list.Set(1, last, name.Text());
  }
  return list;
}

Variant Pitchlog::PlayerList(const std::string& team_id) {
  std::vector<xml::Node> players;
  if (!team_id.empty()) {
    xml::Node team = players_->ElementById(team_id);
    if (!team) return Variant();
    players = team.Children("player");
  } else {
    if (!players_->HasRoot()) throw kelvane::Error(ErrorKind::ObjectMissing, "the players file is not loaded");
    players = players_->Root().Descendants("player");
  }
  Array list(0, 3, 0, 0);
  for (const xml::Node& player : players) {
    int32_t last = list.UBound(2);
    if (!list.at(0, last).IsEmpty()) list.RedimPreserve(++last);
    const std::string id = player.Attribute("playerid");
    list.Set(0, last, id);
    if (xml::Node name = player.FirstChild("playername")) list.Set(1, last, name.Text());
    if (xml::Node shirt = player.FirstChild("shirt")) list.Set(2, last, shirt.Text());
    list.Set(3, last, PlayerTeam(id));
  }
  return list;
}

std::string Pitchlog::Stadia(const std::string& stadium_id, const std::string& attb) {
  return FieldById(*stadia_, stadium_id, attb);
}
std::string Pitchlog::StadiumName(const std::string& stadium_id) { return Stadia(stadium_id, "name"); }

// The list holds the document it came from, so reloading the games file leaves it valid.
int16_t Pitchlog::LoadSchedule() {
  if (!games_->HasRoot()) throw kelvane::Error(ErrorKind::ObjectMissing, "the games file is not loaded");
  std::vector<xml::Node> games = games_->Root().Children("game");
  if (games.size() > static_cast<size_t>(std::numeric_limits<int16_t>::max()))
    throw kelvane::Error(ErrorKind::Overflow, "too many games");
  schedule_ = std::move(games);
  schedule_doc_ = games_;
  schedule_loaded_ = true;
  return static_cast<int16_t>(schedule_.size());
}

std::string Pitchlog::ScheduleGameID(const Variant& index) {
  if (!schedule_loaded_) throw kelvane::Error(ErrorKind::ObjectMissing, "the schedule is not loaded");
  const int32_t i = index.ToInt32();
  if (i < 0 || static_cast<size_t>(i) >= schedule_.size())
    throw kelvane::Error(ErrorKind::SubscriptOutOfRange, "no game at position " + std::to_string(i));
  return schedule_[static_cast<size_t>(i)].Attribute("gameid");
}

std::string Pitchlog::ProgressionGame(const std::string& game_id) {
  xml::Node slot = games_->ElementById(game_id);
  return slot ? slot.Text() : "";
}

std::string Pitchlog::ProgressionTeam(const std::string& team_id) {
  if (!results_->HasRoot() || !results_->Root().FirstChild("progression")) return "";
  xml::Node slot = results_->ElementById(team_id);
  return slot ? slot.Text() : "";
}

}  // namespace kelvane
