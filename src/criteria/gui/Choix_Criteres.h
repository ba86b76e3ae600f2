// What the windows that judge a recording show of the acceptance rules: the choice of a named set,
// and the verdict.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "criteria/Criteres.h"
#include "criteria/Evaluation.h"

class QComboBox;
class QLabel;

namespace Choix_Criteres {

// Fills the list with "(aucun)", then the sets of criteres.ini a window may judge with; gives
// those sets, in the list's order after "(aucun)".
std::vector<Criteres::Jeu_Criteres> Remplir(QComboBox& liste);

// The verdict large, framed and in capitals, so that a black and white photocopy reads it as
// well as the screen's colour; empty for a set that judges nothing ("AUCUNE RÈGLE À VÉRIFIER":
// figures alone must not pass for "conforme"). Gives the text shown.
QString Afficher_Verdict(QLabel& etiquette, std::optional<Criteres::Verdict> verdict);

}  // namespace Choix_Criteres
