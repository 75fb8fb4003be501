// The script snippets, and templates expanded into the page lines that outside callers read.
#include <gtest/gtest.h>

#include "engine/data/id_encoding.h"
#include "tests/engine/sweep_pages_fixture.h"

using kelvane::ErrorKind;
using kelvane::Variant;
using testing_support::AppFolder;
using testing_support::Choice;
using testing_support::ErrorOf;
using testing_support::Member;
using testing_support::Money;
using testing_support::NewEngine;
using testing_support::Sweep;
using testing_support::SweepPages;

namespace {

using Lines = std::vector<std::string>;

TEST(ScriptSnippets, ByKeyInAnyCaseWithTheStyleFilledIn) {
  AppFolder app;
  app.Write("Data/script.xml", testing_support::kTestScript);
  auto engine = NewEngine(app);
  EXPECT_EQ(engine->LoadScript(), Variant(true));
  EXPECT_EQ(engine->GetScript("TDStart", "align='right'"), Variant("<D align='right'>"));
  EXPECT_EQ(engine->GetScript("tdstart"), Variant("<D >"));
  EXPECT_EQ(engine->GetScript("balance", "owes"), Variant("<B owes>#VALUE#</B>"));
  EXPECT_TRUE(engine->GetScript("nosuchsnippet").IsEmpty());
  EXPECT_TRUE(engine->GetScript("").IsEmpty());
}

TEST(ScriptSnippets, MissingOrBrokenScriptLeavesEverySnippetEmptyAndTellsWhenDebugging) {
  for (const char* content : {static_cast<const char*>(nullptr), "<script><snippet key='value'>x</script>"}) {
    AppFolder app;
    if (content)
      app.Write("Data/script.xml", content);
    else
      app.Remove("Data/script.xml");
    auto engine = NewEngine(app);
    std::vector<std::string> boxes;
    engine->SetMessageSink([&](const std::string&, const std::string& text) { boxes.push_back(text); });
    engine->SetPLDebug(true);
    EXPECT_EQ(engine->LoadScript(), Variant(false));
    EXPECT_TRUE(engine->GetScript("value").IsEmpty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Script: ", 0), 0u) << boxes[0];
    EXPECT_GT(boxes[0].size(), 8u);
  }
}

TEST(ScriptSnippets, ShippedScriptHasEverySnippetThePagesNeed) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_EQ(engine->LoadScript(), Variant(true));
  for (const char* key : {"tablestart", "tableend", "trstart", "trend", "thstart", "thend", "tdstart", "tdend",
                          "sweeplink", "memberlink", "value", "balance", "positivebalance", "negativebalance",
                          "sweepname", "nosweeps", "nomembers", "nochoices", "nodetails"})
    EXPECT_FALSE(engine->GetScript(key).ToString().empty()) << key;
  EXPECT_NE(engine->GetScript("thstart", "align='left'").ToString().find("align='left'"), std::string::npos);
}

TEST(ShippedPages, EveryTemplateExpandsAllItsPlaceholders) {
  AppFolder app;
  app.Write("Data/sweeps.xml",
            testing_support::SweepsXml(Sweep("Cup", "Tournament Winner", "stake", Choice("ARG", "Ann"), "2")));
  app.Write("Data/members.xml", testing_support::MembersXml(Member("Ann", "1")));
  auto engine = NewEngine(app);
  const struct {
    const char* page;
    const char* about;
  } pages[] = {{"index.html", ""}, {"sweep.html", "cup"}, {"member.html", "ann"}, {"accounts.html", ""}};
  for (const auto& p : pages) {
    engine->GeneratePage(p.page, p.about);
    ASSERT_GT(engine->ScriptUBound(), 2) << p.page;
    std::string html;
    for (int16_t i = 0; i <= engine->ScriptUBound(); ++i) html += engine->ScriptLine(i);
    EXPECT_EQ(html.find('{'), std::string::npos) << html;
    EXPECT_EQ(html.rfind("<!DOCTYPE html>\r\n<!--", 0), 0u) << html;
  }
}

class PageTest : public SweepPages {};

TEST_F(PageTest, EachLineIsOneElementWithTheNoticeAfterTheFirst) {
  for (const char* source : {"one\ntwo\nthree\n", "one\r\ntwo\r\nthree", "one\rtwo\rthree\r\n"}) {
    const Lines page = Page(source);
    ASSERT_EQ(page.size(), 4u) << source;
    EXPECT_EQ(page[0], "one\r\n");
    EXPECT_EQ(page[1].rfind("<!--", 0), 0u) << page[1];
    EXPECT_EQ(page[1].substr(page[1].size() - 5), "-->\r\n");
    EXPECT_EQ(page[2], "two\r\n");
    EXPECT_EQ(page[3], "three\r\n");
  }
  EXPECT_EQ(Page("only\n"), Lines{"only\r\n"});
  EXPECT_EQ(Page(""), Lines{""});
  EXPECT_EQ(Page("\n\n").size(), 3u);  // two empty lines and the notice
}

TEST_F(PageTest, SnippetPlaceholdersAreReplacedAndOthersStay) {
  const struct {
    const char* line;
    const char* want;
  } cases[] = {
      {"a {greeting} b {greeting}", "a Hello b Hello\r\n"},
      {"{Greeting}!", "Hello!\r\n"},  // the key as written is replaced
      {"{no such} {unknown} {}", "{no such} {unknown} {}\r\n"},
      {"{greeting} {open", "Hello {open\r\n"},
      {"{ab{greeting}", "{ab{greeting}\r\n"},  // the key runs from the first "{" to the next "}"
      {"{echo}", "{greeting}\r\n"},            // what an expansion wrote is not expanded again
      {"{SWEEPS}", "{SWEEPS}\r\n"},            // the table generators look for their placeholder in lower case
  };
  WriteData(Sweep("Cup", "Winner", "fun"), "");
  for (const auto& c : cases) EXPECT_EQ(Page(c.line), Lines{c.want}) << c.line;
}

// A page that is not built is an empty page, never the one built before.
TEST_F(PageTest, TemplatesOutsideTheTemplatesFolderOrMissingLeaveAnEmptyPage) {
  app_.Write("Data/secret.html", "{greeting}");
  const std::string names[] = {"missing.html", "../Data/secret.html",   "..",
                               "a/page.html",  "..\\Data\\secret.html", std::string("page.html\0.txt", 14)};
  Lines before;
  for (const std::string& name : names) {
    before = Page("kept\nas it was");
    // An unsaved change shows that nothing was reloaded either.
    engine_->AddMember("Unsaved");
    engine_->GeneratePage(name);
    EXPECT_EQ(ReadPage(), Lines{""}) << name;
    EXPECT_TRUE(engine_->MemberExists("Unsaved")) << name;
  }

  // The template name is matched without regard to case; no name means the index page.
  engine_->GeneratePage("PAGE.HTML");
  EXPECT_EQ(ReadPage(), before);
  app_.Write("Templates/index.html", "{greeting}");
  engine_->GeneratePage();
  EXPECT_EQ(ReadPage(), Lines{"Hello\r\n"});
  EXPECT_FALSE(engine_->MemberExists("Unsaved"));  // the page reloads every file
}

TEST_F(PageTest, ScriptLineOutsideThePageIsEmpty) {
  auto fresh = NewEngine(app_);
  EXPECT_EQ(fresh->ScriptUBound(), 0);
  EXPECT_EQ(fresh->ScriptLine(0), "");

  Page("a\nb");
  ASSERT_EQ(engine_->ScriptUBound(), 2);
  for (const Variant& index :
       {Variant(-1), Variant(int16_t{3}), Variant("x"), Variant(), Variant("1e999"), Variant(true)})
    EXPECT_EQ(engine_->ScriptLine(index), "") << index.ToString();
  EXPECT_EQ(engine_->ScriptLine("2"), "b\r\n");
  EXPECT_EQ(engine_->ScriptLine(1.6), "b\r\n");  // a fraction within the page rounds
  EXPECT_EQ(engine_->ScriptLine(2.4), "");
}

TEST_F(PageTest, PageTooLongForAnIntegerBoundIsAnOverflow) {
  std::string lines;
  for (int i = 0; i < 32767; ++i) lines += "x\n";
  Page(lines);
  EXPECT_EQ(engine_->ScriptUBound(), 32767);  // the lines and the notice
  app_.Write("Templates/page.html", lines + "x\n");
  engine_->GeneratePage("page.html");
  EXPECT_EQ(ErrorOf([&] { engine_->ScriptUBound(); }), ErrorKind::Overflow);
  EXPECT_EQ(engine_->ScriptLine(32768), "x\r\n");
}

TEST_F(PageTest, MemberFiguresNameAndBalance) {
  const std::string stakes = Choice("ARG", "Ann") + Choice("FRA", "Ann") + Choice("BRA", "Bob");
  WriteData(Sweep("Winner sweep", "Tournament Winner", "stake", stakes, "5"),
            Member("Ann", "4") + Member("Bob") + Member("Cy", "12") +
                "<member memberid=\"dee\"><name>Dee</name><paid></paid></member>");
  const char* figures = "{membername} {membertotal} {paid} {memberbalance}";
  EXPECT_EQ(Page(figures, "Ann"),
            Lines{"<N>Ann</N> " + Money(10) + " " + Money(4) + " <B owes>" + Money(6) + "</B>\r\n"});
  EXPECT_EQ(Page(figures, "bob"),
            Lines{"<N>Bob</N> " + Money(5) + " " + Money(0) + " <B owes>" + Money(5) + "</B>\r\n"});
  EXPECT_EQ(Page("{memberbalance}", "Cy"), Lines{"<B clear>" + Money(-12) + "</B>\r\n"});
  // A cleared paid box is nothing paid, not a broken page.
  EXPECT_EQ(Page("{paid} {memberbalance}", "Dee"), Lines{Money(0) + " <B clear>" + Money(0) + "</B>\r\n"});
  // Placeholders that name a member's figure are only recognised in lower case.
  EXPECT_EQ(Page("{PAID}", "Ann"), Lines{"{PAID}\r\n"});

  // A paid text that is no number is nothing paid, as the accounts table counts it.
  WriteData(Sweep("Winner sweep", "Tournament Winner", "stake", Choice("ARG", "Eve"), "5"), Member("Eve", "lots"));
  EXPECT_EQ(Page(figures, "Eve"),
            Lines{"<N>Eve</N> " + Money(5) + " " + Money(0) + " <B owes>" + Money(5) + "</B>\r\n"});
}

// A stake and bids that the member has paid in full leave nothing owed, to the cent.
TEST_F(PageTest, MemberBalanceSettledToTheCent) {
  WriteData(Sweep("Pool", "Tournament Winner", "stake", Choice("BRA", "Bob"), "2.5") +
                Sweep("Auction", "Tournament Winner", "bid", Choice("ARG", "Bob", "0.7") + Choice("FRA", "Bob", "0.1")),
            Member("Bob", "3.30"));
  EXPECT_EQ(Page("{memberbalance}", "Bob"), Lines{"<B clear>" + Money(0) + "</B>\r\n"});
}

TEST_F(PageTest, NamesFromUsersAreEscaped) {
  const std::string name = "<b>Al & Bo</b>";
  WriteData(Sweep("Tom's \"cup\"", "Tournament Winner", "fun"), Member(name));
  EXPECT_EQ(Page("{membername}", name), Lines{"<N>&lt;b&gt;Al &amp; Bo&lt;/b&gt;</N>\r\n"});
  EXPECT_EQ(Page("{sweepname}", "Tom's \"cup\""), Lines{"<N>Tom&#39;s &quot;cup&quot;</N>\r\n"});

  // A name is text, never a placeholder: the details table stays where the template puts it.
  WriteData(Sweep("Cup", "Tournament Winner", "fun", Choice("ARG", "Gina {details}")), Member("Gina {details}"));
  const Lines page = Page("{membername} [{details}]", "Gina {details}");
  ASSERT_GE(page.size(), 3u);
  EXPECT_EQ(page[0].rfind("<N>Gina &#123;details&#125;</N> [<T>", 0), 0u) << page[0];
  EXPECT_EQ(page.back(), "</T>]\r\n");
}

TEST_F(PageTest, ChoicesOfASweepWithoutAKnownFormatAreNone) {
  WriteData(Sweep("Odd", "No such option", "fun", Choice("ARG", "Ann")), Member("Ann"));
  EXPECT_EQ(Page("[{choices}]", "Odd"), Lines{"[NO-CHOICES]\r\n"});
  EXPECT_EQ(Page("[{choices}]", "Missing"), Lines{"[NO-CHOICES]\r\n"});
}

}  // namespace
