#include "curves/CWGraph.h"

#include <qcustomplot.h>

#include <QPicture>
#include <QVBoxLayout>
#include <stdexcept>

#include "curves/Axe_Graphe.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Interaction_Graphe.h"
#include "curves/Trace_Graphe.h"

namespace {

template <typename T, std::size_t N>
T& Element(const std::array<std::unique_ptr<T>, N>& tableau, int numero) {
    if (numero < 1 || numero > static_cast<int>(N)) {
        throw std::out_of_range("numéro hors du graphe");
    }
    return *tableau[static_cast<std::size_t>(numero - 1)];
}

const QColor Couleur_Temperature(0xc0, 0x39, 0x2b);
const QColor Couleur_Second(0x1f, 0x5f, 0xbf);
const QColor Couleur_Consigne(0x55, 0x55, 0x55);

}  // namespace

CWGraph::CWGraph(QWidget* parent)
    : QWidget(parent), trace_qcp_(new QCustomPlot(this)), couleur_fond_(Qt::white) {
    trace_qcp_->setObjectName(QStringLiteral("Trace_QCP"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(trace_qcp_);

    legende_ = new QCPTextElement(trace_qcp_, QString(), QFont(font().family(), 10, QFont::Bold));
    trace_qcp_->plotLayout()->insertRow(0);
    trace_qcp_->plotLayout()->addElement(0, 0, legende_);

    Construire_Axes();
    Construire_Traces();
    curseurs_[0] = std::make_unique<Curseur_Graphe>(*trace_qcp_, QStringLiteral("Cursor-temp"),
                                                    *traces_[0], QColor(0x1e, 0x8c, 0x3c));
    curseurs_[1] = std::make_unique<Curseur_Graphe>(*trace_qcp_, QStringLiteral("Cursor-Hygro"),
                                                    *traces_[1], QColor(0x8e, 0x44, 0xad));
    interaction_ = new Interaction_Graphe(*trace_qcp_, *axes_[0], *axes_[1], *axes_[2]);
    connect(interaction_, &Interaction_Graphe::Pointeur, this, &CWGraph::Pointeur);
}

CWGraph::~CWGraph() = default;

void CWGraph::Construire_Axes() {
    QCPAxis* temps = trace_qcp_->xAxis;
    auto dates = QSharedPointer<QCPAxisTickerDateTime>::create();
    dates->setDateTimeFormat(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    dates->setDateTimeSpec(Qt::UTC);  // see Axe_Graphe.h: our dates carry no time zone
    dates->setTickCount(4);
    temps->setTicker(dates);

    QCPAxis* temperature = trace_qcp_->yAxis;
    temperature->setLabel(QStringLiteral("Température °C"));
    temperature->setRange(0, 100);
    QCPAxis* second = trace_qcp_->yAxis2;
    second->setLabel(QStringLiteral("Hygrométrie %Hr"));
    second->setRange(0, 100);
    second->setVisible(true);
    second->setTickLabels(true);

    axes_[0] =
        std::make_unique<Axe_Graphe>(temps, QStringLiteral("XAxis"), Axe_Graphe::Nature::Temps);
    axes_[1] = std::make_unique<Axe_Graphe>(temperature, QStringLiteral("YAxis-Temp"),
                                            Axe_Graphe::Nature::Valeur);
    axes_[2] = std::make_unique<Axe_Graphe>(second, QStringLiteral("YAxis-Hygro"),
                                            Axe_Graphe::Nature::Valeur);
    for (const auto& axe : axes_) {
        axe->Axe_QCP()->grid()->setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 0, Qt::DotLine));
    }
}

void CWGraph::Construire_Traces() {
    struct Fiche {
        const char* nom;
        int axe_y;
        QColor couleur;
    };
    const std::array<Fiche, Nb_Traces> fiches = {{
        {"Voie_Temp", 2, Couleur_Temperature},
        {"Voie_Hygro", 3, Couleur_Second},
        {"Consigne_Maxi", 2, Couleur_Consigne},
        {"Consigne_Mini", 2, Couleur_Consigne},
    }};
    for (std::size_t i = 0; i < fiches.size(); ++i) {
        Axe_Graphe& axe_y = *axes_[static_cast<std::size_t>(fiches[i].axe_y - 1)];
        QCPGraph* graphe = trace_qcp_->addGraph(axes_[0]->Axe_QCP(), axe_y.Axe_QCP());
        traces_[i] = std::make_unique<Trace_Graphe>(graphe, QString::fromLatin1(fiches[i].nom),
                                                    *axes_[0], axe_y);
        traces_[i]->Definir_Couleur(fiches[i].couleur);
        traces_[i]->Definir_Capacite(longueur_);
    }
}

Trace_Graphe& CWGraph::Plots(int numero) const {
    return Element(traces_, numero);
}

Axe_Graphe& CWGraph::Axes(int numero) const {
    return Element(axes_, numero);
}

Curseur_Graphe& CWGraph::Cursors(int numero) const {
    return Element(curseurs_, numero);
}

void CWGraph::Definir_Longueur_Graphe(int longueur) {
    longueur_ = longueur;
    for (const auto& trace : traces_)
        trace->Definir_Capacite(longueur);
}

int CWGraph::Mode_Suivi() const {
    return interaction_->Mode();
}

void CWGraph::Definir_Mode_Suivi(int mode) {
    interaction_->Definir_Mode(mode);
}

QString CWGraph::Legende() const {
    return legende_->text();
}

void CWGraph::Definir_Legende(const QString& texte) {
    legende_->setText(texte);
    trace_qcp_->replot(QCustomPlot::rpQueuedReplot);
}

QColor CWGraph::Couleur_Zone_Trace() const {
    return trace_qcp_->axisRect()->backgroundBrush().color();
}

void CWGraph::Definir_Couleur_Zone_Trace(const QColor& couleur) {
    trace_qcp_->axisRect()->setBackground(QBrush(couleur));
    trace_qcp_->replot(QCustomPlot::rpQueuedReplot);
}

void CWGraph::Definir_Couleur_Fond(const QColor& couleur) {
    couleur_fond_ = couleur;
    trace_qcp_->setBackground(QBrush(couleur));
    trace_qcp_->replot(QCustomPlot::rpQueuedReplot);
}

void CWGraph::Redessiner_Maintenant() {
    trace_qcp_->replot(QCustomPlot::rpImmediateRefresh);
}

void CWGraph::Dessiner(QPainter& peintre, const QRectF& cible) const {
    const int largeur = std::max(trace_qcp_->width(), 1);
    const int hauteur = std::max(trace_qcp_->height(), 1);
    QPicture image;
    {
        QCPPainter peintre_qcp(&image);
        trace_qcp_->toPainter(&peintre_qcp, largeur, hauteur);
    }
    peintre.save();
    peintre.translate(cible.topLeft());
    peintre.scale(cible.width() / largeur, cible.height() / hauteur);
    peintre.drawPicture(0, 0, image);
    peintre.restore();
}

void CWGraph::Pointeur(int bouton, int shift, double x, double y) {
    // Both cursors always stand at the same time.
    for (const auto& curseur : curseurs_)
        curseur->Definir_X(x);
    trace_qcp_->replot(QCustomPlot::rpQueuedReplot);
    emit Pointeur_Zone_Trace(bouton, shift, x, y);
}
