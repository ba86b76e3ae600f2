// recettes.ini on disk: created with the defaults when missing, the exact layout, numbers read
// the way they were typed, names that cannot break the blocks.
#include <gtest/gtest.h>

#include <memory>

#include "Dossier_Temporaire.h"
#include "core/Etat.h"
#include "files/Recettes.h"

using namespace Import_Export;

namespace {

const QString Recettes = QStringLiteral("recettes.ini");

class RecipesFile : public Dossier_Temporaire {
  protected:
    std::unique_ptr<Etat> etat = Etat::Nouveau();
};

TEST_F(RecipesFile, AMissingFileIsCreatedWithTheDefaultRecipes) {
    ASSERT_EQ(Lecture_Recettes(*etat), Resultat_Lecture::Lu);
    const QByteArray fichier = Lire(Recettes);
    EXPECT_EQ(fichier.count("\r\n"), 594);
    EXPECT_TRUE(
        fichier.startsWith("[Recette 1]\r\n1\r\nFormule n\xB0"
                           "1\r\n70\r\n10\r\n55\r\n[Recette 2]\r\n2\r\n"));
    EXPECT_TRUE(
        fichier.endsWith("[Recette 99]\r\n99\r\nFormule n\xB0"
                         "99\r\n70\r\n10\r\n55\r\n"));
    EXPECT_EQ(fichier.count('\n'), 594);  // no line end other than CR LF

    const Recette& septieme = etat->Recettes(7);
    EXPECT_EQ(septieme.Numero, 7);
    EXPECT_EQ(septieme.Nom, QStringLiteral("Formule n°7"));
    EXPECT_EQ(septieme.Temp_Ref, 70.0f);
    EXPECT_EQ(septieme.Valeur_Z, 10.0f);
    EXPECT_EQ(septieme.Temp_Dep, 55.0f);
}

TEST_F(RecipesFile, AnEditedRecipeIsWrittenAndReadBack) {
    Recettes_Defaut(*etat, 70, 10, 55);
    Recette& cinquieme = etat->Recettes(5);
    cinquieme.Nom = QStringLiteral("Confit de canard, 3ème essai");
    cinquieme.Temp_Ref = 121.1f;
    cinquieme.Valeur_Z = 8.5f;
    cinquieme.Temp_Dep = -0.5f;
    ASSERT_EQ(Ecriture_Recettes(*etat), Resultat_Ecriture::Ecrit);
    EXPECT_TRUE(
        Lire(Recettes).contains("\r\n[Recette 5]\r\n5\r\nConfit de canard, 3\xE8me essai"
                                "\r\n121.1\r\n8.5\r\n-0.5\r\n[Recette 6]\r\n"));

    const auto relu = Etat::Nouveau();
    ASSERT_EQ(Lecture_Recettes(*relu), Resultat_Lecture::Lu);
    for (int k = 1; k <= Nb_Recettes_Max; ++k) {
        EXPECT_EQ(relu->Recettes(k).Numero, etat->Recettes(k).Numero) << k;
        EXPECT_EQ(relu->Recettes(k).Nom, etat->Recettes(k).Nom) << k;
        EXPECT_EQ(relu->Recettes(k).Temp_Ref, etat->Recettes(k).Temp_Ref) << k;
        EXPECT_EQ(relu->Recettes(k).Valeur_Z, etat->Recettes(k).Valeur_Z) << k;
        EXPECT_EQ(relu->Recettes(k).Temp_Dep, etat->Recettes(k).Temp_Dep) << k;
    }
}

TEST_F(RecipesFile, NumbersAreRoundedHalfToEvenAndBadValuesKeepThePreviousOnes) {
    Recettes_Defaut(*etat, 70, 10, 55);
    QByteArray fichier = Contenu_Recettes(*etat);
    fichier.replace("[Recette 12]\r\n12\r\n", "[Recette 12]\r\n12.5\r\n");
    fichier.replace("[Recette 13]\r\n13\r\n", "[Recette 13]\r\n13,5\r\n");
    fichier.replace("[Recette 14]\r\n14\r\n", "[Recette 14]\r\n300\r\n");
    fichier.replace(
        "n\xB0"
        "15\r\n70\r\n10\r\n",
        "n\xB0"
        "15\r\ntiède\r\n0\r\n");
    Ecrire(Recettes, fichier);

    Recettes_Defaut(*etat, 1, 2, 3);
    ASSERT_EQ(Lecture_Recettes(*etat), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Recettes(12).Numero, 12);
    EXPECT_EQ(etat->Recettes(13).Numero, 14);
    EXPECT_EQ(etat->Recettes(14).Numero, 14);  // kept: no byte holds 300
    EXPECT_EQ(etat->Recettes(15).Temp_Ref, 1.0f);
    EXPECT_EQ(etat->Recettes(15).Valeur_Z, 0.0f);
    EXPECT_EQ(etat->Recettes(16).Temp_Ref, 70.0f);
}

TEST_F(RecipesFile, ACutFileLeavesTheMissingRecipesAsTheyWere) {
    Recettes_Defaut(*etat, 70, 10, 55);
    const QByteArray fichier = Contenu_Recettes(*etat);
    Ecrire(Recettes, fichier.left(fichier.indexOf("[Recette 3]") + 20));
    Recettes_Defaut(*etat, 1, 2, 3);
    ASSERT_EQ(Lecture_Recettes(*etat), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Recettes(2).Temp_Ref, 70.0f);
    EXPECT_EQ(etat->Recettes(3).Nom, QStringLiteral("Form"));  // the cut line as it stands
    EXPECT_EQ(etat->Recettes(3).Temp_Ref, 1.0f);
    EXPECT_EQ(etat->Recettes(99).Temp_Dep, 3.0f);
}

TEST_F(RecipesFile, ANameWithALineBreakCannotShiftTheBlocks) {
    Recettes_Defaut(*etat, 70, 10, 55);
    etat->Recettes(1).Nom = QStringLiteral("Pâté\r\nen croûte\n");
    ASSERT_EQ(Ecriture_Recettes(*etat), Resultat_Ecriture::Ecrit);
    EXPECT_EQ(Lire(Recettes).count("\r\n"), 594);

    const auto relu = Etat::Nouveau();
    ASSERT_EQ(Lecture_Recettes(*relu), Resultat_Lecture::Lu);
    EXPECT_EQ(relu->Recettes(1).Nom, QStringLiteral("Pâté  en croûte "));
    EXPECT_EQ(relu->Recettes(1).Temp_Ref, 70.0f);
    EXPECT_EQ(relu->Recettes(2).Numero, 2);
}

TEST_F(RecipesFile, AFolderThatCannotTakeTheFileLeavesTheDefaultsInMemory) {
    qputenv("CALDRIX_HOME", QFile::encodeName(Chemin(QStringLiteral("absent"))));
    EXPECT_EQ(Lecture_Recettes(*etat), Resultat_Lecture::Introuvable);
    EXPECT_EQ(etat->Recettes(99).Nom, QStringLiteral("Formule n°99"));
    EXPECT_EQ(Ecriture_Recettes(*etat), Resultat_Ecriture::Echec);
}

}  // namespace
