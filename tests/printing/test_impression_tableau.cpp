// The numeric table printed into PDF files, read back: page breaks, page numbers, the columns.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "Dialogues_Scriptes.h"
#include "Lecture_PDF.h"
#include "Table_Essai.h"
#include "core/Textes.h"
#include "printing/Impression.h"
#include "printing/Imprimante_PDF.h"

namespace {

const double Maintenant = Date_Depuis_Civil(2026, 12, 5, 15, 30, 0);

class Impression_Table : public ::testing::Test {
  protected:
    QStringList Imprimer(const QStringList& entrees) {
        Imprimante_PDF pdf(dossier.filePath(QStringLiteral("table.pdf")));
        Impression::Impression_Tableau(entrees, Maintenant, pdf, dialogues);
        EXPECT_TRUE(dialogues.affichages.isEmpty());
        return Pages_PDF(pdf.Chemin());
    }

    QTemporaryDir dossier;
    Dialogues_Scriptes dialogues;
};

}  // namespace

TEST_F(Impression_Table, CinqCentsEntreesTroisPagesNumerotees) {
    const QStringList pages = Imprimer(Table_Essai(500));

    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(Derniere_Ligne(pages[0]), QStringLiteral("page 1"));
    EXPECT_EQ(Derniere_Ligne(pages[1]), QStringLiteral("page 2"));
    EXPECT_EQ(Derniere_Ligne(pages[2]), QStringLiteral("page 3"));
    // Page 1: the title, the recording, the header, then entries 3 to 239.
    EXPECT_TRUE(pages[0].trimmed().startsWith(QStringLiteral("Caldrix le 05/12/2026 15:30:00")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Nom du module : SERRE")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Periode d'enregistrement (s) : 60")));
    EXPECT_TRUE(pages[0].contains(Heure_Entree(239)));
    EXPECT_FALSE(pages[0].contains(Heure_Entree(240)));
    // Pages 2 and 3 start with the header; 240 entries a page.
    for (const QString& page : {pages[1], pages[2]}) {
        EXPECT_TRUE(page.trimmed().startsWith(QStringLiteral("Date / Température")));
        EXPECT_EQ(page.count(QStringLiteral("Date / Température")), 3);
    }
    EXPECT_TRUE(pages[1].contains(Heure_Entree(240)));
    EXPECT_TRUE(pages[1].contains(Heure_Entree(479)));
    EXPECT_FALSE(pages[1].contains(Heure_Entree(480)));
    EXPECT_TRUE(pages[2].contains(Heure_Entree(480)));
    EXPECT_TRUE(pages[2].contains(Heure_Entree(499)));
    // Three entries a line, all three columns of each kept on the paper.
    const QString ligne = pages[1].split(QLatin1Char('\n')).filter(Heure_Entree(240)).value(0);
    EXPECT_TRUE(ligne.contains(Heure_Entree(241)));
    EXPECT_TRUE(ligne.contains(Heure_Entree(242)));
    EXPECT_EQ(ligne.count(QStringLiteral("20.5")), 3);
    EXPECT_EQ(ligne.count(QStringLiteral("60.25")), 3);
}

// The documented layout exactly: entries 3 to 239 on the first page, 240 a page after it, every
// page ending with its number, and never a page without entries.
TEST_F(Impression_Table, LesPagesSuiventLaMiseEnPageSansPageVide) {
    for (int nombre : {3, 239, 240, 483, 16003}) {
        const QStringList pages = Imprimer(Table_Essai(nombre));
        const int attendues = nombre <= 240 ? 1 : 1 + (nombre - 1) / 240;
        ASSERT_EQ(pages.size(), attendues) << nombre;
        for (int p = 1; p <= attendues; ++p) {
            const QString& page = pages[p - 1];
            EXPECT_EQ(Derniere_Ligne(page), QStringLiteral("page %1").arg(p)) << nombre;
            const int premiere = p == 1 ? 3 : 240 * (p - 1);
            const int derniere = std::min(240 * p, nombre) - 1;
            if (premiere > derniere) continue;  // a table without measures
            EXPECT_TRUE(page.contains(Heure_Entree(premiere))) << nombre << " page " << p;
            EXPECT_TRUE(page.contains(Heure_Entree(derniere))) << nombre << " page " << p;
            EXPECT_FALSE(page.contains(Heure_Entree(derniere + 1))) << nombre << " page " << p;
        }
    }
}
