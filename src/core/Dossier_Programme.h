// The program folder: "c:\Caldrix" on Windows, ~/Caldrix elsewhere; CALDRIX_HOME overrides it.
#pragma once

#include <QString>

namespace Dossier_Programme {
QString Chemin();
QString Fichier(const QString& nom);  // a file of the program folder
}  // namespace Dossier_Programme
