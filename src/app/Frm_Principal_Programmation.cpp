// "Programmation": the wait window stands while the programming window reads the logger.
#include "app/Barre_Etat.h"
#include "app/Frm_Patientez.h"
#include "app/Frm_Principal.h"
#include "logger/gui/Frm_UpLoad.h"

void Frm_Principal::Mnu_Programmation_Click() {
    Fenetre_Patientez.Charger().show();
    Frm_UpLoad& fenetre = Fenetre_UpLoad.Charger(etat_, lien_, dialogues_, *StatusBar);
    connect(&fenetre, &Frm_UpLoad::Seuils_Changes, this, &Frm_Principal::Seuils_Changes,
            Qt::UniqueConnection);
    fenetre.show();
    fenetre.raise();
    Fenetre_Patientez.Decharger();
}
