// The numeric table's lines, and the window that lists them over a real graph.
#include "Essai_Fenetres.h"
#include "table/Lignes_Tableau.h"

// Columns of 23, 8 and 8 characters, a longer value kept whole, the date alone at midnight;
// "%Hr" for a 7307 even with its curve hidden, "minutes" while the cooking curve shows.
TEST(LignesTableau, EnteteEtMesuresEnColonnesFixes) {
    using namespace Lignes_Tableau;
    const double debut = Date_Depuis_Civil(2026, 12, 5, 14, 30);
    EXPECT_EQ(QStringList({Entete(u"7307V12\r"_s, false), Entete(u"7306V12\r"_s, true),
                           Ligne_Mesure(debut, 23.4f, 56.7f, true),
                           Ligne_Mesure(Date_Depuis_Civil(2026, 12, 6), -1.5f, 0, true),
                           Ligne_Mesure(debut, -1234.567f, 1.25f, true)}),
              (QStringList{u"Date / Température      °C     %Hr     "_s,
                           u"Date / Température      °C     minutes "_s,
                           u"05/12/2026 14:30:00    23.4    56.7    "_s,
                           u"06/12/2026             -1.5    0       "_s,
                           u"05/12/2026 14:30:00    -1234.5671.25    "_s}));
}

// The list is built when the window loads, from the graph's range (both ends included) and
// second curve at that moment, in a fixed-pitch font; it changes only when opened again.
TEST(FenetreTableau, ListeLeGrapheTelQuAuChargement) {
    // Records ten minutes apart from 05/12/2026 14:30.
    Enregistrement_Essai serre;
    auto etat = serre.Periode(600)
                    .Debut(Date_Depuis_Civil(2026, 12, 5, 14, 30))
                    .Temperatures({23.4f, 23.5f, 23.6f})
                    .Etat_Rempli();
    CWGraph graphe;
    Graphique::Affiche_Courbes(*etat, graphe);
    graphe.Axes(1).Definir_Maximum(serre.Date(2));
    Fenetre<Frm_Num_Data> table;
    const auto lignes = [&] {
        table.Charger(*etat, graphe).show();
        EXPECT_TRUE(QFontInfo(table.Chargee()->Lst_Data->font()).fixedPitch());
        return table.Chargee()->Lignes();  // the list's items
    };

    const QStringList avant = lignes();
    EXPECT_EQ(avant.mid(2), (QStringList{u"Date / Température      °C     "_s,
                                         u"05/12/2026 14:30:00    23.4    "_s,
                                         u"05/12/2026 14:40:00    23.5    "_s}));
    etat->Mesures(2).Humidite = 1.25f;
    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);
    graphe.Axes(1).Definir_Maximum(serre.Date(3));
    EXPECT_EQ(lignes(), avant);
    table.Chargee()->Mnu_Fermer->trigger();
    EXPECT_FALSE(table.Est_Chargee());
    EXPECT_EQ(lignes(), Lignes_Tableau::Lignes(*etat, {serre.Date(1), serre.Date(3), true}));
}
