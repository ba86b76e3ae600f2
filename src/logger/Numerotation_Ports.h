// Which serial device each port number means where the system does not name its ports COMn.
//
// The rule, from the strongest claim to the weakest:
// 1. A link ports/COMn in the program folder is port n, whether its device is there or not.
// 2. A built-in port keeps its own number: ttyS<n-1> is port n (COMn where the system says so).
// 3. Every other device takes the lowest number still free, in the order of its key: its path
//    under /dev/serial/by-id when it has one (made of its maker, model and serial number, so
//    the same whatever the socket or the order of plugging), else its /dev path. A device that
//    already has a number through a link of rule 1 gets none more.
// So the numbers only move when devices are added or removed: an adapter plugged back keeps its
// number, but one unplugged for good gives its number to the next adapter in key order. Past
// 16, devices get no number: a link ports/COMn or caldrix-cli --port reaches them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>

namespace Numerotation_Ports {

constexpr int Premier = 1;
constexpr int Dernier = 16;

// A serial device as the system lists it.
struct Peripherique {
    QString Chemin;       // "/dev/ttyUSB0"
    QString Description;  // "FT232R USB UART", may be empty
};

// An entry of /dev/serial/by-id: its name, and the device it resolves to.
struct Lien_Par_Id {
    QString Nom;    // "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"
    QString Cible;  // "/dev/ttyUSB0"
};

// A link ports/COMn of the program folder.
struct Lien_Port {
    int Numero = 0;
    QString Chemin;        // the link itself
    QString Cible;         // the device it leads to, resolved when it is there
    bool Present = false;  // false: it leads nowhere (an adapter unplugged)
};

enum class Origine { Lien_Programme, Port_Integre, Numero_Libre };

struct Port {
    QString Peripherique;  // the device: what is opened
    QString Id;            // its name under /dev/serial/by-id, when it has one
    QString Description;
    bool Present = true;
    Origine Provenance = Origine::Numero_Libre;
    QString Lien;  // the program folder's link, for Lien_Programme
};

struct Numerotation {
    std::map<int, Port> Ports;  // by number; links may name numbers above 16
    QStringList Sans_Numero;    // devices left over once the 16 numbers are given
};

Numerotation Numeroter(const QList<Peripherique>& peripheriques, const QList<Lien_Par_Id>& par_id,
                       const QList<Lien_Port>& liens);

// "ttyUSB0" for /dev/ttyUSB0, "pts/3" for /dev/pts/3: the name the port list shows.
QString Nom_Court(const QString& chemin);

// Natural order: "ttyUSB2" before "ttyUSB10".
bool Avant(const QString& a, const QString& b);

}  // namespace Numerotation_Ports
