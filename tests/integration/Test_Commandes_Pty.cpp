// Every logger command through the real serial link, against the simulated logger on a
// pseudo-terminal: the frame the logger received and what the reply left in the shared record.
#include <gtest/gtest.h>

#include "Banc_Lien.h"
#include "core/Global.h"
#include "core/Textes.h"
#include "logger/Fonctions_Logger.h"

namespace {

using namespace Fonctions_Logger;
using Trames = QList<QByteArray>;

constexpr double Une_Seconde_Jour = 1.0 / 86400.0;

TEST(Commandes_Pty, Ouverture_Trouve_Le_Logger_Par_Le_Dossier_Du_Programme) {
    Banc_Lien banc(7306, 10);
    EXPECT_EQ(banc.Ouvrir(), 0);
    EXPECT_EQ(banc.port.Peripherique(), banc.dossier.filePath(QStringLiteral("ports/COM1")));
    EXPECT_EQ(banc.Trames(), Trames({"Q"}));
    EXPECT_EQ(banc.affichage.etats,
              QStringList({QStringLiteral("Communication en cours"), QStringLiteral("Pret")}));

    // The program closes the port (port choice, shutdown) and opens it again.
    banc.lien.Fermeture_Port();
    EXPECT_FALSE(banc.port.Est_Ouvert());
    EXPECT_EQ(banc.Ouvrir(), 0);
    EXPECT_EQ(banc.Trames(), Trames({"Q", "Q"}));
}

TEST(Commandes_Pty, Ouverture_Sur_Une_Reponse_Qui_N_Est_Pas_Celle_D_Un_Logger) {
    Banc_Lien banc(7306, 10, {Panne::Mauvaise_Lettre, 'Q'});
    EXPECT_EQ(banc.Ouvrir(), 2);
    EXPECT_EQ(banc.Trames(), Trames({"Q"}));
}

class Lectures_Pty : public testing::TestWithParam<int> {};

TEST_P(Lectures_Pty, Version_Identite_Et_Etat_Dans_L_Etat_Partage) {
    const int modele = GetParam();
    Banc_Lien banc(modele, 120);
    ASSERT_EQ(banc.Ouvrir(), 0);
    ASSERT_EQ(Lecture_Version(banc.etat, banc.lien), 0);
    ASSERT_EQ(Lecture_Identite(banc.etat, banc.lien), 0);
    ASSERT_EQ(Lecture_Etat(banc.etat, banc.lien), 0);

    EXPECT_EQ(banc.Trames(), Trames({"Q", "I", "I", "M"}));
    EXPECT_EQ(banc.etat.Version_Logger, QString::number(modele) + QStringLiteral("V12\r"))
        << "the version keeps the line's carriage return";
    EXPECT_EQ(Est_Modele_7307(banc.etat.Version_Logger), modele == 7307);
    EXPECT_EQ(banc.etat.Identite_Logger, QStringLiteral("BANC-01"));
    EXPECT_EQ(banc.etat.Nb_Mesures, modele == 7307 ? 240 : 120);
    EXPECT_EQ(banc.etat.Periode_Enreg, 60);
    EXPECT_EQ(banc.etat.Unite, QStringLiteral("°F"));
    EXPECT_NEAR(banc.etat.Date_Debut_Enreg, banc.debut, 0.01 * Une_Seconde_Jour)
        << Texte_Date(banc.etat.Date_Debut_Enreg).toStdString() << " for "
        << Texte_Date(banc.debut).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Modeles, Lectures_Pty, testing::Values(7306, 7307));

// The programming window's order: thresholds, clock, identity, start.
TEST(Commandes_Pty, Programmation_Trames_Envoyees_Et_Logger_Reprogramme) {
    Banc_Lien banc(7307, 50);
    ASSERT_EQ(banc.Ouvrir(), 0);

    banc.etat.Seuil_Haut = 250;
    banc.etat.Seuil_Bas = -60;
    EXPECT_EQ(Ecriture_Alarmes(banc.etat, banc.lien, banc.etat.Seuil_Bas, banc.etat.Seuil_Haut), 0);
    EXPECT_EQ(banc.Trames().constLast(), QByteArray("A 1940 -490"));
    EXPECT_EQ(banc.etat.Seuil_Haut, 194.0f);
    EXPECT_EQ(banc.etat.Seuil_Bas, -49.0f);
    EXPECT_EQ(banc.Memoire().seuil_haut, 1940);
    EXPECT_EQ(banc.Memoire().seuil_bas, -490);

    const double maintenant = banc.horloge.Maintenant();
    EXPECT_EQ(Ecriture_Horloge(banc.etat, banc.lien, maintenant), 0);
    const QByteArray trame_horloge = banc.Trames().constLast();
    EXPECT_EQ(trame_horloge, "C " + Global::Conversion_Secondes(banc.etat, maintenant).toLatin1());
    EXPECT_NEAR(banc.sim.Avec_Logger([](Logger_Simule& l) { return l.Horloge(); }),
                banc.Compte_Maintenant(), 2);

    EXPECT_EQ(Ecriture_Identite(banc.etat, banc.lien, QStringLiteral("ABCDEFGHIJKL"), true), 0);
    EXPECT_EQ(banc.Trames().constLast(), QByteArray("J ABCDEFGH 1"));
    EXPECT_TRUE(banc.Memoire().sans_veille);

    EXPECT_EQ(Demarrage_Enreg(banc.etat, banc.lien, 0, QStringLiteral("°C & alarme %Hr"),
                              maintenant - 60 * Une_Seconde_Jour, 16000),
              0);
    EXPECT_EQ(banc.Trames().constLast(), QByteArray("S 900 c 20 5"))
        << "period 0 goes as 900, a start in the past as 20";

    // What the logger now says of itself.
    ASSERT_EQ(Lecture_Identite(banc.etat, banc.lien), 0);
    EXPECT_EQ(banc.etat.Identite_Logger, QStringLiteral("ABCDEFGH"));
    ASSERT_EQ(Lecture_Etat(banc.etat, banc.lien), 0);
    EXPECT_EQ(banc.etat.Nb_Mesures, 0);
    EXPECT_EQ(banc.etat.Periode_Enreg, 900);
    EXPECT_EQ(banc.etat.Unite, QStringLiteral("°C & alarme %Hr"));
    EXPECT_NEAR(banc.etat.Date_Debut_Enreg, maintenant, 3 * Une_Seconde_Jour)
        << "an immediate start begins at the clock just set";
    // A campaign just started holds nothing yet: a download of it succeeds with no measure.
    EXPECT_EQ(Telechargement(banc.etat, banc.lien), 0);
    EXPECT_EQ(banc.etat.Nb_Mesures, 0);

    EXPECT_EQ(banc.Trames(), Trames({"Q", "A 1940 -490", trame_horloge, "J ABCDEFGH 1",
                                     "S 900 c 20 5", "I", "M", "D"}));
}

TEST(Commandes_Pty, Demarrage_Differe_Envoye_En_Secondes_Depuis_L_Origine) {
    Banc_Lien banc(7306, 10);
    ASSERT_EQ(banc.Ouvrir(), 0);
    const double depart = std::floor(banc.horloge.Maintenant() * 86400 + 3600) / 86400;
    EXPECT_EQ(Demarrage_Enreg(banc.etat, banc.lien, 7200, QStringLiteral("°F"), depart, 1000), 0);
    const QByteArray compte = Global::Conversion_Secondes(banc.etat, depart).toLatin1();
    EXPECT_EQ(banc.Trames().constLast(), "S 7200 F " + compte + " 0");
    EXPECT_EQ(banc.Memoire().debut_enreg, compte.toInt());
    EXPECT_EQ(banc.Memoire().code_taille, 0);
}

}  // namespace
