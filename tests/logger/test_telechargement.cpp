// Reading a download reply into the measures. The download sequence around it, what it puts back
// when a step fails, and the replies too garbled, too long or too many to read run against the
// simulated logger in test_lien_pty.cpp.
#include <gtest/gtest.h>

#include "Enregistrement_Essai.h"
#include "Logger_Scripte.h"
#include "logger/Fonctions_Logger.h"

namespace {

// A recording started on 01/01/2025 00:00:00 (0x1E28500 s after the origin 01/01/2024): the
// header announcing `nb` values, then `lignes` measure lines of 20.1, 20.2... (and 50.1...).
QByteArray Reponse(int nb, int periode, int lignes, bool humidite = false) {
    QByteArray texte =
        "m " + QByteArray::number(nb) + ' ' + QByteArray::number(periode) + " C 1E2 8500\r";
    for (int i = 1; i <= lignes; ++i) {
        texte += "t " + QByteArray::number(200 + i);
        texte += humidite ? ' ' + QByteArray::number(500 + i) + '\r' : QByteArray("\r");
    }
    return texte;
}

// Stamped one second before the end of each period; the count is what arrived (two values a
// 7307 measure), whatever the header announced. A reply that cannot be read changes nothing.
TEST(Telechargement, ReponseLueDansLesMesures) {
    const char* avant = "10|60|05/12/2026 08:00:00|05/12/2026 08:00:00;4.5;41";
    const struct {
        const char* version;
        QByteArray reponse;
        int i;               // the measure shown
        const char* releve;  // count|period|start|measure i as "date;temperature;humidity"
    } cas[] = {
        {"7306", Reponse(10, 60, 10), 10, "10|60|01/01/2025|01/01/2025 00:09:59;21;0"},
        {"7306", Reponse(16000, 7200, 16000), 16000,
         "16000|7200|01/01/2025|26/08/2028 07:59:59;1620;0"},
        {"7307", Reponse(10, 60, 3, true), 3, "6|60|01/01/2025|01/01/2025 00:02:59;20.3;50.3"},
        {"7307", Reponse(6, 60, 3, true), 4, "6|60|01/01/2025|30/12/1899;0;0"},
        {"7307", Reponse(2, 60, 0) + "t 215\r", 1, avant},  // no humidity
        {"7306", "m x 60 C 1E2 8500\r", 1, avant},
    };
    for (const auto& c : cas) {
        auto etat = Enregistrement_Essai(7307).Constante(5, 4.5f).Etat_Rempli();
        Origines_Horloge(*etat, Logger_Scripte::Maintenant());
        etat->Version_Logger = QLatin1String(c.version);
        const uint8_t code = Fonctions_Logger::Lecture_Reponse_Telechargement(
            *etat, QString::fromLatin1(c.reponse), Logger_Scripte::Maintenant());
        const Mesure& m = etat->Mesures(c.i);
        EXPECT_EQ(
            QStringList({QString::number(etat->Nb_Mesures), QString::number(etat->Periode_Enreg),
                         Texte_Date(etat->Date_Debut_Enreg),
                         Texte_Date(m.Date_Heure) + u';' + Texte_Single(m.Temperature) + u';' +
                             Texte_Single(m.Humidite)})
                .join(u'|'),
            QLatin1String(c.releve))
            << c.version << " " << c.reponse.left(30).toStdString();
        EXPECT_EQ(code, QLatin1String(c.releve) == QLatin1String(avant) ? 2 : 0);
    }
}

}  // namespace
