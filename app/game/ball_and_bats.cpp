#include "app/game/ball_and_bats.h"

#include <cstdlib>

namespace pitchlog::rallet {

Step DirStep(int row, int speed) {
  switch (row) {
    case 1: return {speed + 2, -(speed + 2)};
    case 2: return {speed + 3, -(speed + 1)};
    case 3: return {speed + 4, -speed};
    case 4: return {speed + 4, speed};
    case 5: return {speed + 3, speed + 1};
    default: return {speed + 2, speed + 2};
  }
}

Step BallStep(int ball_dir, int speed) {
  Step step = DirStep(std::abs(ball_dir), speed);
  step.dx *= Sign(ball_dir);
  return step;
}

int Sign(int v) { return (v > 0) - (v < 0); }

int InverseDir(int dir) { return (7 - std::abs(dir)) * Sign(dir); }

int CheckBallY(int y) {
  if (y - kBallRadius < kCourtTop) return 3;
  if (y + kBallRadius > kCourtBottom) return 4;
  return 0;
}

int HitZone(int y, int centre) {
  if (y > centre + 16) return 6;
  if (y > centre + 8) return 5;
  if (y > centre) return 4;
  if (y > centre - 8) return 3;
  if (y > centre - 16) return 2;
  return 1;
}

bool MeetsBat(int y, int y0, int y1) { return y >= y0 - kBatReach && y <= y1 + kBatReach; }

BatSpan BatAt(int centre) { return {centre, centre - kBatHalf, centre + kBatHalf}; }

BatSpan MoveBat(BatSpan bat, int step) {
  bat.centre += step;
  bat.y0 += step;
  bat.y1 += step;
  if (bat.y0 < kBatTop) bat = BatAt(kBatTop + kBatHalf);
  if (bat.y1 > kBatBottom) bat = BatAt(kBatBottom - kBatHalf);
  return bat;
}

int SlideOffset(int offset, int forward) {
  const int moved = offset + forward;
  if (moved < 0) return 0;
  if (moved > kMaxSlide) return kMaxSlide;
  return moved;
}

int CheckInfinite(int& count, int& remembered_height, int y, int hit_row) {
  if (y == remembered_height) {
    if (++count >= 7) {
      hit_row += hit_row < 4 ? 1 : -1;
      count = 0;
    }
  } else {
    count = 0;
  }
  remembered_height = y;
  return hit_row;
}

int ChaseStep(int ball_y, int target, int speed) {
  if (ball_y < target - speed) return -speed;
  if (ball_y > target + speed) return speed;
  return 0;
}

}  // namespace pitchlog::rallet
