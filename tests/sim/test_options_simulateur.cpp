// The simulator's command line: the logger it plays and the messages of a wrong option.
#include "Options_Simulateur.h"

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "core/Textes.h"

namespace {

// 15/06/2025 12:00:00: the clock origin is 01/01/2024, the previous one 01/01/2021.
const double Maintenant = Date_Depuis_Civil(2025, 6, 15, 12, 0, 0);
constexpr int32_t Secondes_Depuis_2024 = 531 * 86400 + 12 * 3600;

// The arguments separated by '|'.
std::optional<Options_Simulateur> Lire(const char* arguments, QString* erreur = nullptr) {
    QString message;
    const QStringList liste = QString::fromUtf8(arguments).split(u'|', Qt::SkipEmptyParts);
    std::optional<Options_Simulateur> o = Options_Simulateur::Lire(liste, Maintenant, message);
    if (erreur) *erreur = message;
    return o;
}

TEST(OptionsSimulateur, ParDefautUn7306DontLEnregistrementFinitMaintenant) {
    const std::optional<Options_Simulateur> o = Lire("");
    ASSERT_TRUE(o);
    const Memoire_Logger& m = o->memoire;
    EXPECT_EQ(m.version + ' ' + m.identite + ' ' + m.unite, QByteArray("7306V12 SIMUL01 C"));
    EXPECT_EQ(m.mesures.size(), 1000u);
    EXPECT_EQ(m.periode, 60);
    EXPECT_EQ(o->horloge, Secondes_Depuis_2024);
    EXPECT_EQ(m.debut_enreg, Secondes_Depuis_2024 - 1000 * 60);
    EXPECT_EQ(o->panne.type, Panne::Aucune);
    EXPECT_FALSE(o->rythme_reel || o->aide);
    EXPECT_EQ(o->port, 0);
    EXPECT_TRUE(Lire("--aide")->aide);
    EXPECT_EQ(Lire("--version-logger|7307V15")->memoire.version, QByteArray("7307V15"));
}

TEST(OptionsSimulateur, LoggerDecritParLaLigneDeCommande) {
    const std::optional<Options_Simulateur> o = Lire(
        "--modele|7307|-i|CHAMBRE-FROIDE|--nombre|16000|--periode|7200|--debut|"
        "01/01/2024 00:01:00|--unite|f|--seuil-haut|25.5|--seuil-bas|-4|--sans-veille|"
        "--taille|3|--panne|pause|--panne-commande|D|-r|--port|3|--dossier|/tmp/caldrix|"
        "--journal|trames.txt|--horloge|01/01/2024 00:00:10");
    ASSERT_TRUE(o);
    const Memoire_Logger& m = o->memoire;
    EXPECT_EQ(m.version + ' ' + m.identite + ' ' + m.unite, QByteArray("7307V12 CHAMBRE- f"));
    EXPECT_EQ(m.mesures.size(), 16000u);
    EXPECT_EQ(m.periode, 7200);
    EXPECT_EQ(m.debut_enreg, 60);
    EXPECT_EQ(o->horloge, 10);
    EXPECT_EQ(m.seuil_haut, 255);
    EXPECT_EQ(m.seuil_bas, -40);
    EXPECT_TRUE(m.sans_veille && o->rythme_reel);
    EXPECT_EQ(m.code_taille, 3);
    EXPECT_EQ(o->panne.type, Panne::Pause);
    EXPECT_EQ(o->panne.commande, 'D');
    EXPECT_EQ(o->port, 3);
    EXPECT_EQ(o->dossier + u' ' + o->journal, QStringLiteral("/tmp/caldrix trames.txt"));
    // A recording replayed from a file, moved by --debut.
    const QByteArray charger = "--charger|" + Fixture("four_7306.txt").toUtf8();
    const std::optional<Options_Simulateur> f =
        Lire((charger + "|--debut|01/01/2024 00:00:30").constData());
    ASSERT_TRUE(f);
    EXPECT_EQ(f->memoire.identite, QByteArray("FOUR01"));
    EXPECT_EQ(f->memoire.debut_enreg, 30);
    EXPECT_EQ(f->memoire.mesures.size(), 12u);
}

// Counted from the present origin, or from the previous one, as the program reads them back.
TEST(OptionsSimulateur, HorlogeCompteeDepuisLOrigineDeSaPeriode) {
    EXPECT_EQ(Options_Simulateur::Compte_Horloge(Date_Depuis_Civil(2024, 1, 1, 0, 1), Maintenant),
              60);
    EXPECT_EQ(
        Options_Simulateur::Compte_Horloge(Date_Depuis_Civil(2023, 12, 31, 23, 59), Maintenant),
        3 * 365 * 86400 - 60);
    EXPECT_FALSE(Options_Simulateur::Compte_Horloge(Date_Depuis_Civil(2020, 12, 31), Maintenant));
}

TEST(OptionsSimulateur, OptionsRefuseesAvecUnMessageEnFrancais) {
    const QByteArray absent = "--charger|" + Fixture("absent.txt").toUtf8();
    const QByteArray tronque = "--load|" + Fixture("tronque.txt").toUtf8();
    const std::pair<const char*, const char*> cas[] = {
        {"--modele|7308", "--modele : nombre entier de 7306 à 7307"},
        {"--nombre|16001", "--nombre"},
        {"--periode|0", "--periode"},
        {"--unite|K", "--unite : C, F, c ou f attendu"},
        {"--debut|32/01/2024", "--debut : date"},
        {"--debut|01/01/2019", "hors de l'horloge"},
        {"--seuil-haut|chaud", "--seuil-haut"},
        {"--panne|fumee", "« fumee » inconnue"},
        {"--panne-commande|Z", "--panne-commande"},
        {"--port|256", "--port"},
        {"--inconnue", "option inconnue : inconnue"},
        {"/dev/ttyS0", "argument inattendu"},
        {absent.constData(), "fichier introuvable"},
        {tronque.constData(), "fichier d'enregistrements incorrect"},
    };
    for (const auto& [arguments, message] : cas) {
        QString erreur;
        EXPECT_FALSE(Lire(arguments, &erreur)) << arguments;
        EXPECT_TRUE(erreur.contains(QString::fromUtf8(message))) << erreur.toStdString();
    }
}

}  // namespace
