#include "archive/Figures_Archive.h"

#include "archive/Fiche_Archive.h"

void Remplir_Figures(const Etat& /*etat*/, Fiche_Archive& fiche) {
    // Left empty until the statistics module computes them: an archived recording without its
    // figures is better than figures computed twice, two different ways.
    fiche.Minimum.reset();
    fiche.Maximum.reset();
    fiche.Moyenne.reset();
    fiche.Mkt.reset();
}
