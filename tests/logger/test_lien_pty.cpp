// The download as the user starts it, over the real serial link and its real pauses, against
// each fault the simulated logger plays: the result, the frames the logger received, the
// recording in memory (the logger's, or the one held before, whole), and a link clean again for
// the next command.
#include <gtest/gtest.h>

#include <cmath>

#include "Banc_Lien.h"
#include "Enregistrement_Essai.h"
#include "core/Textes.h"
#include "files/Fichier_Enreg.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Sequence_Telechargement.h"

namespace {

using Trames = QList<QByteArray>;

struct Cas_Panne {
    Panne panne;
    char commande;  // the one command that misbehaves, 0 for all
    int nb_mesures, code;
    Trames trames;  // after the opening's
};

class LienPty : public testing::TestWithParam<Cas_Panne> {};

TEST_P(LienPty, TelechargementFaceAChaquePanne) {
    const Cas_Panne& cas = GetParam();
    Banc_Lien banc(7307, cas.nb_mesures, {cas.panne, cas.commande});
    ASSERT_EQ(banc.lien.Ouverture_Port(1), 0);
    EXPECT_EQ(banc.port.Peripherique(), banc.dossier.filePath(QStringLiteral("ports/COM1")));
    const Trames ouverture = banc.Trames();
    Etat& etat = *banc.etat;
    Enregistrement_Essai().Identite(QStringLiteral("ANCIEN")).Constante(3, 4.5f).Remplir(etat);
    etat.Unite = QStringLiteral("°C & alarme %Hr");
    const QByteArray avant = Import_Export::Contenu_Fichier_Enreg(etat);

    EXPECT_EQ(Sequence_Telechargement::Telecharger(etat, banc.lien), cas.code);
    EXPECT_EQ(banc.Trames(), ouverture + cas.trames);
    if (cas.code != 0) {
        EXPECT_EQ(Import_Export::Contenu_Fichier_Enreg(etat), avant);
        EXPECT_EQ(etat.Unite, QStringLiteral("°C & alarme %Hr"));
        EXPECT_EQ(Texte_Date(etat.Date_Debut_Enreg), QStringLiteral("05/12/2026 08:00:00"));
    } else {
        EXPECT_EQ(etat.Identite_Logger, QStringLiteral("BANC-01"));
        EXPECT_EQ(etat.Nb_Mesures, 2 * cas.nb_mesures);
        EXPECT_EQ(etat.Unite, QStringLiteral("°F"));
        EXPECT_NEAR(etat.Date_Debut_Enreg, banc.debut, 0.01 * Une_Seconde);
        // Each measure stamped one second before the end of its period.
        const std::vector<Mesure_Simulee> envoyees = banc.Mesures();
        int ecarts = 0;
        for (int i = 1; i <= cas.nb_mesures; ++i) {
            const Mesure& m = etat.Mesures(i);
            const Mesure_Simulee& e = envoyees[static_cast<std::size_t>(i - 1)];
            ecarts += std::abs(m.Date_Heure - (banc.debut + (i * 60.0 - 1) * Une_Seconde)) >
                          0.01 * Une_Seconde ||
                      m.Temperature != e.temperature / 10.0f || m.Humidite != e.humidite / 10.0f;
        }
        EXPECT_EQ(ecarts, 0);
        const std::vector<int32_t>& p = banc.releve.progression;
        EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
        EXPECT_GE(p.empty() ? 0 : p.back(), 100);
    }
    // Whatever came late was thrown away with the failed attempts.
    EXPECT_EQ(Fonctions_Logger::Test_Logger(etat, banc.lien), 0);
    EXPECT_EQ(etat.Trame_Reception, QStringLiteral(">\r"));
}

const Trames Chaine = {"Q", "I", "I", "M", "D"};

INSTANTIATE_TEST_SUITE_P(
    Pannes, LienPty,
    testing::Values(Cas_Panne{Panne::Aucune, 0, Nb_Mesures_Max, 0, Chaine},
                    Cas_Panne{Panne::Deuxieme_Essai,
                              0,
                              Nb_Mesures_Max,
                              0,
                              {"Q", "Q", "I", "I", "I", "I", "M", "M", "D", "D"}},
                    Cas_Panne{Panne::Muet, 'I', 300, 1, {"Q", "I", "I", "I"}},
                    Cas_Panne{Panne::Pause, 'I', 300, 1, {"Q", "I", "I", "I"}},
                    Cas_Panne{
                        Panne::Sans_Retour_Chariot, 'M', 300, 1, {"Q", "I", "I", "M", "M", "M"}},
                    Cas_Panne{Panne::Mauvaise_Lettre, 'M', 300, 2, {"Q", "I", "I", "M"}},
                    Cas_Panne{Panne::Mesure_Illisible, 'D', 300, 2, Chaine},
                    Cas_Panne{Panne::Ligne_Trop_Longue, 0, 300, 2, Chaine},
                    Cas_Panne{Panne::Trop_De_Lignes, 0, 300, 2, Chaine}),
    [](const testing::TestParamInfo<Cas_Panne>& p) {
        return Panne_Simulee::Nom(p.param.panne).replace(u'-', u'_').toStdString();
    });

// A logger unplugged, then plugged back on another device behind the same port number: the
// next exchange opens the port again, without the user reopening it.
TEST(LienPty, LoggerDebrancheQuiRevientSurUnAutrePeripherique) {
    Banc_Lien banc(7306, 10);
    ASSERT_EQ(banc.lien.Ouverture_Port(1), 0);
    banc.sim.Debrancher();
    EXPECT_EQ(Fonctions_Logger::Lecture_Identite(*banc.etat, banc.lien), 1);
    Terminal_Simule rebranche(Logger_Simule(Memoire_Logger::Modele(7307)));
    QString erreur;
    ASSERT_TRUE(rebranche.Ouvrir(erreur) && rebranche.Lier_Port(banc.dossier.path(), 1, erreur))
        << erreur.toStdString();
    rebranche.Demarrer();
    EXPECT_EQ(Fonctions_Logger::Lecture_Version(*banc.etat, banc.lien), 0);
    EXPECT_EQ(banc.etat->Version_Logger, QStringLiteral("7307V12\r"));
    EXPECT_EQ(rebranche.Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); }),
              Trames({"I"}));
    banc.lien.Fermeture_Port();
}

}  // namespace
