// The licence-terms box: the terms that the user agreed to on installing the program.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pitchlog {

class frmLicence : public QDialog, public DefaultInstance<frmLicence> {
  Q_OBJECT

 public:
  frmLicence();

  QLabel* picIcon;
  QLabel* lblTitle;
  QLabel* lblSubTitle;
  QPlainTextEdit* txtTerms;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmLicence>;

  void Form_Load();
  void cmdOK_Click();
};

}  // namespace pitchlog
