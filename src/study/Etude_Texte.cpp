#include "study/Etude_Texte.h"

#include <QFileInfo>

#include "core/Textes.h"
#include "criteria/Evaluation_Texte.h"
#include "stats/Statistiques_Texte.h"

namespace Etude {

namespace {

using namespace Criteres;
using Statistiques::Texte_Duree;

void Ajouter_Enregistrement(QStringList& lignes, const Enregistrement& e, const Jeu_Criteres& jeu,
                            const QString& unite) {
    const Evaluation_Enregistrement& v = e.evaluation;
    lignes << QStringLiteral("%1 (%2) : %3").arg(e.identite, e.fichier, Texte_Verdict(v.verdict));
    lignes << QStringLiteral("  SHA-256 : ") + e.empreinte;
    if (v.incomplet) lignes << QStringLiteral("  Enregistrement ") + *v.incomplet;
    if (jeu.maintien) {
        lignes << QStringLiteral("  Température de process %1 %2 atteinte : %3")
                      .arg(Texte_Single(jeu.maintien->temperature), unite,
                           v.atteinte ? Texte_Date_Heure(*v.atteinte) : QStringLiteral("jamais"));
        // A figure a rule judges is on the rule's line.
        if (!jeu.maintien->duree_min_s) {
            lignes << QStringLiteral("  Maintenue : ") +
                          (v.maintien_s ? Texte_Duree(*v.maintien_s) : QStringLiteral("inconnu"));
        }
    }
    if (jeu.cuisson && !jeu.cuisson->minimum) {
        lignes << QStringLiteral("  Valeur de cuisson : ") +
                      (v.valeur_cuisson ? QStringLiteral("%1 min").arg(*v.valeur_cuisson)
                                        : QStringLiteral("non calculable (modèle 7306 seulement)"));
    }
    for (const Evaluation& r : v.regles)
        lignes << QStringLiteral("  ") + Ligne_Regle(r, jeu, unite);
}

}  // namespace

QString Ligne_Equilibrage(const Resultat& r, const Jeu_Criteres& jeu, const QString& unite) {
    const QString pourquoi =
        r.enregistrements.size() < 2 ? QStringLiteral("il faut plusieurs enregistrements")
        : !jeu.maintien              ? QStringLiteral(
                                           "pas de température de process dans les "
                                                        "critères")
                        : QStringLiteral("un logger n'a jamais atteint la température de process");
    if (r.equilibrage) {
        return Ligne_Regle(*r.equilibrage, jeu, unite) +
               (r.equilibrage_s ? QString() : QStringLiteral(" (%1)").arg(pourquoi));
    }
    if (r.equilibrage_s) return QStringLiteral("Équilibrage : ") + Texte_Duree(*r.equilibrage_s);
    return QStringLiteral("Équilibrage : ") + pourquoi;
}

QStringList Lignes_Etude(const Resultat& r, const Jeu_Criteres& jeu, const QString& unite) {
    QStringList lignes;
    lignes << QStringLiteral("Étude de %1 enregistrement%2%3 : %4")
                  .arg(r.enregistrements.size())
                  .arg(r.enregistrements.size() > 1 ? QStringLiteral("s") : QString(),
                       jeu.nom.isEmpty() ? QString() : QStringLiteral(" (« %1 »)").arg(jeu.nom),
                       Texte_Verdict(r.verdict));
    for (const Enregistrement& e : r.enregistrements)
        Ajouter_Enregistrement(lignes, e, jeu, unite);
    // Without Tp there is no equilibrium to speak of.
    if (r.equilibrage || r.equilibrage_s) lignes << Ligne_Equilibrage(r, jeu, unite);
    if (r.plus_froid) {
        const Enregistrement& e = r.enregistrements[*r.plus_froid];
        lignes << QStringLiteral("Le plus froid : %1 (%2)").arg(e.identite, e.fichier);
    }
    return lignes;
}

QStringList Noms_Legende(const QStringList& identites, const QStringList& fichiers) {
    QStringList noms;
    for (qsizetype i = 0; i < identites.size(); ++i) {
        noms << (identites.count(identites[i]) > 1
                     ? QStringLiteral("%1 (%2)").arg(identites[i],
                                                     QFileInfo(fichiers.value(i)).fileName())
                     : identites[i]);
    }
    return noms;
}

}  // namespace Etude
