#include "curves/Axe_Graphe.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "core/Textes.h"

namespace {

// Days from 30/12/1899 (day 0 of the program's dates) to 01/01/1970 (second 0 of the ticker).
constexpr double Jours_1899_1970 = 25569.0;

// Beyond this QCustomPlot refuses a range; no date or measure comes near it.
constexpr double Limite_Absolue = 1e200;

bool Utilisable(double valeur) {
    return std::isfinite(valeur) && std::abs(valeur) < Limite_Absolue;
}

}  // namespace

Axe_Graphe::Axe_Graphe(QCPAxis* axe, const QString& nom, Nature nature, QObject* parent)
    : QObject(parent), axe_(axe), nom_(nom), nature_(nature) {
    const QCPRange plage = axe_->range();
    minimum_ = Depuis_Trace(plage.lower);
    maximum_ = Depuis_Trace(plage.upper);
    connect(axe_, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            &Axe_Graphe::Suivre_Utilisateur);
}

double Axe_Graphe::Vers_Trace(double valeur) const {
    if (nature_ == Nature::Valeur) return valeur;
    return (valeur - Jours_1899_1970) * static_cast<double>(Secondes_Par_Jour);
}

double Axe_Graphe::Depuis_Trace(double coordonnee) const {
    if (nature_ == Nature::Valeur) return coordonnee;
    return coordonnee / static_cast<double>(Secondes_Par_Jour) + Jours_1899_1970;
}

void Axe_Graphe::Definir_Minimum(double valeur) {
    if (!Utilisable(valeur)) return;
    minimum_ = valeur;
    Appliquer();
}

void Axe_Graphe::Definir_Maximum(double valeur) {
    if (!Utilisable(valeur)) return;
    maximum_ = valeur;
    Appliquer();
}

// The limits are kept as given, even in the wrong order or equal, since callers set them one
// at a time and read them back; only what is drawn is put in order and given some width.
void Axe_Graphe::Appliquer() {
    double bas = std::min(minimum_, maximum_);
    double haut = std::max(minimum_, maximum_);
    const double bas_trace = Vers_Trace(bas);
    const double haut_trace = Vers_Trace(haut);
    QCPRange plage(bas_trace, haut_trace);
    if (!(haut_trace - bas_trace > std::abs(bas_trace) * 1e-12)) {
        const double demi = nature_ == Nature::Temps ? 30.0 : std::max(1.0, std::abs(bas) / 100);
        plage = QCPRange(bas_trace - demi, haut_trace + demi);
    }
    application_en_cours_ = true;
    axe_->setRange(plage);
    application_en_cours_ = false;
    Redessiner();
    emit Limites_Changees();
}

void Axe_Graphe::Suivre_Utilisateur(const QCPRange& plage) {
    if (application_en_cours_) return;
    minimum_ = Depuis_Trace(plage.lower);
    maximum_ = Depuis_Trace(plage.upper);
    emit Limites_Changees();
}

void Axe_Graphe::Auto_Echelle() {
    bool trouve_total = false;
    QCPRange total;
    for (QCPAbstractPlottable* trace : axe_->plottables()) {
        if (!trace->visible()) continue;
        bool trouve = false;
        QCPRange plage;
        if (trace->keyAxis() == axe_) {
            plage = trace->getKeyRange(trouve);
        } else if (trace->valueAxis() == axe_) {
            plage = trace->getValueRange(trouve);
        }
        if (!trouve) continue;
        if (trouve_total) {
            total.expand(plage);
        } else {
            total = plage;
            trouve_total = true;
        }
    }
    if (!trouve_total) return;
    minimum_ = Depuis_Trace(total.lower);
    maximum_ = Depuis_Trace(total.upper);
    Appliquer();
}

void Axe_Graphe::Redessiner() {
    axe_->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
}

QString Axe_Graphe::Legende() const {
    return axe_->label();
}

void Axe_Graphe::Definir_Legende(const QString& texte) {
    axe_->setLabel(texte);
    Redessiner();
}

bool Axe_Graphe::Visible() const {
    return axe_->visible();
}

void Axe_Graphe::Definir_Visible(bool visible) {
    axe_->setVisible(visible);
    Redessiner();
}
