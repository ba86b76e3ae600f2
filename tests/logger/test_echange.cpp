// One exchange with the logger, in virtual time: attempts, pauses, status texts, progress.
#include <gtest/gtest.h>

#include "Logger_Scripte.h"
#include "logger/Fonctions_Logger.h"

namespace {

using Arrivees = std::vector<std::pair<long long, QByteArray>>;  // ms after the frame, bytes

// Lays the frame in the emission buffer, with leftovers after its ending zero that must not go.
void Poser(Etat& etat, const QByteArray& trame) {
    Fonctions_Logger::Vide_Trames(etat);
    std::copy(trame.begin(), trame.end(), etat.Trame_Emission.begin());
    etat.Trame_Emission[20] = 'X';
}

const QString En_Cours = QStringLiteral("Communication en cours");

TEST(Echange, EssaisPausesEtEtatsAffiches) {
    const struct {
        const char* nom;
        Arrivees premier, suivants;  // after the first sending, after the others
        int code;
        const char* recu;
        long long ecoule_ms;  // 250 before, then 100 + 100 a reply, 100 + 100 + 1000 a failure
        int envois;
    } cas[] = {
        {"premier essai", {{0, ">\r"}}, {{0, ">\r"}}, 0, ">\r", 450, 1},
        {"silence", {}, {}, 1, "", 250 + 3 * 1200, 3},
        {"sans retour chariot", {{0, ">"}}, {{0, ">"}}, 1, "", 3850, 3},
        {"pause avant le retour chariot",
         {{100, ">"}, {350, "\r"}},
         {{100, ">"}, {350, "\r"}},
         1,
         "",
         3850,
         3},
        {"deuxieme essai", {{0, "i AB"}}, {{0, "i ABC 7306V1\r"}}, 0, "i ABC 7306V1\r", 1650, 2},
        {"morceaux a moins de 100 ms",
         {{50, "i "}, {150, "ABC "}, {250, "7307V2\r"}},
         {},
         0,
         "i ABC 7307V2\r",
         650,
         1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Logger_Scripte l;
        l.port.repondre = [&](const QByteArray&, int envoi) {
            for (const auto& [delai, octets] : envoi == 1 ? c.premier : c.suivants)
                l.port.Programmer(octets, delai);
        };
        Poser(*l.etat, "I 1\r");
        EXPECT_EQ(l.lien.Echange_Logger(), c.code);
        EXPECT_EQ(l.etat->Trame_Reception, QLatin1String(c.recu));
        EXPECT_EQ(l.horloge.ecoule_ms, c.ecoule_ms);
        EXPECT_EQ(l.port.envoye, QByteArray("I 1\r").repeated(c.envois));
        EXPECT_EQ(l.horloge.evenements_traites, 1);
        EXPECT_EQ(l.releve.textes.count(En_Cours), c.envois);
        EXPECT_EQ(l.releve.Dernier(), QString::fromUtf8(c.code == 0 ? "Pret" : "Pas de réponse"));
        EXPECT_EQ(l.releve.textes.size(), 2 * c.envois);
    }
}

// Hundredths of the expected reply length: 10 characters a 7307 measure, 6 otherwise.
TEST(Echange, ProgressionDuSeulTelechargement) {
    const Arrivees douze_morceaux = [] {
        Arrivees a;
        for (int i = 0; i < 12; ++i)
            a.push_back({50 + 90 * i, QByteArray(9610, 'x')});
        a.push_back({50 + 90 * 12, "\r"});
        return a;
    }();
    const struct {
        const char* version;
        int16_t nb_mesures;
        const char* trame;
        Arrivees reponse;
        std::vector<int32_t> debut_fin;  // first and last value shown
    } cas[] = {
        {"7306V1\r", 16000, "D\r", douze_morceaux, {10, 120}},  // 961 characters a percent
        {"7307V1\r", 16000, "D\r", {{0, QByteArray(80099, 'x') + '\r'}}, {100, 100}},
        {"7307V1\r", 0, "D\r", {{0, "m 0 60\r"}}, {7, 7}},  // one percent a character
        {"7306V1\r", 16000, "M\r", {{0, "m 0 60 C 0 0\r"}}, {}},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        l.etat->Version_Logger = QLatin1String(c.version);
        l.etat->Nb_Mesures = c.nb_mesures;
        l.port.repondre = [&](const QByteArray&, int) {
            for (const auto& [delai, octets] : c.reponse)
                l.port.Programmer(octets, delai);
        };
        Poser(*l.etat, c.trame);
        EXPECT_EQ(l.lien.Echange_Logger(), 0);
        const std::vector<int32_t>& p = l.releve.progression;
        EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
        const std::vector<int32_t> debut_fin =
            p.empty() ? p : std::vector<int32_t>{p.front(), p.back()};
        EXPECT_EQ(debut_fin, c.debut_fin) << c.version << " " << c.nb_mesures << " " << c.trame;
    }
}

TEST(Echange, OuvertureDuPortPuisTestDePresence) {
    Logger_Scripte l;
    l.port.ouvert = false;
    l.port.Programmer("vieux\r");  // what the port had received before: thrown away
    l.Reponse('Q', ">\r");
    EXPECT_EQ(l.lien.Ouverture_Port(3), 0);
    EXPECT_EQ(l.port.numero, 3);
    EXPECT_EQ(l.port.parametres, QStringLiteral("9600, N, 8, 1"));
    EXPECT_TRUE(l.port.ouvert && l.port.rts && l.port.dtr);
    EXPECT_EQ(l.etat->Trame_Reception, QStringLiteral(">\r"));
    l.lien.Fermeture_Port();
    EXPECT_FALSE(l.port.ouvert);
    l.port.ouverture_possible = false;
    EXPECT_EQ(l.lien.Ouverture_Port(1), 2);
    EXPECT_EQ(l.releve.Dernier(), QStringLiteral("Pas de réponse"));
}

}  // namespace
