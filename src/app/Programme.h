// The program's name and version, shown in the main window's caption and the about window.
#pragma once

#include <QString>

namespace Programme {

inline QString Nom() {
    return QStringLiteral("Caldrix");
}
inline QString Version() {
    return QStringLiteral("V1.09");
}
// "Caldrix V1.09"
inline QString Nom_Version() {
    return Nom() + QLatin1Char(' ') + Version();
}

}  // namespace Programme
