#include "Table_Essai.h"

#include "core/Etat.h"
#include "core/Textes.h"
#include "table/Lignes_Tableau.h"

namespace {
const double Debut = Date_Depuis_Civil(2026, 12, 5, 8, 0, 0);
}  // namespace

QStringList Table_Essai(int nombre) {
    auto etat = Etat::Nouveau();
    etat->Identite_Logger = QStringLiteral("SERRE");
    etat->Periode_Enreg = 60;
    etat->Version_Logger = QStringLiteral("7307V12\r");
    const int mesures = nombre - 3;
    for (int i = 1; i <= mesures; ++i) {
        etat->Mesures(i) = {Debut + (i - 1) * 60 * Une_Seconde, 20.5f, 60.25f};
    }
    etat->Nb_Mesures = static_cast<int16_t>(2 * mesures);
    return Lignes_Tableau::Lignes(*etat, {0, 1e6, true});
}

QString Heure_Entree(int k) {
    return Texte_Date(Debut + (k - 3) * 60 * Une_Seconde);
}
