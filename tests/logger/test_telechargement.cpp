// Reading a download reply into the measures, and the download sequence as a whole.
#include <gtest/gtest.h>

#include "Enregistrement_Essai.h"
#include "Logger_Scripte.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Sequence_Telechargement.h"

using namespace Fonctions_Logger;

namespace {

// A recording started on 01/01/2025 00:00:00 (0x1E28500 s after the origin 01/01/2024): the
// header announcing `nb` values, then `lignes` measure lines of 20.1, 20.2... (and 50.1...).
QByteArray Reponse(int nb, int periode, int lignes, bool humidite) {
    QByteArray texte =
        "m " + QByteArray::number(nb) + ' ' + QByteArray::number(periode) + " C 1E2 8500\r";
    for (int i = 1; i <= lignes; ++i) {
        texte += "t " + QByteArray::number(200 + i);
        texte += humidite ? ' ' + QByteArray::number(500 + i) + '\r' : QByteArray("\r");
    }
    return texte;
}

// Measure i as "date;temperature;humidity".
QString Mesure_Texte(const Etat& etat, int i) {
    const Mesure& m = etat.Mesures(i);
    return Texte_Date(m.Date_Heure) + u';' + Texte_Single(m.Temperature) + u';' +
           Texte_Single(m.Humidite);
}

// Stamped one second before the end of each period; the count is what arrived (two values a
// 7307 measure), whatever the header announced. A reply that cannot be read changes nothing.
TEST(Telechargement, ReponseLueDansLesMesures) {
    const char* precedente = "05/12/2026 08:00:00;4.5;41";
    const struct {
        const char* version;
        int nb, periode, lignes;
        const char* suite;
        int code, nb_mesures, i;
        const char* mesure;
    } cas[] = {
        {"7306", 10, 60, 10, "", 0, 10, 1, "01/01/2025 00:00:59;20.1;0"},
        {"7306", 10, 60, 10, "", 0, 10, 10, "01/01/2025 00:09:59;21;0"},
        {"7306", 16000, 7200, 16000, "", 0, 16000, 16000, "26/08/2028 07:59:59;1620;0"},
        {"7307", 6, 60, 3, "", 0, 6, 3, "01/01/2025 00:02:59;20.3;50.3"},
        {"7307", 6, 60, 3, "", 0, 6, 4, "30/12/1899;0;0"},
        {"7307", 10, 60, 3, "", 0, 6, 1, "01/01/2025 00:00:59;20.1;50.1"},
        {"7306", 1, 60, 0, "t -15\r", 0, 1, 1, "01/01/2025 00:00:59;-1.5;0"},
        {"7306", 20000, 60, 5, "", 0, 5, 5, "01/01/2025 00:04:59;20.5;0"},
        {"7306", 2, 60, 4, "", 0, 4, 4, "01/01/2025 00:03:59;20.4;0"},
        {"7306", 0, 60, 0, "", 0, 0, 1, "30/12/1899;0;0"},
        {"7306", 3, 60, 3, "\r", 2, 10, 1, precedente},  // an empty line
        {"7306", 3, 60, 0, "t 21x\r", 2, 10, 1, precedente},
        {"7306", 3, 60, 0, "t\r", 2, 10, 1, precedente},
        {"7306", 3, 60, 0, "t 99999\r", 2, 10, 1, precedente},
        {"7307", 2, 60, 0, "t 215\r", 2, 10, 1, precedente},
        {"7306", 16001, 1, 16001, "", 2, 10, 1, precedente},  // more than the table holds
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.version) + " " + std::to_string(c.nb) + " " + c.suite);
        auto etat = Enregistrement_Essai(7307).Constante(5, 4.5f).Etat_Rempli();
        Origines_Horloge(*etat, Logger_Scripte::Maintenant());
        etat->Version_Logger = QLatin1String(c.version);
        const bool humidite = Est_Modele_7307(etat->Version_Logger);
        const QByteArray reponse = Reponse(c.nb, c.periode, c.lignes, humidite) + c.suite;
        EXPECT_EQ(Lecture_Reponse_Telechargement(*etat, QString::fromLatin1(reponse),
                                                 Logger_Scripte::Maintenant()),
                  c.code);
        EXPECT_EQ(etat->Nb_Mesures, c.nb_mesures);
        EXPECT_EQ(etat->Periode_Enreg, c.code == 0 ? c.periode : 60);
        EXPECT_EQ(Texte_Date(etat->Date_Debut_Enreg),
                  QLatin1String(c.code == 0 ? "01/01/2025" : "05/12/2026 08:00:00"));
        EXPECT_EQ(Mesure_Texte(*etat, c.i), QLatin1String(c.mesure));
    }
    // Unreadable lines, a header that is not one, and anything but "D"'s letter back.
    for (const QByteArray& reponse :
         {Reponse(3, 60, 0, false) + QByteArray(300, '7') + '\r', QByteArray("m x 60 C 0 14\r")}) {
        auto etat = Enregistrement_Essai(7306).Constante(5, 4.5f).Etat_Rempli();
        EXPECT_EQ(Lecture_Reponse_Telechargement(*etat, QString::fromLatin1(reponse), 0), 2);
        EXPECT_EQ(Mesure_Texte(*etat, 1), QStringLiteral("05/12/2026 08:00:00;4.5;0"));
    }
    Logger_Scripte l;
    l.Reponse('D', Reponse(2, 60, 2, false));
    EXPECT_EQ(Telechargement(*l.etat, l.lien), 0);
    l.Reponse('D', "i ABC\r");
    EXPECT_EQ(Telechargement(*l.etat, l.lien), 2);
    EXPECT_EQ(l.port.trames, (QList<QByteArray>{"D\r", "D\r"}));
    EXPECT_EQ(Mesure_Texte(*l.etat, 2), QStringLiteral("01/01/2025 00:01:59;20.2;0"));
}

// Presence test, identity, version, state, download: the first failure puts the recording
// held before back whole, so a later save never mixes two recordings.
TEST(Telechargement, SequenceCompleteOuRienNeChange) {
    const QString avant = QStringLiteral("ANCIEN|7306V12\r|1|60|°F|05/12/2026 08:00:00");
    const struct {
        const char *reponse_m, *suite_d, *reponse_i;
        int code;
        QList<QByteArray> trames;
    } cas[] = {
        {"", "", "i NOUVEAU 7307V2\r", 0, {"Q\r", "I\r", "I\r", "M\r", "D\r"}},
        {"", "\r", "i NOUVEAU 7307V2\r", 2, {"Q\r", "I\r", "I\r", "M\r", "D\r"}},
        {"x\r", "", "i NOUVEAU 7307V2\r", 2, {"Q\r", "I\r", "I\r", "M\r"}},
        {"", "", nullptr, 1, {"Q\r", "I\r", "I\r", "I\r"}},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        Enregistrement_Essai()
            .Identite(QStringLiteral("ANCIEN"))
            .Constante(1, 98.5f)
            .Remplir(*l.etat);
        l.etat->Unite = QStringLiteral("°F");
        l.Reponse('Q', ">\r");
        if (c.reponse_i) l.Reponse('I', c.reponse_i);
        l.Reponse('M', *c.reponse_m ? QByteArray(c.reponse_m) : Reponse(4, 60, 0, true));
        l.Reponse('D', Reponse(4, 60, 2, true) + c.suite_d);
        EXPECT_EQ(Sequence_Telechargement::Telecharger(*l.etat, l.lien), c.code);
        EXPECT_EQ(l.port.trames, c.trames);
        const QString apres = QStringLiteral("NOUVEAU|7307V2\r|4|60|°C|01/01/2025");
        const auto& e = *l.etat;
        EXPECT_EQ(
            QStringList({e.Identite_Logger, e.Version_Logger, QString::number(e.Nb_Mesures),
                         QString::number(e.Periode_Enreg), e.Unite, Texte_Date(e.Date_Debut_Enreg)})
                .join(u'|'),
            c.code == 0 ? apres : avant);
        EXPECT_EQ(Mesure_Texte(e, 1), QLatin1String(c.code == 0 ? "01/01/2025 00:00:59;20.1;50.1"
                                                                : "05/12/2026 08:00:00;98.5;0"));
    }
}

}  // namespace
