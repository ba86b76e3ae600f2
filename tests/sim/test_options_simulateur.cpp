// The simulator's command line: the logger it plays, or the message of a wrong option.
#include "Impression_Qt.h"
#include "Options_Simulateur.h"

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "core/Textes.h"

using namespace Qt::StringLiterals;

namespace {

// 15/06/2025 12:00:00: the clock origin is 01/01/2024.
const double Maintenant = Date_Depuis_Civil(2025, 6, 15, 12, 0, 0);

// Model, identity, unit; count, period, start, clock; thresholds, size, sleep; fault; port.
QString Joue(const Options_Simulateur& o) {
    const Memoire_Logger& m = o.memoire;
    return QString::asprintf("%s %s %c %zu %d %d %d %d %d %d %d %d %s%c %d", m.version.constData(),
                             m.identite.constData(), m.unite, m.mesures.size(), m.periode,
                             m.debut_enreg, o.horloge, m.seuil_haut, m.seuil_bas, m.code_taille,
                             m.sans_veille, o.rythme_reel,
                             qPrintable(Panne_Simulee::Nom(o.panne.type)),
                             o.panne.commande ? o.panne.commande : '*', o.port);
}

// The logger the arguments, separated by '|', make it play, within brackets; or the message of
// their refusal.
QString Lire(const QString& arguments) {
    const Ou_Erreur<Options_Simulateur> o =
        Options_Simulateur::Lire(arguments.split(u'|', Qt::SkipEmptyParts), Maintenant);
    return o ? u'[' + Joue(*o) + u']' : o.Erreur();
}

TEST(OptionsSimulateur, LoggerJoueOuOptionsRefuseesAvecUnMessageEnFrancais) {
    const std::pair<QString, const char*> cas[] = {
        // By default the recording ends now: 45921600 s after the origin.
        {u""_s, "[7306V12 SIMUL01 C 1000 60 45861600 45921600 300 0 5 0 0 aucune* 0]"},
        {u"--modele|7307|-i|CHAMBRE-FROIDE|--nombre|16000|--periode|7200|--debut|01/01/2024 "
         "00:01:00|--horloge|01/01/2024 00:00:10|--unite|f|--seuil-haut|25.5|--seuil-bas|-4|"
         "--sans-veille|--taille|3|--panne|pause|--panne-commande|D|-r|--port|3|--version-logger|"
         "7307V15"_s,
         "[7307V15 CHAMBRE- f 16000 7200 60 10 255 -40 3 1 1 pauseD 3]"},
        {u"--modele|7308"_s, "--modele : nombre entier de 7306 à 7307"},
        {u"--unite|K"_s, "--unite : C, F, c ou f attendu"},
        {u"--debut|32/01/2024"_s, "--debut : date"},
        {u"--debut|01/01/2019"_s, "hors de l'horloge"},
        {u"--seuil-haut|chaud"_s, "--seuil-haut"},
        {u"--panne|fumee"_s, "« fumee » inconnue"},
        {u"--panne-commande|Z"_s, "--panne-commande"},
        {u"--inconnue"_s, "option inconnue : inconnue"},
        {u"/dev/ttyS0"_s, "argument inattendu"},
        {u"--charger|"_s + Fixture("absent.txt"), "fichier introuvable"},
        {u"--load|"_s + Fixture("tronque.txt"), "fichier d'enregistrements incorrect"},
    };
    for (const auto& [arguments, attendu] : cas) {
        const QString lu = Lire(arguments);
        EXPECT_TRUE(lu.contains(QString::fromUtf8(attendu)))
            << arguments.toStdString() << " : " << lu.toStdString();
    }
}

}  // namespace
