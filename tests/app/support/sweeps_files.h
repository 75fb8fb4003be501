// Writes the sweeps and members files of a test folder for the case at hand. Names are written
// with their keys, which the tests spell out ("Office Pool" is "office_pool").
#pragma once

#include <initializer_list>
#include <vector>

#include <QByteArray>
#include <QString>

namespace app_testing {

class ProgramFolder;

struct TestChoice {
  const char* value;
  const char* member_key;
  const char* bid = nullptr;  // no bid element when null
};

struct TestSweep {
  const char* name;
  const char* key;
  const char* option_key;
  const char* type;  // "fun", "stake" or "bid"
  const char* stake = nullptr;
  std::vector<TestChoice> choices = {};
};

struct TestMember {
  const char* name;
  const char* key;
  const char* paid = nullptr;  // no paid element when null
};

void WriteSweeps(const ProgramFolder& folder, std::initializer_list<TestSweep> sweeps);
void WriteMembers(const ProgramFolder& folder, std::initializer_list<TestMember> members);

// Appends sweep options to the shipped ones: {key, name, source, format, order, value}.
struct TestOption {
  const char* key;
  const char* name;
  const char* source;
  const char* format;
  const char* order;
  const char* value;
};
void AddSweepOptions(const ProgramFolder& folder, std::initializer_list<TestOption> options);

}  // namespace app_testing
