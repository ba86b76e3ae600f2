// Curves drawn straight onto a report's page, as vectors: the one-page report's temperature and
// humidity (or cooking value) with its thresholds, and the study report's overlay of every
// recording on one time axis. No graph control and no window: a few thousand line segments and a
// hundred texts on Document_PDF, so that the command line makes a report in a few milliseconds.
//
// A page cannot show more than one point per column of its resolution: each curve is reduced, in
// each column of about a pen's width, to its first, lowest, highest and last points, in their
// order. What is drawn then looks the same, and no excursion is lost, however short.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "core/Plage_Dates.h"
#include "printing/Document_PDF.h"

namespace Graphe_Page {

struct Courbe {
    QString libelle;  // in the legend
    Document_PDF::Couleur couleur;
    Document_PDF::Tirets tirets = Document_PDF::Tirets::Plein;
    bool axe_droit = false;
    std::vector<QPointF> points;  // x a day count, y the value; in time order
};

// A limit drawn dashed across the whole plot, against the left axis.
struct Ligne_Limite {
    QString libelle;
    Document_PDF::Couleur couleur;
    double valeur = 0;
};

struct Graphe {
    QString titre;                       // bold at the head of the legend: the logger's identity
    QString unite_gauche, unite_droite;  // over each axis; no right axis when empty
    std::vector<Courbe> courbes;
    std::vector<Ligne_Limite> limites;
    std::optional<Plage_Dates> temps;  // the time shown; all of every curve when empty
    bool droite_depuis_zero = false;   // the right axis starts at 0 (a cooking value)
};

// Draws the graph into `cible`, legend above, time labels below.
void Dessiner(Document_PDF::Document& document, const QRectF& cible, const Graphe& graphe);

// The points of a polyline in page coordinates that draw the same at columns `colonne` wide
// from `gauche`: in each column the first, lowest, highest and last points, in their order.
std::vector<QPointF> Reduire(const std::vector<QPointF>& points, double gauche, double colonne);

// Round values from `bas` to `haut` (steps of 1, 2, 2.5 or 5 times a power of ten), about
// `nombre` of them; and how many decimals their labels need.
struct Graduations {
    std::vector<double> valeurs;
    int decimales = 0;
};
Graduations Graduer(double bas, double haut, int nombre);

}  // namespace Graphe_Page
