// The statistics column lists and the named statistics tables.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "tests/engine/fixture.h"

using kelvane::Array;
using kelvane::ErrorKind;
using kelvane::Variant;
using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;

namespace {

const char* kTables = R"(<?xml version="1.0"?>
<!DOCTYPE statstables [<!ATTLIST table tableid ID #REQUIRED>]>
<statstables>
  <table tableid="goals"><type>teams</type><name>Goals</name><stage>2</stage><averages>True</averages>
    <sort>abc</sort><sequence>desc</sequence><system>true</system>
    <column><heading>GF</heading><width>500</width><index>4</index><position>3</position></column>
    <column><heading>Not shown</heading></column>
    <column><align>left</align><index>-2</index></column>
    <column><heading>GA</heading><index>5</index></column>
  </table>
  <table tableid="mine"><type>players</type><name>Mine</name><stage>1</stage><averages>true</averages>
    <sort>-3</sort><sequence>asc</sequence>
    <column><heading>Goals</heading></column>
  </table>
</statstables>
)";

class StatsTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Write("Data/statstables.xml", kTables);
    ASSERT_TRUE(engine_->LoadAll().ToBool());
  }

  std::vector<std::string> Names() {
    const Array list = engine_->StatsTablesList().AsArray();
    std::vector<std::string> names;
    for (int32_t i = 0; i <= list.UBound(1); ++i) names.push_back(list.at(i).ToString());
    return names;
  }

  static Array Layout(int32_t columns) {
    Array layout(0, 4, 0, columns - 1);
    for (int32_t i = 0; i < columns; ++i) {
      layout.Set(0, i, "H" + std::to_string(i));
      layout.Set(2, i, 1440.5f);  // the view hands in widths as Singles
      layout.Set(3, i, int16_t{1});
      layout.Set(4, i, static_cast<int16_t>(i - 1));
    }
    return layout;
  }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(StatsTablesTest, ColumnsWithAnIndexEachGiveOneColumn) {
  const Variant table = engine_->StatsTables("GOALS");
  ASSERT_TRUE(table.IsArray());
  const Array& columns = table.AsArray();
  ASSERT_EQ(columns.UBound(1), 5);
  ASSERT_EQ(columns.UBound(2), 2);  // the column without an index is left out
  EXPECT_EQ(columns.at(0, 0), Variant("GF"));
  EXPECT_EQ(columns.at(2, 0), Variant("500"));
  EXPECT_EQ(columns.at(5, 0), Variant("3"));
  EXPECT_TRUE(columns.at(1, 0).IsEmpty());
  // Without a heading the column still counts, and nothing of its neighbours leaks into it.
  EXPECT_TRUE(columns.at(0, 1).IsEmpty());
  EXPECT_EQ(columns.at(3, 1), Variant("left"));
  EXPECT_EQ(columns.at(4, 1), Variant("-2"));
  EXPECT_EQ(columns.at(0, 2), Variant("GA"));
  EXPECT_EQ(columns.at(4, 2), Variant("5"));
  EXPECT_TRUE(columns.at(2, 2).IsEmpty());

  // A table whose columns all lack an index is one empty column; an unknown table is Empty.
  const Array none = engine_->StatsTables("Mine").AsArray();
  EXPECT_EQ(none.UBound(2), 0);
  EXPECT_TRUE(none.at(0, 0).IsEmpty());
  EXPECT_TRUE(engine_->StatsTables("Other").IsEmpty());
}

TEST_F(StatsTablesTest, PropertiesConvertOnlyWhatTheyMust) {
  struct Case {
    const char* id;
    std::string name, sequence, type;
    int16_t sort, stage;
    bool averages, system, exists;
  } cases[] = {
      {"goals", "Goals", "desc", "teams", 0, 2, false, true, true},  // "abc" sorts on 0, "True" is no "true"
      {"MINE", "Mine", "asc", "players", -3, 1, true, false, true},
      {"nothing", "", "", "", 0, 0, false, false, false},
      {"", "", "", "", 0, 0, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(engine_->StatsTableName(c.id), c.name);
    EXPECT_EQ(engine_->StatsTableSequence(c.id), c.sequence);
    EXPECT_EQ(engine_->StatsTableType(c.id), c.type);
    EXPECT_EQ(engine_->StatsTableSort(c.id), c.sort);
    EXPECT_EQ(engine_->StatsTableStage(c.id), c.stage);
    EXPECT_EQ(engine_->StatsTableAverages(c.id), c.averages);
    EXPECT_EQ(engine_->StatsTableSystem(c.id), c.system);
    EXPECT_EQ(engine_->StatsTableExists(c.id), c.exists);
  }
}

TEST_F(StatsTablesTest, SavedTableIsKeyedByItsEncodedNameAndReplacesTheOld) {
  engine_->SaveStats("My Table", Layout(2), "teams", 1, true, -2, "desc");
  EXPECT_TRUE(engine_->StatsTableExists("MY table"));
  EXPECT_NE(app_.Read("Data/statstables.xml").find("tableid=\"my_table\""), std::string::npos);

  // Saving over a table takes its place at the end and drops what the engine does not write.
  engine_->SaveStats("goals", engine_->StatsTables("Goals"), "groups", 0, false, 4, "asc");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Mine", "My Table", "goals"}));
  EXPECT_FALSE(engine_->StatsTableSystem("goals"));
  EXPECT_EQ(engine_->StatsTableType("goals"), "groups");
  EXPECT_EQ(engine_->StatsTables("goals").AsArray().UBound(2), 2);
  EXPECT_TRUE(engine_->StatsTables("goals").AsArray().at(5, 0).IsEmpty());  // position not kept

  // What was saved is what a fresh start reads.
  auto again = NewEngine(app_);
  ASSERT_TRUE(again->LoadAll().ToBool());
  EXPECT_EQ(again->StatsTableName("my_table"), "My Table");
  EXPECT_EQ(again->StatsTableStage("My Table"), 1);
  EXPECT_TRUE(again->StatsTableAverages("My Table"));
  EXPECT_EQ(again->StatsTableSort("My Table"), -2);
  EXPECT_EQ(again->StatsTableSequence("My Table"), "desc");
  const Array columns = again->StatsTables("My Table").AsArray();
  ASSERT_EQ(columns.UBound(2), 1);
  EXPECT_EQ(columns.at(0, 1), Variant("H1"));
  EXPECT_EQ(columns.at(1, 1), Variant(""));  // an Empty cell is stored as an empty text
  EXPECT_EQ(columns.at(2, 1), Variant("1440.5"));
  EXPECT_EQ(columns.at(3, 1), Variant("1"));
  EXPECT_EQ(columns.at(4, 1), Variant("0"));
}

TEST_F(StatsTablesTest, LayoutThatCannotBeWrittenLeavesTheOldTable) {
  Array one_row(0, 4);
  Array four_rows(0, 3, 0, 0);
  Array null_cell = Layout(2);
  null_cell.Set(2, 1, Variant(kelvane::Null{}));
  struct Case {
    const char* what;
    std::string name;
    Variant layout;
    ErrorKind kind;
  } cases[] = {
      {"not an array", "Goals", Variant("layout"), ErrorKind::TypeMismatch},
      {"one dimension", "Goals", one_row, ErrorKind::SubscriptOutOfRange},
      {"four rows", "Goals", four_rows, ErrorKind::SubscriptOutOfRange},
      {"a cell without text", "Goals", null_cell, ErrorKind::TypeMismatch},
      {"no name", "", Layout(1), ErrorKind::Other},
  };
  const std::string file = app_.Read("Data/statstables.xml");
  const Variant before = engine_->StatsTables("Goals");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ErrorOf([&] { engine_->SaveStats(c.name, c.layout, "teams", 0, false, 0, "asc"); }), c.kind);
    EXPECT_EQ(engine_->StatsTables("Goals"), before);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Goals", "Mine"}));
  }
  EXPECT_EQ(app_.Read("Data/statstables.xml"), file);
}

TEST_F(StatsTablesTest, FailedSaveLeavesTheFileAsItWas) {
  const std::string file = app_.Read("Data/statstables.xml");
  chmod(app_.File("Data/statstables.xml").c_str(), 0444);
  EXPECT_EQ(ErrorOf([&] { engine_->SaveStats("New", Layout(1), "teams", 0, false, 0, "asc"); }), ErrorKind::File);
  EXPECT_EQ(ErrorOf([&] { engine_->StatsTableRemove("Mine"); }), ErrorKind::File);
  EXPECT_EQ(app_.Read("Data/statstables.xml"), file);
}

TEST_F(StatsTablesTest, RemovingTheLastTableLeavesAListOfOneEmptyEntry) {
  const std::string file = app_.Read("Data/statstables.xml");
  engine_->StatsTableRemove("No such table");
  EXPECT_EQ(app_.Read("Data/statstables.xml"), file);  // not even rewritten

  engine_->StatsTableRemove("GOALS");
  engine_->StatsTableRemove("mine");
  EXPECT_FALSE(engine_->StatsTableExists("Mine"));
  // The next start reads the emptied file like any other.
  auto again = NewEngine(app_);
  ASSERT_TRUE(again->LoadAll().ToBool());
  for (auto* engine : {engine_.get(), again.get()}) {
    const Variant list = engine->StatsTablesList();
    ASSERT_TRUE(list.IsArray());
    EXPECT_EQ(list.AsArray().UBound(1), 0);
    EXPECT_TRUE(list.AsArray().at(0).IsEmpty());
  }
}

TEST(StatsTablesFile, MissingFileIsCreatedWithItsIdsOnTheFirstSave) {
  AppFolder app;
  app.Remove("Data/statstables.xml");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_TRUE(engine->StatsTablesList().AsArray().at(0).IsEmpty());
  Array layout(0, 4, 0, 0);
  layout.Set(4, 0, "0");
  engine->SaveStats("First", layout, "teams", 0, false, 0, "asc");

  auto again = NewEngine(app);
  ASSERT_TRUE(again->LoadAll().ToBool());
  EXPECT_EQ(again->StatsTableName("first"), "First");
}

TEST(StatsColumns, EveryColumnElementIsItsOwnColumn) {
  AppFolder app;
  app.Write("Data/statscolumns.xml", R"(<statscolumns><teams><array>
      <column><heading>P</heading><description>Played</description></column>
      <column><description>No heading</description></column>
      <column><heading></heading></column>
      <column><heading>W</heading></column>
    </array></teams></statscolumns>)");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  const Array columns = engine->StatsColumnsArray("teams").AsArray();
  ASSERT_EQ(columns.UBound(2), 3);
  EXPECT_TRUE(columns.at(0, 1).IsEmpty());
  EXPECT_EQ(columns.at(1, 1), Variant("No heading"));
  EXPECT_EQ(columns.at(0, 2), Variant(""));
  EXPECT_TRUE(columns.at(1, 2).IsEmpty());
  EXPECT_EQ(columns.at(0, 3), Variant("W"));
  EXPECT_TRUE(columns.at(1, 3).IsEmpty());
  EXPECT_TRUE(engine->StatsLabelsArray("teams").IsEmpty());  // no kind element
}

// The shipped layouts fit the statistics they describe and the list that shows them.
TEST(ShippedStatsFiles, SystemLayoutsNameColumnsThatExist) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  const std::map<std::string, int32_t> statistics = {{"teams", 19}, {"players", 5}, {"groups", 5}};
  for (const auto& [source, count] : statistics) {
    SCOPED_TRACE(source);
    const Array data = engine->StatsColumnsArray(source).AsArray();
    const Array labels = engine->StatsLabelsArray(source).AsArray();
    EXPECT_EQ(data.UBound(2) + 1, count);
    EXPECT_LE(data.UBound(2) + labels.UBound(2) + 2, 21);  // the list's headers beyond item and key
    for (const Array* list : {&data, &labels})
      for (int32_t j = 0; j <= list->UBound(2); ++j) {
        EXPECT_FALSE(list->at(0, j).ToString().empty()) << j;
        EXPECT_GT(list->at(2, j).ToDouble(), 0) << j;
        const std::string align = list->at(3, j).ToString();
        EXPECT_TRUE(align == "left" || align == "right" || align == "centre") << align;
      }
  }

  const Array names = engine->StatsTablesList().AsArray();
  ASSERT_EQ(names.UBound(1), 2);
  for (int32_t i = 0; i <= names.UBound(1); ++i) {
    const std::string name = names.at(i).ToString();
    SCOPED_TRACE(name);
    EXPECT_TRUE(engine->StatsTableSystem(name));
    const std::string type = engine->StatsTableType(name);
    ASSERT_TRUE(statistics.count(type));
    const int32_t data_upper = engine->StatsColumnsArray(type).AsArray().UBound(2);
    const int32_t label_upper = engine->StatsLabelsArray(type).AsArray().UBound(2);
    auto in_range = [&](int16_t c) { return c >= 0 ? c <= data_upper : -c - 1 <= label_upper; };
    EXPECT_TRUE(in_range(engine->StatsTableSort(name)));
    const Array columns = engine->StatsTables(name).AsArray();
    for (int32_t k = 0; k <= columns.UBound(2); ++k) {
      ASSERT_TRUE(columns.at(4, k).IsNumeric()) << k;
      EXPECT_TRUE(in_range(columns.at(4, k).ToInt16())) << k;
    }
  }
}

}  // namespace
