// One exchange with the logger, in virtual time: attempts, pauses, status texts, progress.
#include <gtest/gtest.h>

#include "Logger_Scripte.h"
#include "logger/Fonctions_Logger.h"

namespace {

void Poser(Etat& etat, const char* trame) {
    Fonctions_Logger::Vide_Trames(etat);
    for (int i = 0; trame[i]; ++i)
        etat.Trame_Emission[static_cast<std::size_t>(i)] = trame[i];
}

}  // namespace

TEST(Echange, AReplyEndingWithACarriageReturnCompletesAtTheFirstAttempt) {
    Logger_Scripte l;
    l.Reponse('Q', ">\r");
    Poser(*l.etat, "Q\r");
    EXPECT_EQ(l.lien.Echange_Logger(), 0);
    EXPECT_EQ(l.etat->Trame_Reception, QStringLiteral(">\r"));
    EXPECT_EQ(l.port.envoye, QByteArray("Q\r"));
    EXPECT_EQ(l.horloge.attentes, (std::vector<int>{250, 100, 100}));
    EXPECT_EQ(l.horloge.evenements_traites, 1);
    EXPECT_EQ(l.journal.textes,
              (QStringList{QStringLiteral("Communication en cours"), QStringLiteral("Pret")}));
}

TEST(Echange, SilenceCostsThreeAttemptsAndAbout3Point9Seconds) {
    Logger_Scripte l;
    Poser(*l.etat, "M\r");
    EXPECT_EQ(l.lien.Echange_Logger(), 1);
    EXPECT_EQ(l.horloge.ecoule_ms, 250 + 3 * (100 + 100 + 1000));
    EXPECT_EQ(l.port.trames.size(), 3);
    EXPECT_EQ(l.journal.textes.last(), QStringLiteral("Pas de réponse"));
    EXPECT_EQ(l.journal.textes.count(QStringLiteral("Communication en cours")), 3);
}

TEST(Echange, ALoggerAnsweringTheSecondAttemptIsHeardAndItsFirstScrapsDropped) {
    Logger_Scripte l;
    l.port.repondre = [&](const QByteArray&, int envoi) {
        l.port.Programmer(envoi == 1 ? QByteArray("i AB") : QByteArray("i ABC 7306V1\r"));
    };
    Poser(*l.etat, "I\r");
    EXPECT_EQ(l.lien.Echange_Logger(), 0);
    EXPECT_EQ(l.port.trames, (QList<QByteArray>{"I\r", "I\r"}));
    EXPECT_EQ(l.etat->Trame_Reception, QStringLiteral("i ABC 7306V1\r"));
    EXPECT_EQ(l.horloge.ecoule_ms, 250 + (100 + 100 + 1000) + (100 + 100));
}

TEST(Echange, AReplyWithoutItsCarriageReturnCountsAsNoReply) {
    Logger_Scripte l;
    l.Reponse('Q', ">");
    Poser(*l.etat, "Q\r");
    EXPECT_EQ(l.lien.Echange_Logger(), 1);
    EXPECT_TRUE(l.etat->Trame_Reception.isEmpty());
}

TEST(Echange, APauseOverAHundredMillisecondsBeforeTheCarriageReturnFailsTheAttempt) {
    Logger_Scripte l;
    l.port.repondre = [&](const QByteArray&, int) {
        l.port.Programmer(">", 100);
        l.port.Programmer("\r", 350);
    };
    Poser(*l.etat, "C 0\r");
    EXPECT_EQ(l.lien.Echange_Logger(), 1);
    EXPECT_EQ(l.port.trames.size(), 3);
}

TEST(Echange, ReplyPiecesArrivingWithinAHundredMillisecondsAreCollectedTogether) {
    Logger_Scripte l;
    l.port.repondre = [&](const QByteArray&, int) {
        l.port.Programmer("i ", 50);
        l.port.Programmer("ABC ", 150);
        l.port.Programmer("7307V2\r", 250);
    };
    Poser(*l.etat, "I\r");
    EXPECT_EQ(l.lien.Echange_Logger(), 0);
    EXPECT_EQ(l.etat->Trame_Reception, QStringLiteral("i ABC 7307V2\r"));
}

TEST(Echange, TheCommandIsSentUpToItsFirstZeroByte) {
    Logger_Scripte l;
    l.Reponse('A', ">\r");
    Poser(*l.etat, "A 100 0\r");
    l.etat->Trame_Emission[20] = 'X';  // after the zero that ends the command: never sent
    l.lien.Echange_Logger();
    EXPECT_EQ(l.port.envoye, QByteArray("A 100 0\r"));
}

TEST(Echange, DownloadProgressFollowsTheExpectedReplyLength) {
    Logger_Scripte l;
    Journal_Progression progression;
    l.lien.Definir_Sortie_Progression(&progression);
    l.etat->Version_Logger = QStringLiteral("7306V1\r");
    l.etat->Nb_Mesures = 16000;  // k = 960 hundredths: 96100 characters make 100 %
    const QByteArray morceau(9610, 'x');
    l.port.repondre = [&](const QByteArray&, int) {
        for (int i = 0; i < 12; ++i)
            l.port.Programmer(morceau, 50 + 90 * i);
        l.port.Programmer("\r", 50 + 90 * 12);
    };
    Poser(*l.etat, "D\r");
    EXPECT_EQ(l.lien.Echange_Logger(), 0);
    ASSERT_FALSE(progression.valeurs.empty());
    EXPECT_EQ(progression.valeurs.front(), 10);
    EXPECT_TRUE(std::is_sorted(progression.valeurs.begin(), progression.valeurs.end()));
    EXPECT_EQ(progression.valeurs.back(), Arrondi_Pair((12 * 9610 + 1) / 961.0));
}

TEST(Echange, ProgressFor7307AndForAnEmptyCount) {
    Logger_Scripte l;
    Journal_Progression progression;
    l.lien.Definir_Sortie_Progression(&progression);
    l.etat->Version_Logger = QStringLiteral("7307V1\r");
    l.etat->Nb_Mesures = 200;  // k = 10: 11 characters a percent
    l.Reponse('D', QByteArray(54, 'x') + '\r');
    Poser(*l.etat, "D\r");
    l.lien.Echange_Logger();
    EXPECT_EQ(progression.valeurs.back(), 5);

    l.etat->Nb_Mesures = 0;  // k = 0: one percent a character
    progression.valeurs.clear();
    l.Reponse('D', "m 0 60\r");
    Poser(*l.etat, "D\r");
    l.lien.Echange_Logger();
    EXPECT_EQ(progression.valeurs.back(), 7);
}

TEST(Echange, OtherCommandsReportNoProgress) {
    Logger_Scripte l;
    Journal_Progression progression;
    l.lien.Definir_Sortie_Progression(&progression);
    l.Reponse('M', "m 0 60 C 0 0\r");
    Poser(*l.etat, "M\r");
    l.lien.Echange_Logger();
    EXPECT_TRUE(progression.valeurs.empty());
}

TEST(Ouverture, SetsTheLineUpAndRunsThePresenceTest) {
    Logger_Scripte l;
    l.port.ouvert = false;
    l.Reponse('Q', ">\r");
    EXPECT_EQ(l.lien.Ouverture_Port(3), 0);
    EXPECT_EQ(l.port.numero, 3);
    EXPECT_EQ(l.port.parametres, QStringLiteral("9600, N, 8, 1"));
    EXPECT_TRUE(l.port.ouvert && l.port.rts && l.port.dtr);
    l.lien.Fermeture_Port();
    EXPECT_FALSE(l.port.ouvert);
}

TEST(Ouverture, APortThatWillNotOpenGivesNoLogger) {
    Logger_Scripte l;
    l.port.ouvert = false;
    l.port.ouverture_possible = false;
    l.Reponse('Q', ">\r");
    EXPECT_EQ(l.lien.Ouverture_Port(1), 2);
    EXPECT_EQ(l.journal.textes.last(), QStringLiteral("Pas de réponse"));
}

TEST(Ouverture, DiscardsWhatThePortHadReceivedBefore) {
    Logger_Scripte l;
    l.port.ouvert = false;
    l.port.Programmer("vieux\r");
    l.Reponse('Q', ">\r");
    EXPECT_EQ(l.lien.Ouverture_Port(1), 0);
    EXPECT_EQ(l.etat->Trame_Reception, QStringLiteral(">\r"));
}
