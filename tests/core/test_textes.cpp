// Number and date texts: French dates, shortest single-precision texts, half-to-even rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/Textes.h"

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Arrondi_Pair(0.5), 0);
    EXPECT_EQ(Arrondi_Pair(1.5), 2);
    EXPECT_EQ(Arrondi_Pair(2.5), 2);
    EXPECT_EQ(Arrondi_Pair(-2.5), -2);
    EXPECT_EQ(Arrondi_Pair(122.5), 122);
    EXPECT_EQ(Arrondi_Pair(127.5), 128);
    EXPECT_EQ(Arrondi_Pair(2.5001), 3);
}

TEST(DateTexts, DayCountsStartOn30December1899) {
    EXPECT_EQ(Texte_Date(0), QStringLiteral("30/12/1899"));
    EXPECT_EQ(Texte_Date(1), QStringLiteral("31/12/1899"));
    EXPECT_EQ(Date_Depuis_Civil(2000, 1, 1), 36526.0);
    EXPECT_EQ(Date_Depuis_Civil(2024, 2, 29) + 1, Date_Depuis_Civil(2024, 3, 1));
}

TEST(DateTexts, MidnightIsWrittenAsTheDateAlone) {
    EXPECT_EQ(Texte_Date(Date_Depuis_Civil(2026, 12, 5, 14, 30, 0)),
              QStringLiteral("05/12/2026 14:30:00"));
    EXPECT_EQ(Texte_Date(Date_Depuis_Civil(2026, 12, 5)), QStringLiteral("05/12/2026"));
    EXPECT_EQ(Texte_Date(Date_Depuis_Civil(2026, 12, 5, 0, 0, 1)),
              QStringLiteral("05/12/2026 00:00:01"));
}

TEST(DateTexts, StampsBuiltFromSecondsRoundToTheNearestSecond) {
    // A stamp one second before a full period lands exactly on :59 despite binary fractions.
    const double debut = Date_Depuis_Civil(2025, 1, 1);
    for (int i = 1; i <= 16000; i += 997) {
        const double stamp = debut + (i * 60.0 - 1) / 86400.0;
        const Date_Decomposee d = Date_Civile(stamp);
        EXPECT_EQ(d.seconde, 59) << i;
    }
    EXPECT_EQ(Texte_Date(debut + 59.0 / 86400.0), QStringLiteral("01/01/2025 00:00:59"));
}

TEST(DateTexts, ReadBackWhatTheyWriteAndRefuseWhatIsNoDate) {
    const double d = Date_Depuis_Civil(2026, 12, 5, 14, 30, 7);
    EXPECT_EQ(Lecture_Date(Texte_Date(d)), d);
    EXPECT_EQ(Lecture_Date(u"05/12/2026"), Date_Depuis_Civil(2026, 12, 5));
    EXPECT_EQ(Lecture_Date(u" 5/1/2026 8:05 "), Date_Depuis_Civil(2026, 1, 5, 8, 5));
    EXPECT_FALSE(Lecture_Date(u""));
    EXPECT_FALSE(Lecture_Date(u"31/02/2026"));
    EXPECT_FALSE(Lecture_Date(u"29/02/2026"));
    EXPECT_TRUE(Lecture_Date(u"29/02/2024"));
    EXPECT_FALSE(Lecture_Date(u"05/12/26"));
    EXPECT_FALSE(Lecture_Date(u"05/12/2026 24:00:00"));
    EXPECT_FALSE(Lecture_Date(u"05/12/2026 12:00:00x"));
    EXPECT_FALSE(Lecture_Date(u"__/__/____ __:__:__"));
}

TEST(DateTexts, IsoFormForExports) {
    EXPECT_EQ(Texte_Date_ISO(Date_Depuis_Civil(2026, 12, 5, 14, 30, 0)),
              QStringLiteral("2026-12-05T14:30:00"));
    EXPECT_EQ(Texte_Date_ISO(Date_Depuis_Civil(2026, 12, 5)),
              QStringLiteral("2026-12-05T00:00:00"));
}

TEST(DateTexts, IsoFormIsReadBackWithOrWithoutTheTime) {
    const double d = Date_Depuis_Civil(2026, 12, 5, 14, 30, 0);
    EXPECT_EQ(Lecture_Date_ISO(Texte_Date_ISO(d)), d);
    EXPECT_EQ(Lecture_Date_ISO(u" 2026-12-05 14:30 "), d);
    EXPECT_EQ(Lecture_Date_ISO(u"2026-12-05"), Date_Depuis_Civil(2026, 12, 5));
    for (const char16_t* faux : {u"", u"abc", u"2026-12-5", u"26-12-05", u"2026-02-29",
                                 u"2026-12-05T24:00:00", u"2026-12-05T14", u"2026-12-05x"}) {
        EXPECT_FALSE(Lecture_Date_ISO(faux)) << QString::fromUtf16(faux).toStdString();
    }
}

TEST(NumberTexts, SinglesAreWrittenInTheirShortestFormWithAPoint) {
    EXPECT_EQ(Texte_Single(21.5f), QStringLiteral("21.5"));
    EXPECT_EQ(Texte_Single(-1.5f), QStringLiteral("-1.5"));
    EXPECT_EQ(Texte_Single(0.0f), QStringLiteral("0"));
    EXPECT_EQ(Texte_Single(-0.0f), QStringLiteral("0"));
    EXPECT_EQ(Texte_Single(10.0f), QStringLiteral("10"));
    EXPECT_EQ(Texte_Single(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(Texte_Single(-49.0f), QStringLiteral("-49"));
    EXPECT_EQ(Texte_Single(194.0f), QStringLiteral("194"));
    EXPECT_EQ(Texte_Single(1000000.0f), QStringLiteral("1000000"));
    EXPECT_EQ(Texte_Single(1.0f / 3.0f), QStringLiteral("0.3333333"));
    EXPECT_EQ(Texte_Single(12345678.0f), QStringLiteral("12345680"));
    EXPECT_EQ(Texte_Single(-0.05f), QStringLiteral("-0.05"));
    EXPECT_EQ(Texte_Single(123.456f), QStringLiteral("123.456"));
    EXPECT_EQ(Texte_Single(0.001f), QStringLiteral("0.001"));
    // Tenths divided by ten, as every downloaded value is.
    for (int dixiemes = -600; dixiemes <= 1500; ++dixiemes) {
        const auto v = static_cast<float>(dixiemes / 10.0);
        EXPECT_EQ(Lecture_Single(Texte_Single(v)), v) << dixiemes;
        EXPECT_LE(Texte_Single(v).size(), 6) << dixiemes;
    }
}

TEST(NumberTexts, AnySingleGetsItsShortestTextOfAtMostSevenDigits) {
    std::mt19937 hasard(7306);
    std::uniform_real_distribution<float> mantisse(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exposant(-6, 9);
    for (int n = 0; n < 20000; ++n) {
        const float v = std::ldexp(mantisse(hasard), exposant(hasard) * 3);
        const QString texte = Texte_Single(v);
        ASSERT_FALSE(texte.contains(QLatin1Char('e'))) << texte.toStdString();
        int chiffres = 0;
        bool significatif = false;
        QString sans_zeros = texte;  // trailing zeros of a whole number are not significant
        if (!texte.contains(QLatin1Char('.'))) {
            while (sans_zeros.endsWith(QLatin1Char('0')))
                sans_zeros.chop(1);
        }
        for (QChar c : sans_zeros) {
            if (c.isDigit() && (significatif || c != QLatin1Char('0'))) {
                significatif = true;
                ++chiffres;
            }
        }
        const float relu = *Lecture_Single(texte);
        char sept[32];
        std::snprintf(sept, sizeof sept, "%.6e", double(v));
        if (std::strtof(sept, nullptr) == v) {
            ASSERT_EQ(relu, v) << texte.toStdString();
            // No shorter text would have done (trailing zeros of whole numbers aside).
            if (chiffres > 1 && texte.contains(QLatin1Char('.'))) {
                char court[32];
                std::snprintf(court, sizeof court, "%.*e", chiffres - 2, double(v));
                EXPECT_NE(std::strtof(court, nullptr), v) << texte.toStdString();
            }
        } else {
            ASSERT_LE(chiffres, 7) << texte.toStdString();
            ASSERT_EQ(relu, std::strtof(sept, nullptr)) << texte.toStdString();
        }
    }
}

TEST(NumberTexts, ReadingAcceptsBlanksSignsAndEitherSeparator) {
    EXPECT_EQ(Lecture_Single(u" 12.5 "), 12.5f);
    EXPECT_EQ(Lecture_Single(u"12,5"), 12.5f);
    EXPECT_EQ(Lecture_Single(u"-3"), -3.0f);
    EXPECT_EQ(Lecture_Double(u"1e3"), 1000.0);
    EXPECT_FALSE(Lecture_Single(u""));
    EXPECT_FALSE(Lecture_Single(u"abc"));
    EXPECT_FALSE(Lecture_Single(u"12a"));
    EXPECT_FALSE(Lecture_Single(u"1e60"));
    EXPECT_FALSE(Lecture_Single(u"-"));
}
