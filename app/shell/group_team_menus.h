// The Groups and Teams menus of the main window: each item leads straight to a group's table or
// a team's panel in the Groups view.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "platform/component/variant.h"

class QAction;
class QMainWindow;
class QMenu;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

// GroupTab's tabs run from "H" (0) to "A" (7); -1 for anything that is not one group letter.
inline constexpr int kLastGroupTab = 7;
int GroupTabIndex(const std::string& group);
// The group letter of a GroupTab index; "" for an index of no tab.
std::string GroupOfTab(int tab);
// A menu caption with the name's first letter as access key; a "&" in the name stays a "&".
QString TeamMenuCaption(const std::string& team_name);

class GroupTeamMenus : public QObject {
 public:
  static constexpr int kTeamItems = 32;
  using ShowTeam = std::function<void(const std::string& team_id)>;

  // Fills the window's empty menus "Groups" and "Teams" with their items. The window's view tabs
  // "MainTab", its group tabs "GroupTab" and the list "GroupTable" are looked up when needed.
  GroupTeamMenus(QMainWindow* window, std::shared_ptr<kelvane::IPitchlog> engine, ShowTeam show_team);

  // The group items' captions from the engine, as the groups stand now.
  void SetGroupCaptions();
  // The Teams items stand for the columns of team_list (the engine's TeamList: row 0 ids, row 1
  // names) from now on.
  void SetTeamCaptions(const kelvane::Variant& team_list);

 private:
  void BuildGroups(QMenu* groups);
  void BuildTeams(QMenu* teams);

  void Table_Click(char letter);
  void GroupTeam_Click(char letter, int position);
  void Team_Click(int index);

  void SelectGroupTab(int index) const;
  void ShowGroupsView() const;
  void MarkGroupTableRows(const QString& team_name) const;
  int TeamCount() const;

  QMainWindow* window_;
  std::shared_ptr<kelvane::IPitchlog> engine_;
  ShowTeam show_team_;
  kelvane::Variant team_menu_list_;
};

}  // namespace pitchlog
