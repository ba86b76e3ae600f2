// Acceptance rules: what a recording must show for a technician to sign it, as a named set of
// rules. A rule that is not set is not checked. Temperatures are in the recordings' unit,
// durations in seconds, humidities in %Hr, cooking values in minutes.
//
//   seuil_haut, seuil_bas   a record is out when its temperature is strictly above (below) the
//                           limit; mode instantane: no record out; cumule: records out ×
//                           period within the allowed duration; consecutif: the longest run
//                           of records out × period within it
//   hygro_haut, hygro_bas   the same on the humidity of model 7307
//   maintien                process temperature Tp, and the minimum time held at or above it
//                           (the longest run of records ≥ Tp × period)
//   cuisson                 pasteurisation, sterilisation or recipe K, and the minimum value
//   mkt                     the highest mean kinetic temperature allowed
//   equilibrage             the longest time allowed between the first and the last logger of
//                           a study reaching Tp
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace Criteres {

enum class Mode_Seuil { Instantane, Cumule, Consecutif };
// "instantane", "cumule", "consecutif": the words of the sets file and of caldrix-cli, which
// also reads them with their accents and in capitals.
QString Nom_Mode(Mode_Seuil mode);
std::optional<Mode_Seuil> Mode_Depuis_Nom(const QString& nom);

struct Regle_Seuil {
    float limite = 0;
    Mode_Seuil mode = Mode_Seuil::Instantane;
    int64_t duree_s = 0;  // allowed duration out; 0 and unused for instantane
};

struct Regle_Maintien {
    float temperature = 0;               // Tp
    std::optional<int64_t> duree_min_s;  // without it, Tp is only reached and held, not judged
};

struct Regle_Cuisson {
    int numero = 100;              // 100 pasteurisation, 101 sterilisation, 1..99 a recipe
    std::optional<float> minimum;  // without it, the value is only computed, not judged
};

struct Jeu_Criteres {
    QString nom;
    std::optional<Regle_Seuil> seuil_haut, seuil_bas, hygro_haut, hygro_bas;
    std::optional<Regle_Maintien> maintien;
    std::optional<Regle_Cuisson> cuisson;
    std::optional<float> mkt_max;
    std::optional<int64_t> equilibrage_max_s;

    bool operator==(const Jeu_Criteres& autre) const;
};

namespace Limites {
// What a logger measures and holds as a threshold.
constexpr float Temperature_Min = -49;
constexpr float Temperature_Max = 194;
constexpr float Humidite_Min = 0;
constexpr float Humidite_Max = 100;
// The longest recording there is: 16000 records of 7200 s.
constexpr int64_t Duree_Max_s = int64_t{16000} * 7200;
// The highest cooking value the program reports.
constexpr float Cuisson_Max = 32767;
}  // namespace Limites

// Why one rule is not one a technician could set (a limit out of range, a duration given to
// an instantaneous rule or missing from another), in French; empty when it is fine.
QString Refus_Seuil(const Regle_Seuil& regle, bool humidite);
QString Refus_Maintien(const Regle_Maintien& regle);
QString Refus_Cuisson(const Regle_Cuisson& regle);
QString Refus_Mkt(float maximum);
QString Refus_Duree(int64_t duree_s);
// Whether the set judges anything: a process temperature without a minimum hold, or a cooking
// calculation without a minimum, only gives figures. A set that judges nothing must not pass
// for "conforme".
bool Juge_Une_Regle(const Jeu_Criteres& jeu);

// Why the rules of a set do not hold together (a high limit below the low one, an equilibrium
// without a process temperature); empty when they do.
QString Refus_Ensemble(const Jeu_Criteres& jeu);

}  // namespace Criteres
