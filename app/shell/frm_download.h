// "Download": fetches the chosen data files (games, teams, stadia, sweep options, statistics
// layouts, links) from the server, then reloads them and redraws the main window.
#pragma once

#include <array>

#include <QDialog>

#include "app/kit/default_instance.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace pitchlog {

class frmDownload : public QDialog, public DefaultInstance<frmDownload> {
  Q_OBJECT

 public:
  frmDownload();

  QLabel* lblHeading;
  QPushButton* cmbAll;
  QPushButton* cmdClearAll;
  QPushButton* cmbOK;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc, Cancel
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmDownload>;

  void Form_Load();
  void SetAll(bool checked);
  void cmbOK_Click();

  // chkGames .. chkLinks, in their order of processing.
  std::array<QCheckBox*, 6> downloads_{};
};

}  // namespace pitchlog
