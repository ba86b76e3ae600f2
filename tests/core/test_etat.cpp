// The shared record: initial values, limits, model and unit rules, clock origins.
#include <gtest/gtest.h>

#include "core/Etat.h"
#include "core/Textes.h"

TEST(Etat, StartsEmptyWithTheDocumentedInitialValues) {
    const auto etat = Etat::Nouveau();
    EXPECT_EQ(etat->Num_Port, 1);
    EXPECT_EQ(etat->Seuil_Haut, 10.0f);
    EXPECT_EQ(etat->Seuil_Bas, 0.0f);
    EXPECT_EQ(etat->Nb_Enreg_Max, 1000);
    EXPECT_EQ(etat->Nb_Mesures, 0);
    EXPECT_TRUE(etat->Version_Logger.isEmpty());
    EXPECT_EQ(etat->Mesures(16000).Temperature, 0.0f);
    EXPECT_EQ(etat->Recettes(99).Numero, 0);
}

TEST(Etat, TablesRefuseIndexesOutsideTheirRange) {
    const auto etat = Etat::Nouveau();
    EXPECT_THROW(etat->Mesures(0), std::out_of_range);
    EXPECT_THROW(etat->Mesures(16001), std::out_of_range);
    EXPECT_THROW(etat->Recettes(100), std::out_of_range);
    EXPECT_NO_THROW(etat->Recettes(1));
}

TEST(ModelRules, OnlyAVersionBeginningWith7307TakesTheHumidityPath) {
    EXPECT_TRUE(Est_Modele_7307(QStringLiteral("7307V10\r")));
    EXPECT_FALSE(Est_Modele_7307(QStringLiteral("7306V10\r")));
    EXPECT_FALSE(Est_Modele_7307(QStringLiteral("730")));
    EXPECT_FALSE(Est_Modele_7307(QString()));
    EXPECT_TRUE(Est_Modele_7306(QStringLiteral("7306V10\r")));
    EXPECT_FALSE(Est_Modele_7306(QStringLiteral("730")));
    EXPECT_FALSE(Est_Modele_7306(QString()));
}

TEST(ModelRules, Model7307HoldsHalfAsManyRecordsRoundedToEven) {
    EXPECT_EQ(Nb_Enregistrements(QStringLiteral("7307"), 7), 4);
    EXPECT_EQ(Nb_Enregistrements(QStringLiteral("7307"), 5), 2);
    EXPECT_EQ(Nb_Enregistrements(QStringLiteral("7307"), 6), 3);
    EXPECT_EQ(Nb_Enregistrements(QStringLiteral("7306"), 7), 7);
}

TEST(UnitRules, LettersAndCaptionsMapBothWays) {
    EXPECT_EQ(Unite_Depuis_Lettre(QLatin1Char('C')), QStringLiteral("°C"));
    EXPECT_EQ(Unite_Depuis_Lettre(QLatin1Char('F')), QStringLiteral("°F"));
    EXPECT_EQ(Unite_Depuis_Lettre(QLatin1Char('c')), QStringLiteral("°C & alarme %Hr"));
    EXPECT_EQ(Unite_Depuis_Lettre(QLatin1Char('f')), QStringLiteral("°F & alarme %Hr"));
    EXPECT_EQ(Unite_Depuis_Lettre(QLatin1Char('x')), QStringLiteral("°C"));
    EXPECT_EQ(Lettre_Depuis_Unite(QStringLiteral("°F & alarme %Hr")), QLatin1Char('f'));
    EXPECT_EQ(Lettre_Depuis_Unite(QStringLiteral("°C & alarme %Hr")), QLatin1Char('c'));
    EXPECT_EQ(Lettre_Depuis_Unite(QStringLiteral("°F")), QLatin1Char('F'));
    EXPECT_EQ(Lettre_Depuis_Unite(QStringLiteral("Kelvin")), QLatin1Char('C'));
}

TEST(ClockOrigins, MoveEveryThreeYearsFrom2006) {
    Etat etat;
    Origines_Horloge(etat, Date_Depuis_Civil(2026, 12, 31, 23, 59, 59));
    EXPECT_EQ(Texte_Date(etat.Date_Origine), QStringLiteral("01/01/2024"));
    EXPECT_EQ(Texte_Date(etat.Date_Origine_Precedente), QStringLiteral("01/01/2021"));
    Origines_Horloge(etat, Date_Depuis_Civil(2027, 1, 1));
    EXPECT_EQ(Texte_Date(etat.Date_Origine), QStringLiteral("01/01/2027"));
    EXPECT_EQ(Texte_Date(etat.Date_Origine_Precedente), QStringLiteral("01/01/2024"));
    Origines_Horloge(etat, Date_Depuis_Civil(2024, 1, 1));
    EXPECT_EQ(Texte_Date(etat.Date_Origine), QStringLiteral("01/01/2024"));
    Origines_Horloge(etat, Date_Depuis_Civil(2005, 6, 1));  // truncation toward zero
    EXPECT_EQ(Texte_Date(etat.Date_Origine), QStringLiteral("01/01/2006"));
}
