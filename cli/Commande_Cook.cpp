#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "cooking/Calcul_Cuisson.h"
#include "cooking/Parametres_Cuisson.h"
#include "cooking/Resultat_Cuisson.h"
#include "core/Calculs_Fixes.h"
#include "core/Etat.h"
#include "files/Import_Export.h"

namespace {

// Exactly one kind of calculation, as the cooking window offers them.
Ou_Erreur<Parametres_Cuisson> Choix(Etat& etat, const Arguments& a) {
    const bool personnalise = a.A("tref") || a.A("z") || a.A("tdep");
    const int nb_choix = int(a.A("pasteurisation")) + int(a.A("sterilisation")) +
                         int(a.A("recipe")) + int(personnalise);
    if (nb_choix != 1) {
        return Mauvais_Usage{
            QStringLiteral("choisir un calcul : --pasteurisation, --sterilisation, --recipe K ou "
                           "--tref T --z Z --tdep T")};
    }
    if (a.A("pasteurisation"))
        return *Parametres_Calcul(etat, Calculs_Fixes::Pasteurisation.Num_Recette);
    if (a.A("sterilisation"))
        return *Parametres_Calcul(etat, Calculs_Fixes::Sterilisation.Num_Recette);
    if (a.A("recipe")) {
        const Ou_Erreur<int> k = a.Entier("recipe");
        if (!k) return Mauvais_Usage{k.Erreur()};
        if (*k < 1 || *k > Nb_Recettes_Max) {
            return Mauvais_Usage{QStringLiteral("--recipe : de 1 à 99")};
        }
        Import_Export::Lecture_Recettes(etat);
        return *Parametres_Calcul(etat, *k);
    }
    if (!(a.A("tref") && a.A("z") && a.A("tdep"))) {
        return Mauvais_Usage{QStringLiteral("--tref, --z et --tdep vont ensemble")};
    }
    Parametres_Cuisson personnel{QStringLiteral("Personnalisé"), 0, 0, 0};
    for (const auto& [nom, valeur] :
         {std::pair{"tref", &personnel.temp_ref}, std::pair{"z", &personnel.valeur_z},
          std::pair{"tdep", &personnel.temp_dep}}) {
        const Ou_Erreur<float> lu = a.Nombre(nom);
        if (!lu) return Mauvais_Usage{lu.Erreur()};
        *valeur = *lu;
    }
    return personnel;
}

}  // namespace

Ou_Erreur<int> Commande_Cook(Etat& etat, const Arguments& arguments) {
    if (const Ou_Erreur<int> lu = Lire_Enregistrement(etat, arguments); !lu || *lu != Sortie_Fait) {
        return lu;
    }
    const QString refus = Refus_Calcul_Cuisson(etat);
    if (!refus.isEmpty()) {
        Console::Erreur(refus);
        return Sortie_Usage;
    }
    const Ou_Erreur<Parametres_Cuisson> choix = Choix(etat, arguments);
    if (!choix) return Mauvais_Usage{choix.Erreur()};
    if (const QString hors_limites =
            Refus_Coefficients_Cuisson(choix->temp_ref, choix->valeur_z, choix->temp_dep);
        !hors_limites.isEmpty()) {
        Console::Erreur(hors_limites);
        return Sortie_Usage;
    }
    Maximum_Cuisson maximum;
    if (!Calcul_Valeur_Cuisson(etat, maximum, choix->temp_ref, choix->valeur_z, choix->temp_dep)) {
        Console::Erreur(QStringLiteral("Calcul impossible avec ces coefficients (Z nul ?)"));
        return Sortie_Usage;
    }
    Console::Ligne(Texte_Resultat_Cuisson(choix->libelle, maximum, choix->temp_ref, choix->valeur_z,
                                          choix->temp_dep));
    return Sortie_Fait;
}
