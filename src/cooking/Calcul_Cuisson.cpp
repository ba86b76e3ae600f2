#include "cooking/Calcul_Cuisson.h"

#include <algorithm>
#include <cmath>

#include "core/Etat.h"

namespace {

constexpr float Plafond = 5000;  // minutes: the sum stops growing here
constexpr int16_t Valeur_Max_Limite = INT16_MAX;

struct Parametres {
    float Temp_Ref;
    float Valeur_Z;
    float Temp_Dep;
};

// The running value after measure `courante`. Each interval is valued at the temperature of
// its later measure, in single precision at the same points as the program always rounded:
// the exponent, the rate, the minutes and their product.
inline float Pas(float f, const Mesure& precedente, const Mesure& courante, const Parametres& p) {
    const float t = courante.Temperature;
    if (t < p.Temp_Dep) return 0;
    if (!(f < Plafond)) return f;
    const double jours = courante.Date_Heure - precedente.Date_Heure;
    const auto exposant = static_cast<float>((static_cast<double>(t) - p.Temp_Ref) / p.Valeur_Z);
    const auto taux = static_cast<float>(std::pow(10.0, static_cast<double>(exposant)));
    const auto minutes = static_cast<float>(jours * 1440.0);
    return f + minutes * taux;
}

// Runs the computation without writing anything: false as soon as the running value is no
// longer a finite number, so a refused computation leaves the recording as it was.
bool Calculable(const Mesure* mesures, int nb, const Parametres& p) {
    float f = 0;
    for (int i = 1; i < nb; ++i) {
        f = Pas(f, mesures[i - 1], mesures[i], p);
        if (!std::isfinite(f)) return false;
    }
    return true;
}

// The parameters that can give a value: a Z value that is not 0 and finite numbers.
bool Parametres_Valables(const Parametres& p) {
    return p.Valeur_Z != 0 && std::isfinite(p.Valeur_Z) && std::isfinite(p.Temp_Ref) &&
           std::isfinite(p.Temp_Dep);
}

// The computation itself: `noter(i, v)` receives the running value of each measure i from 1
// (index from 0), rounded to whole minutes; the maximum goes into `maximum`.
template <typename Noter>
float Parcours(const Mesure* mesures, int nb, const Parametres& p, Maximum_Cuisson& maximum,
               Noter noter) {
    maximum.Valeur_Max = 0;
    maximum.Date_Valeur_Max = 0;  // an earlier computation's date never stands for this one
    float f = 0;
    for (int i = 1; i < nb; ++i) {
        f = Pas(f, mesures[i - 1], mesures[i], p);
        noter(i, std::nearbyint(f));
        if (f > maximum.Valeur_Max && maximum.Valeur_Max < Valeur_Max_Limite) {
            const float arrondi = std::nearbyint(f);
            maximum.Valeur_Max =
                arrondi >= Valeur_Max_Limite ? Valeur_Max_Limite : static_cast<int16_t>(arrondi);
            maximum.Date_Valeur_Max = mesures[i].Date_Heure;
        }
    }
    return std::nearbyint(f);
}

}  // namespace

std::optional<Maximum_Cuisson> Maximum_Valeur_Cuisson(const Etat& etat, float Temp_Ref,
                                                      float Valeur_Z, float Temp_Dep) {
    if (!Est_Modele_7306(etat.Version_Logger)) return Maximum_Cuisson{};
    const Parametres p{Temp_Ref, Valeur_Z, Temp_Dep};
    if (!Parametres_Valables(p)) return std::nullopt;
    const Mesure* mesures = etat.Mesures.begin();
    const int nb = std::min<int>(etat.Nb_Mesures, Nb_Mesures_Max);
    if (!Calculable(mesures, nb, p)) return std::nullopt;
    Maximum_Cuisson maximum;
    Parcours(mesures, nb, p, maximum, [](int, float) {});
    return maximum;
}

std::optional<float> Calcul_Valeur_Cuisson(Etat& etat, Maximum_Cuisson& maximum, float Temp_Ref,
                                           float Valeur_Z, float Temp_Dep) {
    if (!Est_Modele_7306(etat.Version_Logger)) {
        maximum.Valeur_Max = 0;
        return 0.0f;
    }
    const Parametres p{Temp_Ref, Valeur_Z, Temp_Dep};
    if (!Parametres_Valables(p)) return std::nullopt;
    Mesure* mesures = etat.Mesures.begin();
    const int nb = std::min<int>(etat.Nb_Mesures, Nb_Mesures_Max);
    if (!Calculable(mesures, nb, p)) return std::nullopt;
    return Parcours(mesures, nb, p, maximum,
                    [mesures](int i, float valeur) { mesures[i].Humidite = valeur; });
}
