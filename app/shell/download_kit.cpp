#include "app/shell/download_kit.h"

#include <QComboBox>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/shell/frm_download_progress.h"
#include "app/shell/frm_main.h"
#include "app/shell/web_browser.h"

namespace pitchlog::download {

QString Heading() { return QStringLiteral("You must be connected to the Internet before starting the download"); }

QString Advice() { return QStringLiteral("Please make sure you are connected to the Internet, and try again"); }

QString Refusal() { return gobjKelvane->LastDownloadRefused() ? ToQ(gobjKelvane->LastDownloadError()) : QString(); }

QString FailureText(const QString& what) {
  if (DownloadWatch::Cancelled())
    return what.isEmpty() ? QStringLiteral("Download cancelled") : QStringLiteral("Download of ") + what + QStringLiteral(" cancelled");
  const QString refusal = Refusal();
  return QStringLiteral("Cannot download") + (what.isEmpty() ? QString() : QLatin1Char(' ') + what) +
         QStringLiteral("\n\n") + (refusal.isEmpty() ? Advice() : refusal);
}

int FailureStyle() { return DownloadWatch::Cancelled() ? msgbox::Information : msgbox::Critical; }

void RefreshLocalPages(frmMain& main, bool links_fetched) {
  if (!links_fetched) gobjKelvane->DownloadLinks();
  main.wbBar->reload();
  gobjKelvane->DownloadHome();
  main.wbHome->reload();
}

void ReloadChosenStatsList(frmMain& main) {
  const auto* tables = main.findChild<QComboBox*>(QStringLiteral("cboStatsTables"));
  if (!tables || tables->currentText().isEmpty()) return;
  const std::string type = gobjKelvane->StatsTableType(ToStd(tables->currentText()));
  if (type == "teams")
    main.LoadStatsListTeams(false);
  else if (type == "players")
    main.LoadStatsListPlayers(false);
}

}  // namespace pitchlog::download
