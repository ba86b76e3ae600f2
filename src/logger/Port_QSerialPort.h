// The real serial port, on QSerialPort, polled from the user-interface thread.
#pragma once

#include <QSerialPort>
#include <functional>

#include "logger/Port_Serie.h"
#include "logger/Ports_Systeme.h"

class Port_QSerialPort : public Port_Serie {
  public:
    // Port numbers mean the devices of this machine by the rule of Numerotation_Ports.
    explicit Port_QSerialPort(Ports_Systeme::Source source = {});
    // Or one fixed mapping of a port number to its device (a path given by the user).
    using Correspondance = std::function<QString(int)>;
    explicit Port_QSerialPort(Correspondance correspondance);

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
    std::optional<Echec_Ouverture> Echec() const override;
    Numerotation_Ports::Numerotation Numerotation() const override;

    QString Peripherique() const { return port_.portName(); }

  private:
    void Recevoir();
    // Every failure is ignored, but a device that went away closes the port, so that the next
    // exchange knows to open it again.
    void Oublier_Erreur();
    Ports_Systeme::Source source_;
    Correspondance correspondance_;
    int numero_ = 0;        // 0 for a device given by its path
    QString peripherique_;  // what Definir_Port found; empty when no device has the number
    std::optional<Echec_Ouverture> echec_;
    QSerialPort port_;
};
