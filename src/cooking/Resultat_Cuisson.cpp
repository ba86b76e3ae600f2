#include "cooking/Resultat_Cuisson.h"

#include "core/Textes.h"

QString Texte_Resultat_Cuisson(const QString& libelle, const Maximum_Cuisson& maximum,
                               float Temp_Ref, float Valeur_Z, float Temp_Dep) {
    return libelle + QStringLiteral(" Valeur : ") + QString::number(maximum.Valeur_Max) +
           QStringLiteral("mn le : ") + Texte_Date(maximum.Date_Valeur_Max) +
           QStringLiteral(" | Tref :") + Texte_Single(Temp_Ref) + QStringLiteral("°c | Z :") +
           Texte_Single(Valeur_Z) + QStringLiteral("°c | Tdép :") + Texte_Single(Temp_Dep) +
           QStringLiteral("°c");
}
