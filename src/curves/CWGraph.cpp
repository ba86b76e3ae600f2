#include "curves/CWGraph.h"

#include <qcustomplot.h>

#include <QPicture>
#include <QVBoxLayout>
#include <stdexcept>

#include "curves/Axe_Graphe.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Graduation_Dates.h"
#include "curves/Habillage_Graphe.h"
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
    setMinimumSize(Largeur_Minimum, Hauteur_Minimum);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(trace_qcp_);

    QFont police_legende = font();
    police_legende.setPointSizeF(10);
    police_legende.setBold(true);
    legende_ =
        new QCPTextElement(trace_qcp_, QString(), Habillage_Graphe::En_Pixels(police_legende));
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
    Habillage_Graphe::Legende_Sous_Trace(*trace_qcp_);
}

void CWGraph::Preparer_Dessin() {
    Espacer_Dates();
    Mettre_A_Jour_Legende();
}

void CWGraph::Espacer_Dates() {
    Habillage_Graphe::Espacer_Dates(*trace_qcp_, *dates_);
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
    for (const auto& axe : axes_)
        Habillage_Graphe::Habiller_Axe(*axe->Axe_QCP());
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
