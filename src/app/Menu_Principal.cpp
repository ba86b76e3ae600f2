#include "app/Menu_Principal.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// Captions carry their Alt mnemonic ("&Fichier": Alt+F); the text shown is the documented one.
// A menu with sub-entries; its own entry in the parent carries the same name, so that tests
// and later code find either.
QMenu* Sous_Menu(QWidget& parent, const char* nom, const QString& libelle) {
    auto* menu = new QMenu(libelle, &parent);
    menu->setObjectName(QLatin1String(nom));
    menu->menuAction()->setObjectName(QLatin1String(nom));
    if (auto* barre = qobject_cast<QMenuBar*>(&parent)) {
        barre->addMenu(menu);
    } else {
        static_cast<QMenu&>(parent).addMenu(menu);
    }
    return menu;
}

QAction* Entree(QWidget& parent, const char* nom, const QString& libelle) {
    auto* action = new QAction(libelle, &parent);
    action->setObjectName(QLatin1String(nom));
    parent.addAction(action);
    return action;
}

}  // namespace

void Menu_Principal::Construire_Menus(QMenuBar& barre) {
    Mnu_Fichier = Sous_Menu(barre, "Mnu_Fichier", QStringLiteral("&Fichier"));
    Mnu_Ouvrir = Entree(*Mnu_Fichier, "Mnu_Ouvrir", QStringLiteral("&Ouvrir"));
    Mnu_Archives = Entree(*Mnu_Fichier, "Mnu_Archives", QStringLiteral("&Archives"));
    Mnu_Criteres = Entree(*Mnu_Fichier, "Mnu_Criteres", QStringLiteral("&Critères d'acceptation…"));
    Mnu_Nouvelle_Etude =
        Entree(*Mnu_Fichier, "Mnu_Nouvelle_Etude", QStringLiteral("&Nouvelle étude…"));
    Mnu_Ouvrir_Etude =
        Entree(*Mnu_Fichier, "Mnu_Ouvrir_Etude", QStringLiteral("Ouvrir une é&tude…"));
    Mnu_Sauvegarder = Sous_Menu(*Mnu_Fichier, "Mnu_Sauvegarder", QStringLiteral("&Sauvegarder"));
    Mnu_Save_All = Entree(*Mnu_Sauvegarder, "Mnu_Save_All", QStringLiteral("&Tout les points"));
    Mnu_Save_Select = Entree(*Mnu_Sauvegarder, "Mnu_Save_Select", QStringLiteral("&La sélection"));
    Mnu_Quitter = Entree(*Mnu_Fichier, "Mnu_Quitter", QStringLiteral("&Quitter"));
    Mnu_Programmation = Entree(barre, "Mnu_Programmation", QStringLiteral("&Programmation"));
    Download_Logger = Entree(barre, "Download_Logger", QStringLiteral("&Téléchargement"));
    Mnu_Num_Data = Entree(barre, "Mnu_Num_Data", QStringLiteral("Ta&bleau"));
    Mnu_Calcul = Entree(barre, "Mnu_Calcul", QStringLiteral("&Calcul"));
    Mnu_Tools = Entree(barre, "Mnu_Tools", QStringLiteral("O&utils"));
    Mnu_Statistiques = Entree(barre, "Mnu_Statistiques", QStringLiteral("St&atistiques"));
    Mnu_Print = Sous_Menu(barre, "Mnu_Print", QStringLiteral("&Impression"));
    Mnu_Graph = Entree(*Mnu_Print, "Mnu_Graph", QStringLiteral("&Graphique"));
    Mnu_Num = Entree(*Mnu_Print, "Mnu_Num", QStringLiteral("&Numérique"));
    Mnu_Rapport = Entree(*Mnu_Print, "Mnu_Rapport", QStringLiteral("&Rapport PDF"));
    Mnu_Comm = Entree(barre, "Mnu_Comm", QStringLiteral("Co&mm"));
    Mnu_Aide = Sous_Menu(barre, "Mnu_Aide", QStringLiteral("&?"));
    Mnu_Doc = Entree(*Mnu_Aide, "Mnu_Doc", QStringLiteral("&Manuel"));
    Mnu_Propos = Entree(*Mnu_Aide, "Mnu_Propos", QStringLiteral("A &propos"));

    // The desktop's usual keys, shown beside the entries.
    Mnu_Ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Mnu_Save_All->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Mnu_Graph->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Mnu_Quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Mnu_Doc->setShortcut(QKeySequence(Qt::Key_F1));
}
