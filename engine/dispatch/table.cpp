#include "engine/dispatch/table.h"

#include <unordered_map>

#include "engine/data/text.h"

namespace kelvane::dispatch {
namespace {

std::vector<Rows> AllRows() {
  return {
      DocumentMembers(),
      SettingsMembers(),
      ResultSetMembers(),
      StatsTableMembers(),
      FixtureMembers(),
      ResultMembers(),
      ScoringMembers(),
      PlayerMembers(),
      GoalMembers(),
      DownloadMembers(),
      StatisticsMembers(),
      SweepMembers(),
      ProposalMembers(),
      UnreadableFileMembers(),
  };
}

const std::unordered_map<std::string, const Member*>& Index() {
  static const auto index = [] {
    std::unordered_map<std::string, const Member*> map;
    for (Rows rows : AllRows())
      for (const Member& m : rows) map.emplace(text::Lower(m.name), &m);
    return map;
  }();
  return index;
}

}  // namespace

Variant Call(IPitchlog& object, std::string_view name, CallKind kind, std::vector<Variant>& args) {
  auto it = Index().find(text::Lower(name));
  if (it == Index().end()) throw Error(ErrorKind::Other, "the engine has no member named " + std::string(name));
  const Member& m = *it->second;
  Args a(m.name, args);
  if (kind == CallKind::Let) {
    if (!m.let) throw Error(ErrorKind::Other, std::string(m.name) + " cannot be assigned");
    m.let(object, a);
    return Variant();
  }
  if (!m.get) throw Error(ErrorKind::Other, std::string(m.name) + " can only be assigned");
  return m.get(object, a);
}

std::vector<std::string> MemberNames() {
  std::vector<std::string> names;
  for (Rows rows : AllRows())
    for (const Member& m : rows) names.emplace_back(m.name);
  return names;
}

}  // namespace kelvane::dispatch
