// The column lists of the statistics view, read from the stats columns file.
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

constexpr const char* kSources[] = {"teams", "players", "groups"};
constexpr const char* kCells[] = {"heading", "description", "width", "align"};

}  // namespace

// A list of columns (0 To 3, 0 To n): heading, description, width, align. Every column element
// is its own column, with or without a heading: the view numbers data columns by position.
Variant Pitchlog::LoadStatsColumns(const std::string& source, const std::string& kind) const {
  xml::Document doc;
  if (!doc.LoadFile(DataFile("statscolumns.xml"))) return Variant();
  xml::Node kind_node = doc.Root().FirstChild(source);
  if (kind_node) kind_node = kind_node.FirstChild(kind);
  if (!kind_node) return Variant();
  Array list(0, 3, 0, 0);
  int32_t last = -1;
  for (const xml::Node& column : kind_node.Children("column")) {
    if (++last > 0) list.RedimPreserve(last);
    for (int32_t cell = 0; cell < 4; ++cell)
      if (xml::Node child = column.FirstChild(kCells[cell])) list.Set(cell, last, child.Text());
  }
  return list;
}

void Pitchlog::LoadColumnLists() {
  NoteRead(DataFile("statscolumns.xml"), xml::Document().LoadFile(DataFile("statscolumns.xml")));
  for (int i = 0; i < 3; ++i) column_lists_[kTeamsArray + i] = LoadStatsColumns(kSources[i], "array");
  for (int i = 0; i < 3; ++i) column_lists_[kTeamsLabels + i] = LoadStatsColumns(kSources[i], "labels");
}

Variant Pitchlog::StatsColumnsArray(const std::string& source) {
  for (int i = 0; i < 3; ++i)
    if (source == kSources[i]) return column_lists_[kTeamsArray + i];
  return Variant();
}

Variant Pitchlog::StatsLabelsArray(const std::string& source) {
  for (int i = 0; i < 3; ++i)
    if (source == kSources[i]) return column_lists_[kTeamsLabels + i];
  return Variant();
}

}  // namespace kelvane
