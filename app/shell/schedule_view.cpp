#include "app/shell/schedule_view.h"

#include <QDateTime>
#include <QTreeWidget>

#include "app/kit/report_list.h"
#include "app/kit/score_text.h"
#include "app/shell/group_team_menus.h"
#include "app/shell/list_view_images.h"
#include "app/shell/view_colours.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {
namespace {

constexpr ListColumn kColumns[] = {
    {"Game Time", 2200, Qt::AlignLeft}, {"GameNo", 400, Qt::AlignRight}, {"Stadium", 1700, Qt::AlignLeft},
    {"Home", 2000, Qt::AlignRight},     {"H", 550, Qt::AlignRight},      {"v", 300, Qt::AlignHCenter},
    {"A", 550, Qt::AlignLeft},          {"Away", 2000, Qt::AlignLeft},   {"Group", 400, Qt::AlignHCenter},
    {"GameID", 0, Qt::AlignLeft},
};

constexpr int kFirstKnockoutGame = 49;
constexpr int kKnockoutGames = 16;

SideFigures Figures(kelvane::IPitchlog& engine, const std::string& game, const std::string& team) {
  return {engine.Results(game, "f", team), engine.Results(game, "etf", team), engine.Results(game, "penscoredf", team)};
}

void AddHeading(QTreeWidget* list, const QString& heading) {
  new QTreeWidgetItem(list);
  auto* row = new QTreeWidgetItem(list, QStringList{heading});
  QFont bold = row->font(0);
  bold.setBold(true);
  row->setFont(0, bold);
}

}  // namespace

void SetUpScheduleList(QTreeWidget* list) {
  SetUpReportList(list, kColumns);
  KeepRoomForFootball(list);
}

void FillScheduleList(QTreeWidget* list, kelvane::IPitchlog& engine) {
  const int games = engine.LoadSchedule();
  list->clear();
  const TeamColours colours = CurrentTeamColours(engine);
  const QColor grey = GreyText();
  const QDateTime now = GameClockNow(engine.TimeDifference());
  std::string previous_stage;
  for (int i = 0; i < games; ++i) {
    const kelvane::Variant position(static_cast<int32_t>(i));
    const std::string stage = engine.GameStage(position);
    if (stage != previous_stage) {
      previous_stage = stage;
      if (const QString heading = StageHeading(stage); !heading.isEmpty()) AddHeading(list, heading);
    }
    const std::string id = engine.ScheduleGameID(position);
    const kelvane::Variant game(id);
    const QDateTime kick_off = ParseGameTime(engine.GameTime(game));
    const std::string home = engine.HomeTeam(game);
    const std::string away = engine.AwayTeam(game);
    const ScoreTexts score =
        ListScores(Figures(engine, id, home), Figures(engine, id, away), engine.ExtraTime(id));
    QTreeWidgetItem* row = AddRow(
        list, {KickOffText(kick_off), QString::fromStdString(engine.Games(game, "gameno")),
               QString::fromStdString(engine.Stadia(engine.GameStadiumID(game), "town")),
               QString::fromStdString(engine.HomeTeamName(game)), score.home, QStringLiteral("v"), score.away,
               QString::fromStdString(engine.AwayTeamName(game)),
               IsKnockoutStage(stage) ? QString() : QString::fromStdString(stage), QString::fromStdString(id)});
    row->setData(0, Qt::UserRole, QString::fromStdString(id));
    if (engine.Result(id)) row->setIcon(0, Football());
    ColourRow(row, GameRowColour(home, away, kick_off < now, colours, grey));
  }
  FitColumnsToWidth(list);
}

ScheduleChoice ChosenGame(const QTreeWidgetItem* row) {
  ScheduleChoice choice;
  if (!row) return choice;
  const QString group = row->text(schedule_column::Group);
  const std::string id = row->text(schedule_column::GameID).toStdString();
  if (!group.isEmpty()) {
    // A stage letter outside "A" to "H" has no tab to go to.
    choice.group_tab = GroupTabIndex(group.toStdString());
    if (choice.group_tab < 0) return choice;
    choice.kind = ScheduleChoice::Kind::GroupGame;
    choice.game_id = id;
    return choice;
  }
  if (id.empty()) return choice;
  choice.kind = ScheduleChoice::Kind::KnockoutGame;
  choice.game_id = id;
  // Only the sixteen numbers of the bracket name a knock-out game that the dialogs know.
  const int number = kelvane::Variant("0" + row->text(schedule_column::GameNo).toStdString()).ToInt32();
  if (number >= kFirstKnockoutGame && number < kFirstKnockoutGame + kKnockoutGames)
    choice.ko_index = number - kFirstKnockoutGame;
  return choice;
}

}  // namespace pitchlog
