// "Ouvrir": the file dialog, the reading, the curves, and the cooking value replayed.
#include <QAction>
#include <QFile>

#include "Banc_Enregistrements.h"
#include "app/Barre_Etat.h"
#include "app/Frm_Patientez.h"
#include "cooking/gui/Frm_Calcul.h"

namespace {

class Ouverture : public Banc_Enregistrements {
  protected:
    void SetUp() override { Demarrer(7306, 0); }
    void Ouvrir(const QString& chemin) {
        banc.dialogues.reponses_fichiers = {chemin};
        Fenetre().Mnu_Ouvrir->trigger();
    }
};

}  // namespace

TEST_F(Ouverture, AMissingFileIsToldWhileTheWaitWindowShowsAndChangesNothing) {
    bool attente_visible = false;
    banc.dialogues.pendant_message = [&] {
        attente_visible = Fenetre().Fenetre_Patientez.Est_Chargee();
    };
    Ouvrir(banc.Chemin(QStringLiteral("Sauvegardes/absent.txt")));
    EXPECT_EQ(banc.dialogues.Messages(), QStringList{QStringLiteral("Nom de fichier introuvable")});
    EXPECT_EQ(banc.dialogues.affichages.last().icone, Dialogues::Icone::Exclamation);
    EXPECT_TRUE(attente_visible);
    EXPECT_FALSE(Fenetre().Fenetre_Patientez.Est_Chargee());
    EXPECT_TRUE(Etat_Programme().Nom_Fichier.isEmpty());

    const Dialogues::Choix_Fichier& choix = banc.dialogues.dialogues_fichiers.first();
    EXPECT_EQ(choix.Titre, QStringLiteral("Ouverture d'un fichier d'enregistrements"));
    EXPECT_EQ(choix.Filtre, QStringLiteral("(*.txt)|*.txt"));
    EXPECT_EQ(choix.Extension_Defaut, QStringLiteral(".txt"));
    EXPECT_EQ(choix.Dossier_Initial, banc.Chemin(QStringLiteral("Sauvegardes")));
}

TEST_F(Ouverture, OnlyNamesEndingExactlyInDotTxtAreRead) {
    const QString chemin = Fichier_Enregistrement(QStringLiteral("four.txt"), "7306", 3, 0);
    QFile::copy(chemin, banc.Chemin(QStringLiteral("Sauvegardes/FOUR.TXT")));
    Ouvrir(banc.Chemin(QStringLiteral("Sauvegardes/FOUR.TXT")));
    Ouvrir(QString());  // cancelled
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());
    EXPECT_EQ(Etat_Programme().Nb_Mesures, 0);
    EXPECT_EQ(Plot(1).Nb_Points(), 0);
}

TEST_F(Ouverture, AnIncorrectFileIsToldAndWhatWasReadIsDrawn) {
    QFile fichier(Fichier_Enregistrement(QStringLiteral("coupe.txt"), "7306", 6, 0));
    ASSERT_TRUE(fichier.open(QIODevice::Append));
    fichier.write("05/12/2026 08:06:00;abc\r\n");
    fichier.close();
    Ouvrir(fichier.fileName());
    EXPECT_EQ(banc.dialogues.Messages(), QStringList{QStringLiteral("Fichier incorrect!")});
    EXPECT_EQ(Plot(1).Nb_Points(), 6);
    EXPECT_EQ(Fenetre().Txt_Commentaire->text(), QStringLiteral("Lot 12"));
}

TEST_F(Ouverture, Recipe100ReplaysPasteurisation) {
    Ouvrir(Fichier_Enregistrement(QStringLiteral("pasteur.txt"), "7306", 6, 100));
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());
    EXPECT_EQ(banc.Etat_Affiche(),
              QStringLiteral("Pasteurisation Valeur : 12mn le : 05/12/2026 08:04:00 | Tref :70°c | "
                             "Z :10°c | Tdép :55°c"));
    EXPECT_FALSE(Fenetre().Fenetre_Calcul.Est_Chargee());  // OK closed it
    EXPECT_TRUE(Plot(2).Visible());
    EXPECT_EQ(Plot(2).Nb_Points(), 6);
    EXPECT_EQ(Etat_Programme().Mesures(5).Humidite, 12.0f);
    EXPECT_EQ(Etat_Programme().Num_Recette, 100);
}

TEST_F(Ouverture, Recipe5ReplaysThatRecipe) {
    auto e = Etat::Nouveau();
    Import_Export::Recettes_Defaut(*e, 70, 10, 55);
    e->Recettes(5).Nom = QStringLiteral("Terrine");
    e->Recettes(5).Temp_Ref = 60;
    ASSERT_EQ(Import_Export::Ecriture_Recettes(*e), Import_Export::Resultat_Ecriture::Ecrit);
    Ouvrir(Fichier_Enregistrement(QStringLiteral("terrine.txt"), "7306", 6, 5));
    EXPECT_TRUE(banc.Etat_Affiche().startsWith(QStringLiteral("Terrine Valeur : ")));
    EXPECT_TRUE(
        banc.Etat_Affiche().endsWith(QStringLiteral("| Tref :60°c | Z :10°c | Tdép :55°c")));
    EXPECT_EQ(Etat_Programme().Num_Recette, 5);
}

TEST_F(Ouverture, A7307FileWithARecipeOnlyGetsTheRefusal) {
    Ouvrir(Fichier_Enregistrement(QStringLiteral("hygro.txt"), "7307", 4, 100));
    EXPECT_EQ(
        banc.dialogues.Messages(),
        QStringList{QStringLiteral("Calcul de cuisson impossible avec un enregistreur 7307")});
    EXPECT_FALSE(Fenetre().Fenetre_Calcul.Est_Chargee());
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Nombre de mesures : 8"));
    EXPECT_EQ(Plot(2).Nb_Points(), 4);
    EXPECT_EQ(Etat_Programme().Mesures(2).Humidite, 45.5f);  // humidity, not a cooking value
}
