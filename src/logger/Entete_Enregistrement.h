// The description of the recording held in memory that the logger's version, identity and state
// commands overwrite: kept aside before questioning a logger, so that a recording is never
// saved with another logger's name, model, period or count.
#pragma once

#include <QString>
#include <cstdint>

#include "core/Etat.h"

struct Entete_Enregistrement {
    QString identite, version, unite;
    int16_t nb_mesures, annoncees, periode;
    double debut;

    explicit Entete_Enregistrement(const Etat& e)
        : identite(e.Identite_Logger),
          version(e.Version_Logger),
          unite(e.Unite),
          nb_mesures(e.Nb_Mesures),
          annoncees(e.Nb_Mesures_Annoncees),
          periode(e.Periode_Enreg),
          debut(e.Date_Debut_Enreg) {}

    void Restaurer(Etat& e) const {
        e.Identite_Logger = identite;
        e.Version_Logger = version;
        e.Unite = unite;
        e.Nb_Mesures = nb_mesures;
        e.Nb_Mesures_Annoncees = annoncees;
        e.Periode_Enreg = periode;
        e.Date_Debut_Enreg = debut;
    }
};
