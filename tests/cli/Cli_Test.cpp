#include "Cli_Test.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include "Courbe_Simulee.h"
#include "Limite_Taille_Fichier.h"

void Cli_Test::SetUp() {
    ASSERT_TRUE(dossier_.isValid());
    ancien_home_ = qgetenv("CALDRIX_HOME");
    qputenv("CALDRIX_HOME", dossier_.path().toLocal8Bit());
}

void Cli_Test::TearDown() {
    if (logger) logger->Arreter();
    logger.reset();
    qputenv("CALDRIX_HOME", ancien_home_);
}

void Cli_Test::Brancher(int modele, int mesures, Panne_Simulee panne) {
    Memoire_Logger memoire = Memoire_Logger::Modele(modele);
    memoire.mesures = Courbe_Simulee::Generer(mesures, memoire.Est_7307());
    Logger_Simule simule(memoire);
    simule.Definir_Panne(panne);
    logger = std::make_unique<Terminal_Simule>(std::move(simule));
    QString erreur;
    ASSERT_TRUE(logger->Ouvrir(erreur)) << erreur.toStdString();
    ASSERT_TRUE(logger->Lier_Port(dossier_.path(), 3, erreur)) << erreur.toStdString();
    logger->Demarrer();
}

Execution Cli_Test::Lancer(const QStringList& arguments, long limite_octets) {
    QProcess cli;
    if (limite_octets > 0) {
        // Kept until the child execs the program.
        cli.setChildProcessModifier(
            [limite_octets] { new Limite_Taille_Fichier(static_cast<rlim_t>(limite_octets)); });
    }
    cli.start(QStringLiteral(CALDRIX_CLI), arguments);
    EXPECT_TRUE(cli.waitForFinished(120000));
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

QList<QByteArray> Cli_Test::Trames() {
    return logger->Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); });
}

void Cli_Test::Ecrire_Fichier(const QString& nom, const QByteArray& contenu) const {
    QFile f(Chemin(nom));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

QByteArray Cli_Test::Lire_Fichier(const QString& nom) const {
    QFile f(Chemin(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
