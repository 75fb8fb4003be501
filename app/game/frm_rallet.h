// The hidden bat-and-ball game. The window is not driven by the event loop: once shown it runs
// an attract loop, a start prompt and match loops of its own, each turn polling the keys,
// yielding to the event loop and sleeping a few milliseconds, until the player leaves it. Its
// four timers fire only while a loop yields or sleeps.
//
// The About box opens it with ShowRallet(); while it runs, setting keyesc to 1 ends it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QRandomGenerator>
#include <QString>
#include <QWidget>

#include "app/game/game_canvas.h"
#include "app/game/game_clock.h"
#include "app/game/high_scores.h"
#include "app/game/key_state.h"
#include "app/kit/default_instance.h"

namespace pitchlog {

// Shows the game over the About box (centred on the screen without one), modal, and returns
// when the player has left it. Errors inside are reported and end the game.
void ShowRallet(QWidget* about_box = nullptr);

class frmRallet : public QWidget, public DefaultInstance<frmRallet> {
  Q_OBJECT

 public:
  frmRallet();

  // ---- Public variables ----
  bool movingBall = false;   // the ball is in play and moves each turn
  bool missedBall = false;   // the ball has passed a bat and is leaving the field
  bool waitForServe = false;
  int waitForServeTimeout = 0;  // turns left before an automatic serve
  int credits = 0;              // coins deposited
  int numPlayers = 0;           // 0 attract mode, 1 or 2 players
  int paddles = 0;              // lives left in the one-player game
  bool endGame = false;
  int32_t p1Score = 0;
  int32_t p2Score = 0;
  int p1Center = 120;
  int p2Center = 120;
  int p1x0 = 15, p1y0 = 100, p1x1 = 15, p1y1 = 140;
  int p2x0 = 304, p2y0 = 100, p2x1 = 304, p2y1 = 140;
  int p1Bonus = 10;
  int pSpeed = 5;   // bat step per turn
  int pHitOfs = 3;  // direction row of the last bat contact
  int p1Moving = 0;
  int p2Moving = 0;
  int ballSpeed = 1;  // speed level 1..3
  int ballDir = 3;    // ±1..±6, positive = rightwards
  int infCount = 0;   // returns in a row at an unchanged height
  int demoLevel = 0;  // attract-mode stage 0..4
  int32_t slp = 10;     // sleep per turn, ms
  int32_t demoSlp = 4;  // sleep per turn in attract stages 1 and 4, ms
  int keyesc = 0;       // non-zero: leave the attract loop or the start prompt
  QString strHomeName;
  QString strAwayName;
  int intP1Offset = 0;  // how far each bat has slid forward from its back line
  int intP2Offset = 0;
  int pMove = 0;
  int intGameTimer = 0;  // match minute; -1 while a drawn match runs to the next goal
  bool blnGroupGame = false;

  // ---- Public procedures: the window ----
  void DspTitle();
  void DspTime();
  void DspScore();
  void DspCredits();
  void Message(int startLine, int numLines, bool centerX);
  void GetReady();
  void Update();
  void ClearKeys();
  void Restart();
  void StartPrompt();
  void DemoLoop();
  void DemoLevels();
  void DspInstructions();
  void MainLoop();
  void InitProperties();

  // ---- Ball and bats ----
  // 0 nothing, 1 / 2 the left / right bat returned the ball, 9 player 1 scores, 10 player 2.
  int TickBall();
  int CheckBallX(int X, int Y);
  int CheckBallY(int X, int Y) const;
  int InverseDir(int dir) const;
  void CheckInfiniteLeft(int y);
  void CheckInfiniteRight(int y);
  void Ball(int X, int Y);
  void MoveP1(int step);
  void MoveP2(int step);
  void SlideP1(int step);
  void SlideP2(int step);
  void SetRandomBallDirStart();
  void TestForServe();

  // ---- Match ----
  void InitVariables(bool keepPlayers);
  void ScoreP1();
  void ScoreP2();
  void ScoreP1_1Player();
  void Player1Bonus();
  void DspServingStatus(int playerServing);
  void GameOver();
  void ResetAfterGoal();

  // ---- High scores ----
  bool GetHighScores();
  void SaveHighScores();
  void CheckForHighScore();
  void GetInitials(int player);
  void DspHighScores();

  // ---- Stand-ins for the platform ----
  // Non-zero while the key is down or when it was pressed since the last call for it.
  int16_t GetAsyncKeyState(int code);
  // The rest of the load: lays the window over the About box, shows it, runs the attract loop
  // until the player leaves, and unloads the window.
  void Play(QWidget* about_box);

  // ---- What other windows and tests read ----
  const rallet::HighScoreTables& HighScores() const { return tables_; }
  const QString& MessageLine(int index) const { return msgLines.at(static_cast<size_t>(index)); }
  const QString& Initials() const { return strInitials; }
  // The field as drawn, and whether the kick-off wait is still to end.
  const QImage& Field() const { return canvas_.Image(); }
  bool ServePending() const { return tmrServe.Enabled(); }
  const std::string& MatchGameID() const { return strMatchGameID; }
  bool Quitting() const { return blnQuit; }
  bool EntryActive() const { return blnEntryActive; }
  int BallX() const { return ballX; }
  int BallY() const { return ballY; }
  void SetBallPosition(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  friend class DefaultInstance<frmRallet>;
  friend void ShowRallet(QWidget* about_box);

  struct CreditLine {
    QString text;
    int x = 0;
  };
  // The credit roll of attract stage 1.
  struct Roll {
    int countdown = 2;
    int y = 40;
    int frame = 0;
    int line = 0;
  };

  void Form_Load();
  void Form_LostFocus();
  void Form_KeyDown(int KeyCode);
  void tmrCredit_Timer();
  void tmrGetReady_Timer();
  void tmrServe_Timer();
  void tmrGameOver_Timer();

  // Yield: the event loop runs once and due timers fire.
  void DoEvents();
  void Sleep(int ms);
  void FireTimers();
  void StartTimer(GameTimer& timer, int interval_ms);
  void StopTimer(GameTimer& timer);

  // One turn of the match loop.
  void MatchTurn();
  // The ball's part of a match turn, with the computer's bat of the one-player game.
  void BallTurn();
  void ChaseWithLeftBat(int target);
  void ChaseWithRightBat(int target);
  // A whole random number 0..limit, negated with probability one half.
  int RandomOffset(int limit);
  int CentredX(const QString& text) const;
  void PrintCentred(double y, const QString& text, const QColor& colour);
  // Waits up to `turns` turns; true when Esc ended the wait.
  bool WaitTurns(int turns);

  // The tournament game that a two-player match plays in results mode; "" otherwise.
  std::string SelectedMatchGame() const;
  bool InResultsMode() const { return !strMatchGameID.empty(); }
  void RecordMatchGoal(bool home_scored);
  // Asked once, before the match writes anything, when it would replace a stored result or
  // remove knock-out results. False when the user keeps them.
  bool MayPlayAsResult();
  void SelectNextScheduleGame() const;
  QString HighScoreFilePath() const;

  // ---- Private state ----
  int ballX = 80;
  int ballY = 120;
  std::string strMatchGameID;
  std::array<CreditLine, 9> creditLines;  // entries 1..8
  std::array<QString, 11> msgLines;
  rallet::HighScoreTables tables_;  // hiScoresOne and hiScoresTwo
  QString strInitials;
  bool blnEntryActive = false;
  int intLastKey = 0;
  bool blnQuit = false;

  int compOffset = 0;      // where the computer's bat aims, around its centre
  int leftReturnHeight = 0;   // the heights of each bat's last return
  int rightReturnHeight = 0;
  int matchTicks = 0;      // turns of the current speed block
  int speedBlocks = 0;
  int64_t deciderStart = 0;  // when the decider began, on the game clock
  Roll roll;
  int demoCounter = 0;
  QColor foreColor = kGameCyan;
  QString shownCredits;  // texts on the field now, for erasing them
  QString shownClock;
  QString shownHome;
  QString shownAway;
  double shownAwayX = 0;

  GameCanvas canvas_;
  KeyState keys_;
  GameClock clock_;
  QRandomGenerator random_;
  GameTimer tmrCredit;
  GameTimer tmrGetReady;
  GameTimer tmrServe;
  GameTimer tmrGameOver;
  bool firing_ = false;
  bool running_ = false;
  bool delete_requested_ = false;
  bool was_active_ = false;
  bool asking_ = false;  // a question's box has the keyboard; the game goes on after it
};

}  // namespace pitchlog
