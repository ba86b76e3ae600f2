// The main window: the graph of the recording, its comment, the status line and the menus. It
// owns the program's life: its Form_Load is the start-up and closing it is the shutdown.
#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "app/Menu_Principal.h"
#include "controls/Fenetre_Chargeable.h"
#include "cooking/Calcul_Cuisson.h"

// The windows it loads: whoever uses one includes its header.
class Frm_Archives;
class Frm_Criteres;
class Frm_Calcul;
class Frm_Choix_Comm;
class Frm_Download;
class Frm_Etude;
class Frm_Num_Data;
class Frm_Outils;
class Frm_Patientez;
class Frm_Statistiques;
class Frm_UpLoad;
class Frm_Velor;
class Barre_Etat;
class CWGraph;
class Communication;
class Dialogues;
class Horloge;
class Imprimante;
class QLineEdit;
struct Etat;
namespace Etude {
struct Etude_Gardee;
struct Piece_Relue;
}  // namespace Etude

class Frm_Principal : public QMainWindow, public Menu_Principal {
    Q_OBJECT
  public:
    // Where the graph and the comment box stand for a window of outer size W × H (any unit):
    // the graph at 1 % from the left and top edges, 97 % wide and 80 % high, the comment box
    // right under it, as wide.
    struct Disposition {
        double Graphe_Gauche, Graphe_Haut, Graphe_Largeur, Graphe_Hauteur;
        double Commentaire_Gauche, Commentaire_Haut, Commentaire_Largeur;
    };
    static Disposition Calcul_Disposition(double W, double H);

    // `lien` carries the serial port (the window's MSComm1) and the clock; `dialogues` shows
    // every message and file dialog (its CmDial_Sauvegarder).
    Frm_Principal(Etat& etat, Communication& lien, Dialogues& dialogues);
    ~Frm_Principal() override;

    // Start-up: about window, clock origins, settings, port and logger, caption, graph, the
    // window itself, decimal separator.
    void Form_Load();
    void Form_Resize();
    // Shutdown: settings written, port closed, separator restored, every other window unloaded.
    void Form_Unload();

    void Txt_Commentaire_Change();
    // The recording now held: the logger's identity as the graph's caption, the number of
    // measures in the status line, its comment in the comment box.
    void Affiche_Infos_Enreg();

    // Recordings (Frm_Principal_Enregistrements.cpp): download, open, save, cooking value.
    void Download_Logger_Click();
    void Mnu_Ouvrir_Click();
    // The opening of a recordings file as "Ouvrir" does it once the file is chosen: reading,
    // curves, details, cooking replay.
    // `unite`: the unit the recording was made in when known elsewhere (the archive keeps it).
    void Ouvrir_Enregistrement(const QString& nom, const QString& unite = QString());
    void Mnu_Archives_Click();
    void Mnu_Criteres_Click();
    // Studies of several recordings (Frm_Principal_Etude.cpp).
    void Mnu_Nouvelle_Etude_Click();
    void Mnu_Ouvrir_Etude_Click();
    // A study the archive kept, reopened from the Archives window.
    void Rouvrir_Etude_Archivee(const Etude::Etude_Gardee& etude,
                                std::vector<Etude::Piece_Relue> pieces);
    void Sauvegarde_Enreg();
    void Mnu_Save_All_Click();
    void Mnu_Save_Select_Click();
    void Mnu_Calcul_Click();

    // Programming, table and printing (Frm_Principal_Programmation.cpp,
    // Frm_Principal_Impression.cpp).
    void Mnu_Programmation_Click();
    void Mnu_Num_Data_Click();
    void Mnu_Graph_Click();
    void Mnu_Num_Click();
    // Where the print commands print: the system's default printer unless told otherwise.
    void Definir_Imprimante(std::unique_ptr<Imprimante> imprimante);

    // The tools window and the cursor readout it turns on (src/tools/Frm_Principal_Outils.cpp).
    void Mnu_Tools_Click();
    // The statistics of the range shown and the one-page report (Frm_Principal_Rapport.cpp).
    void Mnu_Statistiques_Click();
    void Mnu_Rapport_Click();
    void CWGraph_Enreg_Pointeur_Zone_Trace(int bouton, int shift, double x, double y);

    // The shared thresholds changed (programming window, tools window): the setpoint lines, the
    // tools window's boxes and the statistics window show the new pair.
    void Seuils_Changes();

    void Mnu_Quitter_Click();
    void Mnu_Comm_Click();
    void Mnu_Doc_Click();
    void Mnu_Propos_Click();

    Etat& Etat_Programme() const { return etat_; }
    Communication& Lien() const { return lien_; }
    Dialogues& CmDial_Sauvegarder() const { return dialogues_; }

    QLineEdit* Txt_Commentaire;
    Barre_Etat* StatusBar;
    CWGraph* CWGraph_Enreg;

    Fenetre<Frm_Velor> Fenetre_Velor;
    Fenetre<Frm_Patientez> Fenetre_Patientez;
    Fenetre<Frm_Choix_Comm> Fenetre_Choix_Comm;
    Fenetre<Frm_Download> Fenetre_Download;
    Fenetre<Frm_Calcul> Fenetre_Calcul;
    Fenetre<Frm_UpLoad> Fenetre_UpLoad;
    Fenetre<Frm_Num_Data> Fenetre_Num_Data;
    Fenetre<Frm_Outils> Fenetre_Outils;
    Fenetre<Frm_Statistiques> Fenetre_Statistiques;
    Fenetre<Frm_Archives> Fenetre_Archives;
    Fenetre<Frm_Criteres> Fenetre_Criteres;
    Fenetre<Frm_Etude> Fenetre_Etude;
    // The last cooking value computed: it outlives the cooking window.
    Maximum_Cuisson Resultat_Cuisson;

  protected:
    void resizeEvent(QResizeEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void Connecter_Menus();
    // The name chosen in the save dialog, or empty when nothing is to be written.
    QString Choix_Nom_Sauvegarde();
    bool Ecriture_Enregistrement(const QString& nom);
    // A download brings a new recording: what belonged to the one shown before (its file, its
    // comment and cooking choice unless the user gave them since it was loaded) goes.
    void Nouvel_Enregistrement_Telecharge();
    void Rejouer_Calcul_Cuisson();
    void Decharger_Fenetres();

    Etat& etat_;
    Communication& lien_;
    Horloge& horloge_;
    Dialogues& dialogues_;
    std::unique_ptr<Imprimante> imprimante_;
    bool dechargee_ = false;
    // A recording came from the logger and has not been written to a file since.
    bool telechargement_non_sauve_ = false;
    bool commentaire_saisi_ = false;  // typed by the user since the recording shown was loaded
    uint8_t recette_chargee_ = 0;     // Num_Recette when the recording shown was loaded
};
