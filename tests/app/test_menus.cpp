// The windows the main window's menus open, and Qt's own file dialog as the program sets it up.
#include "Banc_Programme.h"
#include "app/Dialogues_Qt.h"

// Leaving, the port the box names becomes the program's, opened and asked for its logger; a text
// that names none keeps the port in use, said and opened again.
TEST(Menus, LePortNommeEnQuittantLeChoixDevientCeluiDuProgramme) {
    Banc_Programme banc;
    banc.Installer(3);
    std::map<int, QString> noms;  // the device behind each link, as the list names it
    for (int port : {1, 3, 4, 17})
        noms[port] = banc.Brancher_Logger(port).Peripherique().mid(5);
    Frm_Principal& f = banc.Demarrer();
    EXPECT_EQ(banc.Etat_Affiche(), u"Enregistreur connecté com3"_s);
    const QString garde =
        u"« port du four » n'est pas un port de communication : "
        "le port COM 4 est conservé."_s;
    const struct {
        const char* texte;  // chosen in the list when empty; the close box leaves when "com1"
        int port;
        QStringList messages;
    } choix[] = {{"", 4, {}}, {"port du four", 4, {garde}}, {"com1", 1, {}}};
    for (const auto& c : choix) {
        SCOPED_TRACE(c.texte);
        banc.dialogues.affichages.clear();
        f.Mnu_Comm->trigger();
        Frm_Choix_Comm& fc = *f.Fenetre_Choix_Comm.Chargee();
        QComboBox& liste = *fc.Cmb_Choix_Port;
        EXPECT_EQ(liste.count(), 3) << "no port 17";
        const int courant = banc.Etat_Programme().Num_Port;
        EXPECT_EQ(liste.currentText(), u"COM %1 (%2)"_s.arg(courant).arg(noms[courant]));
        const qsizetype demandes = banc.Trames(c.port).count("Q");
        *c.texte ? liste.setEditText(QLatin1String(c.texte)) : liste.setCurrentIndex(2);
        c.port == 1 ? void(fc.close()) : QTest::mouseClick(fc.Cmd_Ok, Qt::LeftButton);

        EXPECT_FALSE(f.Fenetre_Choix_Comm.Est_Chargee());
        EXPECT_EQ(banc.Etat_Programme().Num_Port, c.port);
        EXPECT_EQ(banc.Trames(c.port).count("Q"), demandes + 1);
        EXPECT_EQ(banc.dialogues.Messages(), c.messages);
    }
    // A port in use that is not in the list: the user is asked to choose, the box keeps its text.
    banc.Etat_Programme().Num_Port = 5;
    f.Mnu_Comm->trigger();
    EXPECT_EQ(banc.dialogues.Messages().last(),
              u"Choisir un port de communication dans la liste"_s);
    EXPECT_EQ(f.Fenetre_Choix_Comm.Chargee()->Cmb_Choix_Port->currentText(), u"Combo1"_s);
}

// In cursor mode a click on the graph moves the cursors to the nearest record, and the status
// line reads it: date, temperature to a tenth, and the %Hr of a 7307 or the cooking minutes.
TEST(Menus, OutilsUneFenetreEtLaLectureDuCurseur) {
    Banc_Programme banc;
    Frm_Principal& f = banc.Construire();
    f.show();
    CWGraph& graphe = *f.CWGraph_Enreg;
    const struct {
        Enregistrement_Essai enregistrement;
        bool cuisson;
        int record;
        const char* lecture;
    } cas[] = {
        {Enregistrement_Essai(7307).Temperatures({21, 25.25f, 26}).Humidites({50, 56.7f, 9}), false,
         2, "05/12/2026 08:01:00  25.2°C  56.7%Hr"},
        {Enregistrement_Essai().Temperatures({50, 71.3f, 80}), true, 2,
         "05/12/2026 08:01:00  71.3°C  12.2minutes"},
        {Enregistrement_Essai().Debut(Date_Depuis_Civil(2026, 12, 6)).Temperatures({-0.04f, 1}),
         false, 1, "06/12/2026 00:00:00  0°C"},
    };
    for (const auto& c : cas) {
        c.enregistrement.Remplir(banc.Etat_Programme());
        Graphique::Affiche_Courbes(banc.Etat_Programme(), graphe);
        banc.Etat_Programme().Mesures(c.record).Humidite = 12.25f;
        if (c.cuisson) Graphique::Affiche_Courbe_Cuisson(banc.Etat_Programme(), graphe);
        f.Mnu_Tools->trigger();
        f.Fenetre_Outils.Chargee()->Chk_Curseur->setChecked(true);

        graphe.Redessiner_Maintenant();
        const double x =
            graphe.Axes(1).Vers_Trace(c.enregistrement.Date(c.record) + 5 * Une_Seconde);
        QTest::mouseClick(&graphe.Trace_QCP(), Qt::LeftButton, {},
                          QPoint(qRound(graphe.Axes(1).Axe_QCP()->coordToPixel(x)),
                                 graphe.Trace_QCP().axisRect()->center().y()));

        EXPECT_EQ(banc.Etat_Affiche(), QString::fromUtf8(c.lecture));
        EXPECT_DOUBLE_EQ(graphe.Cursors(1).X(), c.enregistrement.Date(c.record));
    }
}

// French throughout, whatever the machine's language, its filter shown once.
TEST(Menus, LeChoixDeFichierParleFrancaisEtMontreSonFiltreUneFois) {
    QTemporaryDir dossier;
    QFile fichier(dossier.filePath(u"four.txt"_s));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly) && fichier.write(QByteArray(12553, 'x')) &&
                fichier.flush());
    fichier.setFileTime(QDateTime(QDate(2026, 12, 5), QTime(14, 30)),
                        QFileDevice::FileModificationTime);
    fichier.close();
    QStringList filtres, colonnes;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        filtres = dialogue->nameFilters();
        auto* vue = dialogue->findChild<QTreeView*>(u"treeView"_s);
        if (vue && QTest::qWaitFor([&] { return vue->model()->rowCount(vue->rootIndex()) > 0; })) {
            for (int c = 0; c <= 3; ++c)
                colonnes << vue->model()->index(0, c, vue->rootIndex()).data().toString();
        }
        dialogue->reject();
    });

    Dialogues_Qt dialogues;
    EXPECT_TRUE(
        dialogues
            .Fichier_Ouvrir({u"Ouverture"_s, dossier.path(), u"(*.txt)|*.txt"_s, u".txt"_s, {}})
            .isEmpty());

    EXPECT_EQ(filtres, QStringList{u"(*.txt)"_s});
    EXPECT_EQ(colonnes, (QStringList{u"four.txt"_s, u"12,26 Kio"_s, u"Fichier TXT"_s,
                                     u"05/12/2026 14:30"_s}));
}

// Submenus in brackets; then the about window and the manual.
TEST(Menus, LibellesDesMenus) {
    Banc_Programme banc;
    Frm_Principal& f = banc.Construire();
    std::function<QString(const QList<QAction*>&)> arbre = [&](const QList<QAction*>& entrees) {
        QStringList t;
        for (const QAction* e : entrees)
            t << e->text().remove(u'&') +
                     (e->menu() ? u" ["_s + arbre(e->menu()->actions()) + u']' : QString());
        return t.join(u", "_s);
    };
    EXPECT_EQ(arbre(f.menuBar()->actions()),
              u"Fichier [Ouvrir, Archives, Critères d'acceptation…, Nouvelle étude…, "
              "Ouvrir une étude…, Sauvegarder [Tout les points, La sélection], Quitter], "
              "Programmation, Téléchargement, Tableau, Calcul, Outils, Statistiques, "
              "Impression [Graphique, Numérique, Rapport PDF], Comm, ? [Manuel, A propos]"_s);
    EXPECT_EQ(f.StatusBar->Texte(), u"Communication en cours"_s);
    EXPECT_EQ(f.Txt_Commentaire->text(), u"Commentaires"_s);
    // Each menu of the bar opens with its own Alt key; the usual keys are on their entries.
    QStringList touches;
    for (const QAction* e : f.menuBar()->actions())
        touches << QKeySequence::mnemonic(e->text()).toString();
    EXPECT_EQ(touches.join(u' '), u"Alt+F Alt+P Alt+T Alt+B Alt+C Alt+U Alt+A Alt+I Alt+M Alt+?"_s);
    touches.clear();
    for (const QAction* e : {f.Mnu_Ouvrir, f.Mnu_Save_All, f.Mnu_Graph, f.Mnu_Quitter, f.Mnu_Doc})
        touches << e->shortcut().toString();
    EXPECT_EQ(touches.join(u' '), u"Ctrl+O Ctrl+S Ctrl+P Ctrl+Q F1"_s);

    // "A propos" opens one window only.
    f.Mnu_Propos->trigger();
    f.Mnu_Propos->trigger();
    EXPECT_EQ(Visibles("Frm_Velor"), 1);
    EXPECT_EQ(f.Fenetre_Velor.Chargee()->Lbl_Nom_Logiciel->text(), u"Caldrix V1.09"_s);
    QTest::mouseClick(f.Fenetre_Velor.Chargee()->Cmd_Ok, Qt::LeftButton);
    EXPECT_FALSE(f.Fenetre_Velor.Est_Chargee());

    // A desktop that cannot show the manual is told rather than left waiting.
    const QString manuel = banc.Chemin(u"Documentation Caldrix.htm"_s);
    f.Mnu_Doc->trigger();
    banc.dialogues.document_affichable = false;
    f.Mnu_Doc->trigger();
    ASSERT_EQ(banc.dialogues.affichages.size(), 3);
    EXPECT_EQ(banc.dialogues.affichages[0].texte, manuel);
    EXPECT_EQ(banc.dialogues.Messages(),
              QStringList{u"Le manuel n'a pas pu être ouvert : aucun programme du "
                          "poste n'affiche %1."_s.arg(manuel)});
}
