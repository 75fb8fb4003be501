#include "app/shell/start.h"

#include <QApplication>
#include <QWidget>

#include "app/kit/handler_guard.h"
#include "app/kit/keyboard_rules.h"
#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/kit/screen_position.h"
#include "app/shell/frm_help.h"
#include "app/shell/frm_splash.h"
#include "app/shell/help_topics.h"
#include "app/shell/single_instance.h"
#include "app/shell/unreadable_files.h"
#include "platform/component/create_object.h"

namespace pitchlog {

bool Main(const QString& program_folder) {
  gstrAppTitle = QStringLiteral("Zintorra Orvessa Pitchlog 2006");
  // A second start on the folder brings the running copy forward and ends.
  if (!ClaimProgramFolder(program_folder)) return false;
  InstallKeyboardRules();
  InstallScreenRules();
  const auto object = kelvane::CreateObject(kelvane::kPitchlogProgId);
  gobjKelvane = kelvane::QueryInterface<kelvane::IPitchlog>(object, kelvane::kPitchlogInterface);
  gobjKelvane->SetMessageSink(
      [](const std::string& title, const std::string& text) { MsgBox(ToQ(text), msgbox::OkOnly, ToQ(title)); });
  App.Path = program_folder;
  gobjKelvane->SetAppPath(ToStd(App.Path));
  QString missing;
  if (!LoadDatabase(*gobjKelvane, &missing)) {
    MsgBox(IncompleteDatabaseText(App.Path, missing), msgbox::Critical);
    return false;
  }
  if (const QString notice = StartNoticeText(*gobjKelvane, App.Path); !notice.isEmpty())
    MsgBox(notice, msgbox::Exclamation);
  glngMyTeamColour = gobjKelvane->MyTeamColour();
  glngMyTeamGhost = gobjKelvane->MyTeamGhost();
  glngMyOtherTeamColour = gobjKelvane->MyOtherTeamColour();
  glngMyOtherTeamGhost = gobjKelvane->MyOtherTeamGhost();
  frmSplash::Get().show();
  App.HelpFile = HelpFolder() + QLatin1Char('/') + QLatin1String(kHelpContents);
  InstallHelpKey();
  return true;
}

bool StartProgram(const QString& program_folder) {
  bool started = false;
  RunHandler([&] { started = Main(program_folder); });
  return started;
}

// LoadAll passes over a teams or games file that is missing or can't be read, and over a
// results file of another kind; the windows would then show no tournament, or fail on their
// first call: such a start is refused. Without its settings the program starts on the defaults.
bool LoadDatabase(kelvane::IPitchlog& engine, QString* missing) {
  QString file = QStringLiteral("Results/Results.xml");
  const bool loaded = [&] {
    try {
      // LoadResultsSet takes only a file that holds groups and games.
      if (!engine.LoadAll().ToBool() || !engine.LoadResultsSet("Results").ToBool()) return false;
      file = QStringLiteral("Data/games.xml");
      if (engine.LoadSchedule() <= 0) return false;
      file = QStringLiteral("Data/teams.xml");
      const kelvane::Variant teams = engine.TeamList();
      return teams.IsArray() && !teams.AsArray().at(0, 0).IsEmpty();
    } catch (const std::exception&) {
      return false;
    }
  }();
  if (!loaded && missing) *missing = file;
  return loaded;
}

namespace {

// Pop-up menus count as top-level widgets too; they go with their windows.
void DeleteWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->parentWidget()) continue;
    window->hide();
    window->deleteLater();
  }
}

}  // namespace

void EndProgram() {
  DeleteWindows();
  QCoreApplication::quit();
}

void ReleaseProgram() {
  DeleteWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  gobjKelvane.reset();
  ReleaseProgramFolder();
}

}  // namespace pitchlog
