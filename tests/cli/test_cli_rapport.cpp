// caldrix-cli report: the one-page PDF read back as a reader would, with pdftotext.
#include "Cli_Test.h"
#include "Lecture_PDF.h"
#include "Limite_Taille_Fichier.h"

using Rapport = Cli_Test;

TEST_F(Rapport, UnePageQuiNommeLeLoggerSesChiffresSaCuissonEtLeVisaSansRienRemplacerDeRate) {
    const QString pdf = Chemin(u"rapport.pdf"_s);
    Reussie(u"report "_s + Fixture("four_7306.txt") + u" --output "_s + pdf +
            u" --high 70 --low 0"_s);
    QStringList pages = Pages_PDF(pdf);
    ASSERT_EQ(pages.size(), 1);
    for (const QString& attendu :
         {u"Rapport d'enregistrement"_s, u"Caldrix V1.09"_s, u"FOUR01"_s,
          u"Cuisson jambon lot n°12 – été"_s, Sha256(Fixture("four_7306.txt")), u"-1.5 °C"_s,
          u"72.6 °C"_s, u"65.7 °C"_s, u"Seuil haut (70 °C)"_s, u"4 min, 1 dépassement"_s,
          u"Pasteurisation Valeur : 9mn le : 06/12/2026 00:04:00"_s, u"Visa"_s, u"Nom"_s, u"Date"_s,
          u"Signature"_s}) {
        EXPECT_TRUE(pages.first().contains(attendu)) << attendu.toStdString();
    }

    // A full disk leaves the old report whole and no stray file; the page holds 16000 records.
    const QString f = Enregistrement_Essai(7307).Constante(16000, 20.5f).Ecrire(Chemin(u"g.txt"_s));
    Ecrire(u"g.pdf"_s, "ancien");
    const QString vers_g = u"report "_s + f + u" --output "_s + Chemin(u"g.pdf"_s);
    {
        const Limite_Taille_Fichier disque_plein(2048);
        Refusee(vers_g + u" --force"_s, 3, u"rien n'a été remplacé"_s);
    }
    EXPECT_EQ(Octets(Chemin(u"g.pdf"_s)), "ancien");
    EXPECT_EQ(QDir(Chemin({})).entryList({u"g.pdf*"_s}, QDir::Files), QStringList{u"g.pdf"_s});

    Reussie(vers_g + u" --force"_s);
    pages = Pages_PDF(Chemin(u"g.pdf"_s));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages.first().contains(u"16000"_s));
    EXPECT_TRUE(pages.first().contains(u"Humidité maximale"_s));
}

// A range is the view drawn and the rows counted; the scale reaches both thresholds, so that each
// line of the legend shows on the plot; a row of the statistics and the "… le" under it stay in
// one column.
TEST_F(Rapport, LaPlageLesSeuilsVisiblesEtDesRangeesEntieres) {
    const QString pdf = Chemin(u"plage.pdf"_s);
    Reussie({u"report"_s, Fixture("four_7306.txt"), u"--output"_s, pdf, u"--from"_s,
             u"06/12/2026 00:00"_s, u"--to"_s, u"2026-12-06T00:03"_s, u"--high"_s, u"100"_s,
             u"--low"_s, u"-20"_s});
    const QString page = Pages_PDF(pdf).value(0);
    EXPECT_TRUE(page.contains(
        QRegularExpression(u"Nombre de mesures +4 .*\n"_s, QRegularExpression::NoPatternOption)))
        << page.toStdString();
    EXPECT_TRUE(page.contains(u"du 06/12/2026 00:00:00 au"_s));
    // The temperature ticks run from below -20 to 100, the data only from 71.9 to 72.6.
    EXPECT_TRUE(page.contains(QRegularExpression(u"(?m)^ +100( |$)"_s))) << page.toStdString();
    EXPECT_TRUE(page.contains(QRegularExpression(u"(?m)^ +-25( |$)"_s))) << page.toStdString();
    EXPECT_FALSE(page.contains(QRegularExpression(u"\\S {2,}… le "_s))) << page.toStdString();
}
