// The main window's menu bar, built from one table. An item without a command yet is disabled.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/shell/frm_main.h"

namespace pitchlog {
namespace {

struct TopMenu {
  const char* name;
  const char* caption;
};

constexpr TopMenu kTopMenus[] = {
    {"File", "&File"},   {"Edit", "&Edit"},     {"DownloadS", "&Downloads"}, {"Groups", "&Groups"},
    {"Teams", "&Teams"}, {"Sweeps", "&Sweeps"}, {"Help", "&Help"},
};

}  // namespace

std::span<const frmMain::MenuItem> frmMain::MenuItems() {
  static constexpr MenuItem kItems[] = {
      {"File", "SaveResults", "&Save Results", "Ctrl+S", &frmMain::SaveResults_Click},
      {"File", "Scenarios", "-", "", nullptr},
      {"File", "OpenResults", "&Open Results", "Ctrl+R", &frmMain::OpenResults_Click},
      {"File", "OpenScenario", "Open &Scenario", "Ctrl+O", &frmMain::OpenScenario_Click},
      {"File", "SaveScenario", "Sav&e As Scenario", "", &frmMain::SaveScenario_Click},
      {"Edit", "Properties", "&Options", "Ctrl+T", &frmMain::Properties_Click},
      {"Edit", "Players", "&Players", "Ctrl+P", &frmMain::Players_Click},
      {"DownloadS", "Results", "&Results", "Ctrl+L", &frmMain::Results_Click},
      {"DownloadS", "DownloadOthers", "&Others", "", &frmMain::DownloadOthers_Click},
      {"DownloadS", "DownloadGap", "-", "", nullptr},
      {"DownloadS", "GetMessage", "&Get Message", "", &frmMain::GetMessage_Click},
      {"DownloadS", "LastMessage", "&Last Message", "", &frmMain::LastMessage_Click},
      {"Sweeps", "Manage", "&Manage", "Ctrl+M", &frmMain::Manage_Click},
      {"Sweeps", "SweepPrints", "-", "", nullptr},
      {"Sweeps", "Members", "&Members", "", &frmMain::Members_Click},
      {"Sweeps", "Accounts", "&Accounts", "", &frmMain::Accounts_Click},
      {"Sweeps", "MembersBreak", "-", "", nullptr},
      {"Sweeps", "TeamDrawSlips", "&Team Draw Slips", "", &frmMain::TeamDrawSlips_Click},
      {"Help", "HelpTopics", "&Help Topics", "", &frmMain::HelpTopics_Click},
      {"Help", "OpenForum", "&Forum", "", &frmMain::OpenForum_Click},
      {"Help", "About", "&About Orvessa Pitchlog...", "", &frmMain::About_Click},
      {"Help", "LicenceTerms", "&Licence Terms", "", &frmMain::LicenceTerms_Click},
  };
  return kItems;
}

void frmMain::BuildMenus() {
  for (const TopMenu& top : kTopMenus) {
    QMenu* menu = menuBar()->addMenu(tr(top.caption));
    menu->setObjectName(QLatin1String(top.name));
    for (const MenuItem& item : MenuItems()) {
      if (qstrcmp(item.menu, top.name) != 0) continue;
      QAction* action = qstrcmp(item.caption, "-") == 0 ? menu->addSeparator() : menu->addAction(tr(item.caption));
      action->setObjectName(QLatin1String(item.name));
      if (action->isSeparator()) continue;
      action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
      action->setEnabled(item.click != nullptr);
    }
  }
  Groups = menuBar()->findChild<QMenu*>(QStringLiteral("Groups"));
  Teams = menuBar()->findChild<QMenu*>(QStringLiteral("Teams"));
  SaveResults = findChild<QAction*>(QStringLiteral("SaveResults"));
  LastMessage = findChild<QAction*>(QStringLiteral("LastMessage"));
  // The unsaved-results mark starts clear.
  SaveResults->setEnabled(false);

  // Shown only as the tray icon's pop-up, never in the menu bar.
  TrayContextMenu = new QMenu(this);
  TrayContextMenu->setObjectName(QStringLiteral("TrayContextMenu"));
}

}  // namespace pitchlog
