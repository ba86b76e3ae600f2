// Saving and reopening a full 16000-measure recording of model 7307, through real files.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Fichier_Enreg.h"

namespace {

using namespace Import_Export;

std::unique_ptr<Etat> Enregistrement_Complet() {
    auto etat = Etat::Nouveau();
    etat->Identite_Logger = QStringLiteral("SERRE 4");
    etat->Version_Logger = QStringLiteral("7307V2.00\r");
    etat->Periode_Enreg = 60;
    etat->Commentaire = QStringLiteral("Serre n°4, semis de printemps");
    const double debut = Date_Depuis_Civil(2026, 3, 1);
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        Mesure& m = etat->Mesures(i);
        m.Date_Heure = debut + (i * 60.0 - 1) / 86400.0;
        m.Temperature = static_cast<float>(150 + i % 100) / 10.0f;
        m.Humidite = static_cast<float>(400 + i % 300) / 10.0f;
    }
    etat->Nb_Mesures = 2 * Nb_Mesures_Max;
    return etat;
}

void BM_Ecriture_Fichier_Enreg_7307(benchmark::State& state) {
    const auto etat = Enregistrement_Complet();
    QTemporaryDir dossier;
    const QString nom = dossier.filePath(QStringLiteral("serre.txt"));
    for (auto _ : state) {
        if (Ecriture_Fichier_Enreg(*etat, nom) != Resultat_Ecriture::Ecrit) {
            state.SkipWithError("écriture refusée");
        }
    }
}

// The text alone, without the disk.
void BM_Contenu_Fichier_Enreg_7307(benchmark::State& state) {
    const auto etat = Enregistrement_Complet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Contenu_Fichier_Enreg(*etat));
    }
}

// The worst case for the writer: no two values alike (a logger only gives tenths, so this
// takes a recording edited by hand or computed).
void BM_Contenu_Fichier_Enreg_Valeurs_Distinctes(benchmark::State& state) {
    const auto etat = Enregistrement_Complet();
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        etat->Mesures(i).Temperature = static_cast<float>(i) / 1024.0f + 0.001f;
        etat->Mesures(i).Humidite = static_cast<float>(i) / 333.0f;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Contenu_Fichier_Enreg(*etat));
    }
}

void BM_Lecture_Fichier_Enreg_7307(benchmark::State& state) {
    QTemporaryDir dossier;
    const QString nom = dossier.filePath(QStringLiteral("serre.txt"));
    Ecriture_Fichier_Enreg(*Enregistrement_Complet(), nom);
    const auto etat = Etat::Nouveau();
    for (auto _ : state) {
        if (Lecture_Fichier_Enreg(*etat, nom) != Resultat_Lecture::Lu) {
            state.SkipWithError("fichier refusé");
        }
        benchmark::DoNotOptimize(etat->Mesures(Nb_Mesures_Max));
    }
}

}  // namespace

BENCHMARK(BM_Ecriture_Fichier_Enreg_7307)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Contenu_Fichier_Enreg_7307)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Contenu_Fichier_Enreg_Valeurs_Distinctes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lecture_Fichier_Enreg_7307)->Unit(benchmark::kMillisecond);
