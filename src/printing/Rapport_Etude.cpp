#include "printing/Rapport_Etude.h"

#include <algorithm>

#include "core/Etat.h"
#include "core/Textes.h"
#include "criteria/Evaluation_Texte.h"
#include "curves/Teintes_Enregistrements.h"
#include "files/Fichiers_Disque.h"
#include "printing/Graphe_Page.h"
#include "printing/Page_Rapport.h"
#include "stats/Statistiques.h"
#include "stats/Statistiques_Texte.h"
#include "study/Etude_Texte.h"

namespace Rapport_Etude {

namespace {

using Page_Rapport::Corps;
using Page_Rapport::Document;
using Page_Rapport::Page;
using Statistiques::Texte_Duree;

// Recordings whose table row and file line fit on the first page, and on each page after.
constexpr std::size_t Premiere_Page = 8;
constexpr std::size_t Page_Suivante = 26;

constexpr double Police_Tableau = 6.5;

// The rules the study was judged by, with their limits, in two columns.
void Dessiner_Regles(const Contenu_Rapport_Etude& c, Page& page) {
    const Etude::Resultat& r = *c.resultat;
    page.Titre_Section(Criteres::Titre_Jeu(*c.jeu));
    QStringList lignes;
    // Every recording is judged by the same rules: the first one's list them.
    if (!r.enregistrements.empty()) {
        for (const Criteres::Evaluation& e : r.enregistrements.front().evaluation.regles)
            lignes << Criteres::Ligne_Limite(e, *c.jeu, c.unite);
    }
    if (c.jeu->maintien && !c.jeu->maintien->duree_min_s) {
        lignes << QStringLiteral("Température de process : %1 %2")
                      .arg(Texte_Single(c.jeu->maintien->temperature), c.unite);
    }
    if (r.equilibrage) lignes << Criteres::Ligne_Limite(*r.equilibrage, *c.jeu, c.unite);
    const qsizetype moitie = (lignes.size() + 1) / 2;
    const double demi = page.Largeur() / 2;
    const double depart = page.Y();
    double fin = depart;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (i == moitie) page.Aller(depart);
        const double x = page.Gauche() + (i < moitie ? 0 : demi + (2));
        page.Descendre(page.Texte(x, demi - (2), lignes[i], Corps(7.5)));
        fin = std::max(fin, page.Y());
    }
    page.Aller(fin);
}

// Every recording's temperature on one time axis, with the limits the rules draw.
void Dessiner_Superposition(const Contenu_Rapport_Etude& c, Document& document,
                            const QRectF& cible) {
    Graphe_Page::Graphe g;
    g.unite_gauche = QStringLiteral("Température ") + c.unite;
    const std::vector<Etude::Enregistrement>& liste = c.resultat->enregistrements;
    QStringList identites, fichiers;
    for (const Etude::Enregistrement& e : liste) {
        identites << e.identite;
        fichiers << e.fichier;
    }
    const QStringList noms = Etude::Noms_Legende(identites, fichiers);
    for (std::size_t rang = 0; rang < c.etats.size(); ++rang) {
        if (!c.etats[rang]) continue;
        const Etat& etat = *c.etats[rang];
        const Teinte_Enregistrement teinte = Teinte_De_Enregistrement(rang);
        Graphe_Page::Courbe courbe{noms.value(static_cast<qsizetype>(rang)),
                                   {teinte.rouge, teinte.vert, teinte.bleu},
                                   teinte.style == Qt::DashLine  ? Document_PDF::Tirets::Tirets
                                   : teinte.style == Qt::DotLine ? Document_PDF::Tirets::Points
                                                                 : Document_PDF::Tirets::Plein,
                                   false,
                                   {}};
        const int nombre = Enregistrements_Lisibles(etat);
        courbe.points.reserve(static_cast<std::size_t>(nombre));
        for (int i = 1; i <= nombre; ++i)
            courbe.points.emplace_back(etat.Mesures(i).Date_Heure, etat.Mesures(i).Temperature);
        g.courbes.push_back(std::move(courbe));
    }
    const QString unite = QLatin1Char(' ') + c.unite + QLatin1Char(')');
    const Criteres::Jeu_Criteres& jeu = *c.jeu;
    if (jeu.seuil_haut) {
        g.limites.push_back(
            {QStringLiteral("Seuil haut (") + Texte_Single(jeu.seuil_haut->limite) + unite,
             Document_PDF::Couleur{0xe6, 0x7e, 0x22}, jeu.seuil_haut->limite});
    }
    if (jeu.seuil_bas) {
        g.limites.push_back(
            {QStringLiteral("Seuil bas (") + Texte_Single(jeu.seuil_bas->limite) + unite,
             Document_PDF::Couleur{0x16, 0xa0, 0x85}, jeu.seuil_bas->limite});
    }
    if (jeu.maintien) {
        g.limites.push_back(
            {QStringLiteral("Tp (") + Texte_Single(jeu.maintien->temperature) + unite,
             Document_PDF::Couleur{0x70, 0x70, 0x70}, jeu.maintien->temperature});
    }
    Graphe_Page::Dessiner(document, cible, g);
}

struct Colonne {
    const char* titre;
    double part;  // of the page's width
};
const Colonne Colonnes[] = {
    {"Identité", 0.125}, {"Première mesure", 0.11}, {"Dernière mesure", 0.11}, {"Min", 0.07},
    {"Max", 0.07},       {"Moyenne", 0.075},        {"Tp atteinte", 0.11},     {"Maintien", 0.095},
    {"Cuisson", 0.08},   {"Verdict", 0.145},
};

// A stamp on two lines, the date over the time, so that the table's columns stay narrow.
QString Horodatage(double date) {
    const QString texte = Texte_Date_Heure(date);
    return texte.left(10) + QLatin1Char('\n') + texte.mid(11);
}

QStringList Cellules(const Contenu_Rapport_Etude& c, std::size_t rang) {
    const Etude::Enregistrement& e = c.resultat->enregistrements[rang];
    const Criteres::Evaluation_Enregistrement& v = e.evaluation;
    // A recording whose measures were not given has no figures of its own, only its verdict.
    const Statistiques::Resultat s = rang < c.etats.size() && c.etats[rang]
                                         ? Statistiques::Calcul_Statistiques(*c.etats[rang], {})
                                         : Statistiques::Resultat{};
    const QString tiret = QStringLiteral("-");
    QStringList cellules;
    cellules << (c.resultat->plus_froid == rang ? e.identite + QStringLiteral("\n(le plus froid)")
                                                : e.identite);
    cellules << (s.debut ? Horodatage(*s.debut) : tiret) << (s.fin ? Horodatage(*s.fin) : tiret);
    if (s.temperature) {
        cellules << Texte_Single(s.temperature->min) << Texte_Single(s.temperature->max)
                 << QString::number(s.temperature->moyenne, 'f', 1);
    } else {
        cellules << tiret << tiret << tiret;
    }
    cellules << (v.atteinte        ? Horodatage(*v.atteinte)
                 : c.jeu->maintien ? QStringLiteral("jamais")
                                   : tiret);
    cellules << (v.maintien_s ? Texte_Duree(*v.maintien_s) : tiret);
    cellules << (v.valeur_cuisson ? QStringLiteral("%1 min").arg(*v.valeur_cuisson) : tiret);
    cellules << Criteres::Texte_Verdict(v.verdict) +
                    (v.incomplet ? QStringLiteral("\n(incomplet)") : QString());
    return cellules;
}

// A row of the table; its texts on up to two lines. Returns its height.
double Rangee(Page& page, const QStringList& cellules, bool grasse,
              std::optional<Criteres::Verdict> verdict) {
    Document& d = page.Dessin();
    double x = page.Gauche();
    double hauteur = 0;
    const int derniere = static_cast<int>(std::size(Colonnes)) - 1;
    for (int i = 0; i <= derniere; ++i) {
        const double largeur = page.Largeur() * Colonnes[i].part;
        hauteur = std::max(
            hauteur,
            page.Texte(x, largeur - 1, cellules.value(i),
                       Corps(Police_Tableau, grasse || i == derniere), Page_Rapport::A_Gauche, 2,
                       verdict && i == derniere ? Page_Rapport::Couleur_Verdict(*verdict)
                                                : Document_PDF::Noir));
        x += largeur;
    }
    page.Descendre(hauteur + 0.6);
    d.Trait({0xbb, 0xbb, 0xbb}, 0.15);
    d.Ligne(QPointF(page.Gauche(), page.Y() - 0.3),
            QPointF(page.Gauche() + page.Largeur(), page.Y() - 0.3));
    return hauteur;
}

void Dessiner_Tableau(const Contenu_Rapport_Etude& c, Page& page, std::size_t de, std::size_t a,
                      bool suite) {
    page.Titre_Section(suite ? QStringLiteral("Enregistrements (suite)")
                             : QStringLiteral("Enregistrements"));
    QStringList titres;
    for (const Colonne& colonne : Colonnes)
        titres << QString::fromUtf8(colonne.titre);
    titres[3] += QStringLiteral(" (%1)").arg(c.unite);
    titres[4] += QStringLiteral(" (%1)").arg(c.unite);
    titres[5] += QStringLiteral(" (%1)").arg(c.unite);
    Rangee(page, titres, true, std::nullopt);
    for (std::size_t rang = de; rang < a; ++rang) {
        Rangee(page, Cellules(c, rang), c.resultat->plus_froid == rang,
               c.resultat->enregistrements[rang].evaluation.verdict);
    }
}

void Dessiner_Fichiers(const Contenu_Rapport_Etude& c, Page& page, std::size_t de, std::size_t a,
                       bool suite) {
    page.Titre_Section(suite ? QStringLiteral("Fichiers (suite)")
                             : QStringLiteral("Fichiers et empreintes SHA-256"));
    const double part = 0.53;
    for (std::size_t rang = de; rang < a; ++rang) {
        const Etude::Enregistrement& e = c.resultat->enregistrements[rang];
        page.Texte(page.Gauche(), page.Largeur() * part - (1),
                   e.identite + QStringLiteral(" : ") + e.fichier, Corps(Police_Tableau));
        page.Descendre(page.Texte(page.Gauche() + page.Largeur() * part,
                                  page.Largeur() * (1 - part), e.empreinte, Corps(6, false, true)));
    }
}

// The equilibration time and the coldest logger: what only the whole load says.
void Dessiner_Conclusion(const Contenu_Rapport_Etude& c, Page& page) {
    const Etude::Resultat& r = *c.resultat;
    QStringList lignes;
    if (r.equilibrage) {
        lignes << Criteres::Ligne_Regle(*r.equilibrage, *c.jeu, c.unite);
    } else if (r.equilibrage_s) {
        lignes << QStringLiteral("Équilibrage : ") + Texte_Duree(*r.equilibrage_s);
    } else if (c.jeu->maintien) {
        lignes << QStringLiteral(
            "Équilibrage : inconnu (il faut plusieurs enregistrements qui "
            "atteignent tous Tp)");
    }
    if (r.plus_froid) {
        lignes << QStringLiteral("Le plus froid : ") + r.enregistrements[*r.plus_froid].identite;
    }
    page.Descendre(1);
    for (const QString& ligne : lignes)
        page.Descendre(page.Texte(page.Gauche(), page.Largeur(), ligne, Corps(8)));
}

}  // namespace

int Nombre_Pages(std::size_t enregistrements) {
    if (enregistrements <= Premiere_Page) return 1;
    return 1 +
           static_cast<int>((enregistrements - Premiere_Page + Page_Suivante - 1) / Page_Suivante);
}

QByteArray Pages(const Contenu_Rapport_Etude& c) {
    return Page_Rapport::Fichier(QStringLiteral("Rapport d'étude"), [&](Document& document) {
        const std::size_t n = c.resultat->enregistrements.size();
        const int pages = Nombre_Pages(n);
        Page page(document);
        page.En_Tete(QStringLiteral("Rapport d'étude"), c.edite_le);
        page.Texte(page.Gauche(), page.Largeur(),
                   QStringLiteral("Étude de %1 enregistrement%2")
                       .arg(n)
                       .arg(n > 1 ? QStringLiteral("s") : QString()),
                   Corps(9));
        page.Descendre(4);
        Dessiner_Regles(c, page);
        page.Descendre(2);
        const double hauteur = 62;
        Dessiner_Superposition(c, document,
                               QRectF(page.Gauche(), page.Y(), page.Largeur(), (hauteur)));
        page.Descendre(hauteur);
        const std::size_t fin = std::min(n, Premiere_Page);
        Dessiner_Tableau(c, page, 0, fin, false);
        Dessiner_Conclusion(c, page);
        Dessiner_Fichiers(c, page, 0, fin, false);
        page.Descendre(3);
        page.Verdict(c.resultat->verdict);
        page.Visa();
        page.Pied(1, pages);
        for (int numero = 2; numero <= pages; ++numero) {
            document.Nouvelle_Page();
            const std::size_t de =
                Premiere_Page + Page_Suivante * static_cast<std::size_t>(numero - 2);
            const std::size_t a = std::min(n, de + Page_Suivante);
            Page suite(document);
            suite.En_Tete(QStringLiteral("Rapport d'étude (suite)"), c.edite_le);
            Dessiner_Tableau(c, suite, de, a, true);
            Dessiner_Fichiers(c, suite, de, a, true);
            suite.Pied(numero, pages);
        }
    });
}

Import_Export::Resultat_Ecriture Ecrire(const Contenu_Rapport_Etude& contenu, const QString& chemin,
                                        Import_Export::Cause_Ecriture* cause) {
    return Import_Export::Ecriture_Atomique(chemin, Pages(contenu), cause);
}

}  // namespace Rapport_Etude
