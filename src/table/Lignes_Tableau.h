// The lines of the numeric table, as fixed-pitch text: the logger's name, the period, a column
// header, then one line per measure shown on the graph. Columns are 23, 8 and 8 characters wide
// (a longer text is kept whole and pushes the next columns right).
#pragma once

#include <QString>
#include <QStringList>

struct Etat;

namespace Lignes_Tableau {

// What the graph shows: the time range of the temperature curve (both ends included) and
// whether the second curve, humidity or cooking value, is visible.
struct Vue_Graphe {
    double debut = 0;
    double fin = 0;
    bool second_visible = false;
};

// Line 2: the 7307 header names "%Hr" even when its curve is hidden; another model's names
// "minutes" while the cooking curve is shown, and nothing otherwise.
QString Entete(const QString& version, bool second_visible);

// One measure: date and time (the date alone at midnight), temperature, and the second value
// when its curve is visible.
QString Ligne_Mesure(double date, float temperature, float second, bool second_visible);

// Lines 0 and 1, the header, then the measures inside the range, oldest first.
QStringList Lignes(const Etat& etat, const Vue_Graphe& vue);

}  // namespace Lignes_Tableau
