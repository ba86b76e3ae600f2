// The graph control of the main window, on QCustomPlot. It is addressed the way the program
// always addressed its chart component:
//   plots 1 "Voie_Temp", 2 "Voie_Hygro", 3 "Consigne_Maxi", 4 "Consigne_Mini";
//   axes 1 "XAxis" (time, day counts), 2 "YAxis-Temp", 3 "YAxis-Hygro";
//   cursors 1 "Cursor-temp" (on plot 1), 2 "Cursor-Hygro" (on plot 2);
//   track modes 6 zoom by drawing a rectangle, 3 pan by dragging, 1 drag the cursors.
// Each concern lives in its own small class (Axe_Graphe, Trace_Graphe, Curseur_Graphe,
// Interaction_Graphe); this one puts them together and owns the caption and the colours.
#pragma once

#include <QBrush>
#include <QColor>
#include <QSharedPointer>
#include <QWidget>
#include <array>
#include <memory>

class Axe_Graphe;
class Curseur_Graphe;
class Interaction_Graphe;
class Graduation_Dates;
class QCPTextElement;
class QCustomPlot;
class Trace_Graphe;

class CWGraph : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Nb_Traces = 4;
    static constexpr int Nb_Axes = 3;
    static constexpr int Nb_Curseurs = 2;
    // Below this width four date labels no longer fit side by side.
    static constexpr int Largeur_Minimum = 400;
    static constexpr int Hauteur_Minimum = 250;

    explicit CWGraph(QWidget* parent = nullptr);
    ~CWGraph() override;

    // Numbered from 1; another number throws std::out_of_range.
    Trace_Graphe& Plots(int numero) const;
    Axe_Graphe& Axes(int numero) const;
    Curseur_Graphe& Cursors(int numero) const;

    // Most points each plot keeps; the oldest go first.
    int Longueur_Graphe() const { return longueur_; }
    void Definir_Longueur_Graphe(int longueur);

    int Mode_Suivi() const;
    void Definir_Mode_Suivi(int mode);

    QString Legende() const;
    void Definir_Legende(const QString& texte);

    // The plot area's fill, kept as a brush: it has none at first (the background shows
    // through), and a colour alone could not tell "no fill" from black.
    QBrush Pinceau_Zone_Trace() const;
    void Definir_Pinceau_Zone_Trace(const QBrush& pinceau);
    QColor Couleur_Fond() const { return couleur_fond_; }
    void Definir_Couleur_Fond(const QColor& couleur);

    // Every change asks for a redrawing at the next pass of the event loop; this one draws now.
    void Redessiner_Maintenant();

    // Draws the graph as vectors (texts stay texts) into `cible`, on a printer page for example.
    void Dessiner(QPainter& peintre, const QRectF& cible) const;

    QCustomPlot& Trace_QCP() const { return *trace_qcp_; }

  signals:
    // The pointer pressed, or dragged, on the plot area in track mode 1. Button 1 left, 2 right,
    // 4 middle; shift state 1 shift, 2 control, 4 alt; x a day count, y on axis 2.
    void Pointeur_Zone_Trace(int bouton, int shift, double x, double y);

  private:
    void Construire_Axes();
    void Construire_Traces();
    void Construire_Legende();
    void Pointeur(int bouton, int shift, double x, double y);
    // Before each drawing: the date labels for the axis' length, the legend for the plots
    // shown.
    void Preparer_Dessin();
    void Espacer_Dates();
    void Mettre_A_Jour_Legende();

    QCustomPlot* trace_qcp_;
    QCPTextElement* legende_;
    QSharedPointer<Graduation_Dates> dates_;
    std::array<std::unique_ptr<Axe_Graphe>, Nb_Axes> axes_;
    std::array<std::unique_ptr<Trace_Graphe>, Nb_Traces> traces_;
    std::array<std::unique_ptr<Curseur_Graphe>, Nb_Curseurs> curseurs_;
    Interaction_Graphe* interaction_ = nullptr;
    int longueur_ = 16000;
    QColor couleur_fond_;
};
