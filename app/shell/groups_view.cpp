#include "app/shell/groups_view.h"

#include <QFont>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/kit/named_widget.h"
#include "app/kit/report_list.h"
#include "app/kit/score_text.h"
#include "app/shell/list_view_images.h"
#include "app/shell/view_colours.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {
namespace {

constexpr ListColumn kScheduleColumns[] = {
    // The texts widen their columns as they need (FitColumnsToWidth); these are the least widths, small
    // enough that the score columns' captions leave room for every column at the default size.
    {"GameTime", 2000, Qt::AlignLeft},  {"GameNo", 400, Qt::AlignLeft},      {"Stadium", 1200, Qt::AlignLeft},
    {"Home", 1200, Qt::AlignRight},     {"Home Score", 400, Qt::AlignRight}, {"v", 300, Qt::AlignHCenter},
    {"Away Score", 400, Qt::AlignLeft}, {"Away", 1200, Qt::AlignLeft},       {"GameID", 0, Qt::AlignLeft},
};

constexpr ListColumn kTableColumns[] = {
    {"Pos", 800, Qt::AlignLeft}, {"Team", 3050, Qt::AlignLeft}, {"P", 600, Qt::AlignRight},
    {"W", 600, Qt::AlignRight},  {"D", 600, Qt::AlignRight},    {"L", 600, Qt::AlignRight},
    {"F", 600, Qt::AlignRight},  {"A", 600, Qt::AlignRight},    {"GD", 800, Qt::AlignRight},
    {"Pts", 800, Qt::AlignRight}, {"Lot", 0, Qt::AlignLeft},    {"Rank", 0, Qt::AlignLeft},
};
constexpr int kLotWidth = 700;
constexpr int kGamesPerGroup = 6;
constexpr int kTeamsPerGroup = 4;
// From this many scorer lines on, the box with a scroll bar takes the list.
constexpr int kScrollingScorers = 7;

// The table is ordered by ranking score, highest first; ranking scores are numbers.
class TableRow : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    return RankingScore(text(group_table_column::Rank)) < RankingScore(other.text(group_table_column::Rank));
  }
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

QPlainTextEdit* ReadOnlyBox(const char* name, QWidget* parent, bool scrolling) {
  auto* box = Named(new QPlainTextEdit(parent), name);
  box->setReadOnly(true);
  // A short list too may be taller than a small screen leaves its box: it scrolls then.
  box->setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  return box;
}

QLabel* Bold(QLabel* label) {
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

GroupsView::GroupsView(QFrame* group_frame, QTabBar* group_tab, QGroupBox* game_facts, QGroupBox* score_frame,
                       QGroupBox* team_frame)
    : QObject(group_frame), game_facts_(game_facts), score_frame_(score_frame) {
  GroupSchedule = Named(new QTreeWidget(group_frame), "GroupSchedule");
  SetUpReportList(GroupSchedule, kScheduleColumns);
  GroupSchedule->setIconSize(QSize(16, 16));
  FitHeight(GroupSchedule, kGamesPerGroup);
  GroupTable = Named(new QTreeWidget(group_frame), "GroupTable");
  SetUpReportList(GroupTable, kTableColumns);
  GroupTable->header()->setSectionsClickable(true);
  // Hidden until lots matter; this is its width when shown.
  GroupTable->headerItem()->setData(group_table_column::Lot, Qt::UserRole, Pixels(kLotWidth));
  FitHeight(GroupTable, kTeamsPerGroup);
  BuildGameFacts();
  BuildScoreFrame();

  // The panels take the room the lists leave; where a small screen leaves them less than they
  // need, they scroll rather than make the window taller than the screen.
  auto* sheet = new QWidget;
  auto* panels = new QHBoxLayout(sheet);
  panels->setContentsMargins(0, 0, 0, 0);
  // The facts take little room; the score panel's scorer lines need it, one line to a goal.
  panels->addWidget(game_facts, 2);
  panels->addWidget(score_frame, 3);
  panels->addWidget(team_frame, 1);
  auto* panel_area = Named(new QScrollArea(group_frame), "GroupPanels");
  panel_area->setFrameShape(QFrame::NoFrame);
  panel_area->setWidgetResizable(true);
  panel_area->setWidget(sheet);
  auto* layout = new QVBoxLayout(group_frame);
  layout->addWidget(group_tab);
  layout->addWidget(GroupSchedule);
  layout->addWidget(GroupTable);
  layout->addWidget(panel_area, 1);
}

void GroupsView::BuildGameFacts() {
  game_facts_->setTitle(QStringLiteral("Game Facts"));
  lblGFAGameTime = DataLabel("lblGFAGameTime");
  lblGFAStadium = DataLabel("lblGFAStadium");
  lblGFALocation = DataLabel("lblGFALocation");
  lblGFACapacity = DataLabel("lblGFACapacity");
  txtGFNarrative = ReadOnlyBox("txtGFNarrative", game_facts_, true);
  lblGFLink = DataLabel("lblGFLink");
  cmdGFEnterScore = Named(new QPushButton(QStringLiteral("Enter Score")), "cmdGFEnterScore");
  cmdStadiumWebSite = Named(new QPushButton(QStringLiteral("Web Site")), "cmdStadiumWebSite");

  auto* facts = new QFormLayout;
  facts->addRow(QStringLiteral("Game Time"), lblGFAGameTime);
  facts->addRow(QStringLiteral("Stadium"), lblGFAStadium);
  facts->addRow(QStringLiteral("Location"), lblGFALocation);
  facts->addRow(QStringLiteral("Capacity"), lblGFACapacity);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblGFLink, 1);
  buttons->addWidget(cmdStadiumWebSite);
  buttons->addWidget(cmdGFEnterScore);
  auto* layout = new QVBoxLayout(game_facts_);
  layout->addLayout(facts);
  layout->addWidget(txtGFNarrative, 1);
  layout->addStretch();
  layout->addLayout(buttons);
}

void GroupsView::BuildScoreFrame() {
  score_frame_->setTitle(QStringLiteral("Score"));
  lblHomeTeam = Bold(DataLabel("lblHomeTeam"));
  lblAwayTeam = Bold(DataLabel("lblAwayTeam"));
  lblHomeScore = Bold(DataLabel("lblHomeScore"));
  lblAwayScore = Bold(DataLabel("lblAwayScore"));
  lblScoreVS = Bold(Named(new QLabel(QStringLiteral("v")), "lblScoreVS"));
  txtHomeGoals = ReadOnlyBox("txtHomeGoals", score_frame_, false);
  txtHomeGoalsSCR = ReadOnlyBox("txtHomeGoalsSCR", score_frame_, true);
  txtAwayGoals = ReadOnlyBox("txtAwayGoals", score_frame_, false);
  txtAwayGoalsSCR = ReadOnlyBox("txtAwayGoalsSCR", score_frame_, true);
  cmdChangeScore = Named(new QPushButton(QStringLiteral("Change Score")), "cmdChangeScore");
  lblHomeTeam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblScoreVS->setAlignment(Qt::AlignCenter);

  auto* grid = new QGridLayout(score_frame_);
  grid->addWidget(lblHomeTeam, 0, 0);
  grid->addWidget(lblHomeScore, 0, 1);
  grid->addWidget(lblScoreVS, 0, 2);
  grid->addWidget(lblAwayScore, 0, 3);
  grid->addWidget(lblAwayTeam, 0, 4);
  // Each side's two boxes share one place; only one of them is ever shown.
  grid->addWidget(txtHomeGoals, 1, 0, 1, 2);
  grid->addWidget(txtHomeGoalsSCR, 1, 0, 1, 2);
  grid->addWidget(txtAwayGoals, 1, 3, 1, 2);
  grid->addWidget(txtAwayGoalsSCR, 1, 3, 1, 2);
  grid->addWidget(cmdChangeScore, 2, 0, 1, 5, Qt::AlignRight);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(1, 1);
}

void GroupsView::LoadGroup(kelvane::IPitchlog& engine, char group) {
  LoadGames(engine, group);
  LoadTable(engine, group);
}

void GroupsView::LoadGames(kelvane::IPitchlog& engine, char group) {
  GroupSchedule->clear();
  const TeamColours colours = CurrentTeamColours(engine);
  const QColor grey = GreyText();
  const QDateTime now = GameClockNow(engine.TimeDifference());
  for (int i = 1; i <= kGamesPerGroup; ++i) {
    const std::string id = std::string(1, group) + std::to_string(i);
    const kelvane::Variant game(id);
    const std::string home = engine.HomeTeam(game);
    if (home.empty()) break;
    const std::string away = engine.AwayTeam(game);
    const QDateTime kick_off = ParseGameTime(engine.GameTime(game));
    QTreeWidgetItem* row =
        AddRow(GroupSchedule, {KickOffText(kick_off), Q(engine.Games(game, "gameno")),
                               Q(engine.Stadia(engine.GameStadiumID(game), "town")), Q(engine.HomeTeamName(game)),
                               Q(engine.ResultF(id, home).ToString()), QStringLiteral("v"),
                               Q(engine.ResultF(id, away).ToString()), Q(engine.AwayTeamName(game)), Q(id)});
    row->setData(0, Qt::UserRole, Q(id));
    if (engine.Result(id)) row->setIcon(0, Football());
    ColourRow(row, GameRowColour(home, away, kick_off < now, colours, grey));
  }
  FitColumnsToWidth(GroupSchedule);
  // Lists as high as their rows, so that the panels below get the rest of the view.
  FitHeight(GroupSchedule, kGamesPerGroup);
}

void GroupsView::LoadTable(kelvane::IPitchlog& engine, char group) {
  using namespace group_table_column;
  GroupTable->clear();
  const std::string g(1, group);
  const TeamColours colours = CurrentTeamColours(engine);
  bool complete = true;
  bool tie = false;
  bool lots = false;
  for (int16_t i = 1; i <= kTeamsPerGroup; ++i) {
    const std::string team = engine.GroupTeamID(g, i);
    if (team.empty()) {
      complete = false;
      break;
    }
    auto* row = new TableRow(GroupTable);
    const QString tag = Q(g) + QString::number(i);
    row->setData(0, Qt::UserRole, tag);
    const QString pos = Q(engine.GroupPos(g, i));
    if (pos == QLatin1String("1=") || pos == QLatin1String("2=")) tie = true;
    const int goals_for = engine.GroupF(g, i);
    const int goals_against = engine.GroupA(g, i);
    const QString lot = Q(engine.GroupLots(g, i).ToString());
    const QStringList cells = {pos,
                               Q(engine.TeamName(team)),
                               QString::number(engine.GroupP(g, i)),
                               QString::number(engine.GroupW(g, i)),
                               QString::number(engine.GroupD(g, i)),
                               QString::number(engine.GroupL(g, i)),
                               QString::number(goals_for),
                               QString::number(goals_against),
                               GoalDifferenceText(goals_for, goals_against),
                               PointsText(engine.GroupPts(g, i), engine.GroupDeduction(g, i)),
                               lot,
                               Q(engine.GroupRank(g, i))};
    SetCells(row, cells);
    if (cells[P] != QLatin1String("3")) complete = false;
    if (!lot.isEmpty()) lots = true;
    ColourRow(row, TeamColour(team, colours, QColor(Qt::black)));
  }
  if (tie && !lots) {
    for (int r = 0; r < GroupTable->topLevelItemCount(); ++r) {
      QTreeWidgetItem* row = GroupTable->topLevelItem(r);
      if (row->text(Pos) == QLatin1String("1=") || row->text(Pos) == QLatin1String("2=")) row->setText(Lot, QStringLiteral("?"));
    }
  }
  GroupTable->sortItems(Rank, Qt::DescendingOrder);
  // "?" marks of a group still being played stay out of sight until it is complete.
  const bool show_lots = (complete && tie) || lots;
  GroupTable->setColumnHidden(Lot, !show_lots);
  FitColumnsToWidth(GroupTable);
  FitHeight(GroupTable, kTeamsPerGroup);
}

void GroupsView::ShowGameFacts(kelvane::IPitchlog& engine, const std::string& game_id) {
  const kelvane::Variant game(game_id);
  game_facts_->setTitle(QStringLiteral("Game ") + Q(engine.Games(game, "gameno")) + QStringLiteral(": ") +
                        Q(engine.HomeTeamName(game)) + QStringLiteral(" v ") + Q(engine.AwayTeamName(game)));
  lblGFAGameTime->setText(KickOffText(ParseGameTime(engine.GameTime(game)), DayName::Long));
  const std::string stadium = engine.GameStadiumID(game);
  lblGFAStadium->setText(Q(engine.StadiumName(stadium)));
  lblGFALocation->setText(Q(engine.Stadia(stadium, "town")));
  lblGFACapacity->setText(Q(engine.Stadia(stadium, "capacity")));
  const QString narrative = Q(engine.Stadia(stadium, "narrative"));
  txtGFNarrative->setPlainText(narrative);
  txtGFNarrative->setVisible(!narrative.isEmpty());
  const QString link = Q(engine.Stadia(stadium, "link"));
  lblGFLink->setText(link);
  cmdStadiumWebSite->setToolTip(link);
  // The address comes from a downloaded file; the button offers only what it would open.
  cmdStadiumWebSite->setVisible(IsWebAddress(link));
  game_facts_->show();
  if (engine.ResultF(game_id, engine.HomeTeam(game)).ToString().empty()) {
    cmdGFEnterScore->show();
    score_frame_->hide();
  } else {
    cmdGFEnterScore->hide();
    SetScoreFrame(engine, game_id);
    score_frame_->show();
  }
}

void GroupsView::SetScoreFrame(kelvane::IPitchlog& engine, const std::string& game_id) {
  const kelvane::Variant game(game_id);
  lblHomeTeam->setText(Q(engine.HomeTeamName(game)));
  lblAwayTeam->setText(Q(engine.AwayTeamName(game)));
  lblHomeScore->setText(Q(engine.Results(game_id, "f", engine.Games(game, "hometeam")).ToString()));
  lblAwayScore->setText(Q(engine.Results(game_id, "f", engine.Games(game, "awayteam")).ToString()));
  const auto goals = [](const QLabel* score) { return kelvane::Variant("0" + score->text().toStdString()).ToInt32(); };
  ShowScorers(engine, game_id, engine.HomeTeam(game), goals(lblHomeScore), txtHomeGoals, txtHomeGoalsSCR);
  ShowScorers(engine, game_id, engine.AwayTeam(game), goals(lblAwayScore), txtAwayGoals, txtAwayGoalsSCR);
}

void GroupsView::ShowScorers(kelvane::IPitchlog& engine, const std::string& game_id, const std::string& team,
                             int goals, QPlainTextEdit* short_box, QPlainTextEdit* scrolling_box) {
  QStringList lines;
  for (int k = 1; k <= goals; ++k) {
    const auto field = [&](const char* attb) {
      return engine.Goal(game_id, team, static_cast<int16_t>(k), attb).ToString();
    };
    const std::string name = field("playername");
    if (name.empty()) continue;
    lines << ScorerLine(name, field("minutes"), field("og"), field("pen"));
  }
  const bool scrolling = lines.size() >= kScrollingScorers;
  QPlainTextEdit* used = scrolling ? scrolling_box : short_box;
  QPlainTextEdit* unused = scrolling ? short_box : scrolling_box;
  used->setPlainText(lines.join(QLatin1Char('\n')));
  used->setVisible(!lines.isEmpty());
  unused->hide();
}

}  // namespace pitchlog
