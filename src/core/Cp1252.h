// The Windows-1252 character set of the logger link and of every file the program writes.
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp1252 {
// Characters outside the set become "?".
QByteArray Encode(QStringView texte);
QString Decode(QByteArrayView octets);
}  // namespace Cp1252
