#include "cooking/Parametres_Cuisson.h"

#include "core/Calculs_Fixes.h"
#include "core/Etat.h"

std::optional<Parametres_Cuisson> Parametres_Calcul(const Etat& etat, int numero) {
    if (numero >= 1 && numero <= Nb_Recettes_Max) {
        const Recette& r = etat.Recettes(numero);
        return Parametres_Cuisson{r.Nom, r.Temp_Ref, r.Valeur_Z, r.Temp_Dep};
    }
    for (const Calcul_Fixe& fixe : {Calculs_Fixes::Pasteurisation, Calculs_Fixes::Sterilisation}) {
        if (numero == fixe.Num_Recette) {
            return Parametres_Cuisson{QString::fromUtf8(fixe.Libelle), fixe.Temp_Ref, fixe.Valeur_Z,
                                      fixe.Temp_Dep};
        }
    }
    return std::nullopt;
}
