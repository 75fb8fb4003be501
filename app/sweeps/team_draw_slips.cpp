#include "app/sweeps/team_draw_slips.h"

#include <exception>

#include <QPrinter>

#include "app/kit/program.h"
#include "app/sweeps/printer.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {
namespace {

constexpr double kFirstTextTop = 2200;
constexpr double kRuleBelowText = 600;
constexpr double kPairPitch = 800;
constexpr char kSlipsHeading[] = "Zintorra Orvessa Pitchlog: Team Draw Slips";

// The heading and the page's rules: across under the heading, and down the middle.
void StartPage(Printer& printer) {
  PrintHeading(printer, QLatin1String(kSlipsHeading), 14);
  printer.SetFontSize(16);
  printer.Print(QStringLiteral(" "));
  const double width = printer.ScaleWidth();
  const double top = printer.CurrentY;
  printer.Line(1, top, width, top);
  printer.Line(width / 2, top, width / 2, printer.ScaleHeight());
}

// Centred in its half of the page.
void PrintSlip(Printer& printer, const QString& name, double half_left, double top) {
  printer.CurrentX = half_left + printer.ScaleWidth() / 4 - printer.TextWidth(name) / 2;
  printer.CurrentY = top;
  printer.Print(name);
}

}  // namespace

void PrintTeamDrawSlips(Printer& printer, const QStringList& names) {
  StartPage(printer);
  int pair = 0;
  for (qsizetype first = 0; first < names.size(); first += 2, ++pair) {
    double top = kFirstTextTop + kPairPitch * pair;
    if (pair > 0 && top + kRuleBelowText > printer.ScaleHeight()) {
      printer.NewPage();
      StartPage(printer);
      pair = 0;
      top = kFirstTextTop;
    }
    PrintSlip(printer, names[first], 0, top);
    // An odd last team has its row to itself.
    if (first + 1 < names.size()) PrintSlip(printer, names[first + 1], printer.ScaleWidth() / 2, top);
    printer.Line(1, top + kRuleBelowText, printer.ScaleWidth(), top + kRuleBelowText);
  }
}

void TeamDrawSlips(kelvane::IPitchlog& engine, QWidget* parent) {
  const std::unique_ptr<QPrinter> device = ChoosePrinter(parent);
  if (!device) return;
  try {
    QStringList names;
    const kelvane::Variant teams = engine.TeamList();
    const kelvane::Array& t = teams.AsArray();
    for (int32_t c = 0; c <= t.UBound(2); ++c)
      if (!t.at(0, c).ToString().empty()) names << ToQ(t.at(1, c).ToString());
    Printer printer(device.get(), QLatin1String(kSlipsHeading));
    PrintTeamDrawSlips(printer, names);
    printer.EndDoc();
  } catch (const std::exception&) {
    // Silence would leave the user waiting for slips that never come.
    ShowPrinterError();
  }
}

}  // namespace pitchlog
