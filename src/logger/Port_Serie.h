// What the serial link needs of a serial port. Every operation may fail; the link goes on
// with its next step regardless, as the logger protocol was always driven.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "logger/Echec_Ouverture.h"
#include "logger/Numerotation_Ports.h"

class Port_Serie {
  public:
    virtual ~Port_Serie() = default;
    virtual void Definir_Port(int numero) = 0;                  // which port (1 = COM1)
    virtual void Definir_Parametres(const QString& texte) = 0;  // "9600, N, 8, 1"
    virtual bool Ouvrir() = 0;
    virtual void Fermer() = 0;
    virtual bool Est_Ouvert() const = 0;
    // Open and still usable: a device unplugged since it was opened is closed now.
    virtual bool Verifier_Ouvert() { return Est_Ouvert(); }
    virtual void Activer_RTS() = 0;
    virtual void Activer_DTR() = 0;
    // Every byte received and not yet read; removes them from the receive buffer.
    virtual QByteArray Lire() = 0;
    // Queues bytes for transmission, in order.
    virtual void Ecrire(const QByteArray& octets) = 0;
    // Bytes received and waiting to be read.
    virtual int Nb_Octets_En_Attente() = 0;

    // Why the port is closed after Ouvrir failed; nothing once it is open, or before any try.
    virtual std::optional<Echec_Ouverture> Echec() const { return std::nullopt; }
    // Which device each port number means now; empty for a port with no numbering of its own.
    virtual Numerotation_Ports::Numerotation Numerotation() const { return {}; }
};

// What the user is told when a logger did not answer: the documented text, or, when the port
// did not even open, why.
inline QString Texte_Sans_Logger(const Port_Serie& port, const QString& documente) {
    const std::optional<Echec_Ouverture> echec = port.Echec();
    return echec ? echec->Texte() : documente;
}
