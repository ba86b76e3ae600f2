#include "core/Dossier_Programme.h"

#include <QDir>
#include <QFileInfo>

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

QString Peripherique_Port(int numero) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(numero);
#else
    const QString lien = Fichier(QStringLiteral("ports/COM%1").arg(numero));
    if (QFileInfo(lien).exists()) return lien;
    return QStringLiteral("/dev/ttyS%1").arg(numero - 1);
#endif
}

}  // namespace Dossier_Programme
