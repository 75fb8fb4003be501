// Group rows of the results document: membership, the ranking's figures and the lots.
#include <limits>

#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

int16_t Checked16(int32_t value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    throw kelvane::Error(ErrorKind::Overflow, "overflow in the group points");
  return static_cast<int16_t>(value);
}

}  // namespace

xml::Node Pitchlog::GroupRow(const std::string& group, int16_t index) const {
  if (!groups_) throw kelvane::Error(ErrorKind::ObjectMissing, "the results have no groups element");
  for (xml::Node node : groups_.Children("group")) {
    if (node.Attribute("groupid") != group) continue;
    const std::vector<xml::Node> rows = node.Children("groupteam");
    if (index < 1 || static_cast<size_t>(index) > rows.size()) return {};
    return rows[static_cast<size_t>(index) - 1];
  }
  return {};
}

std::string Pitchlog::Groups(const std::string& group, int16_t index, const std::string& attb) {
  xml::Node row = GroupRow(group, index);
  if (!row) return "";
  const std::string key = text::Lower(attb);
  if (key == "teamid" || key == "deduction") return row.Attribute(key);
  xml::Node field = row.FirstChild(key);
  return field ? field.Text() : "";
}

std::string Pitchlog::GroupTeamID(const std::string& group, int16_t index) { return Groups(group, index, "teamid"); }

// Stored as decimal text; "0" goes in front so that an empty field reads as 0.
int16_t Pitchlog::GroupNumber(const std::string& group, int16_t index, const char* field) {
  return Variant("0" + Groups(group, index, field)).ToInt16();
}

int16_t Pitchlog::GroupP(const std::string& group, int16_t index) { return GroupNumber(group, index, "p"); }
int16_t Pitchlog::GroupW(const std::string& group, int16_t index) { return GroupNumber(group, index, "w"); }
int16_t Pitchlog::GroupD(const std::string& group, int16_t index) { return GroupNumber(group, index, "d"); }
int16_t Pitchlog::GroupL(const std::string& group, int16_t index) { return GroupNumber(group, index, "l"); }
int16_t Pitchlog::GroupF(const std::string& group, int16_t index) { return GroupNumber(group, index, "f"); }
int16_t Pitchlog::GroupA(const std::string& group, int16_t index) { return GroupNumber(group, index, "a"); }

int16_t Pitchlog::GroupDeduction(const std::string& group, int16_t index) {
  return GroupNumber(group, index, "deduction");
}

// Every step is a 16-bit result of its own, as the points were always counted.
int16_t Pitchlog::GroupPts(const std::string& group, int16_t index) {
  int16_t points = Checked16(3 * GroupW(group, index));
  points = Checked16(points + GroupD(group, index));
  return Checked16(points - GroupDeduction(group, index));
}

std::string Pitchlog::GroupRank(const std::string& group, int16_t index) { return Groups(group, index, "rank"); }
std::string Pitchlog::GroupPos(const std::string& group, int16_t index) { return Groups(group, index, "pos"); }

Variant Pitchlog::GroupLots(const std::string& group, int16_t index) { return Groups(group, index, "lots"); }

void Pitchlog::SetGroupLots(const std::string& group, int16_t index, const Variant& value) {
  const std::string content = value.ToString();
  xml::Node row = GroupRow(group, index);
  if (!row) return;
  xml::Node lots = row.FirstChild("lots");
  if (!lots) lots = row.AppendChild("lots");
  lots.SetText(content);
  results_changed_ = true;
}

}  // namespace kelvane
