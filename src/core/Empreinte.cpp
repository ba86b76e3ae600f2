#include "core/Empreinte.h"

#include <QCryptographicHash>

QString Empreinte(const QByteArray& octets) {
    return QString::fromLatin1(
        QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex());
}
