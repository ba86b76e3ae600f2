// Reply fields and conversions, against the cases the logger replies produce.
#include <gtest/gtest.h>

#include "core/Etat.h"
#include "core/Global.h"
#include "core/Textes.h"

using namespace Global;

TEST(Reponses, ChampsCoupesSansRienRetirer) {
    const struct {
        int numero;
        const char* texte;
        char separateur;
        const char* champ;
    } cas[] = {{1, "i ABC 7307V10\r", ' ', "i"},
               {2, "i ABC 7307V10\r", ' ', "ABC"},
               {3, "i ABC 7307V10\r", ' ', "7307V10\r"},
               {4, "i ABC 7307V10\r", ' ', ""},
               {1, ">\r", '\r', ">"},
               {1, ">", '\r', ""},
               {2, "a  b", ' ', ""},
               {3, "a  b", ' ', "b"},
               {0, "a b", ' ', ""},
               {-1, "a b", ' ', ""},
               {2, "05/12/2026;21.5", ';', "21.5"}};
    for (const auto& c : cas) {
        EXPECT_EQ(Extraire_Champ(c.numero, QLatin1String(c.texte), QLatin1Char(c.separateur)),
                  QLatin1String(c.champ))
            << c.numero << " of " << c.texte;
    }
}

TEST(Reponses, LignesDAuPlus255CaracteresRetourChariotCompris) {
    QString texte = QStringLiteral("m 3 60\rt 215\r\rfin");
    Lecteur_Lignes lecteur(texte);
    for (const char* ligne : {"m 3 60\r", "t 215\r", "\r", "fin"}) {
        EXPECT_EQ(lecteur.Suivante(), QLatin1String(ligne));
        EXPECT_EQ(Extraire_Ligne(texte), QLatin1String(ligne));
    }
    EXPECT_TRUE(lecteur.Fini());
    EXPECT_TRUE(texte.isEmpty());
    const QString x254(254, QLatin1Char('x')), x255(255, QLatin1Char('x'));
    for (const QString& bonne : {x254 + QStringLiteral("\ry"), x254}) {
        QString reste = bonne;
        EXPECT_EQ(Extraire_Ligne(reste).size(), std::min<qsizetype>(bonne.size(), 255));
        EXPECT_EQ(Lecteur_Lignes(bonne).Suivante().size(), std::min<qsizetype>(bonne.size(), 255));
    }
    for (const QString& trop_longue : {x255 + QStringLiteral("\r"), x255}) {
        QString reste = trop_longue;
        EXPECT_THROW(Extraire_Ligne(reste), Erreur_Debordement);
        EXPECT_THROW(Lecteur_Lignes(trop_longue).Suivante(), Erreur_Debordement);
    }
}

class HorlogeLogger : public ::testing::Test {
  protected:
    void SetUp() override { Origines_Horloge(etat, maintenant); }
    Etat etat;
    const double maintenant = Date_Depuis_Civil(2026, 12, 6, 12, 0, 0);
};

TEST_F(HorlogeLogger, CompteHexadecimalLuDepuisLOrigine) {
    const auto date = [&](const char* haut, const char* bas) {
        return Conversion_Date(etat, QLatin1String(haut), QLatin1String(bas), maintenant);
    };
    EXPECT_EQ(date("1", "5180\r"), etat.Date_Origine + 1);
    // A low part shorter than four digits gets its leading zero back: 1 0B3C.
    EXPECT_EQ(date("1", "B3C\r"), etat.Date_Origine + 0x10B3C / 86400.0);
    EXPECT_EQ(date("0000", "0014\r"), etat.Date_Origine + 20 / 86400.0);
    EXPECT_EQ(date("zz", "zz"), etat.Date_Origine);
    // 0x5AA3200 s, 1100 days after 01/01/2024, is January 2027, later than now: the count
    // belongs to the previous window.
    EXPECT_EQ(Texte_Date(date("5AA", "3200\r")), QStringLiteral("06/01/2024"));
}

TEST_F(HorlogeLogger, DateEnSecondesDepuisLOrigine) {
    const std::pair<double, const char*> cas[] = {
        {1, "86400"}, {0, "0"}, {-1, "-86400"}, {0.5 / 86400, "0"}, {1.5 / 86400, "2"}};
    for (const auto& [jours, texte] : cas)
        EXPECT_EQ(Conversion_Secondes(etat, etat.Date_Origine + jours), QLatin1String(texte));
    EXPECT_THROW(Conversion_Secondes(etat, etat.Date_Origine + 30000), Erreur_Conversion);
}

TEST(Reponses, NombresSigneesSur16Bits) {
    const std::pair<const char16_t*, int> bons[] = {{u"215\r", 215},   {u" -15 \r", -15},
                                                    {u"32767", 32767}, {u"-32768", -32768},
                                                    {u"2.5", 2},       {u"3.5", 4}};
    for (const auto& [texte, nombre] : bons)
        EXPECT_EQ(Nombre_Reponse(texte), nombre);
    for (const char16_t* mauvais :
         {u"32768", u"", u"\r", u"21a", u"1 2", u"-", u"1e3", u"99999999999999999999"}) {
        EXPECT_THROW(Nombre_Reponse(mauvais), Erreur_Conversion)
            << QString::fromUtf16(mauvais).toStdString();
    }
}

TEST(Reponses, BlancsJusquAUnDePlusQueLaLargeur) {
    EXPECT_EQ(Complete_Espaces(QStringLiteral("ab"), 5), QStringLiteral("ab    "));
    EXPECT_EQ(Complete_Espaces(QStringLiteral("abcde"), 5), QStringLiteral("abcde "));
    EXPECT_EQ(Complete_Espaces(QStringLiteral("abcdef"), 5), QStringLiteral("abcdef"));
    EXPECT_EQ(Complete_Espaces(QString(), 0), QStringLiteral(" "));
}
