#include <QFontMetricsF>
#include <algorithm>

#include "controls/Polices.h"
#include "core/Programme.h"
#include "core/Textes.h"
#include "printing/Impression.h"
#include "printing/Pages_Tableau.h"
#include "printing/Tache_Impression.h"

namespace Impression {

namespace {

qsizetype Plus_Longue_Ligne(const QList<QStringList>& pages) {
    qsizetype longueur = 1;
    for (const QStringList& page : pages) {
        for (const QString& ligne : page)
            longueur = std::max(longueur, ligne.size());
    }
    return longueur;
}

}  // namespace

void Impression_Tableau(const QStringList& entrees, double maintenant, Imprimante& imprimante,
                        Dialogues& dialogues) {
    const QList<QStringList> pages = Pages_Tableau::Pages(
        entrees, Programme::Nom() + QStringLiteral(" le ") + Texte_Date(maintenant));
    Tache_Impression tache(imprimante, dialogues);
    if (!tache.Preparer() || !tache.Commencer(QPageLayout::Portrait)) return;
    QPainter& peintre = tache.Peintre();
    peintre.setFont(Polices::Fixe(8));
    const QFontMetricsF mesure(peintre.font(), peintre.device());
    const QRectF zone = tache.Zone_Imprimable();

    // Each page must hold its lines whatever the paper: the lines close up when they would not
    // fit, and three entries side by side narrow a little rather than lose their last column.
    qsizetype lignes_max = 1;
    for (const QStringList& page : pages)
        lignes_max = std::max(lignes_max, page.size());
    const double pas = lignes_max > 1
                           ? std::min(mesure.lineSpacing(), (zone.height() - mesure.height()) /
                                                                static_cast<double>(lignes_max - 1))
                           : mesure.lineSpacing();
    const double largeur =
        mesure.horizontalAdvance(QLatin1Char('0')) * static_cast<double>(Plus_Longue_Ligne(pages));
    const double resserrement = std::min(1.0, zone.width() / largeur);

    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0) tache.Nouvelle_Page();
        peintre.setTransform(QTransform::fromScale(resserrement, 1));
        double ligne_de_base = mesure.ascent();
        for (const QString& ligne : pages[p]) {
            peintre.drawText(QPointF(0, ligne_de_base), ligne);
            ligne_de_base += pas;
        }
    }
    tache.Terminer();
}

}  // namespace Impression
