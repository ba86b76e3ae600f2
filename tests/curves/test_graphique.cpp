// The measures of the shared record drawn on a bare graph control, and the selection of those
// the graph shows.
#include "Essai_Fenetres.h"

namespace {

double Date(int record) {
    return Enregistrement_Essai().Date(record);
}

// Axes 1 (in records from the first), 2 and 3 against their expected limits.
void Verifier(const CWGraph& g, const std::vector<double>& attendues) {
    const double r = Date(2) - Date(1);
    const std::vector<double> limites = {(g.Axes(1).Minimum() - Date(1)) / r,
                                         (g.Axes(1).Maximum() - Date(1)) / r,
                                         g.Axes(2).Minimum(),
                                         g.Axes(2).Maximum(),
                                         g.Axes(3).Minimum(),
                                         g.Axes(3).Maximum()};
    for (std::size_t i = 0; i < attendues.size(); ++i)
        EXPECT_NEAR(limites[i], attendues[i], 1e-3) << "limite " << i;
}

}  // namespace

// The time axis from the first to the last record; the value axes fitted with the margin
// 0.2 × | |minimum| + maximum |, below then above; a 7307 count holds two values a record (halves
// to even), its humidity (41, 42...) on axis 3; too few records leave the axes as they were.
TEST(Courbes, ChaqueModeleSesCourbesEtSesEchelles) {
    CWGraph graphe;
    Graphique::Init_Graphique(graphe, Date(11));
    EXPECT_EQ(graphe.Longueur_Graphe(), 16000);
    EXPECT_EQ(graphe.Mode_Suivi(), Numeros_Graphe::Mode_Zoom);
    graphe.Plots(1).Ajouter_Point(Date(1), 20);  // an older curve
    std::vector<float> douze_mille(12000, 20);
    douze_mille[5999] = 80;
    for (auto [modele, nb_mesures, temperatures, records, limites] : {
             std::tuple{7307, 1, std::vector<float>{20}, 0,
                        std::vector<double>{10 - 1440, 10, 0, 100}},
             {7306, 3, {-10, 5, 30}, 3, {0, 2, -18, 39.6}},
             {7307, 5, {20, 21, 22}, 2, {0, 1, 11.8, 27.56, 24.4, 55.28}},
             {7307, 7, {20, 21, 22, 23}, 4, {0, 3, 11.4, 29.88, 24, 57.6}},
             {7307, 24000, douze_mille, 12000, {0, 11999, 0, 96}},
         }) {
        SCOPED_TRACE(nb_mesures);
        auto etat = Enregistrement_Essai(modele).Temperatures(temperatures).Etat_Rempli();
        etat->Nb_Mesures = static_cast<int16_t>(nb_mesures);

        Graphique::Affiche_Courbes(*etat, graphe);

        const int hygro = modele == 7307;
        EXPECT_EQ(graphe.Plots(1).Nb_Points() + graphe.Plots(2).Nb_Points(), (1 + hygro) * records);
        EXPECT_EQ(graphe.Plots(2).Visible() + graphe.Axes(3).Visible(), 2 * hygro);
        graphe.Axes(1).Definir_Minimum(records ? Date(3) : graphe.Axes(1).Minimum());
        Graphique::Mise_Echelle(*etat, graphe);  // again after a zoom
        Verifier(graphe, limites);
    }
}

// On axis 3 from 0, the temperature and the time axis left alone; new measures put the humidity
// caption back.
TEST(Courbes, LaCourbeDeCuissonVaSurLAxe3DepuisZero) {
    auto etat = Enregistrement_Essai().Temperatures({50, 60, 70, 80, 70, 50}).Etat_Rempli();
    CWGraph graphe;
    Graphique::Affiche_Courbes(*etat, graphe);
    etat->Mesures(5).Humidite = 12;
    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);
    EXPECT_EQ(graphe.Plots(1).Nb_Points() + graphe.Plots(2).Nb_Points(), 12);
    Verifier(graphe, {0, 5, 24, 100.8, 0, 14.4});
    Enregistrement_Essai(7307).Temperatures({20, 21}).Remplir(*etat);
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(graphe.Axes(3).Legende(), u"Hygrométrie %Hr"_s);
}

// Only the records within the time axis shown, both ends included; those after the new count
// keep what they held.
TEST(Courbes, LaSelectionGardeLesMesuresDeLaPeriodeAffichee) {
    auto etat = Enregistrement_Essai().Temperatures({10, 20, 30, 40, 50}).Etat_Rempli();
    CWGraph graphe;
    graphe.Axes(1).Definir_Minimum(Date(2));
    graphe.Axes(1).Definir_Maximum(Date(4));
    Graphique::Selection_Mesures(*etat, graphe);
    EXPECT_EQ(etat->Nb_Mesures, 3);
    EXPECT_EQ(etat->Mesures(1).Temperature, 20);
    EXPECT_EQ(etat->Mesures(4).Temperature + etat->Mesures(5).Temperature, 90);
}
