// The identity of a file's bytes: their SHA-256, in lowercase hexadecimal. The archive keeps it
// and checks files against it; the report prints it under the recording it vouches for.
#pragma once

#include <QByteArray>
#include <QString>

QString Empreinte(const QByteArray& octets);
