#include "Console.h"

#include <unistd.h>

#include <cstdio>

namespace Console {

void Ligne(const QString& texte) {
    std::fputs(texte.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

void Erreur(const QString& texte) {
    std::fputs(texte.toUtf8().append('\n').constData(), stderr);
    std::fflush(stderr);
}

int Erreur_Logger(uint8_t code) {
    Erreur(QStringLiteral("Le logger ne répond pas - Erreur N° : %1").arg(code));
    return code == 1 ? Sortie_Sans_Reponse : Sortie_Reponse_Illisible;
}

bool Est_Terminal() {
    return isatty(STDERR_FILENO) == 1;
}

void Progression(int pourcentage) {
    std::fprintf(stderr, "\rTéléchargement : %3d %%", pourcentage);
    std::fflush(stderr);
}

void Fin_Progression() {
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace Console
