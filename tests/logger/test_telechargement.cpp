// Reading a download reply into the measures, and the download sequence as a whole.
#include <gtest/gtest.h>

#include "Logger_Scripte.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Sequence_Telechargement.h"

using namespace Fonctions_Logger;

namespace {

// Header for a recording started on 01/01/2025 00:00:00 (clock origin 01/01/2024).
QString Entete(int nb, int periode) {
    const int secondes = 366 * 86400;
    return QStringLiteral("m %1 %2 C %3 %4\r")
        .arg(nb)
        .arg(periode)
        .arg(QString::number(secondes >> 16, 16).toUpper())
        .arg(QString::number(secondes & 0xFFFF, 16).toUpper().rightJustified(4, u'0'));
}

QString Lignes(int n, bool humidite) {
    QString texte;
    for (int i = 1; i <= n; ++i) {
        texte += humidite ? QStringLiteral("t %1 %2\r").arg(200 + i).arg(500 + i)
                          : QStringLiteral("t %1\r").arg(200 + i);
    }
    return texte;
}

class LectureReponse : public ::testing::Test {
  protected:
    void SetUp() override { Origines_Horloge(*etat, Logger_Scripte::Maintenant()); }
    uint8_t Lire(const QString& reponse) {
        return Lecture_Reponse_Telechargement(*etat, reponse, Logger_Scripte::Maintenant());
    }
    // A recording already in memory, which a failed download must leave as it is.
    void Enregistrement_Precedent() {
        etat->Version_Logger = QStringLiteral("7306V1\r");
        etat->Nb_Mesures = 2;
        etat->Periode_Enreg = 900;
        etat->Date_Debut_Enreg = 45000;
        etat->Mesures(1) = {45000.5, 4.5f, 0};
        etat->Mesures(2) = {45000.6, 5.5f, 0};
    }
    void Verifier_Precedent() {
        EXPECT_EQ(etat->Nb_Mesures, 2);
        EXPECT_EQ(etat->Periode_Enreg, 900);
        EXPECT_EQ(etat->Date_Debut_Enreg, 45000);
        EXPECT_EQ(etat->Mesures(1).Temperature, 4.5f);
        EXPECT_EQ(etat->Mesures(2).Date_Heure, 45000.6);
        EXPECT_EQ(etat->Mesures(3).Temperature, 0.0f);
    }
    std::unique_ptr<Etat> etat = Etat::Nouveau();
};

}  // namespace

TEST_F(LectureReponse, StampsEachMeasureOneSecondBeforeItsFullPeriod) {
    ASSERT_EQ(Lire(Entete(10, 60) + Lignes(10, false)), 0);
    EXPECT_EQ(Texte_Date(etat->Date_Debut_Enreg), QStringLiteral("01/01/2025"));
    EXPECT_EQ(Texte_Date(etat->Mesures(1).Date_Heure), QStringLiteral("01/01/2025 00:00:59"));
    EXPECT_EQ(Texte_Date(etat->Mesures(2).Date_Heure), QStringLiteral("01/01/2025 00:01:59"));
    EXPECT_EQ(Texte_Date(etat->Mesures(10).Date_Heure), QStringLiteral("01/01/2025 00:09:59"));
    EXPECT_EQ(etat->Periode_Enreg, 60);
    EXPECT_EQ(etat->Mesures(1).Temperature, 20.1f);
}

TEST_F(LectureReponse, LongRecordingsAndLongPeriodsDoNotOverflow) {
    ASSERT_EQ(Lire(Entete(16000, 7200) + Lignes(16000, false)), 0);
    EXPECT_EQ(etat->Nb_Mesures, 16000);
    // 16000 × 7200 s = 1333 days and 8 hours after the start, less one second.
    EXPECT_EQ(Texte_Date(etat->Mesures(16000).Date_Heure), QStringLiteral("26/08/2028 07:59:59"));
}

TEST_F(LectureReponse, Model7307ReadsHumidityAndCountsTwoValuesAMeasure) {
    etat->Version_Logger = QStringLiteral("7307V1\r");
    ASSERT_EQ(Lire(Entete(6, 60) + Lignes(3, true)), 0);
    EXPECT_EQ(etat->Nb_Mesures, 6);
    EXPECT_EQ(etat->Mesures(3).Temperature, 20.3f);
    EXPECT_EQ(etat->Mesures(3).Humidite, 50.3f);
    EXPECT_EQ(etat->Mesures(4).Date_Heure, 0.0);
}

TEST_F(LectureReponse, NegativeTenthsAndNoHumidityForModel7306) {
    etat->Version_Logger = QStringLiteral("7306V1\r");
    ASSERT_EQ(Lire(Entete(1, 60) + QStringLiteral("t -15\r")), 0);
    EXPECT_EQ(etat->Mesures(1).Temperature, -1.5f);
    EXPECT_EQ(etat->Mesures(1).Humidite, 0.0f);
}

TEST_F(LectureReponse, TheCountIsWhatArrivedNotWhatTheHeaderAnnounced) {
    etat->Version_Logger = QStringLiteral("7307V1\r");
    ASSERT_EQ(Lire(Entete(10, 60) + Lignes(3, true)), 0);
    EXPECT_EQ(etat->Nb_Mesures, 6);
    etat->Version_Logger = QStringLiteral("7306V1\r");
    ASSERT_EQ(Lire(Entete(20000, 60) + Lignes(5, false)), 0);
    EXPECT_EQ(etat->Nb_Mesures, 5);
    ASSERT_EQ(Lire(Entete(2, 60) + Lignes(4, false)), 0);
    EXPECT_EQ(etat->Nb_Mesures, 4);
}

TEST_F(LectureReponse, AHeaderAloneEmptiesTheRecording) {
    Enregistrement_Precedent();
    ASSERT_EQ(Lire(Entete(0, 60)), 0);
    EXPECT_EQ(etat->Nb_Mesures, 0);
    EXPECT_EQ(etat->Mesures(1).Temperature, 0.0f);
}

TEST_F(LectureReponse, UnreadableRepliesFailAndLeaveThePreviousRecording) {
    Enregistrement_Precedent();
    const QString bon = Entete(3, 60) + Lignes(3, false);
    EXPECT_EQ(Lire(bon + QStringLiteral("\r")), 2);                 // extra empty line
    EXPECT_EQ(Lire(Entete(3, 60) + QStringLiteral("t 21x\r")), 2);  // not a number
    EXPECT_EQ(Lire(Entete(3, 60) + QStringLiteral("t\r")), 2);      // missing field
    EXPECT_EQ(Lire(Entete(3, 60) + QStringLiteral("t 99999\r")), 2);
    EXPECT_EQ(Lire(Entete(3, 60) + QString(300, QLatin1Char('7')) + QStringLiteral("\r")), 2);
    EXPECT_EQ(Lire(QStringLiteral("m x 60 C 0 14\r")), 2);
    EXPECT_EQ(Lire(Entete(16001, 1) + Lignes(16001, false)), 2);  // more than the table holds
    Verifier_Precedent();
}

TEST_F(LectureReponse, Model7307NeedsItsHumidityField) {
    etat->Version_Logger = QStringLiteral("7307V1\r");
    EXPECT_EQ(Lire(Entete(2, 60) + QStringLiteral("t 215\r")), 2);
}

TEST(Telechargement, SendsDAndChecksTheReplyLetter) {
    Logger_Scripte l;
    l.Reponse('D', (Entete(2, 60) + Lignes(2, false)).toLatin1());
    EXPECT_EQ(Telechargement(*l.etat, l.lien), 0);
    EXPECT_EQ(l.Trames(), (QList<QByteArray>{"D\r"}));
    EXPECT_EQ(l.etat->Mesures(2).Temperature, 20.2f);
    l.Reponse('D', "i ABC\r");
    EXPECT_EQ(Telechargement(*l.etat, l.lien), 2);
    EXPECT_EQ(l.etat->Mesures(2).Temperature, 20.2f);
}

class SequenceTelechargement : public ::testing::Test {
  protected:
    void SetUp() override {
        l.Reponse('Q', ">\r");
        l.Reponse('I', "i NOUVEAU 7307V2\r");
        l.Reponse('M', Entete(4, 60).toLatin1());
        l.Reponse('D', (Entete(4, 60) + Lignes(2, true)).toLatin1());
        Etat& e = *l.etat;
        e.Identite_Logger = QStringLiteral("ANCIEN");
        e.Version_Logger = QStringLiteral("7306V1\r");
        e.Unite = QStringLiteral("°F");
        e.Nb_Mesures = 1;
        e.Periode_Enreg = 900;
        e.Date_Debut_Enreg = 45000;
        e.Mesures(1) = {45000.01, 98.5f, 0};
    }
    void Verifier_Ancien() {
        const Etat& e = *l.etat;
        EXPECT_EQ(e.Identite_Logger, QStringLiteral("ANCIEN"));
        EXPECT_EQ(e.Version_Logger, QStringLiteral("7306V1\r"));
        EXPECT_EQ(e.Unite, QStringLiteral("°F"));
        EXPECT_EQ(e.Nb_Mesures, 1);
        EXPECT_EQ(e.Periode_Enreg, 900);
        EXPECT_EQ(e.Date_Debut_Enreg, 45000);
        EXPECT_EQ(e.Mesures(1).Temperature, 98.5f);
    }
    Logger_Scripte l;
};

TEST_F(SequenceTelechargement, RunsQIIMDAndReplacesTheRecording) {
    EXPECT_EQ(Sequence_Telechargement::Telecharger(*l.etat, l.lien), 0);
    EXPECT_EQ(l.Trames(), (QList<QByteArray>{"Q\r", "I\r", "I\r", "M\r", "D\r"}));
    EXPECT_EQ(l.etat->Identite_Logger, QStringLiteral("NOUVEAU"));
    EXPECT_EQ(l.etat->Nb_Mesures, 4);
    EXPECT_EQ(l.etat->Mesures(2).Humidite, 50.2f);
}

TEST_F(SequenceTelechargement, AFailureAtAnyStepLeavesThePreviousRecordingWhole) {
    l.Reponse('D', (Entete(4, 60) + Lignes(2, true) + QStringLiteral("\r")).toLatin1());
    EXPECT_EQ(Sequence_Telechargement::Telecharger(*l.etat, l.lien), 2);
    Verifier_Ancien();
    l.Reponse('M', "x\r");
    EXPECT_EQ(Sequence_Telechargement::Telecharger(*l.etat, l.lien), 2);
    Verifier_Ancien();
}

TEST_F(SequenceTelechargement, AnUnansweredStepStopsTheChainWithItsCode) {
    l.Reponse('I', "");
    Logger_Scripte muet;
    muet.Reponse('Q', ">\r");
    EXPECT_EQ(Sequence_Telechargement::Telecharger(*muet.etat, muet.lien), 1);
    EXPECT_EQ(muet.Trames(), (QList<QByteArray>{"Q\r", "I\r", "I\r", "I\r"}));
}
