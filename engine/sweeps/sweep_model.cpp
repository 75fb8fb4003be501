// The sweep options, sweeps and members files: sweeps, members, choices, bids and payments.
#include <algorithm>

#include "engine/data/id_encoding.h"
#include "engine/data/text.h"
#include "engine/pitchlog.h"
#include "engine/sweeps/member_costs.h"

namespace kelvane {
namespace {

// The element whose declared id is the key of the name; null when there is none.
xml::Node ByKey(const xml::Document& doc, const std::string& name) { return doc.ElementById(EncodeXmlTag(name)); }

// The text of the element's child; Empty when the element or the child is missing. An empty
// name would match the first child of any name.
Variant ChildText(xml::Node element, const std::string& attb) {
  if (!element || attb.empty()) return Variant();
  xml::Node field = element.FirstChild(text::Lower(attb));
  return field ? Variant(field.Text()) : Variant();
}

// The first child of that name, appended when missing.
xml::Node Field(xml::Node element, const char* name) {
  xml::Node field = element.FirstChild(name);
  return field ? field : element.AppendChild(name);
}

// The root of a keyed file, created with its id declaration when the file was missing, so
// that what is added can be found again.
xml::Node KeyedRoot(xml::Document& doc, const std::string& root, const std::string& element,
                    const std::string& id) {
  if (!doc.HasRoot() && !doc.LoadText("<!DOCTYPE " + root + " [\n  <!ATTLIST " + element + " " + id +
                                      " ID #REQUIRED>\n]>\n<" + root + "/>\n"))
    throw kelvane::Error(ErrorKind::Other, "cannot create the " + root + " document: " + doc.ParseError());
  return doc.Root();
}

// Whether the element may take the key: two elements with one id would make a file whose
// lookups find only one of them. The element's own key (a change of letter case) is free.
bool KeyFreeFor(const xml::Document& doc, xml::Node element, const std::string& key) {
  const xml::Node holder = doc.ElementById(key);
  return !holder || holder == element;
}

bool Blank(const Variant& v) { return v.IsEmpty() || (v.IsString() && v.ToString().empty()); }

// The column that the next element fills: the last one, or a new one when the last holds a
// first value. So an empty list is one empty column.
int32_t NextColumn(Array& list) {
  int32_t last = list.UBound(list.Dimensions());
  if (!Blank(list.Dimensions() == 1 ? list.at(last) : list.at(0, last))) list.RedimPreserve(++last);
  return last;
}

// The texts of every `name` element of the file; one "" when there is none.
Variant NameList(const xml::Document& doc) {
  std::vector<xml::Node> names;
  if (doc.HasRoot()) names = doc.Root().Descendants("name");
  Array list(0, std::max<int32_t>(static_cast<int32_t>(names.size()) - 1, 0), Array::Elements::String);
  for (size_t i = 0; i < names.size(); ++i) list.Set(static_cast<int32_t>(i), names[i].Text());
  return list;
}

// The sweep's choice of that value; null when there is none.
xml::Node FindChoice(xml::Node sweep, const std::string& value) {
  for (const xml::Node& choice : sweep.Children("choice"))
    if (choice.Attribute("value") == value) return choice;
  return xml::Node();
}

}  // namespace

void Pitchlog::LoadSweeps() {
  sweeps_ = LoadDataDocument(DataFile("sweeps.xml"), "Sweeps: ");
  UpgradeStoredKeys();
}
void Pitchlog::SaveSweeps() { SaveDocument(*sweeps_, DataFile("sweeps.xml")); }
void Pitchlog::SaveMembers() { SaveDocument(*members_, DataFile("members.xml")); }

Variant Pitchlog::SweepOptionsList() { return NameList(*sweep_options_); }
Variant Pitchlog::SweepsList() { return NameList(*sweeps_); }

Variant Pitchlog::MembersList() {
  Array list(0, 0);
  if (members_->HasRoot())
    for (const xml::Node& member : members_->Root().Children("member"))
      list.Set(NextColumn(list), ChildText(member, "name"));
  return list;
}

Variant Pitchlog::SweepOptions(const std::string& name, const std::string& attb) {
  return ChildText(ByKey(*sweep_options_, name), attb);
}
Variant Pitchlog::Sweeps(const std::string& name, const std::string& attb) {
  return ChildText(ByKey(*sweeps_, name), attb);
}
Variant Pitchlog::Members(const std::string& member, const std::string& attb) {
  return ChildText(ByKey(*members_, member), attb);
}

bool Pitchlog::SweepExists(const std::string& name) { return static_cast<bool>(ByKey(*sweeps_, name)); }
bool Pitchlog::MemberExists(const std::string& member) { return static_cast<bool>(ByKey(*members_, member)); }

// Built apart first, so a name that XML cannot hold leaves the document as it was. An empty
// name makes no key, and a sweep without a key could never be found again.
void Pitchlog::AddSweep(const std::string& sweep, const std::string& sweep_option, const std::string& sweep_type,
                        double stake) {
  const std::string key = EncodeXmlTag(sweep);
  if (key.empty() || SweepExists(sweep)) return;
  xml::Document scratch;
  xml::Node added = scratch.CreateRoot("sweep");
  added.SetAttribute("sweepid", key);
  added.AppendChild("name").SetText(sweep);
  added.AppendChild("sweepoption").SetText(EncodeXmlTag(sweep_option));
  added.AppendChild("type").SetText(sweep_type);
  if (sweep_type == "stake") added.AppendChild("stake").SetText(Variant(stake).ToString());
  KeyedRoot(*sweeps_, "sweeps", "sweep", "sweepid").AppendCopy(added);
  SaveSweeps();
}

// The name first: a name that XML cannot hold then leaves the sweep as it was.
void Pitchlog::SweepRename(const std::string& sweep, const std::string& new_name) {
  xml::Node found = ByKey(*sweeps_, sweep);
  if (new_name.empty() || !found) return;
  const std::string key = EncodeXmlTag(new_name);
  if (!KeyFreeFor(*sweeps_, found, key)) return;
  Field(found, "name").SetText(new_name);
  found.SetAttribute("sweepid", key);
}

void Pitchlog::SweepRemove(const std::string& sweep) {
  if (xml::Node found = ByKey(*sweeps_, sweep)) found.Remove();
}

void Pitchlog::AddMember(const std::string& member) {
  if (member.empty() || MemberExists(member)) return;
  xml::Document scratch;
  xml::Node added = scratch.CreateRoot("member");
  added.SetAttribute("memberid", EncodeXmlTag(member));
  added.AppendChild("name").SetText(member);
  KeyedRoot(*members_, "members", "member", "memberid").AppendCopy(added);
}

// The member's choices move to the new key in every sweep. A key that another member holds is
// refused: the two members would merge, choices and all.
void Pitchlog::MemberRename(const std::string& member, const std::string& new_name) {
  xml::Node found = ByKey(*members_, member);
  if (new_name.empty() || !found) return;
  const std::string old_key = EncodeXmlTag(member);
  const std::string key = EncodeXmlTag(new_name);
  if (!KeyFreeFor(*members_, found, key)) return;
  Field(found, "name").SetText(new_name);
  found.SetAttribute("memberid", key);
  if (key == old_key || !sweeps_->HasRoot()) return;
  for (xml::Node choice : sweeps_->Root().Descendants("choice"))
    if (choice.Attribute("memberid") == old_key) choice.SetAttribute("memberid", key);
}

void Pitchlog::MemberRemove(const std::string& member) {
  if (xml::Node found = ByKey(*members_, member)) found.Remove();
}

void Pitchlog::SetMemberPaid(const std::string& member, const Variant& value) {
  xml::Node found = ByKey(*members_, member);
  if (!found) return;
  const std::string paid = value.ToString();
  Field(found, "paid").SetText(paid);
}

// A value chosen already changes hands in place, keeping its bid.
void Pitchlog::SetSweepMember(const std::string& sweep, const Variant& choice, const std::string& member) {
  xml::Node found = ByKey(*sweeps_, sweep);
  if (!found) return;
  const std::string value = choice.ToString();
  const std::string key = EncodeXmlTag(member);
  if (xml::Node chosen = FindChoice(found, value)) {
    chosen.SetAttribute("memberid", key);
    return;
  }
  xml::Document scratch;
  xml::Node added = scratch.CreateRoot("choice");
  added.SetAttribute("value", value);
  added.SetAttribute("memberid", key);
  found.AppendCopy(added);
}

void Pitchlog::SetSweepBid(const std::string& sweep, const Variant& choice, double value) {
  xml::Node found = ByKey(*sweeps_, sweep);
  if (!found) return;
  if (xml::Node chosen = FindChoice(found, choice.ToString())) Field(chosen, "bid").SetText(Variant(value).ToString());
}

void Pitchlog::SweepChoiceClear(const std::string& sweep, const Variant& choice) {
  xml::Node found = ByKey(*sweeps_, sweep);
  if (!found) return;
  if (xml::Node chosen = FindChoice(found, choice.ToString())) chosen.Remove();
}

// Columns: member key, value, bid. A choice without a member key reads as held by nobody.
// Every cell of a column is written, so a column taken over keeps nothing of the one before.
Variant Pitchlog::SweepMembers(const std::string& name) {
  xml::Node found = ByKey(*sweeps_, name);
  if (!found) return Variant();
  Array list(0, 2, 0, 0);
  for (const xml::Node& choice : found.Children("choice")) {
    const int32_t column = NextColumn(list);
    list.Set(0, column, choice.Attribute("memberid"));
    list.Set(1, column, choice.Attribute("value"));
    list.Set(2, column, ChildText(choice, "bid"));
  }
  return list;
}

// Columns: the sweep's name, the choice as shown (a team or player by name), the cost; only the
// choices that count for the member (member_costs.h), so that the total is the sum of the costs.
Variant Pitchlog::MembersChoices(const std::string& member) {
  const std::string key = EncodeXmlTag(member);
  Array list(0, 2, 0, 0);
  for (const xml::Node& sweep : member_costs::CountedSweeps(*sweeps_)) {
    const Variant option = ChildText(sweep, "sweepoption");
    const std::string format = option.IsEmpty() ? "" : SweepOptions(option.ToString(), "format").ToString();
    for (const xml::Node& choice : sweep.Children("choice")) {
      if (choice.Attribute("memberid") != key) continue;
      std::string shown = choice.Attribute("value");
      if (format == "teamlist")
        shown = TeamName(shown);
      else if (format == "playerlist")
        shown = PlayerName(shown);
      const int32_t column = NextColumn(list);
      list.Set(0, column, ChildText(sweep, "name"));
      list.Set(1, column, shown);
      list.Set(2, column, member_costs::Cost(sweep, choice));
    }
  }
  return list;
}

}  // namespace kelvane
