#include "criteria/Evaluation_Texte.h"

#include "core/Textes.h"
#include "stats/Statistiques_Texte.h"

namespace Criteres {

namespace {

using Statistiques::Texte_Duree;

QString Libelle(Regle regle) {
    switch (regle) {
        case Regle::Seuil_Haut:
            return QStringLiteral("Seuil haut");
        case Regle::Seuil_Bas:
            return QStringLiteral("Seuil bas");
        case Regle::Hygro_Haut:
            return QStringLiteral("Hygrométrie haute");
        case Regle::Hygro_Bas:
            return QStringLiteral("Hygrométrie basse");
        case Regle::Maintien:
            return QStringLiteral("Maintien");
        case Regle::Cuisson:
            return QStringLiteral("Valeur de cuisson");
        case Regle::Mkt:
            return QStringLiteral("MKT");
        case Regle::Equilibrage:
            break;
    }
    return QStringLiteral("Équilibrage");
}

const std::optional<Regle_Seuil>& Regle_De(const Jeu_Criteres& jeu, Regle regle) {
    switch (regle) {
        case Regle::Seuil_Bas:
            return jeu.seuil_bas;
        case Regle::Hygro_Haut:
            return jeu.hygro_haut;
        case Regle::Hygro_Bas:
            return jeu.hygro_bas;
        default:
            return jeu.seuil_haut;
    }
}

// What the limit means: "limite 80 °C, consecutif 5 min", "minimum 10 min".
QString Texte_Limite(const Evaluation& e, const Jeu_Criteres& jeu, const QString& unite) {
    const auto limite = static_cast<float>(e.limite);
    switch (e.regle) {
        case Regle::Seuil_Haut:
        case Regle::Seuil_Bas:
        case Regle::Hygro_Haut:
        case Regle::Hygro_Bas: {
            const Regle_Seuil& s = *Regle_De(jeu, e.regle);
            const bool humidite = e.regle == Regle::Hygro_Haut || e.regle == Regle::Hygro_Bas;
            QString texte = QStringLiteral("limite %1 %2, %3")
                                .arg(Texte_Single(limite), humidite ? QStringLiteral("%Hr") : unite,
                                     Nom_Mode(s.mode));
            if (s.mode != Mode_Seuil::Instantane)
                texte += QLatin1Char(' ') + Texte_Duree(s.duree_s);
            return texte;
        }
        case Regle::Maintien:
            return QStringLiteral("minimum %1 à %2 %3")
                .arg(Texte_Duree(static_cast<int64_t>(e.limite)),
                     Texte_Single(jeu.maintien ? jeu.maintien->temperature : 0), unite);
        case Regle::Cuisson:
            return QStringLiteral("minimum %1 min").arg(Texte_Single(limite));
        case Regle::Mkt:
            return QStringLiteral("maximum %1 %2").arg(Texte_Single(limite), unite);
        case Regle::Equilibrage:
            break;
    }
    return QStringLiteral("maximum %1").arg(Texte_Duree(static_cast<int64_t>(e.limite)));
}

QString Texte_Valeur(const Evaluation& e, const QString& unite) {
    if (!e.valeur) return QStringLiteral("inconnue");
    switch (e.regle) {
        case Regle::Cuisson:
            return QStringLiteral("%1 min").arg(static_cast<int64_t>(*e.valeur));
        case Regle::Mkt:
            return QStringLiteral("%1 %2").arg(QString::number(*e.valeur, 'f', 2), unite);
        case Regle::Maintien:
        case Regle::Equilibrage:
            return Texte_Duree(static_cast<int64_t>(*e.valeur));
        default:
            return Texte_Duree(static_cast<int64_t>(*e.valeur)) + QStringLiteral(" hors limite");
    }
}

}  // namespace

QString Ligne_Regle(const Evaluation& e, const Jeu_Criteres& jeu, const QString& unite) {
    return QStringLiteral("%1 : %2 (%3) : %4")
        .arg(Libelle(e.regle), Texte_Valeur(e, unite), Texte_Limite(e, jeu, unite),
             Texte_Verdict(e.verdict));
}

QString Ligne_Limite(const Evaluation& e, const Jeu_Criteres& jeu, const QString& unite) {
    return QStringLiteral("%1 : %2").arg(Libelle(e.regle), Texte_Limite(e, jeu, unite));
}

QString Titre_Jeu(const Jeu_Criteres& jeu) {
    return jeu.nom.isEmpty() ? QStringLiteral("Critères")
                             : QStringLiteral("Critères « %1 »").arg(jeu.nom);
}

}  // namespace Criteres
