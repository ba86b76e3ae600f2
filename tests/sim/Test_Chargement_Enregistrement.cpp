// A recordings file saved by the program, replayed by the simulated logger (--charger).
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "Logger_Simule.h"
#include "Options_Simulateur.h"
#include "Reponses.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

const double Maintenant = Date_Depuis_Civil(2025, 6, 15, 12, 0, 0);

class Chargement_Enregistrement : public testing::Test {
  protected:
    // A 7307 recording of three measures, period 120 s, first measure stamped 01/03/2025
    // 10:01:59, as the program saves it.
    QString Fichier_7307() {
        const auto etat = Etat::Nouveau();
        etat->Identite_Logger = QStringLiteral("SERRE");
        etat->Version_Logger = QStringLiteral("7307V12\r");
        etat->Periode_Enreg = 120;
        etat->Nb_Mesures = 6;
        const double premiere = Date_Depuis_Civil(2025, 3, 1, 10, 1, 59);
        const float valeurs[3][2] = {{21.5f, 56.7f}, {-1.5f, 100.0f}, {0.0f, 0.1f}};
        for (int i = 1; i <= 3; ++i) {
            etat->Mesures(i) = {premiere + (i - 1) * 120 * Une_Seconde, valeurs[i - 1][0],
                                valeurs[i - 1][1]};
        }
        const QString nom = dossier_.filePath(QStringLiteral("serre.txt"));
        EXPECT_EQ(Import_Export::Ecriture_Fichier_Enreg(*etat, nom),
                  Import_Export::Resultat_Ecriture::Ecrit);
        return nom;
    }

    std::optional<Options_Simulateur> Lire(QStringList arguments, QString& erreur) {
        return Options_Simulateur::Lire(arguments, Maintenant, erreur);
    }

    QTemporaryDir dossier_;
};

TEST_F(Chargement_Enregistrement, Le_Logger_Rejoue_Le_Fichier) {
    QString erreur;
    const std::optional<Options_Simulateur> o =
        Lire({QStringLiteral("--charger"), Fichier_7307(), QStringLiteral("--unite"),
              QStringLiteral("c")},
             erreur);
    ASSERT_TRUE(o.has_value()) << erreur.toStdString();
    Logger_Simule logger(o->memoire);
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i SERRE 7307V12\r"));
    // Started 01/03/2025 10:00:00: 425 days and 10 hours after the origin 01/01/2024, 0x230DA20.
    const int32_t debut = 425 * 86400 + 10 * 3600;
    EXPECT_EQ(o->memoire.debut_enreg, debut);
    EXPECT_EQ(Envoyer(logger, "D"),
              QByteArray("m 6 120 c 0230 DA20\rt 215 567\rt -15 1000\rt 0 1\r"));
}

TEST_F(Chargement_Enregistrement, Debut_Deplace_Par_La_Ligne_De_Commande) {
    QString erreur;
    const std::optional<Options_Simulateur> o =
        Lire({QStringLiteral("--load"), Fichier_7307(), QStringLiteral("--debut"),
              QStringLiteral("01/01/2024 00:00:30")},
             erreur);
    ASSERT_TRUE(o.has_value()) << erreur.toStdString();
    EXPECT_EQ(o->memoire.debut_enreg, 30);
    EXPECT_EQ(o->memoire.mesures.size(), 3u);
}

TEST_F(Chargement_Enregistrement, Fichier_Absent_Ou_Incorrect) {
    QString erreur;
    EXPECT_FALSE(
        Lire({QStringLiteral("--charger"), dossier_.filePath(QStringLiteral("absent.txt"))}, erreur)
            .has_value());
    EXPECT_TRUE(erreur.startsWith(QStringLiteral("fichier introuvable"))) << erreur.toStdString();

    const QString abime = dossier_.filePath(QStringLiteral("abime.txt"));
    QFile fichier(abime);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("[Identit\xe9 du Logger]\r\nX\r\n[Version du Logger]\r\n7306\r\n");
    fichier.close();
    EXPECT_FALSE(Lire({QStringLiteral("--charger"), abime}, erreur).has_value());
    EXPECT_TRUE(erreur.contains(QStringLiteral("incorrect"))) << erreur.toStdString();
}

}  // namespace
