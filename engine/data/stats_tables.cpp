// The named layouts of the statistics view, kept in the stats tables file.
#include "engine/data/id_encoding.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

constexpr const char* kTableCells[] = {"heading", "description", "width", "align", "index", "position"};

std::string FieldText(xml::Node table, const char* name) {
  if (!table) return {};
  xml::Node field = table.FirstChild(name);
  return field ? field.Text() : std::string();
}

int16_t FieldNumber(xml::Node table, const char* name) {
  const Variant text = FieldText(table, name);
  return text.IsNumeric() ? text.ToInt16() : int16_t{0};
}

}  // namespace

xml::Node Pitchlog::StatsTable(const std::string& table_id) const {
  return stats_tables_->ElementById(EncodeXmlTag(table_id));
}

xml::Node Pitchlog::StatsTablesRoot() {
  if (!stats_tables_->HasRoot() &&
      !stats_tables_->LoadText("<!DOCTYPE statstables [\n  <!ATTLIST table tableid ID #REQUIRED>\n]>\n<statstables/>\n"))
    throw kelvane::Error(ErrorKind::Other, "cannot create the stats tables document: " + stats_tables_->ParseError());
  return stats_tables_->Root();
}

// Columns (0 To 5, 0 To n): heading, description, width, align, index, position. Only columns
// with an index count, and each of them is its own column.
Variant Pitchlog::StatsTables(const std::string& table_id) {
  xml::Node table = StatsTable(table_id);
  if (!table) return Variant();
  Array columns(0, 5, 0, 0);
  int32_t last = -1;
  for (const xml::Node& column : table.Children("column")) {
    if (!column.FirstChild("index")) continue;
    if (++last > 0) columns.RedimPreserve(last);
    for (int32_t row = 0; row < 6; ++row)
      if (xml::Node cell = column.FirstChild(kTableCells[row])) columns.Set(row, last, cell.Text());
  }
  return columns;
}

// With no table left the list is one Empty entry, so that callers can always take its bounds.
Variant Pitchlog::StatsTablesList() {
  std::vector<xml::Node> names;
  if (stats_tables_->HasRoot()) names = stats_tables_->Root().Descendants("name");
  if (names.empty()) return Array(0, 0);
  Array list(0, static_cast<int32_t>(names.size()) - 1);
  for (size_t i = 0; i < names.size(); ++i) list.Set(static_cast<int32_t>(i), names[i].Text());
  return list;
}

std::string Pitchlog::StatsTableName(const std::string& table_id) { return FieldText(StatsTable(table_id), "name"); }
int16_t Pitchlog::StatsTableSort(const std::string& table_id) { return FieldNumber(StatsTable(table_id), "sort"); }
std::string Pitchlog::StatsTableSequence(const std::string& table_id) {
  return FieldText(StatsTable(table_id), "sequence");
}
int16_t Pitchlog::StatsTableStage(const std::string& table_id) { return FieldNumber(StatsTable(table_id), "stage"); }
bool Pitchlog::StatsTableAverages(const std::string& table_id) {
  return FieldText(StatsTable(table_id), "averages") == "true";
}
std::string Pitchlog::StatsTableType(const std::string& table_id) { return FieldText(StatsTable(table_id), "type"); }
bool Pitchlog::StatsTableSystem(const std::string& table_id) {
  return FieldText(StatsTable(table_id), "system") == "true";
}
bool Pitchlog::StatsTableExists(const std::string& table_id) { return static_cast<bool>(StatsTable(table_id)); }

// The new table is built apart first, so a layout that can't be written leaves the old one in
// place. A saved table moves to the end of the file.
void Pitchlog::SaveStats(const std::string& table_id, const Variant& v_array, const std::string& stats_type,
                         int16_t stage, bool averages, int16_t sort, const std::string& sequence) {
  const std::string id = EncodeXmlTag(table_id);
  // An empty id is never found again: such a table could be neither shown nor removed.
  if (id.empty()) throw kelvane::Error(ErrorKind::Other, "a statistics table needs a name");
  const Array& layout = v_array.AsArray();
  if (layout.Dimensions() != 2)
    throw kelvane::Error(ErrorKind::SubscriptOutOfRange, "a statistics layout has two dimensions");

  xml::Document scratch;
  xml::Node table = scratch.CreateRoot("table");
  table.AppendChild("type").SetText(stats_type);
  table.AppendChild("name").SetText(table_id);
  table.AppendChild("stage").SetText(std::to_string(stage));
  table.AppendChild("averages").SetText(averages ? "true" : "false");
  table.AppendChild("sort").SetText(std::to_string(sort));
  table.AppendChild("sequence").SetText(sequence);
  for (int32_t i = 0; i <= layout.UBound(2); ++i) {
    xml::Node column = table.AppendChild("column");
    for (int32_t row = 0; row < 5; ++row) column.AppendChild(kTableCells[row]).SetText(layout.at(row, i).ToString());
  }

  xml::Node added = StatsTablesRoot().AppendCopy(table);
  if (xml::Node old = StatsTable(table_id)) old.Remove();
  // Set once the old table has let go of the id, so that the lookup finds the new one.
  added.SetAttribute("tableid", id);
  SaveDocument(*stats_tables_, DataFile("statstables.xml"));
}

void Pitchlog::StatsTableRemove(const std::string& table_id) {
  xml::Node table = StatsTable(table_id);
  if (!table) return;
  table.Remove();
  SaveDocument(*stats_tables_, DataFile("statstables.xml"));
}

}  // namespace kelvane
