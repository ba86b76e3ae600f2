// A numeric table to print: that of a 7307 recording, one measure a minute from 05/12/2026
// 08:00, each entry telling its place by its time.
#pragma once

#include <QString>
#include <QStringList>

// `nombre` entries in all, the two description lines and the header included.
QStringList Table_Essai(int nombre);
// The time of entry k (3 for the first measure).
QString Heure_Entree(int k);
