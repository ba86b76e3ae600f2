// "Programmation": the logger's next campaign. Loading the window reads the logger's identity,
// version and state into its boxes, with the thresholds and the number of points of Conf.ini;
// "OK" checks what the user typed, then sends the alarms, the clock, the identity with the sleep
// option and the start command, in that order, and closes.
#pragma once

#include <cstdint>
#include <optional>

#include "controls/Fenetre_Chargeable.h"

class CWNumEdit;
class Communication;
class Dialogues;
class MaskEdBox;
class QComboBox;
class QKeyEvent;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Sortie_Etat;
struct Etat;
namespace Fonctions_Logger {
struct Fiche_Logger;
}

class Frm_UpLoad : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    // `etat_affiche` is the main window's status line.
    Frm_UpLoad(Etat& etat, Communication& lien, Dialogues& dialogues, Sortie_Etat& etat_affiche);

    void Form_Load();
    void Cmb_Units_Click();
    void Cmb_Units_Change();
    void Opt_Start_Mode_Now_Click();
    void Opt_Start_Mode_Shedule_Click();
    void Cmd_UpLoad_Click();

    QPushButton* Cmd_UpLoad;
    // Closes the window without sending anything, as Escape does.
    QPushButton* Cmd_Annuler;
    QGroupBox* Frame_Per_Enreg;
    CWNumEdit* CW_Per_Enreg;
    QGroupBox* Frame_Units;
    QGroupBox* Frame_Alarm_Low;
    CWNumEdit* CW_Alarm_Low;
    QGroupBox* Frame_Alarm_High;
    CWNumEdit* CW_Alarm_High;
    QComboBox* Cmb_Units;
    QGroupBox* Frm_Start_Mode;
    MaskEdBox* Msk_Start_Date;
    QRadioButton* Opt_Start_Mode_Shedule;
    QRadioButton* Opt_Start_Mode_Now;
    MaskEdBox* Msk_Start_Time;
    QGroupBox* Frm_Nb_Max_Enreg;
    QComboBox* Cmb_Nb_Max_Enreg;
    QGroupBox* Frame_Sleep;
    QRadioButton* Opt_Sleep_Off;
    QRadioButton* Opt_Sleep_On;
    QGroupBox* Frame_Id;
    QLineEdit* Txt_Saisi_ID;

  signals:
    // The shared Seuil_Haut and Seuil_Bas were given new values: every window that shows them
    // follows.
    void Seuils_Changes();

  protected:
    void keyPressEvent(QKeyEvent* evenement) override;

  private:
    // What "OK" sends, once every box has been read.
    struct Saisie {
        int16_t periode = 0;
        int32_t nb_enreg = 0;
        std::optional<double> depart;  // empty: the immediate start
    };

    void Construire();
    void Disposer();
    void Connecter();
    void Remplir(const Fonctions_Logger::Fiche_Logger& fiche);
    std::optional<Saisie> Lire_Saisie();
    std::optional<double> Lire_Depart();
    void Refuser(const QString& texte);

    Etat& etat_;
    Communication& lien_;
    Dialogues& dialogues_;
    Sortie_Etat& etat_affiche_;
    // Records the logger said it holds when the window read it: programming erases them.
    int mesures_logger_ = 0;
};
