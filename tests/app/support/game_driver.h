// Runs the game's own loops on the virtual clock: every turn the script looks at the game and
// presses keys, and a turn limit presses Esc on a game that would run on for ever.
#pragma once

#include <cstdint>
#include <functional>

#include <QTemporaryDir>

class QWidget;

namespace pitchlog {
class frmRallet;
}

namespace app_testing {

class GameDriver {
 public:
  using Script = std::function<void(pitchlog::frmRallet& game, int turn)>;

  explicit GameDriver(Script script, int max_turns = 100000, uint32_t seed = 1);
  ~GameDriver();
  GameDriver(const GameDriver&) = delete;
  GameDriver& operator=(const GameDriver&) = delete;

  // Opens the game with ShowRallet and returns once it has closed.
  void Play(QWidget* about_box = nullptr);
  int Turns() const { return turns_; }
  bool RanAway() const { return ran_away_; }

 private:
  void Turn();

  Script script_;
  int max_turns_;
  int turns_ = 0;
  bool ran_away_ = false;
};

// Presses and releases a key on the game window.
void Tap(pitchlog::frmRallet& game, int qt_key);
void Hold(pitchlog::frmRallet& game, int qt_key);
void Let(pitchlog::frmRallet& game, int qt_key);

// Points the per-user data folder, where the high-score file lives, at a temporary folder.
class TemporaryDataFolder {
 public:
  TemporaryDataFolder();
  QString HighScoreFile() const;

 private:
  QTemporaryDir dir_;
};

}  // namespace app_testing
