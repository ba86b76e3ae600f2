// The about window: the program, its version and its maker. It is also the start-up screen
// while the main window loads.
#pragma once

#include <array>

#include "controls/Fenetre_Chargeable.h"

class QFrame;
class QLabel;
class QPushButton;

class Frm_Velor : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    Frm_Velor();

    void Form_Load();
    void Cmd_Ok_Click();

    QPushButton* Cmd_Ok;
    QFrame* Picture1;
    QLabel* Lbl_Nom_Logiciel;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Image1;
};
