// The recordings of a study being made, each held whole in a record of its own so that its curve
// can be drawn next to the others, and the study concluded from them.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "core/Ou_Erreur.h"
#include "study/Etude.h"

struct Etat;

namespace Etude {

struct Piece_Chargee {
    QString fichier;    // as the user named it, or as the archive knows it
    QString empreinte;  // SHA-256 of the bytes read
    std::unique_ptr<Etat> etat;
    // A reopened study's recording whose bytes are no longer those the study was made on.
    bool modifiee = false;
};

// Recordings file bytes read into a record of their own. `unite`: the recording's unit when
// known elsewhere (the archive keeps it), else empty. A file that is not a whole recordings file
// is refused with the program's message naming it ("Fichier incorrect! (…)"): a study is not
// judged on what a faulty file happened to hold before its fault.
Ou_Erreur<Piece_Chargee> Charger_Piece(const QString& fichier, const QByteArray& octets,
                                       const QString& unite = QString());

// Adds the recording to the study, unless the same bytes are already in it, or its temperatures
// are in another unit than the study's (a French reason naming the files or the units).
Reussite_Ou_Erreur Ajouter_Piece(std::vector<Piece_Chargee>& pieces, Piece_Chargee piece);

// Judges every recording against `jeu` and concludes the study. A cooking rule on a recipe
// takes its coefficients from recettes.ini, read now.
Resultat Conclure_Pieces(std::vector<Piece_Chargee>& pieces, const Criteres::Jeu_Criteres& jeu);

}  // namespace Etude
