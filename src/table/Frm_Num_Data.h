// "Tableau numérique": the measures shown on the main window's graph as fixed-pitch text lines.
// The list is built once, when the window loads, from the graph's time range at that moment; to
// see another range the user closes the window and opens it again.
#pragma once

#include <QStringList>

#include "controls/Fenetre_Chargeable.h"

class CWGraph;
class QAction;
class QListWidget;
struct Etat;

class Frm_Num_Data : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    Frm_Num_Data(const Etat& etat, const CWGraph& graphe);

    void Form_Load();
    void Mnu_Fermer_Click();

    // The lines of Lst_Data, in order: what the table printing prints.
    QStringList Lignes() const;

    QListWidget* Lst_Data;
    QAction* Mnu_Fermer;

  private:
    const Etat& etat_;
    const CWGraph& graphe_;
};
