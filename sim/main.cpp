// caldrix-logger-sim: a 7306 or 7307 logger on a pseudo-terminal, for the demonstration and for
// trying the program by hand. Its first line on stdout is the device to open.
#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>

#include "Logger_Simule.h"
#include "Options_Simulateur.h"
#include "Terminal_Simule.h"
#include "core/Horloge.h"

namespace {

Terminal_Simule* terminal_actif = nullptr;

extern "C" void Sur_Signal(int) {
    if (terminal_actif) terminal_actif->Demander_Arret();
}

void Ecrire(std::FILE* sortie, const QString& texte) {
    std::fputs(texte.toLocal8Bit().constData(), sortie);
    std::fflush(sortie);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const Ou_Erreur<Options_Simulateur> options =
        Options_Simulateur::Lire(application.arguments().mid(1), Horloge_Systeme().Maintenant());
    if (!options) {
        Ecrire(stderr, QStringLiteral("caldrix-logger-sim : %1\n"
                                      "caldrix-logger-sim --help donne la liste des options.\n")
                           .arg(options.Erreur()));
        return 2;
    }
    if (options->aide) {
        Ecrire(stdout, Options_Simulateur::Aide());
        return 0;
    }

    QFile journal(options->journal);
    if (!options->journal.isEmpty() && !journal.open(QIODevice::Append)) {
        Ecrire(stderr, QStringLiteral("caldrix-logger-sim : journal %1 impossible à ouvrir\n")
                           .arg(options->journal));
        return 1;
    }
    Logger_Simule logger(options->memoire);
    logger.Regler_Horloge(options->horloge);
    logger.Definir_Panne(options->panne);
    if (journal.isOpen()) {
        logger.Definir_Suivi([&journal](const QByteArray& trame) {
            journal.write(trame + '\n');
            journal.flush();
        });
    }

    Terminal_Simule terminal(std::move(logger));
    terminal.Definir_Rythme_Reel(options->rythme_reel);
    // The link first: once the device line is out, whoever reads it may use either.
    const Reussite_Ou_Erreur pret = options->port != 0
                                        ? terminal.Ouvrir_Sur_Port(options->dossier, options->port)
                                        : terminal.Ouvrir();
    if (!pret) {
        Ecrire(stderr, QStringLiteral("caldrix-logger-sim : %1\n").arg(pret.Erreur()));
        return 1;
    }
    Ecrire(stdout, terminal.Peripherique() + QLatin1Char('\n'));
    if (options->port != 0) {
        Ecrire(stderr, QStringLiteral("Port %1 : %2\n").arg(options->port).arg(terminal.Lien()));
    }

    terminal_actif = &terminal;
    std::signal(SIGINT, Sur_Signal);
    std::signal(SIGTERM, Sur_Signal);
    std::signal(SIGHUP, Sur_Signal);
    terminal.Servir();
    terminal_actif = nullptr;
    return 0;
}
