#include "core/Dossier_Programme.h"

#include <QDir>

namespace Dossier_Programme {

QString Chemin() {
    const QString home = qEnvironmentVariable("CALDRIX_HOME");
    if (!home.isEmpty()) return QDir::cleanPath(home);
#ifdef Q_OS_WIN
    return QStringLiteral("c:/Caldrix");
#else
    return QDir::homePath() + QStringLiteral("/Caldrix");
#endif
}

QString Fichier(const QString& nom) {
    return Chemin() + QLatin1Char('/') + nom;
}

}  // namespace Dossier_Programme
