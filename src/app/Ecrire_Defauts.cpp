// Writes the program's own copy of the files a first start installs into a folder, at build
// time: the package installs that folder as share/caldrix, so an installed program and one run
// from its build folder give a new program folder the same bytes.
//   caldrix-defauts DOSSIER
#include <QDir>
#include <QFile>
#include <cstdio>

#include "app/Installation.h"
#include "files/Fichiers_Disque.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("Usage : caldrix-defauts DOSSIER\n", stderr);
        return 4;
    }
    const QString dossier = QFile::decodeName(argv[1]);
    if (!QDir().mkpath(dossier)) {
        std::fprintf(stderr, "Impossible de créer %s\n", argv[1]);
        return 3;
    }
    for (const QString& nom : Installation::Fichiers_Defaut()) {
        const QByteArray octets = Installation::Contenu_Integre(nom);
        if (octets.isEmpty() ||
            Import_Export::Ecriture_Atomique(dossier + QLatin1Char('/') + nom, octets) !=
                Import_Export::Resultat_Ecriture::Ecrit) {
            std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(nom));
            return 3;
        }
    }
    return 0;
}
