// The one-line result of a cooking calculation, as the main window's status bar shows it.
#pragma once

#include <QString>
#include <optional>

#include "cooking/Calcul_Cuisson.h"

// "Pasteurisation Valeur : 12mn le : 05/12/2026 14:35:00 | Tref :70°c | Z :10°c | Tdép :55°c";
// without " le : …" when the value is 0
QString Texte_Resultat_Cuisson(const QString& libelle, const Maximum_Cuisson& maximum,
                               float Temp_Ref, float Valeur_Z, float Temp_Dep);

// Why no cooking value can be computed for the recording held in `etat`, as the user is told
// it (model 7307, fewer than two measures); an empty text when it can be.
QString Refus_Calcul_Cuisson(const Etat& etat);

// Why coefficients mean no cooking a technician could ask for, with the allowed ranges: Z from
// 1 to 100 °C (the Z values of micro-organisms and of quality factors lie well inside), Tref
// and Tdép within what a logger measures (−49 to 194 °C); an empty text when they do.
QString Refus_Coefficients_Cuisson(float Temp_Ref, float Valeur_Z, float Temp_Dep);

// The cooking calculation a recording carries (Num_Recette: 100 pasteurisation, 101
// sterilisation, 1 to 99 a recipe of etat.Recettes) computed again over it, as opening its
// file replays it: the status line, or empty when it carries none or none can be computed.
// The recording is left as it is.
std::optional<QString> Calcul_Enregistre(const Etat& etat);
