// What the archive keeps of one recording, apart from the file's bytes themselves.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

struct Fiche_Archive {
    int64_t Id = 0;  // given by the archive
    QString Sha256;  // of the file's bytes, lowercase hex: the recording's identity
    QString Identite;
    QString Modele;  // the four characters of the file's model line
    int Periode = 0;
    QString Debut;  // first and last stamps, yyyy-MM-ddTHH:mm:ss; empty without records
    QString Fin;
    int Mesures = 0;    // records, not values: a 7307 record holds two
    int Annoncees = 0;  // records the file's header announces: above Mesures when incomplete
    QString Unite;      // "°C", "°F" (or a 7307's alarm choice) when known; empty otherwise
    QString Commentaire;
    int Recette = 0;
    QString Fichier;  // the absolute path the file was archived from
    QString Ajoute;   // local time of the archiving, as the stamps
    QString Poste;    // the computer that archived it
    // Statistics of the temperature; empty when not computed.
    std::optional<double> Minimum;
    std::optional<double> Maximum;
    std::optional<double> Moyenne;
    std::optional<double> Mkt;

    bool Incomplet() const { return Annoncees > Mesures; }
};
