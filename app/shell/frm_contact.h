// The contact box: one party's name, description, postal address, e-mail and web addresses and
// logo, as the About box puts them in. It does nothing of its own.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QLabel;
class QPushButton;

namespace pitchlog {

class frmContact : public QDialog, public DefaultInstance<frmContact> {
  Q_OBJECT

 public:
  frmContact();

  QLabel* lblName;
  QLabel* lblDescription;
  QLabel* lblAddress;
  QLabel* lblEmail;
  QLabel* lblURL;
  QLabel* imgLogo;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  void cmdOK_Click();
};

}  // namespace pitchlog
