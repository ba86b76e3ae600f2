#include "printing/Graphe_Page.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Textes.h"
#include "printing/Page_Rapport.h"

namespace Graphe_Page {

namespace {

using Document_PDF::Document;
using Page_Rapport::Corps;
using Page_Rapport::Police;
using Page_Rapport::Texte_Boite;

constexpr double Trait_Courbe_mm = 0.3;

struct Echelle {
    double bas = 0, haut = 1;
    bool Vide() const { return !(haut > bas); }
};

// The extent of the values of the curves on one side over the time shown, with 5 % of room
// above and below so that no curve runs along the frame.
Echelle Ajuster(const Graphe& g, bool droite, const Plage_Dates& temps) {
    double bas = std::numeric_limits<double>::infinity();
    double haut = -bas;
    for (const Courbe& c : g.courbes) {
        if (c.axe_droit != droite) continue;
        for (const QPointF& p : c.points) {
            if (p.x() < temps.de || p.x() > temps.a) continue;
            bas = std::min(bas, p.y());
            haut = std::max(haut, p.y());
        }
    }
    if (!droite) {
        for (const Ligne_Limite& l : g.limites) {
            bas = std::min(bas, l.valeur);
            haut = std::max(haut, l.valeur);
        }
    }
    if (!std::isfinite(bas)) return {0, 1};
    if (droite && g.droite_depuis_zero) bas = std::min(bas, 0.0);
    if (haut - bas < 1e-6) {
        bas -= 1;
        haut += 1;
    }
    const double marge = 0.05 * (haut - bas);
    return {droite && g.droite_depuis_zero && bas >= 0 ? bas : bas - marge, haut + marge};
}

Plage_Dates Temps_Montre(const Graphe& g) {
    if (g.temps) return *g.temps;
    Plage_Dates t{std::numeric_limits<double>::infinity(),
                  -std::numeric_limits<double>::infinity()};
    for (const Courbe& c : g.courbes) {
        if (c.points.empty()) continue;
        t.de = std::min(t.de, c.points.front().x());
        t.a = std::max(t.a, c.points.back().x());
    }
    if (!std::isfinite(t.de)) return {0, 1};
    if (t.a <= t.de) t.a = t.de + 1.0 / 24;
    return t;
}

QString Texte_Graduation(double valeur, int decimales) {
    QString texte = QString::number(valeur, 'f', decimales);
    if (texte.startsWith(QLatin1Char('-')) && texte.toDouble() == 0) texte.remove(0, 1);
    return texte;
}

// The legend: the title, then each curve and limit with a sample of its line, as many on a row
// as fit. Returns the height it took.
double Legende(Document& d, const QRectF& zone, const Graphe& g) {
    const Police police = Corps(7);
    const double echantillon = 6;
    const double ecart = 4;
    double x = zone.left();
    double y = zone.top();
    if (!g.titre.isEmpty()) {
        const Police gras = Corps(8, true);
        d.Texte(QPointF(x, y + gras.Hampe()), g.titre, gras.police, gras.corps);
        x += gras.Largeur(g.titre) + ecart;
    }
    struct Element {
        QString libelle;
        Document_PDF::Couleur couleur;
        Document_PDF::Tirets tirets;
    };
    std::vector<Element> elements;
    for (const Courbe& c : g.courbes) {
        if (!c.libelle.isEmpty()) elements.push_back({c.libelle, c.couleur, c.tirets});
    }
    for (const Ligne_Limite& l : g.limites)
        elements.push_back({l.libelle, l.couleur, Document_PDF::Tirets::Tirets});
    for (const Element& e : elements) {
        const double largeur = echantillon + 1 + police.Largeur(e.libelle);
        if (x + largeur > zone.right() && x > zone.left()) {
            x = zone.left();
            y += police.Interligne();
        }
        const double milieu = y + police.Hampe() * 0.65;
        d.Trait(e.couleur, Trait_Courbe_mm, e.tirets);
        d.Ligne(QPointF(x, milieu), QPointF(x + echantillon, milieu));
        d.Texte(QPointF(x + echantillon + 1, y + police.Hampe()), e.libelle, police.police,
                police.corps);
        x += largeur + ecart;
    }
    return y + police.Interligne() - zone.top();
}

// The time labels: at both ends and evenly between, as many as fit side by side, never fewer
// than four; the date over the time when four would not fit on one line.
void Etiquettes_Temps(Document& d, const QRectF& trace, const Plage_Dates& t, double y) {
    const Police police = Corps(7);
    const double largeur_label = police.Largeur(QStringLiteral("00/00/0000 00:00:00")) + 3;
    // The end labels stand inside the axis: the first one and its neighbour need one and a half
    // labels of room between them.
    int nombre = static_cast<int>(trace.width() / (1.5 * largeur_label)) + 1;
    const bool deux_lignes = nombre < 4;
    nombre = std::clamp(nombre, 4, 9);
    d.Trait(Document_PDF::Noir, 0.2);
    for (int i = 0; i < nombre; ++i) {
        const double date = t.de + (t.a - t.de) * i / (nombre - 1);
        const double x = trace.left() + trace.width() * i / (nombre - 1);
        d.Ligne(QPointF(x, trace.bottom()), QPointF(x, trace.bottom() + 1));
        const QString texte =
            deux_lignes ? Texte_Date(date) + QLatin1Char('\n') + Texte_Date_Heure(date).mid(11)
                        : Texte_Date_Heure(date);
        const int alignement = i == 0            ? Page_Rapport::A_Gauche
                               : i == nombre - 1 ? Page_Rapport::A_Droite
                                                 : Page_Rapport::Au_Centre;
        const double l = largeur_label;
        const double gauche = i == 0 ? x : i == nombre - 1 ? x - l : x - l / 2;
        Texte_Boite(d, QRectF(gauche, y, l, 0), texte, police, alignement, 2);
    }
}

// The ticks and their labels of one value axis, and the light grid across the plot.
void Axe_Valeurs(Document& d, const QRectF& trace, const Echelle& e, bool droite,
                 const QString& unite) {
    const Police police = Corps(7);
    const Graduations g = Graduer(e.bas, e.haut, 6);
    for (double v : g.valeurs) {
        const double y = trace.bottom() - (v - e.bas) / (e.haut - e.bas) * trace.height();
        if (!droite) {
            d.Trait({0xdd, 0xdd, 0xdd}, 0.15);
            d.Ligne(QPointF(trace.left(), y), QPointF(trace.right(), y));
        }
        d.Trait(Document_PDF::Noir, 0.2);
        const double x = droite ? trace.right() : trace.left();
        d.Ligne(QPointF(x, y), QPointF(droite ? x + 1 : x - 1, y));
        const QRectF boite(droite ? x + 1.5 : x - 16.5, y - police.Interligne() / 2, 15,
                           police.Interligne());
        Texte_Boite(
            d, boite, Texte_Graduation(v, g.decimales), police,
            (droite ? Page_Rapport::A_Gauche : Page_Rapport::A_Droite) | Page_Rapport::Au_Milieu);
    }
    Texte_Boite(d,
                QRectF(droite ? trace.right() - 40 : trace.left(),
                       trace.top() - police.Interligne() - 0.5, 40, 0),
                unite, police, droite ? Page_Rapport::A_Droite : Page_Rapport::A_Gauche);
}

// One curve in page coordinates, reduced to what the page can show; the points just outside
// the time shown are kept so that the line reaches the frame.
void Tracer(Document& d, const QRectF& trace, const Courbe& c, const Plage_Dates& t,
            const Echelle& e) {
    if (c.points.empty()) return;
    const auto debut = std::lower_bound(c.points.begin(), c.points.end(), t.de,
                                        [](const QPointF& a, double x) { return a.x() < x; });
    const auto fin = std::upper_bound(c.points.begin(), c.points.end(), t.a,
                                      [](double x, const QPointF& a) { return x < a.x(); });
    const auto de = debut == c.points.begin() ? debut : debut - 1;
    const auto a = fin == c.points.end() ? fin : fin + 1;
    std::vector<QPointF> page;
    page.reserve(static_cast<std::size_t>(a - de));
    const double kx = trace.width() / (t.a - t.de);
    const double ky = trace.height() / (e.haut - e.bas);
    for (auto i = de; i != a; ++i) {
        page.emplace_back(trace.left() + (i->x() - t.de) * kx,
                          trace.bottom() - (i->y() - e.bas) * ky);
    }
    d.Trait(c.couleur, Trait_Courbe_mm, c.tirets);
    d.Polyligne(Reduire(page, trace.left(), Trait_Courbe_mm));
}

}  // namespace

std::vector<QPointF> Reduire(const std::vector<QPointF>& points, double gauche, double colonne) {
    std::vector<QPointF> reduits;
    std::size_t i = 0;
    while (i < points.size()) {
        const double numero = std::floor((points[i].x() - gauche) / colonne);
        std::size_t bas = i, haut = i, j = i;
        // Page y grows downwards: the lowest value is the largest y.
        for (; j < points.size() && std::floor((points[j].x() - gauche) / colonne) == numero; ++j) {
            if (points[j].y() > points[bas].y()) bas = j;
            if (points[j].y() < points[haut].y()) haut = j;
        }
        std::size_t garder[] = {i, std::min(bas, haut), std::max(bas, haut), j - 1};
        for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0 && garder[k] == garder[k - 1]) continue;
            reduits.push_back(points[garder[k]]);
        }
        i = j;
    }
    return reduits;
}

Graduations Graduer(double bas, double haut, int nombre) {
    Graduations g;
    if (!(haut > bas) || nombre < 1) return g;
    const double brut = (haut - bas) / nombre;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    double pas = puissance * 10;
    int decimales = std::max(0, -static_cast<int>(std::floor(std::log10(puissance))) - 1);
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * puissance >= brut) {
            pas = m * puissance;
            decimales = std::max(
                0, -static_cast<int>(std::floor(std::log10(puissance))) + (m == 2.5 ? 1 : 0));
            break;
        }
    }
    g.decimales = decimales;
    for (double v = std::ceil(bas / pas - 1e-9) * pas; v <= haut + pas * 1e-9; v += pas) {
        g.valeurs.push_back(std::abs(v) < pas * 1e-9 ? 0 : v);
    }
    return g;
}

void Dessiner(Document& d, const QRectF& cible, const Graphe& g) {
    const Police police = Corps(7);
    const double legende = Legende(d, cible, g);
    const bool droite = !g.unite_droite.isEmpty();
    QRectF zone(cible.left() + 17, cible.top() + legende + police.Interligne() * 1.6,
                cible.width() - 17 - (droite ? 17 : 3), 0);
    zone.setBottom(cible.bottom() - police.Interligne() * 2.2);
    const Plage_Dates t = Temps_Montre(g);
    const Echelle gauche = Ajuster(g, false, t);
    const Echelle echelle_droite = Ajuster(g, true, t);
    Axe_Valeurs(d, zone, gauche, false, g.unite_gauche);
    if (droite) Axe_Valeurs(d, zone, echelle_droite, true, g.unite_droite);
    Etiquettes_Temps(d, zone, t, zone.bottom() + 1.5);

    d.Limiter(zone);
    for (const Ligne_Limite& l : g.limites) {
        const double y =
            zone.bottom() - (l.valeur - gauche.bas) / (gauche.haut - gauche.bas) * zone.height();
        d.Trait(l.couleur, Trait_Courbe_mm, Document_PDF::Tirets::Tirets);
        d.Ligne(QPointF(zone.left(), y), QPointF(zone.right(), y));
    }
    for (const Courbe& c : g.courbes)
        Tracer(d, zone, c, t, c.axe_droit ? echelle_droite : gauche);
    d.Fin_Limite();
    d.Trait(Document_PDF::Noir, 0.2);
    d.Rectangle(zone);
}

}  // namespace Graphe_Page
