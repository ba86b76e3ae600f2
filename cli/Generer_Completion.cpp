// Writes the bash completion of caldrix-cli at build time:
//   caldrix-cli-completion MODELE SORTIE
#include <QFile>
#include <cstdio>

#include "Completion_Bash.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("Usage : caldrix-cli-completion MODELE SORTIE\n", stderr);
        return 4;
    }
    QFile modele(QFile::decodeName(argv[1]));
    if (!modele.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Impossible de lire %s\n", argv[1]);
        return 3;
    }
    const QByteArray script = Script_Completion_Bash(QString::fromUtf8(modele.readAll())).toUtf8();
    QFile sortie(QFile::decodeName(argv[2]));
    if (!sortie.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        sortie.write(script) != script.size() || !sortie.flush()) {
        std::fprintf(stderr, "Impossible d'écrire %s\n", argv[2]);
        return 3;
    }
    return 0;
}
