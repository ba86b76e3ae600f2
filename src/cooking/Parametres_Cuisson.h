// What a calculation number stands for: the number a recordings file keeps on its recipe line,
// and the choice of the cooking window, the report and caldrix-cli.
#pragma once

#include <QString>
#include <optional>

struct Etat;

struct Parametres_Cuisson {
    QString libelle;  // the status line's caption: "Pasteurisation", a recipe's name
    float temp_ref = 0;
    float valeur_z = 0;
    float temp_dep = 0;
};

// 100 pasteurisation, 101 sterilisation, 1 to 99 the recipe etat.Recettes holds (read from
// recettes.ini by the caller); empty for any other number, 0 (no calculation) included.
std::optional<Parametres_Cuisson> Parametres_Calcul(const Etat& etat, int numero);
