// How the game spends its time. Its loops sleep a few milliseconds a turn and its timers fire
// only while a loop yields. The program runs on the real clock; tests run the very same loops on
// a virtual clock that each sleep advances at once, and look at or steer every turn.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QElapsedTimer>
#include <QString>

namespace pitchlog {

struct GamePace {
  bool virtual_time = false;
  // Called once a turn, after the turn's sleep.
  std::function<void()> each_turn;
  // A fixed seed for the random numbers; the clock seeds them otherwise.
  std::optional<uint32_t> seed;
};

// The pace that the next game window takes; tests set it before they open the game.
GamePace& Pace();

class GameClock {
 public:
  GameClock();
  // Milliseconds since the clock was made.
  int64_t Now() const;
  // Real time: a wait that keeps events flowing. Virtual time: the clock moves on at once.
  void Sleep(int ms);

 private:
  bool virtual_;
  int64_t virtual_now_ = 0;
  QElapsedTimer real_;
};

// A timer of the window, ticked by its loops rather than by the event loop.
class GameTimer {
 public:
  GameTimer(const char* name, int interval_ms, std::function<void()> tick);

  const QString& Name() const { return name_; }
  bool Enabled() const { return enabled_; }
  int Interval() const { return interval_; }
  // Switching on, or setting the interval of a running timer, starts a new interval.
  void SetEnabled(bool on, int64_t now);
  void SetInterval(int ms, int64_t now);
  // Runs the tick once when an interval has passed.
  void FireIfDue(int64_t now);

 private:
  QString name_;
  int interval_;
  std::function<void()> tick_;
  bool enabled_ = false;
  int64_t due_ = 0;
};

}  // namespace pitchlog
