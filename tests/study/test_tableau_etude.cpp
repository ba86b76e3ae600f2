// The cursor of the study's graph reads each curve at one instant: the record at or just before
// it, "—" when the recording has none yet.
#include <gtest/gtest.h>

#include "Enregistrement_Essai.h"
#include "study/Tableau_Etude.h"

namespace {

struct Cas {
    const char* nom;
    double secondes;  // after the first record
    const char* attendu;
};

class ReleveA : public ::testing::TestWithParam<Cas> {};

TEST_P(ReleveA, LeReleveAOuJusteAvantLInstant) {
    const Enregistrement_Essai essai = Enregistrement_Essai().Temperatures({20, 21.5, 23, 24});
    auto etat = essai.Etat_Rempli();
    // A file edited by hand: the third line stamped before the second.
    std::swap(etat->Mesures(2).Date_Heure, etat->Mesures(3).Date_Heure);
    EXPECT_EQ(Etude::Texte_Releve_A(*etat, essai.Date(1) + GetParam().secondes * Une_Seconde),
              QString::fromUtf8(GetParam().attendu))
        << GetParam().nom;
}

INSTANTIATE_TEST_SUITE_P(Curseur, ReleveA,
                         ::testing::Values(Cas{"avant_le_premier", -1, "—"},
                                           Cas{"sur_le_premier", 0, "20 °C"},
                                           Cas{"entre_deux_le_precedent", 90, "23 °C"},
                                           Cas{"sur_un_releve_deplace", 60, "23 °C"},
                                           Cas{"apres_le_dernier", 1e6, "24 °C"}),
                         [](const ::testing::TestParamInfo<Cas>& cas) {
                             return std::string(cas.param.nom);
                         });

}  // namespace
