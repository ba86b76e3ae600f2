#include "logger/Programmation_Logger.h"

#include "core/Etat.h"
#include "core/Horloge.h"
#include "logger/Communication.h"
#include "logger/Fonctions_Logger.h"

namespace Programmation_Logger {

uint8_t Programmer(Etat& etat, Communication& lien, const Campagne& campagne) {
    const double maintenant = lien.Horloge_Lien().Maintenant();
    uint8_t r = Fonctions_Logger::Ecriture_Alarmes(etat, lien, etat.Seuil_Bas, etat.Seuil_Haut);
    if (r == 0) r = Fonctions_Logger::Ecriture_Horloge(etat, lien, maintenant);
    if (r == 0) {
        r = Fonctions_Logger::Ecriture_Identite(etat, lien, campagne.Identite,
                                                campagne.Sans_Veille);
    }
    if (r == 0) {
        r = Fonctions_Logger::Demarrage_Enreg(etat, lien, campagne.Periode, campagne.Unite,
                                              campagne.Depart.value_or(maintenant),
                                              campagne.Nb_Enreg);
    }
    return r;
}

}  // namespace Programmation_Logger
