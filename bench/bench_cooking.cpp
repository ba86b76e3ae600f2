// The cooking value over a full 16000-measure recording of model 7306.
#include <benchmark/benchmark.h>

#include <cmath>

#include "cooking/Calcul_Cuisson.h"
#include "core/Etat.h"
#include "core/Textes.h"

namespace {

void BM_Calcul_Valeur_Cuisson(benchmark::State& state) {
    auto etat = Etat::Nouveau();
    etat->Version_Logger = QStringLiteral("7306V1.00\r");
    etat->Nb_Mesures = Nb_Mesures_Max;
    const double debut = Date_Depuis_Civil(2026, 3, 1);
    // Cooking cycles: heating from 20 °C to 80 °C and back, every 400 measures.
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        Mesure& m = etat->Mesures(i);
        m.Date_Heure = debut + (i * 60.0 - 1) / 86400.0;
        m.Temperature = static_cast<float>(50.0 - 30.0 * std::cos(i * 3.14159265 / 200.0));
    }
    Maximum_Cuisson maximum;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calcul_Valeur_Cuisson(*etat, maximum, 70, 10, 55));
        benchmark::DoNotOptimize(etat->Mesures(Nb_Mesures_Max));
    }
    state.counters["valeur_max"] = maximum.Valeur_Max;
}

}  // namespace

BENCHMARK(BM_Calcul_Valeur_Cuisson)->Unit(benchmark::kMicrosecond);
