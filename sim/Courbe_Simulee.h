// Recordings made up for the simulated logger: a pasteurisation run that repeats (warm-up,
// hold, cool-down) and, for model 7307, a humidity that falls as the temperature rises.
#pragma once

#include <vector>

#include "Memoire_Logger.h"

namespace Courbe_Simulee {

// `nombre` measures, the same for the same count: tests and demonstrations can rely on them.
std::vector<Mesure_Simulee> Generer(int nombre, bool humidite);

}  // namespace Courbe_Simulee
