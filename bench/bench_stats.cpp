// Statistics of a full 16000-record recording, model 7306 and model 7307, over the whole
// recording and over a time range.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/Etat.h"
#include "core/Textes.h"
#include "stats/Statistiques.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 3, 1);

// A cold room cycling between 2 °C and 8 °C, logged to the tenth, so that the thresholds
// are crossed every cycle and the values repeat as a logger's do.
std::unique_ptr<Etat> Enregistrement_Complet(const char* version) {
    auto etat = Etat::Nouveau();
    etat->Version_Logger = QString::fromLatin1(version);
    etat->Periode_Enreg = 60;
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        Mesure& m = etat->Mesures(i);
        m.Date_Heure = Debut + (i * 60.0 - 1) / 86400.0;
        const double t = 5.0 - 3.2 * std::cos(i * 3.14159265 / 180.0);
        m.Temperature = static_cast<float>(std::nearbyint(t * 10.0) / 10.0);
        m.Humidite = static_cast<float>(400 + i % 300) / 10.0f;
    }
    const bool humidite = Est_Modele_7307(etat->Version_Logger);
    etat->Nb_Mesures = static_cast<int16_t>(humidite ? 2 * Nb_Mesures_Max : Nb_Mesures_Max);
    return etat;
}

void Mesurer(benchmark::State& state, const char* version, bool plage) {
    const auto etat = Enregistrement_Complet(version);
    Statistiques::Parametres p;
    p.seuil_haut = 8;
    p.seuil_bas = 2;
    if (plage) p.plage = Statistiques::Plage{Debut + 1, Debut + 10};
    int mesures = 0;
    for (auto _ : state) {
        const Statistiques::Resultat r = Statistiques::Calcul_Statistiques(*etat, p);
        benchmark::DoNotOptimize(r);
        mesures = r.mesures;
    }
    state.counters["mesures"] = mesures;
}

void BM_Statistiques_7306(benchmark::State& state) {
    Mesurer(state, "7306V1.00\r", false);
}
void BM_Statistiques_7307(benchmark::State& state) {
    Mesurer(state, "7307V2.00\r", false);
}
void BM_Statistiques_7307_Plage(benchmark::State& state) {
    Mesurer(state, "7307V2.00\r", true);
}

// The worst case for the kinetic temperature: no two consecutive values alike, so no term
// can serve twice.
void BM_Statistiques_7307_Valeurs_Distinctes(benchmark::State& state) {
    const auto etat = Enregistrement_Complet("7307V2.00\r");
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        etat->Mesures(i).Temperature = static_cast<float>(i % 977) / 97.0f;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Statistiques::Calcul_Statistiques(*etat, {}));
    }
}

}  // namespace

BENCHMARK(BM_Statistiques_7306)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Statistiques_7307)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Statistiques_7307_Plage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Statistiques_7307_Valeurs_Distinctes)->Unit(benchmark::kMicrosecond);
