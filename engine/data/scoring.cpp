// Score entry for group and knock-out games, and the knock-out bracket.
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

std::string Text(const Variant& v) { return v.IsNull() ? "" : v.ToString(); }

// A shoot-out figure counts as given when it has a text.
bool Given(const Variant& v) { return !Text(v).empty(); }

Variant Whole(int v) { return Variant(static_cast<int32_t>(v)); }

}  // namespace

std::pair<std::string, std::string> Pitchlog::WriteNormalTime(const std::string& game_id, int16_t home_score,
                                                              int16_t away_score) {
  const std::string home = HomeTeam(Variant(game_id));
  const std::string away = AwayTeam(Variant(game_id));
  SetResults(game_id, "p", home, Whole(1));
  SetResults(game_id, "f", home, Whole(home_score));
  SetResults(game_id, "a", home, Whole(away_score));
  SetResults(game_id, "p", away, Whole(1));
  SetResults(game_id, "f", away, Whole(away_score));
  SetResults(game_id, "a", away, Whole(home_score));
  const int outcome = (home_score > away_score) - (home_score < away_score);  // 1 home win, -1 away win
  SetResults(game_id, "w", home, Whole(outcome > 0));
  SetResults(game_id, "d", home, Whole(outcome == 0));
  SetResults(game_id, "l", home, Whole(outcome < 0));
  SetResults(game_id, "w", away, Whole(outcome < 0));
  SetResults(game_id, "d", away, Whole(outcome == 0));
  SetResults(game_id, "l", away, Whole(outcome > 0));
  return {home, away};
}

void Pitchlog::GroupScore(const std::string& game_id, int16_t home_score, int16_t away_score) {
  WriteNormalTime(game_id, home_score, away_score);
  CalcGroupTable(GameStage(Variant(game_id)));
}

void Pitchlog::KOScore(const std::string& game_id, int16_t home_score, int16_t away_score,
                       const Variant& home_pen_taken, const Variant& away_pen_taken, const Variant& home_pen_scored,
                       const Variant& away_pen_scored, int16_t home_extra_time, int16_t away_extra_time,
                       bool extra_time_played) {
  // A bad shoot-out figure fails before anything is written, so no half-entered game is left.
  const bool shootout = Given(home_pen_scored) && Given(away_pen_scored);
  const int16_t home_kicks = shootout ? home_pen_scored.ToInt16() : 0;
  const int16_t away_kicks = shootout ? away_pen_scored.ToInt16() : 0;

  // Plain names, not a structured binding: clang before 16 cannot capture bindings in a lambda.
  const std::pair<std::string, std::string> sides = WriteNormalTime(game_id, home_score, away_score);
  const std::string& home = sides.first;
  const std::string& away = sides.second;
  std::string winner, loser;
  auto decide = [&](int home_figure, int away_figure) {
    if (home_figure > away_figure) winner = home, loser = away;
    if (home_figure < away_figure) winner = away, loser = home;
  };
  decide(home_score, away_score);

  SetResults(game_id, "etf", home, Whole(home_extra_time));
  SetResults(game_id, "eta", home, Whole(away_extra_time));
  SetResults(game_id, "etf", away, Whole(away_extra_time));
  SetResults(game_id, "eta", away, Whole(home_extra_time));
  decide(home_extra_time, away_extra_time);

  SetExtraTime(game_id, extra_time_played);

  if (Given(home_pen_scored)) {
    SetResults(game_id, "penscoredf", home, Text(home_pen_scored));
    SetResults(game_id, "penscoreda", home, Text(away_pen_scored));
    SetResults(game_id, "penscoredf", away, Text(away_pen_scored));
    SetResults(game_id, "penscoreda", away, Text(home_pen_scored));
    SetResults(game_id, "pentakenf", home, Text(home_pen_taken));
    SetResults(game_id, "pentakena", home, Text(away_pen_taken));
    SetResults(game_id, "pentakenf", away, Text(away_pen_taken));
    SetResults(game_id, "pentakena", away, Text(home_pen_taken));
  }
  if (shootout) {
    if (home_kicks != away_kicks) {
      decide(home_kicks, away_kicks);
      const bool home_won = home_kicks > away_kicks;
      SetResults(game_id, "pw", home, Whole(home_won));
      SetResults(game_id, "pl", home, Whole(!home_won));
      SetResults(game_id, "pw", away, Whole(!home_won));
      SetResults(game_id, "pl", away, Whole(home_won));
    }
  }

  SetResults(game_id, "winner", "", winner);
  SetProgression("_" + game_id, winner);
  if (!game_id.empty() && game_id[0] == 'X') SetProgression("_" + game_id + "2", loser);
}

// Puts a team into a knock-out slot. A change wipes the game the slot feeds and, through
// that game's own winner slot, everything below it in the bracket.
void Pitchlog::SetProgression(std::string ko_team_id, std::string team_id) {
  xml::Node root = results_->Root();
  if (!root) throw kelvane::Error(ErrorKind::ObjectMissing, "no results are loaded");
  xml::Node progression = root.FirstChild("progression");
  if (!progression) {
    progression = root.AppendChild("progression");
    results_changed_ = true;
  }
  xml::Node slot;
  for (const xml::Node& s : progression.Children("koteam"))
    if (s.Attribute("koteamid") == ko_team_id) {
      slot = s;
      break;
    }
  if (!slot) {
    if (team_id.empty()) return;
    slot = progression.AppendChild("koteam");
    slot.SetAttribute("koteamid", ko_team_id);
    results_changed_ = true;
  }
  if (slot.Text() != team_id) {
    const std::string fed = ProgressionGame(ko_team_id);
    slot.SetText(team_id);
    if (!fed.empty())
      if (xml::Node record = results_->ElementById(fed); record && record.Name() == "game") {
        record.Remove();
        results_changed_ = true;
      }
    SetProgression("_" + fed, "");
  }
  if (team_id.empty() && (ko_team_id == "_X1" || ko_team_id == "_X2")) SetProgression(ko_team_id + "2", "");
}

}  // namespace kelvane
