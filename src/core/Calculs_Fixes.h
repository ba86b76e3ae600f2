// The two fixed cooking calculations, and the recipe numbers that stand for them in a
// recordings file (recipes 1 to 99 are the user's).
#pragma once

#include <cstdint>

struct Calcul_Fixe {
    uint8_t Num_Recette;
    const char* Libelle;  // UTF-8: the caption of its option button
    float Temp_Ref;
    float Valeur_Z;
    float Temp_Dep;
};

namespace Calculs_Fixes {

constexpr Calcul_Fixe Pasteurisation{100, "Pasteurisation", 70, 10, 55};
constexpr Calcul_Fixe Sterilisation{101, "Stérilisation", 121, 10, 100};
// What a fresh recipe holds until the user edits it.
constexpr Calcul_Fixe Recette_Defaut = Pasteurisation;

}  // namespace Calculs_Fixes
