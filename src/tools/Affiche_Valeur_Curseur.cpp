#include "tools/Affiche_Valeur_Curseur.h"

#include "core/Etat.h"
#include "core/Sorties.h"
#include "core/Textes.h"
#include "curves/CWGraph.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "tools/Textes_Outils.h"

namespace Global {

bool Seconde_Courbe_Affichee(const CWGraph& graphe) {
    const Trace_Graphe& seconde = graphe.Plots(Numeros_Graphe::Voie_Hygro);
    return seconde.Visible() && seconde.Nb_Points() > 0;
}

void Affiche_Valeur_Curseur(const Etat& etat, CWGraph& graphe, Sortie_Etat& barre_etat, double X) {
    Curseur_Graphe& curseur_temp = graphe.Cursors(Numeros_Graphe::Cursor_Temp);
    Curseur_Graphe& curseur_hygro = graphe.Cursors(Numeros_Graphe::Cursor_Hygro);
    // Both cursors always stand at the same time.
    curseur_temp.Definir_X(X);
    curseur_hygro.Definir_X(X);

    // The time is always written, midnight included: a reading is a moment, not a day.
    QString texte = Texte_Date_Heure(curseur_temp.X()) + QStringLiteral("  ") +
                    Textes_Outils::Texte_Dixieme(curseur_temp.Y()) + Unite_Temperature(etat.Unite);
    if (Seconde_Courbe_Affichee(graphe)) {
        const QString unite = Est_Modele_7307(etat.Version_Logger) ? QStringLiteral("%Hr")
                                                                   : QStringLiteral("minutes");
        texte += QStringLiteral("  ") + Textes_Outils::Texte_Dixieme(curseur_hygro.Y()) + unite;
    }
    // One write: the line never shows a half readout, and it is repainted once.
    barre_etat.Afficher_Etat(texte);
}

}  // namespace Global
