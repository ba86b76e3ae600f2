#include "study/Tableau_Etude.h"

#include <QFileInfo>

#include "core/Etat.h"
#include "core/Textes.h"
#include "stats/Statistiques.h"
#include "stats/Statistiques_Texte.h"

namespace Etude {

namespace {

const QString Rien = QStringLiteral("—");

QString Texte_Cuisson(const Criteres::Jeu_Criteres& jeu, const std::optional<int>& valeur) {
    if (!jeu.cuisson) return Rien;
    return valeur ? QStringLiteral("%1 min").arg(*valeur) : QStringLiteral("non calculable");
}

}  // namespace

QStringList Titres_Tableau() {
    return {QStringLiteral("Logger"),   QStringLiteral("Début"),    QStringLiteral("Fin"),
            QStringLiteral("Min"),      QStringLiteral("Max"),      QStringLiteral("Moyenne"),
            QStringLiteral("Atteinte"), QStringLiteral("Maintien"), QStringLiteral("Cuisson"),
            QStringLiteral("Verdict"),  QStringLiteral("Fichier")};
}

QStringList Cellules_Tableau(const Etat& etat, const Resultat& resultat, std::size_t rang,
                             const Criteres::Jeu_Criteres& jeu, bool juge) {
    const Enregistrement& e = resultat.enregistrements[rang];
    const Criteres::Evaluation_Enregistrement& v = e.evaluation;
    const Statistiques::Resultat s = Statistiques::Calcul_Statistiques(etat, {});
    const QString unite = QLatin1Char(' ') + s.unite;
    QStringList cellules;
    cellules << e.identite << (s.debut ? Texte_Date_Heure(*s.debut) : Rien)
             << (s.fin ? Texte_Date_Heure(*s.fin) : Rien);
    if (s.temperature) {
        cellules << Texte_Single(s.temperature->min) + unite
                 << Texte_Single(s.temperature->max) + unite
                 << Statistiques::Texte_Decimales(s.temperature->moyenne, 1) + unite;
    } else {
        cellules << Rien << Rien << Rien;
    }
    if (jeu.maintien) {
        cellules << (v.atteinte ? Texte_Date_Heure(*v.atteinte) : QStringLiteral("jamais"))
                 << (v.maintien_s ? Statistiques::Texte_Duree(*v.maintien_s)
                                  : QStringLiteral("inconnu"));
    } else {
        cellules << Rien << Rien;
    }
    cellules << Texte_Cuisson(jeu, v.valeur_cuisson);
    QString verdict = juge ? Criteres::Texte_Verdict(v.verdict) : Rien;
    if (v.incomplet) verdict += QStringLiteral(" (%1)").arg(*v.incomplet);
    if (resultat.plus_froid == rang) verdict += QStringLiteral(" — le plus froid");
    cellules << verdict << QFileInfo(e.fichier).fileName();
    return cellules;
}

std::optional<int> Releve_A(const Etat& etat, double instant) {
    // Every record is looked at: a file edited by hand need not keep its stamps in order.
    std::optional<int> releve;
    const int n = Enregistrements_Lisibles(etat);
    for (int i = 1; i <= n; ++i) {
        const double date = etat.Mesures(i).Date_Heure;
        if (date <= instant && (!releve || date >= etat.Mesures(*releve).Date_Heure)) releve = i;
    }
    return releve;
}

QString Texte_Releve_A(const Etat& etat, double instant) {
    const std::optional<int> releve = Releve_A(etat, instant);
    if (!releve) return Rien;
    return Texte_Single(etat.Mesures(*releve).Temperature) + QLatin1Char(' ') +
           Unite_Temperature(etat.Unite);
}

}  // namespace Etude
