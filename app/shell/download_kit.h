// What the two download dialogs share: their texts and the refresh of the local pages that
// follows every download.
#pragma once

#include <QString>

namespace pitchlog {
class frmMain;
}

namespace pitchlog::download {

// The heading both dialogs show.
QString Heading();
// The advice that follows every failed download.
QString Advice();
// Why the engine refused the file that the last download brought (it arrived, so the
// connection is not at fault); "" when it refused none.
QString Refusal();
// What a download of `what` (a file's caption, or empty for the whole command) that failed
// ends with: "cancelled" when the user cancelled it, else "Cannot download" and why the file
// was refused, or the advice when it did not arrive.
QString FailureText(const QString& what);
// Its box: a note when cancelled, else an error.
int FailureStyle();

// Fetches the info bar's links and page (unless `links_fetched`) and the home pages, and has the
// main window show them again. What the two downloads return is not examined: the pages already
// there stay.
void RefreshLocalPages(frmMain& main, bool links_fetched);

// Reloads the statistics list of the table chosen in the Stats view, keeping its sort order; a
// table of groups, or none, redraws nothing.
void ReloadChosenStatsList(frmMain& main);

}  // namespace pitchlog::download
