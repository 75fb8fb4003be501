#include "engine/data/data_file_checks.h"

#include <exception>
#include <initializer_list>

#include "engine/data/game_time.h"
#include "engine/data/text.h"

namespace kelvane::checks {
namespace {

bool HasId(xml::Node element, const char* attribute) { return !element.Attribute(attribute).empty(); }

// Every game keyed and with a kick-off time that reads; at least one, or the program can't start.
std::string GamesFault(const xml::Document& doc) {
  const auto games = doc.Root().Children("game");
  if (games.empty()) return "holds no games";
  for (xml::Node game : games) {
    xml::Node time = game.FirstChild("gametime");
    if (!HasId(game, "gameid") || !time) return "holds a game without its id or kick-off time";
    try {
      game_time::Parse(time.Text());
    } catch (const std::exception&) {
      return "holds a kick-off time that can't be read";
    }
  }
  return "";
}

// Every team keyed and named, and at least one that the team list shows.
std::string TeamsFault(const xml::Document& doc) {
  bool listed = false;
  for (xml::Node team : doc.Root().Children("team")) {
    if (!HasId(team, "teamid") || !team.FirstChild("name")) return "holds a team without its id or name";
    listed = listed || !text::StartsWith(team.Attribute("teamid"), "_");
  }
  return listed ? "" : "holds no teams";
}

// At least one record, each keyed and named: a file without any would blank every lookup.
std::string NamedRecordsFault(const xml::Document& doc, const char* element, const char* id, const char* what,
                              const char* plural) {
  const auto records = doc.Root().Children(element);
  if (records.empty()) return std::string("holds no ") + plural;
  for (xml::Node record : records)
    if (!HasId(record, id) || !record.FirstChild("name"))
      return std::string("holds ") + what + " without its id or name";
  return "";
}

// The three sources, each with its "array" and "labels" kinds, holding only columns: all six
// lists the statistics view reads.
std::string StatsColumnsFault(const xml::Document& doc) {
  for (const char* source : {"teams", "players", "groups"}) {
    xml::Node node = doc.Root().FirstChild(source);
    if (!node) return std::string("holds no columns for ") + source;
    for (const char* kind : {"array", "labels"}) {
      xml::Node list = node.FirstChild(kind);
      if (!list) return std::string("lacks the ") + kind + " list of the " + source + " columns";
      for (xml::Node column : list.Children())
        if (column.Name() != "column")
          return std::string("holds something other than columns in the ") + kind + " list of the " + source +
                 " columns";
    }
  }
  return "";
}

// Link elements of any type, each with its id and the address as text; a root with text of its
// own is a server's answer, not links.
std::string LinksFault(const xml::Document& doc) {
  for (xml::Node link : doc.Root().Children())
    if (!link.HasAttribute("id") || link.FirstElementChild()) return "holds a link without its id";
  return "";
}

// A page file of the link bar or the home site: at least one html page and files by name, and
// nothing else.
std::string PagesAndFilesFault(const xml::Document& doc, bool one_page) {
  size_t pages = 0;
  for (xml::Node child : doc.Root().Children()) {
    if (child.Name() == "html")
      ++pages;
    else if (child.Name() != "file" || !child.HasAttribute("name"))
      return "holds something other than pages and named files";
  }
  if (pages == 0) return "holds no page";
  return one_page && pages > 1 ? "holds more than one page" : "";
}

// A root that holds only text is a server's answer ("Not found"), which the user should read.
std::string OtherKindFault(const xml::Document& doc, std::string_view kind) {
  const xml::Node root = doc.Root();
  const std::string answer = root.Text();
  if (!root.FirstElementChild() && !answer.empty()) {
    constexpr size_t kShown = 80;
    return "holds only the server's answer \"" + (answer.size() > kShown ? answer.substr(0, kShown) + "..." : answer) +
           "\"";
  }
  const std::string other = root.Name();
  const bool vowel = std::string_view("aeiou").find(text::Lower(other.substr(0, 1))) != std::string_view::npos;
  return (vowel ? "is an " : "is a ") + other + " file, not a " + std::string(kind) + " file";
}

std::string DeclarationFault(const xml::Document& doc, const char* element, const char* id) {
  return doc.DeclaresId(element, id) ? "" : std::string("does not declare the ids of its ") + element + " records";
}

// The first fault found, or "".
std::string FirstOf(std::initializer_list<std::string> faults) {
  for (const std::string& fault : faults)
    if (!fault.empty()) return fault;
  return "";
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

std::string ResultsFault(const xml::Document& doc) {
  if (!doc.HasRoot()) return "is empty";
  if (!doc.Root().FirstChild("groups")) return "holds no groups";
  if (!doc.Root().FirstChild("games")) return "holds no games";
  return FirstOf({DeclarationFault(doc, "game", "gameid"), DeclarationFault(doc, "koteam", "koteamid")});
}

std::string DataFileFault(std::string_view file_name, const xml::Document& doc) {
  if (!doc.HasRoot()) return "is empty";
  // A web page (a server's error page) is never a data file.
  if (text::Lower(doc.Root().Name()) == "html") return "is a web page, not a data file";
  const std::string name = text::Lower(file_name);
  // The files of the program's own kinds are each rooted in an element named like the file.
  for (const char* own : {"games", "teams", "stadia", "sweepoptions", "statscolumns", "links"})
    if (name == own && doc.Root().Name() != own) return OtherKindFault(doc, own);
  if (name == "games") return FirstOf({DeclarationFault(doc, "game", "gameid"), GamesFault(doc)});
  if (name == "teams") return FirstOf({DeclarationFault(doc, "team", "teamid"), TeamsFault(doc)});
  if (name == "stadia")
    return FirstOf({DeclarationFault(doc, "stadium", "stadiumid"),
                    NamedRecordsFault(doc, "stadium", "stadiumid", "a stadium", "stadiums")});
  if (name == "sweepoptions")
    return FirstOf({DeclarationFault(doc, "option", "optionid"),
                    NamedRecordsFault(doc, "option", "optionid", "a sweep option", "sweep options")});
  if (name == "statscolumns") return StatsColumnsFault(doc);
  if (name == "links") {
    if (!doc.Root().FirstElementChild() && !doc.Root().Text().empty()) return OtherKindFault(doc, "links");
    return LinksFault(doc);
  }
  if (name == "locallink") return PagesAndFilesFault(doc, true);
  if (name == "home") return PagesAndFilesFault(doc, false);
  if (name == "homeversion") return doc.Root().HasAttribute("version") ? "" : "holds no version";
  return "";
}

std::string PlayersFault(const xml::Document& doc) {
  if (!doc.HasRoot()) return "is empty";
  const xml::Node root = doc.Root();
  size_t in_teams = 0;
  for (xml::Node team : root.Children("team")) {
    if (!HasId(team, "teamid")) return "holds a team without its id";
    if (!team.Descendants("team").empty()) return "holds a team inside a team";
    for (xml::Node player : team.Children("player")) {
      if (!HasId(player, "playerid")) return "holds a player without his id";
      if (!player.Descendants("player").empty()) return "holds a player inside a player";
      ++in_teams;
    }
  }
  if (in_teams == 0) return "holds no players";
  if (root.Descendants("player").size() != in_teams || root.Descendants("team").size() != root.Children("team").size())
    return "holds players or teams outside the squads";
  return "";
}

}  // namespace kelvane::checks
