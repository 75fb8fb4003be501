// kelvane-call end to end: registration, then JSON lines in and out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class KelvaneCall : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kelvane-call-test-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy(PITCHLOG_DATA_DIR, dir_ / "app", fs::copy_options::recursive);
    registry_ = "KELVANE_REGISTRY='" + (dir_ / "registry").string() + "' ";
    ASSERT_EQ(std::system((registry_ + KELVANE_CALL " --register " KELVANE_LIBRARY).c_str()), 0);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs kelvane-call on the lines and returns what it printed.
  std::string Run(const std::string& lines, const std::string& caller = KELVANE_CALL) {
    std::ofstream(dir_ / "in") << lines;
    std::string command = registry_ + "'" + caller + "' --app-path '" + (dir_ / "app").string() + "' < '" +
                          (dir_ / "in").string() + "' 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buf[4096];
    while (size_t n = fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    pclose(pipe);
    return out;
  }

  fs::path dir_;
  std::string registry_;
};

TEST_F(KelvaneCall, LoadAllAndMissingResults) {
  EXPECT_EQ(Run("[\"LoadAll\"]\n"), "true\n");
  fs::remove(dir_ / "app/Results/Results.xml");
  EXPECT_EQ(Run("[\"LoadAll\"]\n"), "false\n");
}

TEST_F(KelvaneCall, LetsArraysAndErrorsLineByLine) {
  std::istringstream out(Run("[\"LoadAll\"]\n"
                             "[\"Let\", \"Properties\", \"timedifference\", -4.5]\n"
                             "[\"TimeDifference\"]\n"
                             "[\"ResultsSetsArray\"]\n"
                             "[\"NoSuchMember\"]\n"
                             "not json\n"
                             "[\"LoadResultsSet\", \"../Data/properties\"]\n"
                             "[\"XMLTagEncode\", \"Team Totals\"]\n"
                             "[\"Properties\", \"nokey\"]\n"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "true");
  EXPECT_EQ(lines[1], "null");
  EXPECT_EQ(lines[2], "-4.5");
  EXPECT_EQ(lines[3], "[\"Results\",\"Tournament 2022\"]");
  EXPECT_EQ(lines[4], "{\"error\":\"other: the engine has no member named NoSuchMember\"}");
  EXPECT_EQ(lines[5].rfind("{\"error\":\"other: bad request", 0), 0u) << lines[5];
  EXPECT_EQ(lines[6], "{\"error\":\"other: invalid result set name \\\"../Data/properties\\\"\"}");
  EXPECT_EQ(lines[7], "\"team_totals\"");
  EXPECT_EQ(lines[8], "null");
}

TEST_F(KelvaneCall, SlotNamesAndTheTeamListInFileOrder) {
  std::istringstream out(Run("[\"LoadAll\"]\n"
                             "[\"HomeTeamName\", \"V1\"]\n"
                             "[\"TeamList\"]\n"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "\"Winner Group A\"");
  EXPECT_EQ(lines[2],
            "[[\"QAT\",\"Qatar\"],[\"ECU\",\"Ecuador\"],[\"SEN\",\"Senegal\"],[\"NED\",\"Netherlands\"],"
            "[\"ENG\",\"England\"],[\"IRN\",\"Iran\"],[\"USA\",\"USA\"],[\"WAL\",\"Wales\"],"
            "[\"ARG\",\"Argentina\"],[\"KSA\",\"Saudi Arabia\"],[\"MEX\",\"Mexico\"],[\"POL\",\"Poland\"],"
            "[\"FRA\",\"France\"],[\"AUS\",\"Australia\"],[\"DEN\",\"Denmark\"],[\"TUN\",\"Tunisia\"],"
            "[\"ESP\",\"Spain\"],[\"CRC\",\"Costa Rica\"],[\"GER\",\"Germany\"],[\"JPN\",\"Japan\"],"
            "[\"BEL\",\"Belgium\"],[\"CAN\",\"Canada\"],[\"MAR\",\"Morocco\"],[\"CRO\",\"Croatia\"],"
            "[\"BRA\",\"Brazil\"],[\"SRB\",\"Serbia\"],[\"SUI\",\"Switzerland\"],[\"CMR\",\"Cameroon\"],"
            "[\"POR\",\"Portugal\"],[\"GHA\",\"Ghana\"],[\"URU\",\"Uruguay\"],[\"KOR\",\"South Korea\"]]");
}

TEST_F(KelvaneCall, StatisticsOfTheFinishedTournament) {
  std::istringstream out(Run("[\"LoadAll\"]\n"
                             "[\"LoadResultsSet\", \"Tournament 2022\"]\n"
                             "[\"LoadStats\"]\n"
                             "[\"TeamTotals\", 0, 0, 14]\n"
                             "[\"TeamTotals\", 0, 0, 0]\n"
                             "[\"PlayerTotalsIndex\", \"FRA10\"]\n"
                             "[\"PlayerTotals\", 0, 0, 14]\n"
                             "[\"PlayerTotalsName\", 14]\n"
                             "[\"ChartData\", 0, 0, 99]\n"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[3], "172");
  EXPECT_EQ(lines[4], "64");
  EXPECT_EQ(lines[5], "14");
  EXPECT_EQ(lines[6], "8");
  EXPECT_EQ(lines[7], "\"Kylian MBAPPE\"");
  EXPECT_EQ(lines[8], "null");
}

TEST_F(KelvaneCall, UnregisteredProgIdIsAClearError) {
  std::system((registry_ + KELVANE_CALL " --unregister " KELVANE_LIBRARY).c_str());
  EXPECT_NE(Run("[\"LoadAll\"]\n").find("Kelvane.Pitchlog is not registered"), std::string::npos);
}

// A program folder holding its own engine loads that one, though another build registered later.
TEST_F(KelvaneCall, LoadsTheEngineBesideIt) {
  const fs::path program = dir_ / "app";
  fs::copy_file(KELVANE_CALL, program / "kelvane-call");
  fs::copy_file(KELVANE_LIBRARY, program / "libkelvane.so");
  const std::string register_copy = registry_ + "'" + (program / "kelvane-call").string() + "' --register '" +
                                    (program / "libkelvane.so").string() + "'";
  ASSERT_EQ(std::system(register_copy.c_str()), 0);
  ASSERT_EQ(std::system((registry_ + KELVANE_CALL " --register " KELVANE_LIBRARY).c_str()), 0);

  // The loader names each library it opens.
  registry_ += "LD_DEBUG=files ";
  const std::string beside = Run("[\"LoadAll\"]\n", (program / "kelvane-call").string());
  EXPECT_NE(beside.find("file=" + (program / "libkelvane.so").string()), std::string::npos) << beside;
  EXPECT_EQ(beside.find("file=" KELVANE_LIBRARY), std::string::npos) << beside;
  EXPECT_NE(Run("[\"LoadAll\"]\n").find("file=" KELVANE_LIBRARY), std::string::npos);
}

}  // namespace
