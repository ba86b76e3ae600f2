// "Téléchargement" from the menu: the progress window, the curves, the save question, and a
// failing logger that must leave the recording on screen as it was.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalSpy>

#include "Banc_Enregistrements.h"
#include "logger/gui/Frm_Download.h"

namespace {

using Telechargement = Banc_Enregistrements;

// The progress window as the download will find it: loaded now, so that its bar can be watched.
QSignalSpy* Surveiller_Progression(Frm_Principal& f) {
    Frm_Download& progression = f.Fenetre_Download.Charger();
    return new QSignalSpy(progression.ProgressBar, &QProgressBar::valueChanged);
}

}  // namespace

TEST_F(Telechargement, AFull7306RecordingIsDrawnCountedAndSavedByteForByte) {
    Demarrer(7306, 16000);
    std::unique_ptr<QSignalSpy> progression(Surveiller_Progression(Fenetre()));
    banc.dialogues.reponses_questions = {true};
    banc.dialogues.reponses_fichiers = {banc.Chemin(QStringLiteral("Sauvegardes/four.txt"))};
    Fenetre().Download_Logger->trigger();

    ASSERT_TRUE(banc.dialogues.Messages().isEmpty())
        << banc.dialogues.Messages().join(u'|').toStdString();
    EXPECT_EQ(progression->last().first().toInt(), 100);
    EXPECT_FALSE(Fenetre().Fenetre_Download.Est_Chargee());
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Nombre de mesures : 16000"));
    EXPECT_EQ(Plot(1).Nb_Points(), 16000);
    EXPECT_EQ(Fenetre().CWGraph_Enreg->Legende(), QStringLiteral("SIMUL01"));

    // The question came after the curves, and Yes wrote the file the reader gives back.
    EXPECT_EQ(banc.dialogues.affichages.first().texte,
              QStringLiteral("Voulez vous sauvegarder les données"));
    EXPECT_EQ(banc.dialogues.dialogues_fichiers.first().Titre,
              QStringLiteral("Sauvegarde des enregistrements"));
    const QByteArray fichier = banc.Lire(QStringLiteral("Sauvegardes/four.txt"));
    EXPECT_EQ(fichier, Import_Export::Contenu_Fichier_Enreg(Etat_Programme()));
    EXPECT_TRUE(
        fichier.startsWith("[Identit\xE9 du Logger]\r\nSIMUL01\r\n[Version du Logger]\r\n"
                           "7306\r\n[Recette]\r\n0\r\n"));
    const std::vector<Mesure_Simulee> attendues = Mesures_Logger();
    auto relu = Etat::Nouveau();
    ASSERT_EQ(Import_Export::Lecture_Contenu_Enreg(*relu, fichier),
              Import_Export::Resultat_Lecture::Lu);
    for (int i : {1, 8000, 16000}) {
        EXPECT_EQ(relu->Mesures(i).Temperature,
                  static_cast<float>(attendues[std::size_t(i - 1)].temperature / 10.0));
    }
    EXPECT_EQ(Etat_Programme().Nom_Fichier, banc.Chemin(QStringLiteral("Sauvegardes/four.txt")));
}

TEST_F(Telechargement, A7307RecordingAnsweredNoStaysInMemoryUnsaved) {
    Demarrer(7307, 300);
    Fenetre().Txt_Commentaire->setText(QStringLiteral("Comment d'avant"));
    banc.dialogues.reponses_questions = {false};
    Fenetre().Download_Logger->trigger();
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Nombre de mesures : 600"));
    EXPECT_EQ(Plot(1).Nb_Points(), 300);
    EXPECT_EQ(Plot(2).Nb_Points(), 300);
    EXPECT_TRUE(banc.dialogues.dialogues_fichiers.isEmpty());
    EXPECT_EQ(Fenetre().Txt_Commentaire->text(), QStringLiteral("Comment d'avant"));
}

TEST_F(Telechargement, AFailingLoggerLeavesThePreviousRecordingOnScreenAndInMemory) {
    Demarrer(7306, 40);
    banc.dialogues.reponses_questions = {false};
    Fenetre().Download_Logger->trigger();
    ASSERT_EQ(Etat_Programme().Nb_Mesures, 40);
    const float septieme = Etat_Programme().Mesures(7).Temperature;

    // A wrong letter to the state command, then a measure line that is no number.
    Panne({Panne::Mauvaise_Lettre, 'M'});
    Fenetre().Download_Logger->trigger();
    Panne({Panne::Mesure_Illisible, 'D'});
    Fenetre().Download_Logger->trigger();
    EXPECT_EQ(banc.dialogues.Messages(),
              (QStringList{QStringLiteral("Le logger ne répond pas - Erreur N° : 2"),
                           QStringLiteral("Le logger ne répond pas - Erreur N° : 2")}));
    EXPECT_EQ(Etat_Programme().Nb_Mesures, 40);
    EXPECT_EQ(Etat_Programme().Mesures(7).Temperature, septieme);
    EXPECT_EQ(Plot(1).Nb_Points(), 40);
    // The progress window stays until a download succeeds.
    EXPECT_TRUE(Fenetre().Fenetre_Download.Est_Chargee());
}

TEST_F(Telechargement, ASilentLoggerIsErrorOne) {
    Demarrer(7306, 5);
    Panne({Panne::Muet, 0});
    Fenetre().Download_Logger->trigger();
    EXPECT_EQ(banc.dialogues.Messages().last(),
              QStringLiteral("Le logger ne répond pas - Erreur N° : 1"));
    EXPECT_EQ(Etat_Programme().Nb_Mesures, 0);
    EXPECT_TRUE(Fenetre().menuBar()->isEnabled());
}
