// The command line of caldrix-logger-sim: what logger it plays, with what recording, where it
// is linked, and how it misbehaves.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "Memoire_Logger.h"
#include "Panne_Simulee.h"
#include "core/Ou_Erreur.h"

struct Options_Simulateur {
    Memoire_Logger memoire;
    int32_t horloge = 0;  // the logger's clock when the simulator starts
    Panne_Simulee panne;
    bool rythme_reel = false;
    int port = 0;     // the link ports/COM<port> is made when not 0
    QString dossier;  // the program folder that holds ports/
    QString journal;  // file that every frame received is appended to
    bool aide = false;

    // Reads the arguments (without the program name). `maintenant` dates the logger's clock
    // and the default recording. A message in French on a bad argument.
    static Ou_Erreur<Options_Simulateur> Lire(const QStringList& arguments, double maintenant);
    // What --help prints.
    static QString Aide();
    // The clock count of a date: seconds since the clock origin of `maintenant`, or since the
    // previous origin for a date before it. Empty when the clock cannot hold the date.
    static std::optional<int32_t> Compte_Horloge(double date, double maintenant);
};
