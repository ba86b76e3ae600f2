#include "table/Lignes_Tableau.h"

#include <algorithm>

#include "core/Etat.h"
#include "core/Global.h"
#include "core/Plage_Dates.h"
#include "core/Textes.h"

namespace Lignes_Tableau {

namespace {
constexpr uint8_t Largeur_Date = 22;
constexpr uint8_t Largeur_Valeur = 7;
}  // namespace

QString Entete(const QString& version, bool second_visible) {
    QString entete = Global::Complete_Espaces(QStringLiteral("Date / Température"), Largeur_Date) +
                     Global::Complete_Espaces(QStringLiteral(" °C"), Largeur_Valeur);
    if (Est_Modele_7307(version)) {
        entete += Global::Complete_Espaces(QStringLiteral("%Hr"), Largeur_Valeur);
    } else if (second_visible) {
        entete += Global::Complete_Espaces(QStringLiteral("minutes"), Largeur_Valeur);
    }
    return entete;
}

QString Ligne_Mesure(double date, float temperature, float second, bool second_visible) {
    QString ligne = Global::Complete_Espaces(Texte_Date(date), Largeur_Date) +
                    Global::Complete_Espaces(Texte_Single(temperature), Largeur_Valeur);
    if (second_visible) ligne += Global::Complete_Espaces(Texte_Single(second), Largeur_Valeur);
    return ligne;
}

QStringList Lignes(const Etat& etat, const Vue_Graphe& vue) {
    // Only the records of this recording: for a 7307 Nb_Mesures counts two values a record, and
    // the records after them may still hold an older, longer recording.
    const int nb = Enregistrements_Lisibles(etat);
    QStringList lignes;
    lignes.reserve(nb + 3);
    lignes << QStringLiteral("Nom du module : ") + etat.Identite_Logger
           << QStringLiteral("Periode d'enregistrement (s) : ") +
                  QString::number(etat.Periode_Enreg)
           << Entete(etat.Version_Logger, vue.second_visible);
    for (int i = 1; i <= nb; ++i) {
        const Mesure& m = etat.Mesures(i);
        if (!Plage_Dates{vue.debut, vue.fin}.Contient(m.Date_Heure)) continue;
        lignes << Ligne_Mesure(m.Date_Heure, m.Temperature, m.Humidite, vue.second_visible);
    }
    return lignes;
}

}  // namespace Lignes_Tableau
