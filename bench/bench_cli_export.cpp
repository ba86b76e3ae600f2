// caldrix-cli export of a 16000-measure recording, the whole process from start to exit.
#include <benchmark/benchmark.h>

#include <QProcess>
#include <QTemporaryDir>

#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

void BM_Cli_Export_16000(benchmark::State& state) {
    QTemporaryDir dossier;
    auto etat = Etat::Nouveau();
    etat->Version_Logger = QStringLiteral("7307");
    etat->Periode_Enreg = 60;
    etat->Nb_Mesures = 32000;
    for (int i = 1; i <= 16000; ++i) {
        etat->Mesures(i) = {Date_Depuis_Civil(2026, 12, 1) + i / 1440.0,
                            static_cast<float>((150 + i % 100) / 10.0),
                            static_cast<float>((400 + i % 300) / 10.0)};
    }
    const QString fichier = dossier.filePath(QStringLiteral("r.txt"));
    const QString csv = dossier.filePath(QStringLiteral("r.csv"));
    if (Import_Export::Ecriture_Fichier_Enreg(*etat, fichier) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        state.SkipWithError("écriture impossible");
        return;
    }
    for (auto _ : state) {
        QProcess cli;
        cli.start(QStringLiteral(CALDRIX_CLI),
                  {QStringLiteral("export"), fichier, QStringLiteral("--csv"),
                   QStringLiteral("--output"), csv, QStringLiteral("--force")});
        if (!cli.waitForFinished(10000) || cli.exitCode() != 0) {
            state.SkipWithError("caldrix-cli a échoué");
            return;
        }
    }
}

}  // namespace

BENCHMARK(BM_Cli_Export_16000)->Unit(benchmark::kMillisecond)->UseRealTime();
