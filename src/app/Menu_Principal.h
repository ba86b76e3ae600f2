// The menu bar of the main window, entry by entry, with the captions the users know.
#pragma once

class QAction;
class QMenu;
class QMenuBar;

struct Menu_Principal {
    // Fills the bar; each entry's objectName is its name.
    void Construire_Menus(QMenuBar& barre);

    QMenu* Mnu_Fichier = nullptr;
    QAction* Mnu_Ouvrir = nullptr;
    QAction* Mnu_Archives = nullptr;
    QAction* Mnu_Criteres = nullptr;
    QAction* Mnu_Nouvelle_Etude = nullptr;
    QAction* Mnu_Ouvrir_Etude = nullptr;
    QMenu* Mnu_Sauvegarder = nullptr;
    QAction* Mnu_Save_All = nullptr;
    QAction* Mnu_Save_Select = nullptr;
    QAction* Mnu_Quitter = nullptr;
    QAction* Mnu_Programmation = nullptr;
    QAction* Download_Logger = nullptr;
    QAction* Mnu_Num_Data = nullptr;
    QAction* Mnu_Calcul = nullptr;
    QAction* Mnu_Tools = nullptr;
    QAction* Mnu_Statistiques = nullptr;
    QMenu* Mnu_Print = nullptr;
    QAction* Mnu_Graph = nullptr;
    QAction* Mnu_Num = nullptr;
    QAction* Mnu_Rapport = nullptr;
    QAction* Mnu_Comm = nullptr;
    QMenu* Mnu_Aide = nullptr;
    QAction* Mnu_Doc = nullptr;
    QAction* Mnu_Propos = nullptr;
};
