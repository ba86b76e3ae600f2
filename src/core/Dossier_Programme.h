// The program folder: "c:\Caldrix" on Windows, ~/Caldrix elsewhere; CALDRIX_HOME overrides it.
#pragma once

#include <QString>

namespace Dossier_Programme {
QString Chemin();
QString Fichier(const QString& nom);  // a file of the program folder
// The device of serial port n: COMn on Windows; elsewhere the link ports/COMn of the program
// folder when it exists, otherwise /dev/ttyS<n-1>.
QString Peripherique_Port(int numero);
}  // namespace Dossier_Programme
