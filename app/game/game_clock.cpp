#include "app/game/game_clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace pitchlog {

GamePace& Pace() {
  static GamePace pace;
  return pace;
}

GameClock::GameClock() : virtual_(Pace().virtual_time) { real_.start(); }

int64_t GameClock::Now() const { return virtual_ ? virtual_now_ : real_.elapsed(); }

void GameClock::Sleep(int ms) {
  if (ms <= 0) return;
  if (virtual_) {
    virtual_now_ += ms;
    return;
  }
  const int64_t until = real_.elapsed() + ms;
  QEventLoop wait;
  QTimer::singleShot(ms, &wait, &QEventLoop::quit);
  wait.exec();
  // An application that is quitting runs no more event loops; the wait must still take its time.
  if (const int64_t left = until - real_.elapsed(); left > 0) QThread::msleep(static_cast<unsigned long>(left));
}

GameTimer::GameTimer(const char* name, int interval_ms, std::function<void()> tick)
    : name_(QLatin1String(name)), interval_(interval_ms), tick_(std::move(tick)) {}

void GameTimer::SetEnabled(bool on, int64_t now) {
  enabled_ = on;
  if (on) due_ = now + interval_;
}

void GameTimer::SetInterval(int ms, int64_t now) {
  interval_ = ms;
  if (enabled_) due_ = now + interval_;
}

void GameTimer::FireIfDue(int64_t now) {
  if (!enabled_ || now < due_) return;
  // Intervals missed while a loop did not yield are not made up.
  due_ = now + interval_;
  tick_();
}

}  // namespace pitchlog
