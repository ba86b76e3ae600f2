// What a logger keeps in its memory between two commands.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// One recorded measure, in tenths as the logger sends it.
struct Mesure_Simulee {
    int16_t temperature = 0;  // tenths of a degree
    int16_t humidite = 0;     // tenths of %Hr (model 7307)
};

struct Memoire_Logger {
    QByteArray version = "7306V12";   // its first four characters are the model
    QByteArray identite = "SIMUL01";  // 8 characters at most
    int16_t seuil_haut = 300;         // tenths
    int16_t seuil_bas = 0;            // tenths
    char unite = 'C';                 // C, F, c or f
    int periode = 60;                 // seconds
    bool sans_veille = false;
    int code_taille = 5;                  // 0..5: 1000, 2000, 4000, 8000, 12000, 16000 records
    int32_t debut_enreg = 0;              // clock count at which the recording started
    std::vector<Mesure_Simulee> mesures;  // oldest first

    bool Est_7307() const { return version.startsWith("7307"); }

    // A fresh logger of model 7306 or 7307.
    static Memoire_Logger Modele(int modele) {
        Memoire_Logger m;
        m.version = QByteArray::number(modele) + "V12";
        return m;
    }
};
