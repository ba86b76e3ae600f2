// The study report ("Rapport d'étude PDF"): the pages a technician signs for a load of several
// loggers. Page 1 holds the rules with their limits, the overlay of every recording on one time
// axis (each in its Trait_Enregistrement colour, its identity in the legend), the table of the
// recordings (identity, first and last stamps, minimum, maximum, mean, the moment Tp was
// reached, the time it was held, the cooking value and the verdict; the coldest in bold and
// marked "(le plus froid)"), the equilibration time, every file's name and SHA-256, the study's
// verdict in framed capitals and the "Visa" box. Up to 8 recordings fit on that A4 page; beyond,
// the table and the file list go on over the following pages. Every page says "page N / M".
//
// The desktop's study window and `caldrix-cli study --report` both call Ecrire with what they
// hold: the concluded study, its set of rules, and the measures of each recording.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <vector>

#include "criteria/Criteres.h"
#include "files/Resultats_Fichiers.h"
#include "study/Etude.h"

struct Etat;

struct Contenu_Rapport_Etude {
    const Etude::Resultat* resultat = nullptr;    // Etude::Conclure's
    const Criteres::Jeu_Criteres* jeu = nullptr;  // the rules it was judged by
    // The recordings' measures, one per entry of resultat->enregistrements and in that order;
    // the report only reads them (one missing is drawn without curve nor figures).
    std::vector<const Etat*> etats;
    QString unite = QStringLiteral("°C");  // of the temperatures: "°C" or "°F"
    double edite_le = 0;                   // day count
};

namespace Rapport_Etude {

// The pages `enregistrements` recordings take.
int Nombre_Pages(std::size_t enregistrements);

// The bytes of the PDF file.
QByteArray Pages(const Contenu_Rapport_Etude& contenu);

// Writes the report whole or not at all (an existing file stays as it was on failure);
// `cause`, when given, receives why it failed.
Import_Export::Resultat_Ecriture Ecrire(const Contenu_Rapport_Etude& contenu, const QString& chemin,
                                        Import_Export::Cause_Ecriture* cause = nullptr);

}  // namespace Rapport_Etude
