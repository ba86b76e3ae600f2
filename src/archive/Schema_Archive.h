// The archive's tables, and their version number kept in a table of its own. The program
// creates them, or brings them up to its version, when it opens the archive.
#pragma once

#include <QSqlDatabase>
#include <QString>

#include "archive/Adresse_Archive.h"

// The version this program writes.
constexpr int Version_Schema_Archive = 4;

// How identities and comments are searched: case and accents folded by the program, so that
// "four01" finds FOUR01 and "creme" finds "Crème" on both engines alike, which neither's own
// comparisons do.
QString Texte_Recherche(const QString& texte);

// The version the base holds: 0 when it has no archive tables yet, -1 when it cannot be read.
int Lire_Version_Schema(const QSqlDatabase& base);

// Creates the tables or upgrades them, all in one transaction, so a base is never left half
// made. A French message when that fails or the base was made by a newer program.
Reussite_Ou_Erreur Preparer_Schema(const QSqlDatabase& base, const Adresse_Archive& adresse);
