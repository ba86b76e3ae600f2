// The download as the user starts it: presence test, version, identity, state, download.
#pragma once

#include <cstdint>

class Communication;
struct Etat;

namespace Sequence_Telechargement {

// Runs the chain and returns the first non-zero result (1 or 2), or 0. On failure the
// recording held in the shared record (identity, version, count, period, unit, start date and
// measures) is put back exactly as it was, so a later save never mixes two recordings.
uint8_t Telecharger(Etat& etat, Communication& lien);

}  // namespace Sequence_Telechargement
