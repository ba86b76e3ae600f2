// The ways the simulated logger misbehaves on purpose, so that every failure path of the serial
// link and of the download can be driven against a real pseudo-terminal.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

enum class Panne {
    Aucune,
    Muet,                 // never answers
    Deuxieme_Essai,       // ignores the first sending of a frame, answers its repetition
    Sans_Retour_Chariot,  // drops the final carriage return of the reply
    Mauvaise_Lettre,      // answers "?" where the expected reply letter should be
    Pause,                // stops 400 ms before the final carriage return
    Mesure_Illisible,     // download: a measure field that is not a number
    Ligne_Trop_Longue,    // download: a 300-character line without carriage return
    Trop_De_Lignes,       // download: more measure lines than the 16000 the program holds
    Coupure,              // download: stops after a tenth of the lines its header announces
};

struct Panne_Simulee {
    Panne type = Panne::Aucune;
    char commande = 0;  // the one command letter that misbehaves; 0 for every command

    bool Concerne(char lettre) const {
        return type != Panne::Aucune && (commande == 0 || commande == lettre);
    }

    // The names of the command line ("muet", "pause"...).
    static std::optional<Panne> Depuis_Nom(QStringView nom);
    static QString Nom(Panne panne);
    static QString Description(Panne panne);
    static QStringList Noms();
};
