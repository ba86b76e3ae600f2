#include "printing/Rapport.h"

#include "cooking/Calcul_Cuisson.h"
#include "cooking/Parametres_Cuisson.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "criteria/Evaluation_Texte.h"
#include "files/Fichiers_Disque.h"
#include "printing/Graphe_Page.h"
#include "printing/Page_Rapport.h"
#include "stats/Statistiques_Texte.h"

namespace Rapport {

namespace {

using Page_Rapport::Corps;
using Page_Rapport::Document;
using Page_Rapport::Page;

// The running cooking value of the calculation the recording carries, as the cooking window
// draws it, computed on a copy: the recording stays as it is.
std::vector<QPointF> Courbe_Cuisson(const Etat& etat) {
    const auto choix = Parametres_Calcul(etat, etat.Num_Recette);
    if (!choix) return {};
    const auto copie = std::make_unique<Etat>(etat);
    Maximum_Cuisson maximum;
    if (!Calcul_Valeur_Cuisson(*copie, maximum, choix->temp_ref, choix->valeur_z,
                               choix->temp_dep)) {
        return {};
    }
    std::vector<QPointF> points;
    const int nombre = Enregistrements_Lisibles(*copie);
    points.reserve(static_cast<std::size_t>(nombre));
    for (int i = 1; i <= nombre; ++i)
        points.emplace_back(copie->Mesures(i).Date_Heure, copie->Mesures(i).Humidite);
    return points;
}

// The curves as the graph shows them (temperature, and the humidity of a 7307 or the running
// cooking value on the right), with the two thresholds across the range drawn.
void Dessiner_Courbes(const Contenu_Rapport& c, Document& document, const QRectF& cible) {
    const Etat& etat = *c.etat;
    Graphe_Page::Graphe g;
    g.titre = etat.Identite_Logger;
    g.unite_gauche = QStringLiteral("Température ") + Unite_Temperature(etat.Unite);
    g.temps = c.vue;
    const int enregistrements = Enregistrements_Lisibles(etat);
    const bool humidite = Est_Modele_7307(etat.Version_Logger);
    Graphe_Page::Courbe temperature{
        QStringLiteral("Température"), {0xc0, 0x39, 0x2b}, Document_PDF::Tirets::Plein, false, {}};
    Graphe_Page::Courbe seconde{
        humidite ? QStringLiteral("Hygrométrie") : QStringLiteral("Valeur de cuisson"),
        {0x1f, 0x5f, 0xbf},
        Document_PDF::Tirets::Plein,
        true,
        {}};
    temperature.points.reserve(static_cast<std::size_t>(enregistrements));
    for (int i = 1; i <= enregistrements; ++i) {
        const Mesure& m = etat.Mesures(i);
        temperature.points.emplace_back(m.Date_Heure, m.Temperature);
    }
    g.courbes.push_back(std::move(temperature));
    if (humidite || c.cuisson) {
        // The running cooking value is what the cooking window draws on its second axis.
        std::vector<QPointF> valeurs;
        if (humidite) {
            for (int i = 1; i <= enregistrements; ++i)
                valeurs.emplace_back(etat.Mesures(i).Date_Heure, etat.Mesures(i).Humidite);
        } else {
            valeurs = Courbe_Cuisson(etat);
        }
        seconde.points = std::move(valeurs);
        g.unite_droite = humidite ? QStringLiteral("Hygrométrie %Hr")
                                  : QStringLiteral("Valeur Cuisson (minutes)");
        g.droite_depuis_zero = !humidite;
        g.courbes.push_back(std::move(seconde));
    }
    const QString unite = QLatin1Char(' ') + Unite_Temperature(etat.Unite) + QLatin1Char(')');
    // Colours of their own: neither the temperature's red nor the second curve's blue.
    g.limites.push_back(
        {QStringLiteral("Seuil haut (") + Texte_Single(c.parametres.seuil_haut) + unite,
         Document_PDF::Couleur{0xe6, 0x7e, 0x22}, c.parametres.seuil_haut});
    g.limites.push_back(
        {QStringLiteral("Seuil bas (") + Texte_Single(c.parametres.seuil_bas) + unite,
         Document_PDF::Couleur{0x16, 0xa0, 0x85}, c.parametres.seuil_bas});
    Graphe_Page::Dessiner(document, cible, g);
}

void Dessiner_Enregistrement(const Contenu_Rapport& c, Page& page) {
    const Etat& etat = *c.etat;
    page.Titre_Section(QStringLiteral("Enregistrement"));
    const double demi = page.Largeur() / 2;
    const double x1 = page.Gauche();
    const double x2 = page.Gauche() + demi + (2);
    const int enregistrements = Enregistrements_Lisibles(etat);
    const auto rangee = [&](const QString& l1, const QString& v1, const QString& l2,
                            const QString& v2) {
        const double h = std::max(page.Champ(x1, demi - (2), l1, v1, 0.42, 1),
                                  page.Champ(x2, demi - (2), l2, v2, 0.42, 1));
        page.Descendre(h);
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
        page.Descendre(h);
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
        page.Texte(x1, largeur * 0.21, QStringLiteral("SHA-256"), Corps(8), Page_Rapport::A_Gauche,
                   1, {0x44, 0x44, 0x44});
        const double h = page.Texte(x1 + largeur * 0.21, largeur * 0.79, c.sha256, Corps(7.5));
        page.Descendre(h);
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
        const double x = page.Gauche() + static_cast<double>(colonne) * (demi + (2));
        for (qsizetype i = colonne * moitie; i < std::min(lignes.size(), (colonne + 1) * moitie);
             ++i) {
            page.Descendre(
                page.Champ(x, demi - (2), lignes[i].libelle, lignes[i].valeur, 0.5, 2, 7.5));
        }
        fin = std::max(fin, page.Y());
    }
    page.Aller(fin);
}

// Each rule of the chosen set with its value, limit and verdict, over the whole recording
// whatever range is drawn, then the verdict.
void Dessiner_Criteres(const Criteres_Rapport& c, const QString& unite, Page& page) {
    page.Titre_Section(Criteres::Titre_Jeu(c.jeu) + QStringLiteral(" (tout l'enregistrement)"));
    QStringList lignes;
    if (c.evaluation.incomplet)
        lignes << QStringLiteral("Enregistrement ") + *c.evaluation.incomplet;
    for (const Criteres::Evaluation& r : c.evaluation.regles)
        lignes << Criteres::Ligne_Regle(r, c.jeu, unite);
    for (const QString& ligne : lignes)
        page.Descendre(page.Texte(page.Gauche(), page.Largeur(), ligne, Corps(8)));
    page.Descendre(2);
    page.Verdict(c.evaluation.verdict);
}

// The height the rules take, in millimetres: the curves give up what the page lacks.
double Hauteur_Criteres_mm(const Criteres_Rapport& c) {
    const auto lignes = c.evaluation.regles.size() + (c.evaluation.incomplet ? 1 : 0);
    return 8 + 3.8 * static_cast<double>(lignes) + 15;
}

}  // namespace

QByteArray Pages(const Contenu_Rapport& c) {
    return Page_Rapport::Fichier(
        QStringLiteral("Rapport d'enregistrement"), [&](Document& document) {
            Page page(document);
            page.En_Tete(QStringLiteral("Rapport d'enregistrement"), c.edite_le);
            Dessiner_Enregistrement(c, page);

            page.Descendre(2);
            const double hauteur =
                c.criteres ? std::min(86.0, 86 - (Hauteur_Criteres_mm(*c.criteres) - 45)) : 86;
            const QRectF zone(page.Gauche(), page.Y(), page.Largeur(), (hauteur));
            Dessiner_Courbes(c, document, zone);
            page.Descendre(hauteur);

            Dessiner_Statistiques(c, page);
            if (c.cuisson) {
                page.Titre_Section(QStringLiteral("Calcul de cuisson"));
                const double h = page.Texte(page.Gauche(), page.Largeur(), *c.cuisson, Corps(8),
                                            Page_Rapport::A_Gauche);
                page.Descendre(h);
            }
            if (c.criteres) Dessiner_Criteres(*c.criteres, Unite_Temperature(c.etat->Unite), page);
            page.Visa();
        });
}

Import_Export::Resultat_Ecriture Ecrire(const Contenu_Rapport& contenu, const QString& chemin,
                                        Import_Export::Cause_Ecriture* cause) {
    return Import_Export::Ecriture_Atomique(chemin, Pages(contenu), cause);
}

}  // namespace Rapport
