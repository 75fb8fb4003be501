// The settings document and its typed getters.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;

namespace {

std::unique_ptr<kelvane::Pitchlog> EngineWithSettings(const AppFolder& app, const std::string& children) {
  app.Write("Data/properties.xml", "<?xml version=\"1.0\"?>\n<properties>" + children + "</properties>\n");
  auto engine = NewEngine(app);
  EXPECT_TRUE(engine->LoadAll().ToBool());
  return engine;
}

TEST(Properties, KeysAreLowerCasedAndNewKeysAppended) {
  AppFolder app;
  auto engine = EngineWithSettings(app, "<myteam>ARG</myteam><myteam>FRA</myteam>");
  EXPECT_EQ(engine->Properties("MyTeam").ToString(), "ARG");  // only the first counts
  EXPECT_TRUE(engine->Properties("nosuchkey").IsEmpty());

  engine->SetProperties("NewKey", kelvane::Variant(int16_t{5}));
  kelvane::Variant v = engine->Properties("newkey");
  EXPECT_TRUE(v.IsString());
  EXPECT_EQ(v.ToString(), "5");
  engine->SaveProperties();
  const std::string saved = app.Read("Data/properties.xml");
  EXPECT_LT(saved.find("FRA"), saved.find("<newkey>5</newkey>"));
  EXPECT_EQ(ErrorOf([&] { engine->SetProperties("two words", "x"); }), kelvane::ErrorKind::Other);
}

TEST(Properties, ChangesLastOnlyWhenSaved) {
  AppFolder app;
  auto engine = EngineWithSettings(app, "<myteam>ARG</myteam>");
  engine->SetProperties("myteam", "FRA");
  auto fresh = NewEngine(app);
  ASSERT_TRUE(fresh->LoadAll().ToBool());
  EXPECT_EQ(fresh->MyTeam(), "ARG");
  engine->SaveProperties();
  auto again = NewEngine(app);
  ASSERT_TRUE(again->LoadAll().ToBool());
  EXPECT_EQ(again->MyTeam(), "FRA");
}

TEST(TimeDifference, NumericTextOrZero) {
  struct Case {
    std::string stored;
    float expected;
  } cases[] = {{"<timedifference>-4.5</timedifference>", -4.5f},
               {"<timedifference>2</timedifference>", 2.0f},
               {"<timedifference>two</timedifference>", 0.0f},
               {"<timedifference>5,75</timedifference>", 5.75f},  // written under a decimal comma
               {"<timedifference>-23.5</timedifference>", -23.5f},
               {"<timedifference>24</timedifference>", 0.0f},  // no zone is a day away
               {"<timedifference>99999999999</timedifference>", 0.0f},
               {"<timedifference>-1e30</timedifference>", 0.0f},
               {"<timedifference>1e999</timedifference>", 0.0f},
               {"<timedifference></timedifference>", 0.0f},
               {"", 0.0f}};
  for (const auto& c : cases) {
    AppFolder app;
    EXPECT_EQ(EngineWithSettings(app, c.stored)->TimeDifference(), c.expected) << c.stored;
  }
}

TEST(Colours, ZeroPrefixedWholeNumbers) {
  AppFolder app;
  auto engine = EngineWithSettings(app,
                                   "<myteamcolour></myteamcolour><myotherteamcolour>255</myotherteamcolour>"
                                   "<myteamghost>-1</myteamghost>");
  EXPECT_EQ(engine->MyTeamColour(), 0);
  EXPECT_EQ(engine->MyOtherTeamColour(), 255);
  EXPECT_EQ(engine->MyOtherTeamGhost(), 0);  // missing
  EXPECT_EQ(ErrorOf([&] { engine->MyTeamGhost(); }), kelvane::ErrorKind::TypeMismatch);
}

TEST(Properties, MissingOrBrokenFileReadsAsEmptySettings) {
  for (const char* content : {"", "<properties><myteam>"}) {
    AppFolder app;
    if (*content)
      app.Write("Data/properties.xml", content);
    else
      app.Remove("Data/properties.xml");
    auto engine = NewEngine(app);
    ASSERT_TRUE(engine->LoadAll().ToBool());
    EXPECT_TRUE(engine->Properties("myteam").IsEmpty());
    EXPECT_EQ(engine->MyTeam(), "");
    EXPECT_EQ(engine->MyTeamColour(), 0);
    EXPECT_EQ(engine->TimeDifference(), 0.0f);
    engine->SetProperties("myteam", "JPN");
    engine->SaveProperties();
    auto again = NewEngine(app);
    ASSERT_TRUE(again->LoadAll().ToBool());
    EXPECT_EQ(again->MyTeam(), "JPN");
  }
}

TEST(Properties, ShippedSettingsHaveEveryKey) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  for (const char* key : {"timedifference", "timezone", "myteam", "myotherteam", "myteamcolour",
                          "myotherteamcolour", "myteamghost", "myotherteamghost", "downloadurl", "source",
                          "message"})
    EXPECT_FALSE(engine->Properties(key).IsEmpty()) << key;
  EXPECT_EQ(engine->Properties("downloadurl").ToString(), "");
  // Each ghost is its colour halfway to white, halves rounded down.
  for (auto [colour, ghost] : {std::pair{engine->MyTeamColour(), engine->MyTeamGhost()},
                               std::pair{engine->MyOtherTeamColour(), engine->MyOtherTeamGhost()}}) {
    int32_t expected = 0;
    for (int shift : {0, 8, 16}) expected |= ((((colour >> shift) & 0xFF) + 255) / 2) << shift;
    EXPECT_EQ(ghost, expected);
  }
}

}  // namespace
