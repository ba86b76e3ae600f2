// What the mouse does on the graph, by track mode: 6 draws a rectangle to zoom into (and the
// wheel zooms the time axis), 3 drags the
// view, 1 moves the cursors. In mode 1 a press on the plot area, and every move while the left
// button is held, is reported with the pointer's position in the program's units.
#pragma once

#include <QObject>

#include "curves/Numeros_Graphe.h"

class Axe_Graphe;
class QCustomPlot;
class QMouseEvent;

class Interaction_Graphe : public QObject {
    Q_OBJECT
  public:
    static constexpr int Mode_Curseur = Numeros_Graphe::Mode_Curseur;
    static constexpr int Mode_Panoramique = Numeros_Graphe::Mode_Panoramique;
    static constexpr int Mode_Zoom = Numeros_Graphe::Mode_Zoom;

    Interaction_Graphe(QCustomPlot& trace_qcp, Axe_Graphe& axe_temps, Axe_Graphe& axe_valeur,
                       Axe_Graphe& axe_second);

    int Mode() const { return mode_; }
    // Any other value leaves the mouse without effect on the graph.
    void Definir_Mode(int mode);

  signals:
    // Button: 1 left, 2 right, 4 middle. Shift state: 1 shift, 2 control, 4 alt.
    // x on the time axis (a day count), y on the temperature axis.
    void Pointeur(int bouton, int shift, double x, double y);

  private:
    void Appui(QMouseEvent* evenement);
    void Deplacement(QMouseEvent* evenement);
    void Signaler(QMouseEvent* evenement, int bouton);

    QCustomPlot& trace_qcp_;
    Axe_Graphe& axe_temps_;
    Axe_Graphe& axe_valeur_;
    int mode_ = 0;
};
