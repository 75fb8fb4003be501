#include "app/shell/knockout_view.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "app/kit/report_list.h"
#include "app/kit/score_text.h"
#include "app/shell/view_colours.h"
#include "engine/pitchlog_interface.h"
#include "platform/component/error.h"

namespace pitchlog {
namespace {

constexpr int kFinal = 15;

struct Place {
  int left;
  int top;
};
// Where each game's panel stands in the bracket, by knock-out index, in twips: the Round of 16
// in the order that pairs each quarter-final with its two feeding games.
constexpr Place kGamePlaces[kKnockoutGames] = {
    {120, 240},  {120, 960},  {120, 3120}, {120, 3840}, {120, 1680}, {120, 2400}, {120, 4560}, {120, 5280},
    {2640, 600}, {2640, 2040}, {2640, 3480}, {2640, 4920}, {5160, 1320}, {5160, 4200}, {7800, 3600}, {7680, 2280},
};

struct Box {
  int left, top, width, height;
};
struct GameLayout {
  Box frame, number, home_name, away_name, home_score, away_score, home_pens, away_pens;
};
// The names stand a little apart from the game's number button.
constexpr GameLayout kOrdinary = {{0, 0, 2415, 735},    {0, 120, 375, 495},    {480, 120, 1455, 255},
                                  {480, 360, 1455, 255}, {1920, 120, 255, 255}, {1920, 360, 255, 255},
                                  {2160, 120, 255, 255}, {2160, 360, 255, 255}};
constexpr GameLayout kFinalLayout = {{0, 0, 2895, 975},    {0, 0, 375, 735},      {480, 0, 1695, 375},
                                     {480, 360, 1695, 375}, {2160, 0, 375, 375},   {2160, 360, 375, 375},
                                     {2520, 0, 375, 375},   {2520, 360, 375, 375}};

// The label widths were measured for a narrower type than most desktops have: the bracket's type
// is made small enough for the longest placeholder to fit its label.
QFont BracketFont(QFont font) {
  constexpr double kSmallest = 6.5;
  const QString longest = QStringLiteral("Runner-up Group A");
  const int room = Pixels(kOrdinary.home_name.width);
  if (font.pointSizeF() <= 0) return font;
  while (font.pointSizeF() > kSmallest && QFontMetrics(font).horizontalAdvance(longest) > room)
    font.setPointSizeF(font.pointSizeF() - 0.25);
  return font;
}

void Place(QWidget* widget, const Box& box) {
  widget->setGeometry(Pixels(box.left), Pixels(box.top), Pixels(box.width), Pixels(box.height));
}

QString IndexedName(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

QLabel* GameLabel(QFrame* game, const char* name, int index, const Box& box, Qt::Alignment align) {
  auto* label = new QLabel(game);
  label->setObjectName(IndexedName(name, index));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(align | Qt::AlignVCenter);
  Place(label, box);
  return label;
}

void SetColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

KnockoutView::KnockoutView(QFrame* ko_frame) : QObject(ko_frame) {
  const QFont font = BracketFont(ko_frame->font());
  QFont final_font = font;
  final_font.setBold(true);
  for (int i = 0; i < kKnockoutGames; ++i) {
    const GameLayout& layout = i == kFinal ? kFinalLayout : kOrdinary;
    auto* game = new QFrame(ko_frame);
    game->setObjectName(IndexedName("KOGame", i));
    game->setFrameShape(QFrame::StyledPanel);
    Place(game, {kGamePlaces[i].left, kGamePlaces[i].top, layout.frame.width, layout.frame.height});
    game->setFont(i == kFinal ? final_font : font);
    KOGame[i] = game;
    cmdKOGameNo[i] = new QPushButton(QString::number(49 + i), game);
    cmdKOGameNo[i]->setObjectName(IndexedName("cmdKOGameNo", i));
    Place(cmdKOGameNo[i], layout.number);
    lblKOHomeTeam[i] = GameLabel(game, "lblKOHomeTeam", i, layout.home_name, Qt::AlignLeft);
    lblKOAwayTeam[i] = GameLabel(game, "lblKOAwayTeam", i, layout.away_name, Qt::AlignLeft);
    lblKOHomeScore[i] = GameLabel(game, "lblKOHomeScore", i, layout.home_score, Qt::AlignRight);
    lblKOAwayScore[i] = GameLabel(game, "lblKOAwayScore", i, layout.away_score, Qt::AlignRight);
    lblKOHomePenalties[i] = GameLabel(game, "lblKOHomePenalties", i, layout.home_pens, Qt::AlignHCenter);
    lblKOAwayPenalties[i] = GameLabel(game, "lblKOAwayPenalties", i, layout.away_pens, Qt::AlignHCenter);
  }
  // The panels stand where they were drawn, so the view is never made smaller than the bracket,
  // with its left margin on the far sides too.
  const int margin = Pixels(kGamePlaces[0].left);
  ko_frame->setMinimumSize(ko_frame->childrenRect().bottomRight().x() + 1 + margin,
                           ko_frame->childrenRect().bottom() + 1 + margin);
}

void KnockoutView::LoadKO(kelvane::IPitchlog& engine, std::span<const std::string> ko_game_ids) {
  if (ko_game_ids.size() != kKnockoutGames)
    throw kelvane::Error(kelvane::ErrorKind::SubscriptOutOfRange, "the bracket has sixteen games");
  const TeamColours colours = CurrentTeamColours(engine);
  const QColor grey = PlaceholderText();
  const QColor window_text = WindowText();
  for (int i = 0; i < kKnockoutGames; ++i) {
    const std::string& game_id = ko_game_ids[static_cast<size_t>(i)];
    const kelvane::Variant game(game_id);
    cmdKOGameNo[i]->setText(QString::number(49 + i));
    const std::string home = engine.HomeTeam(game);
    const std::string away = engine.AwayTeam(game);
    const auto figures = [&](const std::string& team) {
      return SideFigures{engine.Results(game_id, "f", team), engine.Results(game_id, "etf", team),
                         engine.Results(game_id, "penscoredf", team)};
    };
    const SideFigures home_figures = figures(home);
    const SideFigures away_figures = figures(away);
    const ScoreTexts score = GameScores(home_figures, away_figures, engine.ExtraTime(game_id));
    struct Side {
      const std::string& team;
      const std::string name;
      const QString& score;
      const SideFigures& figures;
      QLabel* name_label;
      QLabel* score_label;
      QLabel* pens_label;
    };
    const Side sides[] = {
        {home, engine.HomeTeamName(game), score.home, home_figures, lblKOHomeTeam[i], lblKOHomeScore[i],
         lblKOHomePenalties[i]},
        {away, engine.AwayTeamName(game), score.away, away_figures, lblKOAwayTeam[i], lblKOAwayScore[i],
         lblKOAwayPenalties[i]},
    };
    for (const Side& side : sides) {
      side.name_label->setText(BracketName(side.name));
      side.score_label->setText(side.score);
      side.pens_label->setText(QString::fromStdString(side.figures.pens.ToString()));
      // An undecided slot is a placeholder, paler but readable; the user's teams stand out in their colours.
      const QColor name_colour = side.team.starts_with('_') ? grey : window_text;
      SetColour(side.name_label, TeamColour(side.team, colours, name_colour));
      const QColor figures_colour = TeamColour(side.team, colours, QColor(Qt::black));
      SetColour(side.score_label, figures_colour);
      SetColour(side.pens_label, figures_colour);
    }
  }
}

}  // namespace pitchlog
