// Data files that exist but can't be read: the engine names them, and the first save keeps the
// old file under a new name instead of writing what little memory holds over it.
#include <gtest/gtest.h>

#include <functional>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::NewEngine;

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

const std::string kMembers = kDeclaration +
    "<!DOCTYPE members [<!ATTLIST member memberid ID #REQUIRED>]>\n"
    "<members><member memberid=\"jos_\"><name>Jos\xC3\xA9</name><paid>12.5</paid></member>"
    "<member memberid=\"eva\"><name>Eva</name><paid>4</paid></member></members>\n";
const std::string kSweeps = kDeclaration +
    "<!DOCTYPE sweeps [<!ATTLIST sweep sweepid ID #REQUIRED>]>\n"
    "<sweeps><sweep sweepid=\"copa\"><name>Copa Am\xC3\xA9rica</name><sweepoption>winner</sweepoption><type>fun</type>"
    "<choice value=\"BRA\" memberid=\"jos_\"/></sweep></sweeps>\n";
const std::string kPlayers = kDeclaration +
    "<!DOCTYPE players [<!ATTLIST team teamid ID #REQUIRED><!ATTLIST player playerid ID #REQUIRED>]>\n"
    "<players><team teamid=\"ESP\"><player playerid=\"ESP01\"><playername>JOS\xC3\x89</playername>"
    "<shirt>1</shirt></player></team></players>\n";
const std::string kStatsTables = kDeclaration +
    "<!DOCTYPE statstables [<!ATTLIST table tableid ID #REQUIRED>]>\n"
    "<statstables><table tableid=\"s_ries\"><type>teams</type><name>S\xC3\xA9ries</name><stage>0</stage>"
    "<system>true</system></table></statstables>\n";

kelvane::Variant OneColumnLayout() {
  kelvane::Array layout(0, 4, 0, 0);
  for (int32_t row = 0; row < 5; ++row) layout.Set(row, 0, "1");
  return layout;
}

struct FileKind {
  const char* file;           // below Data
  const std::string* readable;
  std::function<void(kelvane::Pitchlog&)> change_and_save;
  const char* added;          // what the change writes
  const char* held;           // a record of the readable file
};

const FileKind kKinds[] = {
    {"members.xml", &kMembers, [](kelvane::Pitchlog& e) { e.AddMember("Anna"); e.SaveMembers(); }, "Anna", "Jos\xC3\xA9"},
    {"sweeps.xml", &kSweeps, [](kelvane::Pitchlog& e) { e.AddSweep("Anna's pool", "Winner", "fun"); }, "Anna", "Copa"},
    {"players.xml", &kPlayers, [](kelvane::Pitchlog& e) { e.AddPlayer("ESP", 24, "ANNA"); e.SavePlayers(); }, "ANNA", "JOS\xC3\x89"},
    {"statstables.xml", &kStatsTables,
     [](kelvane::Pitchlog& e) { e.SaveStats("Anna", OneColumnLayout(), "teams", 0, false, 1, "asc"); }, "Anna", "S\xC3\xA9ries"},
};

// What a Windows editor leaves: Latin-1 under a UTF-8 declaration, Latin-1 without one, a file
// that holds only a line break.
std::string Latin1(const std::string& utf8) {
  std::string text = utf8;
  for (auto [from, to] : {std::pair<std::string, std::string>{"\xC3\xA9", "\xE9"}, {"\xC3\x89", "\xC9"}})
    for (size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
  return text;
}
std::string Latin1Undeclared(const std::string& text) { return Latin1(text.substr(kDeclaration.size())); }
std::string LineBreak(const std::string&) { return "\n"; }

struct Damage {
  const char* name;
  std::string (*make)(const std::string&);
};
const Damage kDamages[] = {{"Latin-1 declared UTF-8", &Latin1}, {"Latin-1 undeclared", &Latin1Undeclared},
                           {"a line break", &LineBreak}};

std::string Kept(const std::string& file) {
  return "Data/" + file.substr(0, file.size() - 4) + " (unreadable).xml";
}

TEST(UnreadableFiles, ShippedDataHasNone) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_TRUE(engine->UnreadableFiles().IsEmpty());
}

TEST(UnreadableFiles, AreNamedAndKeptWholeBeforeTheNextSave) {
  for (const FileKind& kind : kKinds) {
    for (const Damage& damage : kDamages) {
      SCOPED_TRACE(std::string(kind.file) + " holding " + damage.name);
      AppFolder app;
      const std::string file = std::string("Data/") + kind.file;
      const std::string bytes = damage.make(*kind.readable);
      app.Write(file, bytes);
      auto engine = NewEngine(app);
      ASSERT_TRUE(engine->LoadAll().ToBool());

      const kelvane::Variant named = engine->UnreadableFiles();
      ASSERT_TRUE(named.IsArray());
      const kelvane::Array& list = named.AsArray();
      ASSERT_EQ(list.UBound(2), 0);
      EXPECT_EQ(list.at(0, 0).ToString(), file);
      EXPECT_EQ(list.at(1, 0).ToString(), Kept(kind.file));

      kind.change_and_save(*engine);
      EXPECT_EQ(app.Read(Kept(kind.file)), bytes) << "the old file is kept byte for byte";
      EXPECT_NE(app.Read(file).find(kind.added), std::string::npos);
      EXPECT_TRUE(engine->UnreadableFiles().IsEmpty());
    }
  }
}

TEST(UnreadableFiles, AReadableFileIsSavedInPlaceWithEveryRecord) {
  for (const FileKind& kind : kKinds) {
    SCOPED_TRACE(kind.file);
    AppFolder app;
    const std::string file = std::string("Data/") + kind.file;
    app.Write(file, *kind.readable);
    auto engine = NewEngine(app);
    ASSERT_TRUE(engine->LoadAll().ToBool());
    EXPECT_TRUE(engine->UnreadableFiles().IsEmpty());
    kind.change_and_save(*engine);
    EXPECT_FALSE(app.Exists(Kept(kind.file)));
    EXPECT_NE(app.Read(file).find(kind.held), std::string::npos) << app.Read(file);
  }
}

TEST(UnreadableFiles, AnEarlierKeptCopyIsNeverOverwritten) {
  AppFolder app;
  app.Write("Data/members (unreadable).xml", "earlier");
  app.Write("Data/members.xml", "\n");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(engine->UnreadableFiles().AsArray().at(1, 0).ToString(), "Data/members (unreadable 2).xml");
  engine->AddMember("Anna");
  engine->SaveMembers();
  engine->SaveMembers();
  EXPECT_EQ(app.Read("Data/members (unreadable).xml"), "earlier");
  EXPECT_EQ(app.Read("Data/members (unreadable 2).xml"), "\n");
  EXPECT_FALSE(app.Exists("Data/members (unreadable 3).xml")) << "the file saved once is the engine's own";
}

TEST(UnreadableFiles, AreListedInLoadOrderAndForgottenOnceReadable) {
  AppFolder app;
  app.Write("Data/sweeps.xml", "\n");
  app.Write("Data/statscolumns.xml", "<broken>");
  app.Write("Data/members.xml", Latin1(kMembers));
  app.Remove("Data/links.xml");  // missing is not unreadable
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  const kelvane::Array list = engine->UnreadableFiles().AsArray();
  ASSERT_EQ(list.UBound(2), 2);
  EXPECT_EQ(list.at(0, 0).ToString(), "Data/sweeps.xml");
  EXPECT_EQ(list.at(0, 1).ToString(), "Data/members.xml");
  EXPECT_EQ(list.at(0, 2).ToString(), "Data/statscolumns.xml");

  app.Write("Data/sweeps.xml", kSweeps);
  engine->LoadSweeps();
  EXPECT_EQ(engine->UnreadableFiles().AsArray().UBound(2), 1);
  std::vector<kelvane::Variant> no_args;
  const kelvane::Variant by_name = engine->Invoke("unreadablefiles", kelvane::CallKind::Get, no_args);
  EXPECT_EQ(by_name.AsArray().at(0, 0).ToString(), "Data/members.xml");
}

// A save that fails (here: nothing to save) leaves the unreadable file where it was, still named.
TEST(UnreadableFiles, AFailedSavePutsTheFileBack) {
  AppFolder app;
  app.Write("Data/members.xml", "\n");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(testing_support::ErrorOf([&] { engine->SaveMembers(); }), kelvane::ErrorKind::Other);
  EXPECT_EQ(app.Read("Data/members.xml"), "\n");
  EXPECT_FALSE(app.Exists(Kept("members.xml")));
  ASSERT_TRUE(engine->UnreadableFiles().IsArray());
  EXPECT_EQ(engine->UnreadableFiles().AsArray().at(0, 0).ToString(), "Data/members.xml");
  engine->AddMember("Anna");
  engine->SaveMembers();
  EXPECT_EQ(app.Read(Kept("members.xml")), "\n");
}

// Without its declaration (another tool wrote it) a file is read whole, and saved with the
// declaration; a file of another kind is set aside like one that can't be read.
std::string WithoutDeclaration(const std::string& text) {
  const size_t from = text.find("<!DOCTYPE"), to = text.find("]>\n", from);
  return text.substr(0, from) + text.substr(to + 3);
}

TEST(UnreadableFiles, AFileWithoutItsDeclarationIsReadWhole) {
  AppFolder app;
  app.Write("Data/members.xml", WithoutDeclaration(kMembers));
  app.Write("Data/sweeps.xml", WithoutDeclaration(kSweeps));
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_TRUE(engine->UnreadableFiles().IsEmpty());
  EXPECT_EQ(engine->Members("Jos\xC3\xA9", "paid").ToString(), "12.5");
  EXPECT_TRUE(engine->SweepExists("Copa"));
  EXPECT_EQ(engine->MemberTotal("Eva"), 0.0);
  engine->SetMemberPaid("Eva", 30.0);
  engine->SaveMembers();
  engine->AddSweep("Second", "Winner", "fun");

  auto again = NewEngine(app);
  ASSERT_TRUE(again->LoadAll().ToBool());
  EXPECT_EQ(again->Members("Eva", "paid").ToString(), "30");
  EXPECT_EQ(again->Members("Jos\xC3\xA9", "paid").ToString(), "12.5");
  EXPECT_TRUE(again->SweepExists("Second"));
  EXPECT_NE(app.Read("Data/members.xml").find("<!DOCTYPE members"), std::string::npos);
}

TEST(UnreadableFiles, AFileOfAnotherKindIsSetAside) {
  AppFolder app;
  app.Write("Data/members.xml", kSweeps);
  app.Write("Data/sweeps.xml", kMembers);
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  const kelvane::Array list = engine->UnreadableFiles().AsArray();
  ASSERT_EQ(list.UBound(2), 1);
  EXPECT_EQ(list.at(0, 0).ToString(), "Data/sweeps.xml");
  EXPECT_EQ(list.at(0, 1).ToString(), "Data/members.xml");
  engine->AddMember("Anna");
  engine->SaveMembers();
  EXPECT_EQ(app.Read(Kept("members.xml")), kSweeps);
}

}  // namespace
