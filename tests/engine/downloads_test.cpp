#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <thread>
#include <vector>

#include "engine/data/file_bytes.h"
#include "tests/engine/fixture.h"
#include "tests/support/local_http_server.h"

namespace {

using testing_support::AppFolder;

constexpr char kPlayersDtd[] =
    "<!DOCTYPE players [<!ATTLIST team teamid ID #REQUIRED><!ATTLIST player playerid ID #REQUIRED>]>";
constexpr char kResults[] =
    "<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED><!ATTLIST koteam koteamid ID #REQUIRED>]>"
    "<results><groups><group groupid=\"Z\"><groupteam teamid=\"XYZ\"/></group></groups><games/></results>";

// A file document of the site's Files folder holding `base64`.
std::string FileDocument(const std::string& base64) { return "<file><file>" + base64 + "</file></file>"; }

class Downloads : public testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<testing_support::LocalHttpServer>(site_.path());
    ASSERT_FALSE(server_->Url().empty()) << "the local HTTP server did not start";
    engine_ = testing_support::NewEngine(app_);
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    engine_->SetProperties("downloadurl", server_->Url());
  }
  void TearDown() override { server_.reset(); }

  // Serves the link bar and home site under the source segment "s".
  void WriteLocalSite() {
    engine_->SetProperties("source", "s");
    site_.Write("s/links.xml", "<links><game id=\"1\">http://example.invalid/g1</game>"
                               "<team id=\"ARG\">http://example.invalid/arg</team></links>");
    site_.Write("s/locallink.xml",
                "<locallink><html><body>Bar</body></html><file name=\"logo.gif\"/><file name=\"kept.gif\"/>"
                "<file name=\"../../Data/properties.xml\"/><file name=\"../Data/properties.xml\"/>"
                "<file name=\"../Data/evil.txt\"/><file name=\"noext\"/><file name=\"broken.gif\"/></locallink>");
    site_.Write("s/HomeVersion.xml", "<home version=\"2\"/>");
    site_.Write("s/Home.xml",
                "<home><html><body>Welcome</body></html><html name=\"news.htm\"><body>News</body></html>"
                "<html name=\"../Data/properties.xml\"><body>x</body></html><file name=\"pic.png\"/></home>");
    site_.Write("s/Files/logo.xml", FileDocument("R0lGAA=="));  // "GIF\0"
    site_.Write("s/Files/kept.xml", FileDocument("bmV3"));
    site_.Write("s/Files/pic.xml", FileDocument("cG5n"));
    site_.Write("s/Files/broken.xml", FileDocument("not base64!"));
    // Where the hostile names would lead, should they ever be fetched.
    site_.Write("s/Data/properties.xml", FileDocument("SEFDS0VE"));
    site_.Write("Data/properties.xml", FileDocument("SEFDS0VE"));
    site_.Write("s/Data/evil.xml", FileDocument("SEFDS0VE"));
  }

  AppFolder app_;
  AppFolder site_{AppFolder::kEmpty};
  std::unique_ptr<testing_support::LocalHttpServer> server_;
  std::unique_ptr<kelvane::Pitchlog> engine_;
};

TEST(Base64, DecodesAndRejects) {
  EXPECT_EQ(kelvane::files::Base64Decode("R0lGAA=="), std::string("GIF\0", 4));
  EXPECT_EQ(kelvane::files::Base64Decode("TWFu\nTWE=\r\n"), "ManMa");
  EXPECT_EQ(kelvane::files::Base64Decode("TWE"), "Ma");
  EXPECT_EQ(kelvane::files::Base64Decode(""), "");
  for (const char* bad : {"T", "TWFu!", "TW=u", "TWFuT===", "====", "TWE=A"})
    EXPECT_FALSE(kelvane::files::Base64Decode(bad).has_value()) << bad;
}

TEST_F(Downloads, ResultsReplaceTheDefaultSetAndBecomeCurrent) {
  site_.Write("Results.xml", kResults);
  engine_->SetResultsSet("Tournament 2022");
  ASSERT_TRUE(engine_->DownloadResults());
  EXPECT_EQ(engine_->ResultsSet(), "Results");
  EXPECT_EQ(engine_->GroupTeamID("Z", 1), "XYZ");
  EXPECT_NE(app_.Read("Results/Results.xml").find("XYZ"), std::string::npos);
}

TEST_F(Downloads, FailedResultsLeaveFileSetAndMemoryAlone) {
  const std::string before = app_.Read("Results/Results.xml");
  const std::string team = engine_->GroupTeamID("A", 1);
  engine_->SetResultsSet("Tournament 2022");
  struct Case {
    const char* what;
    const char* reply;  // nullptr: no file on the server
    std::string base;   // "" : the running server
  };
  const Case cases[] = {
      {"not found", nullptr, ""},
      {"not well-formed", "<results><groups>", ""},
      {"another kind of file", "<players/>", ""},
      {"no games", "<results><groups/></results>", ""},
      {"server down", kResults, "http://127.0.0.1:" + std::to_string(testing_support::FreeLoopbackPort())},
      {"not http", kResults, "file://" + site_.path().string()},
  };
  for (const Case& c : cases) {
    site_.Remove("Results.xml");
    if (c.reply) site_.Write("Results.xml", c.reply);
    engine_->SetProperties("downloadurl", c.base.empty() ? server_->Url() : c.base);
    EXPECT_FALSE(engine_->DownloadResults()) << c.what;
    EXPECT_EQ(app_.Read("Results/Results.xml"), before) << c.what;
    EXPECT_EQ(engine_->ResultsSet(), "Tournament 2022") << c.what;
    EXPECT_EQ(engine_->GroupTeamID("A", 1), team) << c.what;
  }
}

TEST_F(Downloads, MessageIsTheTextOrEmptyOrAnErrorMark) {
  EXPECT_EQ(engine_->DownloadMessage(), "");
  EXPECT_EQ(engine_->DownloadMessage(true), "[Error]");
  site_.Write("message.xml", "<message>One#EOL#<b>Two</b></message>");
  EXPECT_EQ(engine_->DownloadMessage(), "One#EOL#Two");
}

TEST_F(Downloads, DataFileIsSavedOnlyWhenItCameAndItsNameIsPlain) {
  site_.Write("games.xml", "<!DOCTYPE games [<!ATTLIST game gameid ID #REQUIRED>]>"
                          "<games><game gameid=\"A1\"><gametime>20 November 2022 17:00</gametime></game></games>");
  ASSERT_TRUE(engine_->DownloadXML(std::string("games")));
  const std::string games = app_.Read("Data/games.xml");
  EXPECT_NE(games.find("gameid=\"A1\""), std::string::npos) << games;
  EXPECT_EQ(games.find("gameid=\"A2\""), std::string::npos) << games;

  const std::string properties = app_.Read("Data/properties.xml");
  site_.Write("properties.xml", "<properties/>");
  EXPECT_FALSE(engine_->DownloadXML(std::string("missing")));
  EXPECT_FALSE(app_.Exists("Data/missing.xml"));
  EXPECT_FALSE(engine_->DownloadXML(std::string("../Data/properties")));
  EXPECT_EQ(app_.Read("Data/properties.xml"), properties);
}

// Every file of the program folder with its content.
std::map<std::string, std::string> Files(const AppFolder& app) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(app.path()))
    if (entry.is_regular_file()) {
      const std::string relative = std::filesystem::relative(entry.path(), app.path()).string();
      files[relative] = app.Read(relative);
    }
  return files;
}

// A document type declaring one entity that the text uses `uses` times.
std::string EntityFile(const std::string& root, const std::string& declarations) {
  std::string uses;
  for (int i = 0; i < 1000; ++i) uses += "&big;";
  return "<!DOCTYPE " + root + " [" + declarations + "<!ENTITY big \"" + std::string(1000, 'x') + "\">]><" + root +
         ">" + uses + "</" + root + ">";
}

// A refused file changes no file and nothing in memory.
TEST_F(Downloads, UnreadableOrHostileFilesAreRefusedAsAWhole) {
  const std::string long_time = "<!DOCTYPE games [<!ATTLIST game gameid ID #REQUIRED>]><games><game gameid=\"A1\">"
                                "<gametime>20 November 2022" + std::string(100000, ' ') + "x</gametime></game></games>";
  struct Case {
    const char* what;
    const char* file;
    std::string content;
  };
  const Case cases[] = {
      {"results without declarations", "Results.xml",
       "<results><groups><group groupid=\"Z\"><groupteam teamid=\"XYZ\"/></group></groups><games/></results>"},
      {"results without the slot declaration", "Results.xml",
       "<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED>]><results><groups/><games/></results>"},
      {"results declaring an entity", "Results.xml",
       "<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED><!ATTLIST koteam koteamid ID #REQUIRED>"
       "<!ENTITY t \"XYZ\">]><results><groups><group groupid=\"Z\"><groupteam teamid=\"&t;\"/></group></groups>"
       "<games/></results>"},
      {"teams declaring an entity", "teams.xml", EntityFile("teams", "<!ATTLIST team teamid ID #REQUIRED>")},
      {"teams with a team without a name", "teams.xml",
       "<!DOCTYPE teams [<!ATTLIST team teamid ID #REQUIRED>]><teams><team teamid=\"QAT\"/></teams>"},
      {"teams without declarations", "teams.xml", "<teams><team teamid=\"QAT\"><name>Q</name></team></teams>"},
      {"games with a long game time", "games.xml", long_time},
      {"games without declarations", "games.xml",
       "<games><game gameid=\"A1\"><gametime>20 November 2022 17:00</gametime></game></games>"},
      {"games without games", "games.xml", "<!DOCTYPE games [<!ATTLIST game gameid ID #REQUIRED>]><games/>"},
      {"stadia without declarations", "stadia.xml", "<stadia/>"},
      {"players with a player inside a player", "players.xml",
       std::string(kPlayersDtd) + "<players><team teamid=\"ARG\"><player playerid=\"ARG01\"><playername>A"
       "</playername><player playerid=\"ARG01\"><playername>B</playername></player></player></team></players>"},
      {"players outside a team", "players.xml",
       std::string(kPlayersDtd) + "<players><player playerid=\"ARG01\"><playername>A</playername></player></players>"},
  };
  engine_->SetResultsSet("Tournament 2022");
  const std::string team = engine_->GroupTeamID("A", 1);
  const std::string player = engine_->PlayerName("ARG01");
  const auto before = Files(app_);
  for (const Case& c : cases) {
    site_.Write(c.file, c.content);
    const std::string file = c.file;
    if (file == "Results.xml") {
      EXPECT_FALSE(engine_->DownloadResults()) << c.what;
    } else if (file == "players.xml") {
      EXPECT_FALSE(engine_->DownloadPlayers()) << c.what;
    } else {
      EXPECT_FALSE(engine_->DownloadXML(file.substr(0, file.size() - 4))) << c.what;
    }
    site_.Remove(c.file);
    EXPECT_EQ(Files(app_), before) << c.what;
    EXPECT_EQ(engine_->ResultsSet(), "Tournament 2022") << c.what;
    EXPECT_EQ(engine_->GroupTeamID("A", 1), team) << c.what;
    EXPECT_EQ(engine_->PlayerName("ARG01"), player) << c.what;
  }
}

TEST_F(Downloads, AMessageDeclaringEntitiesIsNotRead) {
  site_.Write("message.xml", EntityFile("message", ""));
  EXPECT_EQ(engine_->DownloadMessage(), "");
  EXPECT_EQ(engine_->DownloadMessage(true), "[Error]");
}

TEST_F(Downloads, PlayersMergeIntoTheLocalSquadsWithoutSaving) {
  const std::string saved = app_.Read("Data/players.xml");
  site_.Write("players.xml", std::string(kPlayersDtd) +
                                 "<players><team teamid=\"ARG\"><player playerid=\"QAT01\">"
                                 "<playername>Renamed</playername></player></team>"
                                 "<team teamid=\"NEW\"><player playerid=\"NEW01\"><playername>Fresh</playername>"
                                 "</player></team></players>");
  ASSERT_TRUE(engine_->DownloadPlayers());
  EXPECT_EQ(engine_->PlayerName("QAT01"), "Renamed");
  EXPECT_EQ(engine_->PlayerTeam("QAT01").ToString(), "QAT");  // keeps his local team
  EXPECT_EQ(engine_->PlayerName("NEW01"), "Fresh");
  EXPECT_EQ(engine_->PlayerTeam("NEW01").ToString(), "NEW");
  EXPECT_TRUE(engine_->PlayerExists("QAT02"));
  EXPECT_FALSE(engine_->PlayersChanged());
  EXPECT_EQ(app_.Read("Data/players.xml"), saved);

  site_.Remove("players.xml");
  EXPECT_FALSE(engine_->DownloadPlayers());
  EXPECT_EQ(engine_->PlayerName("QAT01"), "Renamed");
}

TEST_F(Downloads, LinksWriteTheBarPageAndFetchEachNewPlainFileOnce) {
  WriteLocalSite();
  app_.Write("WBBar/kept.gif", "old");
  const std::string properties = app_.Read("Data/properties.xml");
  ASSERT_TRUE(engine_->DownloadLinks());

  EXPECT_EQ(engine_->Link("game", "1"), "http://example.invalid/g1");
  EXPECT_EQ(engine_->Link("team", "ARG"), "http://example.invalid/arg");
  EXPECT_EQ(engine_->Link("team", "1"), "");
  EXPECT_EQ(engine_->Link("tab", "0"), "");
  const std::string bar = app_.Read("WBBar/WBBar.htm");
  EXPECT_EQ(bar.rfind("<html>", 0), 0u) << bar;
  EXPECT_NE(bar.find("Bar"), std::string::npos);
  EXPECT_EQ(app_.Read("WBBar/logo.gif"), std::string("GIF\0", 4));
  EXPECT_EQ(app_.Read("WBBar/kept.gif"), "old");
  EXPECT_FALSE(app_.Exists("Data/evil.txt"));
  EXPECT_FALSE(app_.Exists("WBBar/noext"));
  EXPECT_FALSE(app_.Exists("WBBar/broken.gif"));
  EXPECT_EQ(app_.Read("Data/properties.xml"), properties);
  EXPECT_FALSE(std::filesystem::exists(app_.path().parent_path() / "Data/properties.xml"));
}

TEST_F(Downloads, FailedLinkBarLeavesThePageAlone) {
  WriteLocalSite();
  site_.Remove("s/locallink.xml");
  const std::string bar = app_.Read("WBBar/WBBar.htm");
  EXPECT_FALSE(engine_->DownloadLinks());
  EXPECT_EQ(app_.Read("WBBar/WBBar.htm"), bar);
  EXPECT_EQ(engine_->Link("game", "1"), "http://example.invalid/g1");  // links came before the failure
}

TEST_F(Downloads, LinkWithoutALinksFileIsEmpty) {
  app_.Remove("Data/links.xml");
  auto engine = testing_support::NewEngine(app_);
  engine->LoadAll();
  EXPECT_EQ(engine->Link("game", "1"), "");
  EXPECT_EQ(engine_->Link("game", "1"), "");  // the shipped links file holds none
}

TEST_F(Downloads, HomeWritesPagesAndFilesThenRecordsTheVersion) {
  WriteLocalSite();
  const std::string properties = app_.Read("Data/properties.xml");
  ASSERT_TRUE(engine_->DownloadHome());
  EXPECT_NE(app_.Read("WBHome/index.htm").find("Welcome"), std::string::npos);
  EXPECT_EQ(app_.Read("WBHome/index.htm").rfind("<html>", 0), 0u);
  EXPECT_NE(app_.Read("WBHome/news.htm").find("News"), std::string::npos);
  EXPECT_EQ(app_.Read("WBHome/pic.png"), "png");
  EXPECT_EQ(app_.Read("Data/properties.xml"), properties);
  EXPECT_NE(app_.Read("Data/HomeVersion.xml").find("version=\"2\""), std::string::npos);
  EXPECT_TRUE(engine_->HasHomeSite());

  // The same version again writes nothing.
  app_.Write("WBHome/index.htm", "mine");
  EXPECT_TRUE(engine_->DownloadHome());
  EXPECT_EQ(app_.Read("WBHome/index.htm"), "mine");
}

TEST_F(Downloads, FailedHomeIsReportedAndTriedAgain) {
  WriteLocalSite();
  const std::string page = app_.Read("WBHome/index.htm");
  site_.Remove("s/Home.xml");
  EXPECT_FALSE(engine_->DownloadHome());
  EXPECT_FALSE(app_.Exists("Data/HomeVersion.xml"));
  EXPECT_EQ(app_.Read("WBHome/index.htm"), page);

  site_.Write("s/Home.xml", "<home><html><body>Welcome</body></html></home>");
  EXPECT_TRUE(engine_->DownloadHome());
  EXPECT_NE(app_.Read("WBHome/index.htm").find("Welcome"), std::string::npos);

  site_.Remove("s/HomeVersion.xml");
  EXPECT_FALSE(engine_->DownloadHome());
}

// Names are encoded in the address: each file arrives with its own bytes, never another's.
TEST_F(Downloads, PageFileNamesAreEncodedInTheirAddresses) {
  WriteLocalSite();
  site_.Write("s/locallink.xml", "<locallink><html><body>Bar</body></html><file name=\"a b.gif\"/>"
                                 "<file name=\"x#y.gif\"/><file name=\"p%41.gif\"/><file name=\"q?r.gif\"/></locallink>");
  site_.Write("s/Files/a b.xml", FileDocument("c3BhY2U="));  // "space"
  site_.Write("s/Files/x#y.xml", FileDocument("aGFzaA=="));  // "hash"
  site_.Write("s/Files/p%41.xml", FileDocument("cGVy"));     // "per"
  site_.Write("s/Files/q?r.xml", FileDocument("cXVlcnk="));  // "query"
  // What the names would fetch unencoded.
  site_.Write("s/Files/x", FileDocument("d3Jvbmc="));
  site_.Write("s/Files/pA.xml", FileDocument("d3Jvbmc="));
  site_.Write("s/Files/q", FileDocument("d3Jvbmc="));
  ASSERT_TRUE(engine_->DownloadLinks());
  EXPECT_EQ(app_.Read("WBBar/a b.gif"), "space");
  EXPECT_EQ(app_.Read("WBBar/x#y.gif"), "hash");
  EXPECT_EQ(app_.Read("WBBar/p%41.gif"), "per");
  EXPECT_EQ(app_.Read("WBBar/q?r.gif"), "query");
}

// The version is recorded only when every file arrived; the missing one comes next time.
TEST_F(Downloads, AFailedHomeFileFailsTheHomeAndIsFetchedNextTime) {
  WriteLocalSite();
  site_.Remove("s/Files/pic.xml");
  EXPECT_FALSE(engine_->DownloadHome());
  EXPECT_NE(app_.Read("WBHome/index.htm").find("Welcome"), std::string::npos);
  EXPECT_FALSE(app_.Exists("WBHome/pic.png"));
  EXPECT_FALSE(app_.Exists("Data/HomeVersion.xml"));

  site_.Write("s/Files/pic.xml", FileDocument("cG5n"));
  EXPECT_TRUE(engine_->DownloadHome());
  EXPECT_EQ(app_.Read("WBHome/pic.png"), "png");
  EXPECT_NE(app_.Read("Data/HomeVersion.xml").find("version=\"2\""), std::string::npos);
}

// Each member against a server that never answers, all at once on engines of their own: each
// gives up after the silence, once, however many files it would fetch.
TEST(SilentServer, EveryMemberGivesUpOnceAfterTheSilence) {
  using Clock = std::chrono::steady_clock;
  const kelvane::net::Limits limits{10, 60, 1};
  const auto silence = std::chrono::seconds(limits.silent_seconds);
  testing_support::SilentServer server;
  ASSERT_FALSE(server.Url().empty());
  const std::vector<std::pair<const char*, std::function<void(kelvane::Pitchlog&)>>> members = {
      {"DownloadResults", [](kelvane::Pitchlog& e) { EXPECT_FALSE(e.DownloadResults()); }},
      {"DownloadMessage", [](kelvane::Pitchlog& e) { EXPECT_EQ(e.DownloadMessage(true), "[Error]"); }},
      {"DownloadXML", [](kelvane::Pitchlog& e) { EXPECT_FALSE(e.DownloadXML(std::string("games"))); }},
      {"DownloadPlayers", [](kelvane::Pitchlog& e) { EXPECT_FALSE(e.DownloadPlayers()); }},
      {"DownloadLinks", [](kelvane::Pitchlog& e) { EXPECT_FALSE(e.DownloadLinks()); }},
      {"DownloadHome", [](kelvane::Pitchlog& e) { EXPECT_FALSE(e.DownloadHome()); }},
  };
  std::vector<std::unique_ptr<AppFolder>> apps;
  std::vector<std::unique_ptr<kelvane::Pitchlog>> engines;
  std::vector<std::map<std::string, std::string>> before;
  for (size_t i = 0; i < members.size(); ++i) {
    apps.push_back(std::make_unique<AppFolder>());
    engines.push_back(testing_support::NewEngine(*apps.back()));
    ASSERT_TRUE(engines.back()->LoadAll().ToBool());
    engines.back()->SetProperties("downloadurl", server.Url());
    engines.back()->SetDownloadLimits(limits);
    before.push_back(Files(*apps.back()));
  }
  std::vector<Clock::duration> took(members.size());
  std::vector<std::thread> threads;
  for (size_t i = 0; i < members.size(); ++i)
    threads.emplace_back([&, i] {
      const auto start = Clock::now();
      members[i].second(*engines[i]);
      took[i] = Clock::now() - start;
    });
  for (std::thread& t : threads) t.join();
  for (size_t i = 0; i < members.size(); ++i) {
    EXPECT_GE(took[i], silence) << members[i].first;
    EXPECT_LT(took[i], 2 * silence) << members[i].first;
    EXPECT_EQ(Files(*apps[i]), before[i]) << members[i].first;
  }
}

// Counts the transfers that begin.
struct CountingHook : kelvane::net::TransferHook {
  int begun = 0;
  bool Begin(const std::string&) override { return ++begun, true; }
  bool Progress(int64_t, int64_t) override { return true; }
  void End(bool, const std::string&) override {}
};

// While a hook is set, a server that failed is not asked again; without one, each member asks.
TEST_F(Downloads, AFailedServerIsNotAskedAgainInTheSameCommand) {
  engine_->SetProperties("downloadurl", "http://127.0.0.1:" + std::to_string(testing_support::FreeLoopbackPort()));
  auto hook = std::make_shared<CountingHook>();
  engine_->SetDownloadHook(hook);
  EXPECT_FALSE(engine_->DownloadResults());
  EXPECT_FALSE(engine_->DownloadLinks());
  EXPECT_FALSE(engine_->DownloadHome());
  EXPECT_EQ(hook->begun, 1);

  engine_->SetDownloadHook(nullptr);  // the command ended
  engine_->SetDownloadHook(hook);
  EXPECT_FALSE(engine_->DownloadHome());
  EXPECT_EQ(hook->begun, 2);

  // A missing file is no failure of the server.
  engine_->SetProperties("downloadurl", server_->Url());
  EXPECT_FALSE(engine_->DownloadResults());
  EXPECT_FALSE(engine_->DownloadPlayers());
  EXPECT_EQ(hook->begun, 4);
}

TEST_F(Downloads, HasHomeSiteFollowsTheIndexPage) {
  EXPECT_TRUE(engine_->HasHomeSite());
  app_.Remove("WBHome/index.htm");
  EXPECT_FALSE(engine_->HasHomeSite());
}

}  // namespace
