#include "engine/data/data_file_checks.h"

#include <exception>

#include "engine/data/game_time.h"
#include "engine/data/text.h"

namespace kelvane::checks {
namespace {

bool HasId(xml::Node element, const char* attribute) { return !element.Attribute(attribute).empty(); }

// Every game keyed and with a kick-off time that reads; at least one, or the program can't start.
bool HasReadableGames(const xml::Document& doc) {
  const auto games = doc.Root().Children("game");
  if (games.empty()) return false;
  for (xml::Node game : games) {
    xml::Node time = game.FirstChild("gametime");
    if (!HasId(game, "gameid") || !time) return false;
    try {
      game_time::Parse(time.Text());
    } catch (const std::exception&) {
      return false;
    }
  }
  return true;
}

// Every team keyed and named, and at least one that the team list shows.
bool HasReadableTeams(const xml::Document& doc) {
  bool listed = false;
  for (xml::Node team : doc.Root().Children("team")) {
    if (!HasId(team, "teamid") || !team.FirstChild("name")) return false;
    listed = listed || !text::StartsWith(team.Attribute("teamid"), "_");
  }
  return listed;
}

}  // namespace

bool IsResultsDocument(const xml::Document& doc) {
  return doc.HasRoot() && doc.Root().FirstChild("groups") && doc.Root().FirstChild("games") &&
         doc.DeclaresId("game", "gameid") && doc.DeclaresId("koteam", "koteamid");
}

bool IsReadableDataFile(std::string_view file_name, const xml::Document& doc) {
  if (!doc.HasRoot()) return false;
  const std::string name = text::Lower(file_name);
  if (name == "games") return doc.DeclaresId("game", "gameid") && HasReadableGames(doc);
  if (name == "teams") return doc.DeclaresId("team", "teamid") && HasReadableTeams(doc);
  if (name == "stadia") return doc.DeclaresId("stadium", "stadiumid");
  if (name == "sweepoptions") return doc.DeclaresId("option", "optionid");
  return true;
}

bool HasPlayersShape(const xml::Document& doc) {
  if (!doc.HasRoot()) return false;
  const xml::Node root = doc.Root();
  size_t in_teams = 0;
  for (xml::Node team : root.Children("team")) {
    if (!HasId(team, "teamid") || !team.Descendants("team").empty()) return false;
    for (xml::Node player : team.Children("player")) {
      if (!HasId(player, "playerid") || !player.Descendants("player").empty()) return false;
      ++in_teams;
    }
  }
  return root.Descendants("player").size() == in_teams && root.Descendants("team").size() == root.Children("team").size();
}

}  // namespace kelvane::checks
