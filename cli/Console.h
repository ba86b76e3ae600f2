// What caldrix-cli prints, and the exit statuses scripts rely on.
#pragma once

#include <QString>
#include <cstdint>

enum Code_Sortie : int {
    Sortie_Fait = 0,
    Sortie_Sans_Reponse = 1,       // no reply from the logger
    Sortie_Reponse_Illisible = 2,  // a reply that is not the expected one or cannot be read
    Sortie_Fichier = 3,            // a file that cannot be read or written
    Sortie_Usage = 4,              // bad usage
    Sortie_Non_Conforme = 5,       // a study that is not "conforme"
};

namespace Console {
// Standard output, UTF-8, one line.
void Ligne(const QString& texte);
// Standard error, UTF-8, one line.
void Erreur(const QString& texte);
// The logger result code (1 or 2) as the program words it, and the matching exit status.
int Erreur_Logger(uint8_t code);
// Rewrites the progress line on a terminal; false when standard error is not one.
bool Est_Terminal();
void Progression(int pourcentage);
void Fin_Progression();
}  // namespace Console
