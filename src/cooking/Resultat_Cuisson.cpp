#include "cooking/Resultat_Cuisson.h"

#include "cooking/Parametres_Cuisson.h"
#include "core/Calculs_Fixes.h"
#include "core/Etat.h"

#include "core/Textes.h"

QString Texte_Resultat_Cuisson(const QString& libelle, const Maximum_Cuisson& maximum,
                               float Temp_Ref, float Valeur_Z, float Temp_Dep) {
    // A value that stays 0 was reached at no moment: no date is given for it.
    const QString quand = maximum.Valeur_Max == 0
                              ? QString()
                              : QStringLiteral(" le : ") + Texte_Date(maximum.Date_Valeur_Max);
    return libelle + QStringLiteral(" Valeur : ") + QString::number(maximum.Valeur_Max) +
           QStringLiteral("mn") + quand + QStringLiteral(" | Tref :") + Texte_Single(Temp_Ref) +
           QStringLiteral("°c | Z :") + Texte_Single(Valeur_Z) + QStringLiteral("°c | Tdép :") +
           Texte_Single(Temp_Dep) + QStringLiteral("°c");
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

std::optional<QString> Calcul_Enregistre(const Etat& etat) {
    const auto choix = Parametres_Calcul(etat, etat.Num_Recette);
    if (!choix || !Refus_Calcul_Cuisson(etat).isEmpty()) return std::nullopt;
    const std::optional<Maximum_Cuisson> maximum =
        Maximum_Valeur_Cuisson(etat, choix->temp_ref, choix->valeur_z, choix->temp_dep);
    if (!maximum) return std::nullopt;
    return Texte_Resultat_Cuisson(choix->libelle, *maximum, choix->temp_ref, choix->valeur_z,
                                  choix->temp_dep);
}

QString Refus_Coefficients_Cuisson(float Temp_Ref, float Valeur_Z, float Temp_Dep) {
    constexpr float z_min = 1, z_max = 100, t_min = -49, t_max = 194;
    const auto dedans = [](float v, float min, float max) { return v >= min && v <= max; };
    if (dedans(Valeur_Z, z_min, z_max) && dedans(Temp_Ref, t_min, t_max) &&
        dedans(Temp_Dep, t_min, t_max)) {
        return {};
    }
    return QStringLiteral(
               "Coefficients hors limites : Tref %1, Z %2, Tdép %3 ; Z de %4 à %5 °C, "
               "Tref et Tdép de %6 à %7 °C")
        .arg(Texte_Single(Temp_Ref), Texte_Single(Valeur_Z), Texte_Single(Temp_Dep),
             Texte_Single(z_min), Texte_Single(z_max), Texte_Single(t_min), Texte_Single(t_max));
}
