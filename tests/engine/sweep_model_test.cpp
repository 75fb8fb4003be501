// Sweeps, members and choices: the three sweep files and the members over them.
#include <gtest/gtest.h>

#include "platform/xml/document.h"
#include "tests/engine/fixture.h"

using kelvane::Array;
using kelvane::Variant;
using testing_support::AppFolder;
using testing_support::NewEngine;

namespace {

const char* kOptions = R"(<?xml version="1.0"?>
<!DOCTYPE sweepoptions [<!ATTLIST option optionid ID #REQUIRED>]>
<sweepoptions>
  <option optionid="winner"><name>Winner</name><source>Place(1)</source><format>teamlist</format></option>
  <option optionid="top_scorer"><name>Top Scorer</name><source>PlayerTotals(0,0,?)</source>
    <format>playerlist</format><value>Goals</value></option>
  <option optionid="total_goals"><name>Total Goals</name><format>number</format></option>
</sweepoptions>
)";

const char* kSweeps = R"(<?xml version="1.0"?>
<!DOCTYPE sweeps [<!ATTLIST sweep sweepid ID #REQUIRED>]>
<sweeps>
  <sweep sweepid="office_pool"><name>Office Pool</name><sweepoption>winner</sweepoption><type>stake</type>
    <stake>2.5</stake>
    <choice value="ENG" memberid="ann"/>
    <choice value="NED" memberid="bob"><bid>4</bid></choice>
    <choice value="QAT" memberid="ann"/>
  </sweep>
  <sweep sweepid="scorers"><name>Scorers</name><sweepoption>top_scorer</sweepoption><type>bid</type>
    <choice value="ENG09" memberid="bob"><bid>3.25</bid></choice>
    <choice value="NED08" memberid="ann"/>
  </sweep>
  <sweep sweepid="goals"><name>Goals</name><sweepoption>total_goals</sweepoption><type>fun</type>
    <choice value="170" memberid="ann"/>
  </sweep>
  <sweep sweepid="empty"><name>Empty</name><sweepoption>winner</sweepoption><type>bid</type></sweep>
</sweeps>
)";

const char* kMembers = R"(<?xml version="1.0"?>
<!DOCTYPE members [<!ATTLIST member memberid ID #REQUIRED>]>
<members>
  <member memberid="ann"><name>Ann</name><paid>5</paid></member>
  <member memberid="bob"><name>Bob</name></member>
</members>
)";

class SweepModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Write("Data/sweepoptions.xml", kOptions);
    app_.Write("Data/sweeps.xml", kSweeps);
    app_.Write("Data/members.xml", kMembers);
    ASSERT_TRUE(engine_->LoadAll().ToBool());
  }

  // The columns of a (0 To 2, 0 To n) list, each as "row0|row1|row2".
  static std::vector<std::string> Columns(const Variant& list) {
    const Array& a = list.AsArray();
    EXPECT_EQ(a.UBound(1), 2);
    std::vector<std::string> columns;
    for (int32_t j = 0; j <= a.UBound(2); ++j)
      columns.push_back(a.at(0, j).ToString() + "|" + a.at(1, j).ToString() + "|" + a.at(2, j).ToString());
    return columns;
  }

  // The engine as a fresh start would see the files.
  std::unique_ptr<kelvane::Pitchlog> Reloaded() {
    auto engine = NewEngine(app_);
    EXPECT_TRUE(engine->LoadAll().ToBool());
    return engine;
  }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

std::vector<std::string> Strings(const Variant& list) {
  const Array& a = list.AsArray();
  std::vector<std::string> out;
  for (int32_t i = 0; i <= a.UBound(1); ++i) out.push_back(a.at(i).ToString());
  return out;
}

TEST_F(SweepModelTest, NamesAndFieldsByKey) {
  EXPECT_EQ(Strings(engine_->SweepOptionsList()), (std::vector<std::string>{"Winner", "Top Scorer", "Total Goals"}));
  EXPECT_EQ(Strings(engine_->SweepsList()), (std::vector<std::string>{"Office Pool", "Scorers", "Goals", "Empty"}));
  EXPECT_EQ(engine_->SweepsList().AsArray().elements(), Array::Elements::String);
  EXPECT_EQ(Strings(engine_->MembersList()), (std::vector<std::string>{"Ann", "Bob"}));

  // Any name with the same key finds the entry.
  EXPECT_EQ(engine_->SweepOptions("TOP SCORER", "format"), Variant("playerlist"));
  EXPECT_EQ(engine_->Sweeps("office pool", "stake"), Variant("2.5"));
  EXPECT_EQ(engine_->Members("ANN", "paid"), Variant("5"));
  EXPECT_TRUE(engine_->SweepExists("Office-Pool"));
  EXPECT_TRUE(engine_->MemberExists("bob"));

  // Missing entries, missing fields and names that match nothing are Empty, never errors.
  EXPECT_TRUE(engine_->SweepOptions("Total Goals", "value").IsEmpty());
  EXPECT_TRUE(engine_->Sweeps("Nobody's", "name").IsEmpty());
  EXPECT_TRUE(engine_->Members("Bob", "paid").IsEmpty());
  EXPECT_TRUE(engine_->Members("Ann", "").IsEmpty());
  EXPECT_TRUE(engine_->Members("", "name").IsEmpty());
  EXPECT_TRUE(engine_->Sweeps("Office Pool", "choice/@value").IsEmpty());
  EXPECT_FALSE(engine_->SweepExists("Ann"));
  EXPECT_FALSE(engine_->MemberExists(""));
}

TEST_F(SweepModelTest, EmptyOrMissingFilesGiveOneEmptyRow) {
  app_.Write("Data/sweepoptions.xml", "<?xml version=\"1.0\"?><sweepoptions><option/></sweepoptions>");
  app_.Remove("Data/sweeps.xml");
  app_.Write("Data/members.xml", "<members><broken></members>");
  ASSERT_TRUE(engine_->LoadAll().ToBool());
  for (const Variant& list : {engine_->SweepOptionsList(), engine_->SweepsList()}) {
    ASSERT_EQ(list.AsArray().UBound(1), 0);
    EXPECT_EQ(list.AsArray().at(0), Variant(""));
  }
  const Variant members = engine_->MembersList();
  ASSERT_EQ(members.AsArray().UBound(1), 0);
  EXPECT_TRUE(members.AsArray().at(0).IsEmpty());
  EXPECT_EQ(Columns(engine_->MembersChoices("Ann")), (std::vector<std::string>{"||"}));
  EXPECT_EQ(engine_->MemberTotal("Ann"), 0);
  EXPECT_TRUE(engine_->SweepMembers("Office Pool").IsEmpty());

  // Changes to entries that are not there have no effect.
  engine_->SweepRename("Office Pool", "New");
  engine_->SweepRemove("Office Pool");
  engine_->MemberRename("Ann", "Anne");
  engine_->MemberRemove("Ann");
  engine_->SetMemberPaid("Ann", 3.0);
  engine_->SetSweepMember("Office Pool", "ENG", "Ann");
  engine_->SetSweepBid("Office Pool", "ENG", 1.0);
  engine_->SweepChoiceClear("Office Pool", "ENG");
  EXPECT_FALSE(engine_->SweepExists("New"));
  EXPECT_FALSE(app_.Exists("Data/sweeps.xml"));
}

TEST_F(SweepModelTest, SweepMembersListsChoicesByTheListRule) {
  EXPECT_EQ(Columns(engine_->SweepMembers("Office Pool")),
            (std::vector<std::string>{"ann|ENG|", "bob|NED|4", "ann|QAT|"}));
  EXPECT_EQ(Columns(engine_->SweepMembers("Empty")), (std::vector<std::string>{"||"}));
  EXPECT_TRUE(engine_->SweepMembers("Nothing").IsEmpty());

  // A hand-edited choice without a member reads as held by nobody; the next choice takes its
  // column whole, bid cell included.
  app_.Write("Data/sweeps.xml", R"(<!DOCTYPE sweeps [<!ATTLIST sweep sweepid ID #REQUIRED>]>
<sweeps><sweep sweepid="s"><name>S</name><type>bid</type>
  <choice value="ENG"><bid>9</bid></choice><choice value="NED" memberid="bob"/>
  <choice value="QAT"/></sweep></sweeps>)");
  engine_->LoadSweeps();
  EXPECT_EQ(Columns(engine_->SweepMembers("S")), (std::vector<std::string>{"bob|NED|", "|QAT|"}));
  engine_->SetSweepMember("S", "QAT", "Ann");
  EXPECT_EQ(Columns(engine_->SweepMembers("S")), (std::vector<std::string>{"bob|NED|", "ann|QAT|"}));
}

TEST_F(SweepModelTest, ChoicesChangeHandsBidsAndGoAway) {
  // Chosen already: the member changes in place and the bid stays.
  engine_->SetSweepMember("Office Pool", "NED", "Ann");
  // Not chosen yet: appended last; a number is matched and stored as text.
  engine_->SetSweepMember("Office Pool", int16_t{7}, "Bob");
  engine_->SetSweepBid("Office Pool", 7.0, 1.5);
  // A bid never makes a choice.
  engine_->SetSweepBid("Office Pool", "ARG", 2.0);
  EXPECT_EQ(Columns(engine_->SweepMembers("Office Pool")),
            (std::vector<std::string>{"ann|ENG|", "ann|NED|4", "ann|QAT|", "bob|7|1.5"}));

  engine_->SweepChoiceClear("Office Pool", "NED");
  engine_->SweepChoiceClear("Office Pool", "ARG");
  engine_->SweepChoiceClear("Nothing", "ENG");
  EXPECT_EQ(Columns(engine_->SweepMembers("Office Pool")),
            (std::vector<std::string>{"ann|ENG|", "ann|QAT|", "bob|7|1.5"}));

  // Nothing is written until the sweeps are saved; loading again drops the changes.
  engine_->LoadSweeps();
  EXPECT_EQ(Columns(engine_->SweepMembers("Office Pool")),
            (std::vector<std::string>{"ann|ENG|", "bob|NED|4", "ann|QAT|"}));
  engine_->SetSweepMember("Office Pool", "QAT", "Bob");
  engine_->SaveSweeps();
  EXPECT_EQ(Columns(Reloaded()->SweepMembers("Office Pool")),
            (std::vector<std::string>{"ann|ENG|", "bob|NED|4", "bob|QAT|"}));
}

TEST_F(SweepModelTest, MembersChoicesShowNamesAndCosts) {
  EXPECT_EQ(Columns(engine_->MembersChoices("ANN")),
            (std::vector<std::string>{"Office Pool|England|2.5", "Office Pool|Qatar|2.5", "Scorers|Cody GAKPO|",
                                      "Goals|170|"}));
  EXPECT_EQ(Columns(engine_->MembersChoices("Bob")),
            (std::vector<std::string>{"Office Pool|Netherlands|2.5", "Scorers|Harry KANE|3.25"}));
  EXPECT_EQ(Columns(engine_->MembersChoices("Carol")), (std::vector<std::string>{"||"}));

  // Two stake choices of 2.5 and a fun choice.
  EXPECT_DOUBLE_EQ(engine_->MemberTotal("Ann"), 5);
  EXPECT_DOUBLE_EQ(engine_->MemberTotal("Bob"), 5.75);
  EXPECT_EQ(engine_->MemberTotal("Carol"), 0);

  // A stake that is no number is skipped; a bid sweep's choice without a bid costs nothing.
  app_.Write("Data/sweeps.xml", R"(<!DOCTYPE sweeps [<!ATTLIST sweep sweepid ID #REQUIRED>]>
<sweeps><sweep sweepid="a"><name>A</name><type>stake</type><stake>lots</stake><choice value="1" memberid="ann"/></sweep>
<sweep sweepid="b"><name>B</name><type>Stake</type><stake>9</stake><choice value="2" memberid="ann"/></sweep>
<sweep sweepid="c"><name>C</name><type>stake</type><stake>1.25</stake><choice value="3" memberid="ann"/></sweep>
</sweeps>)");
  engine_->LoadSweeps();
  EXPECT_EQ(Columns(engine_->MembersChoices("Ann")), (std::vector<std::string>{"A|1|lots", "B|2|", "C|3|1.25"}));
  EXPECT_DOUBLE_EQ(engine_->MemberTotal("Ann"), 1.25);
}

TEST_F(SweepModelTest, AddSweepSavesAtOnceUnlessTheKeyIsTaken) {
  engine_->AddSweep("Final Four", "Top Scorer", "stake", 2.5);
  engine_->AddSweep("Just Fun", "Winner", "fun", 7);
  engine_->AddSweep("Upper Case", "Winner", "Stake", 7);
  auto reloaded = Reloaded();
  EXPECT_EQ(Strings(reloaded->SweepsList()),
            (std::vector<std::string>{"Office Pool", "Scorers", "Goals", "Empty", "Final Four", "Just Fun",
                                      "Upper Case"}));
  EXPECT_EQ(reloaded->Sweeps("final four", "sweepoption"), Variant("top_scorer"));
  const Variant stake = reloaded->Sweeps("Final Four", "stake");
  ASSERT_TRUE(stake.IsNumeric());
  EXPECT_DOUBLE_EQ(stake.ToDouble(), 2.5);
  EXPECT_TRUE(reloaded->Sweeps("Just Fun", "stake").IsEmpty());
  EXPECT_TRUE(reloaded->Sweeps("Upper Case", "stake").IsEmpty());
  kelvane::xml::Document saved;
  ASSERT_TRUE(saved.LoadFile(app_.File("Data/sweeps.xml").string()));
  EXPECT_EQ(saved.ElementById("final_four").Xml(),
            "<sweep sweepid=\"final_four\"><name>Final Four</name><sweepoption>top_scorer</sweepoption>"
            "<type>stake</type><stake>2.5</stake></sweep>");

  // A taken key (any letter case) changes nothing and saves nothing: the unsaved removal stays
  // out of the file.
  const std::string before = app_.Read("Data/sweeps.xml");
  engine_->SweepRemove("Scorers");
  engine_->AddSweep("FINAL four", "Winner", "fun");
  engine_->AddSweep("", "Winner", "fun");
  EXPECT_EQ(app_.Read("Data/sweeps.xml"), before);
  EXPECT_EQ(engine_->Sweeps("Final Four", "type"), Variant("stake"));
  EXPECT_FALSE(engine_->SweepExists("Scorers"));
}

TEST_F(SweepModelTest, AddingToMissingFilesCreatesThemWithTheirDeclarations) {
  app_.Remove("Data/sweeps.xml");
  app_.Remove("Data/members.xml");
  ASSERT_TRUE(engine_->LoadAll().ToBool());
  engine_->AddSweep("First", "Winner", "fun");
  engine_->AddMember("Ann");
  engine_->AddMember("");
  engine_->SaveMembers();
  auto reloaded = Reloaded();
  EXPECT_TRUE(reloaded->SweepExists("first"));
  EXPECT_TRUE(reloaded->MemberExists("ann"));
  EXPECT_EQ(Strings(reloaded->MembersList()), (std::vector<std::string>{"Ann"}));
}

TEST_F(SweepModelTest, AddMemberAndPaymentsStayUntilSaved) {
  engine_->AddMember("Carol Ann");
  engine_->AddMember("BOB");  // taken
  engine_->SetMemberPaid("Carol Ann", 12.5);
  engine_->SetMemberPaid("Ann", "7.25");
  engine_->SetMemberPaid("Nobody", 1.0);
  EXPECT_EQ(Strings(engine_->MembersList()), (std::vector<std::string>{"Ann", "Bob", "Carol Ann"}));
  EXPECT_FALSE(Reloaded()->MemberExists("Carol Ann"));

  engine_->SaveMembers();
  auto reloaded = Reloaded();
  EXPECT_EQ(reloaded->Members("carol_ann", "name"), Variant("Carol Ann"));
  const Variant paid = reloaded->Members("Carol Ann", "paid");
  ASSERT_TRUE(paid.IsNumeric());
  EXPECT_DOUBLE_EQ(paid.ToDouble(), 12.5);
  EXPECT_EQ(reloaded->Members("Ann", "paid"), Variant("7.25"));
  EXPECT_FALSE(reloaded->MemberExists("Nobody"));
}

TEST_F(SweepModelTest, SweepRenameKeepsChoicesAndRefusesAnotherSweepsKey) {
  engine_->SweepRename("Office Pool", "Works Pool");
  EXPECT_FALSE(engine_->SweepExists("Office Pool"));
  EXPECT_EQ(engine_->Sweeps("works pool", "name"), Variant("Works Pool"));
  EXPECT_EQ(engine_->SweepMembers("Works Pool").AsArray().UBound(2), 2);

  // The same sweep in other letter case.
  engine_->SweepRename("Works Pool", "WORKS POOL");
  EXPECT_EQ(engine_->Sweeps("Works Pool", "name"), Variant("WORKS POOL"));

  // Onto another sweep's key: nothing changes, so both stay reachable.
  engine_->SweepRename("Works Pool", "scorers");
  engine_->SweepRename("Works Pool", "");
  EXPECT_EQ(engine_->Sweeps("Works Pool", "name"), Variant("WORKS POOL"));
  EXPECT_EQ(engine_->Sweeps("Scorers", "name"), Variant("Scorers"));

  engine_->SaveSweeps();
  auto reloaded = Reloaded();
  EXPECT_EQ(Columns(reloaded->SweepMembers("works pool")),
            (std::vector<std::string>{"ann|ENG|", "bob|NED|4", "ann|QAT|"}));
  EXPECT_EQ(reloaded->SweepMembers("Scorers").AsArray().UBound(2), 1);
}

TEST_F(SweepModelTest, MemberRenameMovesChoicesInEverySweep) {
  engine_->MemberRename("Ann", "Anne Marie");
  EXPECT_FALSE(engine_->MemberExists("Ann"));
  EXPECT_EQ(engine_->Members("anne marie", "paid"), Variant("5"));
  EXPECT_EQ(Columns(engine_->SweepMembers("Office Pool")),
            (std::vector<std::string>{"anne_marie|ENG|", "bob|NED|4", "anne_marie|QAT|"}));
  EXPECT_EQ(engine_->MembersChoices("Anne Marie").AsArray().UBound(2), 3);
  EXPECT_EQ(Columns(engine_->MembersChoices("Ann")), (std::vector<std::string>{"||"}));

  // Onto another member's key: refused, choices untouched.
  engine_->MemberRename("Anne Marie", "BOB");
  EXPECT_EQ(engine_->Members("Bob", "name"), Variant("Bob"));
  EXPECT_EQ(engine_->Members("Anne Marie", "name"), Variant("Anne Marie"));
  EXPECT_EQ(engine_->MembersChoices("Bob").AsArray().UBound(2), 1);

  // Letter case only: same key, new name.
  engine_->MemberRename("Bob", "BOB");
  EXPECT_EQ(engine_->Members("bob", "name"), Variant("BOB"));
  EXPECT_EQ(engine_->MembersChoices("Bob").AsArray().UBound(2), 1);

  // Removing a member leaves its choices holding the old key.
  engine_->MemberRemove("BOB");
  EXPECT_FALSE(engine_->MemberExists("Bob"));
  EXPECT_EQ(Columns(engine_->SweepMembers("Scorers")), (std::vector<std::string>{"bob|ENG09|3.25", "anne_marie|NED08|"}));

  engine_->SaveMembers();
  engine_->SaveSweeps();
  auto reloaded = Reloaded();
  EXPECT_EQ(Strings(reloaded->MembersList()), (std::vector<std::string>{"Anne Marie"}));
  EXPECT_DOUBLE_EQ(reloaded->MemberTotal("Anne Marie"), 5);
}

}  // namespace
