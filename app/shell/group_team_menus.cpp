#include "app/shell/group_team_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/kit/handler_guard.h"
#include "engine/game_ids.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {

namespace {

using kelvane::kGroupLetters;
constexpr int kGroupsViewTab = 1;
constexpr int kTeamsPerGroup = 4;

QString GroupTeamItemName(char letter, int position) {
  return QString(QChar(letter)) + QString::number(position);
}

// Selecting a tab raises the window's own handler of the change.
void SelectTab(const QObject* window, const char* name, int index) {
  if (auto* tabs = window->findChild<QTabWidget*>(name))
    tabs->setCurrentIndex(index);
  else if (auto* bar = window->findChild<QTabBar*>(name))
    bar->setCurrentIndex(index);
}

}  // namespace

int GroupTabIndex(const std::string& group) {
  const size_t letter = group.size() == 1 ? kGroupLetters.find(group[0]) : std::string_view::npos;
  return letter == std::string_view::npos ? -1 : kLastGroupTab - static_cast<int>(letter);
}

std::string GroupOfTab(int tab) {
  if (tab < 0 || tab > kLastGroupTab) return {};
  return std::string(1, kGroupLetters[static_cast<size_t>(kLastGroupTab - tab)]);
}

QString TeamMenuCaption(const std::string& team_name) {
  return "&" + QString::fromStdString(team_name).replace("&", "&&");
}

GroupTeamMenus::GroupTeamMenus(QMainWindow* window, std::shared_ptr<kelvane::IPitchlog> engine,
                               ShowTeam show_team)
    : QObject(window), window_(window), engine_(std::move(engine)), show_team_(std::move(show_team)) {
  if (auto* groups = window_->findChild<QMenu*>("Groups")) BuildGroups(groups);
  if (auto* teams = window_->findChild<QMenu*>("Teams")) BuildTeams(teams);
}

void GroupTeamMenus::BuildGroups(QMenu* groups) {
  for (const char letter : kGroupLetters) {
    const QString name(QChar{letter});
    QMenu* group = groups->addMenu("&" + name);
    group->setObjectName(name);

    QAction* table = group->addAction("&Table");
    table->setObjectName(name + "Table");
    table->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + (letter - 'A'))));
    connect(table, &QAction::triggered, this, [this, letter] {
      RunHandler([&] { Table_Click(letter); });
    });

    group->addSeparator()->setObjectName(name + "Break");

    for (int position = 1; position <= kTeamsPerGroup; ++position) {
      const QString item_name = GroupTeamItemName(letter, position);
      QAction* team = group->addAction(item_name);
      team->setObjectName(item_name);
      connect(team, &QAction::triggered, this, [this, letter, position] {
        RunHandler([&] { GroupTeam_Click(letter, position); });
      });
    }
  }
}

void GroupTeamMenus::BuildTeams(QMenu* teams) {
  for (int index = 0; index < kTeamItems; ++index) {
    QAction* team = teams->addAction("Team");
    team->setObjectName("Team_" + QString::number(index));
    connect(team, &QAction::triggered, this, [this, index] {
      RunHandler([&] { Team_Click(index); });
    });
  }
}

void GroupTeamMenus::SetGroupCaptions() {
  for (const char letter : kGroupLetters) {
    for (int position = 1; position <= kTeamsPerGroup; ++position) {
      auto* item = window_->findChild<QAction*>(GroupTeamItemName(letter, position));
      if (!item) continue;
      const std::string team_id = engine_->GroupTeamID(std::string(1, letter), static_cast<int16_t>(position));
      item->setText(TeamMenuCaption(engine_->TeamName(team_id)));
    }
  }
}

void GroupTeamMenus::SetTeamCaptions(const kelvane::Variant& team_list) {
  team_menu_list_ = team_list;
  const int count = TeamCount();
  for (int index = 0; index < kTeamItems; ++index) {
    auto* item = window_->findChild<QAction*>("Team_" + QString::number(index));
    if (!item) continue;
    const bool has_team = index < count;
    if (has_team) item->setText(TeamMenuCaption(team_menu_list_.AsArray().at(1, index).ToString()));
    // Items beyond the tournament's teams stand for nobody.
    item->setVisible(has_team);
  }
}

int GroupTeamMenus::TeamCount() const {
  if (!team_menu_list_.IsArray()) return 0;
  const kelvane::Array& list = team_menu_list_.AsArray();
  if (list.Dimensions() != 2) return 0;
  // An empty teams file still gives one blank column.
  int count = list.UBound(2) + 1;
  if (count == 1 && list.at(0, 0).ToString().empty()) count = 0;
  return count;
}

void GroupTeamMenus::Table_Click(char letter) {
  SelectGroupTab(GroupTabIndex(std::string(1, letter)));
  ShowGroupsView();
}

void GroupTeamMenus::GroupTeam_Click(char letter, int position) {
  const std::string group(1, letter);
  SelectGroupTab(GroupTabIndex(group));
  const std::string team_id = engine_->GroupTeamID(group, static_cast<int16_t>(position));
  show_team_(team_id);
  ShowGroupsView();
}

void GroupTeamMenus::Team_Click(int index) {
  if (index >= TeamCount()) return;
  const kelvane::Array& list = team_menu_list_.AsArray();
  const std::string team_id = list.at(0, index).ToString();
  const int tab = GroupTabIndex(engine_->Teams(team_id, "group"));
  if (tab < 0) return;
  SelectGroupTab(tab);
  show_team_(team_id);
  ShowGroupsView();
  MarkGroupTableRows(QString::fromStdString(list.at(1, index).ToString()));
}

void GroupTeamMenus::SelectGroupTab(int index) const { SelectTab(window_, "GroupTab", index); }

void GroupTeamMenus::ShowGroupsView() const { SelectTab(window_, "MainTab", kGroupsViewTab); }

void GroupTeamMenus::MarkGroupTableRows(const QString& team_name) const {
  auto* table = window_->findChild<QTreeWidget*>("GroupTable");
  if (!table) return;
  table->clearSelection();
  for (int row = 0; row < table->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = table->topLevelItem(row);
    if (item->text(1) == team_name) item->setSelected(true);
  }
  table->setFocus();
}

}  // namespace pitchlog
