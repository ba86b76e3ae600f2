// A full recording of 16000 measures downloaded over a pseudo-terminal, as the user starts it.
#include <gtest/gtest.h>

#include "Banc_Lien.h"
#include "core/Textes.h"
#include "logger/Sequence_Telechargement.h"

namespace {

class Telechargement_Pty : public testing::TestWithParam<int> {};

TEST_P(Telechargement_Pty, Enregistrement_Complet_Mesures_Et_Horodatage) {
    const int modele = GetParam();
    Banc_Lien banc(modele, Nb_Mesures_Max);
    ASSERT_EQ(banc.Ouvrir(), 0);
    ASSERT_EQ(Sequence_Telechargement::Telecharger(banc.etat, banc.lien), 0);

    EXPECT_EQ(banc.Trames(), QList<QByteArray>({"Q", "Q", "I", "I", "M", "D"}));
    const Etat& etat = banc.etat;
    EXPECT_EQ(etat.Identite_Logger, QStringLiteral("BANC-01"));
    EXPECT_EQ(etat.Nb_Mesures, modele == 7307 ? 2 * Nb_Mesures_Max : Nb_Mesures_Max);
    EXPECT_EQ(etat.Periode_Enreg, 60);
    EXPECT_NEAR(etat.Date_Debut_Enreg, banc.debut, 0.01 * Une_Seconde);

    const std::vector<Mesure_Simulee> envoyees = banc.Memoire().mesures;
    ASSERT_EQ(envoyees.size(), static_cast<std::size_t>(Nb_Mesures_Max));
    int ecarts = 0;
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        const Mesure& m = etat.Mesures(i);
        const Mesure_Simulee& e = envoyees[static_cast<std::size_t>(i - 1)];
        // Stamped one second before the end of its period: start + (i × period − 1) s.
        const double attendu = banc.debut + (i * 60.0 - 1) * Une_Seconde;
        const float humidite = modele == 7307 ? e.humidite / 10.0f : 0.0f;
        if (std::abs(m.Date_Heure - attendu) > 0.01 * Une_Seconde ||
            m.Temperature != e.temperature / 10.0f || m.Humidite != humidite) {
            if (++ecarts <= 5) {
                ADD_FAILURE() << "measure " << i << ": " << Texte_Date(m.Date_Heure).toStdString()
                              << " " << m.Temperature << " " << m.Humidite << ", expected "
                              << Texte_Date(attendu).toStdString() << " " << e.temperature / 10.0f
                              << " " << humidite;
            }
        }
    }
    EXPECT_EQ(ecarts, 0);
    EXPECT_EQ(Texte_Date(etat.Mesures(1).Date_Heure), Texte_Date(banc.debut + 59 * Une_Seconde));

    // The progress window climbed to full while the measures streamed in.
    const std::vector<int32_t>& p = banc.affichage.progression;
    ASSERT_FALSE(p.empty());
    EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
    EXPECT_GE(p.back(), 100);
}

INSTANTIATE_TEST_SUITE_P(Modeles, Telechargement_Pty, testing::Values(7306, 7307));

}  // namespace
