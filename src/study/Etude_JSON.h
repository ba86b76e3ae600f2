// A study as one JSON object, for scripts. Keys, exactly these and in this order:
//
//   verdict, enregistrements [ { fichier, identite, sha256, verdict, atteinte, maintien_s,
//                                valeur_cuisson, regles [ { regle, valeur, limite, verdict } ] } ],
//   equilibrage_s, plus_froid
//
// Verdicts are "conforme", "non conforme" or "non vérifiable"; atteinte is an ISO 8601 local
// time text; regles follow the order seuil_haut, seuil_bas, hygro_haut, hygro_bas, maintien,
// cuisson, mkt (the study's own rule counts in its verdict only); plus_froid is an identity.
// What is unknown or not asked for is null. Durations are whole seconds, cooking values whole
// minutes; limits and temperatures are the single-precision numbers given.
#pragma once

#include <QByteArray>

#include "study/Etude.h"

namespace Etude {

// UTF-8, indented by two spaces, without a line break after the closing brace.
QByteArray Contenu_JSON(const Resultat& resultat);

}  // namespace Etude
