// "Statistiques" and "Rapport PDF" from the main window, on a recordings file opened as the user
// opens it: the figures of the range the graph shows, and the one-page report read back.
#include "Banc_Programme.h"
#include "Lecture_PDF.h"
#include "core/Empreinte.h"
#include "stats/gui/Frm_Statistiques.h"

TEST(FenetreStatistiques, LesChiffresDeLaVuePuisLeRapportSigne) {
    Banc_Programme banc;
    banc.Installer(3);
    Frm_Principal& f = banc.Construire();
    f.show();
    const QString fichier = banc.Chemin(u"Sauvegardes/four.txt"_s);
    ASSERT_TRUE(QFile::copy(Fixture("four_7306.txt"), fichier));
    banc.dialogues.reponses_fichiers = {fichier};
    f.Mnu_Ouvrir->trigger();

    f.Mnu_Statistiques->trigger();
    Frm_Statistiques* fenetre = f.Fenetre_Statistiques.Chargee();
    ASSERT_TRUE(fenetre && fenetre->isVisible() && !fenetre->isModal());
    const QStringList lignes = fenetre->Lignes();
    for (const QString& attendue :
         {u"Nombre de mesures\t12"_s, u"Température minimale\t-1.5 °C"_s,
          u"… le\t06/12/2026 00:06:00"_s, u"Température maximale\t72.6 °C"_s,
          u"… le\t06/12/2026 00:02:00"_s})
        EXPECT_TRUE(lignes.contains(attendue)) << attendue.toStdString();
    f.Mnu_Statistiques->trigger();
    EXPECT_EQ(f.Fenetre_Statistiques.Chargee(), fenetre) << "one window, brought back";

    // The button asks for a name in Sauvegardes; the page names the file and its SHA-256.
    const QString rapport = banc.Chemin(u"Sauvegardes/rapport.pdf"_s);
    banc.dialogues.reponses_fichiers = {rapport};
    fenetre->Cmd_Rapport->click();
    EXPECT_EQ(banc.Etat_Affiche(), u"Rapport enregistré dans "_s + rapport);
    const QString sha = Empreinte(banc.Lire(u"Sauvegardes/four.txt"_s));
    const QString page = Pages_PDF(rapport).join(u' ').simplified();
    for (const QString& attendu : {u"FOUR01"_s, sha, u"72.6"_s, u"-1.5"_s, u"Visa"_s})
        EXPECT_TRUE(page.contains(attendu)) << attendu.toStdString() << "\n" << page.toStdString();

    // A report that cannot be written is told and leaves nothing; a recording changed since it
    // was read is no longer vouched for by the file's SHA-256.
    const QString impossible = banc.Chemin(u"absent/rapport.pdf"_s);
    banc.dialogues.reponses_fichiers = {impossible};
    f.Mnu_Rapport->trigger();
    EXPECT_EQ(banc.dialogues.Messages().last(),
              u"Le rapport %1 n'a pas pu être écrit (dossier absent, disque plein ou protégé). "
              "Rien n'a été remplacé."_s.arg(impossible));
    EXPECT_FALSE(QFileInfo::exists(impossible));
    banc.Etat_Programme().Mesures(1).Temperature = 20;
    banc.dialogues.reponses_fichiers = {rapport};
    f.Mnu_Rapport->trigger();
    EXPECT_TRUE(Pages_PDF(rapport).join(u' ').simplified().contains(u"n'est plus celui de ce"_s));
}
