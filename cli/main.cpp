// caldrix-cli: the loggers and the recordings from the command line.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "Aide.h"
#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Programme.h"

namespace {

const QList<Option_Connue> Options = {
    {"port", true},
    {"output", true},
    {"comment", true},
    {"force", false},
    {"name", true},
    {"period", true},
    {"unit", true},
    {"start", true},
    {"records", true},
    {"sleep", true},
    {"high", true},
    {"low", true},
    {"pasteurisation", false},
    {"sterilisation", false},
    {"recipe", true},
    {"tref", true},
    {"z", true},
    {"tdep", true},
    {"csv", false},
    {"from", true},
    {"to", true},
    {"delta-h", true},
    {"logger", true},
    {"text", true},
    {"json", false},
    {"criteria", true},
    {"high-mode", true},
    {"high-duration", true},
    {"low-mode", true},
    {"low-duration", true},
    {"humidity-high", true},
    {"humidity-high-mode", true},
    {"humidity-high-duration", true},
    {"humidity-low", true},
    {"humidity-low-mode", true},
    {"humidity-low-duration", true},
    {"process", true},
    {"hold", true},
    {"min-value", true},
    {"mkt-max", true},
    {"equilibration", true},
    {"help", false},
    {"version", false},
};

// What each command does with its options; archive checks those of each of its actions.
void Limiter_Options(const Arguments& a) {
    const QString& c = a.Commande();
    if (c == QStringLiteral("info")) a.Limiter_A({"port"}, c);
    if (c == QStringLiteral("download")) a.Limiter_A({"port", "output", "comment", "force"}, c);
    if (c == QStringLiteral("program")) {
        a.Limiter_A(
            {"port", "name", "period", "unit", "start", "records", "sleep", "high", "low", "force"},
            c);
    }
    if (c == QStringLiteral("cook")) {
        a.Limiter_A({"pasteurisation", "sterilisation", "recipe", "tref", "z", "tdep", "unit"}, c);
    }
    if (c == QStringLiteral("export")) {
        a.Limiter_A({"csv", "output", "force", "from", "to", "unit"}, c);
    }
    if (c == QStringLiteral("report")) {
        a.Limiter_A({"output", "force", "from", "to", "high", "low", "delta-h", "unit",
                     "pasteurisation", "sterilisation", "recipe"},
                    c);
    }
    if (c == QStringLiteral("stats")) {
        a.Limiter_A({"from", "to", "high", "low", "delta-h", "unit", "json"}, c);
    }
    if (c == QStringLiteral("study")) {
        a.Limiter_A({"criteria",
                     "high",
                     "high-mode",
                     "high-duration",
                     "low",
                     "low-mode",
                     "low-duration",
                     "humidity-high",
                     "humidity-high-mode",
                     "humidity-high-duration",
                     "humidity-low",
                     "humidity-low-mode",
                     "humidity-low-duration",
                     "process",
                     "hold",
                     "pasteurisation",
                     "sterilisation",
                     "recipe",
                     "min-value",
                     "mkt-max",
                     "equilibration",
                     "unit",
                     "json"},
                    c);
    }
}

int Executer(const Arguments& arguments) {
    if (arguments.A("version")) {
        Console::Ligne(Programme::Nom_Version());
        return Sortie_Fait;
    }
    if (arguments.A("help") || arguments.Commande().isEmpty()) {
        std::fputs(Texte_Aide(arguments.Commande()).toUtf8().constData(), stdout);
        return arguments.A("help") ? Sortie_Fait : Sortie_Usage;
    }
    const QString& c = arguments.Commande();
    Limiter_Options(arguments);
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
    throw Erreur_Usage(QStringLiteral("commande inconnue : ") + c);
}

// Qt's own notes (a missing runtime folder, a database driver freeing a statement) mean nothing
// to whoever reads caldrix-cli's messages, which say what failed in the program's words.
void Sans_Notes_Qt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) Console::Erreur(message);
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(Sans_Notes_Qt);
    // Only the report draws, with the graph control, on a screen of its own that nobody sees.
    const bool dessin = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (dessin && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::unique_ptr<QCoreApplication> programme;
    if (dessin) {
        programme = std::make_unique<QApplication>(argc, argv);
    } else {
        programme = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& application = *programme;
    try {
        return Executer(Arguments(application.arguments().mid(1), Options));
    } catch (const Erreur_Usage& erreur) {
        Console::Erreur(QStringLiteral("caldrix-cli : ") + erreur.Message());
        Console::Erreur(QStringLiteral("Voir caldrix-cli --help."));
        return Sortie_Usage;
    }
}
