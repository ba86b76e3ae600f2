// Start-up, shutdown and the main window's own controls, with simulated loggers on real
// pseudo-terminals as the program's serial ports.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "Attente.h"
#include "Banc_Programme.h"
#include "app/Barre_Etat.h"
#include "app/Frm_Principal.h"
#include "app/Installation.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Numeros_Graphe.h"
#include "files/Import_Export.h"
#include "logger/Communication.h"
#include "logger/Port_Serie.h"

namespace {

bool Fenetre_Visible(const char* nom) {
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (fenetre->objectName() == QLatin1String(nom) && fenetre->isVisible()) return true;
    }
    return false;
}

QByteArray Conf_Par_Defaut() {
    return Import_Export::Contenu_Conf(*Etat::Nouveau());
}

}  // namespace

TEST(Demarrage, AvecUnLoggerSurLePort3LeDitDansLaBarreDEtat) {
    Banc_Programme banc;
    banc.Installer(3);
    banc.Brancher_Logger(3);
    const double avant = Date_Depuis_QDateTime(QDateTime::currentDateTime());

    Frm_Principal& fenetre = banc.Demarrer();

    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Enregistreur connecté com3"));
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Caldrix V1.09"));
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_TRUE(banc.dialogues.affichages.isEmpty());
    EXPECT_TRUE(banc.Trames(3).contains(QByteArray("Q")));
    // The start-up screen is gone once the window is up.
    EXPECT_FALSE(fenetre.Fenetre_Velor.Est_Chargee());
    // An empty graph showing the last 24 hours.
    const Axe_Graphe& temps = fenetre.CWGraph_Enreg->Axes(Numeros_Graphe::XAxis);
    EXPECT_GE(temps.Maximum(), avant);
    EXPECT_LE(temps.Maximum(), avant + 10 * Une_Seconde);
    EXPECT_DOUBLE_EQ(temps.Minimum(), temps.Maximum() - 1);
    EXPECT_EQ(fenetre.CWGraph_Enreg->Mode_Suivi(), Numeros_Graphe::Mode_Zoom);
    EXPECT_EQ(fenetre.CWGraph_Enreg->Longueur_Graphe(), 16000);
    // The clock origins of this year's window.
    const int annee = QDate::currentDate().year();
    const int origine = 2006 + 3 * ((annee - 2006) / 3);
    EXPECT_DOUBLE_EQ(banc.Etat_Programme().Date_Origine, Date_Depuis_Civil(origine, 1, 1));
    EXPECT_DOUBLE_EQ(banc.Etat_Programme().Date_Origine_Precedente,
                     Date_Depuis_Civil(origine - 3, 1, 1));
}

TEST(Demarrage, SansLoggerLeProgrammeDemarreQuandMeme) {
    Banc_Programme banc;
    banc.Installer(2);

    Frm_Principal& fenetre = banc.Demarrer();

    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Enregistreur non connecté"));
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Caldrix V1.09"));
    EXPECT_TRUE(banc.dialogues.affichages.isEmpty());
}

TEST(Demarrage, SansConfIniPrevientPuisGardeLesDefautsEtLeRecreeALaFermeture) {
    Banc_Programme banc;
    banc.Installer(4);
    ASSERT_TRUE(QFile::remove(banc.Chemin(QStringLiteral("Conf.ini"))));
    banc.Brancher_Logger(1);  // the default port
    bool ecran_de_demarrage = false;
    bool fenetre_deja_visible = true;
    banc.dialogues.pendant_message = [&] {
        ecran_de_demarrage = Fenetre_Visible("Frm_Velor");
        fenetre_deja_visible = Fenetre_Visible("Frm_Principal");
    };

    Frm_Principal& fenetre = banc.Demarrer();

    ASSERT_EQ(banc.dialogues.Messages(),
              QStringList{QStringLiteral("Un fichier est manquant, réinstaller l'application !")});
    EXPECT_EQ(banc.dialogues.affichages.first().icone, Dialogues::Icone::Aucune);
    // The message comes during the start-up, over the start-up screen.
    EXPECT_TRUE(ecran_de_demarrage);
    EXPECT_FALSE(fenetre_deja_visible);
    const Etat& etat = banc.Etat_Programme();
    EXPECT_EQ(etat.Num_Port, 1);
    EXPECT_EQ(etat.Seuil_Haut, 10.0f);
    EXPECT_EQ(etat.Seuil_Bas, 0.0f);
    EXPECT_EQ(etat.Nb_Enreg_Max, 1000);
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Enregistreur connecté com1"));
    EXPECT_FALSE(QFile::exists(banc.Chemin(QStringLiteral("Conf.ini"))));

    fenetre.close();

    EXPECT_EQ(banc.Lire(QStringLiteral("Conf.ini")), Conf_Par_Defaut());
}

TEST(Arret, EcritLesReglagesFermeLePortEtDechargeLesAutresFenetres) {
    Banc_Programme banc;
    banc.Installer(3);
    banc.Brancher_Logger(3);
    Frm_Principal& fenetre = banc.Demarrer();
    banc.Etat_Programme().Seuil_Haut = 42.5f;
    fenetre.Mnu_Propos->trigger();
    fenetre.Mnu_Comm->trigger();
    ASSERT_TRUE(fenetre.Fenetre_Velor.Est_Chargee());
    ASSERT_TRUE(fenetre.Fenetre_Choix_Comm.Est_Chargee());
    fenetre.Fenetre_Patientez.Charger().show();
    fenetre.Mnu_Tools->trigger();
    ASSERT_TRUE(fenetre.Fenetre_Outils.Est_Chargee());
    QStringList ordre;
    struct Espion : QObject {
        QStringList& ordre;
        explicit Espion(QStringList& o) : ordre(o) {}
        bool eventFilter(QObject* objet, QEvent* evenement) override {
            if (evenement->type() == QEvent::Close) ordre << objet->objectName();
            return false;
        }
    } espion(ordre);
    for (QWidget* autre : QApplication::topLevelWidgets())
        autre->installEventFilter(&espion);
    const QList<QByteArray> trames_avant = banc.Trames(3);

    fenetre.Mnu_Quitter->trigger();

    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_TRUE(banc.Lire(QStringLiteral("Conf.ini")).contains("\r\n42.5\r\n"));
    EXPECT_TRUE(banc.Lire(QStringLiteral("Conf.ini")).contains("]\r\n3\r\n"));
    EXPECT_FALSE(banc.Lien().Port().Est_Ouvert());
    EXPECT_EQ(ordre, (QStringList{QStringLiteral("Frm_Principal"), QStringLiteral("Frm_Outils"),
                                  QStringLiteral("Frm_Choix_Comm"), QStringLiteral("Frm_Velor"),
                                  QStringLiteral("Frm_Patientez")}));
    EXPECT_FALSE(fenetre.Fenetre_Outils.Est_Chargee());
    EXPECT_FALSE(fenetre.Fenetre_Velor.Est_Chargee());
    EXPECT_FALSE(fenetre.Fenetre_Choix_Comm.Est_Chargee());
    EXPECT_FALSE(fenetre.Fenetre_Patientez.Est_Chargee());
    // The port window went without opening a port again after the shutdown closed it.
    EXPECT_EQ(banc.Trames(3), trames_avant);
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());
}

TEST(Arret, UnConfIniImpossibleAEcrireEstSignale) {
    Banc_Programme banc;
    banc.Installer(3);
    banc.Brancher_Logger(3);
    Frm_Principal& fenetre = banc.Demarrer();
    // A folder in the file's place: the settings cannot be written.
    ASSERT_TRUE(QFile::remove(banc.Chemin(QStringLiteral("Conf.ini"))));
    ASSERT_TRUE(QDir(banc.Dossier()).mkdir(QStringLiteral("Conf.ini")));

    fenetre.close();

    ASSERT_EQ(banc.dialogues.Messages().size(), 1);
    EXPECT_TRUE(banc.dialogues.Messages().first().startsWith(
        QStringLiteral("Les réglages n'ont pas pu être enregistrés dans ")));
    EXPECT_FALSE(banc.Lien().Port().Est_Ouvert());
}

TEST(FenetrePrincipale, MenusAvecLeursLibelles) {
    Banc_Programme banc;
    Frm_Principal& fenetre = banc.Construire();
    auto libelles = [](const QList<QAction*>& entrees) {
        QStringList textes;
        for (const QAction* entree : entrees)
            textes << entree->objectName() + QLatin1Char('=') + entree->text();
        return textes;
    };

    EXPECT_EQ(libelles(fenetre.menuBar()->actions()),
              (QStringList{
                  QStringLiteral("Mnu_Fichier=Fichier"),
                  QStringLiteral("Mnu_Programmation=Programmation"),
                  QStringLiteral("Download_Logger=Téléchargement"),
                  QStringLiteral("Mnu_Num_Data=Tableau"),
                  QStringLiteral("Mnu_Calcul=Calcul"),
                  QStringLiteral("Mnu_Tools=Outils"),
                  QStringLiteral("Mnu_Statistiques=Statistiques"),
                  QStringLiteral("Mnu_Print=Impression"),
                  QStringLiteral("Mnu_Comm=Comm"),
                  QStringLiteral("Mnu_Aide=?"),
              }));
    EXPECT_EQ(
        libelles(fenetre.findChild<QMenu*>(QStringLiteral("Mnu_Fichier"))->actions()),
        (QStringList{QStringLiteral("Mnu_Ouvrir=Ouvrir"), QStringLiteral("Mnu_Archives=Archives"),
                     QStringLiteral("Mnu_Sauvegarder=Sauvegarder"),
                     QStringLiteral("Mnu_Quitter=Quitter")}));
    EXPECT_EQ(libelles(fenetre.findChild<QMenu*>(QStringLiteral("Mnu_Sauvegarder"))->actions()),
              (QStringList{QStringLiteral("Mnu_Save_All=Tout les points"),
                           QStringLiteral("Mnu_Save_Select=La sélection")}));
    EXPECT_EQ(
        libelles(fenetre.findChild<QMenu*>(QStringLiteral("Mnu_Print"))->actions()),
        (QStringList{QStringLiteral("Mnu_Graph=Graphique"), QStringLiteral("Mnu_Num=Numérique"),
                     QStringLiteral("Mnu_Rapport=Rapport PDF")}));
    EXPECT_EQ(
        libelles(fenetre.findChild<QMenu*>(QStringLiteral("Mnu_Aide"))->actions()),
        (QStringList{QStringLiteral("Mnu_Doc=Manuel"), QStringLiteral("Mnu_Propos=A propos")}));
    // What works in this version can be chosen.
    for (const char* nom : {"Mnu_Quitter", "Mnu_Comm", "Mnu_Doc", "Mnu_Propos"}) {
        EXPECT_TRUE(fenetre.findChild<QAction*>(QLatin1String(nom))->isEnabled()) << nom;
    }
    EXPECT_EQ(fenetre.StatusBar->Texte(), QStringLiteral("Communication en cours"));
    EXPECT_EQ(fenetre.findChild<QLineEdit*>(QStringLiteral("Txt_Commentaire"))->text(),
              QStringLiteral("Commentaires"));
}

TEST(FenetrePrincipale, LeCommentaireSaisiVaDansLEnregistrement) {
    Banc_Programme banc;
    Frm_Principal& fenetre = banc.Construire();
    fenetre.show();
    auto* commentaire = fenetre.findChild<QLineEdit*>(QStringLiteral("Txt_Commentaire"));
    commentaire->clear();

    QTest::keyClicks(commentaire, QStringLiteral("Lot 12 - four 2"));

    EXPECT_EQ(banc.Etat_Programme().Commentaire, QStringLiteral("Lot 12 - four 2"));
}

TEST(FenetrePrincipale, AfficheInfosEnregMontreLEnregistrementTenu) {
    Banc_Programme banc;
    Frm_Principal& fenetre = banc.Construire();
    Etat& etat = banc.Etat_Programme();
    etat.Identite_Logger = QStringLiteral("FOUR01");
    etat.Nb_Mesures = 480;
    etat.Commentaire = QStringLiteral("Pasteurisation lot 7");

    fenetre.Affiche_Infos_Enreg();

    EXPECT_EQ(fenetre.CWGraph_Enreg->Legende(), QStringLiteral("FOUR01"));
    EXPECT_EQ(banc.Etat_Affiche(), QStringLiteral("Nombre de mesures : 480"));
    EXPECT_EQ(fenetre.Txt_Commentaire->text(), QStringLiteral("Pasteurisation lot 7"));
    EXPECT_EQ(etat.Commentaire, QStringLiteral("Pasteurisation lot 7"));
}

TEST(FenetrePrincipale, LeManuelEstConfieAuBureau) {
    Banc_Programme banc;
    Frm_Principal& fenetre = banc.Construire();

    fenetre.Mnu_Doc->trigger();

    ASSERT_EQ(banc.dialogues.affichages.size(), 1);
    EXPECT_EQ(banc.dialogues.affichages.first().genre, QStringLiteral("document"));
    EXPECT_EQ(banc.dialogues.affichages.first().texte,
              banc.Chemin(QStringLiteral("Documentation Caldrix.htm")));

    // No viewer on the desktop: the user is told rather than left waiting.
    banc.dialogues.document_affichable = false;
    fenetre.Mnu_Doc->trigger();
    ASSERT_EQ(banc.dialogues.Messages().size(), 1);
    EXPECT_TRUE(banc.dialogues.Messages().first().startsWith(
        QStringLiteral("Le manuel n'a pas pu être ouvert")));
}

TEST(PremierDemarrage, InstalleLeDossierUneSeuleFois) {
    Banc_Programme banc;
    // A simulated logger may have linked its port before the program first ran.
    ASSERT_TRUE(QDir(banc.Dossier()).mkpath(QStringLiteral("ports")));

    EXPECT_TRUE(Installation::Preparer_Dossier_Programme().isEmpty());

    EXPECT_TRUE(QFileInfo(banc.Chemin(QStringLiteral("Sauvegardes"))).isDir());
    EXPECT_EQ(banc.Lire(QStringLiteral("Conf.ini")), Conf_Par_Defaut());
    const std::unique_ptr<Etat> recettes = Etat::Nouveau();
    Import_Export::Recettes_Defaut(*recettes, 70, 10, 55);
    EXPECT_EQ(banc.Lire(QStringLiteral("recettes.ini")),
              Import_Export::Contenu_Recettes(*recettes));
    const QString manuel =
        QString::fromUtf8(banc.Lire(QStringLiteral("Documentation Caldrix.htm")));
    EXPECT_TRUE(manuel.contains(QStringLiteral("Caldrix V1.09")));
    EXPECT_TRUE(manuel.contains(QStringLiteral("Valeur Z")));
    EXPECT_TRUE(QFileInfo(banc.Chemin(QStringLiteral("Documentation Caldrix.htm"))).isWritable());

    // The user's changes survive the next starts.
    QFile conf(banc.Chemin(QStringLiteral("Conf.ini")));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("mes reglages");
    conf.close();
    ASSERT_TRUE(QFile::remove(banc.Chemin(QStringLiteral("recettes.ini"))));

    EXPECT_TRUE(Installation::Preparer_Dossier_Programme().isEmpty());

    EXPECT_EQ(banc.Lire(QStringLiteral("Conf.ini")), QByteArray("mes reglages"));
    EXPECT_FALSE(QFile::exists(banc.Chemin(QStringLiteral("recettes.ini"))));
}

TEST(PremierDemarrage, CreeUnDossierQuiNExistePas) {
    Banc_Programme banc;
    const QString dossier = banc.Chemin(QStringLiteral("nouveau/Caldrix"));
    qputenv("CALDRIX_HOME", QFile::encodeName(dossier));

    EXPECT_TRUE(Installation::Preparer_Dossier_Programme().isEmpty());

    EXPECT_TRUE(QFileInfo(dossier + QStringLiteral("/Sauvegardes")).isDir());
    EXPECT_TRUE(QFileInfo::exists(dossier + QStringLiteral("/Conf.ini")));
    EXPECT_TRUE(QFileInfo::exists(dossier + QStringLiteral("/recettes.ini")));
    EXPECT_TRUE(QFileInfo::exists(dossier + QStringLiteral("/Documentation Caldrix.htm")));
}
