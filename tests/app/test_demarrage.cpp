// Start-up and shutdown of the whole program, and the first installation of its folder.
#include "Banc_Programme.h"
#include "app/Installation.h"

// Without Conf.ini the user is told over the start-up screen and the defaults (port 1) are
// used; the shutdown writes the session's settings, closes the port and unloads every window.
TEST(Demarrage, SansConfIniLesDefautsPuisLArretEcritLesReglagesEtDechargeTout) {
    Banc_Programme banc;
    banc.Installer(4);
    ASSERT_TRUE(QFile::remove(banc.Chemin(u"Conf.ini"_s)));
    banc.Brancher_Logger(1);
    bool ecran_de_demarrage = false, principale_visible = true;
    banc.dialogues.pendant_message = [&] {
        ecran_de_demarrage = Visibles("Frm_Velor");
        principale_visible = Visibles("Frm_Principal");
    };
    const double avant = Date_Depuis_QDateTime(QDateTime::currentDateTime());

    Frm_Principal& f = banc.Demarrer();

    EXPECT_EQ(banc.dialogues.Messages(),
              QStringList{u"Un fichier est manquant, réinstaller l'application !"_s});
    EXPECT_TRUE(ecran_de_demarrage) << "the start screen shows first";
    EXPECT_FALSE(principale_visible) << "before the main window";
    EXPECT_EQ(banc.Etat_Affiche(), u"Enregistreur connecté com1"_s);
    EXPECT_EQ(f.windowTitle(), u"Caldrix V1.09"_s);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.Fenetre_Velor.Est_Chargee()) << "the start screen is gone";
    Etat& etat = banc.Etat_Programme();
    // An empty graph of the last 24 hours.
    EXPECT_NEAR(f.CWGraph_Enreg->Axes(1).Maximum(), avant, 10 * Une_Seconde);
    EXPECT_DOUBLE_EQ(f.CWGraph_Enreg->Axes(1).Minimum(), f.CWGraph_Enreg->Axes(1).Maximum() - 1);

    etat.Seuil_Haut = 42.5f;
    f.Mnu_Propos->trigger();
    f.Mnu_Comm->trigger();
    f.Fenetre_Patientez.Charger().show();
    f.Mnu_Tools->trigger();
    const QList<QByteArray> trames = banc.Trames(1);
    f.Mnu_Quitter->trigger();

    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(banc.Lire(u"Conf.ini"_s), Import_Export::Contenu_Conf(etat));
    EXPECT_FALSE(banc.Lien().Port().Est_Ouvert());
    EXPECT_FALSE(f.Fenetre_Outils.Est_Chargee() || f.Fenetre_Choix_Comm.Est_Chargee() ||
                 f.Fenetre_Velor.Est_Chargee() || f.Fenetre_Patientez.Est_Chargee());
    // The port window went without opening a port again after the shutdown closed it.
    EXPECT_EQ(banc.Trames(1), trames);
    EXPECT_EQ(banc.dialogues.Messages().size(), 1);
}

TEST(Demarrage, ConfIniIllisibleSansLoggerPuisReglagesImpossiblesAEcrire) {
    Banc_Programme banc;
    banc.Installer(1);
    const QString conf = banc.Chemin(u"Conf.ini"_s);
    ASSERT_TRUE(QFile::remove(conf) && QDir().mkdir(conf));

    Frm_Principal& f = banc.Demarrer();
    EXPECT_EQ(banc.Etat_Affiche(), u"Enregistreur non connecté : port COM 1 absent"_s);
    f.close();

    EXPECT_EQ(banc.dialogues.Messages(),
              (QStringList{u"Le fichier %1 ne peut pas être lu : les réglages par "
                           "défaut sont utilisés."_s.arg(conf),
                           u"Les réglages n'ont pas pu être enregistrés dans %1."_s.arg(conf)}));
}

// The folder is installed at the first start only, even where a simulated logger had linked its
// port first; each file comes from share/caldrix, or the program's own copy where it lacks one.
TEST(PremierDemarrage, InstalleLeDossierUneSeuleFois) {
    Banc_Programme banc;
    const QString partage = banc.Chemin(u"share/caldrix"_s);
    const QByteArray recettes = "[Recette 1]\r\n1\r\nBlanquette\r\n70\r\n10\r\n55\r\n";
    banc.Ecrire(u"share/caldrix/recettes.ini"_s, recettes);
    QString dossier;
    for (const QString& nom : {u"nouveau/Caldrix"_s, u"Caldrix"_s}) {
        dossier = banc.Chemin(nom);
        const bool nouveau = nom.startsWith(u'n');
        ASSERT_TRUE(nouveau || QDir().mkpath(dossier + u"/ports"_s));
        qputenv("CALDRIX_HOME", QFile::encodeName(dossier));
        EXPECT_TRUE(
            Installation::Preparer_Dossier_Programme(nouveau ? QString() : partage).isEmpty());
        EXPECT_TRUE(QFileInfo(dossier + u"/Sauvegardes"_s).isDir());
    }
    const std::unique_ptr<Etat> defaut = Etat::Nouveau();
    EXPECT_EQ(banc.Lire(u"Caldrix/Conf.ini"_s), Import_Export::Contenu_Conf(*defaut));
    Import_Export::Recettes_Defaut(*defaut, 70, 10, 55);
    EXPECT_EQ(banc.Lire(u"nouveau/Caldrix/recettes.ini"_s),
              Import_Export::Contenu_Recettes(*defaut));
    EXPECT_EQ(banc.Lire(u"Caldrix/recettes.ini"_s), recettes);
    EXPECT_TRUE(banc.Lire(u"Caldrix/Documentation Caldrix.htm"_s).contains("Caldrix V1.09"));
    EXPECT_TRUE(QFileInfo(dossier + u"/Documentation Caldrix.htm"_s).isWritable());

    // The user's changes survive the next starts.
    ASSERT_TRUE(QFile::remove(dossier + u"/recettes.ini"_s));
    EXPECT_TRUE(Installation::Preparer_Dossier_Programme(partage).isEmpty());
    EXPECT_FALSE(QFile::exists(dossier + u"/recettes.ini"_s));
}

// A first start gives the same folder, byte for byte, from the package or from the build folder.
TEST(PremierDemarrage, LePaquetInstalleLesMemesFichiersQueLeProgramme) {
    Banc_Programme banc;
    qputenv("CALDRIX_HOME", QFile::encodeName(banc.Chemin(u"Caldrix"_s)));
    ASSERT_TRUE(Installation::Preparer_Dossier_Programme({}).isEmpty());
    for (const QString& nom : Installation::Fichiers_Defaut())
        EXPECT_EQ(banc.Lire(QStringLiteral(CALDRIX_PARTAGE_CONSTRUIT "/") + nom),
                  banc.Lire(u"Caldrix/"_s + nom))
            << qPrintable(nom);
}
