// The numeric table printed into PDF files, read back: page by page against its layout; where
// the pages go without a printer; a print that cannot start or finish.
#include "Dossier_Temporaire.h"
#include "Essai_Fenetres.h"
#include "Lecture_PDF.h"
#include "Limite_Taille_Fichier.h"
#include "printing/Impression.h"
#include "printing/Imprimante.h"
#include "printing/Imprimante_PDF.h"
#include "table/Lignes_Tableau.h"

namespace {

const double Maintenant = Date_Depuis_Civil(2026, 12, 5, 15, 30, 0);

// The table of a 7307 recording, `entrees` entries in all (the two description lines and the
// header included); entry k tells its place by its time.
QStringList Table(int entrees) {
    return Lignes_Tableau::Lignes(*Enregistrement_Essai(7307)
                                       .Identite(u"SERRE"_s)
                                       .Constante(entrees - 3, 20.5f)
                                       .Etat_Rempli(),
                                  {0, 1e6, true});
}
const auto Heure = [](int entree) { return Texte_Date(Enregistrement_Essai().Date(entree - 2)); };

struct Aucune_Imprimante : Imprimante {
    std::unique_ptr<QPrinter> Nouvelle_Tache() override { return nullptr; }
};

}  // namespace

// Entries 3 to 239 on the first page under the title and the recording, 240 a page after it
// under the header written three times, three entries a line with all their columns, every
// page ending with its number, and never a page without entries.
TEST(ImpressionTableau, LesPagesSuiventLaMiseEnPage) {
    QTemporaryDir dossier;
    Imprimante_PDF pdf(dossier.filePath(u"table.pdf"_s));
    Dialogues_Scriptes dialogues;
    for (auto [nombre, attendues] : {std::pair{239, 1}, {240, 1}, {483, 3}, {16003, 67}}) {
        SCOPED_TRACE(nombre);
        Impression::Impression_Tableau(Table(nombre), Maintenant, pdf, dialogues);
        const QStringList pages = Pages_PDF(pdf.Chemin());
        ASSERT_EQ(pages.size(), attendues);
        EXPECT_TRUE(pages[0].trimmed().startsWith(u"Caldrix le 05/12/2026 15:30:00"_s));
        EXPECT_TRUE(pages[0].contains(u"Nom du module : SERRE"_s));
        EXPECT_TRUE(pages[0].contains(u"Periode d'enregistrement (s) : 60"_s));
        const QString ligne = pages[0].split(QLatin1Char('\n')).filter(Heure(3)).value(0);
        EXPECT_TRUE(ligne.contains(Heure(4)) && ligne.contains(Heure(5)))
            << "three measures a line: " << ligne.toStdString();
        EXPECT_EQ(ligne.count(u"20.5"_s), 3) << ligne.toStdString();
        EXPECT_TRUE(ligne.contains(u"43"_s)) << "the humidity: " << ligne.toStdString();
        for (int p = 1; p <= attendues; ++p) {
            const QString& page = pages[p - 1];
            const int derniere = std::min(240 * p, nombre) - 1;
            EXPECT_EQ(page.trimmed().split(u'\n').last().trimmed(), u"page %1"_s.arg(p));
            EXPECT_EQ(page.count(u"Date / Température"_s), 3) << "column heads, page " << p;
            EXPECT_TRUE(p == 1 || page.trimmed().startsWith(u"Date / Température"_s))
                << "page " << p << " starts with its column heads";
            EXPECT_TRUE(page.contains(Heure(p == 1 ? 3 : 240 * (p - 1))))
                << "first measure of page " << p;
            EXPECT_TRUE(page.contains(Heure(derniere))) << "last measure of page " << p;
            EXPECT_FALSE(page.contains(Heure(derniere + 1))) << "page " << p << " goes no further";
        }
    }
    EXPECT_TRUE(dialogues.affichages.isEmpty());
}

// Without a printer the user may have the page in a PDF file, or nothing; a print that cannot
// start is told; so is a full disk, which leaves the old file whole and no other file behind.
using TacheImpression = Dossier_Temporaire<>;

TEST_F(TacheImpression, SansImprimanteImpossibleACommencerOuAFinir) {
    const QString chemin = Chemin(u"tableau.pdf"_s);
    Aucune_Imprimante aucune;
    Dialogues_Scriptes dialogues;
    dialogues.reponses_questions = {false, true};
    dialogues.reponses_fichiers = {chemin};
    Impression::Impression_Tableau(Table(4), Maintenant, aucune, dialogues);
    EXPECT_FALSE(QFile::exists(chemin));
    Impression::Impression_Tableau(Table(4), Maintenant, aucune, dialogues);
    EXPECT_EQ(dialogues.affichages.value(1).texte,
              u"Aucune imprimante n'est installée.\nVoulez vous enregistrer la "
              "page dans un fichier PDF ?"_s);
    ASSERT_EQ(dialogues.dialogues_fichiers.size(), 1);
    EXPECT_EQ(dialogues.dialogues_fichiers[0].Filtre, u"(*.pdf)|*.pdf"_s);
    EXPECT_TRUE(Pages_PDF(chemin).value(0).contains(Heure(3)));

    const QString absent = u"/dossier/absent/tableau.pdf"_s;
    Imprimante_PDF sans_dossier(absent);
    Impression::Impression_Tableau(Table(4), Maintenant, sans_dossier, dialogues);
    Ecrire(u"tableau.pdf"_s, "ancien");
    Imprimante_PDF imprimante(chemin);
    {
        const Limite_Taille_Fichier disque_plein(4096);
        Impression::Impression_Tableau(Table(3000), Maintenant, imprimante, dialogues);
    }
    EXPECT_EQ(dialogues.Messages(),
              (QStringList{u"L'impression n'a pas pu commencer sur « %1 »."_s.arg(absent),
                           u"L'impression sur « %1 » n'a pas abouti."_s.arg(chemin)}));
    EXPECT_EQ(Octets(chemin), "ancien");
    EXPECT_EQ(QFileInfo(chemin).dir().entryList(QDir::Files), QStringList{u"tableau.pdf"_s});
}
