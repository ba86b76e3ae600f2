// Reply fields and conversions, against the cases the logger replies produce.
#include <gtest/gtest.h>

#include "core/Etat.h"
#include "core/Global.h"
#include "core/Textes.h"

using namespace Global;

namespace {
const QChar Blanc = QLatin1Char(' ');
const QString CR = QStringLiteral("\r");
}  // namespace

TEST(ExtraireChamp, CutsAnIdentityReplyKeepingTheCarriageReturnOnTheLastField) {
    const QString ligne = QStringLiteral("i ABC 7307V10\r");
    EXPECT_EQ(Extraire_Champ(1, ligne, Blanc), QStringLiteral("i"));
    EXPECT_EQ(Extraire_Champ(2, ligne, Blanc), QStringLiteral("ABC"));
    EXPECT_EQ(Extraire_Champ(3, ligne, Blanc), QStringLiteral("7307V10\r"));
    EXPECT_EQ(Extraire_Champ(4, ligne, Blanc), QString());
}

TEST(ExtraireChamp, EdgeCases) {
    EXPECT_EQ(Extraire_Champ(1, QStringLiteral(">\r"), QChar(13)), QStringLiteral(">"));
    EXPECT_EQ(Extraire_Champ(1, QStringLiteral(">"), QChar(13)), QString());  // one character
    EXPECT_EQ(Extraire_Champ(1, QStringLiteral("x"), Blanc), QString());
    EXPECT_EQ(Extraire_Champ(2, QStringLiteral("a  b"), Blanc), QString());
    EXPECT_EQ(Extraire_Champ(3, QStringLiteral("a  b"), Blanc), QStringLiteral("b"));
    EXPECT_EQ(Extraire_Champ(0, QStringLiteral("a b"), Blanc), QString());
    EXPECT_EQ(Extraire_Champ(-1, QStringLiteral("a b"), Blanc), QString());
    EXPECT_EQ(Extraire_Champ(2, QStringLiteral("05/12/2026;21.5"), QLatin1Char(';')),
              QStringLiteral("21.5"));
}

TEST(ExtraireLigne, TakesLinesOffTheFrontOneByOne) {
    QString texte = QStringLiteral("m 3 60\rt 215\r");
    EXPECT_EQ(Extraire_Ligne(texte), QStringLiteral("m 3 60\r"));
    EXPECT_EQ(texte, QStringLiteral("t 215\r"));
    EXPECT_EQ(Extraire_Ligne(texte), QStringLiteral("t 215\r"));
    EXPECT_TRUE(texte.isEmpty());
    EXPECT_EQ(Extraire_Ligne(texte), QString());
    texte = QStringLiteral("sans fin");
    EXPECT_EQ(Extraire_Ligne(texte), QStringLiteral("sans fin"));
    EXPECT_TRUE(texte.isEmpty());
}

TEST(ExtraireLigne, ALineMayHoldAtMost255CharactersWithItsCarriageReturn) {
    QString ok = QString(254, QLatin1Char('x')) + CR + QStringLiteral("y");
    EXPECT_EQ(Extraire_Ligne(ok).size(), 255);
    QString trop_longue = QString(255, QLatin1Char('x')) + CR;
    EXPECT_THROW(Extraire_Ligne(trop_longue), Erreur_Debordement);
    QString sans_retour = QString(255, QLatin1Char('x'));
    EXPECT_THROW(Extraire_Ligne(sans_retour), Erreur_Debordement);
    QString courte = QString(254, QLatin1Char('x'));
    EXPECT_EQ(Extraire_Ligne(courte).size(), 254);
}

TEST(LecteurLignes, GivesTheSameLinesAsExtraireLigne) {
    QString texte = QStringLiteral("m 6 60 C 1 5180\rt 215 567\r\rt -15 1000\rfin");
    Lecteur_Lignes lecteur(texte);
    while (!texte.isEmpty()) {
        ASSERT_FALSE(lecteur.Fini());
        EXPECT_EQ(lecteur.Suivante().toString(), Extraire_Ligne(texte));
    }
    EXPECT_TRUE(lecteur.Fini());
    const QString longue = QStringLiteral("ok\r") + QString(300, QLatin1Char('x'));
    Lecteur_Lignes trop(longue);
    EXPECT_EQ(trop.Suivante(), QStringLiteral("ok\r"));
    EXPECT_THROW(trop.Suivante(), Erreur_Debordement);
}

class ConversionDate : public ::testing::Test {
  protected:
    void SetUp() override { Origines_Horloge(etat, Date_Depuis_Civil(2026, 12, 6, 12, 0, 0)); }
    Etat etat;
    const double maintenant = Date_Depuis_Civil(2026, 12, 6, 12, 0, 0);
};

TEST_F(ConversionDate, ReadsTheTwoHexadecimalPartsAsSecondsFromTheOrigin) {
    EXPECT_EQ(Conversion_Date(etat, QStringLiteral("1"), QStringLiteral("5180\r"), maintenant),
              etat.Date_Origine + 1);
    // A low part shorter than four digits gets its leading zero back: 1 0B3C.
    EXPECT_EQ(Conversion_Date(etat, QStringLiteral("1"), QStringLiteral("B3C\r"), maintenant),
              etat.Date_Origine + 0x10B3C / 86400.0);
    EXPECT_EQ(Conversion_Date(etat, QStringLiteral("0000"), QStringLiteral("0014\r"), maintenant),
              etat.Date_Origine + 20 / 86400.0);
    EXPECT_EQ(Conversion_Date(etat, QStringLiteral("zz"), QStringLiteral("zz"), maintenant),
              etat.Date_Origine);
}

TEST_F(ConversionDate, ACountLaterThanNowBelongsToThePreviousWindow) {
    // 1100 days after 01/01/2024 is January 2027, later than now (December 2026).
    const int secondes = 1100 * 86400;
    const QString haut = QString::number(secondes >> 16, 16).toUpper();
    const QString bas = QString::number(secondes & 0xFFFF, 16).toUpper().rightJustified(4, u'0');
    const double date = Conversion_Date(etat, haut, bas + CR, maintenant);
    EXPECT_EQ(date, etat.Date_Origine_Precedente + 1100);
    EXPECT_EQ(Texte_Date(date), QStringLiteral("06/01/2024"));
}

TEST_F(ConversionDate, ConversionSecondesCountsFromTheOrigin) {
    EXPECT_EQ(Conversion_Secondes(etat, etat.Date_Origine + 1), QStringLiteral("86400"));
    EXPECT_EQ(Conversion_Secondes(etat, etat.Date_Origine), QStringLiteral("0"));
    EXPECT_EQ(Conversion_Secondes(etat, etat.Date_Origine - 1), QStringLiteral("-86400"));
    EXPECT_EQ(Conversion_Secondes(etat, etat.Date_Origine + 0.5 / 86400), QStringLiteral("0"));
    EXPECT_EQ(Conversion_Secondes(etat, etat.Date_Origine + 1.5 / 86400), QStringLiteral("2"));
    EXPECT_THROW(Conversion_Secondes(etat, etat.Date_Origine + 30000), Erreur_Conversion);
}

TEST(NombreReponse, ReadsSigned16BitWholeNumbersAroundBlanksAndCarriageReturns) {
    EXPECT_EQ(Nombre_Reponse(u"215\r"), 215);
    EXPECT_EQ(Nombre_Reponse(u" -15 \r"), -15);
    EXPECT_EQ(Nombre_Reponse(u"32767"), 32767);
    EXPECT_EQ(Nombre_Reponse(u"-32768"), -32768);
    EXPECT_EQ(Nombre_Reponse(u"2.5"), 2);
    EXPECT_EQ(Nombre_Reponse(u"3.5"), 4);
    EXPECT_THROW(Nombre_Reponse(u"32768"), Erreur_Conversion);
    EXPECT_THROW(Nombre_Reponse(u""), Erreur_Conversion);
    EXPECT_THROW(Nombre_Reponse(u"\r"), Erreur_Conversion);
    EXPECT_THROW(Nombre_Reponse(u"21a"), Erreur_Conversion);
    EXPECT_THROW(Nombre_Reponse(u"1 2"), Erreur_Conversion);
    EXPECT_THROW(Nombre_Reponse(u"-"), Erreur_Conversion);
    EXPECT_THROW(Nombre_Reponse(u"99999999999999999999"), Erreur_Conversion);
}

TEST(CompleteEspaces, PadsToOneMoreThanTheWidth) {
    EXPECT_EQ(Complete_Espaces(QStringLiteral("ab"), 5), QStringLiteral("ab    "));
    EXPECT_EQ(Complete_Espaces(QStringLiteral("abcdef"), 5), QStringLiteral("abcdef"));
    EXPECT_EQ(Complete_Espaces(QStringLiteral("abcde"), 5), QStringLiteral("abcde "));
    EXPECT_EQ(Complete_Espaces(QString(), 0), QStringLiteral(" "));
}
