// Names written in another script (Cyrillic, Greek, Chinese...) were once keyed with a "_" for
// each such letter, so that all names of one length shared a key. Records stored so take their
// name's own key when they load, and a member's choices follow him. The files are written at
// once: a member file saved alone would leave choices that a later member of the same old key
// could claim.
#include <map>

#include "engine/data/id_encoding.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

// The name's key and the key it had before, when they differ.
struct Keys {
  std::string now, before;
};
std::optional<Keys> ChangedKeys(xml::Node record) {
  const xml::Node name = record.FirstChild("name");
  if (!name) return std::nullopt;
  Keys keys{EncodeXmlTag(name.Text()), LegacyXmlTag(name.Text())};
  if (keys.now == keys.before) return std::nullopt;
  return keys;
}

// Only the record that its old key finds moves, and only to a key nobody holds.
bool UpgradeRecords(xml::Document& doc, const char* element, const char* id) {
  bool changed = false;
  if (!doc.HasRoot()) return changed;
  for (xml::Node record : doc.Root().Children(element)) {
    const auto keys = ChangedKeys(record);
    if (keys && record.Attribute(id) == keys->before && doc.ElementById(keys->before) == record &&
        !doc.ElementById(keys->now)) {
      record.SetAttribute(id, keys->now);
      changed = true;
    }
  }
  return changed;
}

// Old key to new for each member keyed anew, unless two of them had one old key, or a member
// still holds it: then the choices under it can't be told apart and stay as they are.
std::map<std::string, std::string> MovedMembers(const xml::Document& members) {
  std::map<std::string, std::string> moved;
  std::map<std::string, int> holders;
  if (!members.HasRoot()) return moved;
  for (const xml::Node& member : members.Root().Children("member")) {
    const auto keys = ChangedKeys(member);
    if (!keys || member.Attribute("memberid") != keys->now) continue;
    moved[keys->before] = keys->now;
    ++holders[keys->before];
  }
  std::erase_if(moved, [&](const auto& entry) { return holders[entry.first] > 1 || members.ElementById(entry.first); });
  return moved;
}

}  // namespace

void Pitchlog::UpgradeStoredKeys() {
  const bool members = UpgradeRecords(*members_, "member", "memberid");
  bool sweeps = UpgradeRecords(*sweeps_, "sweep", "sweepid");
  const bool tables = UpgradeRecords(*stats_tables_, "table", "tableid");
  const auto moved = MovedMembers(*members_);
  if (!moved.empty() && sweeps_->HasRoot()) {
    for (xml::Node choice : sweeps_->Root().Descendants("choice")) {
      if (const auto found = moved.find(choice.Attribute("memberid")); found != moved.end()) {
        choice.SetAttribute("memberid", found->second);
        sweeps = true;
      }
    }
  }
  // A folder that can't be written keeps the new keys in memory until the next save.
  try {
    if (members) SaveMembers();
    if (sweeps) SaveSweeps();
    if (tables) SaveDocument(*stats_tables_, DataFile("statstables.xml"));
  } catch (const kelvane::Error&) {
  }
}

}  // namespace kelvane
