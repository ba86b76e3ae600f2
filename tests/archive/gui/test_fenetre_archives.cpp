// The archive from the desktop program: every save archived (an archive out of reach is told and
// the save stands), and the Archives window listing, filtering, verifying and opening.
#include "Banc_Programme.h"

namespace {

class FenetreArchives : public Programme_Installe {
  protected:
    FenetreArchives() { qunsetenv("CALDRIX_ARCHIVE"); }
    // Opens a fixture, then saves it with "Tout les points" under this name in Sauvegardes.
    QString Sauver(const char* fixture, const QString& nom) {
        const QString chemin = banc.Chemin(u"Sauvegardes/"_s + nom);
        Choisir(f.Mnu_Ouvrir, Fixture(fixture));
        Choisir(f.Mnu_Save_All, chemin);
        return chemin;
    }
    QStringList Colonne(int c) const {
        return ::Colonne(*f.Fenetre_Archives.Chargee()->Lst_Archives, c);
    }
};

}  // namespace

TEST_F(FenetreArchives, ListeFiltreVerifieEtOuvreCeQuiAEteArchive) {
    const QString four = Sauver("four_7306.txt", u"four.txt"_s);
    const QString serre = Sauver("serre_7307.txt", u"serre.txt"_s);
    EXPECT_EQ(banc.dialogues.Messages(), QStringList());

    f.Mnu_Archives->trigger();
    Frm_Archives* a = f.Fenetre_Archives.Chargee();
    ASSERT_TRUE(a && a->isVisible());
    // The most recent first: the oven from December, the greenhouse from November.
    EXPECT_EQ(Colonne(0), QStringList({u"FOUR01"_s, u"SERRE"_s}));
    EXPECT_EQ(Colonne(4), QStringList({u"12"_s, u"8"_s}));
    EXPECT_EQ(Colonne(5).first() + u' ' + Colonne(6).first(), u"-1.5 72.6"_s);

    // A date typed wrong.
    a->Txt_Du->setText(u"32/13/2026"_s);
    a->Cmd_Rechercher->click();
    EXPECT_EQ(banc.dialogues.Messages().last(),
              u"Du : « 32/13/2026 » n'est pas une date (jj/mm/aaaa ou jj/mm/aaaa hh:mm:ss)."_s);
    a->Txt_Du->clear();

    // The logger typed in lower case finds it; a search that finds nothing says so in words.
    a->Txt_Logger->setText(u"four01"_s);
    a->Cmd_Rechercher->click();
    EXPECT_EQ(Colonne(0), QStringList({u"FOUR01"_s}));
    a->Txt_Texte->setText(u"creme"_s);
    a->Cmd_Rechercher->click();
    EXPECT_EQ(Colonne(0), QStringList());
    EXPECT_TRUE(
        a->Lbl_Etat->text().startsWith(u"Aucun enregistrement archivé ne répond à la recherche"_s))
        << a->Lbl_Etat->text().toStdString();
    a->Txt_Logger->clear();
    a->Txt_Texte->clear();
    a->Cmd_Rechercher->click();

    // One file edited after archiving, the other gone: "Vérifier" shows both.
    banc.Ecrire(serre, banc.Lire(serre) + "\r\n");
    ASSERT_TRUE(QFile::remove(four));
    a->Cmd_Verifier->click();
    EXPECT_EQ(Colonne(9), QStringList({u"ABSENT"_s, u"MODIFIÉ"_s}));
    EXPECT_EQ(a->Lbl_Etat->text(), u"2 fichier(s) vérifié(s) : 1 absent(s), 1 modifié(s)"_s);

    // A double-click opens what was archived, from a copy since the file is gone.
    a->Lst_Archives_DblClick(0);
    EXPECT_EQ(banc.Etat_Programme().Identite_Logger, u"FOUR01"_s);
    EXPECT_TRUE(banc.Etat_Programme().Nom_Fichier.startsWith(banc.Chemin(u"Archives/Ouverts/"_s)));
    EXPECT_EQ(banc.Lire(banc.Etat_Programme().Nom_Fichier), banc.Lire(Fixture("four_7306.txt")));

    // Another file of the oven, added from the window, is listed with its comment.
    const QString ancien = banc.Chemin(u"Sauvegardes/ancien.txt"_s);
    banc.Etat_Programme().Commentaire = u"Lot d'octobre"_s;
    ASSERT_EQ(Import_Export::Ecriture_Fichier_Enreg(banc.Etat_Programme(), ancien),
              Import_Export::Resultat_Ecriture::Ecrit);
    Choisir(a->Cmd_Ajouter, ancien);
    EXPECT_EQ(banc.dialogues.Messages().last(),
              u"1 fichier(s) archivé(s), 0 déjà dans les archives."_s);
    EXPECT_EQ(Colonne(7).filter(u"Lot d'octobre"_s).size(), 1);
}

// An archive file that is not a database: the recording is saved byte for byte all the same,
// the user is told it is not archived and why, and the archive file is left as it was.
TEST_F(FenetreArchives, UneArchiveCorrompueNEmpechePasLaSauvegarde) {
    const QByteArray dechets(4096, 'x');
    banc.Ecrire(u"Archives/caldrix.sqlite"_s, dechets);

    const QString chemin = Sauver("four_7306.txt", u"four.txt"_s);

    EXPECT_EQ(banc.Lire(u"Sauvegardes/four.txt"_s),
              Import_Export::Contenu_Fichier_Enreg(banc.Etat_Programme()));
    ASSERT_EQ(banc.dialogues.Messages().size(), 1);
    EXPECT_TRUE(banc.dialogues.Messages().first().startsWith(
        u"L'enregistrement est sauvegardé dans %1 mais n'est pas archivé :\nImpossible "
        "d'ouvrir les archives %2 : le fichier des archives est endommagé ou n'est pas une base "
        "SQLite ("_s.arg(chemin, banc.Chemin(u"Archives/caldrix.sqlite"_s))))
        << banc.dialogues.Messages().first().toStdString();
    EXPECT_EQ(banc.Lire(u"Archives/caldrix.sqlite"_s), dechets);
}
