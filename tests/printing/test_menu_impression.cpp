// "Tableau", "Graphique" and "Numérique" from the main window's menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTemporaryDir>

#include "Banc_Programme.h"
#include "Lecture_PDF.h"
#include "app/Frm_Principal.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "printing/Imprimante_PDF.h"

namespace {

class Menus_Impression : public ::testing::Test {
  protected:
    Menus_Impression() : fenetre(banc.Construire()) {
        Etat& etat = banc.Etat_Programme();
        etat.Version_Logger = QStringLiteral("7306V12\r");
        etat.Identite_Logger = QStringLiteral("SERRE");
        etat.Nom_Fichier = QStringLiteral("/home/labo/Caldrix/Sauvegardes/serre.txt");
        for (int i = 1; i <= 5; ++i) {
            etat.Mesures(i) = {Date_Depuis_Civil(2026, 12, 5, 8, i), 20.5f, 0};
        }
        etat.Nb_Mesures = 5;
        Graphique::Affiche_Courbes(etat, *fenetre.CWGraph_Enreg);
        fenetre.Affiche_Infos_Enreg();
        fenetre.show();
        fenetre.Definir_Imprimante(std::make_unique<Imprimante_PDF>(pdf));
    }

    Banc_Programme banc;
    Frm_Principal& fenetre;
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("page.pdf"));
};

}  // namespace

TEST_F(Menus_Impression, TableauSOuvreUneFoisEtNumeriqueLImprimePuisLeFerme) {
    fenetre.Mnu_Num_Data->trigger();
    Frm_Num_Data* table = fenetre.Fenetre_Num_Data.Chargee();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(table->Lst_Data->count(), 3 + 5);
    fenetre.Mnu_Num_Data->trigger();
    EXPECT_EQ(fenetre.Fenetre_Num_Data.Chargee(), table);

    fenetre.Mnu_Num->trigger();

    EXPECT_FALSE(fenetre.Fenetre_Num_Data.Est_Chargee());
    const QStringList pages = Pages_PDF(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Nom du module : SERRE")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("05/12/2026 08:05:00")));
    EXPECT_EQ(Derniere_Ligne(pages[0]), QStringLiteral("page 1"));
    EXPECT_TRUE(banc.dialogues.affichages.isEmpty());
}

TEST_F(Menus_Impression, GraphiqueImprimeLaFenetreAvecSaLegende) {
    fenetre.Mnu_Graph->trigger();

    const QStringList pages = Pages_PDF(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString texte = pages[0].simplified();
    EXPECT_TRUE(
        texte.contains(QStringLiteral("Caldrix - /home/labo/Caldrix/Sauvegardes/serre.txt - le ")));
    EXPECT_TRUE(texte.contains(QStringLiteral("Logger : SERRE")));
    EXPECT_EQ(fenetre.CWGraph_Enreg->Legende(), QStringLiteral("SERRE"));
}
