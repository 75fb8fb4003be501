// Loading and saving the data documents and the results of the current result set.
#include "engine/data/data_file_checks.h"
#include "engine/data/file_names.h"
#include "engine/data/result_set_names.h"
#include "engine/pitchlog.h"

namespace kelvane {

std::string Pitchlog::DataFile(const std::string& name) const { return app_path_ + "/Data/" + name; }

Pitchlog::DocumentPtr Pitchlog::LoadDocument(const std::string& path, const char* label) const {
  auto doc = std::make_shared<xml::Document>();
  doc->LoadFile(path);
  if (pl_debug_) ShowParseError(label, *doc);
  return doc;
}

void Pitchlog::ShowParseError(const char* label, const xml::Document& doc) const {
  std::string text = std::string(label) + doc.ParseError();
  if (sink_)
    sink_("Kelvane", text);
  else
    std::fprintf(stderr, "Kelvane: %s\n", text.c_str());
}

// The settings and the tournament's fixed data, in the order both full loads take them.
void Pitchlog::LoadFixtureDocuments() {
  properties_ = LoadDataDocument(DataFile("properties.xml"), "Properties: ");
  teams_ = LoadDataDocument(DataFile("teams.xml"), "Teams: ");
  games_ = LoadDataDocument(DataFile("games.xml"), "Games: ");
  stadia_ = LoadDataDocument(DataFile("stadia.xml"), "Stadia: ");
}

Variant Pitchlog::LoadAll() {
  try {
    LoadFixtureDocuments();
    groups_ = xml::Node();
    results_ = LoadDataDocument(ResultSetPath(app_path_, "Results").string(), "Results: ");
    if (!results_->HasRoot()) return false;
    groups_ = results_->Root().FirstChild("groups");
    players_ = LoadDataDocument(DataFile("players.xml"), "Players: ");
    sweep_options_ = LoadDataDocument(DataFile("sweepoptions.xml"), "Sweep Options: ");
    sweeps_ = LoadDataDocument(DataFile("sweeps.xml"), "Sweeps: ");
    members_ = LoadDataDocument(DataFile("members.xml"), "Members: ");
    stats_tables_ = LoadDataDocument(DataFile("statstables.xml"), "Stats Tables: ");
    links_ = LoadDataDocument(DataFile("links.xml"), "Links: ");
    UpgradeStoredKeys();
    LoadColumnLists();
    results_changed_ = false;
    players_changed_ = false;
    results_set_ = "Results";
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

Variant Pitchlog::LoadOthers() {
  try {
    LoadFixtureDocuments();
    sweep_options_ = LoadDataDocument(DataFile("sweepoptions.xml"), "Sweep Options: ");
    LoadColumnLists();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

Variant Pitchlog::ReloadProperties() {
  auto doc = std::make_shared<xml::Document>();
  bool ok = doc->LoadFile(DataFile("properties.xml"));
  NoteRead(DataFile("properties.xml"), doc->HasRoot());
  properties_ = doc;
  return ok;
}

// A set that can't be read, or is not a results file, leaves the current results, groups and
// name as they were, so the next save can't write an empty or foreign file over the set.
Variant Pitchlog::LoadResultsSet(const std::string& results_name) {
  RequireResultSetName(results_name);
  auto doc = LoadDocument(ResultSetPath(app_path_, results_name).string(), "Results: ");
  if (!checks::IsResultsDocument(*doc)) return false;
  results_ = doc;
  groups_ = results_->Root().FirstChild("groups");
  results_set_ = results_name;
  return true;
}

void Pitchlog::SaveProperties() {
  PropertiesRoot(true);
  SaveDocument(*properties_, DataFile("properties.xml"));
}

void Pitchlog::SaveResults() {
  SaveDocument(*results_, ResultSetPath(app_path_, "Results").string());
  results_changed_ = false;
}

void Pitchlog::SaveScenario(std::string& results_name) {
  std::string name = results_name.empty() ? results_set_ : results_name;
  RequireNewResultSetName(name);
  SaveDocument(*results_, ResultSetPath(app_path_, name).string());
  results_name = name;
  results_set_ = name;
  results_changed_ = false;
}

}  // namespace kelvane
