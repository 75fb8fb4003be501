// The Groups view: the games and the table of one group, and the facts and score of the game
// last chosen. The team panel shares the place of the facts and score panels.
#pragma once

#include <string>

#include <QObject>

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QTreeWidget;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

namespace group_table_column {
enum : int { Pos, Team, P, W, D, L, F, A, GD, Pts, Lot, Rank };
}
inline constexpr int kGroupScheduleGameIDColumn = 8;

class GroupsView : public QObject {
 public:
  // Builds the view's controls into the group frame and lays it out with the window's group
  // tabs and the three panels; the frame must not have a layout yet.
  GroupsView(QFrame* group_frame, QTabBar* group_tab, QGroupBox* game_facts, QGroupBox* score_frame,
             QGroupBox* team_frame);

  // Both lists of the group, its letter "A" to "H".
  void LoadGroup(kelvane::IPitchlog& engine, char group);
  // Fills and shows the facts panel, and the score panel once the game has a result.
  void ShowGameFacts(kelvane::IPitchlog& engine, const std::string& game_id);
  void SetScoreFrame(kelvane::IPitchlog& engine, const std::string& game_id);

  QTreeWidget* GroupSchedule;
  QTreeWidget* GroupTable;

  QLabel* lblGFAGameTime;
  QLabel* lblGFAStadium;
  QLabel* lblGFALocation;
  QLabel* lblGFACapacity;
  QPlainTextEdit* txtGFNarrative;
  QLabel* lblGFLink;
  QPushButton* cmdGFEnterScore;
  QPushButton* cmdStadiumWebSite;

  QLabel* lblHomeTeam;
  QLabel* lblAwayTeam;
  QLabel* lblHomeScore;
  QLabel* lblAwayScore;
  QLabel* lblScoreVS;
  QPlainTextEdit* txtHomeGoals;
  QPlainTextEdit* txtHomeGoalsSCR;
  QPlainTextEdit* txtAwayGoals;
  QPlainTextEdit* txtAwayGoalsSCR;
  QPushButton* cmdChangeScore;

 private:
  void BuildGameFacts();
  void BuildScoreFrame();
  void LoadGames(kelvane::IPitchlog& engine, char group);
  void LoadTable(kelvane::IPitchlog& engine, char group);
  void ShowScorers(kelvane::IPitchlog& engine, const std::string& game_id, const std::string& team, int goals,
                   QPlainTextEdit* short_box, QPlainTextEdit* scrolling_box);

  QGroupBox* game_facts_;
  QGroupBox* score_frame_;
};

}  // namespace pitchlog
