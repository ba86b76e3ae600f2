// caldrix-cli report of a 16000-record 7307 recording, the whole process from start to exit,
// beside gnuplot drawing the same file's two curves to a PDF and a short pandas + matplotlib
// script that plots it to PNG; and what commands that draw nothing cost (--version, stats). The
// peak memory of each is reported in MiB.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>

#include "Processus_Bench.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

QString Enregistrement_16000(const QTemporaryDir& dossier) {
    auto etat = Etat::Nouveau();
    etat->Identite_Logger = QStringLiteral("SERRE");
    etat->Version_Logger = QStringLiteral("7307");
    etat->Periode_Enreg = 60;
    etat->Nb_Mesures = 32000;
    for (int i = 1; i <= 16000; ++i) {
        etat->Mesures(i) = {
            Date_Depuis_Civil(2026, 11, 1) + i / 1440.0,
            static_cast<float>(std::nearbyint(200 + 50 * std::sin(i / 300.0)) / 10),
            static_cast<float>(std::nearbyint(600 + 100 * std::cos(i / 200.0)) / 10)};
    }
    const QString fichier = dossier.filePath(QStringLiteral("r.txt"));
    return Import_Export::Ecriture_Fichier_Enreg(*etat, fichier) ==
                   Import_Export::Resultat_Ecriture::Ecrit
               ? fichier
               : QString();
}

void BM_Cli_Report_16000_7307(benchmark::State& state) {
    QTemporaryDir dossier;
    const QString fichier = Enregistrement_16000(dossier);
    if (fichier.isEmpty()) return state.SkipWithError("écriture impossible");
    Lancer_Processus(state, QStringLiteral(CALDRIX_CLI),
                     {QStringLiteral("report"), fichier, QStringLiteral("--output"),
                      dossier.filePath(QStringLiteral("r.pdf")), QStringLiteral("--force")});
}

// Debian's gnuplot-nox, its cairo PDF terminal.
void BM_Gnuplot_16000_7307(benchmark::State& state) {
    QTemporaryDir dossier;
    const QString fichier = Enregistrement_16000(dossier);
    if (fichier.isEmpty()) return state.SkipWithError("écriture impossible");
    Lancer_Processus(state, QStringLiteral("/usr/bin/gnuplot"),
                     {QStringLiteral("-c"), QStringLiteral(CALDRIX_BENCH_DIR "/rapport_gnuplot.gp"),
                      fichier, dossier.filePath(QStringLiteral("r.pdf"))});
}

// What starting the program costs when it draws nothing.
void BM_Cli_Version(benchmark::State& state) {
    Lancer_Processus(state, QStringLiteral(CALDRIX_CLI), {QStringLiteral("--version")});
}

void BM_Cli_Stats_16000_7307(benchmark::State& state) {
    QTemporaryDir dossier;
    const QString fichier = Enregistrement_16000(dossier);
    if (fichier.isEmpty()) return state.SkipWithError("écriture impossible");
    Lancer_Processus(state, QStringLiteral(CALDRIX_CLI), {QStringLiteral("stats"), fichier});
}

void BM_Pandas_Matplotlib_16000_7307(benchmark::State& state) {
    QTemporaryDir dossier;
    const QString fichier = Enregistrement_16000(dossier);
    if (fichier.isEmpty()) return state.SkipWithError("écriture impossible");
    // Debian's own interpreter, with its python3-pandas and python3-matplotlib.
    Lancer_Processus(state, QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(CALDRIX_BENCH_DIR "/rapport_pandas.py"), fichier,
                      dossier.filePath(QStringLiteral("r.png"))});
}

}  // namespace

// The memory counter needs each benchmark in a process of its own: run them one at a time
// (--benchmark_filter) when reading it.
BENCHMARK(BM_Cli_Report_16000_7307)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Gnuplot_16000_7307)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pandas_Matplotlib_16000_7307)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Cli_Version)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Cli_Stats_16000_7307)->Unit(benchmark::kMillisecond)->UseRealTime();
