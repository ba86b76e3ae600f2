#include "study/gui/Graphe_Superposition.h"

#include <qcustomplot.h>

#include <QVBoxLayout>

#include "core/Etat.h"
#include "curves/Axe_Graphe.h"
#include "curves/Couleurs_Enregistrements.h"
#include "curves/Graduation_Dates.h"
#include "curves/Graphique.h"
#include "curves/Habillage_Graphe.h"
#include "curves/Interaction_Graphe.h"

namespace {

// Eight names side by side would run off the window: four a row.
constexpr int Noms_Par_Rangee = 4;

}  // namespace

Graphe_Superposition::Graphe_Superposition(QWidget* parent)
    : QWidget(parent), trace_qcp_(new QCustomPlot(this)) {
    trace_qcp_->setObjectName(QStringLiteral("Trace_QCP"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(trace_qcp_);

    dates_ = QSharedPointer<Graduation_Dates>::create();
    trace_qcp_->xAxis->setTicker(dates_);
    axe_temps_ = std::make_unique<Axe_Graphe>(trace_qcp_->xAxis, QStringLiteral("XAxis"),
                                              Axe_Graphe::Nature::Temps);
    axe_valeur_ = std::make_unique<Axe_Graphe>(trace_qcp_->yAxis, QStringLiteral("YAxis-Temp"),
                                               Axe_Graphe::Nature::Valeur);
    // Not shown: the mouse's zoom and pan want a second value axis, as on the main graph.
    axe_second_ = std::make_unique<Axe_Graphe>(trace_qcp_->yAxis2, QStringLiteral("YAxis-Hygro"),
                                               Axe_Graphe::Nature::Valeur);
    for (QCPAxis* axe : {trace_qcp_->xAxis, trace_qcp_->yAxis})
        Habillage_Graphe::Habiller_Axe(*axe);
    Habillage_Graphe::Legende_Sous_Trace(*trace_qcp_, Noms_Par_Rangee);
    connect(trace_qcp_, &QCustomPlot::beforeReplot, this,
            [this] { Habillage_Graphe::Espacer_Dates(*trace_qcp_, *dates_); });

    // The pens are 1.5 pixels wide, as on the report: Qt strokes such lines point by point,
    // some twenty times slower than one-pixel ones (26 ms for eight curves, against 16 for a
    // zoom or pan that follows the mouse). Drawn as polylines they take under 5 ms.
    trace_qcp_->setPlottingHint(QCP::phFastPolylines, true);
    ligne_curseur_ = new QCPItemStraightLine(trace_qcp_);
    ligne_curseur_->setPen(QPen(QColor(0x55, 0x55, 0x55), 1, Qt::DashLine));
    ligne_curseur_->setVisible(false);
    interaction_ = new Interaction_Graphe(*trace_qcp_, *axe_temps_, *axe_valeur_, *axe_second_);
    connect(interaction_, &Interaction_Graphe::Pointeur, this,
            [this](int, int, double x, double) { Placer_Curseur(x); });
}

Graphe_Superposition::~Graphe_Superposition() = default;

void Graphe_Superposition::Afficher(const std::vector<Courbe>& courbes, const QString& unite) {
    trace_qcp_->clearGraphs();
    axe_valeur_->Definir_Legende(QStringLiteral("Température ") + unite);
    for (std::size_t rang = 0; rang < courbes.size(); ++rang) {
        const Etat& etat = *courbes[rang].etat;
        QCPGraph* graphe = trace_qcp_->addGraph(trace_qcp_->xAxis, trace_qcp_->yAxis);
        graphe->setName(courbes[rang].nom);
        graphe->setPen(Trait_Enregistrement(rang));
        // Thousands of points on a few hundred pixels: QCustomPlot thins them out when drawing.
        graphe->setAdaptiveSampling(true);
        const int n = Enregistrements_Lisibles(etat);
        QVector<QCPGraphData> points;
        points.reserve(n);
        for (int i = 1; i <= n; ++i) {
            const Mesure& m = etat.Mesures(i);
            points.append({axe_temps_->Vers_Trace(m.Date_Heure), m.Temperature});
        }
        // A file edited by hand need not keep its stamps in order: the points are sorted.
        graphe->data()->set(points, false);
    }
    Zoom_Initial();
}

void Graphe_Superposition::Zoom_Initial() {
    axe_temps_->Auto_Echelle();
    axe_valeur_->Auto_Echelle();
    Graphique::Elargir(*axe_valeur_);
    trace_qcp_->replot(QCustomPlot::rpQueuedReplot);
}

void Graphe_Superposition::Definir_Mode(int mode) {
    interaction_->Definir_Mode(mode);
}

QStringList Graphe_Superposition::Legende() const {
    QStringList noms;
    for (int i = 0; i < trace_qcp_->legend->itemCount(); ++i) {
        if (auto* element = qobject_cast<QCPPlottableLegendItem*>(trace_qcp_->legend->item(i))) {
            noms << element->plottable()->name();
        }
    }
    return noms;
}

void Graphe_Superposition::Placer_Curseur(double instant) {
    curseur_ = instant;
    const double x = axe_temps_->Vers_Trace(instant);
    ligne_curseur_->point1->setCoords(x, 0);
    ligne_curseur_->point2->setCoords(x, 1);
    ligne_curseur_->setVisible(true);
    trace_qcp_->replot(QCustomPlot::rpQueuedReplot);
    emit Curseur_Place(instant);
}
