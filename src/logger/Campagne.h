// A logger's next campaign, and everything the logger accepts of one: the limits the commands
// clamp to, the sizes it knows, and the check that the programming window and caldrix-cli
// program both make before anything is sent.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

struct Campagne {
    QString Identite;
    bool Sans_Veille = false;
    int16_t Periode = 900;
    QString Unite;                 // caption: "°C", "°F & alarme %Hr"...
    std::optional<double> Depart;  // empty: the recording starts at once
    int32_t Nb_Enreg = 1000;
};

namespace Limites_Campagne {

constexpr int Periode_Min = 1;
constexpr int Periode_Max = 7200;
// What the start command sends for a period the logger cannot take.
constexpr int Periode_Defaut = 900;
// Thresholds the alarm command sends; beyond them it clamps (low to −49, high to 194).
constexpr float Seuil_Min = -49;
constexpr float Seuil_Max = 194;
// The low threshold stays at least this far under the high one.
constexpr double Ecart_Seuils = 0.1;
// The numbers of records after which a logger can stop, in the order of its size codes 0 to 5.
constexpr std::array<int32_t, 6> Tailles = {1000, 2000, 4000, 8000, 12000, 16000};

// The period the start command sends for `periode`.
int Periode_Envoyee(int periode);
// The size code the start command sends: the code of `nb_enreg`, 5 for any other number.
int Code_Taille(int32_t nb_enreg);
bool Taille_Connue(int32_t nb_enreg);
bool Seuil_Dans_Limites(float seuil);

}  // namespace Limites_Campagne

// What is wrong with a campaign before it goes to the logger, field by field.
struct Refus_Campagne {
    enum class Champ { Identite, Periode, Taille, Seuils } champ;
    QString texte;  // French, without the field's name: "de 1 à 7200 s"
};
std::optional<Refus_Campagne> Verifier_Campagne(const Campagne& campagne, float seuil_haut,
                                                float seuil_bas);
