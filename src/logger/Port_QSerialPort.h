// The real serial port, on QSerialPort, polled from the user-interface thread.
#pragma once

#include <QSerialPort>
#include <functional>

#include "logger/Port_Serie.h"

class Port_QSerialPort : public Port_Serie {
  public:
    // Maps a port number to its device; by default the program folder's mapping.
    using Correspondance = std::function<QString(int)>;
    explicit Port_QSerialPort(Correspondance correspondance = {});

    void Definir_Port(int numero) override;
    void Definir_Parametres(const QString& texte) override;
    bool Ouvrir() override;
    void Fermer() override;
    bool Est_Ouvert() const override;
    bool Verifier_Ouvert() override;
    void Activer_RTS() override;
    void Activer_DTR() override;
    QByteArray Lire() override;
    void Ecrire(const QByteArray& octets) override;
    int Nb_Octets_En_Attente() override;

    QString Peripherique() const { return port_.portName(); }

  private:
    void Recevoir();
    // Every failure is ignored, but a device that went away closes the port, so that the next
    // exchange knows to open it again.
    void Oublier_Erreur();
    Correspondance correspondance_;
    QSerialPort port_;
};
