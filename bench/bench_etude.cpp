// The study window's speed: eight recordings of 16000 records read, overlaid and tabled under
// every rule, and a zoom or pan step on their eight curves.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include "Application_Bench.h"
#include "Dialogues_Scriptes.h"

#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "files/Fichiers_Disque.h"
#include "files/Import_Export.h"
#include "study/gui/Frm_Etude.h"
#include "study/gui/Graphe_Superposition.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 12, 5, 6, 0, 0);
constexpr int Nb_Enregistrements_Etude = 8;

// A program folder with a set judging by every rule, and eight files of 16000 records of a
// load heating up at slightly different paces.
class Banc_Etude {
  public:
    Banc_Etude() {
        qputenv("CALDRIX_HOME", QFile::encodeName(dossier_.path()));
        Import_Export::Ecriture_Atomique(
            dossier_.filePath(QStringLiteral("criteres.ini")),
            "[Tout]\r\nseuil_haut = 90 consecutif 600\r\nseuil_bas = -10 cumule 600\r\n"
            "maintien = 72 300\r\ncuisson = pasteurisation 20\r\nmkt = 80\r\n"
            "equilibrage = 900\r\n");
        for (int n = 0; n < Nb_Enregistrements_Etude; ++n) {
            auto etat = Etat::Nouveau();
            etat->Identite_Logger = QStringLiteral("SONDE%1").arg(n + 1);
            etat->Version_Logger = QStringLiteral("7306V12\r");
            etat->Periode_Enreg = 60;
            for (int i = 1; i <= Nb_Mesures_Max; ++i) {
                Mesure& m = etat->Mesures(i);
                m.Date_Heure = Debut + (i - 1) * 60 * Une_Seconde;
                m.Temperature = static_cast<float>(20 + 55 * (1 - std::exp(-i / (200.0 + 20 * n))) +
                                                   2 * std::sin(i * 0.01));
            }
            etat->Nb_Mesures = Nb_Mesures_Max;
            etat->Nb_Mesures_Annoncees = Nb_Mesures_Max;
            fichiers_ << dossier_.filePath(QStringLiteral("sonde%1.txt").arg(n + 1));
            Import_Export::Ecriture_Fichier_Enreg(*etat, fichiers_.last());
        }
    }
    ~Banc_Etude() { qunsetenv("CALDRIX_HOME"); }

    // A study window open on the set, the eight recordings added through its button.
    std::unique_ptr<Frm_Etude> Fenetre() {
        auto fenetre = std::make_unique<Frm_Etude>(dialogues_, horloge_);
        fenetre->Form_Load();
        fenetre->resize(1100, 800);
        fenetre->show();
        fenetre->Cmb_Criteres->setCurrentText(QStringLiteral("Tout"));
        return fenetre;
    }
    void Ajouter(Frm_Etude& fenetre) {
        dialogues_.reponses_plusieurs_fichiers = {fichiers_};
        fenetre.Btn_Ajouter_Fichiers->click();
        fenetre.Graphe_Etude->Trace_QCP().replot();
    }

  private:
    QTemporaryDir dossier_;
    QStringList fichiers_;
    Dialogues_Scriptes dialogues_;
    Horloge_Systeme horloge_;
};

void Etude_Huit_Enregistrements(benchmark::State& state) {
    if (!Application_Bench()) return state.SkipWithError("une QCoreApplication existe déjà");
    Banc_Etude banc;
    for (auto _ : state) {
        state.PauseTiming();
        auto fenetre = banc.Fenetre();
        state.ResumeTiming();
        banc.Ajouter(*fenetre);
        benchmark::DoNotOptimize(fenetre->Tbl_Etude->rowCount());
    }
}
BENCHMARK(Etude_Huit_Enregistrements)->Unit(benchmark::kMillisecond)->UseRealTime();

// Zooming in by steps, then back out, panning a little each time: one immediate redraw each.
void Etude_Redessin_Zoom(benchmark::State& state) {
    if (!Application_Bench()) return state.SkipWithError("une QCoreApplication existe déjà");
    Banc_Etude banc;
    auto fenetre = banc.Fenetre();
    banc.Ajouter(*fenetre);
    Axe_Graphe& temps = fenetre->Graphe_Etude->Axe_Temps();
    const double fin = Debut + Nb_Mesures_Max * 60 * Une_Seconde;
    int pas = 0;
    for (auto _ : state) {
        const double largeur = (fin - Debut) / (1 + (pas % 8));
        const double depart = Debut + (pas % 5) * largeur / 10;
        temps.Definir_Minimum(depart);
        temps.Definir_Maximum(depart + largeur);
        fenetre->Graphe_Etude->Trace_QCP().replot();
        ++pas;
    }
    state.counters["courbes"] = fenetre->Graphe_Etude->Trace_QCP().graphCount();
}
BENCHMARK(Etude_Redessin_Zoom)->Unit(benchmark::kMillisecond);

}  // namespace
