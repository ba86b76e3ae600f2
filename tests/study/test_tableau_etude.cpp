// The cursor of the study's graph reads each curve at one instant: the record at or just before
// it, "—" when the recording has none yet.

#include "Enregistrement_Essai.h"
#include "study/Tableau_Etude.h"

TEST(Curseur, LeReleveAOuJusteAvantLInstant) {
    const Enregistrement_Essai essai = Enregistrement_Essai().Temperatures({20, 21.5, 23, 24});
    auto etat = essai.Etat_Rempli();
    // A file edited by hand: the third line stamped before the second.
    std::swap(etat->Mesures(2).Date_Heure, etat->Mesures(3).Date_Heure);
    const struct {
        const char* nom;
        double secondes;  // after the first record
        const char* attendu;
    } cas[] = {{"avant le premier", -1, "—"},
               {"sur un relevé déplacé, pas le précédent dans le fichier", 60, "23 °C"},
               {"après le dernier", 1e6, "24 °C"}};
    for (const auto& c : cas) {
        EXPECT_EQ(Etude::Texte_Releve_A(*etat, essai.Date(1) + c.secondes * Une_Seconde),
                  QString::fromUtf8(c.attendu))
            << c.nom;
    }
}
