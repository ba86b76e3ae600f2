// A logger that misbehaves during one exchange, over the real link and its real pauses: the
// result code, the frames it was sent, the shared record left as it was, and a link that is
// clean again for the next command.
#include <gtest/gtest.h>

#include "Banc_Lien.h"
#include "logger/Fonctions_Logger.h"

namespace {

using namespace Fonctions_Logger;
using Trames = QList<QByteArray>;

const QString En_Cours = QStringLiteral("Communication en cours");
const QString Pret = QStringLiteral("Pret");
const QString Sans_Reponse = QStringLiteral("Pas de réponse");

struct Cas_Panne {
    Panne panne;
    char commande;
    uint8_t (*lecture)(Etat&, Communication&);
    uint8_t code;
    Trames trames;  // after the opening's Q
};

class Pannes_Echange_Pty : public testing::TestWithParam<Cas_Panne> {};

TEST_P(Pannes_Echange_Pty, Code_Trames_Et_Etat_Partage_Inchange) {
    const Cas_Panne& cas = GetParam();
    Banc_Lien banc(7306, 10, {cas.panne, cas.commande});
    ASSERT_EQ(banc.Ouvrir(), 0);
    Enregistrement_Precedent(banc.etat);
    banc.affichage.etats.clear();

    EXPECT_EQ(cas.lecture(banc.etat, banc.lien), cas.code);
    EXPECT_EQ(banc.Trames(), Trames({"Q"}) + cas.trames);
    const QStringList etats =
        cas.code == 1
            ? QStringList({En_Cours, Sans_Reponse, En_Cours, Sans_Reponse, En_Cours, Sans_Reponse})
            : QStringList({En_Cours, Pret});
    EXPECT_EQ(banc.affichage.etats, etats);
    Attendre_Enregistrement_Precedent(banc.etat);

    // Whatever came late was thrown away with the failed attempts.
    EXPECT_EQ(Test_Logger(banc.etat, banc.lien), 0);
    EXPECT_EQ(banc.etat.Trame_Reception, QStringLiteral(">\r"));
}

INSTANTIATE_TEST_SUITE_P(
    Pannes, Pannes_Echange_Pty,
    testing::Values(Cas_Panne{Panne::Muet, 'I', Lecture_Identite, 1, {"I", "I", "I"}},
                    Cas_Panne{Panne::Sans_Retour_Chariot, 'M', Lecture_Etat, 1, {"M", "M", "M"}},
                    Cas_Panne{Panne::Pause, 'I', Lecture_Version, 1, {"I", "I", "I"}},
                    Cas_Panne{Panne::Mauvaise_Lettre, 'M', Lecture_Etat, 2, {"M"}}),
    [](const testing::TestParamInfo<Cas_Panne>& parametre) {
        QString nom = Panne_Simulee::Nom(parametre.param.panne);
        return nom.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

TEST(Pannes_Echange_Pty, Reponse_Au_Deuxieme_Essai_Code_0) {
    Banc_Lien banc(7306, 10, {Panne::Deuxieme_Essai, 0});
    EXPECT_EQ(banc.Ouvrir(), 0);
    EXPECT_EQ(banc.Trames(), Trames({"Q", "Q"}));
    banc.affichage.etats.clear();
    EXPECT_EQ(Lecture_Identite(banc.etat, banc.lien), 0);
    EXPECT_EQ(banc.Trames(), Trames({"Q", "Q", "I", "I"}));
    EXPECT_EQ(banc.affichage.etats, QStringList({En_Cours, Sans_Reponse, En_Cours, Pret}));
    EXPECT_EQ(banc.etat.Identite_Logger, QStringLiteral("BANC-01"));
}

TEST(Pannes_Echange_Pty, Logger_Debranche_Puis_Rebranche_Sans_Rouvrir_Le_Port) {
    Banc_Lien banc(7306, 10);
    ASSERT_EQ(banc.Ouvrir(), 0);
    banc.sim.Debrancher();
    EXPECT_EQ(Lecture_Identite(banc.etat, banc.lien), 1);

    // Plugged back, it comes up on another device behind the same port number.
    Terminal_Simule rebranche(Logger_Simule(Memoire_Logger::Modele(7307)));
    QString erreur;
    ASSERT_TRUE(rebranche.Ouvrir(erreur)) << erreur.toStdString();
    ASSERT_TRUE(rebranche.Lier_Port(banc.dossier.path(), Banc_Lien::Port, erreur));
    rebranche.Demarrer();
    EXPECT_EQ(Lecture_Version(banc.etat, banc.lien), 0);
    EXPECT_EQ(banc.etat.Version_Logger, QStringLiteral("7307V12\r"));
    EXPECT_EQ(rebranche.Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); }),
              Trames({"I"}));
    banc.lien.Fermeture_Port();
}
}  // namespace
