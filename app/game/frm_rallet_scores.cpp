// The high-score tables on the window: read at load, a new entry with its initials after a
// match, shown in attract mode, and written to their file after each new entry.
#include "app/game/frm_rallet.h"
#include "app/game/rallet_module.h"

namespace pitchlog {

using namespace rallet;

namespace {

constexpr int kIdleTurns = 6000;
constexpr int kShowTurns = 400;
constexpr int kInitialsY = 135;
constexpr int kCursorY = 155;
constexpr int kEnterX = 180;
const QString kEnter = QStringLiteral("[Enter]");

int InitialX(int count) { return count * 15 + 135; }

}  // namespace

QString frmRallet::HighScoreFilePath() const {
  const QString folder = WindowsDirectoryPath();
  return folder.isEmpty() ? QString() : folder + QLatin1String(kHighScoreFileName);
}

bool frmRallet::GetHighScores() {
  const std::optional<HighScoreTables> read = ReadHighScoreFile(HighScoreFilePath());
  if (!read) return false;
  tables_ = *read;
  return true;
}

// A file that can't be written keeps the scores of this run only.
void frmRallet::SaveHighScores() { WriteHighScoreFile(HighScoreFilePath(), tables_); }

void frmRallet::CheckForHighScore() {
  strInitials.clear();
  bool entered = false;
  // Initials abandoned for one entry are asked again for the next entry the score beats.
  if (numPlayers == 1) {
    for (int place = OnePlayerPlace(tables_, p1Score); place >= 0 && !entered;
         place = OnePlayerPlace(tables_, p1Score, place + 1)) {
      GetInitials(1);
      if (blnQuit) return;
      if (!strInitials.isEmpty()) {
        InsertOnePlayer(tables_, place, strInitials, p1Score);
        entered = true;
      }
    }
  } else if (numPlayers == 2) {
    // A drawn match counts for player 2.
    const int winner = p1Score > p2Score ? 1 : 2;
    const int winner_score = winner == 1 ? p1Score : p2Score;
    const int loser_score = winner == 1 ? p2Score : p1Score;
    for (int place = TwoPlayerPlace(tables_, winner_score); place >= 0 && !entered;
         place = TwoPlayerPlace(tables_, winner_score, place + 1)) {
      GetInitials(winner);
      if (blnQuit) return;
      if (!strInitials.isEmpty()) {
        InsertTwoPlayer(tables_, place, strInitials, winner_score, loser_score);
        entered = true;
      }
    }
  }
  if (!entered) return;
  canvas_.Cls();
  Update();
  DspHighScores();
  SaveHighScores();
  if (WaitTurns(kShowTurns)) blnQuit = true;
}

void frmRallet::GetInitials(int player) {
  const int32_t p1 = p1Score;
  const int32_t p2 = p2Score;
  InitVariables(true);
  p1Score = p1;
  p2Score = p2;
  paddles = 0;
  canvas_.Cls();  // nothing of the match's last screen stays under the question
  Update();
  msgLines[3] = QStringLiteral("High Score !");
  msgLines[4] = QString();
  msgLines[5] = (player == 1 ? strHomeName : strAwayName) + QStringLiteral(" Enter Your Initials");
  Message(3, 3, true);
  ClearKeys();

  strInitials.clear();
  intLastKey = 0;
  int count = 0;
  bool done = false;
  int idle = 0;
  blnEntryActive = true;  // the key-down event records keys; the coin key is refused
  for (;;) {
    if (done) break;
    if (idle >= kIdleTurns) {
      strInitials.clear();
      break;
    }
    ++idle;
    // Each key press counts once.
    int key = intLastKey;
    intLastKey = 0;
    if (key != 0) idle = 0;
    if ((key == vk::Back || key == vk::Left) && count > 0) {
      --count;
      canvas_.PrintAt(InitialX(count), kInitialsY, strInitials.right(1), kGameBlack);
      canvas_.PrintAt(kEnterX, kInitialsY, kEnter, kGameBlack);
      strInitials.chop(1);
      key = 0;
    }
    const int x = InitialX(count);
    canvas_.Line(135, kCursorY, 200, kCursorY, kGameBlack);
    canvas_.Line(x, kCursorY, x + 10, kCursorY, kGameCyan);
    if (key == vk::Right) key = vk::Space;
    if (count == kInitialsLength) {
      canvas_.PrintAt(kEnterX, kInitialsY, kEnter, kGameCyan);
      if (key == vk::Return) done = true;
    } else if (key >= 32 && key <= 96) {
      const QString typed(QChar(static_cast<char16_t>(key)));
      strInitials += typed;
      canvas_.PrintAt(x, kInitialsY, typed, kGameCyan);
      ++count;
    }
    DoEvents();
    Sleep(slp);
    if (GetAsyncKeyState(vk::Escape) != 0) {
      blnQuit = true;
      break;
    }
  }
  blnEntryActive = false;
}

void frmRallet::DspHighScores() {
  PrintCentred(48, QStringLiteral("High Scores"), foreColor);
  canvas_.PrintAt(24, 80, QStringLiteral("One Player Game"), foreColor);
  canvas_.PrintAt(172, 80, QStringLiteral("Two Player Game"), foreColor);
  const double line_height = canvas_.TextHeight(QStringLiteral("H"));
  for (int k = 0; k < kHighScoreEntries; ++k) {
    const double y = 80 + (k + 1) * line_height;
    const OnePlayerScore& one = tables_.hiScoresOne[static_cast<size_t>(k)];
    const TwoPlayerScore& two = tables_.hiScoresTwo[static_cast<size_t>(k)];
    canvas_.PrintAt(40, y, one.initials, foreColor);
    canvas_.PrintAt(88, y, QString::number(one.score), foreColor);
    canvas_.PrintAt(186, y, two.initials, foreColor);
    canvas_.PrintAt(232, y, QStringLiteral("%1/%2").arg(two.winner).arg(two.loser), foreColor);
  }
}

}  // namespace pitchlog
