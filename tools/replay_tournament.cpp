// replay-tournament: plays a tournament's real results through the engine and saves them as
// a result set, e.g. the shipped "Tournament 2022":
//   replay-tournament --app-path DIR --facts tournament-2022.json --save-as "Tournament 2022"
#include <iostream>
#include <string>

#include "platform/component/create_object.h"
#include "tools/tournament_replay.h"

int main(int argc, char** argv) {
  std::string app_path, facts, save_as;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string arg = argv[i];
    if (arg == "--app-path") app_path = argv[i + 1];
    else if (arg == "--facts") facts = argv[i + 1];
    else if (arg == "--save-as") save_as = argv[i + 1];
  }
  if (app_path.empty() || facts.empty() || save_as.empty()) {
    std::cerr << "usage: replay-tournament --app-path DIR --facts FILE --save-as NAME\n";
    return 2;
  }
  try {
    auto object = kelvane::CreateObject(kelvane::kPitchlogProgId);
    auto engine = kelvane::QueryInterface<kelvane::IPitchlog>(object, kelvane::kPitchlogInterface);
    engine->SetAppPath(app_path);
    if (!engine->LoadAll().ToBool()) throw kelvane::Error(kelvane::ErrorKind::File, "cannot load " + app_path);
    kelvane::replay::PlayAll(*engine, kelvane::replay::LoadFacts(facts));
    engine->SaveScenario(save_as);
    std::cout << "saved " << app_path << "/Results/" << save_as << ".xml\n";
  } catch (const kelvane::Error& e) {
    std::cerr << "replay-tournament: " << e.Describe() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "replay-tournament: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
