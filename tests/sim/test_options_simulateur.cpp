// The simulator's command line: the logger it plays and the messages of a wrong option.
#include "Options_Simulateur.h"

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "core/Textes.h"

namespace {

// 15/06/2025 12:00:00: the clock origin is 01/01/2024.
const double Maintenant = Date_Depuis_Civil(2025, 6, 15, 12, 0, 0);

// The arguments separated by '|'.
std::optional<Options_Simulateur> Lire(const QString& arguments, QString* erreur = nullptr) {
    QString message;
    return Options_Simulateur::Lire(arguments.split(u'|', Qt::SkipEmptyParts), Maintenant,
                                    erreur ? *erreur : message);
}

// Numbers in one text, blank separated.
template <typename... Nombres>
QString Nombres_Texte(Nombres... nombres) {
    QStringList textes;
    (textes << ... << QString::number(nombres));
    return textes.join(u' ');
}

// Model, identity, unit; count, period, start, clock; thresholds, size, sleep; fault; port.
QString Joue(const Options_Simulateur& o) {
    const Memoire_Logger& m = o.memoire;
    return QString::fromLatin1(m.version + ' ' + m.identite + ' ' + m.unite) + u' ' +
           Nombres_Texte(m.mesures.size(), m.periode, m.debut_enreg, o.horloge, m.seuil_haut,
                         m.seuil_bas, m.code_taille, m.sans_veille, o.rythme_reel) +
           u' ' + Panne_Simulee::Nom(o.panne.type) +
           QLatin1Char(o.panne.commande ? o.panne.commande : '*') + u' ' + QString::number(o.port);
}

TEST(OptionsSimulateur, LoggerJoueParDefautOuDecritParLaLigneDeCommande) {
    const std::pair<const char*, const char*> cas[] = {
        // By default the recording ends now: 45921600 s after the origin.
        {"", "7306V12 SIMUL01 C 1000 60 45861600 45921600 300 0 5 0 0 aucune* 0"},
        {"--modele|7307|-i|CHAMBRE-FROIDE|--nombre|16000|--periode|7200|--debut|01/01/2024 "
         "00:01:00|--horloge|01/01/2024 00:00:10|--unite|f|--seuil-haut|25.5|--seuil-bas|-4|"
         "--sans-veille|--taille|3|--panne|pause|--panne-commande|D|-r|--port|3|--version-logger|"
         "7307V15",
         "7307V15 CHAMBRE- f 16000 7200 60 10 255 -40 3 1 1 pauseD 3"},
        // A recording replayed from a file, moved by --debut.
        {nullptr, "7306V12 FOUR01 C 12 60 30 45921600 300 0 5 0 0 aucune* 0"},
    };
    for (const auto& [arguments, joue] : cas) {
        const QString ligne = arguments ? QString::fromUtf8(arguments)
                                        : QStringLiteral("--charger|") + Fixture("four_7306.txt") +
                                              QStringLiteral("|--debut|01/01/2024 00:00:30");
        const std::optional<Options_Simulateur> o = Lire(ligne);
        ASSERT_TRUE(o) << ligne.toStdString();
        EXPECT_EQ(Joue(*o), QLatin1String(joue));
    }
    // The file's temperatures in the tenths a logger holds, halves to even.
    const std::optional<Options_Simulateur> fichier =
        Lire(QStringLiteral("--load|") + Fixture("four_7306.txt"));
    ASSERT_TRUE(fichier);
    QStringList dixiemes;
    for (const Mesure_Simulee& m : fichier->memoire.mesures)
        dixiemes << QString::number(m.temperature);
    EXPECT_EQ(dixiemes.join(u' '),
              QStringLiteral("500 555 602 650 700 725 724 726 719 650 550 -15"));
    EXPECT_TRUE(Lire(QStringLiteral("--aide"))->aide);
}

TEST(OptionsSimulateur, OptionsRefuseesAvecUnMessageEnFrancais) {
    const std::pair<QString, const char*> cas[] = {
        {QStringLiteral("--modele|7308"), "--modele : nombre entier de 7306 à 7307"},
        {QStringLiteral("--nombre|16001"), "--nombre"},
        {QStringLiteral("--periode|0"), "--periode"},
        {QStringLiteral("--unite|K"), "--unite : C, F, c ou f attendu"},
        {QStringLiteral("--debut|32/01/2024"), "--debut : date"},
        {QStringLiteral("--debut|01/01/2019"), "hors de l'horloge"},
        {QStringLiteral("--seuil-haut|chaud"), "--seuil-haut"},
        {QStringLiteral("--panne|fumee"), "« fumee » inconnue"},
        {QStringLiteral("--panne-commande|Z"), "--panne-commande"},
        {QStringLiteral("--port|256"), "--port"},
        {QStringLiteral("--inconnue"), "option inconnue : inconnue"},
        {QStringLiteral("/dev/ttyS0"), "argument inattendu"},
        {QStringLiteral("--charger|") + Fixture("absent.txt"), "fichier introuvable"},
        {QStringLiteral("--load|") + Fixture("tronque.txt"), "fichier d'enregistrements incorrect"},
    };
    for (const auto& [arguments, message] : cas) {
        QString erreur;
        EXPECT_FALSE(Lire(arguments, &erreur)) << arguments.toStdString();
        EXPECT_TRUE(erreur.contains(QString::fromUtf8(message))) << erreur.toStdString();
    }
}

}  // namespace
