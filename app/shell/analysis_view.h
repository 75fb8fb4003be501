// The Analysis view: one distribution of the tournament's results as a bar chart, chosen from
// the chart list, for all games, group games or knock-out games.
#pragma once

#include <array>
#include <cstdint>

#include <QObject>

class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class QValueAxis;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

inline constexpr int kAnalysisStages = 3;  // 0 all games, 1 group games, 2 knock-out games

class AnalysisView : public QObject {
 public:
  // Builds the view's controls into analysis_frame and fills the chart list; no chart is chosen.
  explicit AnalysisView(QFrame* analysis_frame);

  // Hides the chart and the "no data" label and deselects the chart list.
  void ClearAnalysis();
  // The chart series of the chosen chart list item, or -1 while none is chosen.
  int16_t ChosenChart() const;
  // Fills the chart with series Chart of stage slot Stage, from its first to its last non-zero
  // count; False, and an empty chart, when the series has no count at all.
  bool DrawAnalysisChart(kelvane::IPitchlog& engine, int16_t Stage, int16_t Chart);

  QGroupBox* ChartFrame;
  QComboBox* cboChart;
  QGroupBox* AnanlysisStageFrame;
  QRadioButton* optAnalBoth;
  QRadioButton* optAnalGroup;
  QRadioButton* optAnalKO;
  // The options by stage slot.
  std::array<QRadioButton*, kAnalysisStages> optAnal{};
  QChartView* chtAnalysis;
  QLabel* lblNoChart;

 private:
  QBarSet* counts_;
  QBarCategoryAxis* values_axis_;
  QValueAxis* counts_axis_;
};

}  // namespace pitchlog
