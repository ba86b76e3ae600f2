// recettes.ini on disk: the exact layout, and names that cannot break the blocks.
#include <gtest/gtest.h>

#include "Dossier_Temporaire.h"
#include "Impression_Qt.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Recettes.h"

using namespace Qt::StringLiterals;

using namespace Import_Export;

namespace {

// A recipe as "number|name|reference|Z|start".
QString Texte(const Recette& r) {
    return QStringList{QString::number(r.Numero), r.Nom, Texte_Single(r.Temp_Ref),
                       Texte_Single(r.Valeur_Z), Texte_Single(r.Temp_Dep)}
        .join(u'|');
}

class FichierRecettes : public Dossier_Temporaire<> {
  protected:
    QByteArray Fichier() const { return Octets(Chemin(u"recettes.ini"_s)); }
    std::unique_ptr<Etat> etat = Etat::Nouveau();
};

TEST_F(FichierRecettes, AbsentIlEstCreePuisRecetteModifieeEcriteEtRelue) {
    ASSERT_EQ(Lecture_Recettes(*etat), Resultat_Lecture::Lu);
    const QByteArray fichier = Fichier();
    EXPECT_EQ(fichier.count("\r\n"), 594);
    EXPECT_EQ(fichier.count('\n'), 594) << "no line end other than CR LF";
    EXPECT_TRUE(
        fichier.startsWith("[Recette 1]\r\n1\r\nFormule n\xB0"
                           "1\r\n70\r\n10\r\n55\r\n[Recette 2]\r\n2\r\n"));
    EXPECT_TRUE(
        fichier.endsWith("[Recette 99]\r\n99\r\nFormule n\xB0"
                         "99\r\n70\r\n10\r\n55\r\n"));
    etat->Recettes(5) = {5, u"Confit de canard, 3ème essai"_s, 8.5f, 121.1f, -0.5f};
    // A line break in a name is written as a blank: it cannot shift the blocks.
    etat->Recettes(1).Nom = u"Pâté\r\nen croûte\n"_s;
    ASSERT_EQ(Ecriture_Recettes(*etat), Resultat_Ecriture::Ecrit);
    EXPECT_TRUE(
        Fichier().contains("\r\n[Recette 5]\r\n5\r\nConfit de canard, 3\xE8me essai"
                           "\r\n121.1\r\n8.5\r\n-0.5\r\n[Recette 6]\r\n"));
    const auto relu = Etat::Nouveau();
    ASSERT_EQ(Lecture_Recettes(*relu), Resultat_Lecture::Lu);
    EXPECT_EQ(relu->Recettes(1).Nom, u"Pâté  en croûte "_s);
    for (int k = 2; k <= Nb_Recettes_Max; ++k)
        EXPECT_EQ(Texte(relu->Recettes(k)), Texte(etat->Recettes(k))) << k;
}

// Numbers rounded half to even; a value that does not convert, a number beyond a byte, or a
// recipe the file was cut before keeps the previous one.
TEST_F(FichierRecettes, NombresLusCommeTapesEtDossierQuiNePeutPasLePrendre) {
    Recettes_Defaut(*etat, 70, 10, 55);
    QByteArray fichier = Contenu_Recettes(*etat);
    for (const auto& [k, numero] :
         {std::pair{12, "12.5"}, {13, "13,5"}, {16, "255"}, {17, "256"}, {18, "-0.5"}}) {
        const QByteArray bloc = "[Recette " + QByteArray::number(k) + "]\r\n";
        fichier.replace(bloc + QByteArray::number(k), bloc + numero);
    }
    fichier.replace("15\r\n70\r\n10\r\n", "15\r\nti\350de\r\n0\r\n");
    // Cut in the name of recipe 20.
    Ecrire(u"recettes.ini"_s, fichier.left(fichier.indexOf("[Recette 20]") + 22));
    Recettes_Defaut(*etat, 1, 2, 3);
    ASSERT_EQ(Lecture_Recettes(*etat), Resultat_Lecture::Lu);
    QStringList lues;
    for (int k : {12, 13, 15, 16, 17, 18, 20, 99})
        lues << Texte(etat->Recettes(k));
    EXPECT_EQ(lues.join(u' '),
              u"12|Formule n°12|70|10|55 14|Formule n°13|70|10|55 15|Formule n°15|1|0|55 "
              "255|Formule n°16|70|10|55 17|Formule n°17|70|10|55 0|Formule n°18|70|10|55 "
              "20|Form|1|2|3 99|Formule n°99|1|2|3"_s);
    qputenv("CALDRIX_HOME", QFile::encodeName(Chemin(u"absent"_s)));
    EXPECT_EQ(Lecture_Recettes(*etat), Resultat_Lecture::Introuvable);
    EXPECT_EQ(Texte(etat->Recettes(99)), u"99|Formule n°99|70|10|55"_s);
}

}  // namespace
