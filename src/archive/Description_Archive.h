// A recordings file as the archive takes it: its bytes, exactly as they are on disk, and what
// the archive keeps of it.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "archive/Fiche_Archive.h"
#include "core/Empreinte.h"
#include "core/Ou_Erreur.h"

struct Fichier_Decrit {
    QByteArray Octets;
    Fiche_Archive Fiche;  // all but Id, Ajoute and Poste, which the archive gives
};

// Reads the file `chemin` and describes it; `unite` is the unit it was recorded in when the
// caller knows it (empty: unknown, the figures are then taken as °C). Empty, with the
// program's French message in `erreur`, when the file is missing or is not a readable
// recordings file.
Ou_Erreur<Fichier_Decrit> Decrire_Fichier(const QString& chemin, const QString& unite = QString());
