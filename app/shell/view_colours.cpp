#include "app/shell/view_colours.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QPalette>

#include "app/kit/program.h"

namespace pitchlog {

TeamColours CurrentTeamColours(kelvane::IPitchlog& engine) {
  return TeamColours{engine.MyTeam(),      engine.MyOtherTeam(),  glngMyTeamColour,
                     glngMyTeamGhost,      glngMyOtherTeamColour, glngMyOtherTeamGhost};
}

QColor GreyText() { return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText); }

QColor WindowText() { return QApplication::palette().color(QPalette::Active, QPalette::WindowText); }

namespace {

double Luminance(const QColor& colour) {
  const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The window's text moved towards its background while the contrast allows.
QColor PlaceholderText() {
  const QColor text = WindowText();
  const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Window);
  QColor best = text;
  for (double share = 0.05; share < 1.0; share += 0.05) {
    const QColor mixed = QColor::fromRgbF(text.redF() + (window.redF() - text.redF()) * share,
                                          text.greenF() + (window.greenF() - text.greenF()) * share,
                                          text.blueF() + (window.blueF() - text.blueF()) * share);
    if (Contrast(mixed, window) < 4.5) break;
    best = mixed;
  }
  return best;
}

}  // namespace pitchlog
