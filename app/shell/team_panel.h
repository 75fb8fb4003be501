// The team panel of the Groups view: a team's coach, ranking, text, web site and squad, with a
// player's full name and text on demand.
#pragma once

#include <string>

#include <QObject>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

class TeamPanel : public QObject {
 public:
  // Builds the panel into team_frame; showing it hides the game facts and score panels.
  TeamPanel(QGroupBox* team_frame, QGroupBox* game_facts, QGroupBox* score_frame);

  void ShowTeam(kelvane::IPitchlog& engine, const std::string& team_id);
  // The details of the selected squad row.
  void ShowSelectedPlayer(kelvane::IPitchlog& engine);

  QLabel* lblCoach;
  QLabel* lblTeamCoachName;
  QLabel* lblWorldRank;
  QLabel* lblWorldRankNo;
  QPlainTextEdit* txtTeamNarrative;
  QLabel* lblTeamWebSite;
  QPushButton* cmdTeamWebSite;
  QTreeWidget* lvwTeamPlayers;
  QLabel* lblPlayerFullName;
  QPlainTextEdit* txtPlayerNarrative;

 private:
  void FillSquad(kelvane::IPitchlog& engine, const std::string& team_id);

  QGroupBox* team_frame_;
  QGroupBox* game_facts_;
  QGroupBox* score_frame_;
};

}  // namespace pitchlog
