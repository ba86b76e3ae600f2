// What a file reader or writer tells its caller. The readers and writers never show a message:
// the window that called them chooses what the user sees.
#pragma once

#include <QString>

namespace Import_Export {

enum class Resultat_Lecture {
    Lu,           // the file was read (for the settings files, values that did not convert
                  // kept their previous value)
    Introuvable,  // the file does not exist: nothing was changed
    Incorrect,    // the file exists but could not be read to its end
};

enum class Resultat_Ecriture {
    Ecrit,  // the whole file is in place
    Echec,  // nothing was replaced: an existing file keeps its previous contents
};

// Where and why a file could not be read to its end, for the messages that name it.
struct Defaut_Lecture {
    int ligne = 0;   // from 1; 0 when the fault is no line's (the file cannot be opened)
    QString raison;  // French: "« 2x,5 » n'est pas une température"
    // "ligne 14 : « 2x,5 » n'est pas une température", or the reason alone.
    QString Texte() const;
};

// The message for a recordings file that could not be read, naming it: "Nom de fichier
// introuvable (X)", "Fichier incorrect! (X : ligne 14 : « 2x,5 » n'est pas une température)".
QString Texte_Echec_Lecture(Resultat_Lecture resultat, const QString& fichier,
                            const Defaut_Lecture& defaut);

// Why a file could not be written.
enum class Cause_Ecriture {
    Aucune,
    Dossier_Absent,
    Permission,    // the folder or the file may not be written, or the disk is read-only
    Disque_Plein,  // no space left, a quota or a file size limit reached
    Autre,
};
// French, to follow "Impossible d'écrire le fichier X : ".
QString Texte_Cause(Cause_Ecriture cause);

}  // namespace Import_Export
