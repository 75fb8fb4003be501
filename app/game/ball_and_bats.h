// The rules of the ball and the bats on the 319 by 239 field, as free functions: the step of each
// direction and speed, the hit zones of a bat, bounces, and how far a bat may move or slide.
#pragma once

namespace pitchlog::rallet {

inline constexpr int kCourtTop = 30;
inline constexpr int kCourtBottom = 210;
inline constexpr int kCourtLeft = 15;
inline constexpr int kCourtRight = 304;
inline constexpr int kBallRadius = 8;
inline constexpr int kBatHalf = 20;
inline constexpr int kBatTop = 36;      // the highest a bat's top end goes
inline constexpr int kBatBottom = 204;  // the lowest a bat's bottom end goes
// How far a bat slides forward from its back line: to x = 149 on the left, 170 on the right.
inline constexpr int kMaxSlide = 134;
// A ball this far beyond a bat's end still meets it.
inline constexpr int kBatReach = 6;
// Where a returned ball is put in front of the bat's line.
inline constexpr int kReturnGap = 23;

struct Step {
  int dx;
  int dy;
};

// The step of direction row 1..6 at speed level 1..3, rightwards; rows d and 7 - d differ only
// in the sign of dy.
Step DirStep(int row, int speed);
// The step of a ball direction (±1..±6): the sign gives the horizontal sense.
Step BallStep(int ball_dir, int speed);

int Sign(int v);

// The same horizontal sense with the vertical sense reversed.
int InverseDir(int dir);

// 3 when the ball would cross the top border, 4 the bottom one, else 0.
int CheckBallY(int y);

// The direction row of a return at height y from a bat centred at c: 1 and 6 at the ends
// (steep), 3 and 4 near the middle (flat).
int HitZone(int y, int centre);

// Does a ball at height y meet a bat spanning y0..y1?
bool MeetsBat(int y, int y0, int y1);

// A bat's vertical position, kept inside kBatTop..kBatBottom.
struct BatSpan {
  int centre;
  int y0;
  int y1;
};
BatSpan MoveBat(BatSpan bat, int step);
BatSpan BatAt(int centre);

// The slide offset after a slide by `forward` units towards the middle (negative: back),
// kept inside 0..kMaxSlide.
int SlideOffset(int offset, int forward);

// The anti-stalemate rule for one bat: a return at the height of that bat's previous return adds
// to the count that both bats share, and the seventh such return turns the direction row by one.
// Remembers y for the bat and returns the row to leave with.
int CheckInfinite(int& count, int& remembered_height, int y, int hit_row);

// The bat step of a computer-driven bat chasing the ball's height y with its aim point target.
int ChaseStep(int ball_y, int target, int speed);

}  // namespace pitchlog::rallet
