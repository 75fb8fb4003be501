#include "platform/xml/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/component/error.h"

namespace kelvane::xml {
namespace {

namespace fs = std::filesystem;

constexpr const char* kResults = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE results [
  <!ATTLIST game gameid ID #REQUIRED>
  <!ATTLIST koteam koteamid ID #REQUIRED>
]>
<results>
  <groups><group groupid="A"/></groups>
  <games>
    <game gameid="A1"><result>true</result><team teamid="QAT"><f>0</f></team></game>
    <game gameid="A2"><result>false</result></game>
  </games>
  <progression><koteam koteamid="_A1">NED</koteam></progression>
</results>
)";

Document Parsed(std::string_view text) {
  Document doc;
  EXPECT_TRUE(doc.LoadText(text)) << doc.ParseError();
  return doc;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

ErrorKind KindOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.kind();
  }
  ADD_FAILURE() << "no kelvane::Error thrown";
  return ErrorKind::TypeMismatch;
}

class XmlFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "xml_document_test.XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

// ---- loading --------------------------------------------------------------------------------

TEST(XmlLoad, MalformedTextLeavesDocumentEmptyWithReasonAndPrintsNothing) {
  const std::string_view cases[] = {"",         "not xml",           "<a><b></a>", "<a>", "<a x='1' x='2'/>",
                                    "<a/><b/>", "<a>&undefined;</a>"};
  for (std::string_view text : cases) {
    Document doc = Parsed("<old/>");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(doc.LoadText(text)) << text;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << text;
    EXPECT_FALSE(doc.HasRoot()) << text;
    EXPECT_FALSE(doc.Root()) << text;
    EXPECT_NE(doc.ParseError(), "") << text;
  }
}

TEST(XmlLoad, ReasonNamesTheLineAndIsClearedBySuccess) {
  Document doc;
  EXPECT_FALSE(doc.LoadText("<a>\n<b>\n</a>"));
  EXPECT_NE(doc.ParseError().find("line 3"), std::string::npos) << doc.ParseError();
  EXPECT_TRUE(doc.LoadText("<a/>"));
  EXPECT_EQ(doc.ParseError(), "");
  EXPECT_EQ(doc.Root().Name(), "a");
}

TEST_F(XmlFiles, LoadFileReadsAFileAndReportsAMissingOne) {
  WriteFile(dir_ / "results.xml", kResults);
  Document doc;
  ASSERT_TRUE(doc.LoadFile((dir_ / "results.xml").string())) << doc.ParseError();
  EXPECT_EQ(doc.Root().Name(), "results");

  const std::string missing = (dir_ / "missing.xml").string();
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(doc.LoadFile(missing));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(doc.HasRoot());
  EXPECT_NE(doc.ParseError().find(missing), std::string::npos) << doc.ParseError();

  EXPECT_FALSE(doc.LoadFile(dir_.string()));  // a folder
  EXPECT_NE(doc.ParseError(), "");
}

TEST_F(XmlFiles, ExternalEntityIsNotExpanded) {
  const fs::path secret = dir_ / "secret.txt";
  WriteFile(secret, "secret");
  Document doc;
  ASSERT_TRUE(doc.LoadText("<!DOCTYPE r [<!ENTITY x SYSTEM \"file://" + secret.string() + "\">]><r>&x;</r>"));
  EXPECT_EQ(doc.Root().Text(), "");
  doc.Save((dir_ / "out.xml").string());
  EXPECT_NE(ReadFile(dir_ / "out.xml").find("<r>&x;</r>"), std::string::npos) << ReadFile(dir_ / "out.xml");
}

// ---- reading --------------------------------------------------------------------------------

TEST(XmlRead, NavigatesElementsOnly) {
  Document doc =
      Parsed("<r><!-- c --><a n='1'>x<b>y</b>z</a>text<b n='2'><a n='3'/></b><a n='4'/><?pi?></r>");
  Node root = doc.Root();
  EXPECT_FALSE(root.Parent());
  EXPECT_EQ(root.FirstElementChild().Attribute("n"), "1");
  EXPECT_EQ(root.FirstChild("b").Attribute("n"), "2");
  EXPECT_FALSE(root.FirstChild("c"));

  std::vector<Node> all = root.Children();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[1].Name(), "b");
  std::vector<Node> as = root.Children("a");
  ASSERT_EQ(as.size(), 2u);
  EXPECT_EQ(as[1].Attribute("n"), "4");

  std::vector<std::string> order;
  for (const Node& a : root.Descendants("a")) order.push_back(a.Attribute("n"));
  EXPECT_EQ(order, (std::vector<std::string>{"1", "3", "4"}));

  EXPECT_EQ(as[0].Text(), "xyz");
  EXPECT_EQ(root.FirstChild("b").FirstChild("a").Parent(), root.FirstChild("b"));
  EXPECT_TRUE(as[0].HasAttribute("n"));
  EXPECT_FALSE(as[0].HasAttribute("m"));
  EXPECT_EQ(as[0].Attribute("m"), "");
}

// Settings and fields are looked up by name: an empty name must not stand for "any element".
TEST(XmlRead, AnEmptyNameFindsNothing) {
  Document doc = Parsed("<r><timedifference>1</timedifference><a><b/></a></r>");
  Node root = doc.Root();
  EXPECT_FALSE(root.FirstChild(""));
  EXPECT_TRUE(root.Children("").empty());
  EXPECT_TRUE(root.Descendants("").empty());
  EXPECT_EQ(root.FirstElementChild().Name(), "timedifference");
}

TEST(XmlRead, ReferencesAreResolvedInTextAndAttributes) {
  Document doc = Parsed(R"(<!DOCTYPE r [<!ENTITY t "Team">]><r a="x &amp; &t; &#233;">&t; &lt;A&gt;</r>)");
  EXPECT_EQ(doc.Root().Text(), "Team <A>");
  EXPECT_EQ(doc.Root().Attribute("a"), "x & Team \xC3\xA9");
}

TEST(XmlRead, MembersOfANullNodeThrowObjectMissing) {
  Node null;
  const std::function<void()> calls[] = {
      [&] { null.Name(); },
      [&] { null.Text(); },
      [&] { null.SetText("x"); },
      [&] { null.Attribute("a"); },
      [&] { null.FirstChild("a"); },
      [&] { null.Children(); },
      [&] { null.AppendChild("a"); },
      [&] { null.Remove(); },
      [&] { Parsed("<r/>").Root().AppendCopy(null); },
  };
  for (const auto& call : calls) EXPECT_EQ(KindOf(call), ErrorKind::ObjectMissing);
}

// ---- writing --------------------------------------------------------------------------------

TEST(XmlWrite, SetTextIsLiteralAndReplacesAllContent) {
  Document doc = Parsed(kResults);
  Node games = doc.Root().FirstChild("games");
  games.SetText("a & b <c> &amp; \"d\"");
  EXPECT_EQ(games.Text(), "a & b <c> &amp; \"d\"");
  EXPECT_FALSE(games.FirstElementChild());
  EXPECT_FALSE(doc.ElementById("A1"));  // the replaced games took their ids along

  games.SetText("");
  EXPECT_EQ(games.Text(), "");
}

TEST(XmlWrite, AttributesAreLiteral) {
  Document doc = Parsed("<r/>");
  doc.Root().SetAttribute("a", "x &amp; <y> \"z\"");
  EXPECT_EQ(doc.Root().Attribute("a"), "x &amp; <y> \"z\"");
  doc.Root().SetAttribute("a", "second");
  EXPECT_EQ(doc.Root().Attribute("a"), "second");
}

TEST(XmlWrite, InvalidNamesAreRefused) {
  const std::string names[] = {"", "1game", "a b", "a<b", "a&b", std::string("a\0b", 3)};
  for (const std::string& name : names) {
    Document doc = Parsed("<r/>");
    EXPECT_EQ(KindOf([&] { doc.Root().AppendChild(name); }), ErrorKind::Other) << name;
    EXPECT_EQ(KindOf([&] { doc.Root().SetAttribute(name, "v"); }), ErrorKind::Other) << name;
    EXPECT_EQ(KindOf([&] { Document().CreateRoot(name); }), ErrorKind::Other) << name;
    EXPECT_FALSE(doc.Root().FirstElementChild()) << name;
  }
}

TEST(XmlWrite, TextThatXmlCannotHoldIsRefused) {
  const std::string bad[] = {
      "\xFF", "ab\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "bell\x07", std::string("nul\0", 4),
  };
  Document doc = Parsed("<r/>");
  for (const std::string& text : bad) {
    EXPECT_EQ(KindOf([&] { doc.Root().SetText(text); }), ErrorKind::Other) << text;
    EXPECT_EQ(KindOf([&] { doc.Root().SetAttribute("a", text); }), ErrorKind::Other) << text;
  }
  EXPECT_FALSE(doc.Root().HasAttribute("a"));
  const std::string good = "F\xC3\xA9lix \xE2\x9A\xBD \xF0\x9F\x98\x80\t\r\n";
  doc.Root().SetText(good);
  EXPECT_EQ(doc.Root().Text(), good);
}

TEST(XmlWrite, CreateRootOnlyOnAnEmptyDocument) {
  Document doc;
  Node root = doc.CreateRoot("properties");
  EXPECT_EQ(doc.Root(), root);
  root.AppendChild("myteam").SetText("ENG");
  EXPECT_EQ(root.FirstChild("myteam").Text(), "ENG");
  EXPECT_EQ(KindOf([&] { doc.CreateRoot("other"); }), ErrorKind::Other);
}

// ---- ids ------------------------------------------------------------------------------------

TEST(XmlIds, DeclaredIdsAreFoundAfterParsing) {
  Document doc = Parsed(kResults);
  EXPECT_EQ(doc.ElementById("A1").FirstChild("result").Text(), "true");
  EXPECT_EQ(doc.ElementById("_A1").Text(), "NED");
  EXPECT_FALSE(doc.ElementById("A9"));
  EXPECT_FALSE(doc.ElementById("QAT"));  // teamid is not declared
  EXPECT_FALSE(doc.ElementById("A"));
  EXPECT_FALSE(Parsed("<r><game gameid='A1'/></r>").ElementById("A1"));
  EXPECT_FALSE(Document().ElementById("A1"));
}

TEST(XmlIds, FollowCreationChangeAndRemoval) {
  Document doc = Parsed(kResults);
  Node games = doc.Root().FirstChild("games");

  Node created = games.AppendChild("game");
  created.SetAttribute("gameid", "B1");
  EXPECT_EQ(doc.ElementById("B1"), created);

  created.SetAttribute("gameid", "B2");
  EXPECT_FALSE(doc.ElementById("B1"));
  EXPECT_EQ(doc.ElementById("B2"), created);

  Node a1 = doc.ElementById("A1");
  a1.Remove();
  EXPECT_FALSE(a1);
  EXPECT_FALSE(doc.ElementById("A1"));
  EXPECT_TRUE(doc.ElementById("A2"));

  // A new element may take the id of a removed one.
  games.AppendChild("game").SetAttribute("gameid", "A1");
  EXPECT_EQ(doc.ElementById("A1"), games.Children("game").back());

  games.Remove();
  for (const char* id : {"A1", "A2", "B2"}) EXPECT_FALSE(doc.ElementById(id)) << id;
  EXPECT_TRUE(doc.ElementById("_A1"));
}

TEST(XmlIds, DuplicateIdKeepsTheFirstHolder) {
  Document doc = Parsed(kResults);
  Node original = doc.ElementById("A1");
  Node second = doc.Root().FirstChild("games").AppendChild("game");
  second.SetAttribute("gameid", "A1");
  EXPECT_EQ(doc.ElementById("A1"), original);
  second.Remove();
  EXPECT_EQ(doc.ElementById("A1"), original);
}

TEST(XmlIds, CopiesFromAnotherDocumentAreRegistered) {
  const std::string game = "<games><game gameid='Z1' no='N1'><f>2</f></game></games>";
  const std::pair<const char*, std::string> sources[] = {
      {"without a DTD", game},
      {"with a DTD", "<!DOCTYPE games [<!ATTLIST game gameid ID #REQUIRED>]>" + game},
      {"declaring another id", "<!DOCTYPE games [<!ATTLIST game no ID #REQUIRED>]>" + game},
  };
  for (const auto& [label, text] : sources) {
    Document doc = Parsed(kResults);
    Node copy;
    {
      Document download = Parsed(text);
      copy = doc.Root().FirstChild("games").AppendCopy(download.Root().FirstChild("game"));
      EXPECT_TRUE(download.Root().FirstChild("game")) << label;  // the source keeps its element
    }
    EXPECT_EQ(doc.ElementById("Z1"), copy) << label;
    EXPECT_EQ(doc.ElementById("Z1").FirstChild("f").Text(), "2") << label;
    EXPECT_FALSE(doc.ElementById("N1")) << label;  // this document does not declare "no"
    copy.Remove();
    EXPECT_FALSE(doc.ElementById("Z1")) << label;
  }
}

TEST(XmlIds, CopyOfAnExistingIdDoesNotTakeItOver) {
  Document doc = Parsed(kResults);
  Node original = doc.ElementById("A1");
  Node copy = doc.Root().FirstChild("games").AppendCopy(original);
  EXPECT_EQ(copy.FirstChild("result").Text(), "true");
  EXPECT_EQ(doc.ElementById("A1"), original);
  copy.Remove();
  EXPECT_EQ(doc.ElementById("A1"), original);
}

// A file written without its declaration: the ids it holds are found once declared, the first
// holder of a value winning, later ones follow, and a save carries the declaration.
TEST_F(XmlFiles, DeclaredAfterLoadingIdsAreFoundAndSaved) {
  Document doc = Parsed("<members><member memberid='a'><n>1</n></member><member memberid='a'><n>2</n></member>"
                        "<member memberid='b'/><other memberid='c'/></members>");
  EXPECT_FALSE(doc.ElementById("a"));
  ASSERT_TRUE(doc.DeclareId("member", "memberid"));
  EXPECT_TRUE(doc.DeclaresId("member", "memberid"));
  EXPECT_EQ(doc.ElementById("a").FirstChild("n").Text(), "1");
  EXPECT_TRUE(doc.ElementById("b"));
  EXPECT_FALSE(doc.ElementById("c"));  // another element's attribute of that name
  doc.Root().AppendChild("member").SetAttribute("memberid", "d");
  EXPECT_TRUE(doc.ElementById("d"));
  EXPECT_TRUE(doc.DeclareId("member", "memberid"));  // once is enough

  const fs::path path = dir_ / "members.xml";
  doc.Save(path.string());
  Document again;
  ASSERT_TRUE(again.LoadFile(path.string())) << again.ParseError();
  EXPECT_TRUE(again.ElementById("d"));
  EXPECT_EQ(again.ElementById("a").FirstChild("n").Text(), "1");
}

TEST(XmlIds, AnAttributeDeclaredOtherwiseOrNoRootTakesNoId) {
  Document declared = Parsed("<!DOCTYPE members [<!ATTLIST member memberid CDATA #IMPLIED>]><members>"
                             "<member memberid='a'/></members>");
  EXPECT_FALSE(declared.DeclareId("member", "memberid"));
  EXPECT_FALSE(declared.ElementById("a"));
  Document empty;
  EXPECT_FALSE(empty.DeclareId("member", "memberid"));
}

// ---- saving ---------------------------------------------------------------------------------

TEST_F(XmlFiles, SaveRoundTripKeepsDeclarationIdsAndText) {
  Document doc = Parsed(kResults);
  Node game = doc.Root().FirstChild("games").AppendChild("game");
  game.SetAttribute("gameid", "B1");
  game.AppendChild("winner").SetText("a & b <c>");
  game.SetAttribute("note", "F\xC3\xA9lix \"x\" & y\n");
  const fs::path path = dir_ / "Results.xml";
  doc.Save(path.string());

  const std::string saved = ReadFile(path);
  EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE results", 0), 0u) << saved;
  EXPECT_NE(saved.find("\n    <game gameid=\"B1\""), std::string::npos) << saved;  // indented like the rest
  EXPECT_NE(saved.find("F\xC3\xA9lix"), std::string::npos);                        // UTF-8, not references

  Document again;
  ASSERT_TRUE(again.LoadFile(path.string())) << again.ParseError();
  EXPECT_EQ(again.ElementById("A1").FirstChild("result").Text(), "true");
  EXPECT_EQ(again.ElementById("B1").FirstChild("winner").Text(), "a & b <c>");
  EXPECT_EQ(again.ElementById("B1").Attribute("note"), "F\xC3\xA9lix \"x\" & y\n");
  EXPECT_EQ(FileNames(), std::vector<std::string>{"Results.xml"});
}

TEST_F(XmlFiles, SaveWithoutDeclarationStartsWithTheRoot) {
  Document doc = Parsed("<?xml version='1.0'?><root><p>x</p></root>");
  doc.Save((dir_ / "index.htm").string(), false);
  EXPECT_EQ(ReadFile(dir_ / "index.htm").rfind("<root>", 0), 0u) << ReadFile(dir_ / "index.htm");
}

TEST_F(XmlFiles, SaveIntoAMissingFolderThrowsAndCreatesNothing) {
  const fs::path path = dir_ / "Results" / "Results.xml";
  try {
    Parsed("<r/>").Save(path.string());
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::File);
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
  }
  EXPECT_TRUE(FileNames().empty());
}

TEST_F(XmlFiles, ReadOnlyTargetIsLeftAsItWas) {
  const fs::path path = dir_ / "Results.xml";
  WriteFile(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  try {
    Parsed("<r/>").Save(path.string());
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::File);
    EXPECT_NE(std::string(error.what()).find("read-only"), std::string::npos) << error.what();
  }
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(FileNames(), std::vector<std::string>{"Results.xml"});
}

TEST_F(XmlFiles, FailedRenameRemovesTheTemporaryFile) {
  fs::create_directory(dir_ / "Results.xml");  // a folder where the file should go
  EXPECT_EQ(KindOf([&] { Parsed("<r/>").Save((dir_ / "Results.xml").string()); }), ErrorKind::File);
  EXPECT_EQ(FileNames(), std::vector<std::string>{"Results.xml"});
}

TEST_F(XmlFiles, SaveKeepsTheModeOfAReplacedFile) {
  const fs::path kept = dir_ / "kept.xml";
  WriteFile(kept, "old");
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
  Parsed("<r/>").Save(kept.string());
  EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  const fs::path fresh = dir_ / "fresh.xml";
  Parsed("<r/>").Save(fresh.string());
  EXPECT_EQ(fs::status(fresh).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(XmlFiles, SavingAnEmptyDocumentIsAnError) {
  EXPECT_EQ(KindOf([&] { Document().Save((dir_ / "x.xml").string()); }), ErrorKind::Other);
  EXPECT_TRUE(FileNames().empty());
}

TEST(XmlDoctype, TellsEntitiesAndIdDeclarations) {
  struct Case {
    const char* text;
    bool entities;
    bool game_id;
  };
  const Case cases[] = {
      {"<games/>", false, false},
      {"<!DOCTYPE games [<!ATTLIST game gameid ID #REQUIRED>]><games/>", false, true},
      {"<!DOCTYPE games [<!ATTLIST game gameid CDATA #REQUIRED>]><games/>", false, false},
      {"<!DOCTYPE games [<!ATTLIST slot gameid ID #REQUIRED>]><games/>", false, false},
      {"<!DOCTYPE games [<!ENTITY a \"x\"><!ATTLIST game gameid ID #REQUIRED>]><games/>", true, true},
      {"<!DOCTYPE games [<!ENTITY % p \"x\">]><games/>", true, false},
      {"<!DOCTYPE games [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><games/>", true, false},
  };
  for (const Case& c : cases) {
    Document doc = Parsed(c.text);
    EXPECT_EQ(doc.DeclaresEntities(), c.entities) << c.text;
    EXPECT_EQ(doc.DeclaresId("game", "gameid"), c.game_id) << c.text;
  }
  EXPECT_FALSE(Document().DeclaresEntities());
  EXPECT_FALSE(Document().DeclaresId("game", "gameid"));
}

}  // namespace
}  // namespace kelvane::xml
