// Records strictly beyond one limit, counted in one pass: how many, in how many runs, and the
// longest run. The statistics count the excursions beyond their thresholds with it, and the
// acceptance rules their bands and hold times, so a figure and the verdict drawn from it never
// disagree.
#pragma once

#include "stats/Statistiques.h"

namespace Statistiques {

class Cumul_Seuil {
  public:
    void Ajouter(bool dehors, double date) {
        if (!dehors) {
            en_cours_ = 0;
            return;
        }
        if (en_cours_ == 0) {
            ++depassements_;
            debut_en_cours_ = date;
        }
        ++mesures_;
        ++en_cours_;
        // Strictly longer: on a tie the earlier run stays.
        if (en_cours_ > plus_long_) {
            plus_long_ = en_cours_;
            debut_plus_long_ = debut_en_cours_;
        }
    }

    // Durations are the records × `periode`, unknown (empty) when it is not positive.
    Hors_Seuil Resultat(int periode) const {
        Hors_Seuil h;
        h.mesures = mesures_;
        h.depassements = depassements_;
        if (periode > 0) {
            h.duree_s = int64_t{mesures_} * periode;
            h.plus_long_s = int64_t{plus_long_} * periode;
        }
        if (plus_long_ > 0) h.plus_long_debut = debut_plus_long_;
        return h;
    }

  private:
    int mesures_ = 0, depassements_ = 0, en_cours_ = 0, plus_long_ = 0;
    double debut_en_cours_ = 0, debut_plus_long_ = 0;
};

}  // namespace Statistiques
