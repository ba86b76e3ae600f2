// The program on its bench with a recording opened through "Ouvrir", and the tools window
// opened through its menu entry.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "Banc_Enregistrements.h"
#include "controls/MaskEdBox.h"
#include "curves/Axe_Graphe.h"
#include "curves/Curseur_Graphe.h"
#include "tools/Frm_Outils.h"
#include "tools/Textes_Outils.h"

class Banc_Outils : public Banc_Enregistrements {
  protected:
    // Dates read back from the graph went through its seconds since 1970: a millisecond apart
    // is the same moment.
    static constexpr double Tolerance = Une_Seconde / 1000;

    // Records one minute apart from 05/12/2026 08:00:00.
    static double Date(int record) {
        return Date_Depuis_Civil(2026, 12, 5, 8, 0, 0) + (record - 1) / 1440.0;
    }

    // The program started with no recording on its graph.
    void Demarrer_Sans_Enregistrement() { Demarrer(7306, 0); }

    // A recording of this model with these temperatures (and humidities, for model 7307),
    // saved as the program saves it and opened through "Ouvrir"; `recette` replays a cooking
    // value (100 pasteurisation) as the program does for a file saved with one.
    void Ouvrir_Enregistrement(const char* version, const std::vector<float>& temperatures,
                               const std::vector<float>& humidites = {}, uint8_t recette = 0) {
        Demarrer_Sans_Enregistrement();
        auto e = Etat::Nouveau();
        e->Identite_Logger = QStringLiteral("CHAMBRE");
        e->Version_Logger = QString::fromLatin1(version);
        e->Periode_Enreg = 60;
        e->Num_Recette = recette;
        const int nb = static_cast<int>(temperatures.size());
        for (int i = 1; i <= nb; ++i) {
            const float hygro = humidites.empty() ? 0.0f : humidites[(i - 1) % humidites.size()];
            e->Mesures(i) = {Date(i), temperatures[i - 1], hygro};
        }
        e->Nb_Mesures = static_cast<int16_t>(Est_Modele_7307(e->Version_Logger) ? 2 * nb : nb);
        const QString chemin = banc.Chemin(QStringLiteral("Sauvegardes/releve.txt"));
        ASSERT_EQ(Import_Export::Ecriture_Fichier_Enreg(*e, chemin),
                  Import_Export::Resultat_Ecriture::Ecrit);
        banc.dialogues.reponses_fichiers = {chemin};
        Fenetre().Mnu_Ouvrir->trigger();
        ASSERT_TRUE(banc.dialogues.Messages().isEmpty());
    }

    Frm_Outils& Outils() {
        Fenetre().Mnu_Tools->trigger();
        Frm_Outils* outils = Fenetre().Fenetre_Outils.Chargee();
        EXPECT_NE(outils, nullptr);
        return *outils;
    }

    // A control of the tools window found as a test finds any control: by its name.
    template <typename T>
    T& Controle(Frm_Outils& outils, const char* nom) {
        T* controle = outils.findChild<T*>(QLatin1String(nom));
        EXPECT_NE(controle, nullptr) << nom;
        return *controle;
    }
    QLineEdit& Boite(Frm_Outils& o, const char* nom) { return Controle<QLineEdit>(o, nom); }
    QCheckBox& Case(Frm_Outils& o, const char* nom) { return Controle<QCheckBox>(o, nom); }

    Axe_Graphe& Axe(int n) { return Fenetre().CWGraph_Enreg->Axes(n); }
    Curseur_Graphe& Curseur(int n) { return Fenetre().CWGraph_Enreg->Cursors(n); }
    int Mode() { return Fenetre().CWGraph_Enreg->Mode_Suivi(); }
    QStringList Messages() { return banc.dialogues.Messages(); }

    // Replaces the box's text as the user does: select all, then type.
    static void Taper(QLineEdit& boite, const QString& texte) {
        boite.setFocus();
        boite.selectAll();
        if (texte.isEmpty()) {
            QTest::keyClick(&boite, Qt::Key_Delete);
        } else {
            QTest::keyClicks(&boite, texte);
        }
    }
};
