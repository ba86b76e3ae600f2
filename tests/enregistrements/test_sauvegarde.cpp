// "Tout les points" and "La sélection": the save dialog, the ".txt" rule, the selection, and a
// file that cannot be written.
#include <QAction>
#include <QFile>

#include "Banc_Enregistrements.h"
#include "Limite_Taille_Fichier.h"
#include "curves/Axe_Graphe.h"
#include "curves/Numeros_Graphe.h"

namespace {

class Sauvegarde : public Banc_Enregistrements {
  protected:
    void SetUp() override {
        Demarrer(7306, 0);
        banc.dialogues.reponses_fichiers = {
            Fichier_Enregistrement(QStringLiteral("jour.txt"), "7306", 60, 0)};
        Fenetre().Mnu_Ouvrir->trigger();
        ASSERT_EQ(Etat_Programme().Nb_Mesures, 60);
    }
    void Sauver(QAction* entree, const QString& nom) {
        banc.dialogues.reponses_fichiers = {nom};
        entree->trigger();
    }
};

}  // namespace

TEST_F(Sauvegarde, AllPointsWithTheDialogsTextsAndTheCurrentComment) {
    Fenetre().Txt_Commentaire->setText(QStringLiteral("Contrôle du 5"));
    const QString nom = banc.Chemin(QStringLiteral("Sauvegardes/copie.txt"));
    Sauver(Fenetre().Mnu_Save_All, nom);
    const Dialogues::Choix_Fichier& choix = banc.dialogues.dialogues_fichiers.last();
    EXPECT_EQ(choix.Titre, QStringLiteral("Sauvegarde des enregistrements"));
    EXPECT_EQ(choix.Nom, QStringLiteral("Nom du fichier"));
    EXPECT_EQ(choix.Dossier_Initial, banc.Chemin(QStringLiteral("Sauvegardes")));
    auto relu = Etat::Nouveau();
    ASSERT_EQ(Import_Export::Lecture_Fichier_Enreg(*relu, nom),
              Import_Export::Resultat_Lecture::Lu);
    EXPECT_EQ(relu->Nb_Mesures, 60);
    EXPECT_EQ(relu->Commentaire, QStringLiteral("Contrôle du 5"));
    EXPECT_EQ(Etat_Programme().Nom_Fichier, nom);
}

TEST_F(Sauvegarde, ACapitalExtensionOrACancelWritesNothing) {
    Sauver(Fenetre().Mnu_Save_All, banc.Chemin(QStringLiteral("Sauvegardes/COPIE.TXT")));
    Sauver(Fenetre().Mnu_Save_All, QString());
    EXPECT_FALSE(QFile::exists(banc.Chemin(QStringLiteral("Sauvegardes/COPIE.TXT"))));
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());
}

TEST_F(Sauvegarde, TheSelectionKeepsTheShownRangeOnlyOnceANameIsChosen) {
    // Zoomed on the first ten minutes: 08:00 to 08:09, both ends included.
    Axe_Graphe& temps = Fenetre().CWGraph_Enreg->Axes(Numeros_Graphe::XAxis);
    const double debut = Date_Depuis_Civil(2026, 12, 5, 8, 0, 0);
    temps.Definir_Minimum(debut);
    temps.Definir_Maximum(debut + 9 / 1440.0);

    Sauver(Fenetre().Mnu_Save_Select, QString());  // cancelled: nothing is lost
    EXPECT_EQ(Etat_Programme().Nb_Mesures, 60);

    const QString nom = banc.Chemin(QStringLiteral("Sauvegardes/selection.txt"));
    Sauver(Fenetre().Mnu_Save_Select, nom);
    EXPECT_EQ(Etat_Programme().Nb_Mesures, 10);
    auto relu = Etat::Nouveau();
    ASSERT_EQ(Import_Export::Lecture_Fichier_Enreg(*relu, nom),
              Import_Export::Resultat_Lecture::Lu);
    EXPECT_EQ(relu->Nb_Mesures, 10);
    EXPECT_EQ(Texte_Date(relu->Mesures(10).Date_Heure), QStringLiteral("05/12/2026 08:09:00"));
}

TEST_F(Sauvegarde, AFullDiskIsToldAndTheFileThatWasThereStaysWhole) {
    const QString nom = banc.Chemin(QStringLiteral("Sauvegardes/garde.txt"));
    {
        QFile f(nom);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ancien contenu");
    }
    {
        const Limite_Taille_Fichier disque_plein(100);
        Sauver(Fenetre().Mnu_Save_All, nom);
    }
    ASSERT_EQ(banc.dialogues.Messages().size(), 1);
    EXPECT_TRUE(
        banc.dialogues.Messages().first().contains(QStringLiteral("n'a pas pu être écrit")));
    EXPECT_EQ(banc.Lire(QStringLiteral("Sauvegardes/garde.txt")), QByteArray("ancien contenu"));
    EXPECT_EQ(Etat_Programme().Nom_Fichier, banc.Chemin(QStringLiteral("Sauvegardes/jour.txt")));
}
