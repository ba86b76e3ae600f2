// The statistics as one JSON object, for scripts and other programs. Keys in this order:
//
//   mesures, debut, fin, duree_s, periode_s, trous,
//   temperature { min, min_date, max, max_date, moyenne, ecart_type, mkt, seuil_haut,
//                 seuil_bas, au_dessus, en_dessous },
//   humidite { min, min_date, max, max_date, moyenne, ecart_type }   (model 7307 only)
//
// with au_dessus and en_dessous { mesures, duree_s, depassements, plus_long_s,
// plus_long_debut }. Stamps are ISO 8601 local time texts ("2026-12-05T14:30:00"), numbers are
// JSON numbers in their shortest text that reads back to the same value (the same single for
// the recorded values and the thresholds, the same double for the computed ones); what is
// unknown is null (a longest run that does not exist, durations with a period that is not
// positive, an MKT that cannot be computed). An empty set of records only has mesures,
// periode_s, trous and the thresholds.
#pragma once

#include <QByteArray>

#include "stats/Statistiques.h"

namespace Statistiques {

// UTF-8 (ASCII in fact), indented by two spaces, without a line break after the closing brace.
QByteArray Contenu_JSON(const Resultat& resultat);

}  // namespace Statistiques
