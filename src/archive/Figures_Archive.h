// The statistics of the temperature that the archive keeps with a recording.
#pragma once

struct Etat;
struct Fiche_Archive;

// Fills Minimum, Maximum, Moyenne and Mkt of `fiche` from the recording in `etat`.
void Remplir_Figures(const Etat& etat, Fiche_Archive& fiche);
