// The measures of the shared record drawn on a real graph control.
#include <gtest/gtest.h>

#include <memory>

#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 12, 5, 8, 0, 0);

class Courbes : public ::testing::Test {
  protected:
    // Records one minute apart from 05/12/2026 08:00, with these temperatures (and humidities
    // 50, 51, ... for model 7307, whose count holds two values a record).
    void Enregistrement(const char* version, std::initializer_list<float> temperatures) {
        etat->Version_Logger = QLatin1String(version);
        int i = 0;
        for (float t : temperatures) {
            ++i;
            etat->Mesures(i).Date_Heure = Debut + (i - 1) * 60 * Une_Seconde;
            etat->Mesures(i).Temperature = t;
            etat->Mesures(i).Humidite = static_cast<float>(49 + i);
        }
        etat->Nb_Mesures = static_cast<int16_t>(Est_Modele_7307(etat->Version_Logger) ? 2 * i : i);
    }

    Trace_Graphe& Plot(int n) { return graphe.Plots(n); }
    Axe_Graphe& Axe(int n) { return graphe.Axes(n); }

    std::unique_ptr<Etat> etat = Etat::Nouveau();
    CWGraph graphe;
};

}  // namespace

TEST_F(Courbes, Modele7306UneCourbeEtLAxe3Masque) {
    Enregistrement("7306V12", {20, 40, 80, 60, 30});

    Graphique::Affiche_Courbes(*etat, graphe);

    EXPECT_EQ(Plot(1).Nb_Points(), 5);
    EXPECT_TRUE(Plot(1).Visible());
    EXPECT_EQ(Plot(2).Nb_Points(), 0);
    EXPECT_FALSE(Plot(2).Visible());
    EXPECT_FALSE(Axe(3).Visible());
    EXPECT_DOUBLE_EQ(Axe(1).Minimum(), Debut);
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), etat->Mesures(5).Date_Heure);
    // 20 to 80 widened by the program's margin rule.
    EXPECT_DOUBLE_EQ(Axe(2).Minimum(), 0);
    EXPECT_DOUBLE_EQ(Axe(2).Maximum(), 96);
}

TEST_F(Courbes, Modele7307LeNombreDeMesuresCompteDeuxValeursParEnregistrement) {
    Enregistrement("7307V12", {20, 21, 22, 23, 24, 25, 26});

    for (int nombre : {5, 7}) {
        etat->Nb_Mesures = static_cast<int16_t>(nombre);
        const int records = nombre == 5 ? 2 : 4;  // halves to even

        Graphique::Affiche_Courbes(*etat, graphe);

        EXPECT_EQ(Plot(1).Nb_Points(), records) << nombre;
        EXPECT_EQ(Plot(2).Nb_Points(), records) << nombre;
        EXPECT_TRUE(Plot(1).Visible());
        EXPECT_TRUE(Plot(2).Visible());
        EXPECT_TRUE(Axe(3).Visible());
        EXPECT_EQ(Axe(3).Legende(), QStringLiteral("Hygrométrie %Hr"));
        EXPECT_DOUBLE_EQ(Axe(1).Maximum(), etat->Mesures(records).Date_Heure) << nombre;
    }
    // Humidities 50 to 53 on axis 3.
    EXPECT_DOUBLE_EQ(Axe(3).Minimum(), 50 - 0.2 * 103);
    EXPECT_DOUBLE_EQ(Axe(3).Maximum(), 53 + 0.2 * (std::abs(50 - 0.2 * 103) + 53));
}

TEST_F(Courbes, LaMargeSeCalculeSurLeMinimumEnValeurAbsolue) {
    Enregistrement("7306V12", {-10, 5, 30});

    Graphique::Affiche_Courbes(*etat, graphe);

    EXPECT_DOUBLE_EQ(Axe(2).Minimum(), -18);
    EXPECT_NEAR(Axe(2).Maximum(), 39.6, 1e-12);
}

TEST_F(Courbes, UnEnregistrementVideLaisseLesAxesCommeIlsEtaient) {
    Graphique::Init_Graphique(graphe, Debut);
    Axe(2).Definir_Minimum(-5);
    Axe(2).Definir_Maximum(45);
    Enregistrement("7306V12", {});
    Plot(1).Ajouter_Point(Debut, 20);  // an older curve

    Graphique::Affiche_Courbes(*etat, graphe);

    EXPECT_EQ(Plot(1).Nb_Points(), 0);
    EXPECT_TRUE(Plot(1).Visible());
    EXPECT_DOUBLE_EQ(Axe(1).Minimum(), Debut - 1);
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Debut);
    EXPECT_DOUBLE_EQ(Axe(2).Minimum(), -5);
    EXPECT_DOUBLE_EQ(Axe(2).Maximum(), 45);
}

TEST_F(Courbes, LaMiseAEchelleCompteLesEnregistrementsPasLesValeurs) {
    // A 7307 count of 1 holds no whole record: nothing is scaled.
    Graphique::Init_Graphique(graphe, Debut + 10);
    Enregistrement("7307V12", {20});
    etat->Nb_Mesures = 1;
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(Plot(1).Nb_Points(), 0);
    EXPECT_DOUBLE_EQ(Axe(1).Minimum(), Debut + 9);
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Debut + 10);

    // 12000 records of a 7307 count 24000 values: scaled all the same, and again after a zoom.
    for (int i = 1; i <= 12000; ++i) {
        etat->Mesures(i).Date_Heure = Debut + i * 60 * Une_Seconde;
        etat->Mesures(i).Temperature = i == 6000 ? 80.0f : 20.0f;
        etat->Mesures(i).Humidite = 50;
    }
    etat->Nb_Mesures = 24000;
    Graphique::Affiche_Courbes(*etat, graphe);
    Axe(1).Definir_Minimum(Debut + 2);
    Graphique::Mise_Echelle(*etat, graphe);
    EXPECT_DOUBLE_EQ(Axe(1).Minimum(), etat->Mesures(1).Date_Heure);
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), etat->Mesures(12000).Date_Heure);
    EXPECT_DOUBLE_EQ(Axe(2).Minimum(), 0);
    EXPECT_DOUBLE_EQ(Axe(2).Maximum(), 96);
}

TEST_F(Courbes, InitGraphiqueMontreLesDernieres24Heures) {
    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Panoramique);
    graphe.Definir_Longueur_Graphe(10);

    Graphique::Init_Graphique(graphe, Debut);

    EXPECT_EQ(graphe.Longueur_Graphe(), 16000);
    EXPECT_EQ(graphe.Mode_Suivi(), Numeros_Graphe::Mode_Zoom);
    EXPECT_DOUBLE_EQ(Axe(1).Minimum(), Debut - 1);
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Debut);
}

TEST_F(Courbes, LaCourbeDeCuissonVaSurLAxe3DepuisZero) {
    Enregistrement("7306V12", {50, 60, 70, 80, 70, 50});
    Graphique::Affiche_Courbes(*etat, graphe);
    const double min_temps = Axe(1).Minimum();
    const double max_temp = Axe(2).Maximum();
    const float cuisson[] = {0, 0, 1, 11, 12, 0};
    for (int i = 1; i <= 6; ++i)
        etat->Mesures(i).Humidite = cuisson[i - 1];

    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);

    EXPECT_EQ(Plot(2).Nb_Points(), 6);
    EXPECT_TRUE(Plot(2).Visible());
    EXPECT_TRUE(Axe(3).Visible());
    EXPECT_EQ(Axe(3).Legende(), QStringLiteral("Valeur Cuisson (minutes)"));
    EXPECT_DOUBLE_EQ(Axe(3).Minimum(), 0);
    EXPECT_NEAR(Axe(3).Maximum(), 14.4, 1e-12);
    // The temperature curve and the time axis are left alone.
    EXPECT_EQ(Plot(1).Nb_Points(), 6);
    EXPECT_DOUBLE_EQ(Axe(1).Minimum(), min_temps);
    EXPECT_DOUBLE_EQ(Axe(2).Maximum(), max_temp);

    // New measures put the humidity caption back.
    Enregistrement("7307V12", {20, 21});
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(Axe(3).Legende(), QStringLiteral("Hygrométrie %Hr"));
}

TEST_F(Courbes, SelectionMesuresGardeLesMesuresDeLaPeriodeAffichee) {
    Enregistrement("7306V12", {10, 20, 30, 40, 50});
    Axe(1).Definir_Minimum(etat->Mesures(2).Date_Heure);
    Axe(1).Definir_Maximum(etat->Mesures(4).Date_Heure);

    Graphique::Selection_Mesures(*etat, graphe);

    EXPECT_EQ(etat->Nb_Mesures, 3);
    EXPECT_EQ(etat->Mesures(1).Temperature, 20);
    EXPECT_EQ(etat->Mesures(3).Temperature, 40);
    EXPECT_DOUBLE_EQ(etat->Mesures(1).Date_Heure, Debut + 60 * Une_Seconde);
    // Records after the new count keep what they held.
    EXPECT_EQ(etat->Mesures(4).Temperature, 40);
    EXPECT_EQ(etat->Mesures(5).Temperature, 50);
}

TEST_F(Courbes, SelectionMesuresDe7307CopieLHumiditeEtCompteDeuxValeurs) {
    Enregistrement("7307V12", {10, 20, 30, 40, 50});
    Axe(1).Definir_Minimum(etat->Mesures(4).Date_Heure);
    Axe(1).Definir_Maximum(etat->Mesures(5).Date_Heure + 1);

    Graphique::Selection_Mesures(*etat, graphe);

    EXPECT_EQ(etat->Nb_Mesures, 4);
    EXPECT_EQ(etat->Mesures(1).Temperature, 40);
    EXPECT_EQ(etat->Mesures(1).Humidite, 53);
    EXPECT_EQ(etat->Mesures(2).Humidite, 54);
}

TEST_F(Courbes, SelectionMesuresSurUnePeriodeSansMesureNeGardeRien) {
    Enregistrement("7306V12", {10, 20, 30});
    Axe(1).Definir_Minimum(Debut + 1);
    Axe(1).Definir_Maximum(Debut + 2);

    Graphique::Selection_Mesures(*etat, graphe);

    EXPECT_EQ(etat->Nb_Mesures, 0);
}
