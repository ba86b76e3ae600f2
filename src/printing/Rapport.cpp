#include "printing/Rapport.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include "core/Etat.h"
#include "core/Programme.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "files/Fichiers_Disque.h"
#include "stats/Statistiques_Texte.h"

namespace Rapport {

namespace {

constexpr int Resolution = 600;  // dots an inch: the page's own unit here
constexpr double Marge_mm = 15;
constexpr double Largeur_Page_mm = 210;

double Points(double mm) {
    return mm * Resolution / 25.4;
}

QFont Police(double points, bool grasse = false, bool fixe = false) {
    QFont police(fixe ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    police.setStyleHint(fixe ? QFont::TypeWriter : QFont::SansSerif);
    police.setPointSizeF(points);
    police.setBold(grasse);
    return police;
}

// Writes down the page, top to bottom, and tells where it stands.
class Page {
  public:
    Page(QPainter& peintre) : peintre_(peintre), y_(Points(12)) {}

    double Gauche() const { return Points(Marge_mm); }
    double Largeur() const { return Points(Largeur_Page_mm - 2 * Marge_mm); }
    double Y() const { return y_; }
    void Descendre(double mm) { y_ += Points(mm); }
    void Descendre_De(double points) { y_ += points; }
    void Aller(double y) { y_ = y; }

    // Text in a box of the given width from x, on as many lines as it needs up to
    // `lignes_max` (then cut in its middle); returns the height it took.
    double Texte(double x, double largeur, const QString& texte, const QFont& police,
                 int drapeaux = Qt::AlignLeft, int lignes_max = 1) {
        peintre_.setFont(police);
        const QFontMetricsF mesure(police, peintre_.device());
        QString montre = texte;
        if (lignes_max == 1) {
            montre = mesure.elidedText(texte, Qt::ElideMiddle, largeur);
        } else {
            drapeaux |= Qt::TextWordWrap;
        }
        const double hauteur =
            std::min(mesure.boundingRect(QRectF(0, 0, largeur, 1e9), drapeaux, montre).height(),
                     mesure.lineSpacing() * lignes_max);
        peintre_.drawText(QRectF(x, y_, largeur, hauteur), drapeaux, montre);
        return std::max(hauteur, mesure.lineSpacing());
    }

    void Titre_Section(const QString& titre) {
        Descendre(2);
        y_ += Texte(Gauche(), Largeur(), titre, Police(10, true), Qt::AlignLeft);
        peintre_.setPen(QPen(Qt::gray, Points(0.2)));
        peintre_.drawLine(QPointF(Gauche(), y_), QPointF(Gauche() + Largeur(), y_));
        peintre_.setPen(Qt::black);
        Descendre(1.2);
    }

    // Label and value side by side, in a column starting at x; each on up to `lignes_max`
    // lines. Returns the height of the row.
    double Champ(double x, double largeur, const QString& libelle, const QString& valeur,
                 double part_libelle, int lignes_max, double points = 8) {
        if (valeur.isEmpty()) {
            return Texte(x, largeur, libelle, Police(points, true), Qt::AlignLeft, lignes_max);
        }
        peintre_.setPen(QColor(0x44, 0x44, 0x44));
        const double h1 = Texte(x, largeur * part_libelle - Points(1), libelle, Police(points),
                                Qt::AlignLeft, lignes_max);
        peintre_.setPen(Qt::black);
        const double h2 = Texte(x + largeur * part_libelle, largeur * (1 - part_libelle), valeur,
                                Police(points), Qt::AlignLeft, lignes_max);
        return std::max(h1, h2);
    }

    QPainter& Peintre() { return peintre_; }

  private:
    QPainter& peintre_;
    double y_;
};

// The curves as the graph shows them, with the two thresholds across the range drawn.
void Dessiner_Courbes(const Contenu_Rapport& c, QPainter& peintre, const QRectF& cible) {
    const Etat& etat = *c.etat;
    CWGraph graphe;
    // Laid out as on a screen, without showing it anywhere.
    graphe.setAttribute(Qt::WA_DontShowOnScreen);
    graphe.resize(900, 430);
    graphe.show();
    Graphique::Affiche_Courbes(etat, graphe);
    if (c.cuisson) Graphique::Affiche_Courbe_Cuisson(etat, graphe);
    graphe.Definir_Legende(etat.Identite_Logger);
    Axe_Graphe& temps = graphe.Axes(Numeros_Graphe::XAxis);
    if (c.vue) {
        temps.Definir_Minimum(c.vue->de);
        temps.Definir_Maximum(c.vue->a);
    }
    const struct {
        int plot;
        float seuil;
        const char* libelle;
        QColor couleur;
    } seuils[] = {
        // Colours of their own: neither the temperature's red nor the second curve's blue.
        {Numeros_Graphe::Consigne_Maxi, c.parametres.seuil_haut, "Seuil haut",
         QColor(0xe6, 0x7e, 0x22)},
        {Numeros_Graphe::Consigne_Mini, c.parametres.seuil_bas, "Seuil bas",
         QColor(0x16, 0xa0, 0x85)},
    };
    // Every line of the legend shows on the plot: the scale reaches both thresholds.
    Axe_Graphe& echelle = graphe.Axes(Numeros_Graphe::YAxis_Temp);
    const double bas = std::min<double>(echelle.Minimum(), c.parametres.seuil_bas);
    const double haut = std::max<double>(echelle.Maximum(), c.parametres.seuil_haut);
    const double marge = 0.05 * (haut - bas);
    if (bas < echelle.Minimum()) echelle.Definir_Minimum(bas - marge);
    if (haut > echelle.Maximum()) echelle.Definir_Maximum(haut + marge);
    for (const auto& s : seuils) {
        Trace_Graphe& ligne = graphe.Plots(s.plot);
        ligne.Effacer();
        ligne.Ajouter_Point(temps.Minimum(), s.seuil);
        ligne.Ajouter_Point(temps.Maximum(), s.seuil);
        ligne.Definir_Couleur(s.couleur);
        ligne.Definir_Style_Ligne(Trace_Graphe::Style_Tirets);
        ligne.Definir_Libelle(QString::fromUtf8(s.libelle) + QStringLiteral(" (") +
                              Texte_Single(s.seuil) + QLatin1Char(' ') +
                              Unite_Temperature(etat.Unite) + QLatin1Char(')'));
        ligne.Definir_Visible(true);
    }
    // Twice: the date labels take the room the first layout gave them.
    graphe.Redessiner_Maintenant();
    graphe.Redessiner_Maintenant();
    graphe.Dessiner(peintre, cible);
}

void Dessiner_Enregistrement(const Contenu_Rapport& c, Page& page) {
    const Etat& etat = *c.etat;
    page.Titre_Section(QStringLiteral("Enregistrement"));
    const double demi = page.Largeur() / 2;
    const double x1 = page.Gauche();
    const double x2 = page.Gauche() + demi + Points(2);
    const int enregistrements = Enregistrements_Lisibles(etat);
    const auto rangee = [&](const QString& l1, const QString& v1, const QString& l2,
                            const QString& v2) {
        const double h = std::max(page.Champ(x1, demi - Points(2), l1, v1, 0.42, 1),
                                  page.Champ(x2, demi - Points(2), l2, v2, 0.42, 1));
        page.Descendre_De(h);
    };
    rangee(QStringLiteral("Logger"), etat.Identite_Logger, QStringLiteral("Modèle"),
           Modele(etat.Version_Logger));
    rangee(QStringLiteral("Période"),
           etat.Periode_Enreg > 0 ? Statistiques::Texte_Duree(etat.Periode_Enreg)
                                  : QStringLiteral("inconnue"),
           QStringLiteral("Nombre de mesures"), QString::number(enregistrements));
    rangee(QStringLiteral("Première mesure"),
           enregistrements > 0 ? Texte_Date_Heure(etat.Mesures(1).Date_Heure) : QStringLiteral("-"),
           QStringLiteral("Dernière mesure"),
           enregistrements > 0 ? Texte_Date_Heure(etat.Mesures(enregistrements).Date_Heure)
                               : QStringLiteral("-"));
    const double largeur = page.Largeur();
    const auto pleine = [&](const QString& libelle, const QString& valeur, int lignes) {
        const double h = page.Champ(x1, largeur, libelle, valeur, 0.21, lignes);
        page.Descendre_De(h);
    };
    if (Enregistrement_Incomplet(etat)) {
        pleine(QStringLiteral("Attention"),
               QStringLiteral("enregistrement ") +
                   Texte_Incomplet(enregistrements, Enregistrements_Annonces(etat)),
               1);
    }
    pleine(QStringLiteral("Commentaire"),
           etat.Commentaire.isEmpty() ? QStringLiteral("-") : etat.Commentaire, 2);
    pleine(QStringLiteral("Fichier"),
           c.fichier.isEmpty() ? QStringLiteral("non enregistré") : c.fichier, 1);
    if (!c.sha256.isEmpty()) {
        page.Peintre().setPen(QColor(0x44, 0x44, 0x44));
        page.Texte(x1, largeur * 0.21, QStringLiteral("SHA-256"), Police(8), Qt::AlignLeft);
        page.Peintre().setPen(Qt::black);
        const double h = page.Texte(x1 + largeur * 0.21, largeur * 0.79, c.sha256,
                                    Police(7.5, false, true), Qt::AlignLeft);
        page.Descendre_De(h);
    } else if (!c.remarque_fichier.isEmpty()) {
        pleine(QStringLiteral("SHA-256"), c.remarque_fichier, 1);
    }
}

void Dessiner_Statistiques(const Contenu_Rapport& c, Page& page) {
    page.Titre_Section(QStringLiteral("Statistiques"));
    const QList<Statistiques::Ligne> lignes =
        Statistiques::Lignes_Statistiques(Statistiques::Calcul_Statistiques(*c.etat, c.parametres));
    qsizetype moitie = (lignes.size() + 1) / 2;
    // A row and the "… le" rows that date it stay in one column.
    while (moitie < lignes.size() && lignes[moitie].libelle.startsWith(QStringLiteral("…")))
        ++moitie;
    const double demi = page.Largeur() / 2;
    const double depart = page.Y();
    double fin = depart;
    for (qsizetype colonne = 0; colonne < 2; ++colonne) {
        page.Aller(depart);
        const double x = page.Gauche() + static_cast<double>(colonne) * (demi + Points(2));
        for (qsizetype i = colonne * moitie; i < std::min(lignes.size(), (colonne + 1) * moitie);
             ++i) {
            page.Descendre_De(
                page.Champ(x, demi - Points(2), lignes[i].libelle, lignes[i].valeur, 0.5, 2, 7.5));
        }
        fin = std::max(fin, page.Y());
    }
    page.Aller(fin);
}

void Dessiner_Visa(Page& page) {
    page.Titre_Section(QStringLiteral("Visa"));
    QPainter& p = page.Peintre();
    const QRectF cadre(page.Gauche(), page.Y(), page.Largeur(), Points(24));
    p.setPen(QPen(Qt::black, Points(0.3)));
    p.drawRect(cadre);
    const char* const champs[] = {"Nom", "Date", "Signature"};
    const double largeur = cadre.width() / 3;
    for (int i = 0; i < 3; ++i) {
        const double x = cadre.left() + i * largeur;
        if (i > 0) p.drawLine(QPointF(x, cadre.top()), QPointF(x, cadre.bottom()));
        p.setFont(Police(8, true));
        p.drawText(QRectF(x + Points(2), cadre.top() + Points(1.5), largeur, Points(5)),
                   Qt::AlignLeft, QString::fromUtf8(champs[i]));
    }
    page.Descendre(24);
}

}  // namespace

QByteArray Pages(const Contenu_Rapport& c) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setResolution(Resolution);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("Rapport d'enregistrement"));
        pdf.setCreator(Programme::Nom_Version());
        QPainter peintre(&pdf);
        Page page(peintre);

        page.Texte(page.Gauche(), page.Largeur(), QStringLiteral("Rapport d'enregistrement"),
                   Police(16, true), Qt::AlignLeft);
        page.Texte(page.Gauche(), page.Largeur(),
                   Programme::Nom_Version() + QStringLiteral(" — édité le ") +
                       Texte_Date_Heure(c.edite_le),
                   Police(8), Qt::AlignRight | Qt::AlignBottom);
        page.Descendre(9);
        Dessiner_Enregistrement(c, page);

        page.Descendre(2);
        const QRectF zone(page.Gauche(), page.Y(), page.Largeur(), Points(86));
        Dessiner_Courbes(c, peintre, zone);
        page.Descendre(86);

        Dessiner_Statistiques(c, page);
        if (c.cuisson) {
            page.Titre_Section(QStringLiteral("Calcul de cuisson"));
            const double h =
                page.Texte(page.Gauche(), page.Largeur(), *c.cuisson, Police(8), Qt::AlignLeft);
            page.Descendre_De(h);
        }
        Dessiner_Visa(page);
    }
    return octets;
}

Import_Export::Resultat_Ecriture Ecrire(const Contenu_Rapport& contenu, const QString& chemin,
                                        Import_Export::Cause_Ecriture* cause) {
    return Import_Export::Ecriture_Atomique(chemin, Pages(contenu), cause);
}

}  // namespace Rapport
