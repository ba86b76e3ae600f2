// "Ouvrir", "Sauvegarder" and "Téléchargement" from the main window's menus.
#include "Banc_Programme.h"
#include "Courbe_Simulee.h"
#include "Limite_Taille_Fichier.h"
#include "archive/Archive.h"
#include "logger/Fonctions_Logger.h"

#include <qpa/qwindowsysteminterface.h>

namespace {

class Enregistrements : public Programme_Installe {
  protected:
    QString Sauvegarde(const char* nom) const {
        return banc.Chemin(u"Sauvegardes/"_s + QLatin1String(nom));
    }
    Trace_Graphe& Plot(int n) { return f.CWGraph_Enreg->Plots(n); }
    Etat& etat() { return banc.Etat_Programme(); }
};

}  // namespace

// A name not ending in ".txt" is not read; a missing or cut file is told over the wait window;
// the cooking value a file was saved with is computed again, or refused for a 7307.
TEST_F(Enregistrements, OuvrirDessineLeFichierEtRejoueSaRecette) {
    ASSERT_TRUE(QFile::copy(Fixture("four_7306.txt"), Sauvegarde("FOUR.TXT")));
    const auto fichier = [&](int modele, uint8_t recette) {
        return Enregistrement_Essai(modele)
            .Recette(recette)
            .Temperatures({50, 60, 70, 80, 70, 50})
            .Ecrire(banc.Chemin(u"Sauvegardes/%1_%2.txt"_s.arg(modele).arg(recette)));
    };
    const struct {
        QString chemin;
        const char* message;
        const char *debut, *suite;  // of the status line
        int points, seconde;
    } cas[] = {
        {Sauvegarde("FOUR.TXT"), nullptr, "", "", 0, 0},
        {Sauvegarde("absent.txt"), "Nom de fichier introuvable", "", "", 0, 0},
        {Fixture("tronque.txt"), "Fichier incorrect!", "Pasteurisation Valeur : ", "", 8, 8},
        {fichier(7306, 101), nullptr,
         "Stérilisation Valeur : ", " | Tref :121°c | Z :10°c | Tdép :100°c", 6, 6},
        {fichier(7307, 100), "Calcul de cuisson impossible avec un enregistreur 7307",
         "Nombre de mesures : 12", "", 6, 6},
        {Fixture("four_7306.txt"), nullptr,
         "Pasteurisation Valeur : 9mn le : 06/12/2026 00:04:00 | Tref :70°c | Z :10°c | Tdép :55°c",
         "", 12, 12},
    };
    bool attente = false;
    banc.dialogues.pendant_message = [&] { attente = f.Fenetre_Patientez.Est_Chargee(); };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.chemin.toStdString());
        banc.dialogues.affichages.clear();
        attente = false;
        Choisir(f.Mnu_Ouvrir, c.chemin);
        EXPECT_EQ(banc.dialogues.Messages(),
                  c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList());
        EXPECT_EQ(attente, c.message != nullptr);
        EXPECT_FALSE(f.Fenetre_Patientez.Est_Chargee() || f.Fenetre_Calcul.Est_Chargee());
        EXPECT_TRUE(banc.Etat_Affiche().startsWith(QString::fromUtf8(c.debut)));
        EXPECT_TRUE(banc.Etat_Affiche().contains(QString::fromUtf8(c.suite)));
        EXPECT_EQ(QList({Plot(1).Nb_Points(), Plot(2).Nb_Points()}), QList({c.points, c.seconde}));
        EXPECT_EQ(etat().Nom_Fichier, c.points ? c.chemin : QString());
        EXPECT_TRUE(c.points || !c.message ||
                    banc.dialogues.affichages.last().icone == Dialogues::Icone::Exclamation);
    }
    const Dialogues::Choix_Fichier& choix = banc.dialogues.dialogues_fichiers.value(0);
    EXPECT_EQ(
        QStringList({choix.Titre, choix.Filtre, choix.Extension_Defaut, choix.Dossier_Initial}),
        (QStringList{u"Ouverture d'un fichier d'enregistrements"_s, u"(*.txt)|*.txt"_s, u".txt"_s,
                     banc.Chemin(u"Sauvegardes"_s)}));
    EXPECT_EQ(f.CWGraph_Enreg->Legende(), u"FOUR01"_s);
    EXPECT_EQ(f.Txt_Commentaire->text(), u"Cuisson jambon lot n°12 – été"_s);
    f.Mnu_Calcul->trigger();
    ASSERT_TRUE(f.Fenetre_Calcul.Est_Chargee());

    // The cooking window open on another choice: a refused replay is told once and changes
    // nothing of the window.
    f.Fenetre_Calcul.Chargee()->Opt_Sterilisation->setChecked(true);
    banc.dialogues.affichages.clear();
    Choisir(f.Mnu_Ouvrir, fichier(7307, 100));
    EXPECT_EQ(banc.dialogues.Messages(),
              QStringList{u"Calcul de cuisson impossible avec un enregistreur 7307"_s});
    ASSERT_TRUE(f.Fenetre_Calcul.Est_Chargee());
    EXPECT_TRUE(f.Fenetre_Calcul.Chargee()->Opt_Sterilisation->isChecked());
}

// A full disk is told and leaves the file that was there whole; a name not ending in ".txt"
// writes nothing; the selection keeps the records shown, both ends included.
TEST_F(Enregistrements, SauvegarderToutLesPointsOuLaSelection) {
    Choisir(f.Mnu_Ouvrir, Fixture("serre_7307.txt"));
    const QString nom = Sauvegarde("serre.txt");
    ASSERT_TRUE(QFile::copy(Fixture("four_7306.txt"), nom));
    {
        const Limite_Taille_Fichier disque_plein(100);
        Choisir(f.Mnu_Save_All, nom);
    }
    EXPECT_EQ(banc.dialogues.Messages(),
              QStringList{u"Le fichier %1 n'a pas pu être écrit (dossier absent, "
                          "disque plein ou protégé). Rien n'a été remplacé."_s.arg(nom)});
    EXPECT_EQ(banc.Lire(u"Sauvegardes/serre.txt"_s), banc.Lire(Fixture("four_7306.txt")));
    EXPECT_EQ(etat().Nom_Fichier, Fixture("serre_7307.txt"));
    f.CWGraph_Enreg->Axes(1).Definir_Minimum(etat().Mesures(2).Date_Heure);
    f.CWGraph_Enreg->Axes(1).Definir_Maximum(etat().Mesures(4).Date_Heure);
    Choisir(f.Mnu_Save_All, Sauvegarde("SERRE.TXT"));
    Choisir(f.Mnu_Save_Select, Sauvegarde("SERRE.TXT"));
    EXPECT_FALSE(QFile::exists(Sauvegarde("SERRE.TXT")));
    EXPECT_EQ(etat().Nb_Mesures, 16);

    f.Txt_Commentaire->setText(u"Contrôle du 5"_s);
    Choisir(f.Mnu_Save_All, nom);
    const Dialogues::Choix_Fichier& choix = banc.dialogues.dialogues_fichiers.last();
    EXPECT_EQ(QStringList({choix.Titre, choix.Nom, choix.Dossier_Initial}),
              (QStringList{u"Sauvegarde des enregistrements"_s, u"Nom du fichier"_s,
                           banc.Chemin(u"Sauvegardes"_s)}));
    const QByteArray fichier = banc.Lire(u"Sauvegardes/serre.txt"_s);
    EXPECT_EQ(fichier, Import_Export::Contenu_Fichier_Enreg(etat()));
    EXPECT_TRUE(fichier.contains("\r\nContr\xF4le du 5\r\n"));
    EXPECT_EQ(etat().Nom_Fichier, nom);

    Choisir(f.Mnu_Save_Select, Sauvegarde("selection.txt"));
    EXPECT_EQ(banc.Lire(u"Sauvegardes/selection.txt"_s),
              Import_Export::Contenu_Fichier_Enreg(etat()));
    EXPECT_EQ(etat().Nb_Mesures, 6);
    EXPECT_EQ(banc.dialogues.Messages().size(), 1);
}

// Against a 7307 logger: the progress window and the curves, No keeps the recording unsaved,
// Yes saves it; a failing logger leaves the recording on screen and in memory as it was.
TEST_F(Enregistrements, TelechargementNonOuiPuisUnePanneNeChangeRien) {
    Terminal_Simule& logger = banc.Brancher_Logger(3, 7307);
    logger.Avec_Logger(
        [](Logger_Simule& l) { l.Memoire().mesures = Courbe_Simulee::Generer(2000, true); });
    banc.Relier(3);
    // Typed by the user: it goes with the next download.
    f.Txt_Commentaire->clear();
    QTest::keyClicks(f.Txt_Commentaire, u"Four 2"_s);
    // The progress window loaded now to watch its bar; the menus are off during the exchanges.
    QProgressBar& barre = *f.Fenetre_Download.Charger().ProgressBar;
    int progression = -1;
    bool menus_pendant = true;
    QObject::connect(&barre, &QProgressBar::valueChanged, [&](int valeur) {
        progression = valeur;
        menus_pendant = menus_pendant && f.menuBar()->isEnabled();
    });
    banc.dialogues.reponses_questions = {false, true};

    f.Download_Logger->trigger();

    EXPECT_EQ(banc.dialogues.affichages.value(0).texte, u"Voulez vous sauvegarder les données"_s);
    EXPECT_EQ(progression, 100);
    EXPECT_FALSE(menus_pendant);
    EXPECT_FALSE(f.Fenetre_Download.Est_Chargee());
    EXPECT_EQ(banc.Etat_Affiche(), u"Nombre de mesures : 4000"_s);
    EXPECT_EQ(Plot(1).Nb_Points(), 2000);
    EXPECT_EQ(f.Txt_Commentaire->text(), u"Four 2"_s);
    EXPECT_TRUE(banc.dialogues.dialogues_fichiers.isEmpty()) << "no save dialog";
    // Quitting with that recording never saved asks first; "Non" keeps the program open.
    banc.dialogues.reponses_questions.prepend(false);
    f.Mnu_Quitter->trigger();
    EXPECT_EQ(banc.dialogues.affichages.last().texte,
              u"L'enregistrement téléchargé n'a pas été sauvegardé. Quitter quand même ?"_s);
    EXPECT_TRUE(f.isVisible());

    Choisir(f.Download_Logger, Sauvegarde("serre.txt"));
    const QByteArray fichier = banc.Lire(u"Sauvegardes/serre.txt"_s);
    EXPECT_EQ(fichier, Import_Export::Contenu_Fichier_Enreg(etat()));
    EXPECT_EQ(etat().Nom_Fichier, Sauvegarde("serre.txt"));

    logger.Avec_Logger([](Logger_Simule& l) { l.Definir_Panne({Panne::Mauvaise_Lettre, 'M'}); });
    banc.dialogues.affichages.clear();
    f.Download_Logger->trigger();
    EXPECT_EQ(banc.dialogues.Messages(), QStringList{u"Le logger ne répond pas - Erreur N° : 2"_s});
    EXPECT_EQ(Import_Export::Contenu_Fichier_Enreg(etat()), fichier);
    EXPECT_EQ(Plot(1).Nb_Points(), 2000);
    EXPECT_TRUE(f.menuBar()->isEnabled());
    EXPECT_TRUE(f.Fenetre_Download.Est_Chargee());  // until a download succeeds
    // Saved: quitting asks nothing.
    banc.dialogues.affichages.clear();
    f.Mnu_Quitter->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(banc.dialogues.affichages.isEmpty());
}

// Nothing of a recording opened passes to a download. A cut transfer shows what came and offers
// nothing to save; a whole one, made in °F, goes to the archive with its unit.
TEST_F(Enregistrements, TelechargementCoupeOuEntierNHeriteRienDuFichierPrecedent) {
    const QString lot12 = Enregistrement_Essai()
                              .Commentaire(u"Lot 12 – jambon"_s)
                              .Recette(100)
                              .Temperatures({50, 60, 70})
                              .Ecrire(Sauvegarde("lot12.txt"));
    Choisir(f.Mnu_Ouvrir, lot12);
    ASSERT_EQ(f.Txt_Commentaire->text(), u"Lot 12 – jambon"_s);
    Terminal_Simule& logger = banc.Brancher_Logger(3, 7306);
    logger.Avec_Logger([](Logger_Simule& l) {
        l.Memoire().mesures = Courbe_Simulee::Generer(2000, false);
        l.Memoire().unite = 'F';
        l.Definir_Panne({Panne::Coupure, 'D'});
    });
    banc.Relier(3);
    banc.dialogues.affichages.clear();

    f.Download_Logger->trigger();
    EXPECT_EQ(banc.dialogues.Messages(),
              QStringList{u"Le logger ne répond pas - Erreur N° : 2\nTéléchargement incomplet : "
                          "200 mesures sur 2000 annoncées : l'enregistrement n'est pas "
                          "sauvegardé."_s});
    EXPECT_EQ(Plot(1).Nb_Points(), 200);
    EXPECT_EQ(f.CWGraph_Enreg->Legende(), u"SIMUL01"_s);
    EXPECT_EQ(f.Txt_Commentaire->text(), QString());
    EXPECT_TRUE(etat().Nom_Fichier.isEmpty());
    EXPECT_EQ(etat().Num_Recette, 0);
    EXPECT_FALSE(QFile::exists(banc.Chemin(u"Archives/caldrix.sqlite"_s)));

    logger.Avec_Logger([](Logger_Simule& l) { l.Definir_Panne({}); });
    QTest::keyClicks(f.Txt_Commentaire, u"Four 3"_s);  // typed for the next one: it stays
    banc.dialogues.reponses_questions = {true};
    Choisir(f.Download_Logger, Sauvegarde("four3.txt"));
    const QByteArray fichier = banc.Lire(u"Sauvegardes/four3.txt"_s);
    EXPECT_TRUE(fichier.contains("\r\n2000\r\nFour 3\r\n"));
    EXPECT_TRUE(fichier.contains("[Recette]\r\n0\r\n"));
    const auto archive = Archive::Ouvrir();
    ASSERT_TRUE(archive) << archive.Erreur().toStdString();
    const Resultat_Liste liste = (*archive)->Lister({});
    ASSERT_EQ(liste.Fiches.size(), 1);
    EXPECT_EQ(liste.Fiches[0].Unite, u"°F"_s);
    EXPECT_FALSE(liste.Fiches[0].Incomplet());
    f.Mnu_Statistiques->trigger();
    const QStringList lignes = f.Fenetre_Statistiques.Chargee()->Lignes();
    EXPECT_TRUE(lignes.filter(u"°F"_s).size() >= 5);
    EXPECT_TRUE(lignes.filter(u"°C"_s).isEmpty()) << lignes.join(u'\n').toStdString();
    EXPECT_EQ(f.CWGraph_Enreg->Axes(2).Legende(), u"Température °F"_s);
    f.CWGraph_Enreg_Pointeur_Zone_Trace(1, 0, etat().Mesures(10).Date_Heure, 0);
    EXPECT_TRUE(banc.Etat_Affiche().endsWith(u"°F"_s)) << banc.Etat_Affiche().toStdString();
}

// A click on a menu while the program talks to the logger waits for the exchange to end: the
// windows repaint meanwhile, but no input starts a second command inside the first.
TEST_F(Enregistrements, UnClicPendantUnEchangeAttendSaFin) {
    Terminal_Simule& logger = banc.Brancher_Logger(3, 7306);
    logger.Avec_Logger([](Logger_Simule& l) { l.Memoire().mesures.resize(5); });
    banc.Relier(3);
    QWindow* fenetre = f.windowHandle();
    ASSERT_TRUE(fenetre);
    const QPoint clic =
        f.menuBar()->mapTo(&f, f.menuBar()->actionGeometry(f.Download_Logger).center());
    // As the window system hands a click over: queued, delivered at the next pass of events.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            fenetre, clic, f.mapToGlobal(clic),
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton, type);
    }
    EXPECT_EQ(Fonctions_Logger::Lecture_Identite(etat(), banc.Lien()), 0);
    EXPECT_EQ(banc.Trames(3), QList<QByteArray>{"I"});
    banc.dialogues.reponses_questions = {false};
    QCoreApplication::processEvents();
    EXPECT_GT(banc.Trames(3).size(), 1);  // the download, afterwards
    EXPECT_EQ(banc.Etat_Affiche(), u"Nombre de mesures : 5"_s);
}
