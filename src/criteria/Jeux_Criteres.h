// criteres.ini in the program folder: the named sets of acceptance rules ("Four 2 – cuisson
// jambon", "Chambre froide positive"), Windows-1252 with CR LF ends like the program's other
// files. One section a set, one line a rule:
//
//   ; a comment
//   [Four 2 – cuisson jambon]
//   seuil_haut = 80 consecutif 300        limit, mode (instantane when left out), duration s
//   seuil_bas = 60 cumule 600
//   hygro_haut = 90                       hygro_haut, hygro_bas: the same in %Hr (7307)
//   maintien = 72 600                     Tp, and the minimum hold in s (may be left out)
//   cuisson = pasteurisation 120          pasteurisation, sterilisation or recette K, and the
//                                         minimum value in minutes (may be left out)
//   mkt = 8                               the highest MKT
//   equilibrage = 900                     the longest equilibrium in s (needs maintien)
//
// Numbers take the point or the comma; modes and rule words may carry their accents.
// Blank lines and lines starting with ";" or "#" are skipped.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

#include "criteria/Criteres.h"
#include "files/Resultats_Fichiers.h"

namespace Criteres {

// A line refused, and the set it was in (empty before the first set).
struct Defaut_Jeu {
    QString jeu;
    Import_Export::Defaut_Lecture defaut;
};

struct Jeux_Lus {
    std::vector<Jeu_Criteres> jeux;  // in the file's order
    std::vector<Defaut_Jeu> defauts;
};

// Every line that can be read is kept; each one that cannot is refused on its own, with its
// number and what is wrong, so a typing slip loses nothing else. A rule given twice in a set
// keeps its first line; a set named twice keeps its first section; rules that do not hold
// together are refused at the set's title line.
Jeux_Lus Lecture_Contenu_Jeux(QByteArrayView octets);
// The sets a window offers to judge with: those without a refused line, so that no verdict is
// given without a rule the technician wrote.
std::vector<Jeu_Criteres> Jeux_Utilisables(Jeux_Lus lus);

// The file for these sets, in the layout above, under a short comment saying how to write it.
QByteArray Contenu_Jeux(const std::vector<Jeu_Criteres>& jeux);

// The path of criteres.ini in the program folder.
QString Chemin_Jeux();
// Reads criteres.ini: Introuvable when it does not exist (no set), Incorrect when it cannot be
// opened.
Import_Export::Resultat_Lecture Lecture_Jeux(Jeux_Lus& lus);
// Writes criteres.ini, replacing it only once the new file is complete.
Import_Export::Resultat_Ecriture Ecriture_Jeux(const std::vector<Jeu_Criteres>& jeux,
                                               Import_Export::Cause_Ecriture* cause = nullptr);

// The set named `nom`, whatever the capitals, the blanks or the kind of dash ("four 2 - cuisson
// jambon" finds "Four 2 – cuisson jambon", which a keyboard hardly types); null when none is.
const Jeu_Criteres* Trouver_Jeu(const std::vector<Jeu_Criteres>& jeux, const QString& nom);

// A duration in whole seconds, 0 to Limites::Duree_Max_s; empty for anything else (a fraction
// of a second included: nothing is silently rounded).
std::optional<int64_t> Lecture_Duree(QStringView texte);

}  // namespace Criteres
