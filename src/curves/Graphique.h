// The measures of the shared record as curves on the main window's graph.
//
// Plot 1 is the temperature on axis 2. Plot 2 on axis 3 is the humidity of a model 7307
// recording, or the running cooking value of a model 7306 one. For model 7307 Nb_Mesures
// counts two values per record, so R = Nb_Mesures / 2 records are drawn (halves to even).
#pragma once

class Axe_Graphe;
class CWGraph;
struct Etat;

namespace Graphique {

// The empty graph at start: chart length 16000, zoom mode, the last 24 hours on the time axis.
void Init_Graphique(CWGraph& graphe, double maintenant);

// Draws the measures after a download or an opened file (plots 3 and 4 are left alone), then
// Mise_Echelle.
void Affiche_Courbes(const Etat& etat, CWGraph& graphe);

// The time axis from the first to the last record, and both value axes fitted to their curves
// with a margin of 0.2 × | |minimum| + maximum | below, then above (20 and 80 give 0 and 96).
// Nothing happens unless 1 <= Nb_Mesures <= 16000.
void Mise_Echelle(const Etat& etat, CWGraph& graphe);

// The program's margin around a value axis fitted to its curves: 0.2 × | |minimum| + maximum |,
// first below, then above with the new minimum.
void Elargir(Axe_Graphe& axe);

// Draws the running cooking value held in Humidite as plot 2, on axis 3 from 0.
void Affiche_Courbe_Cuisson(const Etat& etat, CWGraph& graphe);

// Keeps only the records whose time lies within the time axis now shown (both ends included)
// and sets Nb_Mesures (and the count announced) to match. The curves are not redrawn.
void Selection_Mesures(Etat& etat, const CWGraph& graphe);

}  // namespace Graphique
