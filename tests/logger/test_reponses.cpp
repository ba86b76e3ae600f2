// The logger's replies read into values, with no shared record in sight.
#include <gtest/gtest.h>

#include "Impression_Qt.h"
#include "core/Textes.h"
#include "logger/Reponses_Logger.h"

using namespace Qt::StringLiterals;
using namespace Reponses_Logger;

namespace {

const Global::Origines origines{Date_Depuis_Civil(2024, 1, 1, 0, 0, 0),
                                Date_Depuis_Civil(2021, 1, 1, 0, 0, 0)};
const double maintenant = Date_Depuis_Civil(2026, 12, 6, 12, 0, 0);

// "lines/announced|period|start|first record;last record", or "illisible".
QString Lu(const QString& reponse, const QString& version = u"7306V1\r"_s) {
    const auto lu = Lire_Telechargement(reponse, version, origines, maintenant);
    if (!lu) return u"illisible"_s;
    QString r = u"%1/%2|%3|%4"_s.arg(lu->lignes)
                    .arg(lu->annoncees)
                    .arg(lu->periode)
                    .arg(Texte_Date(lu->debut));
    for (int i : {1, lu->lignes}) {
        if (lu->lignes == 0) break;
        const Mesure& m = (*lu->mesures)(i);
        r += u"|%1;%2;%3"_s.arg(Texte_Date(m.Date_Heure), Texte_Single(m.Temperature),
                                Texte_Single(m.Humidite));
    }
    return r;
}

}  // namespace

TEST(Reponses, TelechargementLuEnValeur) {
    const QString entete = u"m 4 60 C 1E2 8500\r"_s;
    const struct {
        const char* nom;
        QString reponse, version, attendu;
    } cas[] = {
        {"7307, two values a line", entete + u"t 203 503\rt 215 567\r"_s, u"7307V1\r"_s,
         u"2/2|60|01/01/2025|01/01/2025 00:00:59;20.3;50.3|01/01/2025 00:01:59;21.5;56.7"_s},
        {"cut off: what came, with the count announced", entete + u"t 201\r"_s, u"7306V1\r"_s,
         u"1/4|60|01/01/2025|01/01/2025 00:00:59;20.1;0|01/01/2025 00:00:59;20.1;0"_s},
        {"header alone", u"m 0 60 C 1E2 8500\r"_s, u"7306V1\r"_s, u"0/0|60|01/01/2025"_s},
        {"a line over 255 characters", entete + QString(256, u'1'), u"7306V1\r"_s, u"illisible"_s},
        {"a temperature with a letter", entete + u"t 2x1\r"_s, u"7306V1\r"_s, u"illisible"_s},
        {"a 7307 line without humidity", entete + u"t 201\r"_s, u"7307V1\r"_s, u"illisible"_s},
        {"16001 lines", entete + u"t 1\r"_s.repeated(16001), u"7306V1\r"_s, u"illisible"_s},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Lu(c.reponse, c.version), c.attendu) << c.nom;
}

TEST(Reponses, IdentiteEtEtatSansToucherAuReste) {
    const auto identite = Lire_Identite(u"i FOUR-01 7307V10\r");
    ASSERT_TRUE(identite);
    EXPECT_EQ(identite->identite + u'|' + identite->version, u"FOUR-01|7307V10\r"_s);
    EXPECT_FALSE(Lire_Identite(u"m FOUR-01 7307V10\r"));

    const auto etat = Lire_Etat(u"m 20000 900 F 0 14\r", origines, maintenant);
    ASSERT_TRUE(etat);
    EXPECT_EQ(u"%1|%2|%3|%4"_s.arg(etat->nb_mesures)
                  .arg(etat->periode)
                  .arg(etat->unite, Texte_Date(etat->debut)),
              u"16000|900|°F|01/01/2024 00:00:20"_s);
    EXPECT_EQ(Lire_Etat(u"m 12 60\r", origines, maintenant)->unite, u"°C"_s) << "no letter";
    EXPECT_FALSE(Lire_Etat(u"m 12 6O C 0 14\r", origines, maintenant)) << "a letter O";
    EXPECT_FALSE(Lire_Etat(u"i 12 60 C 0 14\r", origines, maintenant));
}

// What the progress is measured against: 10 characters a 7307 record (two values), 6 otherwise.
TEST(Reponses, LongueurAttendueDuTelechargement) {
    EXPECT_EQ(Longueur_Telechargement(u"7307V1\r"_s, 32000), 160000);
    EXPECT_EQ(Longueur_Telechargement(u"7306V1\r"_s, 16000), 96000);
}
