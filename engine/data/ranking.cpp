// Recomputing a group's table from its games, and handing its winner and runner-up on.
#include <algorithm>

#include "engine/data/ranking_rules.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

constexpr const char* kTotals[] = {"p", "w", "d", "l", "f", "a"};

int16_t* Field(ranking::Totals& t, int i) {
  int16_t* fields[] = {&t.p, &t.w, &t.d, &t.l, &t.f, &t.a};
  return fields[i];
}

// Adds a game's team record (p, w, d, l, f, a) to the totals; a missing figure adds nothing.
void AddRecord(ranking::Totals& totals, const xml::Node& record) {
  for (int i = 0; i < 6; ++i)
    if (xml::Node child = record.FirstChild(kTotals[i]))
      *Field(totals, i) = ranking::Add16(*Field(totals, i), Variant("0" + child.Text()).ToInt16());
}

}  // namespace

// The team records of a group's own games for a team. Only the group's games count, also in
// the head-to-head table: two teams of a group can meet again in the knock-out games, and
// that result must not reorder a finished group.
std::vector<xml::Node> Pitchlog::GroupGameRecords(const std::string& group, const std::string& team) const {
  std::vector<xml::Node> records;
  for (const xml::Node& record : results_->Root().Descendants("team")) {
    if (record.Attribute("teamid") != team) continue;
    xml::Node game = record.Parent();
    std::string id = game ? game.Attribute("gameid") : "";
    if (!id.empty() && !group.empty() && id[0] == group[0]) records.push_back(record);
  }
  return records;
}

void Pitchlog::CalcGroupTable(const std::string& group) {
  xml::Node group_node;
  if (groups_)
    for (const xml::Node& g : groups_.Children("group"))
      if (g.Attribute("groupid") == group) {
        group_node = g;
        break;
      }
  if (!group_node) throw kelvane::Error(ErrorKind::ObjectMissing, "the results hold no group \"" + group + "\"");

  std::array<std::string, 4> teams;
  std::array<xml::Node, 4> rows;
  for (int t = 0; t < 4; ++t) {
    teams[t] = GroupTeamID(group, static_cast<int16_t>(t + 1));
    for (const xml::Node& row : group_node.Children("groupteam"))
      if (row.Attribute("teamid") == teams[t]) {
        rows[t] = row;
        break;
      }
    if (!rows[t]) {
      rows[t] = group_node.AppendChild("groupteam");
      rows[t].SetAttribute("teamid", teams[t]);
      results_changed_ = true;
    }
  }

  std::array<ranking::Totals, 4> totals{};
  std::array<double, 4> scores{};
  for (int t = 0; t < 4; ++t) {
    for (const xml::Node& record : GroupGameRecords(group, teams[t])) AddRecord(totals[t], record);
    const auto index = static_cast<int16_t>(t + 1);
    const int16_t lots = Variant("0" + GroupLots(group, index).ToString()).ToInt16();
    scores[t] = ranking::Score(totals[t], GroupDeduction(group, index), lots);
  }

  std::array<int, 4> order = ranking::Order(scores);
  std::array<double, 4> by_place{};
  for (int k = 0; k < 4; ++k) by_place[k] = scores[order[k]];
  if (auto run = ranking::LevelRun(by_place)) {
    std::vector<std::string> members;
    for (int k = run->first; k <= run->second; ++k) members.push_back(teams[order[k]]);
    auto in_run = [&](const std::string& id) { return std::find(members.begin(), members.end(), id) != members.end(); };
    for (int k = run->first; k <= run->second; ++k) {
      const int t = order[k];
      ranking::Totals h2h;
      for (const xml::Node& record : GroupGameRecords(group, teams[t])) {
        const Variant game_id(record.Parent().Attribute("gameid"));
        if (in_run(HomeTeam(game_id)) && in_run(AwayTeam(game_id))) AddRecord(h2h, record);
      }
      if (h2h.p >= 1) scores[t] += ranking::HeadToHeadBonus(h2h);
    }
    order = ranking::Order(scores);
    for (int k = 0; k < 4; ++k) by_place[k] = scores[order[k]];
  }
  const std::array<std::string, 4> labels = ranking::Labels(by_place);

  for (int t = 0; t < 4; ++t) {
    for (int i = 0; i < 6; ++i)
      ResultField(rows[t], kTotals[i]).SetText(std::to_string(*Field(totals[t], i)));
    ResultField(rows[t], "rank").SetText(ranking::ScoreText(scores[t]));
    const auto place = std::find(order.begin(), order.end(), t) - order.begin();
    ResultField(rows[t], "pos").SetText(labels[place]);
  }

  bool complete = labels[0].back() != '=' && labels[1].back() != '=';
  for (int16_t index = 1; index <= 4; ++index) complete = complete && GroupP(group, index) >= 3;
  const std::string winner = complete ? teams[order[0]] : "";
  const std::string runner_up = complete ? teams[order[1]] : "";
  ResultField(group_node, "complete").SetText(complete ? "true" : "false");
  ResultField(group_node, "winner").SetText(winner);
  ResultField(group_node, "runner-up").SetText(runner_up);

  SetProgression("_" + group + "1", winner);
  SetProgression("_" + group + "2", runner_up);
}

}  // namespace kelvane
