// Reply fields and conversions, against the cases the logger replies produce.
#include <gtest/gtest.h>

#include "Impression_Qt.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Textes.h"

using namespace Qt::StringLiterals;

using namespace Global;

namespace {

// Fields `de` to `a` of a text, joined by '|'.
QString Champs(const char* texte, char separateur, int de, int a) {
    QStringList champs;
    for (int n = de; n <= a; ++n)
        champs << Extraire_Champ(n, QLatin1String(texte), QLatin1Char(separateur));
    return champs.join(u'|');
}

}  // namespace

// Nothing is trimmed: the last field keeps the carriage return; a one-character text has none.
TEST(Reponses, ChampsCoupesSansRienRetirer) {
    EXPECT_EQ(Champs("i ABC 7307V10\r", ' ', -1, 4), u"||i|ABC|7307V10\r|"_s);
    EXPECT_EQ(Champs("a  b", ' ', 1, 3), u"a||b"_s);
    EXPECT_EQ(Champs(">\r", '\r', 1, 2), u">|"_s);
    EXPECT_EQ(Champs(">", '\r', 1, 1), QString());
}

TEST(Reponses, LignesDAuPlus255CaracteresRetourChariotCompris) {
    QString texte = u"m 3 60\rt 215\r\rfin"_s;
    Lecteur_Lignes lecteur(texte);
    for (const char* ligne : {"m 3 60\r", "t 215\r", "\r", "fin"}) {
        EXPECT_EQ(lecteur.Suivante(), QLatin1String(ligne));
        EXPECT_EQ(Extraire_Ligne(texte), QLatin1String(ligne));
    }
    EXPECT_TRUE(lecteur.Fini());
    EXPECT_TRUE(texte.isEmpty());
    const QString x254(254, u'x'), x255(255, u'x');
    for (const QString& bonne : {x254 + u"\ry"_s, x254})
        EXPECT_EQ(Lecteur_Lignes(bonne).Suivante()->size(), std::min<qsizetype>(bonne.size(), 255));
    for (QString trop_longue : {x255 + u"\r"_s, x255}) {
        EXPECT_EQ(Lecteur_Lignes(trop_longue).Suivante(), std::nullopt);
        EXPECT_EQ(Extraire_Ligne(trop_longue), std::nullopt);
        EXPECT_EQ(trop_longue.size(), 255 + trop_longue.endsWith(u'\r')) << "left as it was";
    }
}

TEST(Reponses, HorlogeDuLoggerEnSecondesDepuisLOrigine) {
    Etat etat;
    const double maintenant = Date_Depuis_Civil(2026, 12, 6, 12, 0, 0);
    Origines_Horloge(etat, maintenant);  // 01/01/2024, the previous one 01/01/2021
    const auto date = [&](const char* haut, const char* bas) {
        return Texte_Date(Conversion_Date(Origines_Etat(etat), QString::fromLatin1(haut),
                                          QString::fromLatin1(bas), maintenant)
                              .value());
    };
    // A low part shorter than four digits gets its leading zero back: 1 0B3C. A count later
    // than now (0x5AA3200 s, January 2027) belongs to the previous window.
    EXPECT_EQ(date("1", "B3C\r") + u'|' + date("zz", "zz") + u'|' + date("5AA", "3200\r"),
              u"01/01/2024 19:00:12|01/01/2024|06/01/2024"_s);
    QStringList comptes;
    for (double jours : {1.0, 0.0, -1.0, 0.5 / 86400, 1.5 / 86400})
        comptes << Conversion_Secondes(etat, etat.Date_Origine + jours).value();
    EXPECT_EQ(comptes.join(u' '), u"86400 0 -86400 0 2"_s);
    // Counts beyond the logger's clock, and more than 8 hexadecimal digits, are refused in the
    // logger's tests.
}

TEST(Reponses, NombresSigneesSur16Bits) {
    const std::pair<const char16_t*, int> bons[] = {
        {u"215\r", 215}, {u" -15 \r", -15}, {u"32767", 32767}, {u"-32768", -32768}, {u"2.5", 2}};
    for (const auto& [texte, nombre] : bons)
        EXPECT_EQ(Nombre_Reponse(texte), nombre);
    for (const char16_t* mauvais : {u"32768", u"\r", u"21a", u"99999999999999999999"})
        EXPECT_EQ(Nombre_Reponse(mauvais), std::nullopt)
            << QString::fromUtf16(mauvais).toStdString();
    EXPECT_EQ(Complete_Espaces(u"ab"_s, 5) + u'|' + Complete_Espaces(u"abcde"_s, 5) + u'|' +
                  Complete_Espaces(u"abcdef"_s, 5) + u'|' + Complete_Espaces({}, 0),
              u"ab    |abcde |abcdef| "_s);
}
