// The program folder as an installer leaves it: Sauvegardes/, Conf.ini and recettes.ini with
// their defaults, and the user manual "Documentation Caldrix.htm".
//
// The program carries its own copy of these three files. The build writes that copy into
// share/caldrix, which the package installs; an installed program copies from there, a program
// run from its build folder from its own copy: the same bytes either way.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Installation {

constexpr const char* Nom_Manuel = "Documentation Caldrix.htm";

// Conf.ini, recettes.ini and the manual.
QStringList Fichiers_Defaut();
// The program's own copy of one of those files (empty for any other name).
QByteArray Contenu_Integre(const QString& nom);
// share/caldrix of the installation the program runs from, found from the program's own folder
// (…/bin/caldrix: …/share/caldrix). It does not exist beside a build folder.
QString Dossier_Partage();

// A first start: the folder does not exist, or holds none of the installed files (a simulated
// logger may have linked its port there before the program ever ran).
bool Premier_Demarrage(const QString& dossier);

// Installs the folder on a first start, each file from `partage` when it is there (the files
// the package lists are the ones the user gets), the program's own copy otherwise; afterwards
// it touches nothing, so the user's settings, recipes and recordings are never overwritten.
// Returns what could not be created (empty when all went well, or when there was nothing to do).
QStringList Preparer_Dossier_Programme(const QString& partage);

}  // namespace Installation
