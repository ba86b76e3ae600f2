// What the archive tells its caller. It never shows a message: the desktop program and
// caldrix-cli each choose what the user sees, from the outcome and the French message.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "archive/Fiche_Archive.h"

enum class Bilan_Ajout {
    Archive,       // the recording is in the archive, whole
    Deja_Archive,  // the same bytes were already there: nothing was added
    Echec,         // nothing of it is in the archive
};

struct Resultat_Ajout {
    Bilan_Ajout Bilan = Bilan_Ajout::Echec;
    int64_t Id = 0;  // the archived recording, new or already there
    QString Message;
    // Echec only. The archive refused it (read-only, disk full, server out of reach), not the
    // file: the next files would meet the same refusal.
    bool Archive_En_Cause = false;
    // Echec only. The server's reply to the commit was lost: the recording may be archived
    // after all, which the next add of the same file tells.
    bool Incertain = false;
};

// Every field that is set narrows the list; an empty filter lists everything.
struct Filtre_Archive {
    QString Identite;          // exactly this logger
    std::optional<double> Du;  // recordings whose span meets [Du, Au] (day counts)
    std::optional<double> Au;
    QString Texte;  // a word of the comment, whatever its case
};

struct Resultat_Liste {
    bool Lu = false;
    QList<Fiche_Archive> Fiches;  // newest first
    QString Message;              // why it could not be read
};

enum class Bilan_Export {
    Exporte,  // the file holds the archived bytes
    Inconnu,  // no recording has this number
    Echec,    // nothing was written: an existing file keeps its contents
};

struct Resultat_Export {
    Bilan_Export Bilan = Bilan_Export::Echec;
    QString Message;
};

struct Ecart_Archive {
    // The first three are about the file the recording was archived from; Copie_Alteree is
    // the archive's own copy, whose bytes no longer give the recording's SHA-256 (or cannot
    // be read back).
    enum class Nature { Absent, Modifie, Illisible, Copie_Alteree };
    int64_t Id = 0;
    QString Fichier;
    Nature Type = Nature::Absent;
};

struct Resultat_Verification {
    bool Lu = false;  // false when the archive itself could not be read
    int Nb_Verifies = 0;
    QList<Ecart_Archive> Ecarts;  // the files missing, changed or unreadable, by number
    // What the database's own check found wrong in its file (SQLite's integrity_check), one
    // line each; empty when sound or not checked (PostgreSQL).
    QStringList Defauts_Base;
    QString Message;

    bool Intacte() const { return Ecarts.isEmpty() && Defauts_Base.isEmpty(); }
};
