// The main window's tournament views in their containers (the schedule list, the group frame
// with the team panel, the bracket frame) and the handlers of their controls.
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/entry/frm_group_score.h"
#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_lots.h"
#include "app/kit/program.h"
#include "app/kit/score_text.h"
#include "app/kit/shell_helpers.h"
#include "app/shell/analysis_view.h"
#include "app/shell/frm_main.h"
#include "app/shell/groups_view.h"
#include "app/shell/knockout_view.h"
#include "app/shell/schedule_view.h"
#include "app/shell/stats_view.h"
#include "app/shell/team_panel.h"

namespace pitchlog {
namespace {

constexpr int kGroupsView = 1;
constexpr int kKnockoutView = 2;

// Addresses of stadia and teams come from downloaded files: only web addresses are opened.
void OpenWebSite(const QString& address) {
  if (IsWebAddress(address)) ShellOpen(address.trimmed());
}

}  // namespace

void frmMain::BuildTournamentViews() {
  SetUpScheduleList(ScheduleList);
  groupsView = new GroupsView(GroupFrame, GroupTab, GameFacts, ScoreFrame, TeamFrame);
  teamPanel = new TeamPanel(TeamFrame, GameFacts, ScoreFrame);
  koView = new KnockoutView(KOFrame);
  analysisView = new AnalysisView(AnalysisFrame);
  statsView = new StatsView(StatsFrame, *this, [this] { ClearAnalysis(); });
}

void frmMain::WireTournamentViews() {
  connect(ScheduleList, &QTreeWidget::itemDoubleClicked, this, Handler(this, &frmMain::ScheduleList_DblClick));
  connect(groupsView->GroupSchedule, &QTreeWidget::itemClicked, this, Handler(this, &frmMain::GroupSchedule_Click));
  connect(groupsView->GroupSchedule, &QTreeWidget::itemDoubleClicked, this,
          Handler(this, &frmMain::GroupSchedule_DblClick));
  connect(groupsView->cmdGFEnterScore, &QPushButton::clicked, this, Handler(this, &frmMain::cmdGFEnterScore_Click));
  connect(groupsView->cmdChangeScore, &QPushButton::clicked, this, Handler(this, &frmMain::cmdChangeScore_Click));
  connect(groupsView->cmdStadiumWebSite, &QPushButton::clicked, this, Handler(this, &frmMain::cmdStadiumWebSite_Click));
  connect(groupsView->GroupTable, &QTreeWidget::itemClicked, this, Handler(this, &frmMain::GroupTable_Click));
  // Headers count from 1.
  connect(groupsView->GroupTable->header(), &QHeaderView::sectionClicked, this,
          [this](int column) { RunHandler([&] { GroupTable_ColumnClick(column + 1); }); });
  connect(teamPanel->lvwTeamPlayers, &QTreeWidget::itemClicked, this, Handler(this, &frmMain::lvwTeamPlayers_Click));
  connect(teamPanel->cmdTeamWebSite, &QPushButton::clicked, this, Handler(this, &frmMain::cmdTeamWebSite_Click));
  for (int i = 0; i < kKnockoutGames; ++i) {
    const auto index = static_cast<int16_t>(i);
    connect(koView->cmdKOGameNo[i], &QPushButton::clicked, this,
            [this, index] { RunHandler([&] { cmdKOGameNo_Click(index); }); });
  }
  WireAnalysisView();
}

void frmMain::ShowTeam(const std::string& TeamID) {
  ApplyInfoBarRule("team", TeamID);
  teamPanel->ShowTeam(*objKelvane, TeamID);
}

void frmMain::ScheduleList_DblClick() {
  const ScheduleChoice choice = ChosenGame(ScheduleList->currentItem());
  switch (choice.kind) {
    case ScheduleChoice::Kind::GroupGame:
      // The change of group tab redraws the group before its game is shown.
      GroupTab->setCurrentIndex(choice.group_tab);
      ShowGameFacts(choice.game_id);
      MainTab->setCurrentIndex(kGroupsView);
      break;
    case ScheduleChoice::Kind::KnockoutGame:
      MainTab->setCurrentIndex(kKnockoutView);
      if (choice.ko_index < 0) return;
      KOIndex = static_cast<int16_t>(choice.ko_index);
      ShowKOGameFacts();
      break;
    case ScheduleChoice::Kind::Nothing:
      break;
  }
}

void frmMain::cmdKOGameNo_Click(int16_t Index) {
  frmKOGameFacts::Unload();
  KOIndex = Index;
  ShowKOGameFacts();
}

void frmMain::ShowKOGameFacts() {
  ApplyInfoBarRule("game", std::to_string(49 + KOIndex));
  frmKOGameFacts::Get().exec();
}

void frmMain::GroupSchedule_Click() {
  if (const QTreeWidgetItem* row = groupsView->GroupSchedule->currentItem())
    ShowGameFacts(row->text(kGroupScheduleGameIDColumn).toStdString());
}

// A double click, or Enter, opens the row that has the focus: Tab or a change of group can
// leave the facts of another game shown, and the group score dialog takes the game shown, GameID.
void frmMain::GroupSchedule_DblClick() {
  const QTreeWidgetItem* row = groupsView->GroupSchedule->currentItem();
  if (!row) return;
  ShowGameFacts(row->text(kGroupScheduleGameIDColumn).toStdString());
  frmGroupScore::Get().exec();
}
void frmMain::cmdGFEnterScore_Click() { frmGroupScore::Get().exec(); }
void frmMain::cmdChangeScore_Click() { frmGroupScore::Get().exec(); }

void frmMain::cmdStadiumWebSite_Click() { OpenWebSite(groupsView->lblGFLink->text()); }

void frmMain::GroupTable_Click() {
  const QTreeWidgetItem* row = groupsView->GroupTable->currentItem();
  if (!row) return;
  const QString tag = row->data(0, Qt::UserRole).toString();
  if (tag.size() < 2) return;
  const std::string group(1, tag.front().toLatin1());
  const int16_t index = kelvane::Variant(QString(tag.back()).toStdString()).ToInt16();
  ShowTeam(objKelvane->GroupTeamID(group, index));
}

// The "Lot" header opens the lots dialog of the selected group.
void frmMain::GroupTable_ColumnClick(int ColumnHeader) {
  if (ColumnHeader == group_table_column::Lot + 1) frmLots::Get().exec();
  GameFacts->hide();
  ScoreFrame->hide();
}

void frmMain::lvwTeamPlayers_Click() { teamPanel->ShowSelectedPlayer(*objKelvane); }

void frmMain::cmdTeamWebSite_Click() { OpenWebSite(teamPanel->lblTeamWebSite->text()); }

}  // namespace pitchlog
