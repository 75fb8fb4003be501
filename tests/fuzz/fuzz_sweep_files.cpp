// The sweep files: the first byte picks the sweep options, sweeps or members file, the rest is
// its content; then every sweep, choice and member is read, evaluated and listed.
#include "tests/fuzz/fuzz_support.h"

using fuzzing::Column;
using fuzzing::Tolerate;
using kelvane::Variant;

namespace {

constexpr const char* kFiles[] = {"sweepoptions.xml", "sweeps.xml", "members.xml"};

void ReadSweeps(kelvane::Pitchlog& engine) {
  Variant options;
  Tolerate([&] { options = engine.SweepOptionsList(); });
  for (const std::string& option : Column(options, 0))
    Tolerate([&] { engine.SweepSource(engine.SweepOptions(option, "source").ToString()); });
  Variant sweeps;
  Tolerate([&] { sweeps = engine.SweepsList(); });
  for (const std::string& sweep : Column(sweeps, 0)) {
    Tolerate([&] { engine.Sweeps(sweep, "stake"); });
    Tolerate([&] { engine.SweepMembers(sweep); });
    Tolerate([&] { engine.GenerateBidStake(sweep); });
    Tolerate([&] { engine.GenerateTeamList(sweep); });
    Tolerate([&] { engine.GeneratePlayerList(sweep); });
    Tolerate([&] { engine.GenerateNumberList(sweep); });
  }
}

void ReadMembers(kelvane::Pitchlog& engine) {
  Variant members;
  Tolerate([&] { members = engine.MembersList(); });
  for (const std::string& member : Column(members, 0)) {
    Tolerate([&] { engine.Members(member, "paid"); });
    Tolerate([&] { engine.MembersChoices(member); });
    Tolerate([&] { engine.MemberTotal(member); });
    Tolerate([&] { engine.GenerateDetails(member); });
  }
  Tolerate([&] { engine.GenerateSweeps(); });
  Tolerate([&] { engine.GenerateMembers(); });
  Tolerate([&] { engine.GenerateAccounts(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelvane::Pitchlog& engine = fuzzing::Engine();
  const size_t choice = fuzzing::Choose(data, size, std::size(kFiles));
  const std::string file = std::string("Data/") + kFiles[choice];
  fuzzing::WriteFile(file, fuzzing::Text(data, size));
  // Each file through the member that reloads it.
  Tolerate([&] {
    if (choice == 1) engine.LoadSweeps();
    else if (choice == 0) engine.LoadOthers();
    else engine.LoadAll();
  });
  Tolerate([&] { engine.LoadScript(); });
  ReadSweeps(engine);
  ReadMembers(engine);
  fuzzing::RestoreFile(file);
  return 0;
}
