// The one-page report of a recording, to sign and file at an inspection: what logger, when, the
// curves with the two thresholds, the figures, the cooking value when there is one, and a box
// for the visa. An A4 page of vectors and texts (a PDF a reader can search and copy from),
// made the same way by the desktop program and by caldrix-cli. With a named set of acceptance
// rules, each rule's value, limit and verdict, and the recording's verdict in framed capitals.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "criteria/Evaluation.h"
#include "files/Resultats_Fichiers.h"
#include "stats/Statistiques.h"

struct Etat;

// A set of rules and what it found on the whole recording (Criteres::Evaluer_Enregistrement).
struct Criteres_Rapport {
    Criteres::Jeu_Criteres jeu;
    Criteres::Evaluation_Enregistrement evaluation;
};

struct Contenu_Rapport {
    const Etat* etat = nullptr;  // the recording; its thresholds are the ones drawn
    Statistiques::Parametres parametres;
    // The time range drawn, the view of the graph; empty: the whole recording.
    std::optional<Statistiques::Plage> vue;
    QString fichier;  // the recordings file it comes from; empty when none
    QString sha256;   // of that file's bytes, lowercase hexadecimal; empty when unknown
    // Said instead of the SHA-256 when the recording held no longer matches its file.
    QString remarque_fichier;
    std::optional<QString> cuisson;  // the cooking result line
    double edite_le = 0;
    std::optional<Criteres_Rapport> criteres;  // no verdict without it
};

namespace Rapport {

// The bytes of the PDF file.
QByteArray Pages(const Contenu_Rapport& contenu);

// Writes the report whole or not at all (an existing file stays as it was on failure);
// `cause`, when given, receives why it failed.
Import_Export::Resultat_Ecriture Ecrire(const Contenu_Rapport& contenu, const QString& chemin,
                                        Import_Export::Cause_Ecriture* cause = nullptr);

}  // namespace Rapport
