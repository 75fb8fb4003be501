// Goal records and shoot-out kick records inside a game's team records.
#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {

void Pitchlog::AppendPlayer(xml::Node record, const char* id_field, const char* name_field,
                            const std::string& player) {
  record.AppendChild(id_field).SetText(player);
  const std::string name = PlayerName(player);
  record.AppendChild(name_field).SetText(name.empty() ? player : name);
}

Variant Pitchlog::TeamEntryField(const std::string& game_id, const std::string& team_id, const char* entry,
                                 int16_t no, const std::string& attb) const {
  if (no <= 0) return Variant();
  xml::Node team = TeamRecord(game_id, team_id);
  if (!team) return Variant();
  const std::vector<xml::Node> entries = team.Children(entry);
  if (static_cast<size_t>(no) > entries.size()) return Variant();
  xml::Node field = entries[static_cast<size_t>(no) - 1].FirstChild(text::Lower(attb));
  if (!field) return Variant();
  return field.Text();
}

bool Pitchlog::AddGoal(const std::string& game_id, const std::string& team_id, const std::string& player, bool pen,
                       bool og, const Variant& period, const Variant& minutes) {
  xml::Node team = TeamRecord(game_id, team_id);
  if (!team) return false;
  // Added as numbers: the figures are texts.
  const int allowed = StoredNumber(team, "f") + StoredNumber(team, "etf");
  if (static_cast<int>(team.Children("goal").size()) >= allowed) return false;
  xml::Node goal = team.AppendChild("goal");
  results_changed_ = true;
  if (!player.empty()) AppendPlayer(goal, "playerid", "playername", player);
  if (pen) goal.AppendChild("pen").SetText("1");
  if (og) goal.AppendChild("og").SetText("1");
  if (period.IsNumeric()) goal.AppendChild("period").SetText(period.ToString());
  if (minutes.IsNumeric()) goal.AppendChild("minutes").SetText(minutes.ToString());
  return true;
}

bool Pitchlog::AddPenalty(const std::string& game_id, const std::string& team_id, bool scored,
                          const std::string& taker) {
  xml::Node team = TeamRecord(game_id, team_id);
  if (!team) return false;
  if (static_cast<int>(team.Children("penalty").size()) >= StoredNumber(team, "pentakenf")) return false;
  xml::Node kick = team.AppendChild("penalty");
  results_changed_ = true;
  if (!taker.empty()) AppendPlayer(kick, "takerid", "takername", taker);
  kick.AppendChild("scored").SetText(scored ? "1" : "0");
  kick.AppendChild("missed").SetText(scored ? "0" : "1");
  return true;
}

Variant Pitchlog::Goal(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                       const std::string& attb) {
  return TeamEntryField(game_id, team_id, "goal", goal_no, attb);
}

void Pitchlog::SetGoal(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                       const std::string& attb, const Variant& value) {
  if (goal_no <= 0)
    throw kelvane::Error(ErrorKind::SubscriptOutOfRange, "goal number " + std::to_string(goal_no) + " is not 1 or more");
  const std::string content = value.ToString();
  xml::Node team = TeamRecord(game_id, team_id);
  if (!team) return;
  const std::vector<xml::Node> goals = team.Children("goal");
  if (static_cast<size_t>(goal_no) > goals.size()) return;
  xml::Node goal = goals[static_cast<size_t>(goal_no) - 1];
  const std::string key = text::Lower(attb);
  if (key == "player") {
    ResultField(goal, "playerid").SetText(content);
    const std::string name = PlayerName(content);
    ResultField(goal, "playername").SetText(name.empty() ? content : name);
  } else {
    ResultField(goal, key).SetText(content);
  }
  results_changed_ = true;
}

void Pitchlog::SetGoalPlayer(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                             const Variant& value) {
  SetGoal(game_id, team_id, goal_no, "player", value);
}

void Pitchlog::SetGoalPen(const std::string& game_id, const std::string& team_id, int16_t goal_no, bool value) {
  SetGoal(game_id, team_id, goal_no, "pen", value ? "1" : "");
}

void Pitchlog::SetGoalOG(const std::string& game_id, const std::string& team_id, int16_t goal_no, bool value) {
  SetGoal(game_id, team_id, goal_no, "og", value ? "1" : "");
}

void Pitchlog::SetGoalPeriod(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                             const Variant& value) {
  SetGoal(game_id, team_id, goal_no, "period", value);
}

void Pitchlog::SetGoalMinutes(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                              const Variant& value) {
  SetGoal(game_id, team_id, goal_no, "minutes", value);
}

Variant Pitchlog::Penalty(const std::string& game_id, const std::string& team_id, int16_t penalty_no,
                          const std::string& attb) {
  return TeamEntryField(game_id, team_id, "penalty", penalty_no, attb);
}

bool Pitchlog::GameHasPenalties(const std::string& game_id) {
  xml::Node game = GameRecord(game_id);
  if (!game) return false;
  const auto has_kicks = [&](const std::string& team_id) {
    xml::Node team = TeamRecord(game, team_id);
    return team && team.FirstChild("penalty");
  };
  return has_kicks(HomeTeam(game_id)) || has_kicks(AwayTeam(game_id));
}

void Pitchlog::RemovePenalties(const std::string& game_id, const std::string& team_id) {
  xml::Node team = TeamRecord(game_id, team_id);
  if (!team) return;
  std::vector<xml::Node> kicks = team.Children("penalty");
  if (kicks.empty()) return;
  for (xml::Node& kick : kicks) kick.Remove();
  results_changed_ = true;
  for (const char* field : {"pentakenf", "pentakena", "penscoredf", "penscoreda", "pw", "pl"})
    SetResults(game_id, field, team_id, "");
}

}  // namespace kelvane
