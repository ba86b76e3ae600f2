// The numeric table window over a real graph: what it lists for each model and curve, and within
// which time range.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <memory>

#include "controls/Fenetre_Chargeable.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "table/Frm_Num_Data.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 12, 5, 14, 30, 0);
const double Dix_Minutes = 600 * Une_Seconde;

class TableauNumerique : public ::testing::Test {
  protected:
    // Records ten minutes apart from 05/12/2026 14:30, temperatures 23.4, 23.5, ... and
    // humidities 56.7, 56.5, ...; drawn on the graph as the program draws a new recording.
    void Enregistrement(const char* version, int nombre) {
        etat->Identite_Logger = QStringLiteral("SERRE");
        etat->Periode_Enreg = 600;
        etat->Version_Logger = QLatin1String(version);
        for (int i = 1; i <= nombre; ++i) {
            etat->Mesures(i).Date_Heure = Debut + (i - 1) * Dix_Minutes;
            etat->Mesures(i).Temperature = 23.4f + 0.1f * static_cast<float>(i - 1);
            etat->Mesures(i).Humidite = 56.7f - 0.2f * static_cast<float>(i - 1);
        }
        etat->Nb_Mesures =
            static_cast<int16_t>(Est_Modele_7307(etat->Version_Logger) ? 2 * nombre : nombre);
        Graphique::Affiche_Courbes(*etat, graphe);
    }

    QStringList Lignes() {
        Frm_Num_Data& fenetre = table.Charger(*etat, graphe);
        fenetre.show();
        QStringList lignes;
        for (int i = 0; i < fenetre.Lst_Data->count(); ++i)
            lignes << fenetre.Lst_Data->item(i)->text();
        EXPECT_EQ(fenetre.Lignes(), lignes);
        return lignes;
    }

    std::unique_ptr<Etat> etat = Etat::Nouveau();
    CWGraph graphe;
    Fenetre<Frm_Num_Data> table;
};

}  // namespace

TEST_F(TableauNumerique, Modele7307TroisColonnesDeLargeursFixes) {
    Enregistrement("7307V12\r", 3);

    const QStringList lignes = Lignes();

    ASSERT_EQ(lignes.size(), 6);
    EXPECT_EQ(lignes[0], QStringLiteral("Nom du module : SERRE"));
    EXPECT_EQ(lignes[1], QStringLiteral("Periode d'enregistrement (s) : 600"));
    EXPECT_EQ(lignes[2], QStringLiteral("Date / Température      °C     %Hr     "));
    EXPECT_EQ(lignes[2].size(), 39);
    EXPECT_EQ(lignes[3], QStringLiteral("05/12/2026 14:30:00    23.4    56.7    "));
    EXPECT_EQ(lignes[4], QStringLiteral("05/12/2026 14:40:00    23.5    56.5    "));
    EXPECT_EQ(lignes[5], QStringLiteral("05/12/2026 14:50:00    23.6    56.3    "));
    const Frm_Num_Data& fenetre = *table.Chargee();
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Tableau numérique"));
    EXPECT_TRUE(QFontInfo(fenetre.Lst_Data->font()).fixedPitch());
}

TEST_F(TableauNumerique, Modele7307CourbeHygrometrieMasqueeDeuxColonnesSousLEnteteComplet) {
    Enregistrement("7307V12\r", 2);
    graphe.Plots(Numeros_Graphe::Voie_Hygro).Definir_Visible(false);

    const QStringList lignes = Lignes();

    ASSERT_EQ(lignes.size(), 5);
    EXPECT_EQ(lignes[2], QStringLiteral("Date / Température      °C     %Hr     "));
    EXPECT_EQ(lignes[3], QStringLiteral("05/12/2026 14:30:00    23.4    "));
}

TEST_F(TableauNumerique, Modele7306AvantEtApresUnCalculDeCuisson) {
    Enregistrement("7306V12\r", 2);

    QStringList lignes = Lignes();
    ASSERT_EQ(lignes.size(), 5);
    EXPECT_EQ(lignes[2], QStringLiteral("Date / Température      °C     "));
    EXPECT_EQ(lignes[3], QStringLiteral("05/12/2026 14:30:00    23.4    "));

    // The cooking curve shown: its running value is the third column. The list opened before
    // stays as it was built until the window is opened again.
    etat->Mesures(1).Humidite = 0;
    etat->Mesures(2).Humidite = 1.25f;
    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);
    EXPECT_EQ(Lignes(), lignes);
    table.Chargee()->Mnu_Fermer->trigger();
    EXPECT_FALSE(table.Est_Chargee());

    lignes = Lignes();
    EXPECT_EQ(lignes[2], QStringLiteral("Date / Température      °C     minutes "));
    EXPECT_EQ(lignes[3], QStringLiteral("05/12/2026 14:30:00    23.4    0       "));
    EXPECT_EQ(lignes[4], QStringLiteral("05/12/2026 14:40:00    23.5    1.25    "));
}

TEST_F(TableauNumerique, SeulesLesMesuresDeLaPlageDuGrapheBornesComprises) {
    Enregistrement("7306V12\r", 20);
    graphe.Axes(Numeros_Graphe::XAxis).Definir_Minimum(Debut + 6 * Dix_Minutes);  // 15:30 to 16:30
    graphe.Axes(Numeros_Graphe::XAxis).Definir_Maximum(Debut + 12 * Dix_Minutes);

    const QStringList lignes = Lignes();

    ASSERT_EQ(lignes.size(), 3 + 7);
    EXPECT_TRUE(lignes[3].startsWith(QStringLiteral("05/12/2026 15:30:00 ")));
    EXPECT_TRUE(lignes[9].startsWith(QStringLiteral("05/12/2026 16:30:00 ")));
}

TEST_F(TableauNumerique, UneMesureAMinuitNAQueSaDate) {
    etat->Version_Logger = QStringLiteral("7306V12\r");
    etat->Mesures(1) = {Date_Depuis_Civil(2026, 12, 6), -1.5f, 0};
    etat->Mesures(2) = {Date_Depuis_Civil(2026, 12, 6, 0, 0, 1), -1234.567f, 0};
    etat->Nb_Mesures = 2;
    Graphique::Affiche_Courbes(*etat, graphe);

    const QStringList lignes = Lignes();

    ASSERT_EQ(lignes.size(), 5);
    EXPECT_EQ(lignes[3], QStringLiteral("06/12/2026             -1.5    "));
    // A value longer than its column is kept whole.
    EXPECT_EQ(lignes[4], QStringLiteral("06/12/2026 00:00:01    -1234.567"));
}

TEST_F(TableauNumerique, SansMesuresLesTroisPremieresLignesSeulement) {
    Enregistrement("7306V12\r", 0);

    EXPECT_EQ(Lignes(), (QStringList{QStringLiteral("Nom du module : SERRE"),
                                     QStringLiteral("Periode d'enregistrement (s) : 600"),
                                     QStringLiteral("Date / Température      °C     ")}));
}

// After "La sélection" a 7307 recording is shorter, and the records after it still hold the
// old measures: they are no part of the recording and are not listed.
TEST_F(TableauNumerique, Modele7307LesEnregistrementsAuDelaDuCompteNeSontPasListes) {
    Enregistrement("7307V12\r", 10);
    etat->Nb_Mesures = 2 * 4;

    const QStringList lignes = Lignes();

    ASSERT_EQ(lignes.size(), 3 + 4);
    EXPECT_TRUE(lignes.last().startsWith(QStringLiteral("05/12/2026 15:00:00 ")));
}
