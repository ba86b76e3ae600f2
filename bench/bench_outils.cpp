// The tools window's speed on full recordings: one cursor readout, from the graph's pointer
// notification to the status text, and opening the window.
#include <benchmark/benchmark.h>

#include <cmath>

#include "Application_Bench.h"
#include "Dialogues_Scriptes.h"

#include "app/Barre_Etat.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "tools/Affiche_Valeur_Curseur.h"
#include "tools/Frm_Outils.h"

namespace {

const double Debut_Releve = Date_Depuis_Civil(2026, 12, 5, 6, 0, 0);

// A full recording of this model: 16000 records, one a minute.
std::unique_ptr<Etat> Releve_Complet(const char* version) {
    auto etat = Etat::Nouveau();
    etat->Version_Logger = QLatin1String(version);
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        etat->Mesures(i) = {Debut_Releve + (i - 1) / 1440.0,
                            static_cast<float>(4 + 3 * std::sin(i * 0.02)),
                            static_cast<float>(60 + 15 * std::cos(i * 0.017))};
    }
    const bool deux_valeurs = Est_Modele_7307(etat->Version_Logger);
    etat->Nb_Mesures = static_cast<int16_t>(deux_valeurs ? 2 * Nb_Mesures_Max : Nb_Mesures_Max);
    return etat;
}

// The main window's graph and status bar as the user sees them.
struct Fenetre_Graphe {
    QWidget fenetre;
    CWGraph* graphe = new CWGraph(&fenetre);
    Barre_Etat* barre = new Barre_Etat(&fenetre);
    Fenetre_Graphe() {
        fenetre.resize(1000, 650);
        graphe->setGeometry(0, 0, 1000, 600);
        barre->setGeometry(0, 600, 1000, 25);
        fenetre.show();
    }
};

// A press in cursor mode on 2 × 16000 points, to the readout in the status line; with
// `redessin`, until the graph shows the cursors at their new place too.
void Lecture_Curseur(benchmark::State& state, bool redessin) {
    if (!Application_Bench()) return state.SkipWithError("une QCoreApplication existe déjà");
    auto etat = Releve_Complet("7307V12");
    Fenetre_Graphe vue;
    Graphique::Affiche_Courbes(*etat, *vue.graphe);
    vue.graphe->Redessiner_Maintenant();
    QObject::connect(vue.graphe, &CWGraph::Pointeur_Zone_Trace, vue.graphe,
                     [&](int, int, double x, double) {
                         Global::Affiche_Valeur_Curseur(*etat, *vue.graphe, *vue.barre, x);
                     });
    int pas = 0;
    for (auto _ : state) {
        const double x = Debut_Releve + (pas * 7919 % Nb_Mesures_Max) / 1440.0;
        emit vue.graphe->Pointeur_Zone_Trace(1, 0, x, 0);
        if (redessin) vue.graphe->Redessiner_Maintenant();
        ++pas;
    }
    if (!vue.barre->Texte().endsWith(QStringLiteral("%Hr"))) state.SkipWithError("pas de lecture");
    state.counters["points"] = vue.graphe->Plots(Numeros_Graphe::Voie_Temp).Nb_Points() +
                               vue.graphe->Plots(Numeros_Graphe::Voie_Hygro).Nb_Points();
}
BENCHMARK_CAPTURE(Lecture_Curseur, texte_etat, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lecture_Curseur, avec_redessin_du_graphe, true)->Unit(benchmark::kMicrosecond);

// From the menu entry to the window on screen and the graph redrawn with the rounded limits.
void Ouverture_Outils(benchmark::State& state, const char* version) {
    if (!Application_Bench()) return state.SkipWithError("une QCoreApplication existe déjà");
    auto etat = Releve_Complet(version);
    Fenetre_Graphe vue;
    Graphique::Affiche_Courbes(*etat, *vue.graphe);
    vue.graphe->Redessiner_Maintenant();
    Dialogues_Scriptes dialogues;
    dialogues.reponse_permanente = false;
    for (auto _ : state) {
        auto* outils = new Frm_Outils(*etat, *vue.graphe, *vue.barre, dialogues);
        outils->Form_Load();
        outils->show();
        QCoreApplication::processEvents();
        vue.graphe->Redessiner_Maintenant();
        state.PauseTiming();
        outils->Decharger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Graphique::Mise_Echelle(*etat, *vue.graphe);
        state.ResumeTiming();
    }
    if (!dialogues.affichages.isEmpty()) state.SkipWithError("un message est apparu");
}
BENCHMARK_CAPTURE(Ouverture_Outils, modele_7306_16000_mesures, "7306V12")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ouverture_Outils, modele_7307_16000_mesures, "7307V12")
    ->Unit(benchmark::kMillisecond);

}  // namespace
