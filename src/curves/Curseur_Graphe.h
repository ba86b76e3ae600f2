// A cursor of the graph: a cross-hair across the plot area that stands on a point of its plot.
// Placed at a time, it moves to the plot's point nearest to that time and reads its value; on
// an empty plot it stands where it is put.
#pragma once

#include <QColor>
#include <QString>

class QCPItemTracer;
class QCustomPlot;
class Trace_Graphe;

class Curseur_Graphe {
  public:
    Curseur_Graphe(QCustomPlot& trace_qcp, const QString& nom, Trace_Graphe& trace,
                   const QColor& couleur);

    const QString& Nom() const { return nom_; }

    bool Visible() const;
    void Definir_Visible(bool visible);

    // X in the units of the time axis (days), Y in those of the plot's value axis.
    double X() const { return x_; }
    double Y() const { return y_; }
    void Definir_X(double x);
    void Definir_Position(double x, double y);

  private:
    void Placer();

    QCPItemTracer* repere_;
    QString nom_;
    Trace_Graphe& trace_;
    double x_ = 0;
    double y_ = 0;
};
