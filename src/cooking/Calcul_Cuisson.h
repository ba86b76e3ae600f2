// The cooking value of a model 7306 recording: the minutes at the reference temperature that
// have the same effect as the recorded heating, summed measure by measure as
// elapsed minutes × 10^((T − Temp_Ref) / Valeur_Z). The sum restarts from 0 whenever the
// temperature falls below the starting temperature and stops growing once it has reached
// 5000 minutes.
#pragma once

#include <cstdint>
#include <optional>

struct Etat;

// The highest running value of the last computation and when it was reached. The cooking
// window owns it and reports it; it outlives the window until the next computation.
struct Maximum_Cuisson {
    int16_t Valeur_Max = 0;      // minutes, rounded; at most 32767
    double Date_Valeur_Max = 0;  // time stamp of the measure where it was reached
};

// Writes the running value, rounded to whole minutes, into Mesures(i).Humidite for
// i = 2 to Nb_Mesures (the field is free on model 7306) and keeps its maximum in `maximum`.
// A measure is a new maximum when the running value is above the stored whole number; a value
// above 32767 stores 32767 with the time stamp of the measure that first passed it, and no
// later measure moves that stamp. Date_Valeur_Max is 0 while no measure is a new maximum (a
// value that stays 0 has no date). Returns the final running value rounded to whole minutes.
//
// Recordings of any model other than 7306 are left untouched: the result and Valeur_Max are 0.
// Returns nothing and changes nothing (neither Mesures nor `maximum`) when the parameters
// cannot give a value: a Z value of 0, a parameter that is not a finite number, or a recording
// on which the running value would become infinite or undefined.
std::optional<float> Calcul_Valeur_Cuisson(Etat& etat, Maximum_Cuisson& maximum, float Temp_Ref,
                                           float Valeur_Z, float Temp_Dep);

// The same computation's maximum, the recording left as it is (its Humidite too): what the
// cooking window would report for it. A recording of another model gives a value of 0.
std::optional<Maximum_Cuisson> Maximum_Valeur_Cuisson(const Etat& etat, float Temp_Ref,
                                                      float Valeur_Z, float Temp_Dep);
