// recettes.ini in the program folder: the 99 recipes of the cooking calculation, one block of
// six Windows-1252 lines (CR LF ends) per recipe k, 594 lines in all:
//
//   [Recette k]
//   Numero
//   Nom
//   Temp_Ref
//   Valeur_Z
//   Temp_Dep
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "files/Resultats_Fichiers.h"

struct Etat;

namespace Import_Export {

// Fills the 99 recipes: recipe k is numbered k and named "Formule n°k", with the three values
// given (the program passes 70, 10 and 55).
void Recettes_Defaut(Etat& etat, float Temp_Ref, float Valeur_Z, float Temp_Dep);

// The recipe names are written with their line breaks turned to spaces, so a name can never
// shift the blocks after it.
QByteArray Contenu_Recettes(const Etat& etat);

// Reads the blocks found into Recettes. The number is read as a decimal number rounded to a
// whole one (halves to even: 12.5 gives 12); a value that does not convert, or a number outside
// 0..255, leaves the recipe's previous value, and blocks missing at the end leave theirs.
void Lecture_Contenu_Recettes(Etat& etat, QByteArrayView octets);

// Reads recettes.ini as above. When it is missing the default recipes are put in the table and
// written to a new file: Lu once that file is written, Introuvable when it could not be (the
// table then holds the defaults). Incorrect when the file exists but cannot be opened (the
// table is unchanged).
Resultat_Lecture Lecture_Recettes(Etat& etat);

// Writes recettes.ini from `etat`, replacing it only once the new file is complete.
Resultat_Ecriture Ecriture_Recettes(const Etat& etat);

}  // namespace Import_Export
