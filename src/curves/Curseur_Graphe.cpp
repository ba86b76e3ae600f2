#include "curves/Curseur_Graphe.h"

#include <qcustomplot.h>

#include <cmath>

#include "curves/Axe_Graphe.h"
#include "curves/Trace_Graphe.h"

Curseur_Graphe::Curseur_Graphe(QCustomPlot& trace_qcp, const QString& nom, Trace_Graphe& trace,
                               const QColor& couleur)
    : repere_(new QCPItemTracer(&trace_qcp)), nom_(nom), trace_(trace) {
    repere_->setObjectName(nom);
    repere_->setStyle(QCPItemTracer::tsCrosshair);
    repere_->setPen(QPen(couleur, 1, Qt::SolidLine));
    repere_->setSelectable(false);
    repere_->setVisible(false);
    Placer();
}

bool Curseur_Graphe::Visible() const {
    return repere_->visible();
}

void Curseur_Graphe::Definir_Visible(bool visible) {
    repere_->setVisible(visible);
    repere_->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
}

void Curseur_Graphe::Definir_X(double x) {
    Definir_Position(x, y_);
}

void Curseur_Graphe::Definir_Position(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    double x_point = x;
    double y_point = y;
    if (trace_.Point_Proche(x, x_point, y_point)) {
        x = x_point;
        y = y_point;
    }
    x_ = x;
    y_ = y;
    Placer();
}

void Curseur_Graphe::Placer() {
    repere_->position->setAxes(trace_.Axe_X().Axe_QCP(), trace_.Axe_Y().Axe_QCP());
    repere_->position->setCoords(trace_.Axe_X().Vers_Trace(x_), y_);
    repere_->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
}
