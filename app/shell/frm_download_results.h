// "Download Results": fetches the server's results into the default set, and the players on
// request, then has the main window show them.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace pitchlog {

class frmDownloadResults : public QDialog, public DefaultInstance<frmDownloadResults> {
  Q_OBJECT

 public:
  frmDownloadResults();

  QLabel* lblHeading;
  QCheckBox* chkPlayers;
  QLabel* lblPlayers;
  QPushButton* cmdOk;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc, Cancel
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class DefaultInstance<frmDownloadResults>;

  void Form_Load();
  void lblPlayers_Click();
  void cmdOk_Click();
};

}  // namespace pitchlog
