// The Knock-out view: the bracket of the sixteen knock-out games, each a small panel with its
// number, the two sides or their placeholders, the scores and the shoot-out goals.
#pragma once

#include <array>
#include <span>
#include <string>

#include <QObject>

class QFrame;
class QLabel;
class QPushButton;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

inline constexpr int kKnockoutGames = 16;

class KnockoutView : public QObject {
 public:
  // Builds the sixteen game panels into ko_frame.
  explicit KnockoutView(QFrame* ko_frame);

  // ko_game_ids: the game ids of index 0..15.
  void LoadKO(kelvane::IPitchlog& engine, std::span<const std::string> ko_game_ids);

  // Control arrays, indexed by the knock-out index (game number minus 49).
  std::array<QFrame*, kKnockoutGames> KOGame{};
  std::array<QPushButton*, kKnockoutGames> cmdKOGameNo{};
  std::array<QLabel*, kKnockoutGames> lblKOHomeTeam{};
  std::array<QLabel*, kKnockoutGames> lblKOAwayTeam{};
  std::array<QLabel*, kKnockoutGames> lblKOHomeScore{};
  std::array<QLabel*, kKnockoutGames> lblKOAwayScore{};
  std::array<QLabel*, kKnockoutGames> lblKOHomePenalties{};
  std::array<QLabel*, kKnockoutGames> lblKOAwayPenalties{};
};

}  // namespace pitchlog
