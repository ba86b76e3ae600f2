// caldrix-cli study of an oven load: 8 recordings of 16000 records each judged against every
// rule, the whole process from start to exit; then with its report, beside a short pandas +
// matplotlib script that overlays the same 8 files on one PNG. The peak memory of each is
// reported in MiB.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>

#include "Processus_Bench.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

// A cooking cycle a minute per record: a rise to about 75 °C, a plateau, a cooling; each
// logger of the load a little behind the one before.
QString Enregistrement_Four(const QTemporaryDir& dossier, int logger) {
    auto etat = Etat::Nouveau();
    etat->Identite_Logger = QStringLiteral("FOUR%1").arg(logger);
    etat->Version_Logger = QStringLiteral("7306");
    etat->Periode_Enreg = 60;
    etat->Nb_Mesures = 16000;
    for (int i = 1; i <= 16000; ++i) {
        const double montee = 1 - std::exp(-(i - 20.0 * logger) / 2000.0);
        etat->Mesures(i) = {
            Date_Depuis_Civil(2026, 11, 1) + i / 1440.0,
            static_cast<float>(std::nearbyint(200 + 560 * std::max(montee, 0.0)) / 10), 0};
    }
    const QString fichier = dossier.filePath(QStringLiteral("four%1.txt").arg(logger));
    return Import_Export::Ecriture_Fichier_Enreg(*etat, fichier) ==
                   Import_Export::Resultat_Ecriture::Ecrit
               ? fichier
               : QString();
}

// The 8 files, their names after the command's first words; empty when they cannot be written.
QStringList Charge_8(const QTemporaryDir& dossier, QStringList debut) {
    for (int logger = 1; logger <= 8; ++logger) {
        const QString fichier = Enregistrement_Four(dossier, logger);
        if (fichier.isEmpty()) return {};
        debut << fichier;
    }
    return debut;
}

const QStringList Toutes_Regles = QStringLiteral(
                                      "--high 80 --high-mode consecutif --high-duration 600 --low "
                                      "10 --low-mode cumule --low-duration 3600 --humidity-high 90 "
                                      "--humidity-low 10 --process 72 --hold 3600 --pasteurisation "
                                      "--min-value 100 --mkt-max 80 --equilibration 1800 --json")
                                      .split(QLatin1Char(' '));

void Etude(benchmark::State& state, const QStringList& en_plus) {
    QTemporaryDir dossier;
    const QStringList arguments = Charge_8(dossier, {QStringLiteral("study")});
    if (arguments.isEmpty()) return state.SkipWithError("écriture impossible");
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("CALDRIX_HOME"), dossier.path());
    QStringList suite = en_plus;
    suite.replaceInStrings(QStringLiteral("DOSSIER"), dossier.path());
    // 5: the humidity rules cannot be checked on a 7306; the study still runs them all.
    Lancer_Processus(state, QStringLiteral(CALDRIX_CLI), arguments + Toutes_Regles + suite, {0, 5},
                     environnement);
}

void BM_Cli_Etude_8x16000(benchmark::State& state) {
    Etude(state, {});
}

void BM_Cli_Etude_8x16000_Rapport(benchmark::State& state) {
    Etude(state, {QStringLiteral("--report"), QStringLiteral("DOSSIER/etude.pdf"),
                  QStringLiteral("--force")});
}

void BM_Pandas_Etude_8x16000(benchmark::State& state) {
    QTemporaryDir dossier;
    const QStringList arguments =
        Charge_8(dossier, {QStringLiteral(CALDRIX_BENCH_DIR "/etude_pandas.py"),
                           dossier.filePath(QStringLiteral("etude.png"))});
    if (arguments.isEmpty()) return state.SkipWithError("écriture impossible");
    // Debian's own interpreter, with its python3-pandas and python3-matplotlib.
    Lancer_Processus(state, QStringLiteral("/usr/bin/python3"), arguments);
}

}  // namespace

BENCHMARK(BM_Cli_Etude_8x16000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Cli_Etude_8x16000_Rapport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pandas_Etude_8x16000)->Unit(benchmark::kMillisecond)->UseRealTime();
