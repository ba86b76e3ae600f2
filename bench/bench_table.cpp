// The numeric table of a full 7307 recording: building it until the window shows, and printing
// it into a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

#include "Dialogues_Scriptes.h"
#include "controls/Fenetre_Chargeable.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "curves/Numeros_Graphe.h"
#include "printing/Impression.h"
#include "printing/Imprimante_PDF.h"
#include "table/Frm_Num_Data.h"
#include "table/Lignes_Tableau.h"

namespace {

// The widgets need an application; the other benchmarks need none, so it is made on demand
// (once for the whole program, whichever benchmark asks first).
void Application() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char nom[] = "caldrix_bench";
    static char* argv[] = {nom, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);  // lives until the program ends
}

// 16000 records of a 7307, one a minute.
std::unique_ptr<Etat> Enregistrement_Plein() {
    auto etat = Etat::Nouveau();
    etat->Identite_Logger = QStringLiteral("SERRE");
    etat->Periode_Enreg = 60;
    etat->Version_Logger = QStringLiteral("7307V12\r");
    const double debut = Date_Depuis_Civil(2026, 11, 20, 8, 0, 0);
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        etat->Mesures(i) = {debut + (i - 1) * 60 * Une_Seconde,
                            18.0f + static_cast<float>(i % 97) / 10, 45.5f + (i % 13)};
    }
    etat->Nb_Mesures = static_cast<int16_t>(2 * Nb_Mesures_Max);
    return etat;
}

void BM_Tableau_Affiche_16000_7307(benchmark::State& state) {
    Application();
    const auto etat = Enregistrement_Plein();
    CWGraph graphe;
    Graphique::Affiche_Courbes(*etat, graphe);
    // Two values a record: the count is beyond what the automatic scaling takes, so the whole
    // recording is put in view by hand, as a zoom reset would.
    graphe.Axes(Numeros_Graphe::XAxis).Definir_Minimum(etat->Mesures(1).Date_Heure);
    graphe.Axes(Numeros_Graphe::XAxis).Definir_Maximum(etat->Mesures(Nb_Mesures_Max).Date_Heure);
    for (auto _ : state) {
        Fenetre<Frm_Num_Data> table;
        Frm_Num_Data& fenetre = table.Charger(*etat, graphe);
        fenetre.show();
        fenetre.repaint();
        if (fenetre.Lst_Data->count() != Nb_Mesures_Max + 3)
            state.SkipWithError("table incomplète");
        table.Decharger();
    }
}
BENCHMARK(BM_Tableau_Affiche_16000_7307)->Unit(benchmark::kMillisecond);

void BM_Impression_Tableau_16000(benchmark::State& state) {
    Application();
    const auto etat = Enregistrement_Plein();
    const QStringList lignes = Lignes_Tableau::Lignes(*etat, {0, 1e6, true});
    QTemporaryDir dossier;
    Imprimante_PDF pdf(dossier.filePath(QStringLiteral("tableau.pdf")));
    Dialogues_Scriptes dialogues;
    dialogues.reponse_permanente = false;
    dialogues.fichier_permanent = QString();
    for (auto _ : state) {
        Impression::Impression_Tableau(lignes, Date_Depuis_Civil(2026, 12, 5, 15, 30), pdf,
                                       dialogues);
    }
}
BENCHMARK(BM_Impression_Tableau_16000)->Unit(benchmark::kMillisecond);

}  // namespace
