// A sweep's choices ranked: teams by placing or statistic, scorers and chosen players, numbers
// by their distance from the target.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/data/id_encoding.h"
#include "engine/data/text.h"
#include "tests/engine/sweep_pages_fixture.h"
#include "tests/support/process_locale.h"

using kelvane::ErrorKind;
using testing_support::Choice;
using testing_support::ErrorOf;
using testing_support::Member;
using testing_support::Money;
using testing_support::Option;
using testing_support::Sweep;

namespace {

using Lines = std::vector<std::string>;

std::string Team(const std::string& id, const std::string& figures) {
  return "<team teamid=\"" + id + "\">" + figures + "</team>";
}
std::string Game(const std::string& id, const std::string& content) {
  return "<game gameid=\"" + id + "\">" + content + "</game>";
}
std::string Goal(const std::string& player) { return "<goal><playerid>" + player + "</playerid></goal>"; }

// England beat Iran 2-0 and draw 1-1: England 3 goals in 2 games (Kane all three), Iran 1.
const std::string kGroupGames =
    Game("B1", Team("ENG", "<p>1</p><w>1</w><f>2</f><a>0</a>" + Goal("ENG09") + Goal("ENG09")) +
                   Team("IRN", "<p>1</p><l>1</l><f>0</f><a>2</a>")) +
    Game("B2", Team("ENG", "<p>1</p><d>1</d><f>1</f><a>1</a>" + Goal("ENG09")) +
                   Team("IRN", "<p>1</p><d>1</d><f>1</f><a>1</a>" + Goal("IRN19")));
const std::string kFinal = Game(
    "Z1", "<winner>ARG</winner>" + Team("ARG", "<p>1</p><f>1</f><a>0</a>") + Team("FRA", "<p>1</p><f>0</f><a>1</a>"));

const std::string kOptions = Option("Winner", "Place(1)", "teamlist", "asc") +
                             Option("Winner down", "Place(1)", "teamlist", "desc") +
                             Option("Average", "TeamAverage(0,?,14)", "teamlist", "asc", "Goals") +
                             Option("Average down", "TeamAverage(0,?,14)", "teamlist", "desc", "Goals") +
                             Option("Totals", "TeamTotals(0,?,14)", "teamlist", "asc") +
                             Option("Totals down", "TeamTotals(0,?,14)", "teamlist", "desc") +
                             Option("England only", "TeamTotals(0,5,14)", "teamlist", "asc") +
                             Option("Scorer", "PlayerTotals(0,0,?)", "playerlist", "desc", "Goals") +
                             Option("Placed scorer", "Place(1)", "playerlist") +
                             Option("(Player List)", "PlayerTotals(0,0,?)", "playerlist") +
                             Option("England goals", "TeamTotals(0,5,14)", "number", "", "England goals") +
                             Option("Nothing", "nothing()", "number");

const std::string kTeamHeader = "<T>\r\n<R>\r\n<H align='left'>Team</H>\r\n<H align='left'>Member</H>\r\n</R>\r\n";

class RankedTablesTest : public testing_support::SweepPages {
 protected:
  void SetUp() override { app_.Write("Results/Results.xml", testing_support::ResultsXml("", kGroupGames + kFinal)); }

  // The team list of a sweep made from the option, as its page shows it.
  std::string TeamTable(const std::string& option, const std::string& choices = "", const std::string& type = "fun",
                        const std::string& members = "") {
    WriteData(Sweep("Cup", option, type, choices), members, kOptions);
    const Lines page = Page("{choices}", "Cup");
    EXPECT_EQ(page.size(), 1u);
    return page.front();
  }

  // The rows of a table, each from "<R><D" to its "</R>" and line end.
  static Lines Rows(const std::string& table) {
    Lines rows;
    for (size_t at = table.find("<R><D"); at != std::string::npos; at = table.find("<R><D", at + 1))
      rows.push_back(table.substr(at, table.find("</R>\r\n", at) + 6 - at));
    return rows;
  }
  static std::string FirstCell(const std::string& row) {
    const size_t start = row.find('>', 3) + 1;
    return row.substr(start, row.find("</D>") - start);
  }
  static Lines Teams(const std::string& table) {
    Lines names;
    for (const std::string& row : Rows(table)) names.push_back(FirstCell(row));
    return names;
  }
  // Team names in the teams file's order.
  Lines FileOrder() {
    const kelvane::Array list = engine_->TeamList().AsArray();
    Lines names;
    for (int32_t j = 0; j <= list.UBound(2); ++j) names.push_back(list.at(1, j).ToString());
    return names;
  }
  static Lines ByName(Lines names, bool ascending) {
    std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
      return ascending ? kelvane::text::Lower(a) < kelvane::text::Lower(b)
                       : kelvane::text::Lower(b) < kelvane::text::Lower(a);
    });
    return names;
  }
};

TEST_F(RankedTablesTest, PlacingListsEveryTeamByNameWithThePlacedTeamMarked) {
  const std::string up = TeamTable("Winner", Choice("ARG", "Ann"), "fun", Member("Ann"));
  const Lines all = FileOrder();
  ASSERT_EQ(all.size(), 32u);
  EXPECT_EQ(up.rfind(kTeamHeader, 0), 0u) << up;  // no value column
  EXPECT_EQ(up.substr(up.size() - 6), "</T>\r\n");
  const auto marked = [](Lines names) {
    std::replace(names.begin(), names.end(), std::string("Argentina"), std::string("<b>*** Argentina ***</b>"));
    return names;
  };
  EXPECT_EQ(Teams(up), marked(ByName(all, true)));
  EXPECT_NE(up.find("<R><D ><b>*** Argentina ***</b></D><D ><M ann>Ann</M>&nbsp;</D></R>\r\n"), std::string::npos);
  EXPECT_NE(up.find("<R><D >Brazil</D><D >&nbsp;</D></R>\r\n"), std::string::npos);

  EXPECT_EQ(Teams(TeamTable("Winner down")), marked(ByName(all, false)));
}

TEST_F(RankedTablesTest, StatisticRanksByValueWithEmptyValuesLastAndTiesByName) {
  const testing_support::EnvironmentVariable user("LC_ALL", "C");  // averages written with a point
  app_.Write("Results/Results.xml", testing_support::ResultsXml("", kGroupGames));
  engine_->LoadAll();
  const Lines all = FileOrder();
  Lines others;
  for (const std::string& name : all)
    if (name != "England" && name != "Iran") others.push_back(name);

  const std::string up = TeamTable("Average");
  EXPECT_EQ(up.rfind("<T>\r\n<R>\r\n<H align='left'>Team</H>\r\n<H align='right'>Goals</H>\r\n", 0), 0u) << up;
  Lines want{"Iran", "England"};
  for (const std::string& name : ByName(others, true)) want.push_back(name);
  EXPECT_EQ(Teams(up), want);
  EXPECT_NE(up.find("<R><D >England</D><D align='right'>1.500&nbsp;</D>\r\n<D >&nbsp;</D></R>"),
            std::string::npos);
  EXPECT_NE(up.find("<R><D >Brazil</D><D align='right'>&nbsp;</D>\r\n"), std::string::npos);

  want = {"England", "Iran"};
  for (const std::string& name : ByName(others, false)) want.push_back(name);
  EXPECT_EQ(Teams(TeamTable("Average down")), want);

  // Level teams in name order, in either direction.
  want = ByName(others, true);
  want.push_back("Iran");
  want.push_back("England");
  EXPECT_EQ(Teams(TeamTable("Totals")), want);
  want = {"England", "Iran"};
  for (const std::string& name : ByName(others, false)) want.push_back(name);
  EXPECT_EQ(Teams(TeamTable("Totals down")), want);

  // One value for no team in particular: every team once, in file order.
  EXPECT_EQ(Teams(TeamTable("England only")), all);
}

TEST_F(RankedTablesTest, BidSweepShowsBidsAndEscapedMembers) {
  const std::string al = "<b>Al & Bo</b>";
  const std::string table =
      TeamTable("Winner", Choice("ARG", "Ann", "7.5") + Choice("FRA", al, "2") + Choice("BRA", "Cy"), "bid",
                Member("Ann") + Member(al) + Member("Cy"));
  EXPECT_EQ(table.rfind("<T>\r\n<R>\r\n<H align='left'>Team</H>\r\n<H align='left'>Member</H>\r\n"
                        "<H align='right'>Bid</H>\r\n</R>\r\n",
                        0),
            0u)
      << table;
  const std::string right = "<D align='right'>";
  for (const std::string& row :
       {"<R><D ><b>*** Argentina ***</b></D><D ><M ann>Ann</M>&nbsp;</D>" + right + Money(7.5) +
            "&nbsp;</D>\r\n</R>\r\n",
        "<R><D >France</D><D ><M " + kelvane::EncodeXmlTag(al) + ">&lt;b&gt;Al &amp; Bo&lt;/b&gt;</M>&nbsp;</D>" +
            right + Money(2) + "&nbsp;</D>\r\n</R>\r\n",
        "<R><D >Brazil</D><D ><M cy>Cy</M>&nbsp;</D>" + right + Money(0) + "&nbsp;</D>\r\n</R>\r\n",
        "<R><D >Spain</D><D >&nbsp;</D>" + right + Money(0) + "&nbsp;</D>\r\n</R>\r\n"})
    EXPECT_NE(table.find(row), std::string::npos) << row;
}

TEST_F(RankedTablesTest, PlayersScorersFirstThenChosenPlayersWithoutValue) {
  WriteData(Sweep("Scorers", "Scorer", "fun", Choice("ENG01", "Bob") + Choice("ENG09", "Ann")),
            Member("Ann") + Member("Bob"), kOptions);
  const Lines page = Page("a{choices}b", "Scorers");
  const std::string iran = engine_->PlayerName("IRN19") + " (Iran)";
  const std::string value = "<D align='right'>";
  EXPECT_EQ(
      page,
      (Lines{"a<T>\r\n<R>\r\n<H align='left'>Player</H>\r\n<H align='right'>Goals</H>\r\n"
             "<H align='left'>Member</H>\r\n</R>\r\n",
             "<R><D >Harry KANE (England)</D>" + value + "3&nbsp;</D>\r\n<D ><M ann>Ann</M>&nbsp;</D></R>\r\n",
             "<R><D >" + iran + "</D>" + value + "1&nbsp;</D>\r\n<D >&nbsp;</D></R>\r\n",
             "<R><D >Jordan PICKFORD (England)</D>" + value + "&nbsp;</D>\r\n<D ><M bob>Bob</M>&nbsp;</D></R>\r\n",
             "</T>b\r\n"}));
}

// Averages come formatted with the user's separator; a zero one still leaves its player out.
TEST_F(RankedTablesTest, PlayersByAnAverageUnderADecimalComma) {
  const std::string penalty = "<goal><playerid>ENG09</playerid><pen>1</pen></goal>";
  app_.Write("Results/Results.xml",
             testing_support::ResultsXml("", Game("B1", Team("ENG", "<p>1</p>" + Goal("ENG09") + Goal("ENG09") + penalty) +
                                                            Team("IRN", "<p>1</p>" + Goal("IRN19")))));
  WriteData(Sweep("Spot kicks", "Penalty share", "fun"), "",
            kOptions + Option("Penalty share", "PlayerAverage(0,1,?)", "playerlist", "desc", "Share"));
  testing_support::ProcessLocale german(testing_support::kDecimalCommaLocale);
  ASSERT_TRUE(german.ok()) << "no " << testing_support::kDecimalCommaLocale << ": run scripts/install-deps";
  std::string page;
  for (const std::string& line : Page("{choices}", "Spot kicks")) page += line;
  EXPECT_EQ(Rows(page),
            Lines{"<R><D >Harry KANE (England)</D><D align='right'>,333&nbsp;</D>\r\n<D >&nbsp;</D></R>\r\n"});
}

// The player-pick option ranks nobody: only the chosen players are listed, scorers or not.
TEST_F(RankedTablesTest, PlayerPickListsTheChosenPlayersOnly) {
  WriteData(Sweep("Pick", "(Player List)", "fun", Choice("ENG01", "Ann")), Member("Ann"), kOptions);
  const Lines page = Page("{choices}", "Pick");
  EXPECT_EQ(page, (Lines{"<T>\r\n<R>\r\n<H align='left'>Player</H>\r\n<H align='left'>Member</H>\r\n</R>\r\n",
                         "<R><D >Jordan PICKFORD (England)</D><D ><M ann>Ann</M>&nbsp;</D></R>\r\n", "</T>\r\n"}));
}

TEST_F(RankedTablesTest, PlayersWithoutEntriesOrWithoutAnArraySource) {
  app_.Write("Results/Results.xml", testing_support::ResultsXml("", ""));
  WriteData(Sweep("Scorers", "Scorer", "fun") + Sweep("Placed", "Placed scorer", "fun"), "", kOptions);
  EXPECT_EQ(Page("[{choices}]", "Scorers"), Lines{"[NO-CHOICES]\r\n"});
  EXPECT_EQ(ErrorOf([&] { Page("{choices}", "Placed"); }), ErrorKind::TypeMismatch);
}

TEST_F(RankedTablesTest, NumbersClosestToTheTargetFirstEarlierChoiceOnATie) {
  const std::string members = Member("Ann") + Member("Bob") + Member("Cy");
  const std::string guesses = Choice("5", "Ann", "1.5") + Choice("1", "Bob") + Choice("2", "Cy", "3");
  WriteData(Sweep("Guess", "England goals", "fun", guesses) + Sweep("Bids", "England goals", "bid", guesses) +
                Sweep("Blind", "Nothing", "fun", guesses),
            members, kOptions);
  const auto row = [](const char* member, const char* number, const std::string& bid = "") {
    const std::string key = kelvane::text::Lower(member);
    return "<R><D ><M " + key + ">" + member + "</M></D><D align='right'>" + number + "</D>\r\n" + bid + "</R>\r\n";
  };
  EXPECT_EQ(Page("{choices}", "Guess"),
            (Lines{"<T>\r\n<R>\r\n<H align='left'>Member</H>\r\n<H align='right'>England goals (3)</H>\r\n</R>\r\n",
                   row("Cy", "2"), row("Ann", "5"), row("Bob", "1"), "</T>\r\n"}));

  const Lines bids = Page("{choices}", "Bids");
  ASSERT_EQ(bids.size(), 5u);
  EXPECT_NE(bids[0].find("<H align='right'>Bid</H>"), std::string::npos);
  EXPECT_EQ(bids[1], row("Cy", "2", "<D align='right'>" + Money(3) + "</D>\r\n"));
  EXPECT_EQ(bids[3], row("Bob", "1", "<D align='right'>" + Money(0) + "</D>\r\n"));

  // A source that yields nothing is a target of 0, and the caption has no figure.
  EXPECT_EQ(Page("{choices}", "Blind"),
            (Lines{"<T>\r\n<R>\r\n<H align='left'>Member</H>\r\n<H align='right'>Value</H>\r\n</R>\r\n",
                   row("Bob", "1"), row("Cy", "2"), row("Ann", "5"), "</T>\r\n"}));
}

TEST_F(RankedTablesTest, NumbersWithoutChoicesOrPlaceholderOrWithAWord) {
  WriteData(Sweep("Empty", "England goals", "fun") + Sweep("Guess", "England goals", "fun", Choice("4", "Ann")) +
                Sweep("Words", "England goals", "fun", Choice("four", "Ann")),
            Member("Ann"), kOptions);
  EXPECT_EQ(Page("[{choices}]", "Empty"), Lines{"[NO-CHOICES]\r\n"});
  EXPECT_EQ(Page("[{CHOICES}]", "Guess"), Lines{"[{CHOICES}]\r\n"});
  EXPECT_EQ(ErrorOf([&] { Page("{choices}", "Words"); }), ErrorKind::TypeMismatch);
}

}  // namespace
