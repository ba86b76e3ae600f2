// caldrix-logger-sim as the demonstration and a user run it: a separate process whose first
// line names the terminal, linked into the program folder, and its help.
#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "Banc_Lien.h"
#include "core/Textes.h"
#include "files/Import_Export.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Sequence_Telechargement.h"

namespace {

const QString Simulateur = QStringLiteral(CALDRIX_LOGGER_SIM);

QString Premiere_Ligne(QProcess& processus) {
    while (!processus.canReadLine()) {
        if (!processus.waitForReadyRead(10000)) return {};
    }
    return QString::fromLocal8Bit(processus.readLine()).trimmed();
}

TEST(Executable_Sim, Le_Programme_Trouve_Le_Logger_Sur_Son_Port) {
    Application_Qt();
    QTemporaryDir dossier;
    const QString journal = dossier.filePath(QStringLiteral("trames.txt"));
    const QString lien_port = dossier.filePath(QStringLiteral("ports/COM4"));
    QProcess sim;
    sim.start(Simulateur,
              {QStringLiteral("--modele"), QStringLiteral("7307"), QStringLiteral("--identite"),
               QStringLiteral("EXE-7307"), QStringLiteral("--nombre"), QStringLiteral("5"),
               QStringLiteral("--port"), QStringLiteral("4"), QStringLiteral("--dossier"),
               dossier.path(), QStringLiteral("--journal"), journal});
    ASSERT_TRUE(sim.waitForStarted());

    const QString peripherique = Premiere_Ligne(sim);
    EXPECT_TRUE(peripherique.startsWith(QStringLiteral("/dev/pts/"))) << peripherique.toStdString();
    EXPECT_TRUE(QFileInfo::exists(peripherique));
    EXPECT_EQ(QFileInfo(lien_port).symLinkTarget(), peripherique);

    {
        qputenv("CALDRIX_HOME", dossier.path().toLocal8Bit());
        const auto etat = Etat::Nouveau();
        Port_QSerialPort port;
        Horloge_Systeme horloge;
        Communication lien(*etat, port, horloge);
        EXPECT_EQ(lien.Ouverture_Port(4), 0);
        EXPECT_EQ(Fonctions_Logger::Lecture_Version(*etat, lien), 0);
        EXPECT_EQ(Fonctions_Logger::Lecture_Identite(*etat, lien), 0);
        EXPECT_EQ(etat->Version_Logger, QStringLiteral("7307V12\r"));
        EXPECT_EQ(etat->Identite_Logger, QStringLiteral("EXE-7307"));
        lien.Fermeture_Port();
        qunsetenv("CALDRIX_HOME");
    }

    QFile trames(journal);
    ASSERT_TRUE(trames.open(QIODevice::ReadOnly));
    EXPECT_EQ(trames.readAll(), QByteArray("Q\nI\nI\n"));

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(lien_port).isSymLink()) << "the link goes with the simulator";
}

// The demonstration's use: a recording saved by the program is replayed by the simulator, and
// downloading it gives back the same recording.
TEST(Executable_Sim, Fichier_Rejoue_Puis_Telecharge_A_L_Identique) {
    Application_Qt();
    QTemporaryDir dossier;
    const auto original = Etat::Nouveau();
    original->Identite_Logger = QStringLiteral("REJOUE");
    original->Version_Logger = QStringLiteral("7306");
    original->Periode_Enreg = 60;
    original->Nb_Mesures = 50;
    const double premiere = std::floor(Horloge_Systeme().Maintenant() * 86400 - 86400) / 86400;
    for (int i = 1; i <= 50; ++i) {
        original->Mesures(i) = {premiere + (i - 1) * 60 * Une_Seconde,
                                0.5f * static_cast<float>(i) - 3, 0};
    }
    const QString fichier = dossier.filePath(QStringLiteral("rejoue.txt"));
    ASSERT_EQ(Import_Export::Ecriture_Fichier_Enreg(*original, fichier),
              Import_Export::Resultat_Ecriture::Ecrit);

    QProcess sim;
    sim.start(Simulateur, {QStringLiteral("--load"), fichier});
    ASSERT_TRUE(sim.waitForStarted());
    const QString peripherique = Premiere_Ligne(sim);
    ASSERT_FALSE(peripherique.isEmpty()) << sim.readAllStandardError().toStdString();

    const auto etat = Etat::Nouveau();
    Horloge_Systeme horloge;
    Origines_Horloge(*etat, horloge.Maintenant());
    Port_QSerialPort port([&peripherique](int) { return peripherique; });
    Communication lien(*etat, port, horloge);
    ASSERT_EQ(lien.Ouverture_Port(1), 0);
    ASSERT_EQ(Sequence_Telechargement::Telecharger(*etat, lien), 0);
    lien.Fermeture_Port();
    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(10000));

    EXPECT_EQ(etat->Identite_Logger, QStringLiteral("REJOUE"));
    EXPECT_EQ(Modele(etat->Version_Logger), QStringLiteral("7306"));
    EXPECT_EQ(etat->Nb_Mesures, 50);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(Texte_Date(etat->Mesures(i).Date_Heure),
                  Texte_Date(original->Mesures(i).Date_Heure))
            << i;
        EXPECT_EQ(etat->Mesures(i).Temperature, original->Mesures(i).Temperature) << i;
    }
}

TEST(Executable_Sim, Aide_Et_Option_Refusee) {
    QProcess aide;
    aide.start(Simulateur, {QStringLiteral("--help")});
    ASSERT_TRUE(aide.waitForFinished(10000));
    EXPECT_EQ(aide.exitCode(), 0);
    const QString texte = QString::fromLocal8Bit(aide.readAllStandardOutput());
    for (const char* option : {"Usage", "--modele", "--identite", "--nombre", "--periode",
                               "--debut", "--unite", "--horloge", "--panne", "--panne-commande",
                               "--rythme-reel", "--port", "--dossier", "--journal", "--charger"}) {
        EXPECT_TRUE(texte.contains(QLatin1String(option))) << option;
    }
    for (const QString& panne : Panne_Simulee::Noms()) {
        EXPECT_TRUE(texte.contains(panne)) << panne.toStdString();
    }

    QProcess refuse;
    refuse.start(Simulateur, {QStringLiteral("--modele"), QStringLiteral("9999")});
    ASSERT_TRUE(refuse.waitForFinished(10000));
    EXPECT_EQ(refuse.exitCode(), 2);
    const QString erreur = QString::fromLocal8Bit(refuse.readAllStandardError());
    EXPECT_TRUE(erreur.contains(QStringLiteral("--modele"))) << erreur.toStdString();
    EXPECT_TRUE(refuse.readAllStandardOutput().isEmpty()) << "no device line on a refusal";
}

}  // namespace
