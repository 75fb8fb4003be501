// The settings document: one child element of the root per lower-case key.
#include <algorithm>
#include <cmath>

#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

constexpr double kHoursInADay = 24;

}  // namespace

// A missing or broken settings file reads as an empty one, so the program still starts.
xml::Node Pitchlog::PropertiesRoot(bool create) {
  if (!properties_) properties_ = std::make_shared<xml::Document>();
  if (!properties_->HasRoot() && create) properties_->CreateRoot("properties");
  return properties_->Root();
}

Variant Pitchlog::Properties(const std::string& attb) {
  xml::Node root = PropertiesRoot(false);
  if (!root) return Variant();
  xml::Node node = root.FirstChild(text::Lower(attb));
  if (!node) return Variant();
  return node.Text();
}

// Checked before the first change, so a key that can't be stored leaves the settings alone.
void Pitchlog::SetProperties(const std::string& attb, const Variant& value) {
  const std::string key = text::Lower(attb);
  const std::string content = value.ToString();
  xml::CheckName(key);
  xml::CheckText(content);
  xml::Node root = PropertiesRoot(true);
  xml::Node node = root.FirstChild(key);
  if (!node) node = root.AppendChild(key);
  node.SetText(content);
}

// Read whichever decimal separator wrote it. A figure of a day or more is no time zone's (a slip
// of the keyboard, a damaged file): it counts 0 like any text that is no number, instead of moving
// the kick-offs into another millennium.
float Pitchlog::TimeDifference() {
  const Variant v = Properties("timedifference");
  if (!v.IsString()) return 0;
  std::string text = v.ToString();
  std::replace(text.begin(), text.end(), ',', '.');
  const Variant number(text);
  if (!number.IsNumeric()) return 0;
  try {
    const double hours = number.ToDouble();
    return std::fabs(hours) < kHoursInADay ? static_cast<float>(hours) : 0;
  } catch (const kelvane::Error&) {
    return 0;
  }
}

std::string Pitchlog::MyTeam() { return Properties("myteam").ToString(); }
std::string Pitchlog::MyOtherTeam() { return Properties("myotherteam").ToString(); }

// Stored as decimal text; "0" goes in front so that an empty value reads as 0.
int32_t Pitchlog::ColourSetting(const char* key) { return Variant("0" + Properties(key).ToString()).ToInt32(); }

int32_t Pitchlog::MyTeamColour() { return ColourSetting("myteamcolour"); }
int32_t Pitchlog::MyOtherTeamColour() { return ColourSetting("myotherteamcolour"); }
int32_t Pitchlog::MyTeamGhost() { return ColourSetting("myteamghost"); }
int32_t Pitchlog::MyOtherTeamGhost() { return ColourSetting("myotherteamghost"); }

}  // namespace kelvane
