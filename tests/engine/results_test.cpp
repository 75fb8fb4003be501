// Game records of the results file: the field writer, the flags and the loser.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::ErrorKind;
using kelvane::Variant;

namespace {

// A results file of one group row and the given game records.
std::string ResultsFile(const std::string& games) {
  return "<?xml version=\"1.0\"?>\n"
         "<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED><!ATTLIST koteam koteamid ID #REQUIRED>]>\n"
         "<results><groups><group groupid=\"A\"><groupteam teamid=\"QAT\"/></group></groups>"
         "<games>" + games + "</games>"
         "<progression><koteam koteamid=\"_A1\">QAT</koteam></progression></results>\n";
}

std::string Goals(int count) {
  std::string goals;
  for (int i = 1; i <= count; ++i) goals += "<goal><minutes>" + std::to_string(i) + "</minutes></goal>";
  return goals;
}

class ResultsFileTest : public ::testing::Test {
 protected:
  void Load(const std::string& games) {
    app_.Write("Results/Results.xml", ResultsFile(games));
    ASSERT_TRUE(engine_->LoadAll().ToBool());
  }
  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(ResultsFileTest, LetCreatesGameTeamAndFieldButOverwritingDoesNotMarkChanged) {
  Load("");
  engine_->SetResults("A1", "P", "QAT", Variant(int16_t{1}));
  EXPECT_TRUE(engine_->ResultsChanged());
  EXPECT_EQ(engine_->Results("A1", "p", "QAT"), Variant("1"));
  engine_->SaveResults();
  EXPECT_NE(app_.Read("Results/Results.xml").find("<game gameid=\"A1\">\n      <team teamid=\"QAT\">\n        <p>1</p>"),
            std::string::npos)
      << app_.Read("Results/Results.xml");

  engine_->SetResults("A1", "p", "QAT", "2");
  EXPECT_FALSE(engine_->ResultsChanged());
  EXPECT_EQ(engine_->ResultP("A1", "QAT"), Variant("2"));

  // Each new element marks the results again: a field, a team, a game.
  const struct {
    const char* game;
    const char* team;
    const char* field;
  } creations[] = {{"A1", "QAT", "w"}, {"A1", "ECU", "p"}, {"A2", "", "winner"}};
  for (const auto& c : creations) {
    engine_->SaveResults();
    engine_->SetResults(c.game, c.field, c.team, "0");
    EXPECT_TRUE(engine_->ResultsChanged()) << c.game << " " << c.team << " " << c.field;
  }
}

TEST_F(ResultsFileTest, NewNormalTimeScoreKeepsTheFirstGoalsIncludingExtraTime) {
  const struct {
    const char* etf;
    int goals;
    const char* f;
    int left;
  } cases[] = {
      {"", 3, "1", 1},   // no extra time
      {"", 3, "3", 3},   // as many as scored: none removed
      {"1", 4, "1", 2},  // the extra-time scorer stays
      {"1", 4, "3", 4},
      {"2", 3, "0", 2},
  };
  for (const auto& c : cases) {
    std::string etf = *c.etf ? std::string("<etf>") + c.etf + "</etf>" : "";
    Load("<game gameid=\"V1\"><team teamid=\"ARG\"><f>9</f>" + etf + Goals(c.goals) + "</team></game>");
    engine_->SetResults("V1", "f", "ARG", c.f);
    int left = 0;
    while (!engine_->Goal("V1", "ARG", static_cast<int16_t>(left + 1), "minutes").IsEmpty()) ++left;
    EXPECT_EQ(left, c.left) << "etf " << c.etf << ", f " << c.f;
    EXPECT_EQ(engine_->Goal("V1", "ARG", 1, "minutes"), Variant("1"));  // the first ones stay
    EXPECT_EQ(engine_->ResultsChanged(), left < c.goals);
  }
}

TEST_F(ResultsFileTest, ScoreThatIsNotAnIntegerFailsBeforeWriting) {
  Load("<game gameid=\"A1\"><team teamid=\"QAT\"><f>2</f>" + Goals(2) + "</team></game>");
  EXPECT_EQ(ErrorOf([&] { engine_->SetResults("A1", "f", "QAT", "two"); }), ErrorKind::TypeMismatch);
  EXPECT_EQ(engine_->ResultF("A1", "QAT"), Variant("2"));
  EXPECT_EQ(ErrorOf([&] { engine_->SetResults("A1", "f", "QAT", "40000"); }), ErrorKind::Overflow);
  EXPECT_FALSE(engine_->Goal("A1", "QAT", 2, "minutes").IsEmpty());
}

TEST_F(ResultsFileTest, LoserIsTheTeamThatIsNotTheWinner) {
  Load("<game gameid=\"V1\"><winner>NED</winner><team teamid=\"USA\"/><team teamid=\"NED\"/></game>"
       "<game gameid=\"V2\"><winner>ARG</winner><team teamid=\"ARG\"/><team teamid=\"AUS\"/></game>"
       "<game gameid=\"V3\"><winner/><team teamid=\"FRA\"/><team teamid=\"POL\"/></game>"
       "<game gameid=\"V4\"><team teamid=\"ENG\"/><team teamid=\"SEN\"/></game>"
       "<game gameid=\"V5\"><winner>JPN</winner><team teamid=\"JPN\"/></game>");
  EXPECT_EQ(engine_->Results("V1", "loser"), Variant("USA"));
  EXPECT_EQ(engine_->Results("V2", "Loser", "ARG"), Variant("AUS"));
  for (const char* game : {"V3", "V4", "V5", "V6"}) EXPECT_TRUE(engine_->Results(game, "loser").IsEmpty()) << game;
}

TEST_F(ResultsFileTest, MissingGameTeamOrFieldReadsEmpty) {
  Load("<game gameid=\"A1\"><result>true</result><team teamid=\"QAT\"><f>1</f></team></game>");
  EXPECT_EQ(engine_->Results("A1", "RESULT"), Variant("true"));
  const struct {
    const char* game;
    const char* field;
    const char* team;
  } missing[] = {{"A2", "f", "QAT"}, {"A1", "f", "ECU"}, {"A1", "a", "QAT"}, {"A1", "winner", ""}, {"_A1", "f", "QAT"}};
  for (const auto& m : missing)
    EXPECT_TRUE(engine_->Results(m.game, m.field, m.team).IsEmpty()) << m.game << " " << m.field << " " << m.team;
  // A knock-out slot's id is not a game's.
  EXPECT_EQ(ErrorOf([&] { engine_->SetResults("_A1", "f", "QAT", "1"); }), ErrorKind::Other);
  EXPECT_EQ(engine_->ProgressionTeam("_A1"), "QAT");
}

TEST_F(ResultsFileTest, ResultAndExtraTimeFlags) {
  Load("");
  EXPECT_FALSE(engine_->Result("A1"));
  EXPECT_FALSE(engine_->ResultsChanged());
  engine_->SetResult("A1", true);
  engine_->SetExtraTime("A1", false);
  EXPECT_EQ(engine_->Results("A1", "result"), Variant("true"));
  EXPECT_EQ(engine_->Results("A1", "extratime"), Variant("false"));
  EXPECT_TRUE(engine_->Result("A1"));
  EXPECT_FALSE(engine_->ExtraTime("A1"));
  engine_->SetExtraTime("A1", true);
  EXPECT_TRUE(engine_->ExtraTime("A1"));
}

TEST_F(ResultsFileTest, RemoveResultDropsTheWholeRecord) {
  Load("<game gameid=\"A1\"><result>true</result><team teamid=\"QAT\"><f>1</f>" + Goals(1) + "</team></game>");
  engine_->RemoveResult("A2");
  EXPECT_FALSE(engine_->ResultsChanged());
  engine_->RemoveResult("A1");
  EXPECT_TRUE(engine_->ResultsChanged());
  EXPECT_TRUE(engine_->Results("A1", "f", "QAT").IsEmpty());
  EXPECT_FALSE(engine_->Result("A1"));
  // The id is free again for a new record.
  engine_->SetResults("A1", "f", "ECU", "3");
  EXPECT_EQ(engine_->ResultF("A1", "ECU"), Variant("3"));
}

TEST_F(ResultsFileTest, CreatedRecordsAreFoundByIdAfterSavingAndLoading) {
  Load("");
  engine_->SetResults("A1", "f", "QAT", "2");
  engine_->SetResult("H6", true);
  std::string name = "Final";
  engine_->SaveScenario(name);
  ASSERT_TRUE(engine_->LoadResultsSet("Final").ToBool());
  EXPECT_EQ(engine_->ResultF("A1", "QAT"), Variant("2"));
  EXPECT_TRUE(engine_->Result("H6"));
}

TEST(ResultsWithoutDocument, OnlyLookupsThatFindNoGameSucceed) {
  AppFolder app;
  auto engine = NewEngine(app);  // nothing loaded: the results document has no root
  EXPECT_TRUE(engine->Results("A1", "f", "QAT").IsEmpty());
  EXPECT_FALSE(engine->Result("A1"));
  engine->RemoveResult("A1");
  EXPECT_EQ(ErrorOf([&] { engine->SetResults("A1", "f", "QAT", "1"); }), ErrorKind::ObjectMissing);
  EXPECT_EQ(ErrorOf([&] { engine->SetResult("A1", true); }), ErrorKind::ObjectMissing);

  app.Write("Results/Results.xml", "<results><groups/></results>");
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(ErrorOf([&] { engine->SetResults("A1", "f", "QAT", "1"); }), ErrorKind::ObjectMissing);
  EXPECT_FALSE(engine->ResultsChanged());
}

TEST(ResultsByName, TeamIsOptional) {
  AppFolder app;
  kelvane::Pitchlog engine;
  engine.SetAppPath(app.path().string());
  ASSERT_TRUE(engine.LoadAll().ToBool());
  std::vector<Variant> flag{Variant("A1"), Variant("winner"), Variant("QAT")};
  engine.Invoke("Results", kelvane::CallKind::Let, flag);
  std::vector<Variant> figure{Variant("A1"), Variant("f"), Variant("QAT"), Variant(int16_t{2})};
  engine.Invoke("results", kelvane::CallKind::Let, figure);
  EXPECT_EQ(engine.Results("A1", "winner"), Variant("QAT"));
  std::vector<Variant> get{Variant("A1"), Variant("winner")};
  EXPECT_EQ(engine.Invoke("Results", kelvane::CallKind::Get, get), Variant("QAT"));
  std::vector<Variant> figure_get{Variant("A1"), Variant("QAT")};
  EXPECT_EQ(engine.Invoke("ResultF", kelvane::CallKind::Get, figure_get), Variant("2"));
}

}  // namespace
