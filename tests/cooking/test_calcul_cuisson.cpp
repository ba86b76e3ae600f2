// The cooking value over a model 7306 recording: the running value written into the measures,
// its maximum and when it was reached, the 5000-minute cap, and the inputs that are refused.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "cooking/Calcul_Cuisson.h"
#include "core/Etat.h"
#include "core/Textes.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 1, 10, 8, 0, 0);
constexpr double Minute = 1.0 / 1440.0;

class CookingValue : public ::testing::Test {
  protected:
    std::unique_ptr<Etat> etat = Etat::Nouveau();
    Maximum_Cuisson maximum;

    // Measures one minute apart, unless `ecarts` gives the minutes before each measure.
    void Mesures(std::initializer_list<float> temperatures, std::vector<double> ecarts = {}) {
        etat->Version_Logger = QStringLiteral("7306V1.00\r");
        int i = 0;
        double date = Debut;
        for (float t : temperatures) {
            if (i > 0) date += (ecarts.empty() ? 1.0 : ecarts[static_cast<size_t>(i - 1)]) * Minute;
            ++i;
            etat->Mesures(i) = Mesure{date, t, -1.0f};
        }
        etat->Nb_Mesures = static_cast<int16_t>(i);
    }

    std::vector<float> Valeurs_Ecrites() const {
        std::vector<float> valeurs;
        for (int i = 2; i <= etat->Nb_Mesures; ++i)
            valeurs.push_back(etat->Mesures(i).Humidite);
        return valeurs;
    }

    std::optional<float> Pasteurisation() {
        return Calcul_Valeur_Cuisson(*etat, maximum, 70, 10, 55);
    }
};

using Valeurs = std::vector<float>;

TEST_F(CookingValue, PasteurisationOfAHeatingAndCooling) {
    Mesures({50, 60, 70, 80, 70, 50});
    EXPECT_EQ(Pasteurisation(), 0.0f);
    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{0, 1, 11, 12, 0}));
    EXPECT_EQ(etat->Mesures(1).Humidite, -1.0f);  // the first measure starts the sum
    EXPECT_EQ(maximum.Valeur_Max, 12);
    EXPECT_EQ(maximum.Date_Valeur_Max, etat->Mesures(5).Date_Heure);
}

TEST_F(CookingValue, TheStartingTemperatureItselfCounts) {
    Mesures({55, 55, 54.9f}, {1000, 1000});
    EXPECT_EQ(Pasteurisation(), 0.0f);
    // 1000 minutes × 10^((55 − 70) / 10) = 31.6 minutes.
    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{32, 0}));
    EXPECT_EQ(maximum.Valeur_Max, 32);
}

TEST_F(CookingValue, TheSumStopsGrowingAt5000MinutesUntilTheTemperatureFalls) {
    // 100 °C is worth 1000 minutes at 70 °C per minute.
    Mesures({100, 100, 100, 100, 100, 100, 100, 50, 100}, {1, 1, 1, 1, 1.5, 1, 1, 1});
    EXPECT_EQ(Pasteurisation(), 1000.0f);
    // 4000 is below the cap, so one more increment passes it; then nothing is added.
    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{1000, 2000, 3000, 4000, 5500, 5500, 0, 1000}));
    EXPECT_EQ(maximum.Valeur_Max, 5500);
    EXPECT_EQ(maximum.Date_Valeur_Max, etat->Mesures(6).Date_Heure);
}

TEST_F(CookingValue, TheMaximumMovesWhenTheValuePassesTheStoredWholeNumber) {
    // 12.4 is stored as 12, so 12.45 is a new maximum at the later measure.
    Mesures({70, 70, 70}, {12.4, 0.05});
    Pasteurisation();
    EXPECT_EQ(maximum.Valeur_Max, 12);
    EXPECT_EQ(maximum.Date_Valeur_Max, etat->Mesures(3).Date_Heure);

    // 12.6 is stored as 13, so 12.7 is not.
    Mesures({70, 70, 70}, {12.6, 0.1});
    Pasteurisation();
    EXPECT_EQ(maximum.Valeur_Max, 13);
    EXPECT_EQ(maximum.Date_Valeur_Max, etat->Mesures(2).Date_Heure);
}

TEST_F(CookingValue, AfterARestartOnlyAHigherHeatingMovesTheMaximum) {
    Mesures({70, 70, 40, 70, 40, 70}, {12, 1, 13, 1, 5});
    Pasteurisation();
    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{12, 0, 13, 0, 5}));
    EXPECT_EQ(maximum.Valeur_Max, 13);
    EXPECT_EQ(maximum.Date_Valeur_Max, etat->Mesures(4).Date_Heure);
}

TEST_F(CookingValue, WithoutAnyMaximumTheEarlierTimeStampStays) {
    Mesures({50, 60, 70, 80, 70, 50});
    Pasteurisation();
    const double precedente = maximum.Date_Valeur_Max;

    Mesures({30, 40, 54, 20});
    EXPECT_EQ(Pasteurisation(), 0.0f);
    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{0, 0, 0}));
    EXPECT_EQ(maximum.Valeur_Max, 0);
    EXPECT_EQ(maximum.Date_Valeur_Max, precedente);

    etat->Nb_Mesures = 1;
    etat->Mesures(2).Humidite = -1;
    EXPECT_EQ(Pasteurisation(), 0.0f);
    EXPECT_EQ(etat->Mesures(2).Humidite, -1.0f);
}

TEST_F(CookingValue, AValueBeyond32767KeepsItsOwnTimeStamp) {
    // Ten minutes at 120 °C are worth a million minutes at 70 °C.
    Mesures({120, 120, 121, 125}, {10, 1, 1});
    EXPECT_EQ(Pasteurisation(), 1000000.0f);
    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{1000000, 1000000, 1000000}));
    EXPECT_EQ(maximum.Valeur_Max, 32767);
    EXPECT_EQ(maximum.Date_Valeur_Max, etat->Mesures(2).Date_Heure);
}

TEST_F(CookingValue, Model7307RecordingsAreLeftUntouched) {
    Mesures({50, 60, 70, 80, 70, 50});
    etat->Version_Logger = QStringLiteral("7307V1.00\r");
    maximum = Maximum_Cuisson{25, 123.0};
    EXPECT_EQ(Pasteurisation(), 0.0f);
    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{-1, -1, -1, -1, -1}));
    EXPECT_EQ(maximum.Valeur_Max, 0);
    EXPECT_EQ(maximum.Date_Valeur_Max, 123.0);
}

TEST_F(CookingValue, ParametersThatCannotGiveAValueAreRefusedWithoutWriting) {
    Mesures({50, 60, 70, 80, 70, 50});
    maximum = Maximum_Cuisson{25, 123.0};
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, 70, 0, 55));
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, NAN, 10, 55));
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, 70, 10, INFINITY));

    // Fine up to the fifth measure, then a rate beyond any single-precision number.
    etat->Mesures(6).Temperature = 500;
    EXPECT_FALSE(Pasteurisation());
    // A tiny Z value: one degree above the reference is already beyond any single.
    Mesures({70, 70, 71});
    EXPECT_FALSE(Calcul_Valeur_Cuisson(*etat, maximum, 70, 1e-30f, 55));

    EXPECT_EQ(Valeurs_Ecrites(), (Valeurs{-1, -1}));
    EXPECT_EQ(maximum.Valeur_Max, 25);
    EXPECT_EQ(maximum.Date_Valeur_Max, 123.0);
}

}  // namespace
