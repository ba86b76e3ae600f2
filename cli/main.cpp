// caldrix-cli: the loggers and the recordings from the command line.
#include <QCoreApplication>
#include <cstdio>

#include "Aide.h"
#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Programme.h"
#include "core/Traduction_Qt.h"

namespace {

Ou_Erreur<int> Executer(const Arguments& arguments) {
    if (arguments.A("version")) {
        Console::Ligne(Programme::Nom_Version());
        return Sortie_Fait;
    }
    if (arguments.A("help") || arguments.Commande().isEmpty()) {
        std::fputs(Texte_Aide(arguments.Commande()).toUtf8().constData(), stdout);
        return arguments.A("help") ? Sortie_Fait : Sortie_Usage;
    }
    const QString& c = arguments.Commande();
    const auto etat = Etat::Nouveau();
    Origines_Horloge(*etat, Horloge_Systeme().Maintenant());
    if (c == QStringLiteral("info")) return Commande_Info(*etat, arguments);
    if (c == QStringLiteral("download")) return Commande_Download(*etat, arguments);
    if (c == QStringLiteral("program")) return Commande_Program(*etat, arguments);
    if (c == QStringLiteral("cook")) return Commande_Cook(*etat, arguments);
    if (c == QStringLiteral("export")) return Commande_Export(*etat, arguments);
    if (c == QStringLiteral("report")) return Commande_Report(*etat, arguments);
    if (c == QStringLiteral("stats")) return Commande_Stats(*etat, arguments);
    if (c == QStringLiteral("archive")) return Commande_Archive(*etat, arguments);
    if (c == QStringLiteral("study")) return Commande_Study(*etat, arguments);
    return Mauvais_Usage{QStringLiteral("commande inconnue : ") + c};
}

// Qt's own notes (a missing runtime folder, a database driver freeing a statement) mean nothing
// to whoever reads caldrix-cli's messages, which say what failed in the program's words.
void Sans_Notes_Qt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) Console::Erreur(message);
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(Sans_Notes_Qt);
    // Every command, the reports included, needs Qt Core alone.
    QCoreApplication application(argc, argv);
    // The parser's messages too are French, whatever the language of the session.
    Installer_Traduction_Qt(application);
    const Ou_Erreur<Arguments> arguments = Arguments::Lire(application.arguments().mid(1));
    const Ou_Erreur<int> sortie =
        arguments ? Executer(*arguments) : Ou_Erreur<int>::Echec(arguments.Erreur());
    if (!sortie) {
        Console::Erreur(QStringLiteral("caldrix-cli : ") + sortie.Erreur());
        Console::Erreur(QStringLiteral("Voir caldrix-cli --help."));
        return Sortie_Usage;
    }
    return *sortie;
}
