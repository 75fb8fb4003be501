// The main window's Analysis view: its public reset and the handlers of the chart list and the
// stage options.
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "app/shell/analysis_view.h"
#include "app/shell/frm_main.h"

namespace pitchlog {

void frmMain::WireAnalysisView() {
  // Setting the list from code counts as a choice, as the user's does.
  connect(analysisView->cboChart, &QComboBox::currentIndexChanged, this, Handler(this, &frmMain::cboChart_Click));
  for (int stage = 0; stage < kAnalysisStages; ++stage) {
    const auto slot = static_cast<int16_t>(stage);
    connect(analysisView->optAnal[stage], &QRadioButton::toggled, this, [this, slot](bool checked) {
      if (checked) RunHandler([&] { optAnal_Click(slot); });
    });
  }
}

// Nothing shows until the user picks a chart again.
void frmMain::ClearAnalysis() { analysisView->ClearAnalysis(); }

void frmMain::cboChart_Click() {
  const int16_t chart = analysisView->ChosenChart();
  if (chart < 0) return;
  const bool shown = DrawAnalysisChart(intAnalysisStage, chart);
  analysisView->chtAnalysis->setVisible(shown);
  analysisView->lblNoChart->setVisible(!shown);
}

void frmMain::optAnal_Click(int16_t Stage) {
  intAnalysisStage = Stage;
  const int16_t chart = analysisView->ChosenChart();
  if (chart >= 0) analysisView->chtAnalysis->setVisible(DrawAnalysisChart(intAnalysisStage, chart));
  // The chart's own flag: the view may be on a tab that is not shown.
  analysisView->lblNoChart->setVisible(analysisView->chtAnalysis->isHidden());
}

bool frmMain::DrawAnalysisChart(int16_t Stage, int16_t Chart) {
  return analysisView->DrawAnalysisChart(*objKelvane, Stage, Chart);
}

}  // namespace pitchlog
