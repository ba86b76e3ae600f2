// Lets GoogleTest print Qt texts readably in failure messages.
#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& texte, std::ostream* sortie) {
    *sortie << '"' << texte.toUtf8().toStdString() << '"';
}
inline void PrintTo(const QByteArray& octets, std::ostream* sortie) {
    *sortie << '"' << octets.toStdString() << '"';
}
