// A clock for tests: a fixed "now" that moves only when the link waits, so protocol timings
// are checked to the millisecond at no real cost.
#pragma once

#include <vector>

#include "core/Horloge.h"

class Horloge_Virtuelle : public Horloge {
  public:
    explicit Horloge_Virtuelle(double maintenant) : depart_(maintenant) {}
    void Traiter_Evenements() override { ++evenements_traites; }
    void Attendre(int millisecondes) override {
        attentes.push_back(millisecondes);
        ecoule_ms += millisecondes;
    }
    double Maintenant() const override { return depart_ + ecoule_ms / 86400000.0; }

    long long ecoule_ms = 0;
    std::vector<int> attentes;
    int evenements_traites = 0;

  private:
    double depart_;
};
