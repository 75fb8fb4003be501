// The page generator: the first byte picks whether the rest is the script snippets file or a
// page template, and the page about a member is generated and read back line by line.
#include "tests/fuzz/fuzz_support.h"

using fuzzing::Tolerate;
using kelvane::Variant;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelvane::Pitchlog& engine = fuzzing::Engine();
  const bool script = fuzzing::Choose(data, size, 2) == 0;
  const std::string file = script ? "Data/script.xml" : "Templates/fuzz.html";
  fuzzing::WriteFile(file, fuzzing::Text(data, size));
  Tolerate([&] { engine.GeneratePage(script ? "member.html" : "fuzz.html", "Ann"); });
  Tolerate([&] { engine.GetScript("tdstart", "align=\"right\""); });
  int16_t last = -1;
  Tolerate([&] { last = engine.ScriptUBound(); });
  for (int16_t i = 0; i <= last; ++i) Tolerate([&] { engine.ScriptLine(Variant(i)); });
  if (script) fuzzing::RestoreFile(file);
  return 0;
}
