// The main window: the six views, the info bar, the menus, and the public procedures through
// which every dialog redraws it after a change.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/kit/default_instance.h"
#include "app/kit/main_window_link.h"
#include "app/shell/stats_variables.h"
#include "engine/pitchlog_interface.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QTabBar;
class QTabWidget;
class QToolBar;
class QTreeWidget;

namespace pitchlog {

class AnalysisView;
class GroupTeamMenus;
class GroupsView;
class KnockoutView;
class MainToolbar;
class StatsView;
class TeamPanel;
class Tray;
class WebBrowser;

// The Stats view's public variables are the window's own, as the layout dialogs use them. The
// dialogs see the window through its MainWindowLink.
class frmMain : public QMainWindow,
                public DefaultInstance<frmMain>,
                public StatsVariables,
                public MainWindowLink {
  Q_OBJECT

 public:
  frmMain();
  ~frmMain() override;

  // ---- Public variables ----
  std::shared_ptr<kelvane::IPitchlog> objKelvane;
  int16_t intAnalysisStage = 0;
  int16_t KOIndex = 0;
  std::string GameID;

  // ---- Public procedures ----
  kelvane::Variant KOGameID(int16_t Index) const override;
  void ClearStats();
  void ClearAnalysis();
  // The full redraw after the data changed.
  void SetMain();
  void SetScheduleList();
  void ShowGameFacts(const std::string& strGameID);
  void SetScoreFrame(const std::string& GameID);
  // Makes another result set current and redraws every view.
  void OpenResultsSet(const std::string& ResultsSet);
  // Redraws the group of GroupTab index NewTab (0 "H" .. 7 "A").
  void LoadGroup(int16_t NewTab);
  void LoadStatsListTeams(bool ChangeOrder);
  void LoadStatsListPlayers(bool ChangeOrder);
  void LoadStatsTables();
  void varTableValue(const kelvane::Variant& i, const kelvane::Variant& j, const kelvane::Variant& NewValue);
  kelvane::Variant SaveTable();
  void LoadKO();
  // What every window calls after it stored results (or changed how they show).
  using MainWindowLink::RedrawResults;
  void RedrawResults(unsigned Views, ResultsMark Mark, const std::string& StoredGameID) override;
  // The rest of what the dialogs see.
  std::string ShownGameID() const override { return GameID; }
  int16_t ShownKOIndex() const override { return KOIndex; }
  std::string ShownGroup() const override;
  std::string ScheduleSelection() const override;
  void SelectNextScheduleGame() override;
  // The tray icon: True shows the window again, False hides it to the icon.
  void NoSysIcon(bool maxIcon);
  // Removes the icon; pic owns its notifications (the window passes itself).
  void DeleteIcon(QWidget* pic);
  void ShowProgramInTray();

  // ---- Controls ----
  QTabWidget* MainTab;
  QTreeWidget* ScheduleList;
  QFrame* GroupFrame;
  QTabBar* GroupTab;
  QGroupBox* GameFacts;
  QGroupBox* ScoreFrame;
  QGroupBox* TeamFrame;
  QFrame* KOFrame;
  QFrame* StatsFrame;
  QFrame* AnalysisFrame;
  QFrame* HomeFrame;
  WebBrowser* wbHome;
  WebBrowser* wbBar;
  QLabel* picCorpLogo;
  QToolBar* tbrMain;
  // The controls inside the tournament views.
  GroupsView* groupsView = nullptr;
  TeamPanel* teamPanel = nullptr;
  KnockoutView* koView = nullptr;
  AnalysisView* analysisView = nullptr;
  StatsView* statsView = nullptr;

  // Menus that other parts fill, and the items other windows enable.
  QMenu* Groups;
  QMenu* Teams;
  QMenu* TrayContextMenu;
  QAction* SaveResults;  // enabled = the unsaved-results mark
  QAction* LastMessage;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmMain>;

  // One row of the menu table; an item without a click handler is disabled.
  struct MenuItem {
    const char* menu;
    const char* name;
    const char* caption;  // "-" is a separator
    const char* shortcut;
    void (frmMain::*click)();
  };
  static std::span<const MenuItem> MenuItems();

  void BuildViews();
  void BuildMenus();
  void WireEvents();
  QWidget* ViewContainer(int index) const;
  // The info bar rule: the link of that type and id while on line, else the local bar page.
  void ApplyInfoBarRule(const std::string& link_type, const std::string& id);

  void Form_Load();
  void Form_Unload(bool& Cancel);
  void MainTab_Click(int PreviousTab);
  void GroupTab_Click(int PreviousTab);
  void SaveResults_Click();
  void Properties_Click();

  // The File menu's result sets and the Downloads menu.
  // Offers to save unsaved results first; False when the user cancels.
  bool OfferToSaveResults();
  void OpenResults_Click();
  void OpenScenario_Click();
  void SaveScenario_Click();
  void Results_Click();
  void DownloadOthers_Click();
  void GetMessage_Click();
  void LastMessage_Click();
  void Players_Click();

  // The schedule, groups, team panel and bracket inside their containers, and their handlers.
  void BuildTournamentViews();
  void WireTournamentViews();
  void ShowTeam(const std::string& TeamID);
  void ScheduleList_DblClick();
  void cmdKOGameNo_Click(int16_t Index);
  // The facts dialog of knock-out game KOIndex, modal; it opens the score entry.
  void ShowKOGameFacts();
  void GroupSchedule_Click();
  void GroupSchedule_DblClick();
  void cmdGFEnterScore_Click();
  void cmdChangeScore_Click();
  void cmdStadiumWebSite_Click();
  void GroupTable_Click();
  void GroupTable_ColumnClick(int ColumnHeader);
  void lvwTeamPlayers_Click();
  void cmdTeamWebSite_Click();

  // The analysis view's chart list and stage options.
  void WireAnalysisView();
  void cboChart_Click();
  void optAnal_Click(int16_t Stage);
  bool DrawAnalysisChart(int16_t Stage, int16_t Chart);

  // The Help menu.
  void HelpTopics_Click();
  void OpenForum_Click();
  void About_Click();
  void LicenceTerms_Click();
  // The Sweeps menu: the sweepstake windows.
  void Manage_Click();
  void Members_Click();
  void Accounts_Click();
  void TeamDrawSlips_Click();

  std::vector<std::string> ko_game_ids_;
  kelvane::Variant varTeamList;  // the team menu list: TeamList as the window loaded
  Tray* tray_ = nullptr;
  MainToolbar* toolbar_ = nullptr;
  GroupTeamMenus* group_team_menus_ = nullptr;
  int main_tab_ = 5;   // the tab selected before the current one
  int group_tab_ = 7;
};

}  // namespace pitchlog
