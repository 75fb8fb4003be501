// The ball and the bats on the window: one ball step with its bounces, returns and misses, the
// bats' moves and slides, and the serve.
#include "app/game/ball_and_bats.h"
#include "app/game/frm_rallet.h"
#include "app/game/rallet_module.h"

namespace pitchlog {

using namespace rallet;

namespace {

constexpr int kBallErase = 8;
constexpr int kBallDot = 5;
constexpr int kBallSideDot = 3;
constexpr int kOnePlayerServeTurns = 150;
constexpr int kTwoPlayerServeTurns = 300;

}  // namespace

int frmRallet::TickBall() {
  const Step step = BallStep(ballDir, ballSpeed);
  int nx = ballX + step.dx;
  int ny = ballY + step.dy;
  int result = 0;
  switch (CheckBallX(nx, ny)) {
    case 7:
      if (numPlayers > 0) PlayGameSound(QStringLiteral("SNDMISS"));
      return 10;
    case 8:
      if (numPlayers > 1) PlayGameSound(QStringLiteral("SNDMISS"));
      return 9;
    case 1:
      if (numPlayers > 0) PlayGameSound(QStringLiteral("SNDPADDLE"));
      nx = kCourtLeft + intP1Offset + kReturnGap;
      CheckInfiniteLeft(ballY);
      ballDir = -Sign(ballDir) * pHitOfs;
      result = 1;
      break;
    case 2:
      if (numPlayers > 0) PlayGameSound(QStringLiteral("SNDPADDLE"));
      nx = kCourtRight - intP2Offset - kReturnGap;
      CheckInfiniteRight(ballY);
      ballDir = -Sign(ballDir) * pHitOfs;
      result = 2;
      break;
    default:
      break;
  }
  if (const int border = CheckBallY(nx, ny); border != 0) {
    if (numPlayers > 0) PlayGameSound(QStringLiteral("SNDBORDER"));
    ny = border == 3 ? kCourtTop + 7 : kCourtBottom - 7;
    ballDir = InverseDir(ballDir);
  }
  Ball(nx, ny);
  return result;
}

int frmRallet::CheckBallX(int X, int Y) {
  if (missedBall) {
    // The ball runs on until it is wholly outside the field.
    if (X - kBallRadius < -16) return 7;
    if (X + kBallRadius > 333) return 8;
    return 0;
  }
  int result = 0;
  const int left = kCourtLeft + intP1Offset;
  if (ballDir > 0) {
    if (X - kBallRadius >= left && X - kBallRadius <= left + 5) {
      MoveP1(0);  // the ball passed over the bat: draw it again
      if (X - kBallRadius == left) ballDir = Sign(ballDir) * HitZone(Y, p1Center);
    }
  } else if (X - kBallRadius < left) {
    if (MeetsBat(Y, p1y0, p1y1)) {
      pHitOfs = HitZone(Y, p1Center);
      result = 1;
    } else {
      result = 5;
      missedBall = true;
    }
  }
  const int right = kCourtRight - intP2Offset;
  if (ballDir < 0) {
    if (X + kBallRadius >= right - 5 && X + kBallRadius <= right) {
      MoveP2(0);
      if (X + kBallRadius == right) ballDir = Sign(ballDir) * HitZone(Y, p2Center);
    }
  } else if (X + kBallRadius > right) {
    if (MeetsBat(Y, p2y0, p2y1)) {
      pHitOfs = HitZone(Y, p2Center);
      result = 2;
    } else {
      result = 6;
      missedBall = true;
    }
  }
  return result;
}

int frmRallet::CheckBallY(int X, int Y) const {
  Q_UNUSED(X);
  return rallet::CheckBallY(Y);
}

int frmRallet::InverseDir(int dir) const { return rallet::InverseDir(dir); }

void frmRallet::CheckInfiniteLeft(int y) { pHitOfs = CheckInfinite(infCount, leftReturnHeight, y, pHitOfs); }

void frmRallet::CheckInfiniteRight(int y) { pHitOfs = CheckInfinite(infCount, rightReturnHeight, y, pHitOfs); }

void frmRallet::Ball(int X, int Y) {
  canvas_.Dot(ballX, ballY, kBallErase, kGameBlack);
  ballX = X;
  ballY = Y;
  canvas_.Dot(X, Y, kBallDot, kGameCyan);
  for (const auto& [dx, dy] : {std::pair{0, -2}, std::pair{0, 2}, std::pair{-2, 0}, std::pair{2, 0}})
    canvas_.Dot(X + dx, Y + dy, kBallSideDot, kGameCyan);
  canvas_.SetDrawWidth(5);
}

void frmRallet::SetBallPosition(int x, int y) {
  ballX = x;
  ballY = y;
}

void frmRallet::MoveP1(int step) {
  p1Moving = step;
  const BatSpan bat = MoveBat({p1Center, p1y0, p1y1}, step);
  p1Center = bat.centre;
  p1y0 = bat.y0;
  p1y1 = bat.y1;
  canvas_.Line(p1x0, kBatTop, p1x0, kBatBottom, kGameBlack);
  canvas_.Line(p1x0, p1y0, p1x1, p1y1, kGameCyan);
}

void frmRallet::MoveP2(int step) {
  p2Moving = step;
  const BatSpan bat = MoveBat({p2Center, p2y0, p2y1}, step);
  p2Center = bat.centre;
  p2y0 = bat.y0;
  p2y1 = bat.y1;
  canvas_.Line(p2x0, kBatTop, p2x0, kBatBottom, kGameBlack);
  canvas_.Line(p2x0, p2y0, p2x1, p2y1, kGameCyan);
}

void frmRallet::SlideP1(int step) {
  canvas_.Line(p1x0, kBatTop, p1x0, kBatBottom, kGameBlack);
  intP1Offset = SlideOffset(intP1Offset, step);
  p1x0 = p1x1 = kCourtLeft + intP1Offset;
  canvas_.Line(p1x0, p1y0, p1x1, p1y1, kGameCyan);
}

void frmRallet::SlideP2(int step) {
  canvas_.Line(p2x0, kBatTop, p2x0, kBatBottom, kGameBlack);
  intP2Offset = SlideOffset(intP2Offset, -step);
  p2x0 = p2x1 = kCourtRight - intP2Offset;
  canvas_.Line(p2x0, p2y0, p2x1, p2y1, kGameCyan);
}

void frmRallet::SetRandomBallDirStart() {
  const bool from_right = random_.bounded(2) != 0;
  ballX = from_right ? 240 : 80;
  ballY = 120;
  ballDir = random_.bounded(2) != 0 ? 4 : 3;
  if (from_right) ballDir = -ballDir;
}

void frmRallet::TestForServe() {
  if (ballX >= 160) {
    ballY = p2Center;
    if (p2Moving != 0) {
      ballDir = p2Moving < 0 ? -3 : -4;
      waitForServe = false;
      movingBall = true;
    }
  } else {
    ballY = p1Center;
    if (p1Moving != 0) {
      ballDir = p1Moving < 0 ? 3 : 4;
      waitForServe = false;
      movingBall = true;
    }
  }
  if (--waitForServeTimeout < 1) {
    waitForServe = false;
    movingBall = true;
    ballDir = static_cast<int>(random_.bounded(1, 7));
    if (ballX >= 161) ballDir = -ballDir;
  }
}

void frmRallet::tmrServe_Timer() {
  StopTimer(tmrServe);
  canvas_.Cls();
  Update();
  waitForServe = true;
  waitForServeTimeout = numPlayers == 1 ? kOnePlayerServeTurns : kTwoPlayerServeTurns;
  p1Moving = 0;
  p2Moving = 0;
}

}  // namespace pitchlog
