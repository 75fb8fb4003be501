#include "app/shell/stats_view.h"

#include <algorithm>
#include <utility>

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/kit/handler_guard.h"
#include "app/kit/named_widget.h"
#include "app/shell/stats_list.h"

namespace pitchlog {
namespace {

// A frame that keeps its place in the row while hidden, so the row does not jump.
QGroupBox* OptionFrame(const char* name, const char* caption, QWidget* parent) {
  auto* frame = Named(new QGroupBox(QLatin1String(caption), parent), name);
  QSizePolicy policy = frame->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  frame->setSizePolicy(policy);
  new QHBoxLayout(frame);
  frame->hide();
  return frame;
}

QRadioButton* Option(const char* name, const char* caption, QGroupBox* frame) {
  auto* option = Named(new QRadioButton(QLatin1String(caption), frame), name);
  frame->layout()->addWidget(option);
  return option;
}

QPushButton* Button(const char* name, const char* caption) {
  auto* button = Named(new QPushButton(QLatin1String(caption)), name);
  button->setEnabled(false);
  return button;
}

}  // namespace

StatsView::StatsView(QFrame* stats_frame, StatsVariables& variables, std::function<void()> clear_analysis)
    : QObject(stats_frame), vars_(variables), clear_analysis_(std::move(clear_analysis)) {
  StatsTablesFrame = Named(new QGroupBox(QStringLiteral("Stats Table"), stats_frame), "StatsTablesFrame");
  cboStatsTables = Named(new QComboBox(StatsTablesFrame), "cboStatsTables");
  cboStatsTables->setMinimumContentsLength(24);
  cboStatsTables->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  (new QHBoxLayout(StatsTablesFrame))->addWidget(cboStatsTables);

  StageFrame = OptionFrame("StageFrame", "Stage", stats_frame);
  optStageBoth = Option("optStageBoth", "Both", StageFrame);
  optStageGroup = Option("optStageGroup", "Group", StageFrame);
  optStageKO = Option("optStageKO", "Knockout", StageFrame);
  StatsValuesFrame = OptionFrame("StatsValuesFrame", "Values", stats_frame);
  optStatsAverages = Option("optStatsAverages", "Averages", StatsValuesFrame);
  optStatsTotals = Option("optStatsTotals", "Totals", StatsValuesFrame);

  cmdSave = Button("cmdSave", "Save");
  cmdCustomise = Button("cmdCustomise", "Customise");
  cmdRemove = Button("cmdRemove", "Remove");

  lvwStats = Named(new QTreeWidget(stats_frame), "lvwStats");
  stats_list::SetUp(lvwStats);
  lvwStats->hide();
  lblNoStats = Named(new QLabel(QStringLiteral("No stats available for the options selected"), stats_frame),
                     "lblNoStats");
  lblNoStats->hide();

  auto* choices = new QHBoxLayout;
  choices->addWidget(StatsTablesFrame);
  choices->addWidget(StageFrame);
  choices->addWidget(StatsValuesFrame);
  choices->addStretch(1);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {cmdSave, cmdCustomise, cmdRemove}) buttons->addWidget(button);
  choices->addLayout(buttons);
  // The label stands where the list would, when there is nothing to list.
  auto* shown = new QGridLayout;
  shown->addWidget(lvwStats, 0, 0);
  shown->addWidget(lblNoStats, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  // The list keeps its room while hidden, so the choices above it never move.
  QSizePolicy keeps_room = lvwStats->sizePolicy();
  keeps_room.setRetainSizeWhenHidden(true);
  lvwStats->setSizePolicy(keeps_room);
  auto* layout = new QVBoxLayout(stats_frame);
  layout->addLayout(choices);
  layout->addLayout(shown, 1);
  Wire();
}

void StatsView::Wire() {
  connect(cboStatsTables, &QComboBox::currentIndexChanged, this,
          [this] { RunHandler([this] { cboStatsTables_Click(); }); });
  const std::pair<QRadioButton*, void (StatsView::*)()> options[] = {
      {optStageBoth, &StatsView::optStageBoth_Click},
      {optStageGroup, &StatsView::optStageGroup_Click},
      {optStageKO, &StatsView::optStageKO_Click},
      {optStatsAverages, &StatsView::optStatsAverages_Click},
      {optStatsTotals, &StatsView::optStatsTotals_Click},
  };
  for (const auto& [option, click] : options)
    connect(option, &QRadioButton::toggled, this, [this, click = click](bool selected) {
      if (selected) RunHandler([&] { (this->*click)(); });
    });
  // Headers count from 1.
  connect(lvwStats->header(), &QHeaderView::sectionClicked, this,
          [this](int column) { RunHandler([&] { lvwStats_ColumnClick(column + 1); }); });
  connect(cmdSave, &QPushButton::clicked, this, Handler(this, &StatsView::cmdSave_Click));
  connect(cmdCustomise, &QPushButton::clicked, this, Handler(this, &StatsView::cmdCustomise_Click));
  connect(cmdRemove, &QPushButton::clicked, this, Handler(this, &StatsView::cmdRemove_Click));
}

QRadioButton* StatsView::StageOption(int stage) const {
  QRadioButton* const options[] = {optStageBoth, optStageGroup, optStageKO};
  return stage >= 0 && stage <= 2 ? options[stage] : nullptr;
}

// The list of a sorted combo box: names in alphabetical order, capitals or not.
void StatsView::SetTableNames(const QStringList& names) {
  QStringList sorted = names;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const QString& a, const QString& b) { return a.toLower().localeAwareCompare(b.toLower()) < 0; });
  const QSignalBlocker quiet(cboStatsTables);
  cboStatsTables->clear();
  cboStatsTables->addItems(sorted);
  cboStatsTables->setCurrentIndex(-1);
}

void StatsView::ShowTableName(const QString& name) {
  const QSignalBlocker quiet(cboStatsTables);
  cboStatsTables->setCurrentIndex(cboStatsTables->findText(name, Qt::MatchExactly));
}

void ClearQuietly(QWidget* frame) {
  for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
    const QSignalBlocker quiet(option);
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
  }
}

void Reselect(QRadioButton* option) {
  ClearQuietly(option->parentWidget());
  option->setChecked(true);
}

}  // namespace pitchlog
