// The program started on its bench with a logger on COM3, and the helpers the recording
// commands' tests share.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>

#include "Banc_Programme.h"
#include "Courbe_Simulee.h"
#include "Terminal_Simule.h"
#include "app/Frm_Principal.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/CWGraph.h"
#include "curves/Trace_Graphe.h"
#include "files/Import_Export.h"

class Banc_Enregistrements : public ::testing::Test {
  protected:
    // A logger of this model holding `mesures` generated measures, and the program started.
    void Demarrer(int modele, int mesures, Panne_Simulee panne = {}) {
        banc.Installer(3);
        logger_ = &banc.Brancher_Logger(3, modele);
        logger_->Avec_Logger([&](Logger_Simule& l) {
            l.Memoire().mesures = Courbe_Simulee::Generer(mesures, modele == 7307);
            l.Definir_Panne(panne);
            return 0;
        });
        banc.Demarrer();
    }
    void Panne(Panne_Simulee panne) {
        logger_->Avec_Logger([&](Logger_Simule& l) {
            l.Definir_Panne(panne);
            return 0;
        });
    }
    std::vector<Mesure_Simulee> Mesures_Logger() {
        return logger_->Avec_Logger([](Logger_Simule& l) { return l.Memoire().mesures; });
    }

    // A recording saved as the program saves it, in the program folder.
    QString Fichier_Enregistrement(const QString& nom, const char* version, int nb,
                                   uint8_t recette) {
        auto e = Etat::Nouveau();
        e->Identite_Logger = QStringLiteral("FOUR");
        e->Version_Logger = QString::fromLatin1(version);
        e->Periode_Enreg = 60;
        e->Num_Recette = recette;
        e->Commentaire = QStringLiteral("Lot 12");
        const float temperatures[] = {50, 60, 70, 80, 70, 50};
        for (int i = 1; i <= nb; ++i) {
            e->Mesures(i) = {Date_Depuis_Civil(2026, 12, 5, 8, 0, 0) + (i - 1) / 1440.0,
                             temperatures[(i - 1) % 6], 45.5f};
        }
        e->Nb_Mesures = static_cast<int16_t>(Est_Modele_7307(e->Version_Logger) ? 2 * nb : nb);
        const QString chemin = banc.Chemin(QStringLiteral("Sauvegardes/") + nom);
        EXPECT_EQ(Import_Export::Ecriture_Fichier_Enreg(*e, chemin),
                  Import_Export::Resultat_Ecriture::Ecrit);
        return chemin;
    }

    Frm_Principal& Fenetre() { return banc.Fenetre(); }
    Etat& Etat_Programme() { return banc.Etat_Programme(); }
    Trace_Graphe& Plot(int n) { return Fenetre().CWGraph_Enreg->Plots(n); }

    Banc_Programme banc;

  private:
    Terminal_Simule* logger_ = nullptr;
};
