// "Statistiques" and "Rapport PDF" from the main window, on a recordings file opened by the user.
#include "Banc_Programme.h"
#include "Lecture_PDF.h"
#include "core/Empreinte.h"

using FenetreStatistiques = Programme_Installe;

// A named set of rules chosen in the window judges the whole recording; a set with a refused
// line is not offered. "Rapport PDF" judges by the set the window shows.
TEST_F(FenetreStatistiques, LesChiffresDeLaVueLeJeuDeCriteresPuisLeRapportSigne) {
    banc.Ecrire(u"criteres.ini"_s,
                "[Four tiede]\r\nseuil_haut = 80\r\n[Four strict]\r\nseuil_haut = 70\r\n"
                "[Four faux]\r\nseuil_haut = 7O\r\n[Four reperes]\r\nmaintien = 70\r\n");
    const QString fichier = banc.Chemin(u"Sauvegardes/four.txt"_s);
    ASSERT_TRUE(QFile::copy(Fixture("four_7306.txt"), fichier));
    Choisir(f.Mnu_Ouvrir, fichier);

    f.Mnu_Statistiques->trigger();
    Frm_Statistiques* fenetre = f.Fenetre_Statistiques.Chargee();
    ASSERT_TRUE(fenetre && fenetre->isVisible() && !fenetre->isModal());
    for (const QString& attendue :
         {u"Nombre de mesures\t12"_s, u"Température minimale\t-1.5 °C"_s,
          u"… le\t06/12/2026 00:06:00"_s, u"Température maximale\t72.6 °C"_s,
          u"… le\t06/12/2026 00:02:00"_s})
        EXPECT_TRUE(fenetre->Lignes().contains(attendue)) << attendue.toStdString();
    f.Mnu_Statistiques->trigger();
    EXPECT_EQ(f.Fenetre_Statistiques.Chargee(), fenetre) << "one window, brought back";
    EXPECT_EQ(Entrees(*fenetre->Cmb_Criteres),
              (QStringList{u"(aucun)"_s, u"Four tiede"_s, u"Four strict"_s, u"Four reperes"_s}));
    EXPECT_FALSE(fenetre->Lbl_Verdict->isVisible()) << "no set, no verdict";
    // Tp without a minimum hold only gives figures: that is no "conforme".
    fenetre->Cmb_Criteres->setCurrentText(u"Four reperes"_s);
    EXPECT_EQ(fenetre->Lbl_Verdict->text(), u"AUCUNE RÈGLE À VÉRIFIER"_s);
    fenetre->Cmb_Criteres->setCurrentText(u"Four tiede"_s);
    EXPECT_EQ(fenetre->Lbl_Verdict->text(), u"CONFORME"_s);
    EXPECT_TRUE(fenetre->Lignes().contains(u"Verdict\tCONFORME"_s));
    fenetre->Cmb_Criteres->setCurrentText(u"Four strict"_s);
    EXPECT_EQ(fenetre->Lbl_Verdict->text(), u"NON CONFORME"_s) << "72.6 °C above 70 °C";
    const QStringList lignes = fenetre->Lignes();
    EXPECT_TRUE(lignes.contains(u"Critères « Four strict » (tout l'enregistrement)"_s));
    EXPECT_EQ(lignes.filter(u"Seuil haut"_s).filter(u"non conforme"_s).size(), 1)
        << lignes.join(u'\n').toStdString();

    // The button asks for a name in Sauvegardes; the page names the file and its SHA-256.
    const QString rapport = banc.Chemin(u"Sauvegardes/rapport.pdf"_s);
    Choisir(fenetre->Cmd_Rapport, rapport);
    EXPECT_EQ(banc.Etat_Affiche(), u"Rapport enregistré dans "_s + rapport);
    const QString page = Pages_PDF(rapport).join(u' ').simplified();
    for (const QString& attendu :
         {u"FOUR01"_s, Empreinte(banc.Lire(u"Sauvegardes/four.txt"_s)), u"72.6"_s, u"Visa"_s,
          u"Critères « Four strict » (tout l'enregistrement)"_s,
          u"Seuil haut : 4 min hors limite (limite 70 °C, instantane) : non conforme"_s,
          u"NON CONFORME"_s})
        EXPECT_TRUE(page.contains(attendu)) << attendu.toStdString() << "\n" << page.toStdString();

    // A report that cannot be written is told and leaves nothing; a recording changed since it
    // was read is no longer vouched for by the file's SHA-256.
    const QString impossible = banc.Chemin(u"absent/rapport.pdf"_s);
    Choisir(f.Mnu_Rapport, impossible);
    EXPECT_EQ(banc.dialogues.Messages().last(),
              u"Le rapport %1 n'a pas pu être écrit (dossier absent, disque plein ou protégé). "
              "Rien n'a été remplacé."_s.arg(impossible));
    EXPECT_FALSE(QFileInfo::exists(impossible));
    banc.Etat_Programme().Mesures(1).Temperature = 20;
    fenetre->Cmb_Criteres->setCurrentText(u"(aucun)"_s);
    Choisir(fenetre->Cmd_Rapport, rapport);
    const QString changee = Pages_PDF(rapport).join(u' ').simplified();
    EXPECT_TRUE(changee.contains(u"n'est plus celui de ce"_s));
    EXPECT_FALSE(changee.contains(u"CONFORME"_s));
}

// A foreign file shorter than its header: the report vouches for its very bytes and says it is
// incomplete. Thresholds changed in the tools or programming window reach the other windows.
TEST_F(FenetreStatistiques, RapportDUnFichierEtrangerEtSeuilsQuiSuivent) {
    banc.Brancher_Logger(3, 7306).Avec_Logger(
        [](Logger_Simule& l) { l.Memoire().mesures.clear(); });
    banc.Relier(3);
    const QByteArray octets =
        "[Identit\xE9 du Logger]\r\nAUTRE\r\n[Version du Logger]\r\n7306\r\n[Recette]\r\n0\r\n"
        "[P\xE9riode d'enregistrement]\r\n60\r\n[Nombre de mesure]\r\n274\r\n[Mesures]\r\n"
        "Date heure;Temp\xE9rature\r\n01/11/2026 00:00:00;21,5\r\n01/11/2026 00:01:00;22\r\n";
    const QString fichier = banc.Chemin(u"Sauvegardes/autre.txt"_s);
    banc.Ecrire(u"Sauvegardes/autre.txt"_s, octets);
    Choisir(f.Mnu_Ouvrir, fichier);
    EXPECT_EQ(
        banc.dialogues.Messages(),
        QStringList{u"Fichier %1 : enregistrement incomplet : 2 mesures sur 274 annoncées."_s.arg(
            fichier)});
    EXPECT_EQ(f.Txt_Commentaire->text(), QString());

    f.Mnu_Statistiques->trigger();
    Frm_Statistiques& statistiques = *f.Fenetre_Statistiques.Chargee();
    const QString rapport = banc.Chemin(u"Sauvegardes/rapport.pdf"_s);
    Choisir(statistiques.Cmd_Rapport, rapport);
    const QString page = Pages_PDF(rapport).join(u' ').simplified();
    for (const QString& attendu :
         {Empreinte(octets), u"incomplet : 2 mesures sur 274"_s, u"01/11/2026 00:00:00"_s})
        EXPECT_TRUE(page.contains(attendu)) << attendu.toStdString() << "\n" << page.toStdString();
    EXPECT_FALSE(page.contains(u"[Mesures]"_s));

    f.Mnu_Tools->trigger();
    Frm_Outils& outils = *f.Fenetre_Outils.Chargee();
    outils.Chk_Consigne->setChecked(true);
    Taper(*outils.Txt_Consigne_Maxi, "30");
    EXPECT_TRUE(statistiques.Lignes().contains(u"Seuil haut\t30 °C"_s));

    f.Mnu_Programmation->trigger();
    Frm_UpLoad& programmation = *f.Fenetre_UpLoad.Chargee();
    programmation.CW_Alarm_High->setValue(8);
    programmation.CW_Alarm_Low->setValue(2);
    programmation.Cmd_UpLoad->click();
    ASSERT_FALSE(f.Fenetre_UpLoad.Est_Chargee())
        << banc.dialogues.Messages().join(u'\n').toStdString();
    EXPECT_EQ(outils.Txt_Consigne_Maxi->text() + u' ' + outils.Txt_Consigne_Mini->text(), u"8 2"_s);
    const Trace_Graphe& ligne = f.CWGraph_Enreg->Plots(3);
    double x = 0, y = 0;
    EXPECT_TRUE(ligne.Visible()) << "the high threshold line";
    ASSERT_TRUE(ligne.Point_Proche(0, x, y));
    EXPECT_EQ(y, 8);
    EXPECT_EQ(statistiques.Lignes().filter(u"Seuil "_s),
              (QStringList{u"Seuil haut\t8 °C"_s, u"Seuil bas\t2 °C"_s}));
}
