// The small window that shows a download while it runs, with Cancel; and the watch that one
// download command keeps on the engine's transfers.
#pragma once

#include <chrono>
#include <memory>

#include <QDialog>

#include "app/kit/default_instance.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace pitchlog {

class frmDownloadProgress : public QDialog, public DefaultInstance<frmDownloadProgress> {
  Q_OBJECT

 public:
  frmDownloadProgress();

  QLabel* lblFile;
  QProgressBar* prgDownload;
  QPushButton* cmdCancel;

  // Cancel was pressed (or Esc, or the window closed) since the window loaded.
  bool Cancelled() const { return cancelled_; }
  // What is being fetched, and how much of it arrived; `expected` is -1 when unknown.
  void ShowTransfer(const QString& file, qint64 received, qint64 expected);

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  void cmdCancel_Click();

  bool cancelled_ = false;
};

// For as long as it lives (one download command), the engine's transfers are watched: each that
// runs longer than a moment shows in the progress window, the program keeps painting and
// answering its Cancel, and after Cancel no other transfer of the command starts. A watch made
// while another lives leaves the outer one in charge.
class DownloadWatch {
 public:
  DownloadWatch();
  ~DownloadWatch();
  DownloadWatch(const DownloadWatch&) = delete;
  DownloadWatch& operator=(const DownloadWatch&) = delete;

  // A download command is under way: the tray menu can still reach the download commands,
  // which must then wait their turn.
  static bool Running();
  // The user cancelled the command: a download that failed since failed for that.
  static bool Cancelled();

 private:
  bool owner_ = false;
};

}  // namespace pitchlog
