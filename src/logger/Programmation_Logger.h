// The next campaign, sent to the logger the way the programming window and caldrix-cli both
// send it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "logger/Campagne.h"
#include "logger/Fonctions_Logger.h"

class Communication;
struct Etat;

namespace Programmation_Logger {

// Alarms (the shared Seuil_Bas and Seuil_Haut, clamped in place), clock set to the time just
// before its command, identity
// with the sleep flag, then the start: the first command that does not give 0 stops the
// sequence and its result is returned.
Fonctions_Logger::Resultat Programmer(Etat& etat, Communication& lien, const Campagne& campagne);

// The start command restarts the logger's recording: what the user is told first when the
// logger still holds `mesures` records (none: an empty text, nothing to ask).
QString Avertissement_Effacement(int mesures);
// What the status line says once the whole campaign is sent.
QString Texte_Programme(const QString& identite);

}  // namespace Programmation_Logger
