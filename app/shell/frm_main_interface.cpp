// The main window's public procedures that dialogs call to redraw it. The views fill the
// drawing itself; what is here is the part the frame owns.
#include <algorithm>

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/group_team_menus.h"
#include "app/shell/groups_view.h"
#include "app/shell/knockout_view.h"
#include "app/shell/result_set_captions.h"
#include "app/shell/schedule_view.h"
#include "app/shell/tray_icon.h"
#include "app/sweeps/frm_sweeps.h"
#include "engine/game_ids.h"
#include "platform/component/error.h"

namespace pitchlog {
namespace {

constexpr int kKnockoutTab = 2;

void MakeCurrentRow(QTreeWidget* list, int column, const QString& game_id) {
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (QTreeWidgetItem* row = list->topLevelItem(i); row->text(column) == game_id) {
      list->setCurrentItem(row);
      list->scrollToItem(row);
      return;
    }
}

QTreeWidgetItem* SelectedRow(const QTreeWidget* list) {
  const QList<QTreeWidgetItem*> rows = list->selectedItems();
  return rows.isEmpty() ? nullptr : rows.front();
}

std::string GameIDOf(const QTreeWidgetItem* row) {
  return row ? ToStd(row->text(schedule_column::GameID)) : std::string();
}

}  // namespace

kelvane::Variant frmMain::KOGameID(int16_t Index) const {
  if (Index < 0 || static_cast<size_t>(Index) >= ko_game_ids_.size())
    throw kelvane::Error(kelvane::ErrorKind::SubscriptOutOfRange,
                         "no knock-out game of index " + std::to_string(Index));
  return kelvane::Variant(ko_game_ids_[static_cast<size_t>(Index)]);
}


void frmMain::SetScheduleList() { FillScheduleList(ScheduleList, *objKelvane); }

void frmMain::ShowGameFacts(const std::string& strGameID) {
  ApplyInfoBarRule("game", objKelvane->Games(kelvane::Variant(strGameID), "gameno"));
  GameID = strGameID;
  TeamFrame->hide();
  GameFacts->hide();
  groupsView->ShowGameFacts(*objKelvane, strGameID);
}

void frmMain::SetScoreFrame(const std::string& GameID) { groupsView->SetScoreFrame(*objKelvane, GameID); }

// A set that can't be read leaves the current results, their set and their mark as they were,
// and the user is told so instead of seeing nothing happen.
void frmMain::OpenResultsSet(const std::string& ResultsSet) {
  if (!objKelvane->LoadResultsSet(ResultsSet).ToBool())
    throw kelvane::Error(kelvane::ErrorKind::File, "cannot open the result set \"" + ResultsSet + "\"");
  SaveResults->setEnabled(false);
  SetMain();
  LoadGroup(static_cast<int16_t>(GroupTab->currentIndex()));
  ClearStats();
  ClearAnalysis();
  const QString current = ToQ(objKelvane->ResultsSet());
  setWindowTitle(MainCaption(current));
  SaveResults->setText(SaveResultsCaption(current));
  GroupTab_Click(GroupTab->currentIndex());
}

void frmMain::LoadGroup(int16_t NewTab) {
  const std::string group = GroupOfTab(NewTab);
  if (group.empty())
    throw kelvane::Error(kelvane::ErrorKind::SubscriptOutOfRange, "no group tab " + std::to_string(NewTab));
  ApplyInfoBarRule("group", group);
  groupsView->LoadGroup(*objKelvane, group[0]);
}

// Every change of results or of the result set redraws the bracket: the standings of the open
// sweeps window follow with it.
void frmMain::LoadKO() {
  koView->LoadKO(*objKelvane, ko_game_ids_);
  if (frmSweeps::IsLoaded()) frmSweeps::Get().ReloadShownList();
}

void frmMain::RedrawResults(unsigned Views, ResultsMark Mark, const std::string& StoredGameID) {
  const bool group_game = kelvane::IsGroupGameID(StoredGameID);
  if (Views & kRedrawStats) {
    ClearStats();
    ClearAnalysis();
  }
  if (Views & kRedrawGroup) LoadGroup(static_cast<int16_t>(GroupTab->currentIndex()));
  if (Views & kRedrawSchedule) SetScheduleList();
  if ((Views & kRedrawGroup) && group_game && (!GameFacts->isHidden() || !ScoreFrame->isHidden()))
    ShowGameFacts(StoredGameID);
  if (Views & kRedrawKnockout) LoadKO();
  // The lists were drawn afresh: the stored game stays the current row, so that the next game
  // is one key away.
  if (!StoredGameID.empty()) {
    const QString id = ToQ(StoredGameID);
    if (Views & kRedrawSchedule) MakeCurrentRow(ScheduleList, schedule_column::GameID, id);
    if (Views & kRedrawGroup) MakeCurrentRow(groupsView->GroupSchedule, kGroupScheduleGameIDColumn, id);
    const auto ko = std::find(ko_game_ids_.begin(), ko_game_ids_.end(), StoredGameID);
    if (ko != ko_game_ids_.end() && MainTab->currentIndex() == kKnockoutTab)
      koView->cmdKOGameNo[static_cast<size_t>(ko - ko_game_ids_.begin())]->setFocus();
  }
  if (Mark == ResultsMark::Keep) return;
  // The toolbar's Save button follows the menu item.
  SaveResults->setEnabled(Mark == ResultsMark::Set || objKelvane->ResultsChanged());
}

// The letter goes with the tab's index, whatever its caption reads.
std::string frmMain::ShownGroup() const { return GroupOfTab(GroupTab->currentIndex()); }

std::string frmMain::ScheduleSelection() const { return GameIDOf(SelectedRow(ScheduleList)); }

void frmMain::SelectNextScheduleGame() {
  QTreeWidgetItem* row = SelectedRow(ScheduleList);
  if (!row) return;
  for (int i = ScheduleList->indexOfTopLevelItem(row) + 1; i < ScheduleList->topLevelItemCount(); ++i) {
    QTreeWidgetItem* next = ScheduleList->topLevelItem(i);
    if (GameIDOf(next).empty()) continue;
    ScheduleList->clearSelection();
    ScheduleList->setCurrentItem(next);
    next->setSelected(true);
    return;
  }
}

void frmMain::NoSysIcon(bool maxIcon) { tray_->NoSysIcon(maxIcon); }

// The icon belongs to the window's tray, whatever picture box is named.
void frmMain::DeleteIcon(QWidget* pic) {
  Q_UNUSED(pic);
  tray_->DeleteIcon();
}

void frmMain::ShowProgramInTray() { tray_->ShowProgramInTray(); }

}  // namespace pitchlog
