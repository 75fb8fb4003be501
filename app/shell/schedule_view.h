// The Schedule view: every game of the schedule in one list, in schedule order, with a heading
// row before each knock-out stage.
#pragma once

#include <string>

class QTreeWidget;
class QTreeWidgetItem;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

namespace schedule_column {
enum : int { GameTime, GameNo, Stadium, Home, H, V, A, Away, Group, GameID };
}

void SetUpScheduleList(QTreeWidget* list);
// Rebuilds the whole list from the engine.
void FillScheduleList(QTreeWidget* list, kelvane::IPitchlog& engine);

// What a double click on a row opens.
struct ScheduleChoice {
  enum class Kind { Nothing, GroupGame, KnockoutGame } kind = Kind::Nothing;
  std::string game_id;
  int group_tab = -1;  // GroupTab index of a group game
  int ko_index = -1;   // 0..15 for a knock-out game of number 49..64, else -1
};
ScheduleChoice ChosenGame(const QTreeWidgetItem* row);

}  // namespace pitchlog
