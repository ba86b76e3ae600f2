// The cooking value over a 7306 recording, checked by hand: the running value written into the
// measures, its maximum and its date, the 5000-minute cap, and the inputs refused.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Impression_Qt.h"
#include "cooking/Calcul_Cuisson.h"
#include "cooking/Resultat_Cuisson.h"
#include "core/Etat.h"
#include "core/Textes.h"

using namespace Qt::StringLiterals;

namespace {

// Measures one minute apart unless `ecarts` gives the minutes before each; -1 in every field
// the computation may write. The measure after the last, which must not be read nor written, is
// 1000 °C a minute later.
void Mesures(Etat& etat, const std::vector<float>& temperatures, std::vector<double> ecarts = {}) {
    etat.Version_Logger = u"7306V1.00\r"_s;
    ecarts.resize(temperatures.size(), 1);
    double date = Date_Depuis_Civil(2026, 1, 10, 8, 0, 0);
    for (std::size_t i = 0; i < temperatures.size(); ++i) {
        if (i > 0) date += ecarts[i - 1] / 1440.0;
        etat.Mesures(static_cast<int>(i) + 1) = Mesure{date, temperatures[i], -1.0f};
    }
    etat.Nb_Mesures = static_cast<int16_t>(temperatures.size());
    etat.Mesures(etat.Nb_Mesures + 1) = Mesure{date + 1 / 1440.0, 1000, -1};
}

std::vector<float> Valeurs_Ecrites(const Etat& etat) {
    std::vector<float> valeurs;
    for (int i = 2; i <= etat.Nb_Mesures + 1; ++i)
        valeurs.push_back(etat.Mesures(i).Humidite);
    return valeurs;
}

// Pasteurisation: reference 70 °C, Z 10, from 55 °C.
TEST(CalculCuisson, ValeursEcritesEtMaximum) {
    const struct {
        std::vector<float> temperatures;
        std::vector<double> ecarts;
        float resultat;
        std::vector<float> ecrites;  // into measures 2 to the one after the last
        int16_t maximum;
        int mesure_du_maximum;  // 0: no measure, so no date (an earlier one never stays)
    } cas[] = {
        {{50, 60, 70, 80, 70, 50}, {}, 0, {0, 1, 11, 12, 0, -1}, 12, 5},
        // The starting temperature itself counts: 1000 min × 10^((55 − 70) / 10) = 31.6 min.
        {{55, 55, 54.9f}, {1000, 1000}, 0, {32, 0, -1}, 32, 2},
        // 100 °C is worth 1000 min a minute: 4000 is below the cap, so one more increment
        // passes it; then nothing is added until the temperature falls.
        {{100, 100, 100, 100, 50, 100}, {4, 1.5}, 1000, {4000, 5500, 5500, 0, 1000, -1}, 5500, 3},
        {{100, 100, 100, 100}, {4, 1}, 5000, {4000, 5000, 5000, -1}, 5000, 3},
        // 12.4 is stored as 12, so 12.45 is a new maximum; 12.6 is stored as 13, 12.7 is not.
        {{70, 70, 70}, {12.4, 0.05}, 12, {12, 12, -1}, 12, 3},
        {{70, 70, 70}, {12.6, 0.1}, 13, {13, 13, -1}, 13, 2},
        // After a restart only a higher heating moves the maximum.
        {{70, 70, 40, 70, 40, 70}, {12, 1, 13, 1, 5}, 5, {12, 0, 13, 0, 5, -1}, 13, 4},
        // Ten minutes at 120 °C are worth a million: 32767 with the stamp that first passed it.
        {{120, 120, 121, 125}, {10, 1, 1}, 1e6, {1e6, 1e6, 1e6, -1}, 32767, 2},
        {{30, 40, 54, 20}, {}, 0, {0, 0, 0, -1}, 0, 0},
    };
    for (const auto& c : cas) {
        const auto etat = Etat::Nouveau();
        Mesures(*etat, c.temperatures, c.ecarts);
        Maximum_Cuisson maximum{25, 123.0};
        EXPECT_EQ(Calcul_Valeur_Cuisson(*etat, maximum, 70, 10, 55), c.resultat);
        EXPECT_EQ(Valeurs_Ecrites(*etat), c.ecrites);
        EXPECT_EQ(maximum.Valeur_Max, c.maximum);
        EXPECT_EQ(maximum.Date_Valeur_Max,
                  c.mesure_du_maximum ? etat->Mesures(c.mesure_du_maximum).Date_Heure : 0.0);
    }
}

TEST(CalculCuisson, RienNEstEcritQuandAucuneValeurNEstPossible) {
    const auto etat = Etat::Nouveau();
    Maximum_Cuisson maximum{25, 123.0};
    Mesures(*etat, {50, 60, 70, 80, 70, 50});
    etat->Version_Logger = u"7307V1.00\r"_s;  // a 7307 is left untouched
    EXPECT_EQ(Calcul_Valeur_Cuisson(*etat, maximum, 70, 10, 55), 0.0f);
    EXPECT_EQ(maximum.Valeur_Max, 0);
    EXPECT_EQ(Maximum_Valeur_Cuisson(*etat, 70, 10, 55)->Valeur_Max, 0) << "7307: no value";
    maximum.Valeur_Max = 25;
    Mesures(*etat, {50, 60, 70, 80, 70, 50});
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, INFINITY, 10, 55));
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, 70, 10, INFINITY));
    // A rate beyond any single-precision number, from the first interval on.
    etat->Mesures(2).Temperature = 500;
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, 70, 10, 55));
    EXPECT_EQ(Valeurs_Ecrites(*etat), std::vector<float>(6, -1));
    // Z = 0 is refused even where no temperature reaches the reference; Z = 1 is not.
    Mesures(*etat, {60, 60});
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, 70, 0, 55));
    EXPECT_EQ(maximum.Valeur_Max, 25);
    EXPECT_EQ(maximum.Date_Valeur_Max, 123.0);
    EXPECT_EQ(Calcul_Valeur_Cuisson(*etat, maximum, 70, 1, 55), 0.0f);
}

// The calculation a recording carries, replayed as opening its file does: a recipe 1 to 99 (by
// hand: 121.2 minutes); 0 or a number past the sterilisation's 101 carries none. The window's
// and the command line's tests replay 100 and 101.
TEST(CalculCuisson, LeCalculQuePorteUnEnregistrement) {
    const auto etat = Etat::Nouveau();
    for (int n : {1, Nb_Recettes_Max})
        etat->Recettes(n) = {static_cast<uint8_t>(n), u"Recette %1"_s.arg(n), 10, 60, 50};
    QStringList lignes;
    for (int recette : {0, 1, Nb_Recettes_Max, 102}) {
        Mesures(*etat, {50, 60, 70, 80, 70, 50});
        etat->Num_Recette = static_cast<uint8_t>(recette);
        lignes << Calcul_Enregistre(*etat).value_or(u"aucun"_s).section(u" |"_s, 0, 0);
        EXPECT_EQ(etat->Mesures(4).Humidite, -1) << "recipe " << recette << ": measures rewritten";
    }
    EXPECT_EQ(lignes,
              (QStringList{u"aucun"_s, u"Recette 1 Valeur : 121mn le : 10/01/2026 08:05:00"_s,
                           u"Recette 99 Valeur : 121mn le : 10/01/2026 08:05:00"_s, u"aucun"_s}));
}

}  // namespace
