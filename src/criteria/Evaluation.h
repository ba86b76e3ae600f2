// The verdict of the acceptance rules over one recording: each rule's value, limit and
// verdict, and what a study of several recordings compares (when the process temperature was
// reached, how long it was held, the cooking value).
//
// Over records 1..R (R as the curves count them) and the recording's period P:
//   seuil_haut, seuil_bas, hygro_haut, hygro_bas
//       value: the longest run of records out × P for consecutif, records out × P otherwise;
//       limit: the temperature (or humidity) limit
//   maintien    value: the longest run of records ≥ Tp × P; limit: the minimum hold
//   cuisson     value: the highest value the cooking window reports; limit: the minimum
//   mkt         value: the statistics' mean kinetic temperature; limit: the maximum
// A value exactly on its limit passes.
//
// "non vérifiable" where the recording cannot answer: no record at all, a period that is not
// positive for a duration, humidity rules or cooking on a model that does not record them
// (humidity: 7307 only; cooking: 7306 only, at least two records, and not a recording known to
// be in °F), an MKT that cannot be computed. It is never "conforme".
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "criteria/Criteres.h"

struct Etat;

namespace Criteres {

enum class Verdict { Conforme, Non_Conforme, Non_Verifiable };
// "conforme", "non conforme", "non vérifiable"
QString Texte_Verdict(Verdict verdict);
// The verdict of two things that must both pass: "non conforme" over "non vérifiable" over
// "conforme".
Verdict Ensemble(Verdict a, Verdict b);

enum class Regle {
    Seuil_Haut,
    Seuil_Bas,
    Hygro_Haut,
    Hygro_Bas,
    Maintien,
    Cuisson,
    Mkt,
    Equilibrage
};
// "seuil_haut" ... "equilibrage": the rule's word in the sets file and the JSON.
QString Nom_Regle(Regle regle);
// Whether the rule's value and limit are a temperature, a humidity or a cooking value (to be
// written as the single-precision numbers they are) or else whole seconds.
bool Limite_Mesuree(Regle regle);

struct Evaluation {
    Regle regle;
    std::optional<double> valeur;  // empty when the recording cannot give it
    double limite = 0;
    Verdict verdict = Verdict::Non_Verifiable;
};

struct Evaluation_Enregistrement {
    // Of all its rules; "conforme" when none is set. A recording shorter than its source
    // announced (a download cut off, a file cut short) is never better than "non vérifiable":
    // what is missing may be what fails.
    Verdict verdict = Verdict::Conforme;
    std::optional<QString> incomplet;   // "incomplet : 10 mesures sur 16 annoncées"
    std::optional<double> atteinte;     // stamp of the first record ≥ Tp
    std::optional<int64_t> maintien_s;  // with Tp: the longest run ≥ Tp × P
    std::optional<int> valeur_cuisson;  // with a cooking rule, on the models that have one
    std::vector<Evaluation> regles;     // those set, in the order of Regle
};

// Judges the recording held in `etat` against the rules of `jeu` (all but equilibrage, which
// belongs to a study). A cooking rule takes its coefficients from Parametres_Calcul, so the
// caller reads recettes.ini into etat.Recettes first for a recipe. The recording is left as it
// is.
Evaluation_Enregistrement Evaluer_Enregistrement(const Etat& etat, const Jeu_Criteres& jeu);

}  // namespace Criteres
