#include "archive/Figures_Archive.h"

#include "archive/Fiche_Archive.h"
#include "core/Etat.h"
#include "stats/Statistiques.h"

void Remplir_Figures(const Etat& etat, Fiche_Archive& fiche) {
    // The statistics of the whole recording, as the statistics window and the report compute
    // them; the thresholds do not enter the four figures kept.
    const Statistiques::Resultat r = Statistiques::Calcul_Statistiques(etat, {});
    fiche.Minimum.reset();
    fiche.Maximum.reset();
    fiche.Moyenne.reset();
    fiche.Mkt = r.mkt;
    if (r.temperature) {
        fiche.Minimum = r.temperature->min;
        fiche.Maximum = r.temperature->max;
        fiche.Moyenne = r.temperature->moyenne;
    }
}
