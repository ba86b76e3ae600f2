// caldrix-logger-sim as the demonstration and a user run it: a separate process whose first
// line names the terminal, linked into the program folder, replaying a saved recording.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "Fixtures.h"
#include "Panne_Simulee.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Textes.h"
#include "files/Fichier_Enreg.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"
#include "logger/Sequence_Telechargement.h"

namespace {

const QString Simulateur = QStringLiteral(CALDRIX_LOGGER_SIM);

TEST(ExecutableSimulateur, RejoueUnFichierQueLeProgrammeTelecharge) {
    static int argc = 1;
    static char nom[] = "caldrix-tests", *argv[] = {nom, nullptr};
    QCoreApplication application(argc, argv);  // QSerialPort wants one, as the program has
    QTemporaryDir dossier;
    const QString journal = dossier.filePath(QStringLiteral("trames.txt"));
    const QString lien_port = dossier.filePath(QStringLiteral("ports/COM4"));
    QProcess sim;
    sim.start(Simulateur,
              {QStringLiteral("--load"), Fixture("four_7306.txt"), QStringLiteral("--port"),
               QStringLiteral("4"), QStringLiteral("--dossier"), dossier.path(),
               QStringLiteral("--journal"), journal});
    ASSERT_TRUE(sim.waitForStarted());
    while (!sim.canReadLine())
        ASSERT_TRUE(sim.waitForReadyRead(10000)) << sim.readAllStandardError().toStdString();
    const QString peripherique = QString::fromLocal8Bit(sim.readLine()).trimmed();
    EXPECT_TRUE(peripherique.startsWith(QStringLiteral("/dev/pts/")));
    EXPECT_EQ(QFileInfo(lien_port).symLinkTarget(), peripherique);

    qputenv("CALDRIX_HOME", dossier.path().toLocal8Bit());
    const auto etat = Etat::Nouveau();
    Horloge_Systeme horloge;
    Origines_Horloge(*etat, horloge.Maintenant());
    Port_QSerialPort port;
    Communication lien(*etat, port, horloge);
    ASSERT_EQ(lien.Ouverture_Port(4), 0);
    ASSERT_EQ(Sequence_Telechargement::Telecharger(*etat, lien), 0);
    lien.Fermeture_Port();
    qunsetenv("CALDRIX_HOME");

    // The file's measures, stamped as in the file, in the tenths a logger holds (halves to even).
    const auto fichier = Etat::Nouveau();
    ASSERT_EQ(Import_Export::Lecture_Fichier_Enreg(*fichier, Fixture("four_7306.txt")),
              Import_Export::Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Identite_Logger + u' ' + etat->Version_Logger,
              QStringLiteral("FOUR01 7306V12\r"));
    EXPECT_EQ(etat->Nb_Mesures, 12);
    QStringList temperatures;
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(Texte_Date(etat->Mesures(i).Date_Heure),
                  Texte_Date(fichier->Mesures(i).Date_Heure));
        temperatures << Texte_Single(etat->Mesures(i).Temperature);
    }
    EXPECT_EQ(temperatures.join(u' '),
              QStringLiteral("50 55.5 60.2 65 70 72.5 72.4 72.6 71.9 65 55 -1.5"));
    QFile trames(journal);
    ASSERT_TRUE(trames.open(QIODevice::ReadOnly));
    EXPECT_EQ(trames.readAll(), QByteArray("Q\nQ\nI\nI\nM\nD\n"));

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(lien_port).isSymLink()) << "the link goes with the simulator";
}

TEST(ExecutableSimulateur, AideEtOptionRefusee) {
    QProcess aide;
    aide.start(Simulateur, {QStringLiteral("--help")});
    ASSERT_TRUE(aide.waitForFinished(10000));
    EXPECT_EQ(aide.exitCode(), 0);
    const QString texte = QString::fromLocal8Bit(aide.readAllStandardOutput());
    QStringList attendus = Panne_Simulee::Noms();
    for (const char* option : {"Usage", "--modele", "--identite", "--nombre", "--periode",
                               "--debut", "--unite", "--horloge", "--panne", "--panne-commande",
                               "--rythme-reel", "--port", "--dossier", "--journal", "--charger"})
        attendus << QLatin1String(option);
    for (const QString& attendu : attendus)
        EXPECT_TRUE(texte.contains(attendu)) << attendu.toStdString();

    QProcess refuse;
    refuse.start(Simulateur, {QStringLiteral("--modele"), QStringLiteral("9999")});
    ASSERT_TRUE(refuse.waitForFinished(10000));
    EXPECT_EQ(refuse.exitCode(), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(refuse.readAllStandardError()).contains(u"--modele"));
    EXPECT_TRUE(refuse.readAllStandardOutput().isEmpty()) << "no device line on a refusal";
}

}  // namespace
