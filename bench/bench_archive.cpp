// The archive on its SQLite file: archiving a full 16000-record 7307 recording, and a filtered
// listing among 10 000 archived recordings.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Application_Bench.h"
#include "archive/Archive.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Fichier_Enreg.h"

namespace {

Adresse_Archive Fichier_Archive(const QTemporaryDir& dossier) {
    Adresse_Archive adresse;
    adresse.Fichier = dossier.filePath(QStringLiteral("Archives/caldrix.sqlite"));
    return adresse;
}

bool Ecrire(const QString& nom, const QByteArray& octets) {
    QFile fichier(nom);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

void BM_Archivage_7307_16000(benchmark::State& state) {
    Application_Bench();  // Qt SQL loads its drivers only under an application
    QTemporaryDir dossier;
    const auto ouverte = Archive::Ouvrir(Fichier_Archive(dossier));
    if (!ouverte) {
        state.SkipWithError(ouverte.Erreur().toUtf8().constData());
        return;
    }
    Archive* archive = ouverte->get();
    auto etat = Etat::Nouveau();
    etat->Identite_Logger = QStringLiteral("SERRE 4");
    etat->Version_Logger = QStringLiteral("7307");
    etat->Periode_Enreg = 60;
    etat->Nb_Mesures = 2 * Nb_Mesures_Max;
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        etat->Mesures(i) = {Date_Depuis_Civil(2026, 3, 1) + i / 1440.0,
                            static_cast<float>(150 + i % 100) / 10.0f,
                            static_cast<float>(400 + i % 300) / 10.0f};
    }
    const QString nom = dossier.filePath(QStringLiteral("serre.txt"));
    int numero = 0;
    for (auto _ : state) {
        // New bytes each time, or the archive would rightly keep only the first.
        state.PauseTiming();
        etat->Commentaire = QStringLiteral("Serre n°4, passage %1").arg(++numero);
        const bool ecrit = Ecrire(nom, Import_Export::Contenu_Fichier_Enreg(*etat));
        state.ResumeTiming();
        if (!ecrit || archive->Ajouter(nom).Bilan != Bilan_Ajout::Archive) {
            state.SkipWithError("archivage refusé");
            return;
        }
    }
}

// 10 000 small recordings of 20 loggers, one an hour, every tenth with "javel" in its comment.
// Built once, in memory when the machine has a memory file system: 10 000 commits to a disk
// would take longer than every measure together.
Archive* Archive_Pleine() {
    static QTemporaryDir dossier(QDir(QStringLiteral("/dev/shm")).exists()
                                     ? QStringLiteral("/dev/shm/caldrix-bench-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/caldrix-bench-XXXXXX"));
    static std::unique_ptr<Archive> archive;
    if (archive) return archive.get();
    auto ouverte = Archive::Ouvrir(Fichier_Archive(dossier));
    if (!ouverte) return nullptr;
    archive = std::move(*ouverte);
    auto etat = Etat::Nouveau();
    etat->Version_Logger = QStringLiteral("7306");
    etat->Periode_Enreg = 60;
    etat->Nb_Mesures = 3;
    const QString nom = dossier.filePath(QStringLiteral("r.txt"));
    for (int n = 0; n < 10000; ++n) {
        etat->Identite_Logger = QStringLiteral("FOUR%1").arg(n % 20, 2, 10, QLatin1Char('0'));
        etat->Commentaire =
            QStringLiteral("Lot %1%2")
                .arg(n)
                .arg(n % 10 == 0 ? QStringLiteral(", nettoyage à la javel") : QString());
        for (int i = 1; i <= 3; ++i)
            etat->Mesures(i) = {Date_Depuis_Civil(2025, 1, 1) + n / 24.0 + i / 1440.0, 4.0f, 0};
        if (!Ecrire(nom, Import_Export::Contenu_Fichier_Enreg(*etat)) ||
            archive->Ajouter(nom).Bilan != Bilan_Ajout::Archive) {
            archive.reset();
            return nullptr;
        }
    }
    return archive.get();
}

void Lister(benchmark::State& state, const Filtre_Archive& filtre) {
    Application_Bench();
    Archive* archive = Archive_Pleine();
    if (!archive) {
        state.SkipWithError("archive de 10 000 enregistrements impossible à remplir");
        return;
    }
    qsizetype lignes = 0;
    for (auto _ : state) {
        const Resultat_Liste liste = archive->Lister(filtre);
        lignes = liste.Fiches.size();
        benchmark::DoNotOptimize(lignes);
    }
    state.counters["lignes"] = static_cast<double>(lignes);
}

// One logger over one month.
void BM_Liste_Logger_Mois(benchmark::State& state) {
    Lister(state, {QStringLiteral("FOUR07"),
                   Date_Depuis_Civil(2025, 6, 1),
                   Date_Depuis_Civil(2025, 6, 30, 23, 59, 59),
                   {}});
}

// A word of the comment, over everything.
void BM_Liste_Mot_Commentaire(benchmark::State& state) {
    Lister(state, {{}, {}, {}, QStringLiteral("JAVEL")});
}

// A day, every logger.
void BM_Liste_Journee(benchmark::State& state) {
    Lister(state,
           {{}, Date_Depuis_Civil(2025, 9, 1), Date_Depuis_Civil(2025, 9, 1, 23, 59, 59), {}});
}

}  // namespace

BENCHMARK(BM_Archivage_7307_16000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Liste_Logger_Mois)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Liste_Mot_Commentaire)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Liste_Journee)->Unit(benchmark::kMillisecond);
