#include "logger/Sequence_Telechargement.h"

#include "core/Etat.h"
#include "logger/Fonctions_Logger.h"

namespace Sequence_Telechargement {

Fonctions_Logger::Resultat Telecharger(Etat& etat, Communication& lien,
                                       Fonctions_Logger::Comptes_Telechargement* comptes) {
    using namespace Fonctions_Logger;
    if (comptes) *comptes = {};
    Test_Logger(etat, lien);  // wakes the logger; its answer is not needed
    const Logger_Lu logger = Interroger_Logger(etat, lien);
    if (logger.resultat != Fait) return logger.resultat;
    const Fiche_Logger& fiche = logger.fiche;
    const Telechargement_Recu recu =
        Recevoir_Telechargement(etat, lien, fiche.version, fiche.etat.nb_mesures);
    // The recording held changes only for a reply read to its end: whole, or cut off (then the
    // measures received are kept, marked incomplete, so that the user sees what came).
    if (!recu.lu) return recu.resultat;
    Ranger_Fiche(etat, fiche);
    Ranger_Telechargement(etat, fiche.version, *recu.lu);
    if (comptes) *comptes = {recu.lu->lignes, recu.lu->annoncees};
    return recu.resultat;
}

}  // namespace Sequence_Telechargement
