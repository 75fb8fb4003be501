// Pages built from a temporary program folder: the shipped data, a script of short snippets
// that keep the expected pages readable, and the sweeps, members and template of each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/fixture.h"

namespace testing_support {

// <T> </T> <R> </R> <H style> </H> <D style> </D>, links <S key>name</S> and <M key>name</M>,
// "value" as the bare value, <B style>amount</B> styled "owes" or "clear", <N>name</N>,
// NO-SWEEPS, NO-MEMBERS, NO-CHOICES, NO-DETAILS, "greeting" = Hello and "echo" = {greeting}.
extern const char* const kTestScript;

// The file of that kind with its id declaration around the given elements.
std::string SweepOptionsXml(const std::string& options);
std::string SweepsXml(const std::string& sweeps);
std::string MembersXml(const std::string& members);

// <option> with its id from the name.
std::string Option(const std::string& name, const std::string& source, const std::string& format,
                   const std::string& order = "", const std::string& value = "");
// <sweep> with its id from the name and the given choices.
std::string Sweep(const std::string& name, const std::string& option, const std::string& type,
                  const std::string& choices = "", const std::string& stake = "");
// <choice> of a member by name; a bid only when given.
std::string Choice(const std::string& value, const std::string& member, const std::string& bid = "");
// <member> with its id from the name; paid only when given.
std::string Member(const std::string& name, const std::string& paid = "");

class SweepPages : public ::testing::Test {
 protected:
  SweepPages();

  // Writes the sweeps and members files (options are left as they are unless given).
  void WriteData(const std::string& sweeps, const std::string& members, const std::string& options = "");
  // Writes the template as "page.html", generates the page about `parm` and reads it back.
  std::vector<std::string> Page(const std::string& template_text, const std::string& parm = "");
  // The page as an outside caller reads it: ScriptLine(0) to ScriptLine(ScriptUBound).
  std::vector<std::string> ReadPage();

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

// Money as the generators write it for this user.
std::string Money(double amount);

}  // namespace testing_support
