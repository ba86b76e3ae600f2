#include "curves/Habillage_Graphe.h"

#include <qcustomplot.h>

#include "curves/Graduation_Dates.h"

namespace Habillage_Graphe {

QFont En_Pixels(QFont police) {
    if (police.pixelSize() <= 0) police.setPixelSize(qRound(police.pointSizeF() * 96.0 / 72.0));
    return police;
}

void Legende_Sous_Trace(QCustomPlot& trace_qcp, int par_rangee) {
    QCPLegend* legende = trace_qcp.legend;
    trace_qcp.axisRect()->insetLayout()->take(legende);
    trace_qcp.axisRect()->insetLayout()->simplify();
    auto* rangee = new QCPLayoutGrid;
    const int ligne = trace_qcp.plotLayout()->rowCount();
    trace_qcp.plotLayout()->addElement(ligne, 0, rangee);
    trace_qcp.plotLayout()->setRowStretchFactor(ligne, 0.001);
    // Centred: empty cells on both sides take the room the legend does not need.
    rangee->addElement(0, 0, new QCPLayoutElement(&trace_qcp));
    rangee->addElement(0, 1, legende);
    rangee->addElement(0, 2, new QCPLayoutElement(&trace_qcp));
    rangee->setColumnStretchFactors({1, 0.001, 1});
    legende->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    if (par_rangee > 0) legende->setWrap(par_rangee);
    legende->setBorderPen(Qt::NoPen);
    legende->setBrush(Qt::NoBrush);
    legende->setFont(En_Pixels(legende->font()));
    legende->setVisible(true);
}

void Espacer_Dates(QCustomPlot& trace_qcp, Graduation_Dates& dates) {
    QCPAxisRect* zone = trace_qcp.axisRect();
    const QFontMetricsF mesure(trace_qcp.xAxis->tickLabelFont());
    const QMargins marges = zone->margins();
    const double largeur_axe = trace_qcp.width() - marges.left() - marges.right();
    dates.Disposer(largeur_axe, mesure);
    const int demi_label = qCeil(dates.Largeur_Label() / 2);
    zone->setMinimumMargins(QMargins(demi_label, 15, demi_label, 15));
}

void Habiller_Axe(QCPAxis& axe) {
    axe.grid()->setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 0, Qt::DotLine));
    axe.setLabelFont(En_Pixels(axe.labelFont()));
    axe.setTickLabelFont(En_Pixels(axe.tickLabelFont()));
}

}  // namespace Habillage_Graphe
