// What went wrong with the archive's database, in the program's words.
#pragma once

#include <QString>

class QSqlError;
struct Adresse_Archive;

// The cause in French (read-only file, not a database, server unreachable, access refused...),
// followed by the database's own text for whoever has to fix it.
QString Cause_Erreur_Archive(const QSqlError& erreur, const Adresse_Archive& adresse);
