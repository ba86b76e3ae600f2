// The main window's side of the tools window: its menu entry and the cursor readout.
#include "app/Barre_Etat.h"
#include "app/Frm_Principal.h"
#include "stats/gui/Frm_Statistiques.h"
#include "tools/Affiche_Valeur_Curseur.h"
#include "tools/Frm_Outils.h"

void Frm_Principal::Mnu_Tools_Click() {
    // Loaded once: choosing the entry again only brings the open window back.
    Frm_Outils& outils = Fenetre_Outils.Charger(etat_, *CWGraph_Enreg, *StatusBar, dialogues_);
    connect(&outils, &Frm_Outils::Seuils_Changes, this, &Frm_Principal::Seuils_Changes,
            Qt::UniqueConnection);
    outils.show();
    outils.raise();
}

void Frm_Principal::Seuils_Changes() {
    if (Frm_Outils* outils = Fenetre_Outils.Chargee()) outils->Affiche_Seuils();
    if (Frm_Statistiques* statistiques = Fenetre_Statistiques.Chargee()) {
        statistiques->Rafraichir();
    }
}

// The graph reports a press, and every move with the left button held, in cursor mode: the
// user clicks a moment and the cursors jump there, or drags them along the curves; releasing
// the button leaves them, and the readout, where the user put them.
void Frm_Principal::CWGraph_Enreg_Pointeur_Zone_Trace(int /*bouton*/, int /*shift*/, double x,
                                                      double /*y*/) {
    Global::Affiche_Valeur_Curseur(etat_, *CWGraph_Enreg, *StatusBar, x);
}
