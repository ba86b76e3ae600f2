// The cooking window as the user drives it: opening state, fixed sets, recipes, bad input.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Banc_Enregistrements.h"
#include "cooking/gui/Frm_Calcul.h"

namespace {

class Calcul : public Banc_Enregistrements {
  protected:
    void SetUp() override {
        Demarrer(7306, 0);
        banc.dialogues.reponses_fichiers = {
            Fichier_Enregistrement(QStringLiteral("cuisson.txt"), "7306", 6, 0)};
        Fenetre().Mnu_Ouvrir->trigger();
    }
    Frm_Calcul& Ouvrir_Calcul() {
        Fenetre().Mnu_Calcul->trigger();
        Frm_Calcul* calcul = Fenetre().Fenetre_Calcul.Chargee();
        EXPECT_NE(calcul, nullptr);
        return *calcul;
    }
};

}  // namespace

TEST_F(Calcul, OpensOnPasteurisationAndOkComputesIt) {
    Frm_Calcul& c = Ouvrir_Calcul();
    EXPECT_EQ(c.windowTitle(), QStringLiteral("Calcul"));
    EXPECT_TRUE(c.Opt_Pasteurisation->isChecked());
    EXPECT_EQ(c.Txt_Temp_Ref->text(), QStringLiteral("70"));
    EXPECT_EQ(c.Txt_Valeur_Z->text(), QStringLiteral("10"));
    EXPECT_EQ(c.Txt_Temp_Dep->text(), QStringLiteral("55"));
    EXPECT_FALSE(c.Frame_Coefficient_calcul->isEnabled());
    EXPECT_FALSE(c.Cmb_Recette->isEnabled());
    EXPECT_EQ(c.Cmb_Recette->count(), 99);
    EXPECT_EQ(c.Txt_Recette->text(), QStringLiteral("Formule n°1"));
    c.Cmd_Ok->click();
    EXPECT_EQ(Etat_Programme().Num_Recette, 100);
    EXPECT_TRUE(banc.Etat_Affiche().startsWith(QStringLiteral("Pasteurisation Valeur : 12mn")));
    EXPECT_FALSE(Fenetre().Fenetre_Calcul.Est_Chargee());
}

TEST_F(Calcul, SterilisationAndCancel) {
    Frm_Calcul& c = Ouvrir_Calcul();
    c.Opt_Sterilisation->setChecked(true);
    EXPECT_EQ(c.Txt_Temp_Ref->text(), QStringLiteral("121"));
    EXPECT_EQ(c.Txt_Temp_Dep->text(), QStringLiteral("100"));
    c.Cmd_Annuler->click();
    EXPECT_EQ(Etat_Programme().Num_Recette, 0);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Nombre de mesures : 6"));
    Frm_Calcul& d = Ouvrir_Calcul();
    d.Opt_Sterilisation->setChecked(true);
    d.Cmd_Ok->click();
    EXPECT_EQ(Etat_Programme().Num_Recette, 101);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Stérilisation Valeur : 0mn le : 30/12/1899 | "
                                                  "Tref :121°c | Z :10°c | Tdép :100°c"));
}

TEST_F(Calcul, APersonalisedRecipeIsSavedAndShownAtTheNextOpening) {
    Frm_Calcul& c = Ouvrir_Calcul();
    c.Opt_Personalise->setChecked(true);
    EXPECT_TRUE(c.Frame_Coefficient_calcul->isEnabled());
    c.Cmb_Recette->setCurrentIndex(4);
    EXPECT_EQ(c.Txt_Recette->text(), QStringLiteral("Formule n°5"));
    c.Txt_Recette->setText(QStringLiteral("Rillettes"));
    c.Txt_Temp_Ref->setText(QStringLiteral("65.5"));
    c.Txt_Valeur_Z->setText(QStringLiteral("8"));
    c.Txt_Temp_Dep->setText(QStringLiteral("50"));
    c.Cmd_Ok->click();
    EXPECT_EQ(Etat_Programme().Num_Recette, 5);
    EXPECT_TRUE(banc.Etat_Affiche().startsWith(QStringLiteral("Rillettes Valeur : ")));
    EXPECT_TRUE(banc.Lire(QStringLiteral("recettes.ini"))
                    .contains("[Recette 5]\r\n5\r\nRillettes\r\n65.5\r\n8\r\n50\r\n"));

    Frm_Calcul& d = Ouvrir_Calcul();
    EXPECT_TRUE(d.Opt_Pasteurisation->isChecked());
    d.Opt_Personalise->setChecked(true);
    d.Cmb_Recette->setCurrentIndex(4);
    EXPECT_EQ(d.Txt_Recette->text(), QStringLiteral("Rillettes"));
    EXPECT_EQ(d.Txt_Temp_Ref->text(), QStringLiteral("65.5"));
    EXPECT_EQ(d.Txt_Valeur_Z->text(), QStringLiteral("8"));
}

TEST_F(Calcul, CoefficientsThatAreNoNumbersOrAZeroZComputeNothing) {
    Frm_Calcul& c = Ouvrir_Calcul();
    c.Opt_Personalise->setChecked(true);
    c.Cmb_Recette->setCurrentIndex(2);
    c.Txt_Temp_Ref->setText(QStringLiteral("soixante-dix"));
    c.Cmd_Ok->click();
    c.Txt_Temp_Ref->setText(QStringLiteral("70"));
    c.Txt_Valeur_Z->setText(QStringLiteral("0"));
    c.Cmd_Ok->click();
    EXPECT_EQ(banc.dialogues.Messages(),
              (QStringList{QStringLiteral("La température de référence doit être un nombre : "
                                          "« soixante-dix »"),
                           QStringLiteral("La valeur Z ne peut pas être nulle.")}));
    EXPECT_TRUE(Fenetre().Fenetre_Calcul.Est_Chargee());
    EXPECT_EQ(Etat_Programme().Num_Recette, 0);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Nombre de mesures : 6"));  // nothing computed
    EXPECT_EQ(Etat_Programme().Mesures(5).Humidite, 0.0f);
    EXPECT_FALSE(banc.Lire(QStringLiteral("recettes.ini")).contains("soixante"));
}

TEST_F(Calcul, A7307RecordingIsRefusedWithoutOpeningTheWindow) {
    banc.dialogues.reponses_fichiers = {
        Fichier_Enregistrement(QStringLiteral("hygro.txt"), "7307", 3, 0)};
    Fenetre().Mnu_Ouvrir->trigger();
    Fenetre().Mnu_Calcul->trigger();
    EXPECT_EQ(
        banc.dialogues.Messages(),
        QStringList{QStringLiteral("Calcul de cuisson impossible avec un enregistreur 7307")});
    EXPECT_FALSE(Fenetre().Fenetre_Calcul.Est_Chargee());
}

TEST_F(Calcul, UnEnregistrementDeMoinsDeDeuxMesuresNeCalculeRien) {
    Frm_Calcul& c = Ouvrir_Calcul();
    c.Cmd_Ok->click();  // a first computation, whose date must not come back
    const QString resultat = banc.Etat_Affiche();
    for (int nb : {0, 1}) {
        banc.dialogues.reponses_fichiers = {
            Fichier_Enregistrement(QStringLiteral("court%1.txt").arg(nb), "7306", nb, 0)};
        Fenetre().Mnu_Ouvrir->trigger();
        banc.dialogues.affichages.clear();
        Fenetre().Mnu_Calcul->trigger();
        EXPECT_FALSE(Fenetre().Fenetre_Calcul.Est_Chargee());
        EXPECT_EQ(banc.dialogues.Messages(),
                  QStringList{QStringLiteral("Calcul de cuisson impossible : l'enregistrement "
                                             "compte moins de deux mesures, il n'y a rien à "
                                             "calculer.")});
        EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Nombre de mesures : %1").arg(nb));
        EXPECT_EQ(Etat_Programme().Num_Recette, 0);
    }
    EXPECT_NE(resultat, banc.Etat_Affiche());
}
