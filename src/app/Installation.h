// The program folder as an installer leaves it: Sauvegardes/, Conf.ini and recettes.ini with
// their defaults, and the user manual "Documentation Caldrix.htm".
#pragma once

#include <QString>
#include <QStringList>

namespace Installation {

constexpr const char* Nom_Manuel = "Documentation Caldrix.htm";

// A first start: the folder does not exist, or holds none of the installed files (a simulated
// logger may have linked its port there before the program ever ran).
bool Premier_Demarrage(const QString& dossier);

// Installs the folder on a first start; afterwards it touches nothing, so the user's settings,
// recipes and recordings are never overwritten. Returns what could not be created (empty when
// all went well, or when there was nothing to do).
QStringList Preparer_Dossier_Programme();

}  // namespace Installation
