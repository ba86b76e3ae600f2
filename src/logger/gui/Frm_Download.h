// "Téléchargement": the progress of a download, which moves while the program is busy with the
// logger.
#pragma once

#include "controls/Fenetre_Chargeable.h"
#include "core/Sorties.h"

class QLabel;
class QProgressBar;

class Frm_Download : public Fenetre_Chargeable, public Sortie_Progression {
    Q_OBJECT
  public:
    Frm_Download();

    // Loading makes the window visible and paints it at once.
    void Form_Load();
    // The percentage, at most 100, on the bar and the label, repainted at once.
    void Progess_Bar_Value(int32_t Value) override;
    void Affiche_Progress_Bar(bool Visible);

    QProgressBar* ProgressBar;
    QLabel* Lbl_Taux_Telechargement;
};
