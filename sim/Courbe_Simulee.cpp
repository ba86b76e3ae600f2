#include "Courbe_Simulee.h"

#include <cmath>

#include "core/Textes.h"

namespace {

constexpr int Mesures_Par_Cycle = 480;
constexpr double Temperature_Ambiante = 20.0;
constexpr double Temperature_Palier = 72.0;
constexpr double Pi = 3.14159265358979323846;

// 0 at ambient, 1 on the hold: a quarter rising, half holding, a quarter falling.
double Forme(int i) {
    const double phase = static_cast<double>(i % Mesures_Par_Cycle) / Mesures_Par_Cycle;
    if (phase < 0.25) return (1 - std::cos(Pi * phase / 0.25)) / 2;
    if (phase < 0.75) return 1;
    return (1 + std::cos(Pi * (phase - 0.75) / 0.25)) / 2;
}

int16_t Dixiemes(double valeur) {
    return static_cast<int16_t>(Arrondi_Pair(valeur * 10));
}

}  // namespace

namespace Courbe_Simulee {

std::vector<Mesure_Simulee> Generer(int nombre, bool humidite) {
    std::vector<Mesure_Simulee> mesures;
    if (nombre <= 0) return mesures;
    mesures.reserve(static_cast<std::size_t>(nombre));
    for (int i = 0; i < nombre; ++i) {
        const double forme = Forme(i);
        Mesure_Simulee m;
        // A small ripple, as a regulated oven shows on its hold.
        m.temperature =
            Dixiemes(Temperature_Ambiante + (Temperature_Palier - Temperature_Ambiante) * forme +
                     0.3 * std::sin(i * 0.7));
        if (humidite) m.humidite = Dixiemes(60.0 - 25.0 * forme + 3.0 * std::sin(i * 0.3));
        mesures.push_back(m);
    }
    return mesures;
}

}  // namespace Courbe_Simulee
