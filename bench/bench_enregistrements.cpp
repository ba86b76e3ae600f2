// The recording commands' speed: a 16000-measure file opened until its curves are drawn, and
// the end of a download (reply read, curves drawn).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>
#include "Application_Bench.h"
#include "Dialogues_Scriptes.h"

#include "app/Frm_Principal.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Textes.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "files/Import_Export.h"
#include "logger/Communication.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Port_QSerialPort.h"

namespace {

void Remplir_7306(Etat& etat) {
    etat.Identite_Logger = QStringLiteral("FOUR");
    etat.Version_Logger = QStringLiteral("7306");
    etat.Periode_Enreg = 60;
    etat.Nb_Mesures = Nb_Mesures_Max;
    const double debut = Date_Depuis_Civil(2026, 12, 1);
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        etat.Mesures(i) = {debut + i * 60 * Une_Seconde,
                           static_cast<float>(std::nearbyint(200 + 500 * std::sin(i * 0.01)) / 10),
                           0};
    }
}

void BM_Ouverture_Fichier_16000(benchmark::State& state) {
    if (!Application_Bench()) return state.SkipWithError("pas d'application graphique");
    QTemporaryDir dossier;
    qputenv("CALDRIX_HOME", dossier.path().toLocal8Bit());
    auto modele = Etat::Nouveau();
    Remplir_7306(*modele);
    Dialogues_Scriptes dialogues;
    dialogues.reponse_permanente = false;
    dialogues.fichier_permanent = QString();
    dialogues.fichier_permanent = dossier.filePath(QStringLiteral("r.txt"));
    if (Import_Export::Ecriture_Fichier_Enreg(*modele, *dialogues.fichier_permanent) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        return state.SkipWithError("écriture impossible");
    }
    auto etat = Etat::Nouveau();
    Horloge_Systeme horloge;
    Port_QSerialPort port;
    Communication lien(*etat, port, horloge);
    Frm_Principal fenetre(*etat, lien, dialogues);
    fenetre.show();
    for (auto _ : state) {
        fenetre.Mnu_Ouvrir_Click();
        fenetre.CWGraph_Enreg->Redessiner_Maintenant();
    }
    if (etat->Nb_Mesures != Nb_Mesures_Max) state.SkipWithError("fichier mal relu");
}

QString Reponse_7306() {
    QString texte = QStringLiteral("m 16000 60 C 1E1 3380\r");
    for (int i = 0; i < Nb_Mesures_Max; ++i) {
        texte += QStringLiteral("t %1\r").arg(static_cast<int>(200 + 500 * std::sin(i * 0.01)));
    }
    return texte;
}

// From the last byte of the reply: the measures read, the curves drawn and shown.
void BM_Fin_Telechargement_16000(benchmark::State& state) {
    if (!Application_Bench()) return state.SkipWithError("pas d'application graphique");
    auto etat = Etat::Nouveau();
    const double maintenant = Date_Depuis_Civil(2026, 12, 6, 12, 0, 0);
    Origines_Horloge(*etat, maintenant);
    etat->Version_Logger = QStringLiteral("7306V12\r");
    const QString reponse = Reponse_7306();
    CWGraph graphe;
    graphe.resize(1000, 600);
    graphe.show();
    for (auto _ : state) {
        if (Fonctions_Logger::Lecture_Reponse_Telechargement(*etat, reponse, maintenant) != 0) {
            return state.SkipWithError("réponse refusée");
        }
        Graphique::Affiche_Courbes(*etat, graphe);
        graphe.Redessiner_Maintenant();
    }
}

}  // namespace

BENCHMARK(BM_Ouverture_Fichier_16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fin_Telechargement_16000)->Unit(benchmark::kMillisecond);
