// The cursor readout written into the status line.
#include "Essai_Fenetres.h"
#include "tools/Affiche_Valeur_Curseur.h"

// Both cursors go to the record nearest to the time, and the status line reads its date and
// time, its temperature, and the minutes of cooking when that curve is shown (the %Hr of a 7307
// are read through the main window's graph).
TEST(LectureCurseur, LaBarreDEtatLitLEnregistrementLePlusProche) {
    const struct {
        Enregistrement_Essai enregistrement;
        bool cuisson;
        int record;
        const char* lecture;
    } cas[] = {
        {Enregistrement_Essai().Temperatures({21, 23.4f, 25.25f}), false, 3,
         "05/12/2026 08:02:00  25.2°C"},
        {Enregistrement_Essai().Temperatures({50, 71.3f, 80}), true, 2,
         "05/12/2026 08:01:00  71.3°C  12.2minutes"},
        {Enregistrement_Essai().Debut(Date_Depuis_Civil(2026, 12, 6)).Temperatures({-0.04f}), false,
         1, "06/12/2026 00:00:00  0°C"},
    };
    for (const auto& c : cas) {
        auto etat = c.enregistrement.Etat_Rempli();
        CWGraph graphe;
        Etats_Releves etats;
        Graphique::Affiche_Courbes(*etat, graphe);
        etat->Mesures(2).Humidite = 12.25f;
        if (c.cuisson) Graphique::Affiche_Courbe_Cuisson(*etat, graphe);

        Global::Affiche_Valeur_Curseur(*etat, graphe, etats,
                                       c.enregistrement.Date(c.record) + 5 * Une_Seconde);

        EXPECT_EQ(etats.textes, QStringList{QString::fromUtf8(c.lecture)});
        EXPECT_DOUBLE_EQ(graphe.Cursors(1).X(), c.enregistrement.Date(c.record));
    }
}
