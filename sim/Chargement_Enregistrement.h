// A recording saved by the program, put back into the simulated logger: the demonstration can
// replay a real campaign.
#pragma once

#include <QString>
#include <optional>

#include "Memoire_Logger.h"
#include "core/Ou_Erreur.h"

namespace Chargement_Enregistrement {

// Reads the recordings file into the logger's memory: identity, model, period and measures.
// Gives the date the recording started (its first measure is stamped one period less a second
// after it) when there is at least one measure; the reason in French when the file cannot be
// read or holds values the logger cannot.
Ou_Erreur<std::optional<double>> Charger(const QString& fichier, Memoire_Logger& memoire);

}  // namespace Chargement_Enregistrement
