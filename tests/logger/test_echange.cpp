// One exchange with the logger, in virtual time: attempts, pauses, status texts, progress.
#include <gtest/gtest.h>

#include "Logger_Scripte.h"
#include "logger/Fonctions_Logger.h"

namespace {

using Arrivees = std::vector<std::pair<long long, QByteArray>>;  // ms after the frame, bytes

// Sends the frame (leftovers after its ending zero must not go), the logger answering each
// sending with its arrivals. Gives "code|reply|ms elapsed|frames sent|last status".
QString Echange(Logger_Scripte& l, const QByteArray& trame, const Arrivees& premier,
                const Arrivees& suivants) {
    l.port.repondre = [&](const QByteArray&, int envoi) {
        for (const auto& [delai, octets] : envoi == 1 ? premier : suivants)
            l.port.Programmer(octets, delai);
    };
    Fonctions_Logger::Vide_Trames(*l.etat);
    std::copy(trame.begin(), trame.end(), l.etat->Trame_Emission.begin());
    l.etat->Trame_Emission[20] = 'X';
    const int code = l.lien.Echange_Logger();
    EXPECT_EQ(l.port.envoye, trame.repeated(static_cast<qsizetype>(l.port.trames.size())));
    EXPECT_EQ(l.horloge.evenements_traites, 1);
    EXPECT_EQ(l.releve.textes.count(u"Communication en cours"_s) * 2, l.releve.textes.size());
    return QStringList{QString::number(code), l.etat->Trame_Reception,
                       QString::number(l.horloge.ecoule_ms), QString::number(l.port.trames.size()),
                       l.releve.Dernier()}
        .join(u'|');
}

// 250 ms before the attempts, then 100 + 100 for a reply, 100 + 100 + 1000 for a failure.
TEST(Echange, EssaisPausesEtEtatsAffiches) {
    const struct {
        Arrivees premier, suivants;
        const char* resultat;
    } cas[] = {
        {{{0, ">\r"}}, {}, "0|>\r|450|1|Pret"},
        {{}, {}, "1||3850|3|Pas de réponse"},
        {{{0, "i AB"}}, {{0, "i ABC 7306V1\r"}}, "0|i ABC 7306V1\r|1650|2|Pret"},
        // Pieces less than 100 ms apart make one reply.
        {{{50, "i "}, {150, "ABC "}, {250, "7307V2\r"}}, {}, "0|i ABC 7307V2\r|650|1|Pret"},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        EXPECT_EQ(Echange(l, "I 1\r", c.premier, c.suivants), QString::fromUtf8(c.resultat));
    }
}

// Hundredths of the expected reply length: 10 characters a 7307 measure, 6 otherwise.
TEST(Echange, ProgressionDuSeulTelechargement) {
    const struct {
        const char *version, *trame;
        int16_t nb_mesures;
        Arrivees reponse;
        std::vector<int32_t> debut_fin;  // first and last value shown
    } cas[] = {
        // 961 characters a percent: 10 % shown after the first piece.
        {"7306V1\r",
         "D\r",
         16000,
         {{50, QByteArray(9610, 'x')}, {140, QByteArray(105709, 'x') + '\r'}},
         {10, 120}},
        {"7307V1\r", "D\r", 16000, {{0, QByteArray(80099, 'x') + '\r'}}, {100, 100}},
        {"7307V1\r", "D\r", 0, {{0, "m 0 60\r"}}, {7, 7}},  // one percent a character
        {"7306V1\r", "M\r", 16000, {{0, "m 0 60 C 0 0\r"}}, {}},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        l.etat->Version_Logger = QLatin1String(c.version);
        l.etat->Nb_Mesures = c.nb_mesures;
        Echange(l, c.trame, c.reponse, {});
        const std::vector<int32_t>& p = l.releve.progression;
        EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
        EXPECT_EQ(p.empty() ? p : std::vector<int32_t>({p.front(), p.back()}), c.debut_fin)
            << c.version << c.nb_mesures << c.trame;
    }
}

TEST(Echange, OuvertureDuPortPuisTestDePresence) {
    Logger_Scripte l;
    l.port.ouvert = false;
    l.port.Programmer("vieux\r");  // what the port had received before: thrown away
    l.Reponse('Q', ">\r");
    EXPECT_EQ(l.lien.Ouverture_Port(3), 0);
    EXPECT_EQ(
        QString::number(l.port.numero) + u' ' + l.port.parametres + u' ' + l.etat->Trame_Reception,
        u"3 9600, N, 8, 1 >\r"_s);
    EXPECT_TRUE(l.port.ouvert && l.port.rts && l.port.dtr);
    l.lien.Fermeture_Port();
    EXPECT_FALSE(l.port.ouvert);
    l.port.ouverture_possible = false;
    EXPECT_EQ(l.lien.Ouverture_Port(1), 2);
    EXPECT_EQ(l.releve.Dernier(), u"Pas de réponse"_s);
}

}  // namespace
