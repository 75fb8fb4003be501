// The dispatch table: every member of the engine's interface by name, for callers that reach
// the engine by name (scripts, kelvane-call). Each topic keeps its own rows.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/pitchlog_interface.h"
#include "platform/component/dispatch.h"
#include "platform/component/dispatch_args.h"

namespace kelvane::dispatch {

struct Member {
  const char* name;
  Variant (*get)(IPitchlog&, Args&);  // a method or property get; nullptr when there is none
  void (*let)(IPitchlog&, Args&);     // a property let, the value last; nullptr when read-only
};

using Rows = std::span<const Member>;

Rows DocumentMembers();
Rows SettingsMembers();
Rows ResultSetMembers();
Rows StatsTableMembers();
Rows FixtureMembers();
Rows ResultMembers();
Rows PlayerMembers();
Rows GoalMembers();
Rows ScoringMembers();
Rows DownloadMembers();
Rows StatisticsMembers();
Rows SweepMembers();
Rows ProposalMembers();
Rows UnreadableFileMembers();

// Finds the member without regard to case and calls it.
Variant Call(IPitchlog& object, std::string_view name, CallKind kind, std::vector<Variant>& args);
// Every member name, in table order.
std::vector<std::string> MemberNames();

}  // namespace kelvane::dispatch
