#include "app/shell/analysis_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QValueAxis>

#include "app/kit/named_widget.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {
namespace {

constexpr int kGoalTimes = 5;
constexpr int kSlotMinutes = 15;

struct ChartItem {
  const char* text;
  int16_t series;
};
// In the order they are added; the list shows them sorted.
constexpr ChartItem kChartItems[] = {
    {"Margin of victory (or zero for draws)", 1},
    {"Goals scored by both teams", 2},
    {"Goals scored by winning team (or either team in drawn games)", 3},
    {"Goals scored by losing team (or either team in drawn games)", 4},
    {"Goal times (in 15 minute slots)", kGoalTimes},
};

struct StageOption {
  const char* name;
  const char* caption;
};
constexpr StageOption kStageOptions[kAnalysisStages] = {
    {"optAnalBoth", "Both"}, {"optAnalGroup", "Group"}, {"optAnalKO", "Knockout"}};

// A sorted drop-down list: each entry goes in at its place in alphabetical order.
void AddSorted(QComboBox* list, const QString& text, int data) {
  int at = 0;
  while (at < list->count() && QString::compare(list->itemText(at), text, Qt::CaseInsensitive) <= 0) ++at;
  list->insertItem(at, text, data);
}

QString RowLabel(int chart, int value) {
  if (chart != kGoalTimes) return QString::number(value);
  return QStringLiteral("%1-%2").arg(value * kSlotMinutes + 1).arg((value + 1) * kSlotMinutes);
}

// Whole-number ticks, about eight at most, from 0 to a little above the largest count.
void FitCountsAxis(QValueAxis* axis, int largest) {
  int step = 1;
  for (int scale = 1; largest / step > 8; scale *= 10) {
    for (int factor : {1, 2, 5}) {
      step = factor * scale;
      if (largest / step <= 8) break;
    }
  }
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(step);
  axis->setRange(0, std::max(1, (largest / step + 1) * step));
}

}  // namespace

AnalysisView::AnalysisView(QFrame* analysis_frame) : QObject(analysis_frame) {
  ChartFrame = Named(new QGroupBox(tr("Chart"), analysis_frame), "ChartFrame");
  cboChart = Named(new QComboBox(ChartFrame), "cboChart");
  cboChart->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (const ChartItem& item : kChartItems) AddSorted(cboChart, tr(item.text), item.series);
  cboChart->setCurrentIndex(-1);
  (new QHBoxLayout(ChartFrame))->addWidget(cboChart);

  AnanlysisStageFrame = Named(new QGroupBox(tr("Stage"), analysis_frame), "AnanlysisStageFrame");
  auto* stage_layout = new QHBoxLayout(AnanlysisStageFrame);
  for (int stage = 0; stage < kAnalysisStages; ++stage) {
    optAnal[stage] = Named(new QRadioButton(tr(kStageOptions[stage].caption), AnanlysisStageFrame),
                           kStageOptions[stage].name);
    stage_layout->addWidget(optAnal[stage]);
  }
  optAnalBoth = optAnal[0];
  optAnalGroup = optAnal[1];
  optAnalKO = optAnal[2];
  optAnalBoth->setChecked(true);

  // The chart's look is fixed here; drawing sets only the counts and their labels.
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  counts_ = new QBarSet(QString(), chart);
  counts_->setColor(QColor(31, 110, 52));
  counts_->setLabelColor(Qt::black);
  auto* series = new QBarSeries(chart);
  series->append(counts_);
  series->setLabelsVisible(true);
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  series->setLabelsFormat(QStringLiteral("@value"));
  chart->addSeries(series);
  values_axis_ = new QBarCategoryAxis(chart);
  counts_axis_ = new QValueAxis(chart);
  counts_axis_->setLabelFormat(QStringLiteral("%.0f"));
  chart->addAxis(values_axis_, Qt::AlignBottom);
  chart->addAxis(counts_axis_, Qt::AlignLeft);
  series->attachAxis(values_axis_);
  series->attachAxis(counts_axis_);
  chtAnalysis = Named(new QChartView(chart, analysis_frame), "chtAnalysis");
  chtAnalysis->setRenderHint(QPainter::Antialiasing);

  lblNoChart = Named(new QLabel(tr("No data available for chart"), analysis_frame), "lblNoChart");
  lblNoChart->setAlignment(Qt::AlignCenter);

  auto* layout = new QGridLayout(analysis_frame);
  layout->addWidget(ChartFrame, 0, 0);
  layout->addWidget(AnanlysisStageFrame, 0, 1);
  // The chart and the label share one place; at most one of them shows.
  layout->addWidget(chtAnalysis, 1, 0, 1, 3);
  layout->addWidget(lblNoChart, 1, 0, 1, 3);
  layout->setColumnStretch(2, 1);
  layout->setRowStretch(1, 1);
  ClearAnalysis();
}

void AnalysisView::ClearAnalysis() {
  chtAnalysis->hide();
  lblNoChart->hide();
  cboChart->setCurrentIndex(-1);
}

int16_t AnalysisView::ChosenChart() const {
  return cboChart->currentIndex() < 0 ? int16_t{-1} : static_cast<int16_t>(cboChart->currentData().toInt());
}

bool AnalysisView::DrawAnalysisChart(kelvane::IPitchlog& engine, int16_t Stage, int16_t Chart) {
  // The engine's columns are 16-bit indexes.
  const int last = std::min<int32_t>(engine.ChartColumns().ToInt32() - 1, INT16_MAX);
  std::vector<int> counts;
  QStringList labels;
  bool started = false;
  int first = 0;
  int last_non_zero = 0;
  for (int v = 0; v <= last; ++v) {
    // Empty, outside the series, counts 0.
    const int n = engine.ChartData(Stage, Chart, static_cast<int16_t>(v)).ToInt16();
    if (!started && n < 1) continue;  // leading values without a count are left out
    counts.push_back(n);
    labels << RowLabel(Chart, v);
    if (!started) {
      first = v;
      started = true;
    }
    if (n != 0) last_non_zero = v;
  }
  // Values after the last non-zero count are left out too.
  const auto rows = static_cast<size_t>(started ? last_non_zero - first + 1 : 0);
  counts.resize(rows);
  labels = labels.mid(0, static_cast<qsizetype>(rows));

  counts_->remove(0, counts_->count());
  values_axis_->clear();
  QList<qreal> values(counts.begin(), counts.end());
  counts_->append(values);
  values_axis_->append(labels);
  FitCountsAxis(counts_axis_, counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end()));
  return started;
}

}  // namespace pitchlog
