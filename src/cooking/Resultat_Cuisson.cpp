#include "cooking/Resultat_Cuisson.h"

#include "core/Etat.h"

#include "core/Textes.h"

QString Texte_Resultat_Cuisson(const QString& libelle, const Maximum_Cuisson& maximum,
                               float Temp_Ref, float Valeur_Z, float Temp_Dep) {
    return libelle + QStringLiteral(" Valeur : ") + QString::number(maximum.Valeur_Max) +
           QStringLiteral("mn le : ") + Texte_Date(maximum.Date_Valeur_Max) +
           QStringLiteral(" | Tref :") + Texte_Single(Temp_Ref) + QStringLiteral("°c | Z :") +
           Texte_Single(Valeur_Z) + QStringLiteral("°c | Tdép :") + Texte_Single(Temp_Dep) +
           QStringLiteral("°c");
}

QString Refus_Calcul_Cuisson(const Etat& etat) {
    if (Est_Modele_7307(etat.Version_Logger)) {
        return QStringLiteral("Calcul de cuisson impossible avec un enregistreur 7307");
    }
    // One measure gives no interval: a result would only repeat an older computation's date.
    if (etat.Nb_Mesures < 2) {
        return QStringLiteral(
            "Calcul de cuisson impossible : l'enregistrement compte moins de "
            "deux mesures, il n'y a rien à calculer.");
    }
    return {};
}
