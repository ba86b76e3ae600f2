#include "curves/Interaction_Graphe.h"

#include <qcustomplot.h>

#include "curves/Axe_Graphe.h"

namespace {

int Bouton(Qt::MouseButton bouton) {
    switch (bouton) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int Etat_Shift(Qt::KeyboardModifiers touches) {
    int etat = 0;
    if (touches & Qt::ShiftModifier) etat |= 1;
    if (touches & Qt::ControlModifier) etat |= 2;
    if (touches & Qt::AltModifier) etat |= 4;
    return etat;
}

}  // namespace

Interaction_Graphe::Interaction_Graphe(QCustomPlot& trace_qcp, Axe_Graphe& axe_temps,
                                       Axe_Graphe& axe_valeur, Axe_Graphe& axe_second)
    : QObject(&trace_qcp), trace_qcp_(trace_qcp), axe_temps_(axe_temps), axe_valeur_(axe_valeur) {
    // Zoom and pan act on the time axis and on both value axes together.
    QCPAxisRect* zone = trace_qcp_.axisRect();
    const QList<QCPAxis*> horizontaux{axe_temps.Axe_QCP()};
    const QList<QCPAxis*> verticaux{axe_valeur.Axe_QCP(), axe_second.Axe_QCP()};
    zone->setRangeZoomAxes(horizontaux, verticaux);
    zone->setRangeDragAxes(horizontaux, verticaux);
    zone->setRangeDrag(Qt::Horizontal | Qt::Vertical);
    // The wheel zooms the time only: the values keep their scale while the user looks closer
    // at a moment.
    zone->setRangeZoom(Qt::Horizontal);
    connect(&trace_qcp_, &QCustomPlot::mousePress, this, &Interaction_Graphe::Appui);
    connect(&trace_qcp_, &QCustomPlot::mouseMove, this, &Interaction_Graphe::Deplacement);
    Definir_Mode(Mode_Zoom);
}

void Interaction_Graphe::Definir_Mode(int mode) {
    mode_ = mode;
    trace_qcp_.setSelectionRectMode(mode == Mode_Zoom ? QCP::srmZoom : QCP::srmNone);
    trace_qcp_.setInteraction(QCP::iRangeDrag, mode == Mode_Panoramique);
    trace_qcp_.setInteraction(QCP::iRangeZoom, mode == Mode_Zoom);
    trace_qcp_.setCursor(mode == Mode_Curseur ? Qt::CrossCursor : Qt::ArrowCursor);
}

void Interaction_Graphe::Appui(QMouseEvent* evenement) {
    if (mode_ == Mode_Curseur) Signaler(evenement, Bouton(evenement->button()));
}

void Interaction_Graphe::Deplacement(QMouseEvent* evenement) {
    if (mode_ == Mode_Curseur && (evenement->buttons() & Qt::LeftButton)) Signaler(evenement, 1);
}

void Interaction_Graphe::Signaler(QMouseEvent* evenement, int bouton) {
    const QPointF point = evenement->position();
    if (!trace_qcp_.axisRect()->rect().contains(point.toPoint())) return;
    const double x = axe_temps_.Depuis_Trace(axe_temps_.Axe_QCP()->pixelToCoord(point.x()));
    const double y = axe_valeur_.Axe_QCP()->pixelToCoord(point.y());
    emit Pointeur(bouton, Etat_Shift(evenement->modifiers()), x, y);
}
