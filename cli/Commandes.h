// The commands of caldrix-cli. Each returns the exit status (Console.h), or the bad usage that
// stopped it (Arguments.h), which main() tells with Sortie_Usage.
#pragma once

#include <QString>
#include <optional>

#include "core/Ou_Erreur.h"
#include "files/Resultats_Fichiers.h"
#include "stats/Statistiques.h"

class Arguments;
struct Etat;

Ou_Erreur<int> Commande_Info(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Download(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Program(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Cook(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Export(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Report(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Stats(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Archive(Etat& etat, const Arguments& arguments);
Ou_Erreur<int> Commande_Study(Etat& etat, const Arguments& arguments);

// Archives the file a download has just written. The file comes first: when the archive cannot
// take it, this only says so on standard error, and the download still succeeds.
// `unite`: the unit the logger recorded in.
void Archiver_Telechargement(const QString& fichier, const QString& unite);

// Conf.ini into `etat` (port, thresholds, number of records); its absence is only a warning
// here, the defaults then hold.
void Lire_Reglages(Etat& etat);
// Reads the recordings file named on the command line: Sortie_Fait, or Sortie_Fichier with the
// program's message printed. A file shorter than its header is read, with a warning on
// standard error. The file says nothing of the unit: --unit C|F gives it (°C otherwise).
// A file that cannot be read is named, with the line and the reason of the fault. Bad usage
// for no file or several, or a bad --unit.
Ou_Erreur<int> Lire_Enregistrement(Etat& etat, const Arguments& arguments);
// The same for one file among several, in the unit caption `unite` (see Lire_Unite);
// `octets`, when given, receives the file's bytes.
bool Lire_Fichier(Etat& etat, const QString& fichier, const QString& unite,
                  QByteArray* octets = nullptr);
// --unit C|F as a unit caption ("°C", "°F"); empty (°C) when not given.
Ou_Erreur<QString> Lire_Unite(const Arguments& arguments);

// Writes `sortie` to standard output at once, so that a reader never gets half of it without an
// error status; false when it could not be written.
bool Ecrire_Sortie(const QByteArray& sortie);

// --from and --to, each "aaaa-mm-jj[Thh:mm[:ss]]" or "jj/mm/aaaa[ hh:mm[:ss]]" (a date alone
// given to --to means the whole day); an end before the start is bad usage.
struct Bornes_Dates {
    std::optional<double> de, a;
};
Ou_Erreur<Bornes_Dates> Lire_Bornes(const Arguments& arguments);
// The range of the recording the bounds give (empty without bounds).
std::optional<Statistiques::Plage> Plage_Enregistrement(const Bornes_Dates& bornes,
                                                        const Etat& etat);

// --high and --low, Conf.ini's for those not given: within what a logger holds, the high one
// above the low one, or bad usage.
struct Seuils_Options {
    float haut, bas;
};
Ou_Erreur<Seuils_Options> Lire_Seuils(const Arguments& arguments, Etat& etat);

// --delta-h, from 10 to 500 kJ/mol, or the default one.
Ou_Erreur<double> Lire_Delta_H(const Arguments& arguments);

// Whether `sortie` may be written: never the file read, and an existing file only with --force.
// Says why not on standard error.
bool Sortie_Permise(const Arguments& arguments, const QString& sortie);
// "Impossible d'écrire le fichier X : <why> ; rien n'a été remplacé."
void Dire_Echec_Ecriture(const QString& fichier, Import_Export::Cause_Ecriture cause);
