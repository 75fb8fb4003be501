#include "app/entry/frm_ko_game_facts.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "app/entry/frm_ko_score.h"
#include "app/kit/main_window_link.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/kit/score_text.h"
#include "app/kit/shell_helpers.h"

namespace pitchlog {

namespace {

// Pixels at design.
constexpr int kWidth = 560;
constexpr int kFactsHeight = 250;
constexpr int kScoreTop = 8 + kFactsHeight + 8;
constexpr int kScoreHeight = 230;
constexpr int kDesignHeight = kScoreTop + kScoreHeight + 8;
// A side's scorer text longer than this goes to the tall box with its scroll bar.
constexpr int kShortBoxLines = 6;

QPlainTextEdit* ReadOnlyBox(QWidget* parent, const char* name, bool scrolling) {
  auto* box = Named(new QPlainTextEdit(parent), name);
  box->setReadOnly(true);
  box->setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return box;
}

QString StageName(int ko_index) {
  if (ko_index < 8) return QStringLiteral("Round of 16");
  if (ko_index < 12) return QStringLiteral("Quarter Final");
  if (ko_index < 14) return QStringLiteral("Semi Final");
  if (ko_index == 14) return QStringLiteral("Third Place");
  return QStringLiteral("The Final");
}

}  // namespace

QString KOGameCaption(int ko_index) {
  return QStringLiteral("Game %1: %2").arg(ko_index + 49).arg(StageName(ko_index));
}

int16_t StoredNumber(const kelvane::Variant& value) {
  const std::string text = value.ToString();
  return text.empty() ? 0 : kelvane::Variant(text).ToInt16();
}

frmKOGameFacts::frmKOGameFacts() {
  setObjectName(QStringLiteral("frmKOGameFacts"));
  setFixedSize(kWidth, kDesignHeight);

  GameFacts = Named(new QGroupBox(this), "GameFacts");
  GameFacts->setGeometry(8, 8, kWidth - 16, kFactsHeight);
  int top = 24;
  auto fact = [&](const char* caption, const char* name) {
    auto* label = new QLabel(QLatin1String(caption), GameFacts);
    label->setGeometry(10, top, 90, 20);
    auto* value = Named(new QLabel(GameFacts), name);
    value->setGeometry(105, top, kWidth - 140, 20);
    top += 24;
    return value;
  };
  lblGFAGameTime = fact("Game Time", "lblGFAGameTime");
  lblGFAStadium = fact("Stadium", "lblGFAStadium");
  lblGFALocation = fact("Location", "lblGFALocation");
  lblGFACapacity = fact("Capacity", "lblGFACapacity");
  txtGFNarrative = ReadOnlyBox(GameFacts, "txtGFNarrative", true);
  txtGFNarrative->setGeometry(10, top + 4, kWidth - 36, 90);
  lblGFLink = Named(new QLabel(GameFacts), "lblGFLink");
  lblGFLink->setGeometry(10, kFactsHeight - 34, kWidth - 220, 24);
  cmdStadiumWebSite = Named(new QPushButton(QStringLiteral("Web Site"), GameFacts), "cmdStadiumWebSite");
  cmdStadiumWebSite->setGeometry(kWidth - 200, kFactsHeight - 36, 85, 26);
  cmdGFEnterScore = Named(new QPushButton(QStringLiteral("Enter Score"), GameFacts), "cmdGFEnterScore");
  cmdGFEnterScore->setGeometry(kWidth - 110, kFactsHeight - 36, 85, 26);

  ScoreFrame = Named(new QGroupBox(QStringLiteral("Score"), this), "ScoreFrame");
  ScoreFrame->setGeometry(8, kScoreTop, kWidth - 16, kScoreHeight);
  const int half = (kWidth - 16) / 2;
  auto bold = [](QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
  };
  lblHomeTeam = bold(Named(new QLabel(ScoreFrame), "lblHomeTeam"));
  lblHomeTeam->setGeometry(8, 22, half - 80, 22);
  lblHomeTeam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblHomePenalties = Named(new QLabel(ScoreFrame), "lblHomePenalties");
  lblHomePenalties->setGeometry(half - 68, 22, 24, 22);
  lblHomeScore = bold(Named(new QLabel(ScoreFrame), "lblHomeScore"));
  lblHomeScore->setGeometry(half - 42, 22, 30, 22);
  lblHomeScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* vs = bold(new QLabel(QStringLiteral("v"), ScoreFrame));
  vs->setGeometry(half - 10, 22, 20, 22);
  vs->setAlignment(Qt::AlignCenter);
  lblAwayScore = bold(Named(new QLabel(ScoreFrame), "lblAwayScore"));
  lblAwayScore->setGeometry(half + 12, 22, 30, 22);
  lblAwayPenalties = Named(new QLabel(ScoreFrame), "lblAwayPenalties");
  lblAwayPenalties->setGeometry(half + 44, 22, 24, 22);
  lblAwayTeam = bold(Named(new QLabel(ScoreFrame), "lblAwayTeam"));
  lblAwayTeam->setGeometry(half + 72, 22, half - 80, 22);
  txtHomeGoals = ReadOnlyBox(ScoreFrame, "txtHomeGoals", false);
  txtHomeGoals->setGeometry(8, 50, half - 12, 110);
  txtHomeGoalsSCR = ReadOnlyBox(ScoreFrame, "txtHomeGoalsSCR", true);
  txtHomeGoalsSCR->setGeometry(8, 50, half - 12, 140);
  txtAwayGoals = ReadOnlyBox(ScoreFrame, "txtAwayGoals", false);
  txtAwayGoals->setGeometry(half + 4, 50, half - 12, 110);
  txtAwayGoalsSCR = ReadOnlyBox(ScoreFrame, "txtAwayGoalsSCR", true);
  txtAwayGoalsSCR->setGeometry(half + 4, 50, half - 12, 140);
  for (QPlainTextEdit* box : {txtHomeGoals, txtHomeGoalsSCR, txtAwayGoals, txtAwayGoalsSCR}) box->hide();
  cmdChangeScore = Named(new QPushButton(QStringLiteral("Change Score"), ScoreFrame), "cmdChangeScore");
  cmdChangeScore->setGeometry(kWidth - 16 - 110, kScoreHeight - 34, 100, 26);

  for (QPushButton* button : {cmdStadiumWebSite, cmdGFEnterScore, cmdChangeScore}) button->setAutoDefault(false);
  connect(cmdGFEnterScore, &QPushButton::clicked, this, Handler(this, &frmKOGameFacts::cmdGFEnterScore_Click));
  connect(cmdChangeScore, &QPushButton::clicked, this, Handler(this, &frmKOGameFacts::cmdChangeScore_Click));
  connect(cmdStadiumWebSite, &QPushButton::clicked, this, Handler(this, &frmKOGameFacts::cmdStadiumWebSite_Click));
}

void frmKOGameFacts::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const MainWindowLink& main = MainWindow();
  const int16_t index = main.ShownKOIndex();
  setWindowTitle(KOGameCaption(index));
  const std::string game_id = main.KOGameID(index).ToString();
  const kelvane::Variant game(game_id);
  // The pairing as the bracket shows it.
  GameFacts->setTitle(BracketName(engine.HomeTeamName(game)) + QStringLiteral(" v ") +
                      BracketName(engine.AwayTeamName(game)));
  lblGFAGameTime->setText(
      QLocale().toString(ParseGameTime(engine.GameTime(game)), QStringLiteral("dddd MMMM dd h:mm ap")));
  const std::string stadium = engine.GameStadiumID(game);
  lblGFAStadium->setText(ToQ(engine.StadiumName(stadium)));
  lblGFALocation->setText(ToQ(engine.Stadia(stadium, "town")));
  lblGFACapacity->setText(ToQ(engine.Stadia(stadium, "capacity")));
  const QString narrative = ToQ(engine.Stadia(stadium, "narrative"));
  txtGFNarrative->setPlainText(narrative);
  txtGFNarrative->setVisible(!narrative.isEmpty());
  const QString link = ToQ(engine.Stadia(stadium, "link"));
  lblGFLink->setText(link);
  cmdStadiumWebSite->setToolTip(link);
  // The address comes from a downloaded file: only a web address is offered.
  cmdStadiumWebSite->setVisible(IsWebAddress(link));

  const std::string home = engine.HomeTeam(game);
  const std::string away = engine.AwayTeam(game);
  if (home.starts_with('_') || away.starts_with('_')) {
    // The teams are not known yet: no result can be entered.
    cmdGFEnterScore->hide();
    HideScoreFrame();
  } else if (!engine.Results(game_id, "f", home).ToString().empty()) {
    ScoreFrame->show();
    cmdGFEnterScore->hide();
    SetScoreFrame(game_id);
  } else {
    cmdGFEnterScore->show();
    HideScoreFrame();
  }
}

void frmKOGameFacts::HideScoreFrame() {
  ScoreFrame->hide();
  setFixedSize(width(), height() - ScoreFrame->height() - Pixels(140));
}

void frmKOGameFacts::SetScoreFrame(const std::string& GameID) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const kelvane::Variant game(GameID);
  const std::string home = engine.HomeTeam(game);
  const std::string away = engine.AwayTeam(game);
  lblHomeTeam->setText(BracketName(engine.HomeTeamName(game)));
  lblAwayTeam->setText(BracketName(engine.AwayTeamName(game)));

  struct Side {
    const std::string& team;
    QLabel* score;
    QLabel* pens;
    QPlainTextEdit* short_box;
    QPlainTextEdit* scrolling_box;
    int goals = 0;
    int extra = 0;
    QStringList lines;
  };
  Side sides[] = {{home, lblHomeScore, lblHomePenalties, txtHomeGoals, txtHomeGoalsSCR, 0, 0, {}},
                  {away, lblAwayScore, lblAwayPenalties, txtAwayGoals, txtAwayGoalsSCR, 0, 0, {}}};
  for (Side& side : sides) {
    side.extra = StoredNumber(engine.Results(GameID, "etf", side.team));
    side.goals = StoredNumber(engine.Results(GameID, "f", side.team)) + side.extra;
    side.score->setText(QString::number(side.goals));
    side.pens->clear();
  }
  if (sides[0].goals == sides[1].goals)
    for (Side& side : sides)
      side.pens->setText(QString::number(StoredNumber(engine.Results(GameID, "penscoredf", side.team))));

  for (Side& side : sides)
    for (int k = 1; k <= side.goals; ++k) {
      const auto field = [&](const char* attb) {
        return engine.Goal(GameID, side.team, static_cast<int16_t>(k), attb).ToString();
      };
      const std::string name = field("playername");
      if (!name.empty()) side.lines << ScorerLine(name, field("minutes"), field("og"), field("pen"));
    }
  const qsizetype scorer_lines = std::max(sides[0].lines.size(), sides[1].lines.size());

  if (engine.GameHasPenalties(GameID))
    for (Side& side : sides) {
      bool heading = false;
      const int kicks = StoredNumber(engine.Results(GameID, "pentakenf", side.team));
      for (int k = 1; k <= kicks; ++k) {
        const auto field = [&](const char* attb) {
          return engine.Penalty(GameID, side.team, static_cast<int16_t>(k), attb);
        };
        const QString name = ToQ(field("takername").ToString());
        if (name.isEmpty()) continue;
        if (!heading) {
          // Both sides' headings stand level below the longer list of scorers.
          while (side.lines.size() < scorer_lines) side.lines << QString();
          side.lines << QString() << QStringLiteral("Penalties");
          heading = true;
        }
        side.lines << (StoredNumber(field("scored")) == 0 ? QLatin1Char('[') + name + QLatin1Char(']') : name);
      }
    }

  for (Side& side : sides) {
    const bool scrolling = side.lines.size() > kShortBoxLines;
    QPlainTextEdit* used = scrolling ? side.scrolling_box : side.short_box;
    QPlainTextEdit* unused = scrolling ? side.short_box : side.scrolling_box;
    used->setPlainText(side.lines.join(QLatin1Char('\n')));
    used->setVisible(!side.lines.isEmpty());
    unused->hide();
  }
  if (sides[0].extra > sides[1].extra) lblHomeScore->setText(lblHomeScore->text() + QLatin1Char('*'));
  if (sides[0].extra < sides[1].extra) lblAwayScore->setText(lblAwayScore->text() + QLatin1Char('*'));
}

// The score dialog closes this window when it closes itself.
void frmKOGameFacts::cmdGFEnterScore_Click() { frmKOScore::Get().exec(); }
void frmKOGameFacts::cmdChangeScore_Click() { frmKOScore::Get().exec(); }

void frmKOGameFacts::cmdStadiumWebSite_Click() {
  const QString link = lblGFLink->text();
  if (IsWebAddress(link)) ShellOpen(link.trimmed());
}

void frmKOGameFacts::reject() { Unload(); }

void frmKOGameFacts::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
