// The game's own loops: the attract loop with its stages, the start prompt and the match loop.
#include <array>

#include "app/game/ball_and_bats.h"
#include "app/game/frm_rallet.h"

namespace pitchlog {
namespace {

// The keys that ClearKeys forgets: Esc, A, Z, 186, Up, Down, Q, 1 and 2.
constexpr std::array<int, 9> pollKeys{vk::Escape, vk::A, vk::Z, vk::Oem1, vk::Up, vk::Down, vk::Q, vk::Key1, vk::Key2};

constexpr int kTurnsPerBlock = 200;
constexpr int kBlocksBeforeSpeedUp = 10;
constexpr int kTopSpeed = 3;
constexpr int kRollLines = 20;
constexpr int kRollFrames = 15;

}  // namespace

void frmRallet::ClearKeys() {
  for (const int key : pollKeys) GetAsyncKeyState(key);
  DoEvents();
}

int frmRallet::RandomOffset(int limit) {
  const int offset = static_cast<int>(random_.bounded(limit + 1));
  return random_.bounded(2) ? -offset : offset;
}

bool frmRallet::WaitTurns(int turns) {
  for (int turn = 0; turn < turns; ++turn) {
    DoEvents();
    Sleep(slp);
    if (GetAsyncKeyState(vk::Escape) != 0) return true;
  }
  return false;
}

void frmRallet::ChaseWithLeftBat(int target) {
  if (const int step = rallet::ChaseStep(ballY, target, pSpeed)) MoveP1(step);
}

void frmRallet::ChaseWithRightBat(int target) {
  if (const int step = rallet::ChaseStep(ballY, target, pSpeed)) MoveP2(step);
}

void frmRallet::DemoLoop() {
  for (;;) {
    ClearKeys();
    numPlayers = 0;
    demoLevel = 0;
    compOffset = RandomOffset(19);
    keyesc = 0;
    int last_dir = ballDir;
    for (;;) {
      if (keyesc != 0) {
        blnQuit = true;
        return;
      }
      if (credits > 0) break;
      DemoLevels();
      if (blnQuit) return;
      const int event = TickBall();
      if (event == 9) ScoreP1();
      if (event == 10) ScoreP2();
      if (blnQuit) return;
      if (ballDir != last_dir) {
        compOffset = RandomOffset(19);
        last_dir = ballDir;
      }
      if (ballDir >= 0)
        ChaseWithRightBat(compOffset + p2Center);
      else
        ChaseWithLeftBat(compOffset + p1Center);
      DoEvents();
      Sleep(demoLevel == 1 || demoLevel == 4 ? demoSlp : slp);
      if (keyesc != 0) {
        blnQuit = true;
        return;
      }
      keyesc = GetAsyncKeyState(vk::Escape);
    }
    if (keyesc != 0) {
      blnQuit = true;
      return;
    }
    StartPrompt();
    if (blnQuit) return;
  }
}

void frmRallet::DemoLevels() {
  switch (demoLevel) {
    case 0:
      demoLevel = 1;
      InitVariables(false);
      canvas_.Cls();
      Update();
      roll = Roll{};
      break;
    case 1:
      if (roll.line < kRollLines && --roll.countdown < 1) {
        roll.countdown = 2;
        canvas_.Cls();
        Update();
        canvas_.CurrentY = roll.y;
        // Indexes outside the eight lines print as empty lines, so the roll scrolls off the top.
        for (int k = roll.line - 10; k <= roll.line; ++k) {
          const bool shown = k >= 1 && k <= 8;
          canvas_.CurrentX = shown ? creditLines[static_cast<size_t>(k)].x : 0;
          canvas_.Print(shown ? creditLines[static_cast<size_t>(k)].text : QString(), foreColor);
        }
        --roll.y;
        if (++roll.frame > kRollFrames) {
          ++roll.line;
          roll.y = Roll{}.y;
          roll.frame = 0;
        }
      }
      if (roll.line >= kRollLines) demoLevel = 2;
      break;
    case 2:
      InitVariables(false);
      canvas_.Cls();
      Update();
      DspInstructions();
      if (blnQuit) return;
      demoLevel = 3;
      demoCounter = 0;
      InitVariables(false);
      canvas_.Cls();
      Update();
      break;
    case 3:
      if (++demoCounter > 250) {
        demoLevel = 4;
        demoCounter = 0;
      }
      break;
    case 4:
      DspHighScores();
      if (++demoCounter > 1000) {
        demoLevel = 1;
        roll = Roll{};
      }
      break;
    default:
      break;
  }
}

void frmRallet::DspInstructions() {
  PrintCentred(48, QStringLiteral("Press Q to deposit virtual coin for credit"), foreColor);
  canvas_.PrintAt(60, 96, strHomeName, foreColor);
  canvas_.PrintAt(186, 96, strAwayName, foreColor);
  static constexpr std::array<std::pair<const char*, const char*>, 4> kKeys{{
      {"A - Up", "Up Arrow"},
      {"Z - Down", "Down Arrow"},
      {"X - Back", "Right Arrow"},
      {"C - Forward", "Left Arrow"},
  }};
  const double line_height = canvas_.TextHeight(QStringLiteral("H"));
  double y = 96;
  for (const auto& [left, right] : kKeys) {
    y += line_height;
    canvas_.PrintAt(60, y, QLatin1String(left), foreColor);
    canvas_.PrintAt(183, y, QLatin1String(right), foreColor);
  }
  for (int turn = 0; turn < 500; ++turn) {
    DoEvents();
    Sleep(slp);
    if (GetAsyncKeyState(vk::Escape) != 0) {
      blnQuit = true;
      return;
    }
    if (credits != 0) return;
  }
}

void frmRallet::StartPrompt() {
  InitVariables(false);
  keyesc = 0;
  bool started = false;
  while (keyesc == 0 && !started) {
    canvas_.Cls();
    Update();
    if (credits == 1) {
      msgLines[6] = QStringLiteral("Press 1 for 1 Player Game");
      msgLines[7] = QString();
      msgLines[8] = QStringLiteral("Deposit Another Coin For");
      msgLines[9] = QStringLiteral("2 Player Game");
      Message(6, 4, true);
    } else {
      msgLines[6] = QStringLiteral("Press 1 for 1 Player Game");
      msgLines[7] = QString();
      msgLines[8] = QStringLiteral("Press 2 for 2 Player Game");
      Message(6, 3, true);
    }
    DoEvents();
    Sleep(slp);
    keyesc = GetAsyncKeyState(vk::Escape);
    // Both keys are read every turn, so a 2 pressed with one credit is forgotten.
    const bool one = GetAsyncKeyState(vk::Key1) != 0;
    const bool two = GetAsyncKeyState(vk::Key2) != 0;
    if (one) {
      started = true;
      --credits;
      numPlayers = 1;
      Restart();
    } else if (two && credits >= 2) {
      started = true;
      credits -= 2;
      numPlayers = 2;
      Restart();
    }
    if (started && blnQuit) return;
  }
  if (!started) blnQuit = true;
}

void frmRallet::Restart() {
  InitVariables(false);
  GetReady();
  MainLoop();
}

void frmRallet::MainLoop() {
  ClearKeys();
  matchTicks = 0;
  speedBlocks = 0;
  ballSpeed = 1;
  pSpeed = 5;
  pMove = 1;
  if (numPlayers == 1) compOffset = RandomOffset(24);
  bool escaped = false;
  while (!endGame) {
    if (GetAsyncKeyState(vk::Escape) != 0) {
      escaped = true;
      break;
    }
    MatchTurn();
  }
  // The attract loop reads Esc as "leave the game": a key still held from leaving the match
  // must not close the window as well.
  while (escaped && !blnQuit && keys_.IsDown(vk::Escape)) {
    DoEvents();
    Sleep(slp);
  }
  ballSpeed = 1;
  pSpeed = 5;
  DoEvents();
  if (endGame) GameOver();
}

void frmRallet::MatchTurn() {
  // Every key is read every turn; two keys held together both act.
  const bool up1 = GetAsyncKeyState(vk::A) != 0;
  const bool down1 = (GetAsyncKeyState(vk::Z) | GetAsyncKeyState(vk::Oem1)) != 0;
  const bool back1 = GetAsyncKeyState(vk::X) != 0;
  const bool forward1 = GetAsyncKeyState(vk::C) != 0;
  if (up1) MoveP1(-pSpeed);
  if (down1) MoveP1(pSpeed);
  if (back1) SlideP1(-pSpeed);
  if (forward1) SlideP1(pSpeed);
  if (numPlayers == 2) {
    if (GetAsyncKeyState(vk::Up) != 0) MoveP2(-pSpeed);
    if (GetAsyncKeyState(vk::Down) != 0) MoveP2(pSpeed);
    if (GetAsyncKeyState(vk::Left) != 0) SlideP2(-pSpeed);
    if (GetAsyncKeyState(vk::Right) != 0) SlideP2(pSpeed);
  }
  if (movingBall) {
    BallTurn();
  } else {
    DoEvents();
    if (waitForServe) TestForServe();
  }
  QWidget::update();
  if (matchTicks == kTurnsPerBlock) {
    DoEvents();
    matchTicks = 0;
    if (++speedBlocks > kBlocksBeforeSpeedUp) {
      if (ballSpeed < kTopSpeed) {
        ++ballSpeed;
        ++pSpeed;
      }
      speedBlocks = 0;
    }
  }
  Sleep(slp);
  ++matchTicks;
}

void frmRallet::BallTurn() {
  const int event = TickBall();
  if (event == 9) ScoreP1();
  if (event == 10) ScoreP2();
  if (event == 9 || event == 10) {
    ballSpeed = 1;
    pSpeed = 5;
    speedBlocks = 0;
  }
  if (numPlayers == 1 && ballDir >= 1) {
    if (event == 1) {
      ScoreP1_1Player();
      compOffset = RandomOffset(pHitOfs == 1 || pHitOfs == 6 ? 24 : 21);
    }
    // The computer never slides its bat.
    ChaseWithRightBat(compOffset + p2Center);
  }
}

}  // namespace pitchlog
