// "Tableau" and the two print entries, "Graphique" and "Numérique".
#include "app/Frm_Principal.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "printing/Impression.h"
#include "printing/Imprimante.h"
#include "table/Frm_Num_Data.h"

void Frm_Principal::Mnu_Num_Data_Click() {
    // Open already: shown as it was built, not built again.
    Frm_Num_Data& fenetre = Fenetre_Num_Data.Charger(etat_, *CWGraph_Enreg);
    fenetre.show();
    fenetre.raise();
}

void Frm_Principal::Mnu_Graph_Click() {
    Impression::Impression_Graphique(*this, *CWGraph_Enreg, etat_.Nom_Fichier,
                                     horloge_.Maintenant(), *imprimante_, dialogues_);
}

// The table printed is the one the table window holds; the window goes afterwards, even when
// the user had it open before.
void Frm_Principal::Mnu_Num_Click() {
    Frm_Num_Data& fenetre = Fenetre_Num_Data.Charger(etat_, *CWGraph_Enreg);
    fenetre.show();
    Impression::Impression_Tableau(fenetre.Lignes(), horloge_.Maintenant(), *imprimante_,
                                   dialogues_);
    Fenetre_Num_Data.Decharger();
}

void Frm_Principal::Definir_Imprimante(std::unique_ptr<Imprimante> imprimante) {
    imprimante_ = std::move(imprimante);
}
