// Downloads that came as something else (a server's error page, a file of another kind) leave
// every local file, and the squads in memory, as they were.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "tests/engine/fixture.h"
#include "tests/support/local_http_server.h"

namespace {

using testing_support::AppFolder;

constexpr char kPlayersDtd[] =
    "<!DOCTYPE players [<!ATTLIST team teamid ID #REQUIRED><!ATTLIST player playerid ID #REQUIRED>]>";
constexpr char kErrorPage[] =
    "<!DOCTYPE html><html><head><title>404 Not Found</title></head><body><h1>Not Found</h1></body></html>";

// Every file below the folder with its bytes.
std::map<std::string, std::string> Files(const AppFolder& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
    if (entry.is_regular_file()) {
      const std::string relative = std::filesystem::relative(entry.path(), folder.path()).generic_string();
      files[relative] = folder.Read(relative);
    }
  return files;
}

class DownloadChecks : public testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<testing_support::LocalHttpServer>(site_.path());
    ASSERT_FALSE(server_->Url().empty()) << "the local HTTP server did not start";
    // The files that the link bar and home downloads keep, so that a change would show.
    app_.Write("Data/LocalLink.xml", "<locallink><html><body>Bar</body></html></locallink>");
    app_.Write("Data/HomeVersion.xml", "<home version=\"1\"/>");
    app_.Write("Data/Home.xml", "<home><html><body>Home</body></html></home>");
    app_.Write("Data/links.xml", "<links><game id=\"1\">http://example.invalid/g1</game></links>");
    engine_ = testing_support::NewEngine(app_);
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    engine_->SetProperties("downloadurl", server_->Url());
  }
  void TearDown() override { server_.reset(); }

  AppFolder app_;
  AppFolder site_{AppFolder::kEmpty};
  std::unique_ptr<testing_support::LocalHttpServer> server_;
  std::unique_ptr<kelvane::Pitchlog> engine_;
};

TEST_F(DownloadChecks, AFileOfAnotherKindReplacesNoFile) {
  const std::string teams = app_.Read("Data/teams.xml");
  const std::pair<const char*, std::string> served[] = {{"an error page", kErrorPage}, {"a teams file", teams}};
  const auto before = Files(app_);
  for (const char* file : {"statscolumns", "links", "locallink", "HomeVersion", "Home"}) {
    for (const auto& [what, content] : served) {
      site_.Write(std::string(file) + ".xml", content);
      EXPECT_FALSE(engine_->DownloadXML(file)) << file << " as " << what;
      EXPECT_EQ(Files(app_), before) << file << " as " << what;
    }
  }
}

TEST_F(DownloadChecks, TheLinkBarAndHomeDownloadsTakeNoErrorPage) {
  for (const char* file : {"links", "locallink", "HomeVersion", "Home"}) site_.Write(std::string(file) + ".xml", kErrorPage);
  const auto before = Files(app_);
  EXPECT_FALSE(engine_->DownloadLinks());
  EXPECT_FALSE(engine_->DownloadHome());
  EXPECT_EQ(Files(app_), before);
  EXPECT_EQ(engine_->Link("game", "1"), "http://example.invalid/g1");
}

TEST_F(DownloadChecks, FilesOfTheirKindAreTaken) {
  const std::pair<const char*, std::string> good[] = {
      {"statscolumns", app_.Read("Data/statscolumns.xml")},
      {"links", "<links/>"},
      {"stadia", app_.Read("Data/stadia.xml")},
      {"sweepoptions", app_.Read("Data/sweepoptions.xml")},
      {"locallink", "<locallink><html><body>New bar</body></html><file name=\"a.gif\"/></locallink>"},
      {"HomeVersion", "<home version=\"2\"/>"},
      {"Home", "<home><html><body>New</body></html><html name=\"b.htm\"/></home>"},
  };
  for (const auto& [file, content] : good) {
    site_.Write(std::string(file) + ".xml", content);
    EXPECT_TRUE(engine_->DownloadXML(file)) << file;
  }
}

// Files that must hold records and hold none would blank every stadium or sweep option, and a
// server's answer is no links file.
TEST_F(DownloadChecks, AFileWithoutItsRecordsReplacesNoFile) {
  const std::pair<const char*, std::string> served[] = {
      {"sweepoptions", "<!DOCTYPE sweepoptions [<!ATTLIST option optionid ID #REQUIRED>]><sweepoptions/>"},
      {"sweepoptions", "<!DOCTYPE sweepoptions [<!ATTLIST option optionid ID #REQUIRED>]>"
                       "<sweepoptions><option optionid=\"a\"/></sweepoptions>"},
      {"stadia", "<!DOCTYPE stadia [<!ATTLIST stadium stadiumid ID #REQUIRED>]><stadia/>"},
      {"stadia", "<!DOCTYPE stadia [<!ATTLIST stadium stadiumid ID #REQUIRED>]>"
                 "<stadia><stadium><name>Nameless</name></stadium></stadia>"},
      {"stadia", "<!DOCTYPE teams [<!ATTLIST stadium stadiumid ID #REQUIRED>]>"
                 "<teams><stadium stadiumid=\"a\"><name>A</name></stadium></teams>"},
      {"links", "<error>Not found</error>"},
      {"links", "<links>Not found</links>"},
  };
  const auto before = Files(app_);
  for (const auto& [file, content] : served) {
    site_.Write(std::string(file) + ".xml", content);
    EXPECT_FALSE(engine_->DownloadXML(file)) << content;
    EXPECT_EQ(Files(app_), before) << content;
  }
  EXPECT_FALSE(engine_->DownloadLinks());
  EXPECT_EQ(engine_->Link("game", "1"), "http://example.invalid/g1");
}

// Each download below fails on a player that the squads can't take after others were merged.
TEST_F(DownloadChecks, PlayersThatFailHalfWayLeaveTheSquadsAsTheyWere) {
  const std::pair<const char*, std::string> cases[] = {
      {"a new team whose id a player holds",
       "<players><team teamid=\"QAT\"><player playerid=\"QAT01\"><playername>Renamed</playername></player>"
       "<player playerid=\"QAT77\"><playername>New</playername></player></team>"
       "<team teamid=\"ARG01\"><player playerid=\"ZZZ01\"/></team></players>"},
      {"a player whose id a team holds",
       "<players><team teamid=\"QAT\"><player playerid=\"QAT77\"><playername>New</playername></player>"
       "<player playerid=\"ARG\"><playername>Team</playername></player></team></players>"},
      {"a new player whose id his own new team holds",
       "<players><team teamid=\"QAT\"><player playerid=\"QAT77\"/></team>"
       "<team teamid=\"NEW\"><player playerid=\"NEW\"/></team></players>"},
      {"an error page", kErrorPage},
  };
  const std::string name = engine_->PlayerName("QAT01");
  const kelvane::Variant squads = engine_->PlayerList();
  for (const auto& [what, content] : cases) {
    site_.Write("players.xml", std::string(kPlayersDtd) + content);
    EXPECT_FALSE(engine_->DownloadPlayers()) << what;
    EXPECT_EQ(engine_->PlayerName("QAT01"), name) << what;
    EXPECT_FALSE(engine_->PlayerExists("QAT77")) << what;
    EXPECT_FALSE(engine_->PlayerExists("NEW")) << what;
    EXPECT_TRUE(engine_->PlayerList() == squads) << what;
  }
}

// What the program tells the user: a file that arrived and was refused names itself and its
// fault; a file that did not arrive says why, and is no refusal.
TEST_F(DownloadChecks, EachFailureSaysWhy) {
  using Call = std::function<bool(kelvane::Pitchlog&)>;
  const Call data_file = [](kelvane::Pitchlog&) { return false; };  // stands for DownloadXML of the case's file
  const Call results = [](kelvane::Pitchlog& e) { return e.DownloadResults(); };
  const Call players = [](kelvane::Pitchlog& e) { return e.DownloadPlayers(); };
  const Call message = [](kelvane::Pitchlog& e) { return e.DownloadMessage(true) != "[Error]"; };
  struct Case {
    const char* file;
    std::string served;
    const Call* call;
    const char* reason;
  };
  const Case cases[] = {
      {"stadia", "<!DOCTYPE stadia [<!ATTLIST stadium stadiumid ID #REQUIRED>]><stadia/>", &data_file,
       "The downloaded file stadia.xml holds no stadiums; your own file is kept."},
      {"sweepoptions", "<!DOCTYPE sweepoptions [<!ATTLIST option optionid ID #REQUIRED>]><sweepoptions/>", &data_file,
       "The downloaded file sweepoptions.xml holds no sweep options; your own file is kept."},
      {"stadia", "<stadia><stadium stadiumid=\"a\"><name>A</name></stadium></stadia>", &data_file,
       "The downloaded file stadia.xml does not declare the ids of its stadium records; your own file is kept."},
      {"links", "<error>Not found</error>", &data_file,
       "The downloaded file links.xml holds only the server's answer \"Not found\"; your own file is kept."},
      {"stadia", app_.Read("Data/teams.xml"), &data_file,
       "The downloaded file stadia.xml is a teams file, not a stadia file; your own file is kept."},
      {"games", kErrorPage, &data_file,
       "The downloaded file games.xml is a web page, not a data file; your own file is kept."},
      {"teams", "<teams><team", &data_file,
       "The downloaded file teams.xml is not a readable XML file; your own file is kept."},
      {"Home", "<home/>", &data_file, "The downloaded file Home.xml holds no page; your own file is kept."},
      {"Results", app_.Read("Data/teams.xml"), &results,
       "The downloaded file Results.xml holds no groups; your results are kept."},
      {"players", std::string(kPlayersDtd) + "<players/>", &players,
       "The downloaded file players.xml holds no players; your squads are kept."},
      {"players",
       std::string(kPlayersDtd) + "<players><team teamid=\"QAT\"><player playerid=\"ARG\"/></team></players>", &players,
       "The downloaded file players.xml uses an id that your squads already give to another player or team; your "
       "squads are kept."},
      {"message", "Kick-off tonight", &message,
       "The downloaded file message.xml is not a readable XML file; nothing was changed."},
  };
  for (const Case& c : cases) {
    site_.Write(std::string(c.file) + ".xml", c.served);
    const bool taken = c.call == &data_file ? engine_->DownloadXML(c.file) : (*c.call)(*engine_);
    EXPECT_FALSE(taken) << c.reason;
    EXPECT_EQ(engine_->LastDownloadError(), c.reason);
    EXPECT_TRUE(engine_->LastDownloadRefused()) << c.reason;
  }

  // A download that succeeds leaves no reason from an earlier one.
  site_.Write("stadia.xml", app_.Read("Data/stadia.xml"));
  EXPECT_TRUE(engine_->DownloadXML("stadia"));
  EXPECT_EQ(engine_->LastDownloadError(), "");
  EXPECT_FALSE(engine_->LastDownloadRefused());

  // A file the server doesn't have, and a server nobody answers at, are no refusals.
  EXPECT_FALSE(engine_->DownloadXML("absent"));
  EXPECT_EQ(engine_->LastDownloadError(), "Could not download absent.xml: the server answered with status 404.");
  EXPECT_FALSE(engine_->LastDownloadRefused());
  engine_->SetProperties("downloadurl", "http://127.0.0.1:" + std::to_string(testing_support::FreeLoopbackPort()));
  for (const Call* call : {&results, &players, &message}) {
    EXPECT_FALSE((*call)(*engine_));
    EXPECT_TRUE(engine_->LastDownloadError().starts_with("Could not download ")) << engine_->LastDownloadError();
    EXPECT_FALSE(engine_->LastDownloadRefused()) << engine_->LastDownloadError();
  }
}

}  // namespace
