// The study as a table, one row a recording, in French and in the program's number and date
// formats: identity, first and last stamp, minimum, maximum and mean temperature, when Tp was
// reached, how long it was held, the cooking value, the verdict, the file. The coldest recording
// says so in its verdict cell, so that a black and white copy still shows it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "study/Etude.h"

struct Etat;

namespace Etude {

enum Colonne_Tableau {
    Col_Identite,
    Col_Debut,
    Col_Fin,
    Col_Minimum,
    Col_Maximum,
    Col_Moyenne,
    Col_Atteinte,
    Col_Maintien,
    Col_Cuisson,
    Col_Verdict,
    Col_Fichier,
    Nb_Colonnes_Tableau
};
QStringList Titres_Tableau();

// The cells of recording `e` of `resultat`, whose records `etat` holds. `juge`: whether the set
// judges anything; without it the verdict cell says nothing ("—"), as no rule was checked.
QStringList Cellules_Tableau(const Etat& etat, const Resultat& resultat, std::size_t rang,
                             const Criteres::Jeu_Criteres& jeu, bool juge);

// The record shown at `instant`: the one with the latest stamp at or before it (the last listed
// of equal stamps); empty when the recording has none then.
std::optional<int> Releve_A(const Etat& etat, double instant);
// Its temperature with its unit ("72.5 °C"), or "—".
QString Texte_Releve_A(const Etat& etat, double instant);

}  // namespace Etude
