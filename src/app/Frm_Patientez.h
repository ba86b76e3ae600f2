// "Patientez SVP" while a file is read or the logger is questioned.
#pragma once

#include "controls/Fenetre_Chargeable.h"

class QLabel;

class Frm_Patientez : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    Frm_Patientez();

    void Form_Load();

    QLabel* Label1;
};
