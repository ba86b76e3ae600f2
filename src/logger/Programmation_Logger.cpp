#include "logger/Programmation_Logger.h"

#include <QString>

#include "core/Etat.h"
#include "core/Horloge.h"
#include "logger/Communication.h"
#include "logger/Fonctions_Logger.h"

namespace Programmation_Logger {

Fonctions_Logger::Resultat Programmer(Etat& etat, Communication& lien, const Campagne& campagne) {
    Fonctions_Logger::Resultat r =
        Fonctions_Logger::Ecriture_Alarmes(etat, lien, etat.Seuil_Bas, etat.Seuil_Haut);
    // The time is taken just before the clock command: the alarm exchange (and its retries)
    // must not make every stamp of the next campaign late.
    if (r == Fonctions_Logger::Fait)
        r = Fonctions_Logger::Ecriture_Horloge(etat, lien, lien.Horloge_Lien().Maintenant());
    if (r == Fonctions_Logger::Fait) {
        r = Fonctions_Logger::Ecriture_Identite(etat, lien, campagne.Identite,
                                                campagne.Sans_Veille);
    }
    if (r == Fonctions_Logger::Fait) {
        r = Fonctions_Logger::Demarrage_Enreg(
            etat, lien, campagne.Periode, campagne.Unite,
            campagne.Depart.value_or(lien.Horloge_Lien().Maintenant()), campagne.Nb_Enreg);
    }
    return r;
}

QString Avertissement_Effacement(int mesures) {
    if (mesures <= 0) return {};
    if (mesures == 1) {
        return QStringLiteral(
            "Le logger contient 1 mesure. La programmation va l'effacer : téléchargez-la "
            "d'abord si elle n'est pas sauvegardée.");
    }
    return QStringLiteral(
               "Le logger contient %1 mesures. La programmation va les effacer : "
               "téléchargez-les d'abord si elles ne sont pas sauvegardées.")
        .arg(mesures);
}

QString Texte_Programme(const QString& identite) {
    return QStringLiteral("Logger programmé : ") + identite.left(Longueur_Identite);
}

}  // namespace Programmation_Logger
