// A match on the window: its start, goals and serves, the clock and the score line, the end, and
// results mode, which writes a two-player match into the tournament game selected in the main
// window's schedule.
#include <QAction>
#include <QGroupBox>
#include <QTabBar>

#include "app/game/ball_and_bats.h"
#include "app/game/frm_rallet.h"
#include "app/game/match_results.h"
#include "app/game/match_rules.h"
#include "app/game/rallet_module.h"
#include "app/game/results_question.h"
#include "app/kit/main_window_link.h"
#include "app/kit/msg_box.h"
#include "app/kit/program.h"

namespace pitchlog {

using namespace rallet;

namespace {

constexpr int kCentre = 120;
constexpr int kLives = 3;
constexpr int kFirstBonus = 10;
constexpr int kBonusRise = 5;
constexpr int kBonusTurns = 200;
constexpr int kGameOverTurns = 300;

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

void frmRallet::InitVariables(bool keepPlayers) {
  movingBall = false;
  missedBall = false;
  waitForServe = false;
  ballSpeed = 1;
  SetRandomBallDirStart();
  const BatSpan centred = BatAt(kCentre);
  p1Center = p2Center = centred.centre;
  p1y0 = p2y0 = centred.y0;
  p1y1 = p2y1 = centred.y1;
  p1x0 = p1x1 = kCourtLeft + intP1Offset;
  p2x0 = p2x1 = kCourtRight - intP2Offset;
  endGame = false;
  infCount = 0;
  blnEntryActive = false;
  p1Score = 0;
  p2Score = 0;
  p1Bonus = kFirstBonus;
  paddles = kLives;
  pSpeed = 5;
  if (keepPlayers) return;

  strMatchGameID = SelectedMatchGame();
  // Kept results win: the match is then played without writing any.
  if (!strMatchGameID.empty() && !MayPlayAsResult()) strMatchGameID.clear();
  blnGroupGame = false;
  if (strMatchGameID.empty()) {
    strHomeName = QStringLiteral("Player 1");
    strAwayName = QStringLiteral("Player 2");
  } else {
    kelvane::IPitchlog& engine = *gobjKelvane;
    const kelvane::Variant game(strMatchGameID);
    blnGroupGame = IsGroupGameID(strMatchGameID);
    strHomeName = ShortTeamName(ToQ(engine.HomeTeamName(game)));
    strAwayName = ShortTeamName(ToQ(engine.AwayTeamName(game)));
    StartResult(engine, {strMatchGameID, blnGroupGame});
    ResetAfterGoal();
  }
  intGameTimer = 0;
}

// Results mode needs the engine, a result set named for it, a two-player game and a game of the
// schedule whose two teams are known.
std::string frmRallet::SelectedMatchGame() const {
  const MainWindowLink* main = LoadedMainWindow();
  if (numPlayers != 2 || !gobjKelvane || !main) return {};
  kelvane::IPitchlog& engine = *gobjKelvane;
  if (!IsResultsModeSet(engine.ResultsSet())) return {};
  const std::string id = main->ScheduleSelection();
  if (id.empty()) return {};
  const kelvane::Variant game(id);
  const std::string home = engine.HomeTeam(game);
  const std::string away = engine.AwayTeam(game);
  if (home.empty() || away.empty() || home[0] == '_' || away[0] == '_') return {};
  return id;
}

bool frmRallet::MayPlayAsResult() {
  const QString question = ReplaceQuestion(*gobjKelvane, {strMatchGameID, IsGroupGameID(strMatchGameID)});
  if (question.isEmpty()) return true;
  // The box takes the keyboard for a while; that is no leaving the game.
  struct Asking {
    frmRallet* game;
    ~Asking() {
      game->asking_ = false;
      game->activateWindow();
    }
  } asking{this};
  asking_ = true;
  return MsgBox(question, msgbox::YesNo | msgbox::Exclamation | msgbox::DefaultButton2) == msgbox::Yes;
}

void frmRallet::RecordMatchGoal(bool home_scored) {
  const bool decider = intGameTimer == kDecider;
  const int minute = decider ? DeciderMinute(clock_.Now() - deciderStart) : intGameTimer;
  RecordGoal(*gobjKelvane, {strMatchGameID, blnGroupGame}, home_scored, p1Score, p2Score, minute, decider);
  ResetAfterGoal();
}

void frmRallet::ScoreP1() {
  movingBall = false;
  missedBall = false;
  if (numPlayers != 2) {
    Player1Bonus();
  } else {
    ++p1Score;
    if (InResultsMode()) RecordMatchGoal(true);
  }
  if (numPlayers == 2 && (intGameTimer > kFullTime || intGameTimer == kDecider)) {
    endGame = true;
    return;
  }
  ballX = kCourtRight - intP2Offset - kBallRadius;
  DspServingStatus(2);
}

void frmRallet::ScoreP2() {
  movingBall = false;
  missedBall = false;
  ++p2Score;
  if (InResultsMode()) RecordMatchGoal(false);
  if (numPlayers != 2) {
    if (--paddles < 1) {
      endGame = true;
      return;
    }
  } else if (intGameTimer > kFullTime || intGameTimer == kDecider) {
    endGame = true;
    return;
  }
  ballX = kCourtLeft + intP1Offset + kBallRadius;
  DspServingStatus(1);
}

void frmRallet::ScoreP1_1Player() {
  ++p1Score;
  DspScore();
}

void frmRallet::Player1Bonus() {
  Update();
  PlayGameSound(QStringLiteral("SNDBONUS"));
  msgLines[7] = QStringLiteral("BONUS %1 POINTS").arg(p1Bonus);
  // Shown for six turns, hidden for three.
  for (int turn = 0; turn < kBonusTurns; ++turn) {
    foreColor = turn % 9 < 6 ? kGameCyan : kGameBlack;
    Message(7, 1, true);
    DoEvents();
    Sleep(slp);
    if (GetAsyncKeyState(vk::Escape) != 0) {
      foreColor = kGameCyan;
      endGame = true;
      blnQuit = true;
      return;
    }
  }
  foreColor = kGameCyan;
  p1Score += p1Bonus;
  p1Bonus += kBonusRise;
}

void frmRallet::DspServingStatus(int playerServing) {
  const std::array<QString, 3> lines =
      KickOffLines(playerServing, strHomeName, strAwayName, numPlayers == 2, p1Score, p2Score);
  for (size_t i = 0; i < lines.size(); ++i) msgLines[6 + i] = lines[i];
  canvas_.Cls();
  Update();
  Message(6, 3, true);
  StartTimer(tmrServe, kKickOffPauseMs);
}

void frmRallet::DspScore() {
  canvas_.PrintAt(5, 5, shownHome, kGameBlack);
  shownHome = strHomeName + QLatin1Char(' ') + TwoDigits(ShownScore(p1Score));
  canvas_.PrintAt(5, 5, shownHome, kGameCyan);
  if (numPlayers == 2) {
    canvas_.PrintAt(shownAwayX, 5, shownAway, kGameBlack);
    shownAwayX = 295 - canvas_.TextWidth(strAwayName);
    shownAway = strAwayName + QLatin1Char(' ') + TwoDigits(ShownScore(p2Score));
    canvas_.PrintAt(shownAwayX, 5, shownAway, kGameCyan);
  } else {
    for (int i = 0; i < paddles; ++i) canvas_.FilledBox(15 + 8 * i, 220, 17 + 8 * i, 230, kGameCyan);
  }
}

void frmRallet::DspTime() {
  PrintCentred(5, shownClock, kGameBlack);
  shownClock = ClockText(intGameTimer);
  PrintCentred(5, shownClock, kGameCyan);
}

void frmRallet::tmrGameOver_Timer() {
  if (numPlayers != 2 || intGameTimer == kDecider) return;
  const ClockTick tick = TickClock(intGameTimer, p1Score == p2Score, blnGroupGame);
  intGameTimer = tick.minute;
  if (tick.stop_clock) {
    StopTimer(tmrGameOver);
    deciderStart = clock_.Now();
  }
  if (tick.end_game) endGame = true;
  DspTime();
}

void frmRallet::GameOver() {
  if (blnQuit) return;
  if (InResultsMode()) {
    EndResult(*gobjKelvane, {strMatchGameID, blnGroupGame});
    ResetAfterGoal();
  }
  // The end screen starts on a clear field, and no timer of the match may draw over it.
  for (GameTimer* timer : {&tmrGetReady, &tmrServe, &tmrGameOver}) StopTimer(*timer);
  canvas_.Cls();
  Update();
  if (numPlayers == 2) {
    SlideP1(-400);
    SlideP2(400);
  }
  DspScore();
  if (numPlayers == 1) {
    msgLines[7] = QStringLiteral("Game Over");
    Message(7, 1, true);
  } else {
    StopTimer(tmrGameOver);
    PrintCentred(5, shownClock, kGameBlack);
    const std::array<QString, 3> lines = FinalLines(strHomeName, strAwayName, p1Score, p2Score);
    for (size_t i = 0; i < lines.size(); ++i) msgLines[6 + i] = lines[i];
    Message(6, 3, true);
  }
  if (WaitTurns(kGameOverTurns)) {
    blnQuit = true;
    return;
  }
  endGame = false;
  CheckForHighScore();
  SelectNextScheduleGame();
  if (!blnQuit) numPlayers = 0;
}

// After every match the schedule moves on to the next game, so that the next match in results
// mode plays it; the heading rows between stages are passed over.
void frmRallet::SelectNextScheduleGame() const {
  if (MainWindowLink* main = LoadedMainWindow()) main->SelectNextScheduleGame();
}

void frmRallet::ResetAfterGoal() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const kelvane::Variant game(strMatchGameID);
  if (blnGroupGame) engine.CalcGroupTable(engine.GameStage(game));
  engine.LoadStats();
  if (MainWindowLink* main = LoadedMainWindow())
    main->RedrawResults(MainWindowLink::kRedrawAll, MainWindowLink::ResultsMark::FromEngine, strMatchGameID);
}

}  // namespace pitchlog
