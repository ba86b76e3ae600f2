#include "logger/Sequence_Telechargement.h"

#include "core/Etat.h"
#include "logger/Entete_Enregistrement.h"
#include "logger/Fonctions_Logger.h"

namespace Sequence_Telechargement {

Fonctions_Logger::Resultat Telecharger(Etat& etat, Communication& lien,
                                       Fonctions_Logger::Comptes_Telechargement* comptes) {
    const Entete_Enregistrement avant(etat);
    Fonctions_Logger::Comptes_Telechargement lus;
    Fonctions_Logger::Test_Logger(etat, lien);  // wakes the logger; its answer is not needed
    Fonctions_Logger::Resultat r = Fonctions_Logger::Lecture_Logger(etat, lien);
    // The measures themselves only change when the download command read its reply to the end.
    if (r == Fonctions_Logger::Fait) r = Fonctions_Logger::Telechargement(etat, lien, lus);
    if (r != Fonctions_Logger::Fait && !lus.Coupe()) avant.Restaurer(etat);
    if (comptes) *comptes = lus;
    return r;
}

}  // namespace Sequence_Telechargement
