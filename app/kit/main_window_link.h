// What the dialogs see of the main window: the games and the group it shows, the schedule's
// selection, and the one redraw a window asks for after it stored results. The main window
// implements it and makes itself known while it exists, so that no dialog depends on it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/component/variant.h"

namespace pitchlog {

class MainWindowLink {
 public:
  // The views a window redraws after it stored results.
  enum RedrawViews : unsigned {
    kRedrawStats = 1,     // ClearStats and ClearAnalysis
    kRedrawSchedule = 2,  // SetScheduleList
    kRedrawGroup = 4,     // LoadGroup of the shown tab, and the shown facts of a group game
    kRedrawKnockout = 8,  // LoadKO
    kRedrawAll = 15,
  };
  // How the unsaved-results mark follows: as the engine's ResultsChanged says, on outright,
  // or as it stands (nothing stored, only shown differently).
  enum class ResultsMark { FromEngine, Set, Keep };

  // The group game whose facts the Groups view shows (the window's GameID).
  virtual std::string ShownGameID() const = 0;
  // The knock-out game chosen last, 0..15 (the window's KOIndex).
  virtual int16_t ShownKOIndex() const = 0;
  // The knock-out game id of index 0..15 (game number minus 49).
  virtual kelvane::Variant KOGameID(int16_t Index) const = 0;
  // The letter of the group the Groups view shows.
  virtual std::string ShownGroup() const = 0;
  // The game of the schedule's selected row; "" for none or a heading row.
  virtual std::string ScheduleSelection() const = 0;
  // Moves the schedule's selection on to the next game row after it, passing over headings.
  virtual void SelectNextScheduleGame() = 0;
  // Redraws the views, makes the stored game (when one is named) the current row of the lists
  // that show it, and sets the mark.
  virtual void RedrawResults(unsigned Views, ResultsMark Mark, const std::string& StoredGameID) = 0;
  void RedrawResults(unsigned Views, ResultsMark Mark) { RedrawResults(Views, Mark, std::string()); }

 protected:
  MainWindowLink() = default;
  ~MainWindowLink() = default;
  MainWindowLink(const MainWindowLink&) = delete;
  MainWindowLink& operator=(const MainWindowLink&) = delete;
};

// The main window while it exists, else nullptr.
MainWindowLink* LoadedMainWindow();
// The main window; fails while there is none.
MainWindowLink& MainWindow();
// The main window makes itself known when it is made, and withdraws (nullptr) when it goes.
void SetMainWindow(MainWindowLink* window);

}  // namespace pitchlog
