// The logger as caldrix-cli reaches it: the port of --port or of Conf.ini, the real serial
// link and clock.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "core/Horloge.h"
#include "core/Ou_Erreur.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"

class Arguments;
struct Etat;

// The port of --port: N is port number N as the program numbers them, any other text a device
// path; neither without --port. Bad usage for a number out of 1 to 255 or an empty text.
struct Port_Choisi {
    std::optional<int> numero;
    QString peripherique;
};
Ou_Erreur<Port_Choisi> Lire_Port(const Arguments& arguments);

class Connexion_Logger {
  public:
    // Without a port chosen, the port of Conf.ini (read into `etat` by the caller).
    Connexion_Logger(Etat& etat, const Port_Choisi& choisi);
    ~Connexion_Logger();

    // Opens the port and runs the presence test: 0, 1 (silence, or a port that did not open)
    // or 2 (another answer).
    uint8_t Ouvrir();
    // Says on standard error why a command gave `code`: the port that did not open, or the
    // logger that did not answer; the exit status that goes with it.
    int Erreur(uint8_t code) const;
    Communication& Lien() { return lien_; }
    double Maintenant() const { return horloge_.Maintenant(); }

  private:
    Etat& etat_;
    Horloge_Systeme horloge_;
    int numero_;
    std::unique_ptr<Port_QSerialPort> port_;
    Communication lien_;
};
