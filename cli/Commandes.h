// The commands of caldrix-cli. Each returns the exit status (Console.h).
#pragma once

#include <QString>

class Arguments;
struct Etat;

int Commande_Info(Etat& etat, const Arguments& arguments);
int Commande_Download(Etat& etat, const Arguments& arguments);
int Commande_Program(Etat& etat, const Arguments& arguments);
int Commande_Cook(Etat& etat, const Arguments& arguments);
int Commande_Export(Etat& etat, const Arguments& arguments);
int Commande_Report(Etat& etat, const Arguments& arguments);
int Commande_Stats(Etat& etat, const Arguments& arguments);
int Commande_Archive(Etat& etat, const Arguments& arguments);

// Archives the file a download has just written. The file comes first: when the archive cannot
// take it, this only says so on standard error, and the download still succeeds.
// `unite`: the unit the logger recorded in.
void Archiver_Telechargement(const QString& fichier, const QString& unite);

// Conf.ini into `etat` (port, thresholds, number of records); its absence is only a warning
// here, the defaults then hold.
void Lire_Reglages(Etat& etat);
// Reads the recordings file named on the command line; prints the program's message and
// returns false when it cannot. A file shorter than its header is read, with a warning on
// standard error. The file says nothing of the unit: --unit C|F gives it (°C otherwise).
bool Lire_Enregistrement(Etat& etat, const Arguments& arguments);
