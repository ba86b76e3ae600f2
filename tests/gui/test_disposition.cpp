// The main window lays out its graph and comment box at every change of its size.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "Attente.h"
#include "Banc_Programme.h"
#include "app/Frm_Principal.h"
#include "curves/CWGraph.h"

TEST(Disposition, FenetreDe10000Sur8000Twips) {
    const Frm_Principal::Disposition d = Frm_Principal::Calcul_Disposition(10000, 8000);

    EXPECT_DOUBLE_EQ(d.Graphe_Gauche, 100);
    EXPECT_DOUBLE_EQ(d.Graphe_Haut, 80);
    EXPECT_DOUBLE_EQ(d.Graphe_Largeur, 9700);
    EXPECT_DOUBLE_EQ(d.Graphe_Hauteur, 6400);
    EXPECT_DOUBLE_EQ(d.Commentaire_Gauche, 100);
    EXPECT_DOUBLE_EQ(d.Commentaire_Haut, 6480);
    EXPECT_DOUBLE_EQ(d.Commentaire_Largeur, 9700);
}

TEST(Disposition, LaFenetreRedimensionneeSuitLesProportions) {
    Banc_Programme banc;
    Frm_Principal& fenetre = banc.Construire();
    fenetre.show();
    const int hauteur_commentaire = fenetre.Txt_Commentaire->height();

    fenetre.resize(1000, 800);
    ASSERT_TRUE(Attendre_Que([&] { return fenetre.size() == QSize(1000, 800); }));

    EXPECT_EQ(fenetre.CWGraph_Enreg->geometry(), QRect(10, 8, 970, 640));
    EXPECT_EQ(fenetre.Txt_Commentaire->geometry(), QRect(10, 648, 970, hauteur_commentaire));

    // Each edge goes to its nearest pixel: the comment box starts where the graph ends.
    fenetre.resize(1234, 567);
    ASSERT_TRUE(Attendre_Que([&] { return fenetre.size() == QSize(1234, 567); }));

    EXPECT_EQ(fenetre.CWGraph_Enreg->geometry(), QRect(12, 6, 1197, 453));
    EXPECT_EQ(fenetre.Txt_Commentaire->geometry(), QRect(12, 459, 1197, hauteur_commentaire));
    EXPECT_EQ(hauteur_commentaire, 25);  // 375 twips, whatever the size
}
