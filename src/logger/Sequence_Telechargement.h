// The download as the user starts it: presence test, version, identity, state, download.
#pragma once

#include <cstdint>

#include "logger/Fonctions_Logger.h"

class Communication;
struct Etat;

namespace Sequence_Telechargement {

// Runs the chain and returns the first result that is not Fait, or Fait. Nothing of the
// recording held in the shared record (identity, version, count, period, unit, start date and
// measures) changes before the download's reply is read to its end, so a failure never mixes
// two recordings; except for a transfer cut off (`comptes` then says Coupe()), whose measures
// received are put in, marked incomplete by Nb_Mesures_Annoncees, so that the user sees what
// came.
Fonctions_Logger::Resultat Telecharger(Etat& etat, Communication& lien,
                                       Fonctions_Logger::Comptes_Telechargement* comptes = nullptr);

}  // namespace Sequence_Telechargement
