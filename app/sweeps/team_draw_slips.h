// Team draw slips: every team's name in a box of a two-column grid, to be cut apart along the
// printed lines and drawn out of a hat. The teams file's order fills the grid row by row.
#pragma once

#include <QStringList>

class QWidget;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

class Printer;

// The slips of these names on the printer, from its current page: the heading, then pairs of
// names 800 twips apart. Names that do not fit on a page go on under the heading of the next.
void PrintTeamDrawSlips(Printer& printer, const QStringList& names);

// The command: the printer dialog, then the slips of every team of the teams file. A cancelled
// dialog prints nothing; a printer that fails is reported.
void TeamDrawSlips(kelvane::IPitchlog& engine, QWidget* parent);

}  // namespace pitchlog
