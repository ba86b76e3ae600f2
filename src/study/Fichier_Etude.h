// A study as it is kept, in a file of its own (".etude") or in the archive: which recordings
// (the file as the user named it, and the SHA-256 of its bytes when the study was made), the
// set of rules with its limits as they were, the verdict, and who made it, where and when.
// The recordings themselves are not copied: reopening reads each file again and says which one
// is missing or no longer holds the same bytes.
//
// The file is Windows-1252 with CR LF ends, like the program's other files:
//
//   ; Étude Caldrix
//   verdict = non conforme
//   auteur = marie
//   poste = LABO-2
//   date = 08/12/2026 14:05:00
//   fichier = <64 hex digits> C:\Caldrix\Sauvegardes\four 2 sonde 1.txt
//   fichier = ...
//   [Four 2 – cuisson jambon]
//   maintien = 72 600
//   ...
//
// The set's section is written and read as in criteres.ini (Jeux_Criteres.h).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/Ou_Erreur.h"
#include "criteria/Criteres.h"
#include "criteria/Evaluation.h"

namespace Etude {

struct Resultat;

struct Piece {
    QString fichier;    // as the user named it
    QString empreinte;  // SHA-256 of its bytes, 64 lowercase hex digits
};

struct Etude_Gardee {
    Criteres::Jeu_Criteres jeu;  // its name and limits when the study was made
    std::vector<Piece> pieces;   // in the study's order
    Criteres::Verdict verdict = Criteres::Verdict::Non_Verifiable;
    QString auteur;   // the session's user name
    QString poste;    // the workstation's name
    double date = 0;  // when it was made (day count)
};

// What is kept of a study just concluded; auteur, poste and date are this session's and now.
Etude_Gardee Garder(const Resultat& resultat, const Criteres::Jeu_Criteres& jeu, double maintenant);

QByteArray Contenu_Etude(const Etude_Gardee& etude);
// "ligne N : <what is wrong>" when the text is not a whole study: a study is whole or refused.
Ou_Erreur<Etude_Gardee> Lecture_Contenu_Etude(QByteArrayView octets);

// Reopening: what became of each recording of a kept study.
enum class Etat_Piece {
    Intacte,   // the file is there with the same bytes
    Modifiee,  // the file is there, but its bytes changed since the study
    Absente,   // the file cannot be read
};
struct Piece_Relue {
    Etat_Piece etat = Etat_Piece::Absente;
    // The bytes to show: the file's as they are now; the archive's copy of the bytes the study
    // judged when the file changed or went and the archive holds them; empty when neither.
    QByteArray octets;
    bool copie_archive = false;
};
// The archive's checked copy of the bytes whose SHA-256 is given; nothing when it holds none.
using Copies_Archivees = std::function<std::optional<QByteArray>(const QString& empreinte)>;
Piece_Relue Relire_Piece(const Piece& piece, const Copies_Archivees& copies = {});
// "<path> : fichier introuvable", "<path> : modifié depuis l'étude", followed by " ; la copie
// des archives est montrée" when it is; empty when intact.
QString Texte_Etat_Piece(const Piece& piece, Etat_Piece etat, bool copie_archive = false);

}  // namespace Etude
