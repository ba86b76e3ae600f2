// Every logger command: the frame it sends, what it takes from the reply, its result code.
#include <gtest/gtest.h>

#include "Logger_Scripte.h"
#include "core/Global.h"
#include "logger/Fonctions_Logger.h"

using namespace Fonctions_Logger;

TEST(TestLogger, AnswersZeroOnlyWhenTheReplyBeginsWithTheSign) {
    Logger_Scripte l;
    l.Reponse('Q', ">\r");
    EXPECT_EQ(Test_Logger(*l.etat, l.lien), 0);
    l.Reponse('Q', ">OK 12\r");
    EXPECT_EQ(Test_Logger(*l.etat, l.lien), 0);
    l.Reponse('Q', "i ABC\r");
    EXPECT_EQ(Test_Logger(*l.etat, l.lien), 2);
    Logger_Scripte muet;
    EXPECT_EQ(Test_Logger(*muet.etat, muet.lien), 2);
    EXPECT_EQ(l.Trames().first(), QByteArray("Q\r"));
}

TEST(LectureIdentiteVersion, TakeFieldsTwoAndThreeOfTheIdentityReply) {
    Logger_Scripte l;
    l.Reponse('I', "i FOUR-01 7307V10\r");
    EXPECT_EQ(Lecture_Version(*l.etat, l.lien), 0);
    EXPECT_EQ(Lecture_Identite(*l.etat, l.lien), 0);
    EXPECT_EQ(l.etat->Identite_Logger, QStringLiteral("FOUR-01"));
    EXPECT_EQ(l.etat->Version_Logger, QStringLiteral("7307V10\r"));  // carriage return kept
    EXPECT_EQ(l.Trames(), (QList<QByteArray>{"I\r", "I\r"}));
}

TEST(LectureIdentiteVersion, AWrongLetterOrSilenceChangesNothing) {
    Logger_Scripte l;
    l.etat->Identite_Logger = QStringLiteral("AVANT");
    l.Reponse('I', "m FOUR 7307\r");
    EXPECT_EQ(Lecture_Identite(*l.etat, l.lien), 2);
    l.Reponse('I', "ix FOUR 7307\r");
    EXPECT_EQ(Lecture_Identite(*l.etat, l.lien), 2);
    EXPECT_EQ(l.etat->Identite_Logger, QStringLiteral("AVANT"));
    Logger_Scripte muet;
    EXPECT_EQ(Lecture_Version(*muet.etat, muet.lien), 1);
}

TEST(LectureEtat, FillsCountPeriodUnitAndStartDate) {
    Logger_Scripte l;
    l.Reponse('M', "m 120 60 c 1 5180\r");
    EXPECT_EQ(Lecture_Etat(*l.etat, l.lien), 0);
    EXPECT_EQ(l.etat->Nb_Mesures, 120);
    EXPECT_EQ(l.etat->Periode_Enreg, 60);
    EXPECT_EQ(l.etat->Unite, QStringLiteral("°C & alarme %Hr"));
    EXPECT_EQ(Texte_Date(l.etat->Date_Debut_Enreg), QStringLiteral("02/01/2024"));
}

TEST(LectureEtat, CapsTheCountAndReadsUnknownUnitsAsCelsius) {
    Logger_Scripte l;
    l.Reponse('M', "m 20000 900 x 0 14\r");
    EXPECT_EQ(Lecture_Etat(*l.etat, l.lien), 0);
    EXPECT_EQ(l.etat->Nb_Mesures, 16000);
    EXPECT_EQ(l.etat->Unite, QStringLiteral("°C"));
    EXPECT_EQ(Texte_Date(l.etat->Date_Debut_Enreg), QStringLiteral("01/01/2024 00:00:20"));
}

TEST(LectureEtat, AnUnreadableStateIsAnUnexpectedReplyAndChangesNothing) {
    Logger_Scripte l;
    l.etat->Nb_Mesures = 7;
    l.etat->Unite = QStringLiteral("°F");
    l.Reponse('M', "m 12a 60 C 0 14\r");
    EXPECT_EQ(Lecture_Etat(*l.etat, l.lien), 2);
    l.Reponse('M', "m 12 60 C 123456789 14\r");
    EXPECT_EQ(Lecture_Etat(*l.etat, l.lien), 2);
    l.Reponse('M', "i 12 60 C 0 14\r");
    EXPECT_EQ(Lecture_Etat(*l.etat, l.lien), 2);
    EXPECT_EQ(l.etat->Nb_Mesures, 7);
    EXPECT_EQ(l.etat->Unite, QStringLiteral("°F"));
}

TEST(EcritureIdentite, CutsTheNameToEightCharactersAndSendsTheSleepFlag) {
    Logger_Scripte l;
    l.Reponse('J', "i CHAMBRE1 7306V1\r");
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QStringLiteral("CHAMBRE1-NORD"), true), 0);
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QString(), false), 0);
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QStringLiteral("Étuve"), false), 0);
    EXPECT_EQ(l.Trames(), (QList<QByteArray>{"J CHAMBRE1 1\r", "J  0\r", "J \xC9tuve 0\r"}));
    l.Reponse('J', ">\r");
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QStringLiteral("A"), false), 2);
}

TEST(EcritureHorloge, SendsSecondsFromTheOriginAndNeverBeforeIt) {
    Logger_Scripte l;
    l.Reponse('C', ">\r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, l.etat->Date_Origine + 1), 0);
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, l.etat->Date_Origine - 10), 0);
    EXPECT_EQ(l.Trames(), (QList<QByteArray>{"C 86400\r", "C 0\r"}));
}

TEST(EcritureHorloge, TheWholeFirstLineMustBeTheSign) {
    Logger_Scripte l;
    l.Reponse('C', "> \r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, l.etat->Date_Origine), 2);
    l.Reponse('C', ">\rsuite\r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, l.etat->Date_Origine), 0);
}

TEST(EcritureHorloge, ADateBeyondTheLoggerClockIsNotSent) {
    Logger_Scripte l;
    l.Reponse('C', ">\r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, l.etat->Date_Origine + 40000), 2);
    EXPECT_TRUE(l.Trames().isEmpty());
}

TEST(EcritureAlarmes, SendsTenthsHighFirst) {
    Logger_Scripte l;
    l.Reponse('A', ">\r");
    float bas = 0, haut = 10;
    EXPECT_EQ(Ecriture_Alarmes(*l.etat, l.lien, bas, haut), 0);
    bas = -5.5f;
    haut = 12.25f;  // 122.5 tenths: half to even
    Ecriture_Alarmes(*l.etat, l.lien, bas, haut);
    haut = 12.75f;
    Ecriture_Alarmes(*l.etat, l.lien, bas, haut);
    EXPECT_EQ(l.Trames(), (QList<QByteArray>{"A 100 0\r", "A 122 -55\r", "A 128 -55\r"}));
}

TEST(EcritureAlarmes, ClampsOutOfRangeThresholdsAndKeepsTheClampedValues) {
    Logger_Scripte l;
    l.Reponse('A', ">\r");
    l.etat->Seuil_Haut = 250;
    l.etat->Seuil_Bas = -60;
    EXPECT_EQ(Ecriture_Alarmes(*l.etat, l.lien, l.etat->Seuil_Bas, l.etat->Seuil_Haut), 0);
    EXPECT_EQ(l.Trames().last(), QByteArray("A 1940 -490\r"));
    EXPECT_EQ(l.etat->Seuil_Haut, 194.0f);
    EXPECT_EQ(l.etat->Seuil_Bas, -49.0f);
    // A low threshold above the range also becomes -49; a high one below it, 194.
    l.etat->Seuil_Bas = 200;
    l.etat->Seuil_Haut = -50;
    Ecriture_Alarmes(*l.etat, l.lien, l.etat->Seuil_Bas, l.etat->Seuil_Haut);
    EXPECT_EQ(l.Trames().last(), QByteArray("A 1940 -490\r"));
    l.etat->Seuil_Bas = std::numeric_limits<float>::quiet_NaN();
    Ecriture_Alarmes(*l.etat, l.lien, l.etat->Seuil_Bas, l.etat->Seuil_Haut);
    EXPECT_EQ(l.etat->Seuil_Bas, -49.0f);
}

class DemarrageEnreg : public ::testing::Test {
  protected:
    void SetUp() override { l.Reponse('S', "m 0 60 C 0 14\r"); }
    QByteArray Trame(int16_t periode, const char* unite, double depart, int32_t nb) {
        EXPECT_EQ(Demarrage_Enreg(*l.etat, l.lien, periode, QString::fromUtf8(unite), depart, nb),
                  0);
        return l.Trames().last();
    }
    Logger_Scripte l;
};

TEST_F(DemarrageEnreg, PeriodsOutOfRangeBecomeFifteenMinutes) {
    EXPECT_EQ(Trame(0, "°C", 0, 1000), QByteArray("S 900 C 20 0\r"));
    EXPECT_EQ(Trame(7201, "°C", 0, 1000), QByteArray("S 900 C 20 0\r"));
    EXPECT_EQ(Trame(1, "°C", 0, 1000), QByteArray("S 1 C 20 0\r"));
    EXPECT_EQ(Trame(7200, "°C", 0, 1000), QByteArray("S 7200 C 20 0\r"));
}

TEST_F(DemarrageEnreg, UnitCaptionsAndSizeCodes) {
    EXPECT_EQ(Trame(60, "°F", 0, 2000), QByteArray("S 60 F 20 1\r"));
    EXPECT_EQ(Trame(60, "°C & alarme %Hr", 0, 4000), QByteArray("S 60 c 20 2\r"));
    EXPECT_EQ(Trame(60, "°F & alarme %Hr", 0, 8000), QByteArray("S 60 f 20 3\r"));
    EXPECT_EQ(Trame(60, "", 0, 12000), QByteArray("S 60 C 20 4\r"));
    EXPECT_EQ(Trame(60, "°C", 0, 16000), QByteArray("S 60 C 20 5\r"));
    EXPECT_EQ(Trame(60, "°C", 0, 5000), QByteArray("S 60 C 20 5\r"));
}

TEST_F(DemarrageEnreg, OnlyAStartInTheFutureIsSentAsItsCount) {
    const double maintenant = Logger_Scripte::Maintenant();
    const double futur = maintenant + 60.0 / 86400;
    const QByteArray attendu =
        "S 60 C " + Global::Conversion_Secondes(*l.etat, futur).toLatin1() + " 0\r";
    EXPECT_EQ(Trame(60, "°C", futur, 1000), attendu);
    EXPECT_EQ(Trame(60, "°C", maintenant - 60.0 / 86400, 1000), QByteArray("S 60 C 20 0\r"));
    EXPECT_EQ(Trame(60, "°C", l.etat->Date_Origine, 1000), QByteArray("S 60 C 20 0\r"));
}

TEST_F(DemarrageEnreg, ExpectsTheStateLetterBack) {
    l.Reponse('S', ">\r");
    EXPECT_EQ(Demarrage_Enreg(*l.etat, l.lien, 60, QStringLiteral("°C"), 0, 1000), 2);
}
