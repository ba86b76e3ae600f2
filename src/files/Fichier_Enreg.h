// The recordings file: a recording (identity, model, recipe choice, period, count, comment and
// measures) saved as Windows-1252 text with CR LF line ends:
//
//   [Identité du Logger]                       Identite_Logger
//   [Version du Logger]                        the model: first four characters of Version_Logger
//   [Recette]                                  Num_Recette
//   [Période d'enregistrement]                 " 60 " (the period between two blanks)
//   [Nombre de mesure]                         Nb_Mesures (two values per measure for 7307),
//                                              or Nb_Mesures_Annoncees when fewer are held
//   Commentaire, or "[Mesures]" when there is none
//   "Date heure;Température;Hygrométrie" (7307) or "Date heure;Température"
//   one line per measure: "05/12/2026 14:30:00;21.5" (";48.2" more for 7307)
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>

#include "core/Etat.h"
#include "files/Resultats_Fichiers.h"

namespace Import_Export {

// The bytes of the recordings file for the recording held in `etat`. Model 7307 writes
// Nb_Mesures / 2 measure lines (halves to even), any other model Nb_Mesures lines. A line
// break inside the identity or the comment is written as a space, so it cannot shift the
// lines after it. An incomplete recording keeps the count its source announced on line 10, so
// that its file reads back as incomplete.
QByteArray Contenu_Fichier_Enreg(const Etat& etat);

// Writes the recordings file `Nom`, replacing it only once the new file is complete.
// `cause`, when given, receives why it failed.
Resultat_Ecriture Ecriture_Fichier_Enreg(const Etat& etat, const QString& Nom,
                                         Cause_Ecriture* cause = nullptr);
// The same, and the file written becomes the recording's own: Nom_Fichier and its
// fingerprints (Etat::Empreinte_Fichier) are set once it is in place.
Resultat_Ecriture Sauvegarde_Fichier_Enreg(Etat& etat, const QString& Nom);

// The recording held now comes from the file `Nom` whose bytes are `octets`.
void Noter_Fichier_Enreg(Etat& etat, const QString& Nom, const QByteArray& octets);
// The SHA-256 of the file the recording held was read from or written to, while nothing has
// changed the recording in memory since; empty otherwise (no file, or a changed recording).
QString Empreinte_Garantie(const Etat& etat);

// Recordings file bytes read into a value, nothing else touched: the header lines, each once it
// was read (a file that stops early leaves the later ones unset), and the measures read.
struct Fichier_Enreg_Lu {
    Resultat_Lecture resultat = Resultat_Lecture::Lu;  // Lu or Incorrect, as below
    Defaut_Lecture defaut;                             // where and why, when Incorrect
    std::optional<QString> identite, version;
    std::optional<uint8_t> recette;
    std::optional<int16_t> periode;
    std::optional<int> annonce;  // the count of line 10
    std::optional<QString> commentaire;
    std::unique_ptr<Tableau_Mesures> mesures;  // records 1 to `lus`
    int lus = 0;                               // measure lines read
};
Fichier_Enreg_Lu Lire_Contenu_Enreg(QByteArrayView octets);
// What was read put into the shared record, as Lecture_Contenu_Enreg describes it.
void Ranger_Fichier_Enreg(Etat& etat, const Fichier_Enreg_Lu& lu);

// Reads recordings file bytes into `etat`: Identite_Logger, Version_Logger, Num_Recette,
// Periode_Enreg, Nb_Mesures, Commentaire and Mesures from record 1 on. Gives Lu or Incorrect.
// A comment line "[Mesures]" is the mark of a file saved without comment: no comment. The
// file says nothing of the unit: Unite becomes empty (unknown), and so do the fingerprints.
//
// Incorrect (the caller shows "Fichier incorrect!") for a header line missing or that does not
// convert, a count below 0 or above 16000 records (16000 for model 7306, 32000 for 7307), a
// measure line with a field that does not convert or is missing (an empty line among or after
// the measure lines too), or more than 16000 measure lines. What was read before the fault
// stays in `etat`, so the caller can still draw it.
//
// Nb_Mesures always ends up matching what was read: when fewer measure lines were read than
// the count announces, it becomes the number read (twice that for model 7307), and 0 when the
// reading stopped before any measure; records left over from an earlier recording are thus
// never counted. Nb_Mesures_Annoncees keeps the count of line 10, so that a file shorter than
// its header reads as an incomplete recording (Enregistrement_Incomplet). Humidite is 0 for
// models other than 7307.
// `defaut`, when given, receives the line and the reason of an Incorrect file.
Resultat_Lecture Lecture_Contenu_Enreg(Etat& etat, QByteArrayView octets,
                                       Defaut_Lecture* defaut = nullptr);

// Reads the recordings file `Nom` as above. Introuvable (the caller shows "Nom de fichier
// introuvable") when it does not exist: then nothing is changed. A file that exists but cannot
// be opened is Incorrect and changes nothing either.
// `octets`, when given, receives the bytes read; `defaut`, why it could not be read.
Resultat_Lecture Lecture_Fichier_Enreg(Etat& etat, const QString& Nom, QByteArray* octets = nullptr,
                                       Defaut_Lecture* defaut = nullptr);

// The save and open commands only take names ending exactly in ".txt" (case counts, so
// ".TXT" is refused, and so is the "Nom du fichier" that a cancelled dialog leaves).
bool Est_Nom_Fichier_Enreg(const QString& Nom);

}  // namespace Import_Export
