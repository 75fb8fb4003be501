#include "tests/app/support/game_driver.h"

#include <QTest>

#include "app/game/frm_rallet.h"
#include "app/game/game_clock.h"
#include "app/game/rallet_module.h"

namespace app_testing {

GameDriver::GameDriver(Script script, int max_turns, uint32_t seed)
    : script_(std::move(script)), max_turns_(max_turns) {
  pitchlog::Pace() = {true, [this] { Turn(); }, seed};
}

GameDriver::~GameDriver() { pitchlog::Pace() = {}; }

void GameDriver::Play(QWidget* about_box) {
  pitchlog::ShowRallet(about_box);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GameDriver::Turn() {
  if (!pitchlog::frmRallet::IsLoaded()) return;
  pitchlog::frmRallet& game = pitchlog::frmRallet::Get();
  if (++turns_ > max_turns_) {
    ran_away_ = true;
    Tap(game, Qt::Key_Escape);
    game.keyesc = 1;
    return;
  }
  script_(game, turns_);
}

void Tap(pitchlog::frmRallet& game, int qt_key) { QTest::keyClick(&game, static_cast<Qt::Key>(qt_key)); }
void Hold(pitchlog::frmRallet& game, int qt_key) { QTest::keyPress(&game, static_cast<Qt::Key>(qt_key)); }
void Let(pitchlog::frmRallet& game, int qt_key) { QTest::keyRelease(&game, static_cast<Qt::Key>(qt_key)); }

TemporaryDataFolder::TemporaryDataFolder() { qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit()); }

QString TemporaryDataFolder::HighScoreFile() const { return pitchlog::WindowsDirectoryPath() + "Rallet.dat"; }

}  // namespace app_testing
