// Whole programs timed from start to exit: caldrix-cli, and what it is measured against.
#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

// The largest resident size of a child that has ended since the program started, in MiB: run
// one benchmark at a time (--benchmark_filter) when reading it.
inline double Memoire_Max_Mio() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Runs `programme` once an iteration; an exit status among `acceptes` is a success. A yardstick
// that is not installed skips the benchmark with a note rather than failing it.
inline void Lancer_Processus(
    benchmark::State& state, const QString& programme, const QStringList& arguments,
    std::initializer_list<int> acceptes = {0},
    const QProcessEnvironment& environnement = QProcessEnvironment::systemEnvironment()) {
    if (!QFileInfo(programme).isExecutable()) {
        state.SkipWithError(
            qPrintable(QStringLiteral("%1 absent : comparaison sautée").arg(programme)));
        return;
    }
    for (auto _ : state) {
        QProcess processus;
        processus.setProcessEnvironment(environnement);
        processus.start(programme, arguments);
        const bool fini = processus.waitForFinished(60000);
        if (!fini ||
            std::find(acceptes.begin(), acceptes.end(), processus.exitCode()) == acceptes.end()) {
            state.SkipWithError(qPrintable(
                QStringLiteral("%1 a échoué : %2")
                    .arg(programme, QString::fromUtf8(processus.readAllStandardError()))));
            return;
        }
    }
    state.counters["memoire_max_Mio"] = Memoire_Max_Mio();
}
