#include "engine/data/data_file_checks.h"

#include <exception>
#include <initializer_list>

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

// At least one record, each keyed and named: a file without any would blank every lookup.
bool HasNamedRecords(const xml::Document& doc, const char* element, const char* id) {
  const auto records = doc.Root().Children(element);
  if (records.empty()) return false;
  for (xml::Node record : records)
    if (!HasId(record, id) || !record.FirstChild("name")) return false;
  return true;
}

// The three sources, each with its "array" and "labels" kinds, holding only columns: all six
// lists the statistics view reads.
bool HasStatsColumns(const xml::Document& doc) {
  for (const char* source : {"teams", "players", "groups"}) {
    xml::Node node = doc.Root().FirstChild(source);
    if (!node) return false;
    for (const char* kind : {"array", "labels"}) {
      xml::Node list = node.FirstChild(kind);
      if (!list) return false;
      for (xml::Node column : list.Children())
        if (column.Name() != "column") return false;
    }
  }
  return true;
}

// Link elements of any type, each with its id and the address as text; a root with text of its
// own is a server's answer, not links.
bool HasLinks(const xml::Document& doc) {
  if (!doc.Root().FirstElementChild() && !doc.Root().Text().empty()) return false;
  for (xml::Node link : doc.Root().Children())
    if (!link.HasAttribute("id") || link.FirstElementChild()) return false;
  return true;
}

// A page file of the link bar or the home site: at least one html page and files by name, and
// nothing else.
bool HasPagesAndFiles(const xml::Document& doc, bool one_page) {
  size_t pages = 0;
  for (xml::Node child : doc.Root().Children()) {
    if (child.Name() == "html")
      ++pages;
    else if (child.Name() != "file" || !child.HasAttribute("name"))
      return false;
  }
  return one_page ? pages == 1 : pages >= 1;
}

struct Key {
  const char* element;
  const char* attribute;
};

struct KeyedFile {
  const char* file;
  const char* root;
  std::initializer_list<Key> keys;
};

// The data files whose records the engine finds by id, with the ids their declarations name.
constexpr KeyedFile kKeyedFiles[] = {
    {"teams.xml", "teams", {{"team", "teamid"}}},
    {"games.xml", "games", {{"game", "gameid"}, {"slot", "slotid"}}},
    {"stadia.xml", "stadia", {{"stadium", "stadiumid"}}},
    {"players.xml", "players", {{"team", "teamid"}, {"player", "playerid"}}},
    {"sweepoptions.xml", "sweepoptions", {{"option", "optionid"}}},
    {"sweeps.xml", "sweeps", {{"sweep", "sweepid"}}},
    {"members.xml", "members", {{"member", "memberid"}}},
    {"statstables.xml", "statstables", {{"table", "tableid"}}},
};

}  // namespace

bool DeclareKeys(std::string_view file_name, xml::Document& doc) {
  if (!doc.HasRoot()) return true;
  const std::string name = text::Lower(file_name);
  for (const KeyedFile& keyed : kKeyedFiles) {
    if (name != keyed.file) continue;
    if (doc.Root().Name() != keyed.root) return false;
    for (const Key& key : keyed.keys)
      if (!doc.DeclareId(key.element, key.attribute)) return false;
  }
  return true;
}

bool IsResultsDocument(const xml::Document& doc) {
  return doc.HasRoot() && doc.Root().FirstChild("groups") && doc.Root().FirstChild("games") &&
         doc.DeclaresId("game", "gameid") && doc.DeclaresId("koteam", "koteamid");
}

bool IsReadableDataFile(std::string_view file_name, const xml::Document& doc) {
  // A web page (a server's error page) is never a data file.
  if (!doc.HasRoot() || text::Lower(doc.Root().Name()) == "html") return false;
  const std::string name = text::Lower(file_name);
  // The files of the program's own kinds are each rooted in an element named like the file.
  for (const char* own : {"games", "teams", "stadia", "sweepoptions", "statscolumns", "links"})
    if (name == own && doc.Root().Name() != own) return false;
  if (name == "games") return doc.DeclaresId("game", "gameid") && HasReadableGames(doc);
  if (name == "teams") return doc.DeclaresId("team", "teamid") && HasReadableTeams(doc);
  if (name == "stadia") return doc.DeclaresId("stadium", "stadiumid") && HasNamedRecords(doc, "stadium", "stadiumid");
  if (name == "sweepoptions")
    return doc.DeclaresId("option", "optionid") && HasNamedRecords(doc, "option", "optionid");
  if (name == "statscolumns") return HasStatsColumns(doc);
  if (name == "links") return HasLinks(doc);
  if (name == "locallink") return HasPagesAndFiles(doc, true);
  if (name == "home") return HasPagesAndFiles(doc, false);
  if (name == "homeversion") return doc.Root().HasAttribute("version");
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
  return in_teams > 0 && root.Descendants("player").size() == in_teams &&
         root.Descendants("team").size() == root.Children("team").size();
}

}  // namespace kelvane::checks
