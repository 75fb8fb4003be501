// The About box: the program's title, version and credits, a contact box for each of the two
// parties that made it, and the system information tool. Modeless.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace pitchlog {

struct MakerContact;

class frmAbout : public QDialog, public DefaultInstance<frmAbout> {
  Q_OBJECT

 public:
  frmAbout();

  QGroupBox* fraAbout;
  QLabel* imgLogo;
  QLabel* lblTitle;
  QLabel* lblVersion;
  QLabel* lblNotice;
  QLabel* lblDeveloper;
  QPushButton* cmdDeveloperContact;
  QLabel* Label1;  // the illustration credit
  QPushButton* cmdIllustratorContact;
  QLabel* imgCredits;
  QPushButton* cmdSysInfo;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class DefaultInstance<frmAbout>;

  void imgCredits_MouseUp();

  void Form_Load();
  void Form_Unload();
  void cmdDeveloperContact_Click();
  void cmdIllustratorContact_Click();
  void cmdSysInfo_Click();
  void cmdOK_Click();
  // Fills the contact box with the party's details and shows it modally.
  static void ShowContact(const MakerContact& party);
};

}  // namespace pitchlog
