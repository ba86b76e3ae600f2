// The download as the user starts it: presence test, version, identity, state, download.
#pragma once

#include <cstdint>

#include "logger/Fonctions_Logger.h"

class Communication;
struct Etat;

namespace Sequence_Telechargement {

// Runs the chain and returns the first non-zero result (1 or 2), or 0. On failure the
// recording held in the shared record (identity, version, count, period, unit, start date and
// measures) is put back exactly as it was, so a later save never mixes two recordings; except
// for a transfer cut off (`comptes` then says Coupe()), whose measures received stay, marked
// incomplete by Nb_Mesures_Annoncees, so that the user sees what came.
Fonctions_Logger::Resultat Telecharger(Etat& etat, Communication& lien,
                                       Fonctions_Logger::Comptes_Telechargement* comptes = nullptr);

}  // namespace Sequence_Telechargement
