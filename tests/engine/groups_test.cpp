// Group rows of the results file: membership, figures, points and lots.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::ErrorKind;
using kelvane::Variant;

namespace {

// Group B with the given first row and three plain rows.
std::string ResultsWithRow(const std::string& row) {
  return "<?xml version=\"1.0\"?>\n<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED><!ATTLIST koteam koteamid ID #REQUIRED>]>\n"
         "<results><groups><group groupid=\"A\"/><group groupid=\"B\">" + row +
         "<groupteam teamid=\"IRN\"/><groupteam teamid=\"USA\"/><groupteam teamid=\"WAL\"/>"
         "</group></groups><games/></results>\n";
}

class GroupRows : public ::testing::Test {
 protected:
  void Load(const std::string& row) {
    app_.Write("Results/Results.xml", ResultsWithRow(row));
    ASSERT_TRUE(engine_->LoadAll().ToBool());
  }
  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST(GroupTeamID, ShippedGroupsInFileOrder) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(engine->GroupTeamID("A", 1), "QAT");
  EXPECT_EQ(engine->GroupTeamID("A", 4), "NED");
  EXPECT_EQ(engine->GroupTeamID("H", 4), "KOR");
  EXPECT_EQ(engine->GroupPts("H", 4), 0);  // nothing played yet
}

TEST_F(GroupRows, FieldsOfARow) {
  Load("<groupteam teamid=\"ENG\" deduction=\"3\"><p>3</p><w>2</w><d>1</d><l>0</l><f>9</f><a>2</a>"
       "<rank>7000907</rank><pos>1</pos><lots>2</lots></groupteam>");
  EXPECT_EQ(engine_->Groups("B", 1, "TeamID"), "ENG");
  EXPECT_EQ(engine_->Groups("B", 1, "Deduction"), "3");
  EXPECT_EQ(engine_->Groups("B", 1, "F"), "9");
  EXPECT_EQ(std::vector<int16_t>({engine_->GroupP("B", 1), engine_->GroupW("B", 1), engine_->GroupD("B", 1),
                                  engine_->GroupL("B", 1), engine_->GroupF("B", 1), engine_->GroupA("B", 1),
                                  engine_->GroupDeduction("B", 1)}),
            std::vector<int16_t>({3, 2, 1, 0, 9, 2, 3}));
  EXPECT_EQ(engine_->GroupPts("B", 1), 4);  // 3 x 2 + 1 - 3
  EXPECT_EQ(engine_->GroupRank("B", 1), "7000907");
  EXPECT_EQ(engine_->GroupPos("B", 1), "1");
  EXPECT_EQ(engine_->GroupLots("B", 1), Variant("2"));
  // A row without figures reads as zero and empty texts.
  EXPECT_EQ(engine_->GroupPts("B", 2), 0);
  EXPECT_EQ(engine_->GroupLots("B", 2), Variant(""));
}

TEST_F(GroupRows, RowsOutsideTheGroupReadEmpty) {
  Load("<groupteam teamid=\"ENG\"><p>3</p></groupteam>");
  const struct {
    const char* group;
    int16_t index;
  } outside[] = {{"B", 0}, {"B", 5}, {"B", -1}, {"A", 1}, {"Z", 1}, {"b", 1}};
  for (const auto& o : outside) {
    EXPECT_EQ(engine_->GroupTeamID(o.group, o.index), "") << o.group << o.index;
    EXPECT_EQ(engine_->Groups(o.group, o.index, "p"), "") << o.group << o.index;
    EXPECT_EQ(engine_->GroupP(o.group, o.index), 0) << o.group << o.index;
  }
}

TEST_F(GroupRows, FiguresThatAreNotSmallWholeNumbersFail) {
  const struct {
    const char* row;
    ErrorKind kind;
  } cases[] = {
      {"<groupteam teamid=\"ENG\"><w>-1</w></groupteam>", ErrorKind::TypeMismatch},
      {"<groupteam teamid=\"ENG\"><w>two</w></groupteam>", ErrorKind::TypeMismatch},
      {"<groupteam teamid=\"ENG\"><w>40000</w></groupteam>", ErrorKind::Overflow},
      {"<groupteam teamid=\"ENG\"><w>11000</w></groupteam>", ErrorKind::Overflow},          // 3 x w
      {"<groupteam teamid=\"ENG\"><w>10922</w><d>2</d></groupteam>", ErrorKind::Overflow},  // 32766 + 2
  };
  for (const auto& c : cases) {
    Load(c.row);
    EXPECT_EQ(ErrorOf([&] { engine_->GroupPts("B", 1); }), c.kind) << c.row;
  }
  Load("<groupteam teamid=\"ENG\" deduction=\"-2\"/>");
  EXPECT_EQ(ErrorOf([&] { engine_->GroupDeduction("B", 1); }), ErrorKind::TypeMismatch);
}

TEST_F(GroupRows, LotsAreStoredAndMarkTheResultsOnEveryWrite) {
  Load("<groupteam teamid=\"ENG\"/>");
  engine_->SetGroupLots("B", 2, Variant(int16_t{1}));
  EXPECT_TRUE(engine_->ResultsChanged());
  EXPECT_EQ(engine_->GroupLots("B", 2), Variant("1"));
  engine_->SaveResults();
  engine_->SetGroupLots("B", 2, "2");  // the element is there already
  EXPECT_TRUE(engine_->ResultsChanged());
  EXPECT_EQ(engine_->GroupLots("B", 2), Variant("2"));

  engine_->SaveResults();
  const std::string saved = app_.Read("Results/Results.xml");
  const struct {
    const char* group;
    int16_t index;
  } outside[] = {{"B", 5}, {"B", 0}, {"Z", 1}, {"A", 1}};
  for (const auto& o : outside) engine_->SetGroupLots(o.group, o.index, "3");
  EXPECT_FALSE(engine_->ResultsChanged());
  engine_->SaveResults();
  EXPECT_EQ(app_.Read("Results/Results.xml"), saved);
}

TEST(GroupsWithoutGroups, EveryGroupMemberFails) {
  AppFolder app;
  auto engine = NewEngine(app);  // nothing loaded
  EXPECT_EQ(ErrorOf([&] { engine->GroupTeamID("A", 1); }), ErrorKind::ObjectMissing);
  app.Write("Results/Results.xml", "<results><games/></results>");
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(ErrorOf([&] { engine->GroupPts("A", 1); }), ErrorKind::ObjectMissing);
  EXPECT_EQ(ErrorOf([&] { engine->SetGroupLots("A", 1, "1"); }), ErrorKind::ObjectMissing);
}

}  // namespace
