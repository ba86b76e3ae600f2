#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QStatusBar>

#include "core/Programme.h"
#include "core/Textes.h"
#include "curves/CWGraph.h"
#include "printing/Impression.h"
#include "printing/Tache_Impression.h"

namespace Impression {

namespace {

// What the graph print changes on screen, to be put back exactly as it was.
class Fenetre_Sauvegardee {
  public:
    Fenetre_Sauvegardee(QMainWindow& fenetre, CWGraph& graphe)
        : fenetre_(fenetre),
          graphe_(graphe),
          etat_(fenetre.windowState()),
          geometrie_(fenetre.normalGeometry()),
          palette_(fenetre.palette()),
          zone_trace_(graphe.Pinceau_Zone_Trace()),
          fond_graphe_(graphe.Couleur_Fond()),
          legende_(graphe.Legende()) {}

    ~Fenetre_Sauvegardee() {
        fenetre_.setWindowState(Qt::WindowNoState);
        fenetre_.setGeometry(geometrie_);
        fenetre_.setWindowState(etat_);
        fenetre_.setPalette(palette_);
        graphe_.Definir_Couleur_Fond(fond_graphe_);
        graphe_.Definir_Pinceau_Zone_Trace(zone_trace_);
        graphe_.Definir_Legende(legende_);
    }

    const QString& Legende() const { return legende_; }

  private:
    QMainWindow& fenetre_;
    CWGraph& graphe_;
    Qt::WindowStates etat_;
    QRect geometrie_;
    QPalette palette_;
    QBrush zone_trace_;
    QColor fond_graphe_;
    QString legende_;
};

// The printable area of the page in screen pixels, where it lies on the paper.
QRect Zone_Ecran(const QPageLayout& page, const QWidget& fenetre) {
    const QRectF pouces = page.paintRect(QPageLayout::Inch);
    const double x = fenetre.logicalDpiX();
    const double y = fenetre.logicalDpiY();
    return QRectF(pouces.left() * x, pouces.top() * y, pouces.width() * x, pouces.height() * y)
        .toRect();
}

// The font of a control in screen pixels, which the painter's scale then brings to the page
// like the rest of the window.
QFont Police_Pixels(const QWidget& controle) {
    QFont police = controle.font();
    if (police.pixelSize() <= 0) {
        police.setPixelSize(qRound(police.pointSizeF() * controle.logicalDpiY() / 72.0));
    }
    return police;
}

// A text box drawn by hand: rendered onto a printer, a widget becomes an image and its text
// could no longer be searched or copied from the page.
void Dessiner_Texte(const QLineEdit& texte, QPainter& peintre) {
    const QFont police = Police_Pixels(texte);
    const QRect place = texte.geometry();
    peintre.save();
    peintre.setPen(QPen(texte.palette().color(QPalette::Mid), 0));
    peintre.setBrush(texte.palette().base());
    peintre.drawRect(place.adjusted(0, 0, -1, -1));
    peintre.setFont(police);
    peintre.setPen(texte.palette().color(QPalette::Text));
    peintre.drawText(place.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, texte.text());
    peintre.restore();
}

// The status line under the client area, its panels as texts: the cooking result or the
// cursor readout belongs with the curves it was read from.
void Dessiner_Ligne_Etat(const QStatusBar& barre, QPainter& peintre) {
    peintre.save();
    peintre.setPen(QPen(barre.palette().color(QPalette::Mid), 0));
    peintre.drawLine(QPointF(0, 0), QPointF(barre.width(), 0));
    peintre.setPen(barre.palette().color(QPalette::WindowText));
    for (const QLabel* panneau : barre.findChildren<QLabel*>()) {
        if (!panneau->isVisible()) continue;
        peintre.setFont(Police_Pixels(*panneau));
        peintre.drawText(panneau->geometry().adjusted(2, 0, -2, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, panneau->text());
    }
    peintre.restore();
}

// The client area as vectors, so that texts stay texts on paper: the graph draws itself, the
// other controls are rendered in place; the status line below it, when the window shows one.
void Dessiner_Zone_Client(QWidget& zone, const QStatusBar* barre, QPainter& peintre,
                          const QRectF& page) {
    const int haut_barre = barre && barre->isVisible() ? barre->height() : 0;
    const double echelle = std::min(page.width() / zone.width(),
                                    page.height() / std::max(zone.height() + haut_barre, 1));
    peintre.save();
    peintre.scale(echelle, echelle);
    peintre.fillRect(zone.rect(), zone.palette().window());
    for (QWidget* controle : zone.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!controle->isVisible()) continue;
        if (auto* graphe = qobject_cast<CWGraph*>(controle)) {
            graphe->Dessiner(peintre, QRectF(controle->geometry()));
        } else if (auto* texte = qobject_cast<QLineEdit*>(controle)) {
            Dessiner_Texte(*texte, peintre);
        } else {
            controle->render(&peintre, controle->pos());  // as an image
        }
    }
    if (haut_barre > 0) {
        peintre.translate(0, zone.height());
        Dessiner_Ligne_Etat(*barre, peintre);
    }
    peintre.restore();
}

}  // namespace

void Impression_Graphique(QMainWindow& fenetre, CWGraph& graphe, const QString& nom_fichier,
                          double maintenant, Imprimante& imprimante, Dialogues& dialogues) {
    Tache_Impression tache(imprimante, dialogues);
    if (!tache.Preparer() || !tache.Commencer(QPageLayout::Landscape)) return;
    const Fenetre_Sauvegardee sauvegarde(fenetre, graphe);

    // The window takes the page's printable area, and its resize handler lays the graph and
    // the comment box out for it.
    fenetre.setWindowState(Qt::WindowNoState);
    fenetre.setGeometry(Zone_Ecran(tache.Mise_En_Page(), fenetre));
    QPalette blanc = fenetre.palette();
    blanc.setColor(QPalette::Window, Qt::white);
    fenetre.setPalette(blanc);
    graphe.Definir_Pinceau_Zone_Trace(QBrush(Qt::white));
    graphe.Definir_Legende(Programme::Nom() + QStringLiteral(" - ") + nom_fichier +
                           QStringLiteral(" - ") + QStringLiteral(" le ") + Texte_Date(maintenant) +
                           QStringLiteral("         Logger : ") + sauvegarde.Legende());
    graphe.Redessiner_Maintenant();

    QWidget* zone = fenetre.centralWidget();
    const QStatusBar* barre = fenetre.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (zone) Dessiner_Zone_Client(*zone, barre, tache.Peintre(), tache.Zone_Imprimable());
    tache.Terminer();
}

}  // namespace Impression
