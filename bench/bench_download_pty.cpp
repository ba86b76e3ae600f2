// A full download of 16000 measures as the user starts it (Q, I, I, M, D), with the real serial
// link and the real clock, from the simulated logger over a pseudo-terminal: as fast as the
// terminal goes, and paced like the 9600-baud wire.
#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>

#include "Courbe_Simulee.h"
#include "Options_Simulateur.h"
#include "Terminal_Simule.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"
#include "logger/Sequence_Telechargement.h"

namespace {

// The protocol's own pauses for the five exchanges: 250 ms before each, 100 ms after sending,
// 100 ms of silence that ends each reply.
constexpr double Pauses_s = 5 * (0.250 + 0.100 + 0.100);

void Application_Qt() {
    static int argc = 1;
    static char nom[] = "caldrix_bench";
    static char* argv[] = {nom, nullptr};
    if (!QCoreApplication::instance()) static QCoreApplication application(argc, argv);
}

Logger_Simule Logger_Complet(int modele, double maintenant) {
    Memoire_Logger m = Memoire_Logger::Modele(modele);
    m.mesures = Courbe_Simulee::Generer(Nb_Mesures_Max, m.Est_7307());
    m.debut_enreg = Options_Simulateur::Compte_Horloge(maintenant - 12, maintenant).value_or(0);
    Logger_Simule logger(m);
    logger.Regler_Horloge(Options_Simulateur::Compte_Horloge(maintenant, maintenant).value_or(0));
    return logger;
}

// Characters the logger puts on the wire for the whole download.
double Caracteres_Reponses(Logger_Simule logger) {
    double n = 0;
    for (const Logger_Simule::Morceau& m : logger.Recevoir("Q\rI\rI\rM\rD\r"))
        n += m.octets.size();
    return n;
}

void BM_Telechargement_Pty(benchmark::State& state) {
    const int modele = static_cast<int>(state.range(0));
    const bool rythme_reel = state.range(1) != 0;
    Application_Qt();
    Horloge_Systeme horloge;
    const double maintenant = horloge.Maintenant();
    Logger_Simule logger = Logger_Complet(modele, maintenant);
    const double caracteres = Caracteres_Reponses(logger);

    Terminal_Simule sim(std::move(logger));
    sim.Definir_Rythme_Reel(rythme_reel);
    if (const Reussite_Ou_Erreur ouvert = sim.Ouvrir(); !ouvert) {
        state.SkipWithError(ouvert.Erreur().toStdString().c_str());
        return;
    }
    sim.Demarrer();
    const auto etat = Etat::Nouveau();
    Origines_Horloge(*etat, maintenant);
    Port_QSerialPort port([&sim](int) { return sim.Peripherique(); });
    Communication lien(*etat, port, horloge);
    if (lien.Ouverture_Port(1) != 0) {
        state.SkipWithError("le logger simulé ne répond pas");
        return;
    }

    QElapsedTimer chrono;
    chrono.start();
    for (auto _ : state) {
        if (Sequence_Telechargement::Telecharger(*etat, lien) != 0) {
            state.SkipWithError("téléchargement refusé");
        }
        benchmark::DoNotOptimize(etat->Mesures(Nb_Mesures_Max));
    }
    const double mesure_s = chrono.elapsed() / 1000.0 / static_cast<double>(state.iterations());
    // What the download cannot beat: the pauses, plus the wire time when paced.
    const double attendu_s =
        Pauses_s + (rythme_reel ? caracteres / Emission_Rythmee::Caracteres_Par_Seconde : 0);
    state.counters["caracteres"] = caracteres;
    state.counters["attendu_s"] = attendu_s;
    state.counters["ecart_pct"] = 100 * (mesure_s - attendu_s) / attendu_s;
    lien.Fermeture_Port();
}

}  // namespace

BENCHMARK(BM_Telechargement_Pty)
    ->ArgNames({"modele", "rythme_reel"})
    ->Args({7306, 0})
    ->Args({7307, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// About 100 s of wire time: once is enough.
BENCHMARK(BM_Telechargement_Pty)
    ->ArgNames({"modele", "rythme_reel"})
    ->Args({7306, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
