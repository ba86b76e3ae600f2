#include "curves/CWGraph.h"

#include <qcustomplot.h>

#include <QPicture>
#include <QVBoxLayout>
#include <stdexcept>

#include "curves/Axe_Graphe.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Graduation_Dates.h"
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

// Fonts sized in pixels of the graph rather than in points, so that the graph drawn on a page
// (Dessiner) keeps its proportions whatever the printer's resolution.
QFont En_Pixels(QFont police) {
    if (police.pixelSize() <= 0) police.setPixelSize(qRound(police.pointSizeF() * 96.0 / 72.0));
    return police;
}

const QColor Couleur_Temperature(0xc0, 0x39, 0x2b);
const QColor Couleur_Second(0x1f, 0x5f, 0xbf);
const QColor Couleur_Consigne(0x55, 0x55, 0x55);

}  // namespace

CWGraph::CWGraph(QWidget* parent)
    : QWidget(parent), trace_qcp_(new QCustomPlot(this)), couleur_fond_(Qt::white) {
    trace_qcp_->setObjectName(QStringLiteral("Trace_QCP"));
    setMinimumSize(Largeur_Minimum, Hauteur_Minimum);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(trace_qcp_);

    QFont police_legende = font();
    police_legende.setPointSizeF(10);
    police_legende.setBold(true);
    legende_ = new QCPTextElement(trace_qcp_, QString(), En_Pixels(police_legende));
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
    Construire_Legende();
    connect(trace_qcp_, &QCustomPlot::beforeReplot, this, &CWGraph::Preparer_Dessin);
}

void CWGraph::Construire_Legende() {
    // Under the plot area, in one row, so that it never hides a curve.
    QCPLegend* legende = trace_qcp_->legend;
    trace_qcp_->axisRect()->insetLayout()->take(legende);
    trace_qcp_->axisRect()->insetLayout()->simplify();
    auto* rangee = new QCPLayoutGrid;
    trace_qcp_->plotLayout()->addElement(2, 0, rangee);
    trace_qcp_->plotLayout()->setRowStretchFactor(2, 0.001);
    // Centred: empty cells on both sides take the room the legend does not need.
    rangee->addElement(0, 0, new QCPLayoutElement(trace_qcp_));
    rangee->addElement(0, 1, legende);
    rangee->addElement(0, 2, new QCPLayoutElement(trace_qcp_));
    rangee->setColumnStretchFactors({1, 0.001, 1});
    legende->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legende->setBorderPen(Qt::NoPen);
    legende->setBrush(Qt::NoBrush);
    legende->setFont(En_Pixels(legende->font()));
    legende->setVisible(true);
}

void CWGraph::Preparer_Dessin() {
    Espacer_Dates();
    Mettre_A_Jour_Legende();
}

// Room for the labels at both ends of the time axis, and as many labels as fit between.
void CWGraph::Espacer_Dates() {
    QCPAxisRect* zone = trace_qcp_->axisRect();
    const QFontMetricsF mesure(trace_qcp_->xAxis->tickLabelFont());
    const QMargins marges = zone->margins();
    const double largeur_axe = trace_qcp_->width() - marges.left() - marges.right();
    dates_->Disposer(largeur_axe, mesure);
    const int demi_label = qCeil(dates_->Largeur_Label() / 2);
    zone->setMinimumMargins(QMargins(demi_label, 15, demi_label, 15));
}

// A plot is in the legend while it is shown with points on it.
void CWGraph::Mettre_A_Jour_Legende() {
    QCPLegend* legende = trace_qcp_->legend;
    for (const auto& trace : traces_) {
        QCPGraph* graphe = trace->Graphe_QCP();
        const bool montre =
            trace->Visible() && trace->Nb_Points() > 0 && !trace->Libelle().isEmpty();
        if (montre && !legende->hasItemWithPlottable(graphe)) graphe->addToLegend();
        if (!montre && legende->hasItemWithPlottable(graphe)) graphe->removeFromLegend();
    }
    legende->setVisible(legende->itemCount() > 0);
}

CWGraph::~CWGraph() = default;

void CWGraph::Construire_Axes() {
    QCPAxis* temps = trace_qcp_->xAxis;
    dates_ = QSharedPointer<Graduation_Dates>::create();
    temps->setTicker(dates_);

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
        QCPAxis* qcp = axe->Axe_QCP();
        qcp->grid()->setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 0, Qt::DotLine));
        qcp->setLabelFont(En_Pixels(qcp->labelFont()));
        qcp->setTickLabelFont(En_Pixels(qcp->tickLabelFont()));
    }
}

void CWGraph::Construire_Traces() {
    struct Fiche {
        const char* nom;
        const char* libelle;  // in the legend
        int axe_y;
        QColor couleur;
    };
    const std::array<Fiche, Nb_Traces> fiches = {{
        {"Voie_Temp", "Température", 2, Couleur_Temperature},
        {"Voie_Hygro", "Hygrométrie", 3, Couleur_Second},
        {"Consigne_Maxi", "Consigne maxi", 2, Couleur_Consigne},
        {"Consigne_Mini", "Consigne mini", 2, Couleur_Consigne},
    }};
    for (std::size_t i = 0; i < fiches.size(); ++i) {
        Axe_Graphe& axe_y = *axes_[static_cast<std::size_t>(fiches[i].axe_y - 1)];
        QCPGraph* graphe = trace_qcp_->addGraph(axes_[0]->Axe_QCP(), axe_y.Axe_QCP());
        traces_[i] = std::make_unique<Trace_Graphe>(graphe, QString::fromLatin1(fiches[i].nom),
                                                    *axes_[0], axe_y);
        traces_[i]->Definir_Couleur(fiches[i].couleur);
        traces_[i]->Definir_Libelle(QString::fromUtf8(fiches[i].libelle));
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

QBrush CWGraph::Pinceau_Zone_Trace() const {
    return trace_qcp_->axisRect()->backgroundBrush();
}

void CWGraph::Definir_Pinceau_Zone_Trace(const QBrush& pinceau) {
    trace_qcp_->axisRect()->setBackground(pinceau);
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
        // Vectors throughout, and hairlines made one graph pixel wide: a printer's device
        // pixel is far too thin to see.
        peintre_qcp.setMode(QCPPainter::pmVectorized);
        peintre_qcp.setMode(QCPPainter::pmNoCaching);
        peintre_qcp.setMode(QCPPainter::pmNonCosmetic);
        trace_qcp_->toPainter(&peintre_qcp, largeur, hauteur);
    }
    // Played back on a device of another resolution, a picture is scaled by the ratio of the
    // resolutions already; only the rest of the scaling is ours.
    const QPaintDevice* appareil = peintre.device();
    const double rapport_x = appareil ? double(appareil->logicalDpiX()) / image.logicalDpiX() : 1.0;
    const double rapport_y = appareil ? double(appareil->logicalDpiY()) / image.logicalDpiY() : 1.0;
    peintre.save();
    peintre.translate(cible.topLeft());
    peintre.scale(cible.width() / largeur / rapport_x, cible.height() / hauteur / rapport_y);
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
