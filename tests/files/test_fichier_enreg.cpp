// Recordings files on disk, and the failures that must leave a good file alone.
#include <gtest/gtest.h>
#include <QDir>

#include "Dossier_Temporaire.h"
#include "Enregistrement_Essai.h"
#include "Fixtures.h"
#include "Impression_Qt.h"
#include "Limite_Taille_Fichier.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Fichier_Enreg.h"

using namespace Qt::StringLiterals;

using namespace Import_Export;

namespace {

class FichierEnreg : public Dossier_Temporaire<> {
  protected:
    // An earlier recording in memory (a 7307, recipe 7, period 900, 40 values), then the
    // fixture with every `avant` replaced by `apres`, or cut before `avant` when `apres` is null.
    Resultat_Lecture Ouvrir(const char* fixture, const char* avant = "", const char* apres = "") {
        Enregistrement_Essai(7307).Recette(7).Periode(900).Constante(20, 99).Remplir(*etat);
        QByteArray octets = Octets(Fixture(fixture));
        if (apres)
            octets.replace(avant, apres);
        else
            octets.truncate(octets.indexOf(avant));
        return Lecture_Fichier_Enreg(*etat, Ecrire(u"lu.txt"_s, octets));
    }
    std::unique_ptr<Etat> etat = Etat::Nouveau();
};

// Written back byte for byte, every field and measure was read: identity, comment with °, – and
// é, counts, stamps across midnight.
TEST_F(FichierEnreg, FixturesLuesPuisReecritesOctetPourOctet) {
    for (const char* fixture : {"four_7306.txt", "serre_7307.txt"}) {
        SCOPED_TRACE(fixture);
        ASSERT_EQ(Ouvrir(fixture), Resultat_Lecture::Lu);
        // A temperature-only recording carries no humidity, whatever the table held before.
        EXPECT_TRUE(Est_Modele_7307(etat->Version_Logger) || etat->Mesures(1).Humidite == 0);
        EXPECT_EQ(Contenu_Fichier_Enreg(*etat), Octets(Fixture(fixture)));
    }
}

// What a file changed by hand reads as: the result, and what was read before any fault.
TEST_F(FichierEnreg, FichiersModifiesOuCoupes) {
    const auto Lu = Resultat_Lecture::Lu, Faux = Resultat_Lecture::Incorrect;
    const struct {
        const char *fixture, *avant, *apres;
        Resultat_Lecture resultat;
        int recette, periode, nb_mesures;
    } cas[] = {
        {"four_7306.txt", "\r\n100\r\n", "\r\n12.5\r\n", Lu, 12, 60, 12},
        {"four_7306.txt", "\r\n100\r\n", "\r\n  42 mn\r\n", Lu, 42, 60, 12},
        {"four_7306.txt", "\r\n100\r\n", "\r\naucune\r\n", Lu, 0, 60, 12},
        {"four_7306.txt", "\r\n100\r\n", "\r\n255\r\n", Lu, 255, 60, 12},
        {"four_7306.txt", "\r\n100\r\n", "\r\n255.5\r\n", Faux, 7, 900, 0},
        {"four_7306.txt", "\r\n100\r\n", "\r\n-1\r\n", Faux, 7, 900, 0},
        {"four_7306.txt", " 60 ", "120", Lu, 100, 120, 12},
        {"four_7306.txt", " 60 ", " soixante ", Faux, 100, 900, 0},
        {"four_7306.txt", " 60 ", "40000", Faux, 100, 900, 0},
        // More measure lines than announced keep the count (fewer: the incomplete files below).
        {"four_7306.txt", "mesure]\r\n12", "mesure]\r\n5", Lu, 100, 60, 5},
        {"serre_7307.txt", "mesure]\r\n16", "mesure]\r\n15", Lu, 0, 120, 15},
        {"four_7306.txt", "mesure]\r\n12", "mesure]\r\n16001", Faux, 100, 60, 0},
        {"four_7306.txt", "mesure]\r\n12", "mesure]\r\n-1", Faux, 100, 60, 0},
        // A measure field that does not convert or is missing, an empty line after the last
        // measure, a file cut in a measure line or in its header: what was read stays.
        {"four_7306.txt", ";72.4", ";abc", Faux, 100, 60, 6},
        {"serre_7307.txt", ";22;62", ";22", Faux, 0, 120, 14},
        {"four_7306.txt", "-1.5\r\n", "-1.5\r\n\r\n", Faux, 100, 60, 12},
        {"four_7306.txt", "0:03:00;", nullptr, Faux, 100, 60, 8},
        {"four_7306.txt", "[Nombre", nullptr, Faux, 100, 60, 0},
        {"four_7306.txt", "", nullptr, Faux, 7, 900, 0},
        // Other systems' line ends, and a last line without one.
        {"four_7306.txt", "\r\n", "\n", Lu, 100, 60, 12},
        {"four_7306.txt", "\r\n", "\r", Lu, 100, 60, 12},
        {"four_7306.txt", "-1.5\r\n", "-1.5", Lu, 100, 60, 12},
    };
    for (const auto& c : cas) {
        // The row as written above, its line ends shown.
        QByteArray ligne = QByteArray(c.avant) + " -> " + (c.apres ? c.apres : "(cut)");
        SCOPED_TRACE(ligne.replace('\r', "\\r").replace('\n', "\\n").toStdString());
        EXPECT_EQ(Ouvrir(c.fixture, c.avant, c.apres), c.resultat);
        EXPECT_EQ(etat->Num_Recette, c.recette);
        EXPECT_EQ(etat->Periode_Enreg, c.periode);
        EXPECT_EQ(etat->Nb_Mesures, c.nb_mesures);
    }
}

TEST_F(FichierEnreg, AuPlus16000MesuresDeuxValeursChacuneSur7307) {
    const QString plein =
        Enregistrement_Essai(7307).Constante(16000, 4.5f).Ecrire(Chemin(u"7307"_s));
    ASSERT_EQ(Lecture_Fichier_Enreg(*etat, plein), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Nb_Mesures, 32000);
    const QString trop = Enregistrement_Essai().Constante(16000, 4.5f).Ecrire(Chemin(u"7306"_s));
    Ecrire(u"7306"_s, Octets(trop) + "06/01/2027;1\r\n");
    EXPECT_EQ(Lecture_Fichier_Enreg(*etat, trop), Resultat_Lecture::Incorrect);
    EXPECT_EQ(etat->Nb_Mesures, 16000);
}

// Cut in its first eleven lines, a file is no recording; shorter than its header says (after the
// column header: no measure at all), it is read, marked incomplete and written back as it was.
TEST_F(FichierEnreg, EnTeteCoupeRefuseFichierCourtIncomplet) {
    const QByteArray four = Octets(Fixture("four_7306.txt"));
    qsizetype fin = 0;
    // The line that is missing, and what it should have held.
    const char* const manque[] = {
        "l'identité du logger",        "le modèle du logger",  "la recette",
        "la période d'enregistrement", "le nombre de mesures", "le commentaire",
        "l'en-tête des colonnes"};
    for (int ligne = 1; ligne <= 11; ++ligne) {
        fin = four.indexOf("\r\n", fin) + 2;
        SCOPED_TRACE(ligne);
        Defaut_Lecture defaut;
        EXPECT_EQ(
            Lecture_Fichier_Enreg(*etat, Ecrire(u"coupe.txt"_s, four.left(fin)), nullptr, &defaut),
            Resultat_Lecture::Incorrect);
        EXPECT_EQ(defaut.Texte(),
                  u"ligne %1 : le fichier s'arrête avant %2"_s.arg(
                      QString::number(ligne + 1),
                      QString::fromUtf8(manque[std::min(ligne / 2, 5) + (ligne == 11 ? 1 : 0)])));
    }
    EXPECT_EQ(Lecture_Fichier_Enreg(*etat, Ecrire(u"vide.txt"_s, four.left(fin + 24))),
              Resultat_Lecture::Lu);
    EXPECT_EQ(QList({Enregistrements_Lisibles(*etat), Enregistrements_Annonces(*etat)}),
              QList({0, 12}));
    EXPECT_EQ(Ouvrir("four_7306.txt", "mesure]\r\n12", "mesure]\r\n274"), Resultat_Lecture::Lu);
    EXPECT_EQ(QList<int>({etat->Nb_Mesures, etat->Nb_Mesures_Annoncees}), QList({12, 274}));
    EXPECT_TRUE(Enregistrement_Incomplet(*etat));
    EXPECT_EQ(Contenu_Fichier_Enreg(*etat), Octets(Chemin(u"lu.txt"_s)));
    EXPECT_EQ(Ouvrir("serre_7307.txt", "mesure]\r\n16", "mesure]\r\n20"), Resultat_Lecture::Lu);
    EXPECT_EQ(QList({Enregistrements_Lisibles(*etat), Enregistrements_Annonces(*etat)}),
              QList({8, 10}));
    EXPECT_EQ(Contenu_Fichier_Enreg(*etat), Octets(Chemin(u"lu.txt"_s)));
    EXPECT_EQ(Ouvrir("four_7306.txt"), Resultat_Lecture::Lu);
    EXPECT_FALSE(Enregistrement_Incomplet(*etat));
}

// A line break in the identity or the comment is written as a blank: it cannot shift the lines.
// "[Mesures]" where the comment goes marks a file saved without one: no comment reads back.
TEST_F(FichierEnreg, IdentiteEtCommentaireRelusTelsQuels) {
    Enregistrement_Essai().Identite(u"A\nB"_s).Constante(3, 21.5f).Remplir(*etat);
    for (const auto& [commentaire, lu] :
         {std::pair{"", ""}, {"[Mesures]", ""}, {"ligne 1\r\nligne 2", "ligne 1  ligne 2"}}) {
        etat->Commentaire = QLatin1String(commentaire);
        ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, Chemin(u"c.txt"_s)), Resultat_Ecriture::Ecrit);
        ASSERT_EQ(Lecture_Fichier_Enreg(*etat, Chemin(u"c.txt"_s)), Resultat_Lecture::Lu);
        EXPECT_EQ(etat->Identite_Logger + u'|' + etat->Commentaire, u"A B|"_s + QLatin1String(lu));
    }
}

TEST_F(FichierEnreg, UnEchecNeChangeNiLaMemoireNiLeBonFichier) {
    const QString bon = Ecrire(u"four.txt"_s, Octets(Fixture("four_7306.txt")));
    ASSERT_EQ(Lecture_Fichier_Enreg(*etat, bon), Resultat_Lecture::Lu);
    EXPECT_EQ(Lecture_Fichier_Enreg(*etat, Chemin(u"absent.txt"_s)), Resultat_Lecture::Introuvable);
    EXPECT_EQ(Contenu_Fichier_Enreg(*etat), Octets(bon));
    etat->Nb_Mesures = Nb_Mesures_Max;
    {
        // The disk fills up while the new, larger file is being written (the causes of a failed
        // write are told by the command line's tests).
        const Limite_Taille_Fichier disque_plein(4096);
        EXPECT_EQ(Ecriture_Fichier_Enreg(*etat, bon), Resultat_Ecriture::Echec);
    }
    EXPECT_EQ(Octets(bon), Octets(Fixture("four_7306.txt")));
    EXPECT_EQ(QDir(Chemin(QString())).entryList(QDir::Files), QStringList({u"four.txt"_s}));
}

}  // namespace
