// The study's graph: the temperature of every recording overlaid on one time axis, each in its
// own pen (Trait_Enregistrement, the same as on the study's report) and named in the legend. The
// mouse works as on the main graph (Interaction_Graphe): the wheel and a drawn rectangle zoom,
// "Panoramique" drags the view, and in cursor mode a click stands the cursor, a vertical line,
// at an instant.
#pragma once

#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class Axe_Graphe;
class Graduation_Dates;
class Interaction_Graphe;
class QCPItemStraightLine;
class QCustomPlot;
struct Etat;

class Graphe_Superposition : public QWidget {
    Q_OBJECT
  public:
    struct Courbe {
        QString nom;  // in the legend
        const Etat* etat;
    };

    explicit Graphe_Superposition(QWidget* parent = nullptr);
    ~Graphe_Superposition() override;

    // These recordings' curves, in this order (the n-th takes the n-th pen), the view fitted
    // to them all. `unite`: the temperatures' unit, for the axis.
    void Afficher(const std::vector<Courbe>& courbes, const QString& unite);
    // The whole of every curve in view.
    void Zoom_Initial();
    // Numeros_Graphe's track modes: Mode_Zoom, Mode_Panoramique, Mode_Curseur.
    void Definir_Mode(int mode);

    // The names the legend shows, in order.
    QStringList Legende() const;
    // Where the cursor stands (a day count); empty until it is put somewhere.
    std::optional<double> Curseur() const { return curseur_; }
    void Placer_Curseur(double instant);

    Axe_Graphe& Axe_Temps() const { return *axe_temps_; }
    QCustomPlot& Trace_QCP() const { return *trace_qcp_; }

  signals:
    void Curseur_Place(double instant);

  private:
    QCustomPlot* trace_qcp_;
    QSharedPointer<Graduation_Dates> dates_;
    std::unique_ptr<Axe_Graphe> axe_temps_, axe_valeur_, axe_second_;
    Interaction_Graphe* interaction_;
    QCPItemStraightLine* ligne_curseur_;
    std::optional<double> curseur_;
};
