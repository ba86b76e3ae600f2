// The measures of the shared record drawn on a bare graph control, and the selection of those
// the graph shows.
#include "Essai_Fenetres.h"

namespace {

double Date(int record) {
    return Enregistrement_Essai().Date(record);
}

// The limits of axes 1 (time, in records from the first), 2 and 3.
std::vector<double> Echelles(const CWGraph& g) {
    return {(g.Axes(1).Minimum() - Date(1)) / (Date(2) - Date(1)),
            (g.Axes(1).Maximum() - Date(1)) / (Date(2) - Date(1)),
            g.Axes(2).Minimum(),
            g.Axes(2).Maximum(),
            g.Axes(3).Minimum(),
            g.Axes(3).Maximum()};
}

void Verifier(const std::vector<double>& echelles, const std::vector<double>& attendues) {
    for (std::size_t i = 0; i < attendues.size(); ++i)
        EXPECT_NEAR(echelles[i], attendues[i], 1e-3) << "limite " << i;
}

}  // namespace

// The time axis from the first to the last record; the value axes fitted with the margin
// 0.2 × | |minimum| + maximum |, below then above; for a 7307 the count holds two values a
// record (halves to even) and the humidity (41, 42, ...) goes on axis 3.
TEST(Courbes, ChaqueModeleSesCourbesEtSesEchelles) {
    for (auto [modele, nb_mesures, temperatures, records, echelles] : {
             std::tuple{7306, 5, std::vector<float>{20, 40, 80, 60, 30}, 5,
                        std::vector<double>{0, 4, 0, 96}},
             {7306, 3, {-10, 5, 30}, 3, {0, 2, -18, 39.6}},
             {7307, 5, {20, 21, 22}, 2, {0, 1, 11.8, 27.56, 24.4, 55.28}},
             {7307, 7, {20, 21, 22, 23}, 4, {0, 3, 11.4, 29.88, 24, 57.6}},
         }) {
        SCOPED_TRACE(nb_mesures);
        auto etat = Enregistrement_Essai(modele).Temperatures(temperatures).Etat_Rempli();
        etat->Nb_Mesures = static_cast<int16_t>(nb_mesures);
        CWGraph graphe;

        Graphique::Affiche_Courbes(*etat, graphe);

        const bool hygro = modele == 7307;
        EXPECT_EQ(graphe.Plots(1).Nb_Points(), records);
        EXPECT_EQ(graphe.Plots(2).Nb_Points(), hygro ? records : 0);
        EXPECT_TRUE(graphe.Plots(1).Visible());
        EXPECT_EQ(graphe.Plots(2).Visible() + graphe.Axes(3).Visible(), 2 * hygro);
        Verifier(Echelles(graphe), echelles);
        EXPECT_TRUE(!hygro || graphe.Axes(3).Legende() == u"Hygrométrie %Hr"_s);
    }
}

// The scaling counts records, not values: a count of 1 holds no 7307 record, 24000 values are
// 12000 of them; no record leaves the axes as they were, the older curve cleared.
TEST(Courbes, LaMiseAEchelleCompteLesEnregistrements) {
    CWGraph graphe;
    Graphique::Init_Graphique(graphe, Date(11));
    graphe.Axes(2).Definir_Minimum(-5);
    graphe.Plots(1).Ajouter_Point(Date(1), 20);
    auto etat = Enregistrement_Essai(7307).Temperatures({20}).Etat_Rempli();
    etat->Nb_Mesures = 1;
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(graphe.Plots(1).Nb_Points(), 0);
    Verifier(Echelles(graphe), {10 - 1440, 10, -5});

    std::vector<float> temperatures(12000, 20);
    temperatures[5999] = 80;
    Enregistrement_Essai(7307).Temperatures(temperatures).Remplir(*etat);
    ASSERT_EQ(etat->Nb_Mesures, 24000);
    Graphique::Affiche_Courbes(*etat, graphe);
    graphe.Axes(1).Definir_Minimum(Date(3));
    Graphique::Mise_Echelle(*etat, graphe);
    Verifier(Echelles(graphe), {0, 11999, 0, 96});
}

// The start: chart length 16000, zoom mode, the last 24 hours.
TEST(Courbes, InitGraphiqueMontreLesDernieres24Heures) {
    CWGraph graphe;
    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Panoramique);
    graphe.Definir_Longueur_Graphe(10);
    Graphique::Init_Graphique(graphe, Date(1));
    EXPECT_EQ(graphe.Longueur_Graphe(), 16000);
    EXPECT_EQ(graphe.Mode_Suivi(), Numeros_Graphe::Mode_Zoom);
    Verifier(Echelles(graphe), {-1440, 0});
}

// On axis 3 from 0 to 1.2 × its highest value, the temperature and the time axis left alone;
// new measures put the humidity caption back.
TEST(Courbes, LaCourbeDeCuissonVaSurLAxe3DepuisZero) {
    auto etat = Enregistrement_Essai().Temperatures({50, 60, 70, 80, 70, 50}).Etat_Rempli();
    CWGraph graphe;
    Graphique::Affiche_Courbes(*etat, graphe);
    const float cuisson[] = {0, 0, 1, 11, 12, 0};
    for (int i = 1; i <= 6; ++i)
        etat->Mesures(i).Humidite = cuisson[i - 1];

    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);

    EXPECT_EQ(graphe.Plots(1).Nb_Points() + graphe.Plots(2).Nb_Points(), 12);
    EXPECT_TRUE(graphe.Plots(2).Visible() && graphe.Axes(3).Visible());
    EXPECT_EQ(graphe.Axes(3).Legende(), u"Valeur Cuisson (minutes)"_s);
    Verifier(Echelles(graphe), {0, 5, 24, 100.8, 0, 14.4});
    Enregistrement_Essai(7307).Temperatures({20, 21}).Remplir(*etat);
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(graphe.Axes(3).Legende(), u"Hygrométrie %Hr"_s);
}

// Only the records within the time axis shown, both ends included, the humidity with them;
// the records after the new count keep what they held.
TEST(Courbes, LaSelectionGardeLesMesuresDeLaPeriodeAffichee) {
    for (auto [modele, debut, fin, nb_mesures, premiere] :
         {std::tuple{7306, Date(2), Date(4), 3, 20.0f},
          {7307, Date(4), Date(5) + 1, 4, 40.0f},
          {7306, Date(1) + 1, Date(1) + 2, 0, 10.0f}}) {
        auto etat = Enregistrement_Essai(modele).Temperatures({10, 20, 30, 40, 50}).Etat_Rempli();
        CWGraph graphe;
        graphe.Axes(1).Definir_Minimum(debut);
        graphe.Axes(1).Definir_Maximum(fin);

        Graphique::Selection_Mesures(*etat, graphe);

        EXPECT_EQ(etat->Nb_Mesures, nb_mesures);
        EXPECT_EQ(etat->Mesures(1).Temperature, premiere);
        EXPECT_DOUBLE_EQ(etat->Mesures(1).Date_Heure, nb_mesures ? debut : Date(1));
        EXPECT_EQ(etat->Mesures(1).Humidite, modele == 7307 ? 44 : 0);
        EXPECT_EQ(etat->Mesures(5).Temperature, 50);
    }
}
