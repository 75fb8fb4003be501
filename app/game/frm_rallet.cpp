#include "app/game/frm_rallet.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include "app/game/ball_and_bats.h"
#include "app/game/match_rules.h"
#include "app/game/rallet_module.h"
#include "app/kit/handler_guard.h"
#include "app/kit/screen_position.h"

namespace pitchlog {
namespace {

const QString kTitle = QStringLiteral("Pitchlog Rallet");
// The About box's left edge to the game's, in twips.
constexpr int kOffsetOverAboutBox = 400 / 15;

constexpr std::array<const char*, 9> kCreditTexts{
    "", "Pitchlog Rallet", "Easter Egg", "", "Made for Pitchlog", "by the Orvessa team", "Thanks for playing", "", ""};

// The window's own size when no About box gives one: the field at two pixels a unit.
QSize FieldSize() {
  return {(GameCanvas::kUnitsWide + 1) * GameCanvas::kPixelsPerUnit,
          (GameCanvas::kUnitsHigh + 1) * GameCanvas::kPixelsPerUnit};
}

// Smaller than a pixel a unit, the field's text can no longer be read.
QSize LeastSize() { return {GameCanvas::kUnitsWide + 1, GameCanvas::kUnitsHigh + 1}; }

}  // namespace

void ShowRallet(QWidget* about_box) {
  // Modal: no second game can be asked for while one runs.
  if (frmRallet::IsLoaded()) return;
  const QPointer<frmRallet> game = &frmRallet::Get();
  RunHandler([&] { game->Play(about_box); });
  frmRallet::Unload();
  // Deleted from outside while its loops ran (the program ending): that deletion was held back
  // and can't be asked for again, so the window goes now.
  if (game && game->delete_requested_) delete game.data();
}

frmRallet::frmRallet()
    : QWidget(nullptr, Qt::Window),
      random_(Pace().seed.value_or(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()))),
      tmrCredit("tmrCredit", 250, [this] { RunHandler([this] { tmrCredit_Timer(); }); }),
      tmrGetReady("tmrGetReady", 2000, [this] { RunHandler([this] { tmrGetReady_Timer(); }); }),
      tmrServe("tmrServe", rallet::kKickOffPauseMs, [this] { RunHandler([this] { tmrServe_Timer(); }); }),
      tmrGameOver("tmrGameOver", rallet::kMinuteMs, [this] { RunHandler([this] { tmrGameOver_Timer(); }); }) {
  setObjectName(QStringLiteral("frmRallet"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(LeastSize());
  resize(FieldSize());
  tables_ = rallet::DefaultHighScores();
}

void frmRallet::Form_Load() {
  strHomeName = QStringLiteral("Player 1");
  strAwayName = QStringLiteral("Player 2");
  InitProperties();
  blnQuit = false;
  slp = 10;
  demoSlp = 4;
  for (size_t k = 1; k < creditLines.size(); ++k) {
    creditLines[k].text = QLatin1String(kCreditTexts[k]);
    creditLines[k].x = CentredX(creditLines[k].text);
  }
  if (!GetHighScores()) tables_ = rallet::DefaultHighScores();
}

void frmRallet::Play(QWidget* about_box) {
  if (about_box) {
    const QRect about = about_box->frameGeometry();
    resize(about.height() * FieldSize().width() / FieldSize().height(), about.height());
    move(about.left() + kOffsetOverAboutBox, about.top());
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(CentredPosition(screen->availableGeometry().size(), frameGeometry().size()) +
         screen->availableGeometry().topLeft());
  }
  setWindowModality(Qt::ApplicationModal);
  show();
  activateWindow();

  for (int y = 0; y <= 240; y += 40) canvas_.Line(0, y, 319, y, foreColor);
  for (int x = 1; x <= 316; x += 35) canvas_.Line(x, 0, x, 239, foreColor);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen->geometry().topLeft());

  credits = 0;
  StartTimer(tmrCredit, 250);
  running_ = true;
  // However the loops end, the window closes behind them.
  struct Ending {
    frmRallet* game;
    ~Ending() {
      game->running_ = false;
      game->StopTimer(game->tmrCredit);
      PlayGameSound(QString());
      Unload();
    }
  } ending{this};
  DemoLoop();
}

void frmRallet::InitProperties() {
  setWindowTitle(kTitle);
  canvas_.Cls();
  foreColor = kGameCyan;
  canvas_.SetDrawWidth(5);
}

// ---- Drawing ----

int frmRallet::CentredX(const QString& text) const {
  return 155 - static_cast<int>(qRound(canvas_.TextWidth(text))) / 2;
}

void frmRallet::PrintCentred(double y, const QString& text, const QColor& colour) {
  canvas_.PrintAt(CentredX(text), y, text, colour);
}

void frmRallet::DspTitle() {
  canvas_.SetItalic(true);
  canvas_.PrintAt(155 - qRound(canvas_.TextWidth(kTitle)) / 2 - 2, 5, kTitle, foreColor);
  canvas_.SetItalic(false);
}

void frmRallet::DspCredits() {
  if (credits > 99) credits = 1;
  canvas_.PrintAt(210, 217, shownCredits, kGameBlack);
  shownCredits = QStringLiteral("Credit %1").arg(credits, 2, 10, QLatin1Char('0'));
  canvas_.PrintAt(210, 217, shownCredits, kGameCyan);
}

void frmRallet::Message(int startLine, int numLines, bool centerX) {
  const double line_height = canvas_.TextHeight(QStringLiteral("H"));
  for (int i = startLine; i < startLine + numLines && i < static_cast<int>(msgLines.size()); ++i) {
    const QString& text = msgLines[static_cast<size_t>(i)];
    canvas_.PrintAt(centerX ? CentredX(text) : 0, i * line_height, text, foreColor);
  }
}

void frmRallet::Update() {
  using namespace rallet;
  canvas_.Line(kCourtLeft, kCourtTop, kCourtRight, kCourtTop, kGameCyan);
  canvas_.Line(kCourtLeft, kCourtBottom, kCourtRight, kCourtBottom, kGameCyan);
  canvas_.Line(p1x0, p1y0, p1x1, p1y1, kGameCyan);
  canvas_.Line(p2x0, p2y0, p2x1, p2y1, kGameCyan);
  if (numPlayers < 1)
    DspTitle();
  else
    DspScore();
  DspCredits();
}

void frmRallet::GetReady() {
  canvas_.Cls();
  Update();
  msgLines[7] = QStringLiteral("Get Ready");
  Message(7, 1, true);
  StartTimer(tmrGetReady, 2000);
  StartTimer(tmrGameOver, rallet::kMinuteMs);
}

// ---- Time ----

void frmRallet::DoEvents() {
  QWidget::update();
  QCoreApplication::processEvents();
  FireTimers();
}

void frmRallet::Sleep(int ms) {
  QWidget::update();
  clock_.Sleep(ms);
  FireTimers();
  if (Pace().each_turn) Pace().each_turn();
}

void frmRallet::FireTimers() {
  // A timer's handler never waits for another timer.
  if (firing_) return;
  firing_ = true;
  for (GameTimer* timer : {&tmrCredit, &tmrGetReady, &tmrServe, &tmrGameOver}) timer->FireIfDue(clock_.Now());
  firing_ = false;
}

void frmRallet::StartTimer(GameTimer& timer, int interval_ms) {
  timer.SetInterval(interval_ms, clock_.Now());
  timer.SetEnabled(true, clock_.Now());
}

void frmRallet::StopTimer(GameTimer& timer) { timer.SetEnabled(false, clock_.Now()); }

void frmRallet::tmrCredit_Timer() {
  const bool coin = GetAsyncKeyState(vk::Q) != 0;
  if (coin && !blnEntryActive) {
    ++credits;
    DspCredits();
    PlayGameSound(QStringLiteral("SNDCREDIT"));
  }
}

void frmRallet::tmrGetReady_Timer() {
  StopTimer(tmrGetReady);
  canvas_.Cls();
  Update();
  movingBall = true;
}

// ---- Keys and events ----

int16_t frmRallet::GetAsyncKeyState(int code) { return keys_.Poll(code); }

void frmRallet::Form_KeyDown(int KeyCode) { intLastKey = KeyCode; }

void frmRallet::Form_LostFocus() {
  blnQuit = true;
  endGame = true;
}

void frmRallet::keyPressEvent(QKeyEvent* event) {
  const int code = VirtualKeyCode(event->key());
  if (code == 0) return QWidget::keyPressEvent(event);
  // A held key repeats; only a new press is a key-down, so a bat's key held from the match
  // types no initials.
  const bool fresh = keys_.Press(code, event->timestamp()) && !event->isAutoRepeat();
  if (fresh) RunHandler([&] { Form_KeyDown(code); });
}

void frmRallet::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats as releases and presses; it stays down.
  if (!event->isAutoRepeat()) keys_.Release(VirtualKeyCode(event->key()), event->timestamp());
}

bool frmRallet::focusNextPrevChild(bool next) {
  Q_UNUSED(next);
  return false;  // Tab is a key like any other
}

void frmRallet::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    const bool active = isActiveWindow();
    if (was_active_ && !active) {
      keys_.ReleaseAll();
      if (running_ && !asking_) RunHandler([this] { Form_LostFocus(); });
    }
    was_active_ = active;
  }
  QWidget::changeEvent(event);
}

// Closing the window leaves the game; the loops end and then the window goes.
void frmRallet::closeEvent(QCloseEvent* event) {
  if (!running_) return QWidget::closeEvent(event);
  event->ignore();
  keyesc = 1;
  blnQuit = true;
  endGame = true;
}

// The window runs its loops inside its own methods; it may only be deleted once they have ended.
// ShowRallet deletes it then.
bool frmRallet::event(QEvent* event) {
  if (event->type() == QEvent::DeferredDelete && running_) {
    keyesc = 1;
    blnQuit = true;
    endGame = true;
    delete_requested_ = true;
    return true;
  }
  return QWidget::event(event);
}

void frmRallet::paintEvent(QPaintEvent* event) {
  Q_UNUSED(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), canvas_.Image());
}

}  // namespace pitchlog
