// The logger as caldrix-cli reaches it: the port of --port or of Conf.ini, the real serial
// link and clock.
#pragma once

#include <memory>

#include "core/Horloge.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"

class Arguments;
struct Etat;

class Connexion_Logger {
  public:
    // --port N maps COM number N as the program does; any other text is a device path.
    // Without --port, the port of Conf.ini (read into `etat` by the caller).
    Connexion_Logger(Etat& etat, const Arguments& arguments);
    ~Connexion_Logger();

    // Opens the port and runs the presence test: 0, 1 (silence) or 2 (another answer).
    uint8_t Ouvrir();
    Communication& Lien() { return lien_; }
    double Maintenant() const { return horloge_.Maintenant(); }

  private:
    Etat& etat_;
    Horloge_Systeme horloge_;
    int numero_;
    std::unique_ptr<Port_QSerialPort> port_;
    Communication lien_;
};
