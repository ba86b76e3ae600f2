#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "stats/Statistiques.h"
#include "stats/Statistiques_JSON.h"
#include "stats/Statistiques_Texte.h"

namespace {

Ou_Erreur<Statistiques::Parametres> Lire_Options(const Arguments& a, Etat& etat) {
    Statistiques::Parametres p;
    const Ou_Erreur<Seuils_Options> seuils = Lire_Seuils(a, etat);
    if (!seuils) return Mauvais_Usage{seuils.Erreur()};
    p.seuil_haut = seuils->haut;
    p.seuil_bas = seuils->bas;
    const Ou_Erreur<double> delta_h = Lire_Delta_H(a);
    if (!delta_h) return Mauvais_Usage{delta_h.Erreur()};
    p.delta_h = *delta_h;
    return p;
}

}  // namespace

Ou_Erreur<int> Commande_Stats(Etat& etat, const Arguments& arguments) {
    // Bad options are told before the file is read.
    Ou_Erreur<Statistiques::Parametres> parametres = Lire_Options(arguments, etat);
    if (!parametres) return Mauvais_Usage{parametres.Erreur()};
    const Ou_Erreur<Bornes_Dates> bornes = Lire_Bornes(arguments);
    if (!bornes) return Mauvais_Usage{bornes.Erreur()};
    if (const Ou_Erreur<int> lu = Lire_Enregistrement(etat, arguments); !lu || *lu != Sortie_Fait) {
        return lu;
    }
    parametres->plage = Plage_Enregistrement(*bornes, etat);
    const Statistiques::Resultat resultat = Statistiques::Calcul_Statistiques(etat, *parametres);

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
