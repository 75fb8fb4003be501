// The engine's interface, "_Pitchlog": all the program knows of the engine. The program never
// links the engine; it creates the object by ProgID and asks for this interface.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/component/variant.h"

namespace kelvane {

inline constexpr const char* kPitchlogProgId = "Kelvane.Pitchlog";
inline constexpr const char* kPitchlogInterface = "_Pitchlog";

// Where the engine's own message boxes go (title, text).
using MessageSink = std::function<void(const std::string& title, const std::string& text)>;

class IPitchlog {
 public:
  virtual ~IPitchlog() = default;

  // Public variables.
  virtual std::string Error() = 0;
  virtual void SetError(const std::string& value) = 0;
  virtual bool PLDebug() = 0;
  virtual void SetPLDebug(bool value) = 0;
  virtual std::string AppPath() = 0;
  virtual void SetAppPath(const std::string& value) = 0;
  virtual std::string ResultsSet() = 0;
  virtual void SetResultsSet(const std::string& value) = 0;

  // Documents.
  virtual Variant LoadAll() = 0;
  virtual Variant LoadOthers() = 0;
  virtual Variant ReloadProperties() = 0;
  virtual Variant LoadResultsSet(const std::string& results_name) = 0;
  virtual void SaveProperties() = 0;
  virtual void SaveResults() = 0;
  // An empty name saves the current set; the name used is written back.
  virtual void SaveScenario(std::string& results_name) = 0;
  void SaveScenario() {
    std::string name;
    SaveScenario(name);
  }
  virtual bool ResultsChanged() = 0;
  virtual bool PlayersChanged() = 0;

  // Settings.
  virtual Variant Properties(const std::string& attb) = 0;
  virtual void SetProperties(const std::string& attb, const Variant& value) = 0;
  virtual float TimeDifference() = 0;
  virtual std::string MyTeam() = 0;
  virtual std::string MyOtherTeam() = 0;
  virtual int32_t MyTeamColour() = 0;
  virtual int32_t MyOtherTeamColour() = 0;
  virtual int32_t MyTeamGhost() = 0;
  virtual int32_t MyOtherTeamGhost() = 0;

  // Result sets.
  virtual Variant ResultsSetsArray() = 0;
  virtual Variant ResultsSetExists(const Variant& results_name) = 0;
  virtual bool ValidFileName(const Variant& file_name) = 0;

  // Identifier encoding.
  virtual std::string XMLTagEncode(const std::string& tag_name) = 0;

  // Statistics column lists.
  virtual Variant StatsColumnsArray(const std::string& source) = 0;
  virtual Variant StatsLabelsArray(const std::string& source) = 0;

  // Not part of the dispatch table: where the parse-error boxes go (standard error by default).
  virtual void SetMessageSink(MessageSink sink) = 0;
};

}  // namespace kelvane
