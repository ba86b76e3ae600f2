// Conf.ini in the program folder: the serial port, the two alarm thresholds and the number of
// records to program, as eight Windows-1252 lines with CR LF ends:
//
//   [Numéro du port de communication]   Num_Port
//   [Seuil Haut]                         Seuil_Haut
//   [Seuil Bas]                          Seuil_Bas
//   [Nombre d'enregistrement]            Nb_Enreg_Max
//
// Read once at start-up, written once at shutdown.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "files/Resultats_Fichiers.h"

struct Etat;

namespace Import_Export {

QByteArray Contenu_Conf(const Etat& etat);

// Sets the defaults (port 1, thresholds 10 and 0, 1000 records), then reads the value lines
// found. A value that does not convert, or a port outside 0..255, leaves its default. Numbers
// are read with the point or the comma, so a threshold written under either separator reads
// back the same.
void Lecture_Contenu_Conf(Etat& etat, QByteArrayView octets);

// Reads Conf.ini as above. Introuvable when the file is missing (the caller shows "Un fichier
// est manquant, réinstaller l'application !"), Incorrect when it exists but cannot be opened;
// either way the defaults are in place.
Resultat_Lecture Lecture_Conf(Etat& etat);

// Writes Conf.ini from `etat`, replacing it only once the new file is complete.
Resultat_Ecriture Ecriture_Conf(const Etat& etat);

}  // namespace Import_Export
