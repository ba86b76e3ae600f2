// Statistics of a recording, over records 1..R of Etat::Mesures (R as Nb_Enregistrements
// counts them) or over those of a time range: extent and gaps, minimum, maximum, mean and
// standard deviation of the temperature (and of the humidity on model 7307), the mean kinetic
// temperature, and the time spent beyond two thresholds. A field left empty was not measured:
// an empty set of records has none, and no statistic is ever NaN.
#pragma once

#include "core/Plage_Dates.h"

#include <QString>
#include <cstdint>
#include <optional>

struct Etat;

namespace Statistiques {

// kJ/mol; with R = 8.3144 J/(mol·K) it gives ΔH/R = 10 000 K.
constexpr double Delta_H_Defaut = 83.144;

// The range the figures are worked out on (core/Plage_Dates.h).
using Plage = Plage_Dates;

struct Parametres {
    float seuil_haut = 10;
    float seuil_bas = 0;
    std::optional<Plage> plage;       // the whole recording when empty
    double delta_h = Delta_H_Defaut;  // for the mean kinetic temperature, kJ/mol
};

// One measured quantity. Each extreme is dated by the first record that holds it.
struct Serie {
    float min = 0;
    double min_date = 0;
    float max = 0;
    double max_date = 0;
    double moyenne = 0;
    double ecart_type = 0;  // sample (n − 1) standard deviation; 0 below two records
};

// The records strictly beyond one threshold. A run is a maximal sequence of consecutive
// records beyond it; a gap in the stamps does not end a run.
struct Hors_Seuil {
    int mesures = 0;
    int depassements = 0;                   // number of runs
    std::optional<int64_t> duree_s;         // mesures × period
    std::optional<int64_t> plus_long_s;     // the longest run × period
    std::optional<double> plus_long_debut;  // its first record; the earliest run on a tie
};

struct Resultat {
    Parametres parametres;          // as asked
    QString unite;                  // of the temperatures: "°C", or "°F" when recorded so
    bool humidite_mesuree = false;  // model 7307
    int mesures = 0;
    int periode_s = 0;            // Periode_Enreg
    int trous = 0;                // consecutive stamps more than 1.5 periods apart
    std::optional<double> debut;  // stamp of the first record counted
    std::optional<double> fin;    // and of the last
    // fin − debut + one period, to the nearest second: each record stands for the period that
    // ends at its stamp (fin − debut when the period is unknown).
    std::optional<int64_t> duree_s;
    std::optional<Serie> temperature;
    std::optional<double> mkt;             // mean kinetic temperature, in `unite`
    std::optional<Hors_Seuil> au_dessus;   // temperature above seuil_haut
    std::optional<Hors_Seuil> en_dessous;  // temperature below seuil_bas
    std::optional<Serie> humidite;         // model 7307 only
};

// One pass over the records, without allocating.
//
// The temperatures are in the recording's unit (etat.Unite: °F when it says so, °C otherwise,
// an unknown unit included). The mean kinetic temperature works in kelvins:
//   MKT = (ΔH/R) / (−ln((1/n) Σ exp(−(ΔH/R) / Tᵢ[K]))), given back in the recording's unit,
// and is left empty when a temperature is at or below absolute zero or ΔH is not a positive
// number. It always lies between the minimum and the maximum, and equals the value of a
// constant recording.
//
// The period is the recording's: with a period that is not positive there are no gaps and
// the durations beyond the thresholds are unknown (empty) while their counts stay.
Resultat Calcul_Statistiques(const Etat& etat, const Parametres& parametres);

}  // namespace Statistiques
