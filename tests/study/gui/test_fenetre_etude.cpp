// "Nouvelle étude…" over three hams, the manual's worked example: its figures were checked by
// hand there.

#include "Banc_Programme.h"
#include "Lecture_PDF.h"
#include "archive/Archive.h"
#include "study/Tableau_Etude.h"
#include "study/gui/Frm_Choix_Archives.h"
#include "study/gui/Frm_Etude.h"
#include "study/gui/Graphe_Superposition.h"

namespace {

const double Six_Heures = Date_Depuis_Civil(2026, 12, 8, 6, 0, 0);

// Their core temperatures, a minute apart from 06:00.
const std::vector<float> Jambon1 = {20, 35,   48, 58,   65, 70,   72.5, 73.4, 73.8,
                                    74, 74.1, 74, 73.9, 74, 73.8, 60,   45,   30};
const std::vector<float> Jambon2 = {20,   32,   44, 54,   62,   68,   71, 72.3, 73.1,
                                    73.6, 73.9, 74, 73.8, 73.9, 73.7, 61, 46,   31};
const std::vector<float> Jambon3 = {20,   30, 40,   50,   58,   64,   68, 70.5, 71.8,
                                    72.4, 73, 73.2, 73.1, 72.8, 72.1, 58, 44,   30};

class FenetreEtude : public Programme_Installe {
  protected:
    FenetreEtude() {
        banc.Ecrire(u"criteres.ini"_s,
                    "[Four 2]\r\nseuil_haut = 76 consecutif 120\r\nmaintien = 72 300\r\n"
                    "cuisson = pasteurisation 20\r\nequilibrage = 180\r\n"
                    "[Reperes]\r\nmaintien = 72\r\n");
    }
    QString Jambon(const QString& nom, const std::vector<float>& temperatures,
                   const QString& fichier = {}) {
        return Enregistrement_Essai()
            .Identite(nom)
            .Debut(Six_Heures)
            .Temperatures(temperatures)
            .Ecrire(banc.Chemin(u"Sauvegardes/"_s + (fichier.isEmpty() ? nom.toLower() : fichier) +
                                u".txt"_s));
    }
    Frm_Etude& Ouvrir() {
        f.Mnu_Nouvelle_Etude->trigger();
        Frm_Etude* e = f.Fenetre_Etude.Chargee();
        EXPECT_TRUE(e && e->isVisible() && !e->isModal());
        return *e;
    }
    Frm_Etude& Deux_Jambons() {
        Frm_Etude& e = Ouvrir();
        banc.dialogues.reponses_plusieurs_fichiers = {
            {Jambon(u"JAMBON1"_s, Jambon1), Jambon(u"JAMBON3"_s, Jambon3)}};
        e.Btn_Ajouter_Fichiers->click();
        e.Cmb_Criteres->setCurrentText(u"Four 2"_s);
        return e;
    }
    static QStringList Colonne(const Frm_Etude& e, int c) { return ::Colonne(*e.Tbl_Etude, c); }
};

}  // namespace

TEST_F(FenetreEtude, DeuxJambonsJugesLeFroidMarqueEtLeCurseurLitChaqueCourbe) {
    Frm_Etude& e = Deux_Jambons();
    EXPECT_EQ(banc.dialogues.Messages(), QStringList());
    EXPECT_EQ(Colonne(e, Etude::Col_Identite), (QStringList{u"JAMBON1"_s, u"JAMBON3"_s}));
    EXPECT_EQ(Colonne(e, Etude::Col_Verdict),
              (QStringList{u"conforme"_s, u"non conforme — le plus froid"_s}));
    EXPECT_EQ(Colonne(e, Etude::Col_Atteinte),
              (QStringList{u"08/12/2026 06:06:00"_s, u"08/12/2026 06:09:00"_s}));
    EXPECT_EQ(Colonne(e, Etude::Col_Cuisson), (QStringList{u"23 min"_s, u"15 min"_s}));
    EXPECT_TRUE(e.Tbl_Etude->item(1, Etude::Col_Identite)->font().bold()) << "the coldest";
    EXPECT_FALSE(e.Tbl_Etude->item(0, Etude::Col_Identite)->font().bold());
    EXPECT_EQ(e.Lbl_Equilibrage->text(), u"Équilibrage : 3 min (maximum 3 min) : conforme"_s);
    EXPECT_EQ(e.Lbl_Verdict->text(), u"NON CONFORME"_s);
    EXPECT_EQ(e.Graphe_Etude->Legende(), (QStringList{u"JAMBON1"_s, u"JAMBON3"_s}));

    // A click in cursor mode at 06:07:30 reads the records of 06:07, the last before it.
    e.Chk_Curseur->setChecked(true);
    QCustomPlot& trace = e.Graphe_Etude->Trace_QCP();
    trace.replot();
    const double x = trace.xAxis->coordToPixel(
        e.Graphe_Etude->Axe_Temps().Vers_Trace(Six_Heures + 450 * Une_Seconde));
    QTest::mouseClick(&trace, Qt::LeftButton, {}, QPoint(qRound(x), trace.height() / 2));
    ASSERT_TRUE(e.Graphe_Etude->Curseur());
    EXPECT_TRUE(e.Lbl_Curseur->text().endsWith(u"JAMBON1 : 73.4 °C ; JAMBON3 : 70.5 °C"_s))
        << e.Lbl_Curseur->text().toStdString();

    // The report signed for the load says what the window says.
    const QString rapport = banc.Chemin(u"Sauvegardes/four 2.pdf"_s);
    Choisir(e.Btn_Rapport, rapport);
    const QString page = Pages_PDF(rapport).join(u' ');
    for (const QString& attendu :
         {u"JAMBON1"_s, u"JAMBON3"_s, u"(le plus froid)"_s, u"NON CONFORME"_s, u"page 1 / 1"_s})
        EXPECT_TRUE(page.contains(attendu)) << attendu.toStdString() << "\n" << page.toStdString();

    // Without a set, figures but no verdict; a set that judges nothing is not "conforme".
    e.Cmb_Criteres->setCurrentText(u"(aucun)"_s);
    EXPECT_FALSE(e.Lbl_Verdict->isVisible());
    EXPECT_EQ(Colonne(e, Etude::Col_Verdict), (QStringList{u"—"_s, u"—"_s}));
    e.Cmb_Criteres->setCurrentText(u"Reperes"_s);
    EXPECT_EQ(e.Lbl_Verdict->text(), u"AUCUNE RÈGLE À VÉRIFIER"_s);
    EXPECT_EQ(e.Lbl_Equilibrage->text(), u"Équilibrage : 3 min"_s);
    EXPECT_FALSE(e.Btn_Enregistrer->isEnabled()) << "nothing judged, nothing to keep";
    EXPECT_FALSE(e.Btn_Rapport->isEnabled()) << "nothing judged, nothing to sign";

    e.Tbl_Etude->selectRow(0);
    e.Btn_Retirer->click();
    EXPECT_EQ(e.Graphe_Etude->Legende(), QStringList{u"JAMBON3"_s});
    EXPECT_EQ(e.Lbl_Equilibrage->text(), u"Équilibrage : il faut plusieurs enregistrements"_s);
}

// Saving a study keeps it in the archive with its recordings: reopened after one file was
// edited, from its file or from the Archives window, the archive's copy of what was judged is
// shown and the edited file named. Without the archive, the file is judged as it is now.
TEST_F(FenetreEtude, UneEtudeRouverteNommeLeFichierModifieEtMontreCeQuElleAJuge) {
    Frm_Etude& e = Deux_Jambons();
    const QString etude = banc.Chemin(u"Sauvegardes/four 2.etude"_s);
    Choisir(e.Btn_Enregistrer, etude);
    ASSERT_TRUE(QFileInfo::exists(etude)) << banc.dialogues.Messages().join(u'\n').toStdString();
    e.Decharger();

    // JAMBON3 cooked longer since: now hot enough.
    const QString jambon3 = Jambon(u"JAMBON3"_s, Jambon2);
    const auto rouvrir = [&] {
        banc.dialogues.reponses_questions = {true};
        Choisir(f.Mnu_Ouvrir_Etude, etude);
        return f.Fenetre_Etude.Chargee();
    };
    Frm_Etude* rouverte = rouvrir();
    ASSERT_TRUE(rouverte && rouverte->isVisible());
    EXPECT_EQ(banc.dialogues.Messages().last(),
              u"Étude %1 :\n%2 : modifié depuis l'étude ; la copie des archives est montrée\nLes "
              "enregistrements montrés sont ceux que l'étude a jugés."_s.arg(etude, jambon3));
    EXPECT_EQ(rouverte->Cmb_Criteres->currentText(), u"Four 2"_s);
    EXPECT_EQ(Colonne(*rouverte, Etude::Col_Identite), (QStringList{u"JAMBON1"_s, u"JAMBON3"_s}));
    EXPECT_EQ(rouverte->Lbl_Verdict->text(), u"NON CONFORME"_s);

    f.Mnu_Archives->trigger();
    Frm_Archives& archives = *f.Fenetre_Archives.Chargee();
    ASSERT_EQ(archives.Lst_Etudes->rowCount(), 1);
    EXPECT_EQ(archives.Lst_Etudes->item(0, 2)->text(), u"NON CONFORME"_s);
    banc.dialogues.reponses_questions = {true};
    archives.Lst_Etudes_DblClick(0);
    EXPECT_TRUE(banc.dialogues.Messages().last().contains(
        u"%1 : modifié depuis l'étude ; la copie des archives est montrée"_s.arg(jambon3)))
        << banc.dialogues.Messages().last().toStdString();
    EXPECT_EQ(rouverte->Lbl_Verdict->text(), u"NON CONFORME"_s);
    archives.Decharger();

    ASSERT_TRUE(QFile::remove(banc.Chemin(u"Archives/caldrix.sqlite"_s)));
    rouverte = rouvrir();
    EXPECT_EQ(banc.dialogues.Messages().last(),
              u"Étude %1 :\n%2 : modifié depuis l'étude\nLe verdict est calculé à nouveau sur "
              "les enregistrements tels qu'ils sont aujourd'hui."_s.arg(etude, jambon3));
    EXPECT_EQ(Colonne(*rouverte, Etude::Col_Identite),
              (QStringList{u"JAMBON1"_s, u"JAMBON3 (modifié depuis l'étude)"_s}));
    EXPECT_EQ(rouverte->Lbl_Verdict->text(), u"CONFORME"_s) << "kept as non conforme";
}

TEST_F(FenetreEtude, UnFichierIllisibleOuDejaLaNAjouteRien) {
    Frm_Etude& e = Deux_Jambons();
    const QString tronque = banc.Chemin(u"Sauvegardes/tronque.txt"_s);
    ASSERT_TRUE(QFile::copy(Fixture("tronque.txt"), tronque));
    const QString copie = banc.Chemin(u"Sauvegardes/copie.txt"_s);
    ASSERT_TRUE(QFile::copy(banc.Chemin(u"Sauvegardes/jambon1.txt"_s), copie));
    banc.dialogues.reponses_plusieurs_fichiers = {{tronque, copie}};
    e.Btn_Ajouter_Fichiers->click();
    EXPECT_EQ(
        banc.dialogues.Messages(),
        QStringList{u"Fichier incorrect! (%1 : ligne 21 : « 06/12/2026 0 » n'est pas une date "
                    "jj/mm/aaaa hh:mm:ss)\n%2 est déjà dans l'étude : ses octets sont ceux de "
                    "%3 (même empreinte SHA-256). Un enregistrement ne compte qu'une fois."_s.arg(
                        tronque, copie, banc.Chemin(u"Sauvegardes/jambon1.txt"_s))});
    EXPECT_EQ(e.Tbl_Etude->rowCount(), 2);

    // Another probe left with the same identity: the legend tells them apart by their files.
    banc.dialogues.reponses_plusieurs_fichiers = {{Jambon(u"JAMBON1"_s, Jambon2, u"sonde 4"_s)}};
    e.Btn_Ajouter_Fichiers->click();
    EXPECT_EQ(e.Graphe_Etude->Legende(),
              (QStringList{u"JAMBON1 (jambon1.txt)"_s, u"JAMBON3"_s, u"JAMBON1 (sonde 4.txt)"_s}));
}

TEST_F(FenetreEtude, DesEnregistrementsChoisisDansLesArchives) {
    const QString fichier = Jambon(u"JAMBON2"_s, Jambon2);
    {
        auto archive = Archive::Ouvrir();
        ASSERT_TRUE(archive) << archive.Erreur().toStdString();
        ASSERT_EQ((*archive)->Ajouter(fichier).Bilan, Bilan_Ajout::Archive);
    }
    // The archive's copy is what is judged, whatever became of the file.
    ASSERT_TRUE(QFile::remove(fichier));
    Frm_Etude& e = Ouvrir();
    e.Btn_Ajouter_Archive->click();
    Frm_Choix_Archives* choix = e.Fenetre_Choix_Archives().Chargee();
    ASSERT_TRUE(choix && choix->isVisible());
    ASSERT_EQ(choix->Lst_Archives->rowCount(), 1);
    choix->Lst_Archives->selectRow(0);
    choix->Cmd_Ajouter->click();
    EXPECT_EQ(Colonne(e, Etude::Col_Identite), QStringList{u"JAMBON2"_s});
    choix->Cmd_Ajouter->click();
    EXPECT_EQ(e.Tbl_Etude->rowCount(), 1) << "the same recording once only";
    EXPECT_EQ(banc.dialogues.Messages().size(), 1);
}
