// The simulator's command line: the logger it plays and the messages of a wrong option.
#include "Options_Simulateur.h"

#include <gtest/gtest.h>

#include "core/Textes.h"

namespace {

// 15/06/2025 12:00:00: the clock origin is 01/01/2024, the previous one 01/01/2021.
const double Maintenant = Date_Depuis_Civil(2025, 6, 15, 12, 0, 0);
constexpr int32_t Secondes_Depuis_2024 = (366 + 31 + 28 + 31 + 30 + 31 + 14) * 86400 + 12 * 3600;

std::optional<Options_Simulateur> Lire(const QStringList& arguments, QString* erreur = nullptr) {
    QString message;
    std::optional<Options_Simulateur> options =
        Options_Simulateur::Lire(arguments, Maintenant, message);
    if (erreur) *erreur = message;
    return options;
}

TEST(Options_Simulateur, Par_Defaut_Un_7306_Dont_L_Enregistrement_Finit_Maintenant) {
    const std::optional<Options_Simulateur> o = Lire({});
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(o->memoire.version, QByteArray("7306V12"));
    EXPECT_EQ(o->memoire.mesures.size(), 1000u);
    EXPECT_EQ(o->memoire.periode, 60);
    EXPECT_EQ(o->memoire.unite, 'C');
    EXPECT_EQ(o->horloge, Secondes_Depuis_2024);
    EXPECT_EQ(o->memoire.debut_enreg, Secondes_Depuis_2024 - 1000 * 60);
    EXPECT_EQ(o->panne.type, Panne::Aucune);
    EXPECT_FALSE(o->rythme_reel);
    EXPECT_EQ(o->port, 0);
}

TEST(Options_Simulateur, Logger_Decrit_Par_La_Ligne_De_Commande) {
    const std::optional<Options_Simulateur> o = Lire({QStringLiteral("--modele"),
                                                      QStringLiteral("7307"),
                                                      QStringLiteral("-i"),
                                                      QStringLiteral("CHAMBRE-FROIDE"),
                                                      QStringLiteral("--nombre"),
                                                      QStringLiteral("16000"),
                                                      QStringLiteral("--periode"),
                                                      QStringLiteral("7200"),
                                                      QStringLiteral("--debut"),
                                                      QStringLiteral("01/01/2024 00:01:00"),
                                                      QStringLiteral("--unite"),
                                                      QStringLiteral("f"),
                                                      QStringLiteral("--seuil-haut"),
                                                      QStringLiteral("25.5"),
                                                      QStringLiteral("--seuil-bas"),
                                                      QStringLiteral("-4"),
                                                      QStringLiteral("--sans-veille"),
                                                      QStringLiteral("--taille"),
                                                      QStringLiteral("3"),
                                                      QStringLiteral("--panne"),
                                                      QStringLiteral("pause"),
                                                      QStringLiteral("--panne-commande"),
                                                      QStringLiteral("D"),
                                                      QStringLiteral("-r"),
                                                      QStringLiteral("--port"),
                                                      QStringLiteral("3"),
                                                      QStringLiteral("--dossier"),
                                                      QStringLiteral("/tmp/caldrix"),
                                                      QStringLiteral("--journal"),
                                                      QStringLiteral("trames.txt")});
    ASSERT_TRUE(o.has_value());
    const Memoire_Logger& m = o->memoire;
    EXPECT_EQ(m.version, QByteArray("7307V12"));
    EXPECT_EQ(m.identite, QByteArray("CHAMBRE-")) << "8 characters at most";
    EXPECT_EQ(m.mesures.size(), 16000u);
    EXPECT_TRUE(m.Est_7307());
    EXPECT_EQ(m.periode, 7200);
    EXPECT_EQ(m.debut_enreg, 60);
    EXPECT_EQ(m.unite, 'f');
    EXPECT_EQ(m.seuil_haut, 255);
    EXPECT_EQ(m.seuil_bas, -40);
    EXPECT_TRUE(m.sans_veille);
    EXPECT_EQ(m.code_taille, 3);
    EXPECT_EQ(o->panne.type, Panne::Pause);
    EXPECT_EQ(o->panne.commande, 'D');
    EXPECT_TRUE(o->rythme_reel);
    EXPECT_EQ(o->port, 3);
    EXPECT_EQ(o->dossier, QStringLiteral("/tmp/caldrix"));
    EXPECT_EQ(o->journal, QStringLiteral("trames.txt"));
}

TEST(Options_Simulateur, Horloge_Comptee_Depuis_L_Origine_De_Sa_Periode) {
    EXPECT_EQ(
        Options_Simulateur::Compte_Horloge(Date_Depuis_Civil(2024, 1, 1, 0, 1, 0), Maintenant), 60);
    // Before the present origin: counted from the previous one, as the program reads it back.
    EXPECT_EQ(
        Options_Simulateur::Compte_Horloge(Date_Depuis_Civil(2023, 12, 31, 23, 59, 0), Maintenant),
        3 * 365 * 86400 - 60);
    EXPECT_FALSE(Options_Simulateur::Compte_Horloge(Date_Depuis_Civil(2020, 12, 31), Maintenant)
                     .has_value());
}

TEST(Options_Simulateur, Version_Donnee_Decide_Du_Modele) {
    const std::optional<Options_Simulateur> o =
        Lire({QStringLiteral("--version-logger"), QStringLiteral("7307V15"), QStringLiteral("-n"),
              QStringLiteral("2")});
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(o->memoire.version, QByteArray("7307V15"));
    EXPECT_TRUE(o->memoire.Est_7307());
}

TEST(Options_Simulateur, Aide) {
    const std::optional<Options_Simulateur> o = Lire({QStringLiteral("--help")});
    ASSERT_TRUE(o.has_value());
    EXPECT_TRUE(o->aide);
    EXPECT_TRUE(Lire({QStringLiteral("--aide")})->aide);
}

TEST(Options_Simulateur, Options_Refusees_Avec_Un_Message_En_Francais) {
    struct Cas {
        QStringList arguments;
        const char* message;  // UTF-8, part of the message
    };
    const Cas cas[] = {
        {{QStringLiteral("--modele"), QStringLiteral("7308")},
         "--modele : nombre entier de 7306 à 7307"},
        {{QStringLiteral("--nombre"), QStringLiteral("16001")}, "--nombre"},
        {{QStringLiteral("--periode"), QStringLiteral("0")}, "--periode"},
        {{QStringLiteral("--unite"), QStringLiteral("K")}, "--unite : C, F, c ou f attendu"},
        {{QStringLiteral("--debut"), QStringLiteral("32/01/2024")}, "--debut : date"},
        {{QStringLiteral("--debut"), QStringLiteral("01/01/2019")}, "hors de l'horloge"},
        {{QStringLiteral("--seuil-haut"), QStringLiteral("chaud")}, "--seuil-haut"},
        {{QStringLiteral("--panne"), QStringLiteral("fumee")}, "« fumee » inconnue"},
        {{QStringLiteral("--panne-commande"), QStringLiteral("Z")}, "--panne-commande"},
        {{QStringLiteral("--inconnue")}, "option inconnue : inconnue"},
        {{QStringLiteral("/dev/ttyS0")}, "argument inattendu"},
    };
    for (const Cas& c : cas) {
        QString erreur;
        EXPECT_FALSE(Lire(c.arguments, &erreur).has_value())
            << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(erreur.contains(QString::fromUtf8(c.message))) << erreur.toStdString();
    }
}

TEST(Options_Simulateur, Aide_Decrit_Chaque_Panne) {
    const QString aide = Options_Simulateur::Aide();
    for (const QString& nom : Panne_Simulee::Noms()) {
        EXPECT_TRUE(aide.contains(nom)) << nom.toStdString();
    }
}

}  // namespace
