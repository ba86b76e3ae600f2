// One plot of the graph: the points appended to it, drawn against one time axis and one value
// axis, with its colour, line style and visibility.
#pragma once

#include <QColor>
#include <QString>

class Axe_Graphe;
class QCPGraph;

class Trace_Graphe {
  public:
    // Line styles of the plots: the setpoint lines are drawn in Style_Tirets so that they stand
    // apart from the measures.
    static constexpr int Style_Aucun = 0;
    static constexpr int Style_Continu = 1;
    static constexpr int Style_Pointille = 2;
    static constexpr int Style_Tirets = 3;
    static constexpr int Style_Tiret_Point = 4;

    Trace_Graphe(QCPGraph* graphe, const QString& nom, Axe_Graphe& axe_x, Axe_Graphe& axe_y);

    const QString& Nom() const { return nom_; }
    // What the legend calls the plot.
    QString Libelle() const;
    void Definir_Libelle(const QString& libelle);

    void Effacer();
    // x in the units of the X axis (days on the time axis). When the plot already holds its
    // maximum number of points the oldest one goes.
    void Ajouter_Point(double x, double y);
    int Nb_Points() const;
    // The point nearest to x along the X axis, in program units; false when the plot is empty.
    bool Point_Proche(double x, double& x_point, double& y_point) const;

    // Most points kept (the graph's chart length).
    void Definir_Capacite(int capacite);

    bool Visible() const;
    void Definir_Visible(bool visible);

    Axe_Graphe& Axe_X() const { return *axe_x_; }
    Axe_Graphe& Axe_Y() const { return *axe_y_; }
    void Definir_Axe_Y(Axe_Graphe& axe);

    QColor Couleur() const;
    void Definir_Couleur(const QColor& couleur);
    int Style_Ligne() const { return style_; }
    void Definir_Style_Ligne(int style);

    QCPGraph* Graphe_QCP() const { return graphe_; }

  private:
    void Redessiner();

    QCPGraph* graphe_;
    QString nom_;
    Axe_Graphe* axe_x_;
    Axe_Graphe* axe_y_;
    int capacite_;
    int style_ = Style_Continu;
};
