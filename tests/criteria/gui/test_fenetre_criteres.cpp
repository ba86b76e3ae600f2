// "Critères d'acceptation": named sets of rules made, copied, deleted and written through the
// window's boxes, read back as the command line reads them.

#include "Banc_Programme.h"
#include "core/Cp1252.h"
#include "criteria/Jeux_Criteres.h"
#include "criteria/gui/Formulaire_Regles.h"
#include "criteria/gui/Frm_Criteres.h"

using namespace Criteres;

namespace {

class FenetreCriteres : public Programme_Installe {
  protected:
    Frm_Criteres& Ouvrir() {
        f.Mnu_Criteres->trigger();
        Frm_Criteres* c = f.Fenetre_Criteres.Chargee();
        EXPECT_TRUE(c && c->isVisible());
        return *c;
    }
    std::vector<Jeu_Criteres> Ecrits() const {
        return Lecture_Contenu_Jeux(banc.Lire(u"criteres.ini"_s)).jeux;
    }
};

}  // namespace

TEST_F(FenetreCriteres, UnJeuFaitCopieSupprimeEtEnregistreSeRelitCommeIlASaisi) {
    Frm_Criteres& c = Ouvrir();
    Formulaire_Regles& r = *c.Frm_Regles;
    EXPECT_EQ(c.Lst_Jeux->count(), 0);
    EXPECT_FALSE(r.isEnabled()) << "nothing to edit before a set exists";

    c.Cmd_Nouveau->click();
    r.Txt_Nom->setText(u"Four 2 – cuisson jambon"_s);
    r.Seuils[0].Chk->setChecked(true);
    r.Seuils[0].Txt_Limite->setText(u"80,5"_s);
    EXPECT_FALSE(r.Seuils[0].Txt_Duree->isEnabled()) << "no duration for instantane";
    r.Seuils[0].Cmb_Mode->setCurrentText(u"consecutif"_s);
    r.Seuils[0].Txt_Duree->setText(u"300"_s);
    for (QCheckBox* k : {r.Chk_Maintien, r.Chk_Cuisson, r.Chk_Equilibrage})
        k->setChecked(true);
    r.Txt_Maintien->setText(u"72"_s);
    r.Txt_Maintien_Duree->setText(u"600"_s);
    r.Txt_Cuisson_Min->setText(u"120"_s);
    r.Txt_Equilibrage->setText(u"900"_s);

    c.Cmd_Copier->click();
    EXPECT_EQ(Colonne(*c.Lst_Jeux),
              (QStringList{u"Four 2 – cuisson jambon"_s, u"Four 2 – cuisson jambon (copie)"_s}));
    r.Txt_Nom->setText(u"Chambre froide positive"_s);
    for (QCheckBox* k : {r.Chk_Maintien, r.Chk_Cuisson, r.Chk_Equilibrage})
        k->setChecked(false);
    r.Seuils[0].Cmb_Mode->setCurrentText(u"cumule"_s);
    r.Seuils[0].Txt_Limite->setText(u"8"_s);
    r.Seuils[0].Txt_Duree->setText(u"1800"_s);
    r.Seuils[1].Chk->setChecked(true);
    r.Seuils[1].Txt_Limite->setText(u"0"_s);
    c.Cmd_Enregistrer->click();
    EXPECT_EQ(banc.dialogues.Messages(), QStringList());

    // The oven's set as typed, then the copy, changed.
    const QString ecrit = Cp1252::Decode(banc.Lire(u"criteres.ini"_s));
    EXPECT_EQ(ecrit.mid(ecrit.indexOf(u"\r\n\r\n["_s) + 4),
              u"[Four 2 – cuisson jambon]\r\nseuil_haut = 80.5 consecutif 300\r\n"
              "maintien = 72 600\r\ncuisson = pasteurisation 120\r\nequilibrage = 900\r\n\r\n"
              "[Chambre froide positive]\r\nseuil_haut = 8 cumule 1800\r\n"
              "seuil_bas = 0 instantane\r\n"_s);

    c.Lst_Jeux->setCurrentRow(0);
    EXPECT_EQ(r.Seuils[0].Txt_Limite->text(), u"80.5"_s);
    EXPECT_EQ(r.Seuils[0].Cmb_Mode->currentText(), u"consecutif"_s);
    banc.dialogues.reponses_questions = {true};
    c.Cmd_Supprimer->click();
    EXPECT_EQ(banc.dialogues.affichages.last().texte,
              u"Supprimer le jeu « Four 2 – cuisson jambon » ?"_s);
    EXPECT_EQ(Ecrits().size(), 2u) << "nothing written before Enregistrer";
    c.Cmd_Enregistrer->click();
    ASSERT_EQ(Ecrits().size(), 1u);
    EXPECT_EQ(Ecrits()[0].nom, u"Chambre froide positive"_s);

    // A change not written: closing asks, and "Non" keeps the window and what was typed.
    r.Seuils[0].Txt_Limite->setText(u"7"_s);
    banc.dialogues.reponses_questions = {false};
    c.Cmd_Fermer->click();
    EXPECT_TRUE(c.isVisible());
    EXPECT_TRUE(banc.dialogues.affichages.last().texte.startsWith(u"Les jeux modifiés"_s));
    EXPECT_EQ(r.Seuils[0].Txt_Limite->text(), u"7"_s);
}

// Boxes that make no set a technician could mean are refused with the rule's own words, and the
// set stays shown until they are mended.
TEST_F(FenetreCriteres, UneSaisieFausseEstRefuseeEtLeJeuResteAffiche) {
    Frm_Criteres& c = Ouvrir();
    Formulaire_Regles& r = *c.Frm_Regles;
    c.Cmd_Nouveau->click();
    r.Seuils[0].Chk->setChecked(true);
    // A letter O, and a limit beyond what a logger measures.
    for (const auto& [limite, attendu] :
         {std::pair{u"8O"_s, u"Seuil haut (°C) : « 8O » n'est pas une limite"_s},
          {u"250"_s, u"Seuil haut (°C) : limite 250 : de -49 à 194"_s}}) {
        r.Seuils[0].Txt_Limite->setText(limite);
        c.Cmd_Nouveau->click();
        EXPECT_EQ(banc.dialogues.Messages(), QStringList{attendu});
        EXPECT_EQ(c.Lst_Jeux->count(), 1) << limite.toStdString();
        banc.dialogues.affichages.clear();
    }
    r.Seuils[0].Txt_Limite->setText(u"8"_s);
    r.Chk_Equilibrage->setChecked(true);
    r.Txt_Equilibrage->setText(u"600"_s);
    c.Cmd_Enregistrer->click();
    EXPECT_TRUE(banc.dialogues.Messages().value(0).contains(u"il faut aussi la règle maintien"_s))
        << banc.dialogues.Messages().value(0).toStdString();
    EXPECT_FALSE(QFile::exists(banc.Chemin(u"criteres.ini"_s)));
}

// A line the window could not read is told when it opens, and writing the file again, which
// would drop it, waits for the user's yes.
TEST_F(FenetreCriteres, LesLignesRefuseesSontDitesEtNeSePerdentPasSansAccord) {
    const QByteArray contenu = "[Chambre froide]\r\nseuil_haut = 8\r\nseuil_bas = zéro\r\n";
    banc.Ecrire(u"criteres.ini"_s, contenu);
    Frm_Criteres& c = Ouvrir();
    ASSERT_EQ(banc.dialogues.Messages().size(), 1);
    EXPECT_TRUE(banc.dialogues.Messages()[0].contains(u"ligne 3"_s))
        << banc.dialogues.Messages()[0].toStdString();
    EXPECT_EQ(Colonne(*c.Lst_Jeux), QStringList{u"Chambre froide"_s});

    banc.dialogues.reponses_questions = {false};
    c.Cmd_Enregistrer->click();
    EXPECT_TRUE(banc.dialogues.affichages.last().texte.contains(u"ne seront pas réécrites"_s));
    EXPECT_EQ(banc.Lire(u"criteres.ini"_s), contenu) << "answered no: the file as it was";
    banc.dialogues.reponses_questions = {true};
    c.Cmd_Enregistrer->click();
    EXPECT_EQ(Ecrits().size(), 1u);
}
