// Printing on the default printer, without a print dialog: the main window with its graph on one
// landscape page, or the numeric table as fixed-pitch text on portrait pages. When no printer is
// installed the user is offered a PDF file instead.
#pragma once

#include <QStringList>

class CWGraph;
class Dialogues;
class Imprimante;
class QMainWindow;

namespace Impression {

// The main window's client area (graph and comment box) and its status line laid out on the
// printable area of a landscape page, on white, the graph captioned
// "Caldrix - <file> -  le <date>         Logger : <caption>". The window, its colours and the
// caption are as before afterwards.
void Impression_Graphique(QMainWindow& fenetre, CWGraph& graphe, const QString& nom_fichier,
                          double maintenant, Imprimante& imprimante, Dialogues& dialogues);

// The lines of the numeric table, paged as Pages_Tableau says, in "Courier New" 8.
void Impression_Tableau(const QStringList& entrees, double maintenant, Imprimante& imprimante,
                        Dialogues& dialogues);

}  // namespace Impression
