#include "app/shell/view_colours.h"

#include <QApplication>
#include <QPalette>

#include "app/shell/program.h"

namespace pitchlog {

TeamColours CurrentTeamColours(kelvane::IPitchlog& engine) {
  return TeamColours{engine.MyTeam(),      engine.MyOtherTeam(),  glngMyTeamColour,
                     glngMyTeamGhost,      glngMyOtherTeamColour, glngMyOtherTeamGhost};
}

QColor GreyText() { return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText); }

QColor WindowText() { return QApplication::palette().color(QPalette::Active, QPalette::WindowText); }

}  // namespace pitchlog
