// The rules of `caldrix-cli study`, from criteres.ini and the command line.
#pragma once

#include "core/Ou_Erreur.h"
#include "criteria/Criteres.h"

class Arguments;
struct Etat;

// --criteria NAME: the named set of criteres.ini into `jeu`. Bad usage for a name that is
// unknown, the known names listed; Sortie_Fichier, the faults told, when the file cannot be
// read or the set has lines that could not be read. Sortie_Fait otherwise, and without
// --criteria.
Ou_Erreur<int> Lire_Jeu_Nomme(const Arguments& arguments, Criteres::Jeu_Criteres& jeu);

// The rule options over `jeu`: each replaces the set's rule as a whole (--high 85 alone is an
// instantaneous high limit, whatever the set said), and what goes with an option needs it
// (--hold with --process, --min-value with a calculation). Bad usage for a value out of range,
// rules that do not hold together, or no rule to check at all.
Reussite_Ou_Erreur Appliquer_Options(const Arguments& arguments, Criteres::Jeu_Criteres& jeu);

// Whether a report is asked to judge: --criteria, or a rule option other than --high, --low and
// the cooking choice, which a report also takes as the thresholds it draws and the calculation
// it shows.
bool Verdict_Demande(const Arguments& arguments);

// For a cooking rule: recettes.ini into `etat` for a recipe, and bad usage for coefficients no
// cooking could have, or temperatures given in °F.
Reussite_Ou_Erreur Preparer_Cuisson(const Arguments& arguments, const Criteres::Jeu_Criteres& jeu,
                                    Etat& etat);
