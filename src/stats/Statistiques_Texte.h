// The statistics in French, as rows of a two-column table (label, value) that the statistics
// window, the printed report and caldrix-cli lay out each their own way. Values carry their
// unit ("21.5 °C", "48.2 %Hr") and dates are written as everywhere in the program
// ("05/12/2026 14:30:00"). A row with an empty value is a message spanning both columns.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>

#include "stats/Statistiques.h"

namespace Statistiques {

struct Ligne {
    QString libelle;
    QString valeur;
};

// The recorded values and the thresholds as Texte_Single writes them; the mean and the MKT to
// one decimal, the standard deviation to two (it is often below a tenth).
QList<Ligne> Lignes_Statistiques(const Resultat& resultat);

// A number with this many decimals, "0.0" rather than "-0.0" for a value just below zero.
QString Texte_Decimales(double valeur, int decimales);

// A duration exact to the second, never rounded: below a minute "45 s"; beyond, from the
// largest unit that is not zero down to the minutes, in days (j), hours (h) and minutes (min),
// with the seconds only when there are some. Minutes and seconds after a larger unit have two
// digits: "1 min", "1 min 30 s", "2 h 05 min", "3 j 2 h 05 min", "1 j 0 h 00 min 01 s";
// "-" before a negative duration.
QString Texte_Duree(int64_t duree);

}  // namespace Statistiques
