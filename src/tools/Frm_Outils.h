// "Outils": a tall panel beside the graph to set the axis limits and the time range by hand,
// draw the alarm thresholds as setpoint lines, read values under the cursors, pan, and go back
// to the initial zoom. It keeps no data of its own: it reads the graph and the thresholds when
// it loads and writes every change straight back to them.
#pragma once

#include <optional>

#include "controls/Fenetre_Chargeable.h"

class CWGraph;
class Dialogues;
class MaskEdBox;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class Sortie_Etat;
struct Etat;

class Frm_Outils : public Fenetre_Chargeable {
    Q_OBJECT
  signals:
    // The user typed a new threshold into a setpoint box.
    void Seuils_Changes();

  public:
    Frm_Outils(Etat& etat, CWGraph& graphe, Sortie_Etat& barre_etat, Dialogues& dialogues);

    // Reads the graph and the thresholds into the boxes. The order matters: each write raises
    // the box's own handling, which puts the value back on the graph.
    void Form_Load();
    void Mnu_Fermer_Click();

    // The time axis range into the two date boxes (start first, then end): the end as typed
    // while the view is the one it set, one second short of the view's end.
    void Affiche_Dates_Echelle();
    // Setpoint lines across the whole time axis shown, at the thresholds.
    void Affiche_Consignes();
    void Efface_Consignes();
    // The shared thresholds changed elsewhere: the setpoint boxes (and lines, when shown) take
    // them, without announcing a change of their own.
    void Affiche_Seuils();

    // Scales and dates (Frm_Outils_Echelles.cpp).
    void Txt_E_T_Maxi_Change();
    void Txt_E_T_Mini_Change();
    void Txt_E_H_Maxi_Change();
    void Txt_E_H_Mini_Change();
    void Msk_Date_Deb_Change();
    void Msk_Date_Fin_Change();

    // Setpoints, cursor, pan and zoom (Frm_Outils_Consignes.cpp).
    void Chk_Consigne_Click();
    void Txt_Consigne_Maxi_Change();
    void Txt_Consigne_Mini_Change();
    void Opt_Hr_Click();
    void Opt_C_Click();
    void Chk_Curseur_Click();
    void Chk_Pan_Click();
    void Cmd_Zoom_Init_Click();

    QMenuBar* Barre_Menus;
    QAction* Mnu_Fermer;
    QGroupBox* Frame_Echelles_Temp;
    QGroupBox* Frame_Ech_T_Max;
    QLineEdit* Txt_E_T_Maxi;
    QGroupBox* Frame_Ech_T_Mini;
    QLineEdit* Txt_E_T_Mini;
    QGroupBox* Frame_Echelle_Hygro;
    QGroupBox* Frame_Ech_H_Maxi;
    QLineEdit* Txt_E_H_Maxi;
    QGroupBox* Frame_Ech_H_Mini;
    QLineEdit* Txt_E_H_Mini;
    QGroupBox* Frame_Echelle_Date;
    QGroupBox* Frame_Ech_Date_Deb;
    MaskEdBox* Msk_Date_Deb;
    QGroupBox* Frame_Ech_Date_Fin;
    MaskEdBox* Msk_Date_Fin;
    QCheckBox* Chk_Consigne;
    QGroupBox* Frame_Consigne;
    QRadioButton* Opt_Hr;
    QRadioButton* Opt_C;
    QGroupBox* Frame_Consigne_Haute;
    QLineEdit* Txt_Consigne_Maxi;
    QGroupBox* Frame_Consigne_Mini;
    QLineEdit* Txt_Consigne_Mini;
    QCheckBox* Chk_Curseur;
    QCheckBox* Chk_Pan;
    QPushButton* Cmd_Zoom_Init;

  private:
    void Construire_Echelles(int haut_client);
    void Construire_Dates(int haut_client);
    void Construire_Consignes(int haut_client);
    void Construire_Modes(int haut_client);
    void Connecter();
    void Placer_Au_Bord_Ecran();
    // Whatever moved the view (a pan, a zoom, "Zoom initial", another recording), the boxes and
    // the setpoint lines follow it; what the model offers is shown again.
    void Suivre_Vue();
    void Affiche_Echelles();
    void Affiche_Modele();
    // A date box left: a range whose start is not before its end is told now, once typed.
    void Verifier_Dates(bool fin);

    bool vue_ecrite_ = false;         // the boxes are being written from the view
    bool vue_par_les_cases_ = false;  // a box is moving the view: it already shows it
    // The end typed in "Fin", which the view shows one second later.
    std::optional<double> fin_saisie_;

    // The rule shared by the four scale boxes: the own box's whole number goes to its limit
    // when it is above the pair's minimum (or below its maximum); when the other box holds no
    // number the own box's limit is set all the same.
    bool seuils_du_programme_ = false;  // the setpoint boxes are being written by the program
    enum class Limite { Minimum, Maximum };
    void Echelle_Change(int numero_axe, Limite limite, const QLineEdit& mini,
                        const QLineEdit& maxi);
    // The rule shared by the two date boxes.
    void Date_Change(Limite limite);
    // Stores the box's number into the threshold (a text that is no number keeps it), then
    // redraws both lines.
    void Consigne_Change(const QLineEdit& boite, float& seuil);
    void Lier_Consignes(int numero_axe, int numero_trace);
    bool Modele_7307() const;

    Etat& etat_;
    CWGraph& graphe_;
    Sortie_Etat& barre_etat_;
    Dialogues& dialogues_;
};
