// The engine object: owns every data document, the current results and the flags.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/pitchlog_interface.h"
#include "platform/component/dispatch.h"
#include "platform/component/error.h"
#include "platform/xml/document.h"

namespace kelvane {

class Pitchlog : public IPitchlog, public Dispatch {
 public:
  Pitchlog();
  ~Pitchlog() override;
  Pitchlog(const Pitchlog&) = delete;
  Pitchlog& operator=(const Pitchlog&) = delete;

  // Dispatch
  Variant Invoke(std::string_view name, CallKind kind, std::vector<Variant>& args) override;
  void* QueryInterface(std::string_view interface_name) override;

  // Public variables
  std::string Error() override { return error_; }
  void SetError(const std::string& value) override { error_ = value; }
  bool PLDebug() override { return pl_debug_; }
  void SetPLDebug(bool value) override { pl_debug_ = value; }
  std::string AppPath() override { return app_path_; }
  void SetAppPath(const std::string& value) override;
  std::string ResultsSet() override { return results_set_; }
  void SetResultsSet(const std::string& value) override { results_set_ = value; }

  // Documents
  Variant LoadAll() override;
  Variant LoadOthers() override;
  Variant ReloadProperties() override;
  Variant LoadResultsSet(const std::string& results_name) override;
  void SaveProperties() override;
  void SaveResults() override;
  using IPitchlog::SaveScenario;
  void SaveScenario(std::string& results_name) override;
  bool ResultsChanged() override { return results_changed_; }
  bool PlayersChanged() override { return players_changed_; }

  // Settings
  Variant Properties(const std::string& attb) override;
  void SetProperties(const std::string& attb, const Variant& value) override;
  float TimeDifference() override;
  std::string MyTeam() override;
  std::string MyOtherTeam() override;
  int32_t MyTeamColour() override;
  int32_t MyOtherTeamColour() override;
  int32_t MyTeamGhost() override;
  int32_t MyOtherTeamGhost() override;

  // Result sets
  Variant ResultsSetsArray() override;
  Variant ResultsSetExists(const Variant& results_name) override;
  bool ValidFileName(const Variant& file_name) override;

  // Identifier encoding
  std::string XMLTagEncode(const std::string& tag_name) override;

  // Statistics column lists
  Variant StatsColumnsArray(const std::string& source) override;
  Variant StatsLabelsArray(const std::string& source) override;

  void SetMessageSink(MessageSink sink) override;

 private:
  using DocumentPtr = std::shared_ptr<xml::Document>;

  // The six column lists, in load order.
  enum ColumnList { kTeamsArray, kPlayersArray, kGroupsArray, kTeamsLabels, kPlayersLabels, kGroupsLabels, kColumnLists };

  std::string DataFile(const std::string& name) const;
  // Loads a file into a fresh document and shows the parse-error box when debugging.
  DocumentPtr LoadDocument(const std::string& path, const char* label) const;
  void LoadColumnLists();
  Variant LoadStatsColumns(const std::string& source, const std::string& kind) const;
  void ShowParseError(const char* label, const xml::Document& doc) const;
  int32_t ColourSetting(const char* key);
  // A settings document with a root, created when the file was missing.
  xml::Node PropertiesRoot(bool create);

  std::string error_;
  bool pl_debug_ = false;
  std::string app_path_;
  std::string results_set_;

  DocumentPtr properties_, teams_, games_, stadia_, results_, players_, members_, sweep_options_,
      sweeps_, stats_tables_, links_, script_;
  xml::Node groups_;
  // The games list taken by LoadSchedule; it keeps the document it came from alive.
  DocumentPtr schedule_doc_;
  std::vector<xml::Node> schedule_;
  bool schedule_loaded_ = false;

  bool results_changed_ = false;
  bool players_changed_ = false;

  std::map<std::string, int> team_index_;
  std::map<std::string, int> player_index_;
  std::array<Variant, kColumnLists> column_lists_;

  MessageSink sink_;
};

}  // namespace kelvane
