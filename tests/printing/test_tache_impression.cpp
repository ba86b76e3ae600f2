// Where the pages go when there is no printer, and a print that cannot start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Dialogues_Scriptes.h"
#include "Lecture_PDF.h"
#include "Limite_Taille_Fichier.h"
#include "core/Textes.h"
#include "printing/Impression.h"
#include "printing/Imprimante.h"
#include "printing/Imprimante_PDF.h"

namespace {

// A machine with no printer installed.
struct Aucune_Imprimante : Imprimante {
    std::unique_ptr<QPrinter> Nouvelle_Tache() override { return nullptr; }
};

const QStringList Table = {QStringLiteral("Nom du module : SERRE"),
                           QStringLiteral("Periode d'enregistrement (s) : 60"),
                           QStringLiteral("Date / Température      °C     "),
                           QStringLiteral("05/12/2026 08:00:00    20.5    ")};
const QString Question = QStringLiteral(
    "Aucune imprimante n'est installée.\nVoulez vous enregistrer la page dans un fichier PDF ?");
const double Maintenant = Date_Depuis_Civil(2026, 12, 5, 15, 30, 0);

}  // namespace

TEST(TacheImpression, SansImprimanteLaPagePeutAllerDansUnFichierPDF) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("tableau.pdf"));
    Aucune_Imprimante imprimante;
    Dialogues_Scriptes dialogues;
    dialogues.reponses_questions = {true};
    dialogues.reponses_fichiers = {chemin};

    Impression::Impression_Tableau(Table, Maintenant, imprimante, dialogues);

    ASSERT_EQ(dialogues.affichages.size(), 2);
    EXPECT_EQ(dialogues.affichages[0].texte, Question);
    EXPECT_EQ(dialogues.dialogues_fichiers.value(0).Filtre, QStringLiteral("(*.pdf)|*.pdf"));
    const QStringList pages = Pages_PDF(chemin);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("05/12/2026 08:00:00")));
}

TEST(TacheImpression, SansImprimanteEtSansPDFRienNEstEcrit) {
    QTemporaryDir dossier;
    Aucune_Imprimante imprimante;
    Dialogues_Scriptes dialogues;
    dialogues.reponses_questions = {false};

    Impression::Impression_Tableau(Table, Maintenant, imprimante, dialogues);

    ASSERT_EQ(dialogues.affichages.size(), 1);
    EXPECT_EQ(dialogues.affichages[0].texte, Question);
    EXPECT_TRUE(QDir(dossier.path()).isEmpty());
}

TEST(TacheImpression, UneImpressionQuiNePeutCommencerLeDit) {
    const QString chemin = QStringLiteral("/dossier/absent/tableau.pdf");
    Imprimante_PDF imprimante(chemin);
    Dialogues_Scriptes dialogues;

    Impression::Impression_Tableau(Table, Maintenant, imprimante, dialogues);

    EXPECT_EQ(
        dialogues.Messages(),
        QStringList{QStringLiteral("L'impression n'a pas pu commencer sur « %1 ».").arg(chemin)});
    EXPECT_FALSE(QFile::exists(chemin));
}

TEST(TacheImpression, UnDisquePleinLaisseLAncienFichierEtLeDit) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("tableau.pdf"));
    {
        QFile ancien(chemin);
        ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
        ancien.write("ancien");
    }
    Imprimante_PDF imprimante(chemin);
    Dialogues_Scriptes dialogues;
    QStringList table = Table;
    for (int i = 0; i < 3000; ++i)
        table << Table.last();
    {
        const Limite_Taille_Fichier disque_plein(4096);
        Impression::Impression_Tableau(table, Maintenant, imprimante, dialogues);
    }

    EXPECT_EQ(dialogues.Messages(),
              QStringList{QStringLiteral("L'impression sur « %1 » n'a pas abouti.").arg(chemin)});
    QFile ancien(chemin);
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), "ancien");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("tableau.pdf")});
}
