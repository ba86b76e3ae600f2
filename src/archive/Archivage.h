// A recordings file the program has just written goes into the archive. The file comes first:
// an archive out of reach never stops nor undoes a save, it is only told.
#pragma once

#include <QString>

#include "archive/Resultats_Archive.h"

namespace Archivage {

// Archives `chemin` into the archive this workstation uses. On failure the message says, in
// French, that the recording is saved there but not archived, and why.
// `unite`: the unit it was recorded in when known (empty otherwise).
Resultat_Ajout Archiver_Enregistrement(const QString& chemin, const QString& unite = QString());

}  // namespace Archivage
