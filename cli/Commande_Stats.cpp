#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "stats/Statistiques.h"
#include "stats/Statistiques_JSON.h"
#include "stats/Statistiques_Texte.h"

namespace {

Statistiques::Parametres Lire_Options(const Arguments& a, Etat& etat) {
    Statistiques::Parametres p;
    const Seuils_Options seuils = Lire_Seuils(a, etat);
    p.seuil_haut = seuils.haut;
    p.seuil_bas = seuils.bas;
    p.delta_h = Lire_Delta_H(a);
    return p;
}

}  // namespace

int Commande_Stats(Etat& etat, const Arguments& arguments) {
    // Bad options are told before the file is read.
    Statistiques::Parametres parametres = Lire_Options(arguments, etat);
    const Bornes_Dates bornes = Lire_Bornes(arguments);
    if (!Lire_Enregistrement(etat, arguments)) return Sortie_Fichier;
    parametres.plage = Plage_Enregistrement(bornes, etat);
    const Statistiques::Resultat resultat = Statistiques::Calcul_Statistiques(etat, parametres);

    QByteArray sortie;
    if (arguments.A("json")) {
        sortie = Statistiques::Contenu_JSON(resultat) + '\n';
    } else {
        for (const Statistiques::Ligne& l : Statistiques::Lignes_Statistiques(resultat)) {
            sortie +=
                (l.valeur.isEmpty() ? l.libelle : l.libelle + QStringLiteral(" : ") + l.valeur)
                    .toUtf8() +
                '\n';
        }
    }
    if (!Ecrire_Sortie(sortie)) {
        Console::Erreur(QStringLiteral("Impossible d'écrire les statistiques"));
        return Sortie_Fichier;
    }
    return Sortie_Fait;
}
