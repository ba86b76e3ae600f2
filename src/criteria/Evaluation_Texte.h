// One rule's verdict as a line of French text, as caldrix-cli prints it and the windows show it:
// "Seuil haut : 2 min hors limite (limite 90 °C, consecutif 5 min) : non conforme".
#pragma once

#include <QString>

#include "criteria/Evaluation.h"

namespace Criteres {

// `unite`: the temperatures' unit, "°C" or "°F".
QString Ligne_Regle(const Evaluation& e, const Jeu_Criteres& jeu, const QString& unite);
// The rule and its limit alone, as a report lists the rules it judged by:
// "Seuil haut : limite 90 °C, consecutif 5 min".
QString Ligne_Limite(const Evaluation& e, const Jeu_Criteres& jeu, const QString& unite);
// "Critères « Four 2 – cuisson jambon »", or "Critères" for rules given for this time only.
QString Titre_Jeu(const Jeu_Criteres& jeu);

}  // namespace Criteres
