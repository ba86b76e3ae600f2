// A study: several recordings of one cycle (the loggers of one load in an oven, an autoclave,
// a cold room), each judged against the same rules, and what only the whole load can say:
// how long the load took to come up to the process temperature, and which logger was the
// coldest.
//
//   equilibrage   the latest moment a logger reached Tp minus the earliest; "non conforme"
//                 above the limit or when a logger never reached Tp, "non vérifiable" for a
//                 study of one recording (there is nothing to compare)
//   le plus froid the recording with the lowest cooking value when a cooking calculation is
//                 chosen, else the one that held Tp the shortest when Tp is given; the first
//                 listed on a tie; none when no recording has the figure
//
// A study is "conforme" when every recording and its own rule are.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "criteria/Evaluation.h"

struct Etat;

namespace Etude {

struct Enregistrement {
    QString fichier;    // as the user named it
    QString identite;   // Identite_Logger
    QString empreinte;  // SHA-256 of the file's bytes
    Criteres::Evaluation_Enregistrement evaluation;
};

// Judges the recording `etat` holds, read from `fichier` whose bytes are `octets`
// (Criteres::Evaluer_Enregistrement says what it needs), leaving it as it is.
Enregistrement Etudier(const Etat& etat, const QString& fichier, const QByteArray& octets,
                       const Criteres::Jeu_Criteres& jeu);

struct Resultat {
    Criteres::Verdict verdict = Criteres::Verdict::Conforme;
    std::vector<Enregistrement> enregistrements;  // in the order given
    std::optional<int64_t> equilibrage_s;
    std::optional<Criteres::Evaluation> equilibrage;  // the rule, when set
    std::optional<std::size_t> plus_froid;            // index into enregistrements
};

Resultat Conclure(std::vector<Enregistrement> enregistrements, const Criteres::Jeu_Criteres& jeu);

}  // namespace Etude
