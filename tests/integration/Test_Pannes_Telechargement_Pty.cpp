// A download reply that cannot be read: error 2, and the recording already in memory stays
// exactly as it was, so that a later save never mixes two recordings.
#include <gtest/gtest.h>

#include "Banc_Lien.h"
#include "logger/Sequence_Telechargement.h"

namespace {

class Pannes_Telechargement_Pty : public testing::TestWithParam<Panne> {};

TEST_P(Pannes_Telechargement_Pty, Erreur_2_Et_Enregistrement_Precedent_Intact) {
    Banc_Lien banc(7306, 500, {GetParam(), 0});
    ASSERT_EQ(banc.Ouvrir(), 0);
    Enregistrement_Precedent(banc.etat);
    EXPECT_EQ(Sequence_Telechargement::Telecharger(banc.etat, banc.lien), 2);
    EXPECT_EQ(banc.Trames(), QList<QByteArray>({"Q", "Q", "I", "I", "M", "D"}));
    Attendre_Enregistrement_Precedent(banc.etat);
}

INSTANTIATE_TEST_SUITE_P(Reponses_Illisibles, Pannes_Telechargement_Pty,
                         testing::Values(Panne::Mesure_Illisible, Panne::Ligne_Trop_Longue,
                                         Panne::Trop_De_Lignes),
                         [](const testing::TestParamInfo<Panne>& parametre) {
                             QString nom = Panne_Simulee::Nom(parametre.param);
                             return nom.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

}  // namespace
