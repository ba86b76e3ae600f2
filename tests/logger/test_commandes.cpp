// Every logger command: the frame it sends, what it takes from the reply, its result code.
#include <gtest/gtest.h>

#include <cmath>

#include "Logger_Scripte.h"
#include "logger/Fonctions_Logger.h"

using namespace Fonctions_Logger;

namespace {

using Trames = QList<QByteArray>;

// What the shared record says of the logger: identity|version|count|period|unit|start.
QString Releve(const Etat& e) {
    return QStringList{e.Identite_Logger,
                       e.Version_Logger,
                       QString::number(e.Nb_Mesures),
                       QString::number(e.Periode_Enreg),
                       e.Unite,
                       Texte_Date(e.Date_Debut_Enreg)}
        .join(u'|');
}

TEST(Commandes, PresenceIdentiteVersionEtEtatLus) {
    const char* avant = "AVANT|7306V1\r|7|900|°F|30/12/1899";
    const struct {
        uint8_t (*lire)(Etat&, Communication&);
        char lettre;
        const char* reponse;  // none: silence
        int code;
        const char* releve;
    } cas[] = {
        {Test_Logger, 'Q', ">\r", 0, avant},
        {Test_Logger, 'Q', ">OK 12\r", 0, avant},
        {Test_Logger, 'Q', "i ABC\r", 2, avant},
        {Test_Logger, 'Q', nullptr, 2, avant},  // never 1
        {Lecture_Identite, 'I', "i FOUR-01 7307V10\r", 0, "FOUR-01|7306V1\r|7|900|°F|30/12/1899"},
        {Lecture_Version, 'I', "i FOUR-01 7307V10\r", 0, "AVANT|7307V10\r|7|900|°F|30/12/1899"},
        {Lecture_Identite, 'I', "m FOUR 7307\r", 2, avant},
        {Lecture_Identite, 'I', "ix FOUR 7307\r", 2, avant},
        {Lecture_Version, 'I', nullptr, 1, avant},
        {Lecture_Etat, 'M', "m 120 60 c 1 5180\r", 0,
         "AVANT|7306V1\r|120|60|°C & alarme %Hr|02/01/2024"},
        {Lecture_Etat, 'M', "m 20000 900 x 0 14\r", 0,
         "AVANT|7306V1\r|16000|900|°C|01/01/2024 00:00:20"},
        {Lecture_Etat, 'M', "m 12a 60 C 0 14\r", 2, avant},
        {Lecture_Etat, 'M', "m 12 60 C 123456789 14\r", 2, avant},
        {Lecture_Etat, 'M', "i 12 60 C 0 14\r", 2, avant},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        l.etat->Identite_Logger = QStringLiteral("AVANT");
        l.etat->Version_Logger = QStringLiteral("7306V1\r");
        l.etat->Nb_Mesures = 7;
        l.etat->Periode_Enreg = 900;
        l.etat->Unite = QStringLiteral("°F");
        if (c.reponse) l.Reponse(c.lettre, c.reponse);
        EXPECT_EQ(c.lire(*l.etat, l.lien), c.code) << c.lettre << " " << c.reponse;
        EXPECT_EQ(l.port.trames.first(), QByteArray(1, c.lettre) + '\r');
        EXPECT_EQ(Releve(*l.etat), QString::fromUtf8(c.releve)) << c.reponse;
    }
}

TEST(Commandes, IdentiteEtHorlogeEcrites) {
    Logger_Scripte l;
    l.Reponse('J', "i CHAMBRE1 7306V1\r");
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QStringLiteral("CHAMBRE1-NORD"), true), 0);
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QString(), false), 0);
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QStringLiteral("Étuve"), false), 0);
    l.Reponse('J', ">\r");
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, QStringLiteral("A"), false), 2);
    // The clock goes as seconds from the origin, never before it; the whole reply is ">".
    const double origine = l.etat->Date_Origine;
    l.Reponse('C', ">\r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine + 1), 0);
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine - 10), 0);
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine + 40000), 2) << "beyond the logger's clock";
    l.Reponse('C', "> \r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine), 2);
    l.Reponse('C', ">\rsuite\r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine), 0);
    EXPECT_EQ(l.port.trames, (Trames{"J CHAMBRE1 1\r", "J  0\r", "J \xC9tuve 0\r", "J A 0\r",
                                     "C 86400\r", "C 0\r", "C 0\r", "C 0\r"}));
}

// Tenths, high first, half to even; out of range (NaN too) the low one becomes -49 and the
// high one 194, and the clamped values are kept.
TEST(Commandes, SeuilsEnvoyesEtBornes) {
    const float nan = std::nanf("");
    const struct {
        float bas, haut;
        const char* trame;
        float bas_garde, haut_garde;
    } cas[] = {
        {0, 10, "A 100 0\r", 0, 10},
        {-5.5f, 12.25f, "A 122 -55\r", -5.5f, 12.25f},
        {-5.5f, 12.75f, "A 128 -55\r", -5.5f, 12.75f},
        {-60, 250, "A 1940 -490\r", -49, 194},
        {200, -50, "A 1940 -490\r", -49, 194},
        {nan, 10, "A 100 -490\r", -49, 10},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        l.Reponse('A', ">\r");
        l.etat->Seuil_Bas = c.bas;
        l.etat->Seuil_Haut = c.haut;
        EXPECT_EQ(Ecriture_Alarmes(*l.etat, l.lien, l.etat->Seuil_Bas, l.etat->Seuil_Haut), 0);
        EXPECT_EQ(l.port.trames, Trames{c.trame});
        EXPECT_EQ(l.etat->Seuil_Bas, c.bas_garde);
        EXPECT_EQ(l.etat->Seuil_Haut, c.haut_garde);
    }
}

TEST(Commandes, DemarrageEnvoye) {
    const double maintenant = Logger_Scripte::Maintenant(), seconde = 1 / 86400.0;
    const double origine = Date_Depuis_Civil(2024, 1, 1);
    const struct {
        int16_t periode;
        const char* unite;
        double depart;
        int32_t nb;
        const char* trame;  // none: nothing sent, an unexpected reply
    } cas[] = {
        // Periods out of range become fifteen minutes.
        {0, "°C", 0, 1000, "S 900 C 20 0\r"},
        {7201, "°C", 0, 1000, "S 900 C 20 0\r"},
        {1, "°C", 0, 1000, "S 1 C 20 0\r"},
        {7200, "°C", 0, 1000, "S 7200 C 20 0\r"},
        {60, "°F", 0, 2000, "S 60 F 20 1\r"},
        {60, "°C & alarme %Hr", 0, 4000, "S 60 c 20 2\r"},
        {60, "°F & alarme %Hr", 0, 8000, "S 60 f 20 3\r"},
        {60, "", 0, 12000, "S 60 C 20 4\r"},
        {60, "°C", 0, 16000, "S 60 C 20 5\r"},
        {60, "°C", 0, 5000, "S 60 C 20 5\r"},
        // Only a start in the future goes as its count; "20" starts at once.
        {60, "°C", maintenant + 60 * seconde, 1000, "S 60 C 92491260 0\r"},
        {60, "°C", maintenant, 1000, "S 60 C 20 0\r"},
        {60, "°C", origine, 1000, "S 60 C 20 0\r"},
        {60, "°C", origine + 30000, 1000, nullptr},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        l.Reponse('S', "m 0 60 C 0 14\r");
        EXPECT_EQ(
            Demarrage_Enreg(*l.etat, l.lien, c.periode, QString::fromUtf8(c.unite), c.depart, c.nb),
            c.trame ? 0 : 2);
        EXPECT_EQ(l.port.trames, c.trame ? Trames{c.trame} : Trames{}) << c.trame;
    }
    Logger_Scripte l;
    l.Reponse('S', ">\r");
    EXPECT_EQ(Demarrage_Enreg(*l.etat, l.lien, 60, QStringLiteral("°C"), 0, 1000), 2);
}

}  // namespace
