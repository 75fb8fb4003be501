#include "tests/app/support/sweeps_files.h"

#include "tests/app/support/program_fixture.h"

namespace app_testing {
namespace {

QByteArray Keyed(const char* root, const char* element, const char* id, const QByteArray& body) {
  return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE ") + root + " [\n  <!ATTLIST " + element +
         " " + id + " ID #REQUIRED>\n]>\n<" + root + ">\n" + body + "</" + root + ">\n";
}

QByteArray Child(const char* name, const char* text) {
  return text ? QByteArray("<") + name + ">" + text + "</" + name + ">" : QByteArray();
}

}  // namespace

void WriteSweeps(const ProgramFolder& folder, std::initializer_list<TestSweep> sweeps) {
  QByteArray body;
  for (const TestSweep& s : sweeps) {
    body += QByteArray("  <sweep sweepid=\"") + s.key + "\">" + Child("name", s.name) +
            Child("sweepoption", s.option_key) + Child("type", s.type) + Child("stake", s.stake);
    for (const TestChoice& c : s.choices)
      body += QByteArray("<choice value=\"") + c.value + "\" memberid=\"" + c.member_key + "\">" + Child("bid", c.bid) +
              "</choice>";
    body += "</sweep>\n";
  }
  folder.Write(QStringLiteral("Data/sweeps.xml"), Keyed("sweeps", "sweep", "sweepid", body));
}

void WriteMembers(const ProgramFolder& folder, std::initializer_list<TestMember> members) {
  QByteArray body;
  for (const TestMember& m : members)
    body += QByteArray("  <member memberid=\"") + m.key + "\">" + Child("name", m.name) + Child("paid", m.paid) +
            "</member>\n";
  folder.Write(QStringLiteral("Data/members.xml"), Keyed("members", "member", "memberid", body));
}

void AddSweepOptions(const ProgramFolder& folder, std::initializer_list<TestOption> options) {
  QByteArray file = folder.Read(QStringLiteral("Data/sweepoptions.xml"));
  QByteArray added;
  for (const TestOption& o : options)
    added += QByteArray("  <option optionid=\"") + o.key + "\">" + Child("name", o.name) + Child("source", o.source) +
             Child("format", o.format) + Child("order", o.order) + Child("value", o.value) + "</option>\n";
  file.replace("</sweepoptions>", added + "</sweepoptions>");
  folder.Write(QStringLiteral("Data/sweepoptions.xml"), file);
}

}  // namespace app_testing
