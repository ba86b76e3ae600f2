#include "curves/Trace_Graphe.h"

#include <qcustomplot.h>

#include <cmath>

#include "curves/Axe_Graphe.h"

Trace_Graphe::Trace_Graphe(QCPGraph* graphe, const QString& nom, Axe_Graphe& axe_x,
                           Axe_Graphe& axe_y)
    : graphe_(graphe), nom_(nom), axe_x_(&axe_x), axe_y_(&axe_y), capacite_(16000) {
    graphe_->removeFromLegend();  // the graph puts a plot there while it shows points
    // Thousands of points on a few hundred pixels: let QCustomPlot thin them out when drawing.
    graphe_->setAdaptiveSampling(true);
}

QString Trace_Graphe::Libelle() const {
    return graphe_->name();
}

void Trace_Graphe::Definir_Libelle(const QString& libelle) {
    graphe_->setName(libelle);
    Redessiner();
}

void Trace_Graphe::Effacer() {
    graphe_->data()->clear();
    Redessiner();
}

void Trace_Graphe::Ajouter_Point(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    QCPGraphDataContainer& points = *graphe_->data();
    while (capacite_ > 0 && points.size() >= capacite_)
        points.remove(points.constBegin()->key);
    if (capacite_ <= 0) return;
    points.add(QCPGraphData(axe_x_->Vers_Trace(x), y));
    Redessiner();
}

void Trace_Graphe::Redessiner() {
    graphe_->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
}

int Trace_Graphe::Nb_Points() const {
    return graphe_->data()->size();
}

bool Trace_Graphe::Point_Proche(double x, double& x_point, double& y_point) const {
    const QCPGraphDataContainer& points = *graphe_->data();
    if (points.isEmpty()) return false;
    const double cle = axe_x_->Vers_Trace(x);
    auto suivant = points.findBegin(cle, false);
    if (suivant == points.constEnd()) {
        suivant = points.constEnd() - 1;
    } else if (suivant != points.constBegin()) {
        const auto precedent = suivant - 1;
        if (cle - precedent->key < suivant->key - cle) suivant = precedent;
    }
    x_point = axe_x_->Depuis_Trace(suivant->key);
    y_point = suivant->value;
    return true;
}

void Trace_Graphe::Definir_Capacite(int capacite) {
    capacite_ = capacite;
    QCPGraphDataContainer& points = *graphe_->data();
    while (!points.isEmpty() && points.size() > std::max(capacite_, 0)) {
        points.remove(points.constBegin()->key);
    }
}

bool Trace_Graphe::Visible() const {
    return graphe_->visible();
}

void Trace_Graphe::Definir_Visible(bool visible) {
    graphe_->setVisible(visible);
    Redessiner();
}

void Trace_Graphe::Definir_Axe_Y(Axe_Graphe& axe) {
    axe_y_ = &axe;
    graphe_->setValueAxis(axe.Axe_QCP());
    Redessiner();
}

QColor Trace_Graphe::Couleur() const {
    return graphe_->pen().color();
}

void Trace_Graphe::Definir_Couleur(const QColor& couleur) {
    QPen stylo = graphe_->pen();
    stylo.setColor(couleur);
    graphe_->setPen(stylo);
    Redessiner();
}

void Trace_Graphe::Definir_Style_Ligne(int style) {
    style_ = style;
    QPen stylo = graphe_->pen();
    switch (style) {
        case Style_Aucun:
            stylo.setStyle(Qt::NoPen);
            break;
        case Style_Pointille:
            stylo.setStyle(Qt::DotLine);
            break;
        case Style_Tirets:
            stylo.setStyle(Qt::DashLine);
            break;
        case Style_Tiret_Point:
            stylo.setStyle(Qt::DashDotLine);
            break;
        default:
            stylo.setStyle(Qt::SolidLine);
            break;
    }
    graphe_->setPen(stylo);
    Redessiner();
}
