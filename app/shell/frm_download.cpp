#include "app/shell/frm_download.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/shell/download_kit.h"
#include "app/shell/download_message.h"
#include "app/shell/frm_download_progress.h"
#include "app/shell/frm_main.h"

namespace pitchlog {

namespace {

struct DataDownload {
  const char* check_box;
  const char* caption;  // also names the file in the report
  const char* file;     // the server's file; nullptr: the links, with the info bar's page
};

constexpr DataDownload kDownloads[] = {
    {"chkGames", "Games", "games"},
    {"chkTeams", "Teams", "teams"},
    {"chkStadia", "Stadia", "stadia"},
    {"chkSweepOptions", "Sweep Options", "sweepoptions"},
    {"chkStatsLayout", "Stats Layouts", "statscolumns"},
    {"chkLinks", "Links", nullptr},
};
constexpr size_t kLinks = 5;

bool Fetch(const DataDownload& item) {
  return item.file ? gobjKelvane->DownloadXML(kelvane::Variant(std::string(item.file))) : gobjKelvane->DownloadLinks();
}

// Every report line and the closing text are separated by one blank line.
QString Report(const QString& report, const QString& last) {
  return report + (report.isEmpty() ? QString() : QStringLiteral("\n")) + last;
}

}  // namespace

frmDownload::frmDownload() {
  setObjectName(QStringLiteral("frmDownload"));
  setWindowTitle(QStringLiteral("Download"));
  setFixedSize(400, 200);
  lblHeading = new QLabel(this);
  lblHeading->setObjectName(QStringLiteral("lblHeading"));
  lblHeading->setGeometry(10, 10, 380, 34);
  lblHeading->setWordWrap(true);
  auto* frame = new QGroupBox(QStringLiteral("Downloads"), this);
  frame->setGeometry(10, 50, 380, 105);
  for (size_t i = 0; i < downloads_.size(); ++i) {
    auto* box = new QCheckBox(QLatin1String(kDownloads[i].caption), frame);
    box->setObjectName(QLatin1String(kDownloads[i].check_box));
    box->setGeometry(10 + static_cast<int>(i / 3) * 185, 22 + static_cast<int>(i % 3) * 26, 175, 21);
    downloads_[i] = box;
  }
  const auto button = [this](const char* name, const char* caption, int left) {
    auto* b = new QPushButton(QLatin1String(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, 165, 85, 25);
    return b;
  };
  cmbAll = button("cmbAll", "Select All", 10);
  cmdClearAll = button("cmdClearAll", "Clear All", 100);
  cmbOK = button("cmbOK", "OK", 215);
  cmdCancel = button("cmdCancel", "Cancel", 305);
  cmbOK->setDefault(true);

  connect(cmbAll, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(cmdClearAll, &QPushButton::clicked, this, [this] { SetAll(false); });
  connect(cmbOK, &QPushButton::clicked, this, Handler(this, &frmDownload::cmbOK_Click));
  connect(cmdCancel, &QPushButton::clicked, this, &frmDownload::reject);
}

void frmDownload::Form_Load() {
  lblHeading->setText(download::Heading());
  SetAll(false);
}

void frmDownload::SetAll(bool checked) {
  for (QCheckBox* box : downloads_) box->setChecked(checked);
}

// The first file that fails ends the command: the files fetched before it stay saved, but
// nothing is reloaded or redrawn.
void frmDownload::cmbOK_Click() {
  if (std::none_of(downloads_.begin(), downloads_.end(), [](const QCheckBox* box) { return box->isChecked(); })) {
    MsgBox(QStringLiteral("Please select at least one download"), msgbox::Critical);
    return;
  }
  const DownloadWatch watch;
  cmbOK->setEnabled(false);
  const auto enable = qScopeGuard([this] { cmbOK->setEnabled(true); });
  QString report;
  for (size_t i = 0; i < downloads_.size(); ++i) {
    if (!downloads_[i]->isChecked()) continue;
    const QString what = QLatin1String(kDownloads[i].caption);
    if (!Fetch(kDownloads[i])) {
      MsgBox(Report(report, download::FailureText(what)), download::FailureStyle());
      Unload();
      return;
    }
    report += what + QStringLiteral(" downloaded\n");
  }

  frmMain& main = frmMain::Get();
  download::RefreshLocalPages(main, downloads_[kLinks]->isChecked());
  gobjKelvane->LoadOthers();
  main.RedrawResults(frmMain::kRedrawSchedule | frmMain::kRedrawGroup | frmMain::kRedrawKnockout,
                     frmMain::ResultsMark::Keep);
  download::ReloadChosenStatsList(main);
  MsgBox(Report(report, QStringLiteral("Download Complete")));

  const auto unload = qScopeGuard([] { Unload(); });
  cmbOK->setEnabled(true);
  hide();
  ShowDownloadMessage();
}

void frmDownload::reject() { Unload(); }

void frmDownload::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
