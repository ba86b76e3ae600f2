// A recording saved by the program, put back into the simulated logger: the demonstration can
// replay a real campaign.
#pragma once

#include <QString>
#include <optional>

#include "Memoire_Logger.h"

namespace Chargement_Enregistrement {

// Reads the recordings file into the logger's memory: identity, model, period and measures.
// `debut` receives the date the recording started (its first measure is stamped one period
// less a second after it) when there is at least one measure. False, with the reason in French,
// when the file cannot be read or holds values the logger cannot.
bool Charger(const QString& fichier, Memoire_Logger& memoire, std::optional<double>& debut,
             QString& erreur);

}  // namespace Chargement_Enregistrement
