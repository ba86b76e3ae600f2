// The table printed on a real default printer: a CUPS scheduler started by the test, whose
// default printer is cups-pdf, and the PDF file it writes read back.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

#include "Attente.h"
#include "Cups_Prive.h"
#include "Dialogues_Scriptes.h"
#include "Lecture_PDF.h"
#include "Table_Essai.h"
#include "core/Textes.h"
#include "printing/Impression.h"
#include "printing/Imprimante_Systeme.h"

namespace {

// The PDF files written since `depuis` (cups-pdf names them after the job, so an older file of
// the same name is written over).
QStringList Fichiers_PDF_Depuis(const QString& dossier, const QDateTime& depuis) {
    QStringList noms;
    for (const QFileInfo& fichier :
         QDir(dossier).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
        if (fichier.lastModified() >= depuis) noms << fichier.absoluteFilePath();
    }
    return noms;
}

}  // namespace

TEST(ImpressionCups, LeTableauSortSurLImprimanteParDefautDuSysteme) {
    Cups_Prive cups;
    if (!cups.Absence().isEmpty()) GTEST_SKIP() << cups.Absence().toStdString();
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), QLatin1String(Cups_Prive::Imprimante));
    const QString sortie = Cups_Prive::Dossier_Sortie();
    const QDateTime debut = QDateTime::currentDateTime().addSecs(-1);
    Imprimante_Systeme imprimante;
    Dialogues_Scriptes dialogues;

    Impression::Impression_Tableau(Table_Essai(500), Date_Depuis_Civil(2026, 12, 5, 15, 30),
                                   imprimante, dialogues);

    EXPECT_TRUE(dialogues.affichages.isEmpty());
    QString produit;
    ASSERT_TRUE(Attendre_Que(
        [&] {
            const QStringList nouveaux = Fichiers_PDF_Depuis(sortie, debut);
            if (nouveaux.isEmpty() || !cups.Travaux_Termines()) return false;
            produit = nouveaux.first();
            return true;
        },
        60000))
        << "aucun PDF dans " << sortie.toStdString();
    // What cups-pdf makes of the pages keeps their number and the job's name; its text goes
    // through PostScript and can no longer be read back.
    const Infos_PDF infos = Lire_Infos_PDF(produit);
    QFile::remove(produit);
    EXPECT_EQ(infos.pages, 3);
    EXPECT_EQ(infos.titre, QStringLiteral("(Caldrix)"));
}
