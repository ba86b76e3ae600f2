#include "Cli_Test.h"

#include <grp.h>
#include <unistd.h>
#include <QProcess>

#include "Courbe_Simulee.h"

void Cli_Test::Brancher(int modele, int mesures) {
    Memoire_Logger memoire = Memoire_Logger::Modele(modele);
    memoire.mesures = Courbe_Simulee::Generer(mesures, memoire.Est_7307());
    logger = std::make_unique<Terminal_Simule>(Logger_Simule(memoire));
    QString erreur;
    ASSERT_TRUE(logger->Ouvrir(erreur)) << erreur.toStdString();
    ASSERT_TRUE(logger->Lier_Port(Chemin({}), 3, erreur)) << erreur.toStdString();
    logger->Demarrer();
}

Execution Cli_Test::Lancer(const QStringList& arguments) {
    QProcess cli;
    if (sans_privileges && geteuid() == 0) {
        cli.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(126);
        });
    }
    cli.start(QStringLiteral(CALDRIX_CLI), arguments);
    EXPECT_TRUE(cli.waitForFinished(120000));
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}
