#include "app/shell/help_topics.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QWidget>

#include "app/kit/handler_guard.h"
#include "app/shell/frm_help.h"

namespace pitchlog {
namespace {

struct Topic {
  int number;
  const char* page;
};

// The topic numbers that controls carry.
constexpr Topic kTopics[] = {
    {2901, "settings.html"}, {2902, "settings.html"}, {2903, "settings.html"}, {2904, "settings.html"},
    {2905, "settings.html"}, {3001, "settings.html"}, {3101, "stats.html#save"},
};

struct WindowPage {
  const char* window;
  const char* page;
};

constexpr WindowPage kWindowPages[] = {
    {"frmSplash", "starting.html"},
    {"frmGroupScore", "enter-group.html"},
    {"frmAddPlayer", "enter-group.html#new-player"},
    {"frmNewPlayer", "enter-group.html#new-player"},
    {"frmLots", "ranking.html#lots"},
    {"frmKOGameFacts", "enter-knockout.html"},
    {"frmKOScore", "enter-knockout.html#score"},
    {"frmPenalties", "enter-knockout.html#shoot-out"},
    {"frmCustomise", "stats.html#customise"},
    {"frmSaveStats", "stats.html#save"},
    {"frmSaveScenario", "result-sets.html"},
    {"frmOpenScenario", "result-sets.html"},
    {"frmDownload", "downloads.html"},
    {"frmDownloadResults", "downloads.html"},
    {"frmMessage", "downloads.html#message"},
    {"frmProperties", "settings.html"},
    {"frmPlayers", "players.html"},
    {"frmSweeps", "sweeps.html"},
    {"frmNewSweep", "sweeps.html#new"},
    {"frmEditSweep", "sweeps.html#new"},
    {"frmTeamListEntry", "sweeps.html#choices"},
    {"frmPlayerListEntry", "sweeps.html#choices"},
    {"frmNumberListEntry", "sweeps.html#choices"},
    {"frmMembers", "members.html"},
    {"frmNewMember", "members.html"},
    {"frmMemberDetails", "members.html#accounts"},
    {"frmAccounts", "members.html#accounts"},
    {"frmAbout", "index.html#about"},
    {"frmContact", "index.html#about"},
    {"frmLicence", "index.html#about"},
};

// The main window's views, in tab order.
constexpr const char* kViewPages[] = {"schedule.html", "groups.html",   "knockout.html",
                                      "stats.html",    "analysis.html", "views.html"};

QString MainWindowPage(const QWidget& window) {
  const auto* tabs = window.findChild<const QTabWidget*>(QStringLiteral("MainTab"));
  const int tab = tabs ? tabs->currentIndex() : -1;
  return tab >= 0 && tab < int(std::size(kViewPages)) ? QLatin1String(kViewPages[tab]) : QStringLiteral("views.html");
}

}  // namespace

QString HelpPageFor(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    const int number = w->property("HelpContextID").toInt();
    for (const Topic& topic : kTopics)
      if (topic.number == number) return QLatin1String(topic.page);
    if (!w->isWindow()) continue;
    if (w->objectName() == QLatin1String("frmMain")) return MainWindowPage(*w);
    for (const WindowPage& entry : kWindowPages)
      if (w->objectName() == QLatin1String(entry.window)) return QLatin1String(entry.page);
  }
  return QLatin1String(kHelpContents);
}

QStringList HelpPagesNamed() {
  QStringList pages{QLatin1String(kHelpContents)};
  for (const Topic& topic : kTopics) pages << QLatin1String(topic.page);
  for (const WindowPage& entry : kWindowPages) pages << QLatin1String(entry.page);
  for (const char* page : kViewPages) pages << QLatin1String(page);
  pages.removeDuplicates();
  return pages;
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
      !watched->isWidgetType())
    return QObject::eventFilter(watched, event);
  // The key goes to the control that has focus.
  const auto* widget = static_cast<const QWidget*>(watched);
  if (widget->window()->objectName() == QLatin1String("frmHelp")) return true;
  const QString page = HelpPageFor(widget);
  RunHandler([&] { frmHelp::Get().ShowTopic(page); });
  return true;
}

void InstallHelpKey() {
  static HelpKey* key = nullptr;
  if (key) return;
  key = new HelpKey(qApp);
  qApp->installEventFilter(key);
}

}  // namespace pitchlog
