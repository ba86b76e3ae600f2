// Number and date texts, and half-to-even rounding.
#include <gtest/gtest.h>

#include <optional>

#include "Impression_Qt.h"
#include "core/Textes.h"

using namespace Qt::StringLiterals;

TEST(Textes, ArrondiDesMoitiesAuPair) {
    for (const auto& [valeur, arrondi] : {std::pair{1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.5001, 3}})
        EXPECT_EQ(Arrondi_Pair(valeur), arrondi) << valeur;
}

// Day counts from 30/12/1899 and their two texts, read back, from the first year read to the last
// (the day after a leap day: March is where the count of the year starts).
TEST(Textes, DatesEcritesPuisRelues) {
    const struct {
        int annee, mois, jour, heure, minute, seconde;
        double jours;  // of the date alone
        const char *texte, *iso;
    } cas[] = {{1899, 12, 30, 0, 0, 0, 0, "30/12/1899", "1899-12-30T00:00:00"},
               {100, 1, 1, 0, 0, 0, -657434, "01/01/0100", "0100-01-01T00:00:00"},
               {2000, 2, 29, 0, 0, 0, 36585, "29/02/2000", "2000-02-29T00:00:00"},
               {2024, 3, 1, 0, 0, 0, 45352, "01/03/2024", "2024-03-01T00:00:00"},
               {2026, 12, 5, 0, 0, 1, 46361, "05/12/2026 00:00:01", "2026-12-05T00:00:01"},
               {9999, 12, 31, 23, 59, 59, 2958465, "31/12/9999 23:59:59", "9999-12-31T23:59:59"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(Date_Depuis_Civil(c.annee, c.mois, c.jour), c.jours);
        const double date =
            Date_Depuis_Civil(c.annee, c.mois, c.jour, c.heure, c.minute, c.seconde);
        EXPECT_EQ(Texte_Date(date), QLatin1String(c.texte));
        EXPECT_EQ(Texte_Date_ISO(date), QLatin1String(c.iso));
        EXPECT_EQ(Lecture_Date(QString::fromLatin1(c.texte)), date);
        EXPECT_EQ(Lecture_Date_ISO(QString::fromLatin1(c.iso)), date);
    }
    // A stamp one second before a full period lands on :59 despite binary fractions.
    for (int i = 1; i <= 16000; i += 997) {
        EXPECT_EQ(Date_Civile(Date_Depuis_Civil(2025, 1, 1) + (i * 60.0 - 1) / 86400.0).seconde, 59)
            << i;
    }
}

// The same date typed in both forms, or the same mistake made in both.
TEST(Textes, DatesTapeesAccepteesOuRefusees) {
    const double date = Date_Depuis_Civil(2026, 1, 5, 8, 5);
    EXPECT_EQ(Lecture_Date(u" 5/1/2026 8:05 "), date);
    EXPECT_EQ(Lecture_Date_ISO(u" 2026-01-05 08:05 "), date);
    // A day, month or time that does not exist, a short year, a field with one digit too many.
    for (const char16_t* texte :
         {u"31/12/0099", u"00/12/2026", u"01/00/2026", u"01/13/2026", u"31/04/2026", u"29/02/2026",
          u"29/02/2100", u"05/12/26", u"05/12/2026 24:00", u"05/12/2026 12:60",
          u"05/12/2026 12:00:60", u"05/12/2026 012:00:00", u"05/12/2026 14:30:007",
          u"05/12/2026 14", u""}) {
        EXPECT_FALSE(Lecture_Date(texte)) << QString::fromUtf16(texte).toStdString();
    }
    for (const char16_t* iso :
         {u"0099-12-31", u"2026-12-00", u"2026-00-01", u"2026-13-01", u"2026-04-31", u"26-12-05",
          u"2026-12-05T24:00", u"2026-12-05T12:60", u"2026-12-05T12:00:60", u"2026-12-05T14:30:007",
          u"2026-12-05T14", u"2026-12-5", u""}) {
        EXPECT_FALSE(Lecture_Date_ISO(iso)) << QString::fromUtf16(iso).toStdString();
    }
}

TEST(Textes, SimplesEcritsSousLeurFormeLaPlusCourteSansExposant) {
    // Each text is the shortest of its single: read, it is written back the same; beyond seven
    // digits the value is rounded to seven.
    for (const char* texte : {"-1.5", "10", "0.1", "1000000", "123.456", "-0.05", "0.0000125"}) {
        EXPECT_EQ(Texte_Single(Lecture_Single(QString::fromLatin1(texte)).value()),
                  QLatin1String(texte));
    }
    EXPECT_EQ(Texte_Single(-0.0f), u"0"_s);
    EXPECT_EQ(Texte_Single(12345678.0f), u"12345680"_s);
    // Tenths divided by ten, as every downloaded value is, come back from the file unchanged.
    for (int dixiemes = -600; dixiemes <= 1500; ++dixiemes) {
        const auto v = static_cast<float>(dixiemes / 10.0);
        EXPECT_EQ(Lecture_Single(Texte_Single(v)), v) << dixiemes;
        EXPECT_LE(Texte_Single(v).size(), 6) << dixiemes;
    }
}

TEST(Textes, NombresLusAvecBlancsSigneEtVirguleOuPoint) {
    const std::optional<double> non;
    const std::pair<const char16_t*, std::optional<double>> cas[] = {
        {u" 12.5 ", 12.5}, {u"12,5", 12.5}, {u"1234567890123456", 1234567890123456.0},
        {u"-3", -3.0},     {u"", non},      {u"+2.5E-1", 0.25},
        {u"12a", non},     {u"-", non},     {u"1e400", non},
        {u"0x1A", non},
    };
    for (const auto& [texte, valeur] : cas)
        EXPECT_EQ(Lecture_Double(texte), valeur) << QString::fromUtf16(texte).toStdString();
    EXPECT_FALSE(Lecture_Single(u"1e60")) << "beyond any single";
    EXPECT_FALSE(Lecture_Double(u"+-2"));
}
