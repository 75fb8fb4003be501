#include "app/shell/frm_splash.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/kit/program.h"
#include "app/kit/screen_position.h"
#include "app/kit/sharp_picture.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_properties.h"
#include "app/shell/program_art.h"
#include "app/shell/start.h"

namespace pitchlog {

frmSplash::frmSplash() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(App.Title);
  setWindowIcon(ProgramIcon());

  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  ShowSharpPicture(Picture1, [](qreal ratio) { return SplashPicture(QSize(480, 300), ratio); });
  Picture1->installEventFilter(this);

  Continue = new QPushButton(tr("Continue"), this);
  Continue->setObjectName(QStringLiteral("Continue"));
  Continue->setDefault(true);

  cmdTimeZone = new QPushButton(tr("Time Zone"), this);
  cmdTimeZone->setObjectName(QStringLiteral("cmdTimeZone"));
  cmdTimeZone->setVisible(false);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(5000);
  Timer1->start();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdTimeZone);
  buttons->addStretch();
  buttons->addWidget(Continue);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(Picture1);
  layout->addLayout(buttons);

  connect(Continue, &QPushButton::clicked, this, Handler(this, &frmSplash::Continue_Click));
  connect(cmdTimeZone, &QPushButton::clicked, this, Handler(this, &frmSplash::cmdTimeZone_Click));
  connect(Timer1, &QTimer::timeout, this, Handler(this, &frmSplash::Timer1_Timer));

  adjustSize();
  move(CentredIn(FreeArea(*this), frameGeometry().size()));
}

void frmSplash::Form_Load() {
  objKelvane = gobjKelvane;
  if (objKelvane->Properties("timedifference").ToString().empty()) cmdTimeZone->setVisible(true);
}

void frmSplash::CloseSplash() {
  if (closing_) return;
  // A box raised while the main window loads runs its own event loop; the timer must not
  // come back in here meanwhile.
  closing_ = true;
  Timer1->stop();
  frmMain::Get().show();
  objKelvane.reset();
  Unload();
}

void frmSplash::Continue_Click() { CloseSplash(); }
void frmSplash::Timer1_Timer() { CloseSplash(); }
void frmSplash::Form_Click() { CloseSplash(); }
void frmSplash::Form_KeyPress() { CloseSplash(); }
void frmSplash::Picture1_Click() { CloseSplash(); }
void frmSplash::Picture1_KeyPress() { CloseSplash(); }

// The main window comes first, so that the settings dialog can redraw it.
void frmSplash::cmdTimeZone_Click() {
  hide();
  Timer1->stop();
  frmMain::Get().show();
  frmProperties::Get().exec();
  CloseSplash();
}

void frmSplash::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) RunHandler([this] { Form_Click(); });
}

// Only keys that type a character count, as for a key press event of the old toolkit.
void frmSplash::keyPressEvent(QKeyEvent* event) {
  if (event->text().isEmpty()) return QWidget::keyPressEvent(event);
  RunHandler([this] { Form_KeyPress(); });
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Picture1) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      RunHandler([this] { Picture1_Click(); });
      return true;
    }
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->text().isEmpty()) {
      RunHandler([this] { Picture1_KeyPress(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Closing the splash some other way leaves no window: the program ends.
void frmSplash::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!closing_) EndProgram();
}

}  // namespace pitchlog
