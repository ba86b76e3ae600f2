// The graph page printed into a PDF file and read back, and the main window as it was after.
#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

#include "Banc_Programme.h"
#include "Lecture_PDF.h"
#include "app/Frm_Principal.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "printing/Impression.h"
#include "printing/Imprimante_PDF.h"

namespace {

const double Maintenant = Date_Depuis_Civil(2026, 12, 5, 15, 30, 0);

class Impression_Graphe : public ::testing::Test {
  protected:
    Impression_Graphe() : fenetre(banc.Construire()) {
        Etat& etat = banc.Etat_Programme();
        etat.Version_Logger = QStringLiteral("7306V12\r");
        for (int i = 1; i <= 50; ++i) {
            etat.Mesures(i) = {Date_Depuis_Civil(2026, 12, 5, 8) + i * 60 * Une_Seconde,
                               static_cast<float>(20 + i % 7), 0};
        }
        etat.Nb_Mesures = 50;
        etat.Identite_Logger = QStringLiteral("SERRE");
        Graphique::Affiche_Courbes(etat, *fenetre.CWGraph_Enreg);
        fenetre.Affiche_Infos_Enreg();
        fenetre.Txt_Commentaire->setText(QStringLiteral("Four 3, lot 2026-118"));
        fenetre.setGeometry(100, 80, 700, 500);
        fenetre.show();
    }

    QStringList Imprimer(const QString& nom_fichier) {
        Imprimante_PDF pdf(dossier.filePath(QStringLiteral("graphe.pdf")));
        Impression::Impression_Graphique(fenetre, *fenetre.CWGraph_Enreg, nom_fichier, Maintenant,
                                         pdf, banc.dialogues);
        EXPECT_TRUE(banc.dialogues.affichages.isEmpty());
        return Pages_PDF(pdf.Chemin());
    }

    // The plot area as the user sees it once the graph has redrawn.
    QImage Image_Zone_Trace() {
        fenetre.CWGraph_Enreg->Redessiner_Maintenant();
        QCustomPlot& trace = fenetre.CWGraph_Enreg->Trace_QCP();
        return trace.grab(trace.axisRect()->rect()).toImage();
    }

    Banc_Programme banc;
    Frm_Principal& fenetre;
    QTemporaryDir dossier;
};

// pdftotext lays words out by their place on the page: runs of blanks come back as it likes.
QString Mots(const QString& texte) {
    return texte.simplified();
}

}  // namespace

TEST_F(Impression_Graphe, UnePageAvecLaLegendeLeGrapheEtLeCommentaire) {
    const QStringList pages = Imprimer(QStringLiteral("/home/labo/Caldrix/Sauvegardes/four3.txt"));

    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(Mots(pages[0]).contains(QStringLiteral(
        "Caldrix - /home/labo/Caldrix/Sauvegardes/four3.txt - le 05/12/2026 15:30:00 Logger : "
        "SERRE")))
        << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Température °C")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Four 3, lot 2026-118")));
}

TEST_F(Impression_Graphe, SansFichierLaLegendeNAQueLesSeparateurs) {
    const QStringList pages = Imprimer(QString());

    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(Mots(pages[0]).contains(
        QStringLiteral("Caldrix - - le 05/12/2026 15:30:00 Logger : SERRE")));
}

TEST_F(Impression_Graphe, LaFenetreEstRemiseCommeElleEtait) {
    const QRect geometrie = fenetre.geometry();
    const QColor fond = fenetre.palette().color(QPalette::Window);
    const QRect place_graphe = fenetre.CWGraph_Enreg->geometry();
    const QImage zone_avant = Image_Zone_Trace();

    Imprimer(QString());

    EXPECT_EQ(fenetre.geometry(), geometrie);
    EXPECT_EQ(fenetre.CWGraph_Enreg->geometry(), place_graphe);
    EXPECT_EQ(fenetre.palette().color(QPalette::Window), fond);
    // The plot area had no fill of its own: it must not come back painted (black).
    EXPECT_EQ(fenetre.CWGraph_Enreg->Pinceau_Zone_Trace().style(), Qt::NoBrush);
    const QImage zone_apres = Image_Zone_Trace();
    const QPoint centre(zone_avant.width() / 2, zone_avant.height() / 3);
    EXPECT_EQ(zone_apres.pixelColor(centre), zone_avant.pixelColor(centre));
    EXPECT_EQ(zone_apres, zone_avant);
    EXPECT_EQ(fenetre.CWGraph_Enreg->Legende(), QStringLiteral("SERRE"));
    EXPECT_FALSE(fenetre.isMaximized());
}

TEST_F(Impression_Graphe, UneFenetreAgrandieLeRedevient) {
    fenetre.showMaximized();
    ASSERT_TRUE(fenetre.isMaximized());

    Imprimer(QString());

    EXPECT_TRUE(fenetre.isMaximized());
    EXPECT_EQ(fenetre.CWGraph_Enreg->Legende(), QStringLiteral("SERRE"));
}

// On the page as on the screen: the time axis' labels never run into each other, there are at
// least four, and the first is the start of the recording.
TEST_F(Impression_Graphe, LesDatesDeLaPageSeLisent) {
    Etat& etat = banc.Etat_Programme();
    for (int i = 1; i <= 480; ++i) {
        etat.Mesures(i) = {Date_Depuis_Civil(2026, 12, 5, 8) + i * 60 * Une_Seconde, 20, 0};
    }
    etat.Nb_Mesures = 480;
    Graphique::Affiche_Courbes(etat, *fenetre.CWGraph_Enreg);
    Imprimante_PDF pdf(dossier.filePath(QStringLiteral("dates.pdf")));
    Impression::Impression_Graphique(fenetre, *fenetre.CWGraph_Enreg, QString(), Maintenant, pdf,
                                     banc.dialogues);

    // The labels are the dates below the plot area (the caption at the top holds one too).
    const QList<Mot_PDF> mots = Mots_PDF(pdf.Chemin());
    static const QRegularExpression date(QStringLiteral(R"(^\d\d/\d\d/\d{4}$)"));
    QList<Mot_PDF> dates;
    for (const Mot_PDF& m : mots) {
        if (date.match(m.texte).hasMatch() && m.haut > 100) dates.append(m);
    }
    ASSERT_GE(dates.size(), 4);
    std::sort(dates.begin(), dates.end(),
              [](const Mot_PDF& a, const Mot_PDF& b) { return a.gauche < b.gauche; });
    // Each label is its date and, right after it, its time.
    const auto fin_label = [&](const Mot_PDF& d) {
        double fin = d.droite;
        for (const Mot_PDF& m : mots) {
            if (m.texte.contains(QLatin1Char(':')) && std::abs(m.haut - d.haut) < 2 &&
                m.gauche >= d.droite && m.gauche - d.droite < 10) {
                fin = m.droite;
            }
        }
        return fin;
    };
    for (qsizetype i = 1; i < dates.size(); ++i) {
        EXPECT_GT(dates[i].gauche, fin_label(dates[i - 1]) + 2) << dates[i].texte.toStdString();
    }
    EXPECT_EQ(dates.first().texte, QStringLiteral("05/12/2026"));
}
