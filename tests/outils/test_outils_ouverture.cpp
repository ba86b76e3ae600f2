// Opening the tools window: what it shows for each kind of recording, how it puts the value
// axes back as whole numbers, how it takes up the graph's mode, and that it loads only once.
#include "Banc_Outils.h"
#include "curves/Interaction_Graphe.h"

namespace {

class Ouverture_Outils : public Banc_Outils {};

struct Attendu {
    const char* nom;
    const char* genre;    // Qt class
    const char* libelle;  // caption, or nullptr for a box
    const char* conteneur;
};

}  // namespace

TEST_F(Ouverture_Outils, EveryControlStandsInItsContainerWithItsCaption) {
    Demarrer_Sans_Enregistrement();
    Frm_Outils& o = Outils();
    const Attendu controles[] = {
        {"Frame_Echelles_Temp", "QGroupBox", "Echelle Température", "Frm_Outils"},
        {"Frame_Ech_T_Max", "QGroupBox", "Maxi", "Frame_Echelles_Temp"},
        {"Txt_E_T_Maxi", "QLineEdit", nullptr, "Frame_Ech_T_Max"},
        {"Frame_Ech_T_Mini", "QGroupBox", "Mini", "Frame_Echelles_Temp"},
        {"Txt_E_T_Mini", "QLineEdit", nullptr, "Frame_Ech_T_Mini"},
        {"Frame_Echelle_Hygro", "QGroupBox", nullptr, "Frm_Outils"},
        {"Frame_Ech_H_Maxi", "QGroupBox", "Maxi", "Frame_Echelle_Hygro"},
        {"Txt_E_H_Maxi", "QLineEdit", nullptr, "Frame_Ech_H_Maxi"},
        {"Frame_Ech_H_Mini", "QGroupBox", "Mini", "Frame_Echelle_Hygro"},
        {"Txt_E_H_Mini", "QLineEdit", nullptr, "Frame_Ech_H_Mini"},
        {"Frame_Echelle_Date", "QGroupBox", "Dates", "Frm_Outils"},
        {"Frame_Ech_Date_Deb", "QGroupBox", "Début", "Frame_Echelle_Date"},
        {"Msk_Date_Deb", "MaskEdBox", nullptr, "Frame_Ech_Date_Deb"},
        {"Frame_Ech_Date_Fin", "QGroupBox", "Fin", "Frame_Echelle_Date"},
        {"Msk_Date_Fin", "MaskEdBox", nullptr, "Frame_Ech_Date_Fin"},
        {"Chk_Consigne", "QCheckBox", "Affichage Consignes", "Frm_Outils"},
        {"Frame_Consigne", "QGroupBox", "Affichage consignes", "Frm_Outils"},
        {"Opt_Hr", "QRadioButton", "%Hr", "Frame_Consigne"},
        {"Opt_C", "QRadioButton", "°C", "Frame_Consigne"},
        {"Frame_Consigne_Haute", "QGroupBox", "Maxi", "Frame_Consigne"},
        {"Txt_Consigne_Maxi", "QLineEdit", nullptr, "Frame_Consigne_Haute"},
        {"Frame_Consigne_Mini", "QGroupBox", "Mini", "Frame_Consigne"},
        {"Txt_Consigne_Mini", "QLineEdit", nullptr, "Frame_Consigne_Mini"},
        {"Chk_Curseur", "QCheckBox", "Curseur", "Frm_Outils"},
        {"Chk_Pan", "QCheckBox", "Panoramique", "Frm_Outils"},
        {"Cmd_Zoom_Init", "QPushButton", "Zoom initial", "Frm_Outils"},
    };
    for (const Attendu& a : controles) {
        SCOPED_TRACE(a.nom);
        auto* controle = o.findChild<QWidget*>(QLatin1String(a.nom));
        ASSERT_NE(controle, nullptr);
        EXPECT_TRUE(controle->inherits(a.genre));
        EXPECT_EQ(controle->parentWidget()->objectName(), QLatin1String(a.conteneur));
        if (!a.libelle) continue;
        const QString attendu = QString::fromUtf8(a.libelle);
        if (auto* cadre = qobject_cast<QGroupBox*>(controle)) {
            EXPECT_EQ(cadre->title(), attendu);
        } else if (auto* bouton = qobject_cast<QAbstractButton*>(controle)) {
            EXPECT_EQ(bouton->text(), attendu);
        }
    }
    auto* fermer = o.findChild<QAction*>(QStringLiteral("Mnu_Fermer"));
    ASSERT_NE(fermer, nullptr);
    EXPECT_EQ(fermer->text(), QStringLiteral("Fermer"));
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Outils Caldrix"));
}

TEST_F(Ouverture_Outils, A7306RecordingOpensWithoutTheSecondScaleAndWithNoSetpointLine) {
    Ouvrir_Enregistrement("7306", {20, 25, 30});
    Etat_Programme().Seuil_Haut = 100;  // the designed texts: no setpoint handling at load
    Etat_Programme().Seuil_Bas = 0;
    Frm_Outils& o = Outils();
    EXPECT_TRUE(o.isVisible());
    EXPECT_FALSE(Controle<QGroupBox>(o, "Frame_Echelle_Hygro").isVisible());
    EXPECT_TRUE(Controle<QRadioButton>(o, "Opt_Hr").isHidden());
    EXPECT_EQ(Controle<QGroupBox>(o, "Frame_Echelle_Hygro").title(),
              QStringLiteral("Echelle calcul cuisson"));
    EXPECT_FALSE(Case(o, "Chk_Consigne").isChecked());
    EXPECT_FALSE(Controle<QGroupBox>(o, "Frame_Consigne").isVisible());
    EXPECT_FALSE(Case(o, "Chk_Curseur").isChecked());
    EXPECT_FALSE(Case(o, "Chk_Pan").isChecked());
    EXPECT_TRUE(Controle<QRadioButton>(o, "Opt_C").isChecked());

    // 20 to 30 widened to 10 to 38 when drawn.
    EXPECT_EQ(Boite(o, "Txt_E_T_Maxi").text(), QStringLiteral("38"));
    EXPECT_EQ(Boite(o, "Txt_E_T_Mini").text(), QStringLiteral("10"));
    EXPECT_EQ(Boite(o, "Txt_Consigne_Maxi").text(), QStringLiteral("100"));
    EXPECT_EQ(Boite(o, "Txt_Consigne_Mini").text(), QStringLiteral("0"));

    EXPECT_EQ(Boite(o, "Msk_Date_Deb").text(), QStringLiteral("05/12/2026 08:00:00"));
    EXPECT_EQ(Boite(o, "Msk_Date_Fin").text(), QStringLiteral("05/12/2026 08:02:00"));
    EXPECT_NEAR(Axe(1).Minimum(), Date(1), Tolerance);
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date(3) + Une_Seconde);

    for (int ligne : {3, 4}) {
        EXPECT_FALSE(Plot(ligne).Visible());
        EXPECT_EQ(Plot(ligne).Nb_Points(), 0);
    }
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Ouverture_Outils, ThresholdsWrittenAtLoadRedrawTheDatesEachTime) {
    Ouvrir_Enregistrement("7306", {20, 25, 30});
    Etat_Programme().Seuil_Haut = 30;
    Etat_Programme().Seuil_Bas = 5;
    Frm_Outils& o = Outils();
    EXPECT_EQ(Boite(o, "Txt_Consigne_Maxi").text(), QStringLiteral("30"));
    EXPECT_EQ(Boite(o, "Txt_Consigne_Mini").text(), QStringLiteral("5"));
    EXPECT_EQ(Etat_Programme().Seuil_Haut, 30.0f);
    EXPECT_EQ(Etat_Programme().Seuil_Bas, 5.0f);
    // Three rewrites of the dates, each one second beyond the end shown before.
    EXPECT_EQ(Boite(o, "Msk_Date_Fin").text(), QStringLiteral("05/12/2026 08:02:02"));
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date(3) + 3 * Une_Seconde);
    // The lines drawn meanwhile are gone when the window is ready.
    EXPECT_FALSE(Plot(3).Visible());
    EXPECT_EQ(Plot(3).Nb_Points(), 0);
}

TEST_F(Ouverture_Outils, A7307RecordingShowsTheHumidityScale) {
    Ouvrir_Enregistrement("7307", {20, 22, 24}, {40, 50, 60});
    Frm_Outils& o = Outils();
    EXPECT_TRUE(Controle<QGroupBox>(o, "Frame_Echelle_Hygro").isVisible());
    EXPECT_FALSE(Controle<QRadioButton>(o, "Opt_Hr").isHidden());
    EXPECT_EQ(Controle<QGroupBox>(o, "Frame_Echelle_Hygro").title(),
              QStringLiteral("Echelle Hygrométrie"));
    // 40 to 60 widened: 40 - 0.2 × 100 = 20, then 60 + 0.2 × 80 = 76.
    EXPECT_EQ(Boite(o, "Txt_E_H_Mini").text(), QStringLiteral("20"));
    EXPECT_EQ(Boite(o, "Txt_E_H_Maxi").text(), QStringLiteral("76"));
}

TEST_F(Ouverture_Outils, ACookingCurveShowsTheCookingScale) {
    Ouvrir_Enregistrement("7306", {50, 70, 80, 70, 50}, {}, 100);
    ASSERT_TRUE(Plot(2).Visible());
    Frm_Outils& o = Outils();
    EXPECT_TRUE(Controle<QGroupBox>(o, "Frame_Echelle_Hygro").isVisible());
    EXPECT_FALSE(Controle<QRadioButton>(o, "Opt_Hr").isHidden());
    EXPECT_EQ(Controle<QGroupBox>(o, "Frame_Echelle_Hygro").title(),
              QStringLiteral("Echelle calcul cuisson"));
    EXPECT_EQ(Boite(o, "Txt_E_H_Mini").text(), QStringLiteral("0"));
}

TEST_F(Ouverture_Outils, ValueAxesComeBackAsWholeNumbers) {
    Ouvrir_Enregistrement("7306", {20, 25, 30});
    Axe(2).Definir_Minimum(12.34);
    Axe(2).Definir_Maximum(37.86);
    Frm_Outils& o = Outils();
    EXPECT_EQ(Boite(o, "Txt_E_T_Mini").text(), QStringLiteral("12.3"));
    EXPECT_EQ(Boite(o, "Txt_E_T_Maxi").text(), QStringLiteral("37.9"));
    EXPECT_EQ(Axe(2).Minimum(), 12.0);
    EXPECT_EQ(Axe(2).Maximum(), 38.0);
}

TEST_F(Ouverture_Outils, NothingLoadedShowsTheLastDayAndNoSecondScale) {
    Demarrer_Sans_Enregistrement();
    Etat_Programme().Seuil_Haut = 100;
    Etat_Programme().Seuil_Bas = 0;
    const double fin = Axe(1).Maximum();
    Frm_Outils& o = Outils();
    EXPECT_FALSE(Controle<QGroupBox>(o, "Frame_Echelle_Hygro").isVisible());
    EXPECT_TRUE(Controle<QRadioButton>(o, "Opt_Hr").isHidden());
    EXPECT_EQ(Boite(o, "Msk_Date_Fin").text(), Textes_Outils::Texte_Date_Heure(fin));
    EXPECT_EQ(Boite(o, "Msk_Date_Deb").text(), Textes_Outils::Texte_Date_Heure(fin - 1));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Ouverture_Outils, AGraphInCursorModeOpensWithCurseurTickedAndTheCursorsCentred) {
    Ouvrir_Enregistrement("7307", {20, 22, 24, 26, 28}, {40, 50, 60});
    Fenetre().CWGraph_Enreg->Definir_Mode_Suivi(Interaction_Graphe::Mode_Curseur);
    Curseur(1).Definir_X(Date(1));
    Frm_Outils& o = Outils();
    EXPECT_TRUE(Case(o, "Chk_Curseur").isChecked());
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Curseur);
    EXPECT_TRUE(Curseur(1).Visible());
    EXPECT_TRUE(Curseur(2).Visible());
    EXPECT_NEAR(Curseur(1).X(), Date(3), Tolerance);  // the record in the middle
    EXPECT_NEAR(Curseur(2).X(), Date(3), Tolerance);
}

TEST_F(Ouverture_Outils, AGraphInPanModeOpensWithPanoramiqueUnticked) {
    Ouvrir_Enregistrement("7306", {20, 25, 30});
    Fenetre().CWGraph_Enreg->Definir_Mode_Suivi(Interaction_Graphe::Mode_Panoramique);
    Frm_Outils& o = Outils();
    EXPECT_FALSE(Case(o, "Chk_Pan").isChecked());
    EXPECT_FALSE(Case(o, "Chk_Curseur").isChecked());
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Panoramique);
}

TEST_F(Ouverture_Outils, TheMenuEntryAgainOnlyShowsTheOpenWindowAndFermerUnloadsIt) {
    Ouvrir_Enregistrement("7306", {20, 25, 30});
    Frm_Outils& o = Outils();
    Taper(Boite(o, "Txt_E_T_Maxi"), QStringLiteral("33"));
    o.hide();
    Frm_Outils& encore = Outils();
    EXPECT_EQ(&encore, &o);
    EXPECT_TRUE(o.isVisible());
    EXPECT_EQ(Boite(o, "Txt_E_T_Maxi").text(), QStringLiteral("33"));

    Case(o, "Chk_Pan").setChecked(true);
    o.findChild<QAction*>(QStringLiteral("Mnu_Fermer"))->trigger();
    EXPECT_FALSE(Fenetre().Fenetre_Outils.Est_Chargee());
    // Nothing on the graph is undone.
    EXPECT_EQ(Mode(), Interaction_Graphe::Mode_Panoramique);
    EXPECT_EQ(Axe(2).Maximum(), 33.0);
    Frm_Outils& nouvelle = Outils();
    EXPECT_EQ(Boite(nouvelle, "Txt_E_T_Maxi").text(), QStringLiteral("33"));
    EXPECT_FALSE(Case(nouvelle, "Chk_Pan").isChecked());
}

TEST_F(Ouverture_Outils, ClosingTheMainWindowUnloadsTheToolsWindow) {
    Ouvrir_Enregistrement("7306", {20, 25, 30});
    QPointer<Frm_Outils> o = &Outils();
    Fenetre().close();
    EXPECT_FALSE(Fenetre().Fenetre_Outils.Est_Chargee());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(o.isNull());
}
