// What a file reader or writer tells its caller. The readers and writers never show a message:
// the window that called them chooses what the user sees.
#pragma once

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

}  // namespace Import_Export
