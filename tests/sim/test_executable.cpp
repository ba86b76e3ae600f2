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
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"
#include "logger/Sequence_Telechargement.h"

namespace {

QProcess* Lancer(QProcess& sim, const QStringList& arguments) {
    sim.start(QStringLiteral(CALDRIX_LOGGER_SIM), arguments);
    EXPECT_TRUE(sim.waitForStarted());
    return &sim;
}

TEST(ExecutableSimulateur, RejoueUnFichierQueLeProgrammeTelecharge) {
    static int argc = 1;
    static char nom[] = "caldrix-tests", *argv[] = {nom, nullptr};
    QCoreApplication application(argc, argv);  // QSerialPort wants one, as the program has
    QTemporaryDir dossier;
    const QString journal = dossier.filePath(QStringLiteral("trames.txt"));
    const QString lien_port = dossier.filePath(QStringLiteral("ports/COM4"));
    QProcess sim;
    Lancer(sim, QStringLiteral("--load|%1|--port|4|--dossier|%2|--journal|%3")
                    .arg(Fixture("four_7306.txt"), dossier.path(), journal)
                    .split(u'|'));
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
    // The file's measures and stamps, in the tenths a logger holds (halves to even).
    QStringList mesures;
    for (int i = 1; i <= etat->Nb_Mesures; ++i)
        mesures << Texte_Date(etat->Mesures(i).Date_Heure) + u';' +
                       Texte_Single(etat->Mesures(i).Temperature);
    EXPECT_EQ(etat->Identite_Logger + u' ' + mesures.join(u' '),
              QStringLiteral("FOUR01 05/12/2026 23:55:00;50 05/12/2026 23:56:00;55.5 05/12/2026 "
                             "23:57:00;60.2 05/12/2026 23:58:00;65 05/12/2026 23:59:00;70 "
                             "06/12/2026;72.5 06/12/2026 00:01:00;72.4 06/12/2026 00:02:00;72.6 "
                             "06/12/2026 00:03:00;71.9 06/12/2026 00:04:00;65 06/12/2026 "
                             "00:05:00;55 06/12/2026 00:06:00;-1.5"));
    QFile trames(journal);
    EXPECT_TRUE(trames.open(QIODevice::ReadOnly));
    EXPECT_EQ(trames.readAll(), QByteArray("Q\nQ\nI\nI\nM\nD\n"));
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(lien_port).isSymLink()) << "the link goes with the simulator";
}

TEST(ExecutableSimulateur, AideEtOptionRefusee) {
    QProcess aide, refuse;
    ASSERT_TRUE(Lancer(aide, {QStringLiteral("--help")})->waitForFinished(10000));
    EXPECT_EQ(aide.exitCode(), 0);
    const QString texte = QString::fromLocal8Bit(aide.readAllStandardOutput());
    for (const QString& attendu : Panne_Simulee::Noms() << QStringLiteral("--charger"))
        EXPECT_TRUE(texte.contains(attendu)) << attendu.toStdString();
    ASSERT_TRUE(Lancer(refuse, {QStringLiteral("--modele"), QStringLiteral("9999")})
                    ->waitForFinished(10000));
    EXPECT_EQ(refuse.exitCode(), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(refuse.readAllStandardError()).contains(u"--modele"));
    EXPECT_TRUE(refuse.readAllStandardOutput().isEmpty()) << "no device line on a refusal";
}

}  // namespace
