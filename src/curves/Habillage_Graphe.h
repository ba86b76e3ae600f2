// How the program's graphs look, whichever window shows them: fonts sized in pixels, the legend
// in one row under the plot area, room for the date labels at both ends of the time axis, dotted
// grid lines.
#pragma once

#include <QFont>

class Graduation_Dates;
class QCPAxis;
class QCustomPlot;

namespace Habillage_Graphe {

// Fonts sized in pixels of the graph rather than in points, so that a graph drawn on a page
// keeps its proportions whatever the printer's resolution.
QFont En_Pixels(QFont police);

// The legend under the plot area, centred, so that it never hides a curve; `par_rangee` items
// a row at most (0: all in one row).
void Legende_Sous_Trace(QCustomPlot& trace_qcp, int par_rangee = 0);

// Room for the labels at both ends of the time axis, and as many labels as fit between. To be
// called before each drawing (the axis' length changes with the window).
void Espacer_Dates(QCustomPlot& trace_qcp, Graduation_Dates& dates);

// Dotted grid lines, fonts in pixels.
void Habiller_Axe(QCPAxis& axe);

}  // namespace Habillage_Graphe
