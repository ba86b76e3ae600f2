// Reading a complete 16000-measure download reply into the measures.
#include <benchmark/benchmark.h>

#include "core/Etat.h"
#include "core/Textes.h"
#include "logger/Fonctions_Logger.h"

namespace {

QString Reponse(bool humidite) {
    QString texte = QStringLiteral("m 16000 60 C 1E1 3380\r");
    texte.reserve(170000);
    for (int i = 0; i < 16000; ++i) {
        texte += humidite ? QStringLiteral("t %1 %2\r").arg(150 + i % 100).arg(400 + i % 300)
                          : QStringLiteral("t %1\r").arg(150 + i % 100);
    }
    return texte;
}

void Lecture(benchmark::State& state, const char* version) {
    auto etat = Etat::Nouveau();
    const double maintenant = Date_Depuis_Civil(2026, 12, 6, 12, 0, 0);
    Origines_Horloge(*etat, maintenant);
    etat->Version_Logger = QString::fromLatin1(version);
    const QString reponse = Reponse(Est_Modele_7307(etat->Version_Logger));
    for (auto _ : state) {
        if (Fonctions_Logger::Lecture_Reponse_Telechargement(*etat, reponse, maintenant) != 0) {
            state.SkipWithError("réponse refusée");
        }
        benchmark::DoNotOptimize(etat->Mesures(16000));
    }
    state.counters["caracteres"] = static_cast<double>(reponse.size());
}

void BM_Lecture_Reponse_7306(benchmark::State& state) {
    Lecture(state, "7306V1\r");
}
void BM_Lecture_Reponse_7307(benchmark::State& state) {
    Lecture(state, "7307V1\r");
}

}  // namespace

BENCHMARK(BM_Lecture_Reponse_7306)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lecture_Reponse_7307)->Unit(benchmark::kMillisecond);
