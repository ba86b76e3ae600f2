// The cursor readout: the user clicks or drags on the graph in cursor mode and the status line
// reads the date and the values under the cursors.
#include <qcustomplot.h>

#include "Banc_Outils.h"
#include "app/Barre_Etat.h"
#include "curves/Interaction_Graphe.h"
#include "curves/Numeros_Graphe.h"
#include "tools/Affiche_Valeur_Curseur.h"

namespace {

class Lecture_Curseur : public Banc_Outils {
  protected:
    void Mode_Curseur() {
        Frm_Outils& o = Outils();
        Case(o, "Chk_Curseur").click();
        ASSERT_EQ(Mode(), Interaction_Graphe::Mode_Curseur);
    }
    // The pixel of the plot area at this time, halfway down.
    QPoint Pixel(double date) {
        CWGraph& graphe = *Fenetre().CWGraph_Enreg;
        graphe.Redessiner_Maintenant();
        const double x = graphe.Axes(Numeros_Graphe::XAxis)
                             .Axe_QCP()
                             ->coordToPixel(graphe.Axes(Numeros_Graphe::XAxis).Vers_Trace(date));
        return QPoint(qRound(x), graphe.Trace_QCP().axisRect()->center().y());
    }
    QCustomPlot& Zone() { return Fenetre().CWGraph_Enreg->Trace_QCP(); }
};

}  // namespace

TEST_F(Lecture_Curseur, AClickOnA7307RecordingReadsTemperatureAndHumidity) {
    Ouvrir_Enregistrement("7307", {21, 23.4f, 25, 27}, {50, 56.7f, 60, 62});
    Mode_Curseur();
    QTest::mouseClick(&Zone(), Qt::LeftButton, {}, Pixel(Date(2)));
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("05/12/2026 08:01:00  23.4°C  56.7%Hr"));
    EXPECT_NEAR(Curseur(1).X(), Date(2), Tolerance);
    EXPECT_NEAR(Curseur(2).X(), Date(2), Tolerance);
}

TEST_F(Lecture_Curseur, DraggingFollowsTheCurveToTheNearestRecord) {
    Ouvrir_Enregistrement("7306", {21, 23.4f, 25.25f, 27});
    Mode_Curseur();
    QTest::mousePress(&Zone(), Qt::LeftButton, {}, Pixel(Date(1)));
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("05/12/2026 08:00:00  21°C"));
    // A little after the third record: the cursor stands on it. 25.25 shows as 25.2.
    QMouseEvent deplacement(QEvent::MouseMove, Pixel(Date(3) + 5 * Une_Seconde),
                            Zone().mapToGlobal(Pixel(Date(3) + 5 * Une_Seconde)), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Zone(), &deplacement);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("05/12/2026 08:02:00  25.2°C"));
    QTest::mouseRelease(&Zone(), Qt::LeftButton, {}, Pixel(Date(3)));
    // Moving without a button leaves the reading where the user put it.
    QTest::mouseMove(&Zone(), Pixel(Date(4)));
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("05/12/2026 08:02:00  25.2°C"));
}

TEST_F(Lecture_Curseur, OutsideCursorModeAClickReadsNothing) {
    Ouvrir_Enregistrement("7306", {21, 23.4f, 25, 27});
    const QString avant = banc.Etat_Affiche();
    Outils();
    QTest::mouseClick(&Zone(), Qt::LeftButton, {}, Pixel(Date(2)));
    EXPECT_EQ(banc.Etat_Affiche(), avant);
}

TEST_F(Lecture_Curseur, WithACookingCurveTheCookingValueFollowsInMinutes) {
    Ouvrir_Enregistrement("7306", {50, 71.3f, 80, 80, 80, 70, 50}, {}, 100);
    Mode_Curseur();
    QTest::mouseClick(&Zone(), Qt::LeftButton, {}, Pixel(Date(6)));
    const QString cuisson = Textes_Outils::Texte_Dixieme(Etat_Programme().Mesures(6).Humidite);
    EXPECT_GT(Etat_Programme().Mesures(6).Humidite, 1.0f);
    EXPECT_EQ(banc.Etat_Affiche(),
              QStringLiteral("05/12/2026 08:05:00  70°C  ") + cuisson + QStringLiteral("minutes"));
    // Only the temperature cursor is shown, yet the second value is read.
    EXPECT_FALSE(Curseur(2).Visible());
}

TEST_F(Lecture_Curseur, TheReadoutRoundsHalvesToEvenAndWritesMidnight) {
    Demarrer_Sans_Enregistrement();
    CWGraph& graphe = *Fenetre().CWGraph_Enreg;
    const double minuit = Date_Depuis_Civil(2026, 12, 6);
    graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(minuit, 0.25);
    Global::Affiche_Valeur_Curseur(Etat_Programme(), graphe, *Fenetre().StatusBar, minuit);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("06/12/2026 00:00:00  0.2°C"));
    graphe.Plots(Numeros_Graphe::Voie_Temp).Effacer();
    graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(minuit, -0.04);
    Global::Affiche_Valeur_Curseur(Etat_Programme(), graphe, *Fenetre().StatusBar, minuit);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("06/12/2026 00:00:00  0°C"));
}
