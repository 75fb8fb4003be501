// The splash window: shown by the start routine, it opens the main window after five seconds
// or at once on Continue, a click or a key, and unloads itself.
#pragma once

#include <memory>

#include <QWidget>

#include "app/kit/default_instance.h"
#include "engine/pitchlog_interface.h"

class QLabel;
class QPushButton;
class QTimer;

namespace pitchlog {

class frmSplash : public QWidget, public DefaultInstance<frmSplash> {
  Q_OBJECT

 public:
  frmSplash();

  QLabel* Picture1;
  QPushButton* Continue;
  QPushButton* cmdTimeZone;
  QTimer* Timer1;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmSplash>;

  void Form_Load();
  void CloseSplash();

  void Continue_Click();
  void cmdTimeZone_Click();
  void Timer1_Timer();
  void Form_Click();
  void Form_KeyPress();
  void Picture1_Click();
  void Picture1_KeyPress();

  std::shared_ptr<kelvane::IPitchlog> objKelvane;
  bool closing_ = false;
};

}  // namespace pitchlog
