// Setpoint lines, cursor and pan modes, and the initial zoom, driven from the tools window.
#include <qcustomplot.h>

#include "Banc_Outils.h"
#include "curves/Interaction_Graphe.h"

namespace {

class Consignes : public Banc_Outils {
  protected:
    void Ouvrir(const char* version) {
        if (std::string(version) == "7307") {
            Ouvrir_Enregistrement(version, {20, 22, 24, 26, 28}, {40, 50, 60});
        } else {
            Ouvrir_Enregistrement(version, {20, 22, 24, 26, 28});
        }
        Etat_Programme().Seuil_Haut = 30;
        Etat_Programme().Seuil_Bas = 10;
        outils = &Outils();
    }
    // Every point of the line, as (time, value).
    std::vector<std::pair<double, double>> Points(int ligne) {
        std::vector<std::pair<double, double>> points;
        for (const auto& p : *Plot(ligne).Graphe_QCP()->data()) {
            points.emplace_back(Plot(ligne).Axe_X().Depuis_Trace(p.key), p.value);
        }
        return points;
    }
    Frm_Outils* outils = nullptr;
};

}  // namespace

TEST_F(Consignes, TickingDrawsBothLinesAcrossTheShownRangeAndUntickingClearsThem) {
    Ouvrir("7306");
    Case(*outils, "Chk_Consigne").setChecked(true);
    EXPECT_TRUE(Controle<QGroupBox>(*outils, "Frame_Consigne").isVisible());
    // The dates are written once more first: the end is one second further.
    const double debut = Date(1);
    const double fin = Date_Depuis_Civil(2026, 12, 5, 8, 4, 3);
    for (auto [ligne, niveau] : {std::pair{3, 30.0}, std::pair{4, 10.0}}) {
        const auto points = Points(ligne);
        ASSERT_EQ(points.size(), 2u);
        EXPECT_NEAR(points[0].first, debut, Tolerance);
        EXPECT_NEAR(points[1].first, fin, Tolerance);
        EXPECT_EQ(points[0].second, niveau);
        EXPECT_EQ(points[1].second, niveau);
    }
    for (int ligne : {3, 4}) {
        EXPECT_TRUE(Plot(ligne).Visible());
        EXPECT_EQ(Plot(ligne).Style_Ligne(), Trace_Graphe::Style_Tirets);
        EXPECT_EQ(&Plot(ligne).Axe_Y(), &Axe(2));
        EXPECT_EQ(Plot(ligne).Couleur(), Plot(1).Couleur());
    }
    Case(*outils, "Chk_Consigne").setChecked(false);
    EXPECT_FALSE(Controle<QGroupBox>(*outils, "Frame_Consigne").isVisible());
    for (int ligne : {3, 4}) {
        EXPECT_FALSE(Plot(ligne).Visible());
        EXPECT_EQ(Plot(ligne).Nb_Points(), 0);
    }
}

TEST_F(Consignes, ATypedSetpointBecomesTheThresholdAndLettersAreRefused) {
    Ouvrir("7306");
    Case(*outils, "Chk_Consigne").setChecked(true);
    QLineEdit& maxi = Boite(*outils, "Txt_Consigne_Maxi");
    Taper(maxi, QStringLiteral("abc"));
    EXPECT_EQ(maxi.text(), QStringLiteral("30"));  // nothing typed was taken
    EXPECT_EQ(Etat_Programme().Seuil_Haut, 30.0f);
    Taper(maxi, QStringLiteral("8O"));  // a letter O for a zero
    EXPECT_EQ(maxi.text(), QStringLiteral("8"));
    Taper(maxi, QStringLiteral("72.5"));
    EXPECT_EQ(Etat_Programme().Seuil_Haut, 72.5f);
    ASSERT_EQ(Plot(3).Nb_Points(), 2);
    EXPECT_EQ(Points(3).back().second, 72.5);
    // A text that is not yet a number keeps the threshold; both lines are redrawn at it.
    Taper(maxi, QStringLiteral("-"));
    EXPECT_EQ(Etat_Programme().Seuil_Haut, 72.5f);
    EXPECT_EQ(Points(3).front().second, 72.5);
    EXPECT_EQ(Points(4).front().second, 10);
    Taper(Boite(*outils, "Txt_Consigne_Mini"), QStringLiteral("-5"));
    EXPECT_EQ(Etat_Programme().Seuil_Bas, -5.0f);
    EXPECT_EQ(Points(4).front().second, -5);
}

TEST_F(Consignes, PercentHrTiesTheLinesToTheHumidityAxisInItsColour) {
    Ouvrir("7307");
    Case(*outils, "Chk_Consigne").setChecked(true);
    Taper(Boite(*outils, "Txt_Consigne_Maxi"), QStringLiteral("80"));
    Taper(Boite(*outils, "Txt_Consigne_Mini"), QStringLiteral("40"));
    Controle<QRadioButton>(*outils, "Opt_Hr").click();
    for (int ligne : {3, 4}) {
        EXPECT_EQ(&Plot(ligne).Axe_Y(), &Axe(3));
        EXPECT_EQ(Plot(ligne).Couleur(), Plot(2).Couleur());
    }
    EXPECT_NE(Plot(2).Couleur(), Plot(1).Couleur());
    EXPECT_EQ(Points(3).front().second, 80);
    EXPECT_EQ(Points(4).front().second, 40);
    Controle<QRadioButton>(*outils, "Opt_C").click();
    EXPECT_EQ(&Plot(3).Axe_Y(), &Axe(2));
    EXPECT_EQ(Plot(3).Couleur(), Plot(1).Couleur());
}

TEST_F(Consignes, ZoomInitialTwiceWithSetpointsAddsPointsOnTheSameLevel) {
    Ouvrir("7306");
    Case(*outils, "Chk_Consigne").setChecked(true);
    Axe(1).Definir_Minimum(Date(2));
    Axe(1).Definir_Maximum(Date(3));
    Axe(2).Definir_Maximum(100);
    QPushButton& zoom = Controle<QPushButton>(*outils, "Cmd_Zoom_Init");
    zoom.click();
    EXPECT_NEAR(Axe(1).Minimum(), Date(1), Tolerance);
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date(5) + Une_Seconde);
    // The setpoint lines at 10 and 30 are fitted with the curve (20 to 28): 10 - 0.2 × 40 = 2,
    // then 30 + 0.2 × 32 = 36.4.
    EXPECT_DOUBLE_EQ(Axe(2).Minimum(), 2);
    EXPECT_DOUBLE_EQ(Axe(2).Maximum(), 36.4);
    EXPECT_EQ(Boite(*outils, "Msk_Date_Deb").text(), QStringLiteral("05/12/2026 08:00:00"));
    EXPECT_EQ(Boite(*outils, "Msk_Date_Fin").text(), QStringLiteral("05/12/2026 08:04:00"));
    EXPECT_EQ(Plot(3).Nb_Points(), 4);
    zoom.click();
    EXPECT_EQ(Plot(3).Nb_Points(), 6);
    EXPECT_EQ(Plot(4).Nb_Points(), 6);
    for (const auto& p : Points(3))
        EXPECT_EQ(p.second, 30);
    for (const auto& p : Points(4))
        EXPECT_EQ(p.second, 10);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Consignes, ZoomInitialWithoutSetpointsLeavesTheBoxesAsTheyWere) {
    Ouvrir("7306");
    const QString fin = Boite(*outils, "Msk_Date_Fin").text();
    Taper(Boite(*outils, "Txt_E_T_Maxi"), QStringLiteral("90"));
    Axe(1).Definir_Maximum(Date(3));
    Controle<QPushButton>(*outils, "Cmd_Zoom_Init").click();
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date(5));
    EXPECT_LT(Axe(2).Maximum(), 90);
    EXPECT_EQ(Boite(*outils, "Msk_Date_Fin").text(), fin);
    EXPECT_EQ(Boite(*outils, "Txt_E_T_Maxi").text(), QStringLiteral("90"));
    EXPECT_EQ(Plot(3).Nb_Points(), 0);
}

TEST_F(Consignes, CurseurAndPanoramiqueExcludeEachOther) {
    Ouvrir("7307");
    QCheckBox& curseur = Case(*outils, "Chk_Curseur");
    QCheckBox& pan = Case(*outils, "Chk_Pan");
    pan.click();
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Panoramique);
    curseur.click();
    EXPECT_FALSE(pan.isChecked());
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Curseur);
    EXPECT_TRUE(Curseur(1).Visible());
    EXPECT_TRUE(Curseur(2).Visible());
    // Both at the centre of the view.
    EXPECT_NEAR(Curseur(1).X(), Date(3), Tolerance);
    EXPECT_NEAR(Curseur(2).X(), Date(3), Tolerance);

    pan.click();
    EXPECT_FALSE(curseur.isChecked());
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("-"));
    EXPECT_FALSE(Curseur(1).Visible());
    EXPECT_FALSE(Curseur(2).Visible());
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Panoramique);
    pan.click();
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Zoom);
}

TEST_F(Consignes, A7306RecordingShowsOnlyTheTemperatureCursor) {
    Ouvrir("7306");
    Case(*outils, "Chk_Curseur").click();
    EXPECT_TRUE(Curseur(1).Visible());
    EXPECT_FALSE(Curseur(2).Visible());
    Case(*outils, "Chk_Curseur").click();
    EXPECT_FALSE(Curseur(1).Visible());
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Zoom);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("-"));
}
