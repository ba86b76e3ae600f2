// Every logger command: the frame it sends, what it takes from the reply, its result code.
#include <gtest/gtest.h>

#include <cmath>

#include "Enregistrement_Essai.h"
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
    const char* avant = "AVANT|7306V12\r|1|60||05/12/2026 08:00:00";
    const struct {
        uint8_t (*lire)(Etat&, Communication&);
        const char *reponse, *releve;  // no reply: silence
        int code;
    } cas[] = {
        {Test_Logger, ">OK 12\r", avant, 0},
        {Test_Logger, nullptr, avant, 2},  // never 1
        {Lecture_Identite, "i FOUR-01 7307V10\r", "FOUR-01|7306V12\r|1|60||05/12/2026 08:00:00", 0},
        {Lecture_Version, "i FOUR-01 7307V10\r", "AVANT|7307V10\r|1|60||05/12/2026 08:00:00", 0},
        {Lecture_Identite, "ix FOUR 7307\r", avant, 2},
        {Lecture_Etat, "m 120 60 c 1 5180\r", "AVANT|7306V12\r|120|60|°C & alarme %Hr|02/01/2024",
         0},
        {Lecture_Etat, "m 20000 900 x 0 14\r", "AVANT|7306V12\r|16000|900|°C|01/01/2024 00:00:20",
         0},
        {Lecture_Etat, "m 12 60 C 123456789 14\r", avant, 2},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        Enregistrement_Essai().Identite(u"AVANT"_s).Constante(1, 4.5f).Remplir(*l.etat);
        const char lettre = c.lire == Test_Logger ? 'Q' : c.lire == Lecture_Etat ? 'M' : 'I';
        if (c.reponse) l.Reponse(lettre, c.reponse);
        EXPECT_EQ(c.lire(*l.etat, l.lien), c.code) << c.reponse;
        EXPECT_EQ(l.port.trames.first(), QByteArray(1, lettre) + '\r');
        EXPECT_EQ(Releve(*l.etat), QString::fromUtf8(c.releve)) << c.reponse;
    }
}

TEST(Commandes, IdentiteEtHorlogeEcrites) {
    Logger_Scripte l;
    l.Reponse('J', "i CHAMBRE1 7306V1\r");
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, u"CHAMBRE1-NORD"_s, true), 0);
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, u"Étuve"_s, false), 0);
    l.Reponse('J', ">\r");
    EXPECT_EQ(Ecriture_Identite(*l.etat, l.lien, u"A"_s, false), 2);
    // The clock goes as seconds from the origin, never before it; the whole reply is ">".
    const double origine = l.etat->Date_Origine;
    l.Reponse('C', ">\r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine + 1), 0);
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine - 10), 0);
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine + 40000), 2) << "beyond the logger's clock";
    l.Reponse('C', "> \r");
    EXPECT_EQ(Ecriture_Horloge(*l.etat, l.lien, origine), 2);
    EXPECT_EQ(l.port.trames, (Trames{"J CHAMBRE1 1\r", "J \xC9tuve 0\r", "J A 0\r", "C 86400\r",
                                     "C 0\r", "C 0\r"}));
}

// Tenths, high first, half to even; out of range (NaN too) the low one becomes -49 and the
// high one 194, and the clamped values are kept.
TEST(Commandes, SeuilsEnvoyesEtBornes) {
    const std::tuple<float, float, const char*> cas[] = {
        {-5.25f, 12.75f, "A 128 -52\r -5.25 12.75"},
        {200, -50, "A 1940 -490\r -49 194"},
        {std::nanf(""), 250, "A 1940 -490\r -49 194"}};
    for (const auto& [bas, haut, attendu] : cas) {
        Logger_Scripte l;
        l.Reponse('A', ">\r");
        l.etat->Seuil_Bas = bas;
        l.etat->Seuil_Haut = haut;
        EXPECT_EQ(Ecriture_Alarmes(*l.etat, l.lien, l.etat->Seuil_Bas, l.etat->Seuil_Haut), 0);
        EXPECT_EQ(QString::fromLatin1(l.port.envoye) + u' ' + Texte_Single(l.etat->Seuil_Bas) +
                      u' ' + Texte_Single(l.etat->Seuil_Haut),
                  QLatin1String(attendu));
    }
}

TEST(Commandes, DemarrageEnvoye) {
    const double maintenant = Logger_Scripte::Maintenant(), origine = Date_Depuis_Civil(2024, 1, 1);
    const struct {
        int16_t periode;
        int32_t nb;
        const char *unite, *trame;  // no frame: nothing sent, an unexpected reply
        double depart = 0;
    } cas[] = {
        // Periods out of range become fifteen minutes; an unknown size the largest.
        {0, 2000, "°F", "S 900 F 20 1\r"},
        {7201, 4000, "°C & alarme %Hr", "S 900 c 20 2\r"},
        {1, 8000, "°F & alarme %Hr", "S 1 f 20 3\r"},
        {7200, 12000, "", "S 7200 C 20 4\r"},
        {60, 16000, "°C", "S 60 C 20 5\r"},
        // Only a start in the future goes as its count; "20" starts at once.
        {60, 5000, "°C", "S 60 C 92491260 5\r", maintenant + 60 / 86400.0},
        {60, 1000, "°C", "S 60 C 20 0\r", maintenant},
        {60, 1000, "°C", nullptr, origine + 30000},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        l.Reponse('S', "m 0 60 C 0 14\r");
        EXPECT_EQ(
            Demarrage_Enreg(*l.etat, l.lien, c.periode, QString::fromUtf8(c.unite), c.depart, c.nb),
            c.trame ? 0 : 2);
        EXPECT_EQ(l.port.trames, c.trame ? Trames{c.trame} : Trames{}) << c.trame;
    }
}

}  // namespace
