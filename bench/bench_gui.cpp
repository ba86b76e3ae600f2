// The windows' speed: curves drawn after a download, a zoom or pan step, and the start-up.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include "Application_Bench.h"
#include "Dialogues_Scriptes.h"

#include "Logger_Simule.h"
#include "Terminal_Simule.h"
#include "app/Frm_Principal.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "files/Import_Export.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 12, 5, 6, 0, 0);

void Remplir(Etat& etat, const char* version, int records) {
    etat.Version_Logger = QLatin1String(version);
    for (int i = 1; i <= records; ++i) {
        Mesure& m = etat.Mesures(i);
        m.Date_Heure = Debut + (i - 1) * 60 * Une_Seconde;
        m.Temperature = static_cast<float>(20 + 50 * std::sin(i * 0.01));
        m.Humidite = static_cast<float>(50 + 20 * std::cos(i * 0.013));
    }
}

// Affiche_Courbes after a full download, until the graph is drawn on screen.
void Affiche_Courbes(benchmark::State& state, const char* version, int16_t nb_mesures) {
    if (!Application_Bench()) return state.SkipWithError("une QCoreApplication existe déjà");
    auto etat = Etat::Nouveau();
    Remplir(*etat, version, Nb_Mesures_Max);
    etat->Nb_Mesures = nb_mesures;
    CWGraph graphe;
    graphe.resize(1000, 600);
    graphe.show();
    Graphique::Init_Graphique(graphe, Debut);
    for (auto _ : state) {
        Graphique::Affiche_Courbes(*etat, graphe);
        graphe.Redessiner_Maintenant();
    }
    state.counters["points"] = graphe.Plots(Numeros_Graphe::Voie_Temp).Nb_Points() +
                               graphe.Plots(Numeros_Graphe::Voie_Hygro).Nb_Points();
}
BENCHMARK_CAPTURE(Affiche_Courbes, modele_7307_16000_mesures, "7307V12", 16000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Affiche_Courbes, modele_7306_16000_mesures, "7306V12", 16000)
    ->Unit(benchmark::kMillisecond);

// A zoom or pan step on a graph holding two curves of 16000 points each.
void Redessin_Zoom(benchmark::State& state) {
    if (!Application_Bench()) return state.SkipWithError("une QCoreApplication existe déjà");
    CWGraph graphe;
    graphe.resize(1000, 600);
    graphe.show();
    for (int i = 0; i < Nb_Mesures_Max; ++i) {
        const double x = Debut + i * 60 * Une_Seconde;
        graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(x, 20 + 50 * std::sin(i * 0.01));
        graphe.Plots(Numeros_Graphe::Voie_Hygro).Ajouter_Point(x, 50 + 20 * std::cos(i * 0.013));
    }
    Axe_Graphe& temps = graphe.Axes(Numeros_Graphe::XAxis);
    const double fin = Debut + Nb_Mesures_Max * 60 * Une_Seconde;
    int pas = 0;
    for (auto _ : state) {
        // Zooming in by steps, then back out, panning a little each time.
        const double largeur = (fin - Debut) / (1 + (pas % 8));
        const double depart = Debut + (pas % 5) * largeur / 10;
        temps.Definir_Minimum(depart);
        temps.Definir_Maximum(depart + largeur);
        graphe.Redessiner_Maintenant();
        ++pas;
    }
}
BENCHMARK(Redessin_Zoom)->Unit(benchmark::kMillisecond);

// From the program's objects built to the main window shown, logger or not.
void Demarrage(benchmark::State& state, bool avec_logger) {
    if (!Application_Bench()) return state.SkipWithError("une QCoreApplication existe déjà");
    QTemporaryDir dossier;
    qputenv("CALDRIX_HOME", QFile::encodeName(dossier.path()));
    {
        auto defauts = Etat::Nouveau();
        Import_Export::Ecriture_Conf(*defauts);
    }
    std::unique_ptr<Terminal_Simule> logger;
    if (avec_logger) {
        logger = std::make_unique<Terminal_Simule>(Logger_Simule(Memoire_Logger::Modele(7306)));
        if (!logger->Ouvrir_Sur_Port(dossier.path(), 1)) {
            return state.SkipWithError("pas de pseudo-terminal");
        }
        logger->Demarrer();
    }
    const QString chemin = dossier.path();
    Dialogues_Scriptes dialogues;
    dialogues.reponse_permanente = false;
    dialogues.fichier_permanent = QString();
    for (auto _ : state) {
        auto etat = Etat::Nouveau();
        Horloge_Systeme horloge;
        Port_QSerialPort port(
            [chemin](int n) { return chemin + QStringLiteral("/ports/COM") + QString::number(n); });
        Communication lien(*etat, port, horloge);
        Frm_Principal fenetre(*etat, lien, dialogues);
        fenetre.Form_Load();
        benchmark::DoNotOptimize(fenetre.isVisible());
        state.PauseTiming();
        fenetre.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    if (logger) logger->Arreter();
    qunsetenv("CALDRIX_HOME");
}
BENCHMARK_CAPTURE(Demarrage, avec_logger, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(Demarrage, sans_logger, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

}  // namespace
