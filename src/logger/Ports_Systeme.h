// The serial ports of this machine, numbered by the rule of Numerotation_Ports: the devices the
// system lists, the links of /dev/serial/by-id and the links ports/COMn of the program folder.
#pragma once

#include <functional>

#include "logger/Numerotation_Ports.h"

namespace Ports_Systeme {

struct Source {
    // The devices; by default those QSerialPortInfo lists, and the built-in ports it leaves out
    // when this user may not open them.
    std::function<QList<Numerotation_Ports::Peripherique>()> Peripheriques;
    QString Dossier_Par_Id = QStringLiteral("/dev/serial/by-id");
    QString Dossier_Liens;  // empty: ports/ of the program folder, as it is when read
};

QList<Numerotation_Ports::Peripherique> Peripheriques_Systeme();
// The links of a by-id folder, each resolved to its device; none when there is no folder.
QList<Numerotation_Ports::Lien_Par_Id> Lire_Par_Id(const QString& dossier);
// The entries COM<n> of a folder: links (even to nothing) and plain files.
QList<Numerotation_Ports::Lien_Port> Lire_Liens(const QString& dossier);

Numerotation_Ports::Numerotation Numeroter(const Source& source = {});
// The device of port n, empty when no device has that number. A link ports/COMn answers
// without the system being asked for its devices.
QString Peripherique_Port(int numero, const Source& source = {});

}  // namespace Ports_Systeme
