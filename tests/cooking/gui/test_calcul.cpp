// The cooking window driven through its controls over a 7306 recording on a real graph: the
// fixed sets, the recipes written to recettes.ini, and what it refuses to compute.
#include "Banc_Programme.h"

namespace {

class Calcul : public ::testing::Test {
  protected:
    Calcul() {
        banc.Installer(3);
        Enregistrement_Essai().Temperatures({50, 60, 70, 80, 70, 50}).Remplir(*etat);
    }
    Frm_Calcul& Ouvrir() {
        fenetre.Charger(*etat, graphe, etats, banc.dialogues, maximum).show();
        return *fenetre.Chargee();
    }
    QStringList Coefficients(const Frm_Calcul& c) {
        return Textes({c.Txt_Recette, c.Txt_Temp_Ref, c.Txt_Valeur_Z, c.Txt_Temp_Dep});
    }

    Banc_Programme banc;  // the program folder, with its recettes.ini
    std::unique_ptr<Etat> etat = Etat::Nouveau();
    CWGraph graphe;
    Etats_Releves etats;
    Maximum_Cuisson maximum;
    Fenetre<Frm_Calcul> fenetre;
};

}  // namespace

// Pasteurisation at each opening, sterilisation shown when chosen; "Annuler" stores nothing; OK
// computes, draws the cooking curve, writes the result into the status line and closes.
TEST_F(Calcul, LesCalculsFixesPuisUneRecettePersonnalisee) {
    Frm_Calcul& fixe = Ouvrir();
    EXPECT_FALSE(fixe.Frame_Coefficient_calcul->isEnabled() || fixe.Cmb_Recette->isEnabled());
    fixe.Opt_Sterilisation->setChecked(true);
    EXPECT_EQ(Coefficients(fixe), (QStringList{u"Formule n°1"_s, u"121"_s, u"10"_s, u"100"_s}));
    fixe.Cmd_Annuler->click();
    EXPECT_FALSE(fenetre.Est_Chargee());
    EXPECT_EQ(etat->Num_Recette, 0);

    Ouvrir().Cmd_Ok->click();
    EXPECT_FALSE(fenetre.Est_Chargee());
    EXPECT_EQ(etat->Num_Recette, 100);
    EXPECT_EQ(etats.textes, QStringList{u"Pasteurisation Valeur : 12mn le : 05/12/2026 08:04:00 | "
                                        "Tref :70°c | Z :10°c | Tdép :55°c"_s});
    EXPECT_EQ(graphe.Axes(3).Legende(), u"Valeur Cuisson (minutes)"_s);

    // A recipe of the user's: nothing is stored or computed, and the window stays, until the
    // coefficients can give a value; then it is written to recettes.ini and comes back at the
    // next opening.
    Frm_Calcul& c = Ouvrir();
    c.Opt_Personalise->setChecked(true);
    EXPECT_TRUE(c.Frame_Coefficient_calcul->isEnabled());
    c.Cmb_Recette->setCurrentIndex(4);
    c.Txt_Recette->setText(u"Rillettes"_s);
    c.Txt_Temp_Dep->setText(u"50"_s);
    for (auto [temp_ref, valeur_z, mesures] : {std::tuple{"soixante-dix", "8", 6},
                                               {"65.5", "0", 6},
                                               {"65.5", "0.0001", 6},
                                               {"65.5", "8", 1}}) {
        c.Txt_Temp_Ref->setText(QLatin1String(temp_ref));
        c.Txt_Valeur_Z->setText(QLatin1String(valeur_z));
        etat->Nb_Mesures = static_cast<int16_t>(mesures);  // one: a recording opened meanwhile
        c.Cmd_Ok->click();
    }
    EXPECT_EQ(banc.dialogues.Messages(),
              (QStringList{u"La température de référence doit être un nombre : « soixante-dix »"_s,
                           u"La valeur Z ne peut pas être nulle."_s,
                           u"Calcul impossible avec ces coefficients : la valeur de cuisson "
                           "deviendrait infinie."_s,
                           u"Calcul de cuisson impossible : l'enregistrement compte moins de "
                           "deux mesures, il n'y a rien à calculer."_s}));
    EXPECT_EQ(banc.dialogues.affichages.last().icone, Dialogues::Icone::Exclamation);
    EXPECT_TRUE(fenetre.Est_Chargee());
    EXPECT_EQ(etat->Num_Recette, 100);
    EXPECT_EQ(etats.textes.size(), 1);

    etat->Nb_Mesures = 6;
    c.Cmd_Ok->click();
    EXPECT_EQ(etat->Num_Recette, 5);
    EXPECT_TRUE(etats.Dernier().startsWith(u"Rillettes Valeur : "_s));
    Frm_Calcul& d = Ouvrir();
    d.Opt_Personalise->setChecked(true);
    d.Cmb_Recette->setCurrentIndex(4);
    EXPECT_EQ(Coefficients(d), (QStringList{u"Rillettes"_s, u"65.5"_s, u"8"_s, u"50"_s}));
}
