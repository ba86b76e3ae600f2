// caldrix-cli as a script would use it: real process, real files, the simulated logger.
#include <QFile>
#include <cmath>

#include "Cli_Test.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {
const QString Port3 = QStringLiteral("--port");

QByteArray Conf_Port(int port) {
    return "[Num\xE9ro du port de communication]\r\n" + QByteArray::number(port) +
           "\r\n[Seuil Haut]\r\n25\r\n[Seuil Bas]\r\n-5\r\n[Nombre d'enregistrement]\r\n"
           "4000\r\n";
}
}  // namespace

using Info = Cli_Test;

TEST_F(Info, DescribesA7306OnTheGivenComPort) {
    Brancher(7306, 120);
    const Execution e = Lancer({QStringLiteral("info"), Port3, QStringLiteral("3")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Modèle : 7306\n")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Identité : SIMUL01\n")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Nombre de valeurs : 120\n")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Période : 60 s\n")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Unité : °C\n")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Début de l'enregistrement : 01/01/2024\n")));
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));
}

TEST_F(Info, A7307OnThePortOfConfIniOrOnItsDevicePath) {
    Brancher(7307, 10);
    Ecrire_Fichier(QStringLiteral("Conf.ini"), Conf_Port(3));
    Execution e = Lancer({QStringLiteral("info")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Modèle : 7307\n")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Nombre de valeurs : 20\n")));
    e = Lancer({QStringLiteral("info"), Port3, logger->Peripherique()});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
}

TEST_F(Info, ExitStatusTellsSilenceFromAWrongReply) {
    Brancher(7306, 1, {Panne::Mauvaise_Lettre, 'I'});
    Execution e = Lancer({QStringLiteral("info"), Port3, QStringLiteral("3")});
    EXPECT_EQ(e.code, 2);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Le logger ne répond pas - Erreur N° : 2")));
    EXPECT_TRUE(e.sortie.isEmpty());
    // Port 7 has no logger: the presence test meets silence.
    e = Lancer({QStringLiteral("info"), Port3, QStringLiteral("7")});
    EXPECT_EQ(e.code, 1);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Le logger ne répond pas - Erreur N° : 1")));
}

using Download = Cli_Test;

TEST_F(Download, WritesTheRecordingsFileWithItsComment) {
    Brancher(7307, 50);
    const QString fichier = Chemin(QStringLiteral("essai.txt"));
    const Execution e =
        Lancer({QStringLiteral("download"), Port3, QStringLiteral("3"), QStringLiteral("--output"),
                fichier, QStringLiteral("--comment"), QStringLiteral("Chambre froide, lot 12")});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("50 mesures enregistrées")));
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "Q", "I", "I", "M", "D"}));
    EXPECT_FALSE(e.erreurs.contains(QLatin1Char('%')));  // no progress line off a terminal

    const QByteArray contenu = Lire_Fichier(QStringLiteral("essai.txt"));
    EXPECT_TRUE(
        contenu.startsWith("[Identit\xE9 du Logger]\r\nSIMUL01\r\n[Version du Logger]\r\n"
                           "7307\r\n[Recette]\r\n0\r\n[P\xE9riode d'enregistrement]\r\n"
                           " 60 \r\n[Nombre de mesure]\r\n100\r\nChambre froide, lot 12\r\n"
                           "Date heure;Temp\xE9rature;Hygrom\xE9trie\r\n"));
    auto etat = Etat::Nouveau();
    ASSERT_EQ(Import_Export::Lecture_Fichier_Enreg(*etat, fichier),
              Import_Export::Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Nb_Mesures, 100);
    const auto attendues =
        logger->Avec_Logger([](Logger_Simule& l) { return l.Memoire().mesures; });
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(
            etat->Mesures(i).Temperature,
            static_cast<float>(attendues[static_cast<std::size_t>(i - 1)].temperature / 10.0));
        EXPECT_EQ(etat->Mesures(i).Humidite,
                  static_cast<float>(attendues[static_cast<std::size_t>(i - 1)].humidite / 10.0));
    }
}

TEST_F(Download, NeverReplacesAFileWithoutForce) {
    Brancher(7306, 5);
    Ecrire_Fichier(QStringLiteral("garde.txt"), "ancien");
    const QStringList arguments = {QStringLiteral("download"), Port3, QStringLiteral("3"),
                                   QStringLiteral("--output"), Chemin(QStringLiteral("garde.txt"))};
    Execution e = Lancer(arguments);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("existe déjà")));
    EXPECT_EQ(Lire_Fichier(QStringLiteral("garde.txt")), QByteArray("ancien"));
    EXPECT_TRUE(Trames().isEmpty());  // the logger was not even asked

    e = Lancer(arguments + QStringList{QStringLiteral("--force")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(Lire_Fichier(QStringLiteral("garde.txt")).contains("[Mesures]\r\n"));
}

TEST_F(Download, AFailedDownloadLeavesNoFile) {
    Brancher(7306, 20, {Panne::Mesure_Illisible, 'D'});
    const Execution e = Lancer({QStringLiteral("download"), Port3, QStringLiteral("3"),
                                QStringLiteral("--output"), Chemin(QStringLiteral("rate.txt"))});
    EXPECT_EQ(e.code, 2);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Erreur N° : 2")));
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("rate.txt"))));
}

TEST_F(Download, AFolderThatCannotBeWrittenIsAFileError) {
    Brancher(7306, 3);
    const Execution e =
        Lancer({QStringLiteral("download"), Port3, QStringLiteral("3"), QStringLiteral("--output"),
                Chemin(QStringLiteral("absent/essai.txt"))});
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Impossible d'écrire")));
}

using Program = Cli_Test;

TEST_F(Program, SendsAlarmsClockIdentityAndStartInThatOrderOnlyWithForceOverMeasures) {
    Brancher(7307, 480);
    const QStringList campagne = {QStringLiteral("program"), Port3,
                                  QStringLiteral("3"),       QStringLiteral("--name"),
                                  QStringLiteral("FOUR"),    QStringLiteral("--period"),
                                  QStringLiteral("120"),     QStringLiteral("--unit"),
                                  QStringLiteral("c"),       QStringLiteral("--records"),
                                  QStringLiteral("2000"),    QStringLiteral("--sleep"),
                                  QStringLiteral("non"),     QStringLiteral("--high"),
                                  QStringLiteral("250"),     QStringLiteral("--low"),
                                  QStringLiteral("-60")};
    // The logger's 480 measures would be erased: nothing is sent without --force.
    Execution e = Lancer(campagne);
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Le logger contient 480 mesures.")))
        << e.erreurs.toStdString();
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));

    e = Lancer(campagne + QStringList{QStringLiteral("--force")});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    const QList<QByteArray> trames = Trames().mid(4);
    ASSERT_EQ(trames.size(), 8);
    EXPECT_EQ(trames.mid(0, 4), (QList<QByteArray>{"Q", "I", "I", "M"}));
    EXPECT_EQ(trames[4], QByteArray("A 1940 -490"));
    EXPECT_TRUE(trames[5].startsWith("C "));
    EXPECT_EQ(trames[6], QByteArray("J FOUR 1"));
    EXPECT_EQ(trames[7], QByteArray("S 120 c 20 1"));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Logger programmé : FOUR")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Alarme haute : 194, alarme basse : -49")));
}

TEST_F(Program, KeepsWhatTheLoggerAndConfIniHoldAndSchedulesAStart) {
    Brancher(7306, 0);
    Ecrire_Fichier(QStringLiteral("Conf.ini"), Conf_Port(3));
    auto etat = Etat::Nouveau();
    const double demain = Date_Depuis_QDateTime(QDateTime::currentDateTime()) + 1;
    Origines_Horloge(*etat, demain - 1);
    const QString depart = Texte_Date(std::floor(demain * 86400) / 86400);
    const Execution e = Lancer({QStringLiteral("program"), QStringLiteral("--start"), depart});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    const QList<QByteArray> trames = Trames();
    ASSERT_EQ(trames.size(), 8);
    EXPECT_EQ(trames[4], QByteArray("A 250 -50"));
    EXPECT_EQ(trames[6], QByteArray("J SIMUL01 0"));
    const QString compte = Global::Conversion_Secondes(*etat, *Lecture_Date(depart));
    EXPECT_EQ(trames[7], QByteArray("S 60 C ") + compte.toLatin1() + " 2");
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Départ : ") + depart));
}

TEST_F(Program, RefusesBadOptionsBeforeDisturbingTheLogger) {
    Brancher(7306, 0);
    for (const QStringList& mauvais :
         {QStringList{QStringLiteral("--period"), QStringLiteral("abc")},
          QStringList{QStringLiteral("--records"), QStringLiteral("5000")},
          QStringList{QStringLiteral("--start"), QStringLiteral("31/02/2027 10:00:00")},
          QStringList{QStringLiteral("--name"), QStringLiteral("NEUF-CARS")},
          QStringList{QStringLiteral("--high"), QStringLiteral("dix")},
          QStringList{QStringLiteral("--high"), QStringLiteral("10"), QStringLiteral("--low"),
                      QStringLiteral("10")}}) {
        const Execution e =
            Lancer(QStringList{QStringLiteral("program"), Port3, QStringLiteral("3")} + mauvais);
        EXPECT_EQ(e.code, 4) << mauvais.join(u' ').toStdString();
        EXPECT_TRUE(e.erreurs.contains(QStringLiteral("caldrix-cli : --")) ||
                    e.erreurs.contains(QStringLiteral("seuil bas")));
    }
    EXPECT_TRUE(Trames().isEmpty());
    // Humidity alarms on a temperature-only logger: refused once the model is known.
    const Execution e = Lancer({QStringLiteral("program"), Port3, QStringLiteral("3"),
                                QStringLiteral("--unit"), QStringLiteral("f")});
    EXPECT_EQ(e.code, 4);
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));
}
