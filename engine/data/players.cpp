// The players document: squads by team, each player's fields, and players added by the user.
#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {

// Without its declarations the ids of added teams and players could not be found again.
xml::Node Pitchlog::PlayersRoot() {
  if (!players_->HasRoot() &&
      !players_->LoadText("<!DOCTYPE players [\n"
                          "  <!ATTLIST team teamid ID #REQUIRED>\n"
                          "  <!ATTLIST player playerid ID #REQUIRED>\n"
                          "]>\n<players/>\n"))
    throw kelvane::Error(ErrorKind::Other, "cannot create the players document: " + players_->ParseError());
  return players_->Root();
}

Variant Pitchlog::Players(const std::string& player_id, const std::string& attb) {
  xml::Node player = players_->ElementById(player_id);
  if (!player) return Variant();
  xml::Node field = player.FirstChild(text::Lower(attb));
  if (!field) return Variant();
  return field.Text();
}

// The key is lower-cased like the getter's, so a value written is the value read back.
void Pitchlog::SetPlayers(const std::string& player_id, const std::string& attb, const Variant& value) {
  xml::Node player = players_->ElementById(player_id);
  if (!player) return;
  const std::string key = text::Lower(attb);
  const std::string content = value.ToString();
  xml::CheckName(key);
  xml::CheckText(content);
  xml::Node field = player.FirstChild(key);
  if (!field) field = player.AppendChild(key);
  field.SetText(content);
  players_changed_ = true;
}

std::string Pitchlog::PlayerName(const std::string& player_id) { return Players(player_id, "playername").ToString(); }
std::string Pitchlog::PlayerFullName(const std::string& player_id) { return Players(player_id, "fullname").ToString(); }
std::string Pitchlog::PlayerPosition(const std::string& player_id) { return Players(player_id, "position").ToString(); }
std::string Pitchlog::PlayerNarrative(const std::string& player_id) { return Players(player_id, "narrative").ToString(); }
std::string Pitchlog::PlayerCaps(const std::string& player_id) { return Players(player_id, "caps").ToString(); }
std::string Pitchlog::PlayerShirt(const std::string& player_id) { return Players(player_id, "shirt").ToString(); }
std::string Pitchlog::PlayerPhoto(const std::string& player_id) { return Players(player_id, "photo").ToString(); }

bool Pitchlog::PlayerExists(const std::string& player_id) { return bool(players_->ElementById(player_id)); }

Variant Pitchlog::PlayerTeam(const std::string& player_id) {
  xml::Node player = players_->ElementById(player_id);
  if (!player) return Variant();
  xml::Node team = player.Parent();
  return team ? team.Attribute("teamid") : std::string();
}

// Refuses an id that is already taken, so an existing player is never renamed, and a shirt
// that two digits cannot hold, whose id would collide with another shirt's.
bool Pitchlog::AddPlayer(const std::string& team, int16_t shirt, const std::string& name) {
  if (team.empty() || shirt < 0 || shirt > 99) return false;
  const std::string digits = "0" + std::to_string(shirt);
  const std::string player_id = team + digits.substr(digits.size() - 2);
  xml::Node root = PlayersRoot();
  if (players_->ElementById(player_id)) return false;
  xml::Node team_node = players_->ElementById(team);
  if (team_node && team_node.Name() != "team") return false;
  const bool was_changed = players_changed_;
  const bool new_team = !team_node;
  if (new_team) {
    team_node = root.AppendChild("team");
    team_node.SetAttribute("teamid", team);
  }
  xml::Node player = team_node.AppendChild("player");
  try {
    player.SetAttribute("playerid", player_id);
    SetPlayers(player_id, "playername", name);
    SetPlayers(player_id, "shirt", Variant(shirt));
  } catch (const kelvane::Error&) {
    // A name the file cannot hold adds nothing: no player without a name is left to be saved.
    player.Remove();
    if (new_team) team_node.Remove();
    players_changed_ = was_changed;
    return false;
  }
  players_changed_ = true;
  return true;
}

void Pitchlog::SavePlayers() { SaveDocument(*players_, DataFile("players.xml")); }

}  // namespace kelvane
