// Creating the engine by ProgID and calling it by member name.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "engine/dispatch/table.h"
#include "platform/component/create_object.h"
#include "platform/component/registry.h"
#include "tests/engine/fixture.h"

extern "C" int DllRegisterServer();
extern "C" int DllUnregisterServer();
extern "C" int DllCanUnloadNow();

using testing_support::AppFolder;
using testing_support::ErrorOf;
using kelvane::CallKind;
using kelvane::Variant;

namespace {

class ByProgId : public ::testing::Test {
 protected:
  void SetUp() override { setenv("KELVANE_REGISTRY", app_.File("registry").c_str(), 1); }
  void TearDown() override { unsetenv("KELVANE_REGISTRY"); }
  AppFolder app_;
};

TEST_F(ByProgId, RegisteredLibraryServesTheEngine) {
  EXPECT_EQ(ErrorOf([] { kelvane::CreateObject(kelvane::kPitchlogProgId); }), kelvane::ErrorKind::ObjectMissing);
  ASSERT_EQ(DllRegisterServer(), kelvane::kOk);
  ASSERT_TRUE(kelvane::registry::Lookup(kelvane::kPitchlogProgId));

  auto object = kelvane::CreateObject(kelvane::kPitchlogProgId);
  EXPECT_EQ(DllCanUnloadNow(), kelvane::kFalse);
  auto engine = kelvane::QueryInterface<kelvane::IPitchlog>(object, kelvane::kPitchlogInterface);
  engine->SetAppPath(app_.path().string() + "/");
  EXPECT_EQ(engine->AppPath(), app_.path().string());
  EXPECT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(ErrorOf([&] { kelvane::QueryInterface<kelvane::IPitchlog>(object, "_Other"); }),
            kelvane::ErrorKind::ObjectMissing);
  object.reset();
  engine.reset();
  EXPECT_EQ(DllCanUnloadNow(), kelvane::kOk);

  ASSERT_EQ(DllUnregisterServer(), kelvane::kOk);
  EXPECT_FALSE(kelvane::registry::Lookup(kelvane::kPitchlogProgId));
}

TEST(Dispatch, NamesMatchWithoutRegardToCase) {
  AppFolder app;
  kelvane::Pitchlog engine;
  std::vector<Variant> args{Variant(app.path().string())};
  engine.Invoke("APPPATH", CallKind::Let, args);
  std::vector<Variant> none;
  EXPECT_EQ(engine.Invoke("loadall", CallKind::Get, none), Variant(true));
  EXPECT_EQ(engine.Invoke("ResultsSet", CallKind::Get, none), Variant("Results"));

  std::vector<Variant> let{Variant("MyTeam"), Variant("KOR")};
  engine.Invoke("Properties", CallKind::Let, let);
  EXPECT_EQ(engine.MyTeam(), "KOR");

  std::vector<Variant> name{Variant("")};
  engine.Invoke("SaveScenario", CallKind::Get, name);
  EXPECT_EQ(name[0], Variant("Results"));  // written back
}

TEST(Dispatch, BadCallsAreClearErrors) {
  kelvane::Pitchlog engine;
  std::vector<Variant> none, two{Variant("a"), Variant("b")};
  struct Case {
    const char* name;
    CallKind kind;
    std::vector<Variant>* args;
    const char* message;
  } cases[] = {
      {"NoSuchMember", CallKind::Get, &none, "no member named NoSuchMember"},
      {"LoadAll", CallKind::Get, &two, "wrong number of arguments"},
      {"ResultsChanged", CallKind::Let, &two, "cannot be assigned"},
  };
  for (const auto& c : cases) {
    try {
      engine.Invoke(c.name, c.kind, *c.args);
      ADD_FAILURE() << c.name;
    } catch (const kelvane::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(Dispatch, TableCoversTheInterface) {
  const std::vector<std::string> expected = {
      "Error", "PLDebug", "AppPath", "ResultsSet", "LoadAll", "LoadOthers", "ReloadProperties",
      "LoadResultsSet", "SaveProperties", "SaveResults", "SaveScenario", "ResultsChanged", "PlayersChanged",
      "Properties", "TimeDifference", "MyTeam", "MyOtherTeam", "MyTeamColour", "MyOtherTeamColour",
      "MyTeamGhost", "MyOtherTeamGhost", "ResultsSetsArray", "ResultsSetExists", "ValidFileName",
      "CopyResultsSet", "ResultsSetName", "XMLTagEncode", "StatsColumnsArray", "StatsLabelsArray", "StatsTables", "StatsTablesList",
      "StatsTableName", "StatsTableSort", "StatsTableSequence", "StatsTableStage", "StatsTableAverages",
      "StatsTableType", "StatsTableSystem", "StatsTableExists", "SaveStats", "StatsTableRemove",
      "Games", "GameStage", "GameStadiumID", "GameTimeLocal", "GameTime", "HomeTeam", "AwayTeam", "HomeTeamName",
      "AwayTeamName", "Teams", "TeamName", "TeamList", "PlayerList", "Stadia", "StadiumName", "LoadSchedule",
      "ScheduleGameID", "ProgressionGame", "ProgressionTeam",
      "Results", "RemoveResult", "Result", "ExtraTime", "ResultP", "ResultW", "ResultD", "ResultL", "ResultF",
      "ResultA", "GroupP", "GroupW", "GroupD", "GroupL", "GroupF", "GroupA", "GroupDeduction", "GroupPts",
      "GroupRank", "GroupPos", "GroupLots", "Groups", "GroupTeamID",
      "GroupScore", "KOScore", "SetProgression", "CalcGroupTable",
      "Players", "PlayerName", "PlayerFullName", "PlayerPosition", "PlayerNarrative", "PlayerCaps", "PlayerShirt",
      "PlayerPhoto", "PlayerExists", "PlayerTeam", "AddPlayer", "SavePlayers",
      "AddGoal", "AddPenalty", "Goal", "GoalPlayer", "GoalPen", "GoalOG", "GoalPeriod", "GoalMinutes", "Penalty",
      "GameHasPenalties", "RemovePenalties",
      "DownloadResults", "DownloadMessage", "DownloadXML", "DownloadPlayers", "DownloadLinks", "DownloadHome",
      "Link", "HasHomeSite", "LastDownloadError", "LastDownloadRefused",
      "LoadStats", "TeamTotals", "TeamScored", "TeamConceded", "TeamMargins", "TeamGoals", "GroupTotals",
      "GroupWinning", "GroupLosing", "GroupMargins", "GroupGoals", "PlayerTotals", "TeamTotalsArray",
      "TeamScoredArray", "TeamConcededArray", "TeamMarginsArray", "TeamGoalsArray", "GroupTotalsArray",
      "GroupWinningArray", "GroupLosingArray", "GroupMarginsArray", "GroupGoalsArray", "PlayerTotalsArray",
      "PlayerTotalsIndex", "PlayerTotalsID", "PlayerTotalsName", "PlayerTotalsInfo", "StatsTeam", "ChartData",
      "ChartColumns",
      "LoadSweeps", "SaveSweeps", "SaveMembers", "SweepOptionsList", "SweepsList", "MembersList", "SweepOptions",
      "Sweeps", "Members", "SweepExists", "MemberExists", "AddSweep", "SweepRename", "SweepRemove", "AddMember",
      "MemberRename", "MemberRemove", "MemberPaid", "SweepMember", "SweepBid", "SweepChoiceClear", "SweepMembers",
      "MembersChoices", "MemberTotal", "SweepSource", "LoadScript", "GetScript", "GeneratePage", "ScriptUBound",
      "ScriptLine", "GenerateSweeps", "GenerateMembers", "GenerateAccounts", "GenerateDetails", "GenerateBidStake",
      "GenerateTeamList", "GeneratePlayerList", "GenerateNumberList", "MembersTotals", "GroupScoreClears",
      "GroupLotsClear", "UnreadableFiles"};
  EXPECT_EQ(kelvane::dispatch::MemberNames(), expected);
}

}  // namespace
