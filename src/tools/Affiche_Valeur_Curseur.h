// The cursor readout: the date and the values under the cursors, in the status line.
#pragma once

class CWGraph;
class Sortie_Etat;
struct Etat;

namespace Global {

// Whether the graph shows a second curve (humidity or running cooking value): plot 2 shown
// and holding points. At start-up the plot is shown but empty, and there is nothing to read.
bool Seconde_Courbe_Affichee(const CWGraph& graphe);

// Both cursors to the time X (a day count, as the graph reports the pointer), then the status
// line reads "05/12/2026 08:30:00  23.4°C  56.7%Hr" for model 7307, "...  71.3°C  12minutes"
// with a cooking curve, or the date and the temperature alone. It looks neither at the
// interaction mode nor at whether the cursors are shown.
void Affiche_Valeur_Curseur(const Etat& etat, CWGraph& graphe, Sortie_Etat& barre_etat, double X);

}  // namespace Global
