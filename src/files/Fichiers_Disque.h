// Whole files on disk, for every module that reads or writes one: the bytes of a file, and a
// write that never leaves a cut file in place of a good one.
#pragma once

#include <QByteArray>
#include <QString>

#include "files/Resultats_Fichiers.h"

namespace Import_Export {

// Writing goes through a temporary file that replaces the target only once it is complete, so
// a failed write never destroys a good file. `cause`, when given, receives why it failed.
Resultat_Ecriture Ecriture_Atomique(const QString& nom, const QByteArray& octets,
                                    Cause_Ecriture* cause = nullptr);
// Introuvable when the file does not exist, Incorrect when it cannot be opened.
Resultat_Lecture Lecture_Octets(const QString& nom, QByteArray& octets);

}  // namespace Import_Export
