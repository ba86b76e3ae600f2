// The program's real serial link (QSerialPort, the system clock, the program folder's port
// mapping) facing the simulated logger on a real pseudo-terminal linked as ports/COM1.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "Etats_Releves.h"
#include "Terminal_Simule.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"

class Banc_Lien {
  public:
    // A logger of the model holding `nb_mesures` generated measures, one a minute, unit F,
    // whose recording ended an hour ago; its clock reads the present second.
    Banc_Lien(int modele, int nb_mesures, Panne_Simulee panne = {});
    ~Banc_Lien();

    // The frames the logger received so far.
    QList<QByteArray> Trames();
    std::vector<Mesure_Simulee> Mesures();

    QTemporaryDir dossier;  // the program folder (CALDRIX_HOME)
    double debut;           // the date the logger's recording started
    Terminal_Simule sim;
    std::unique_ptr<Etat> etat = Etat::Nouveau();
    Etats_Releves releve;
    Port_QSerialPort port;
    Horloge_Systeme horloge;
    Communication lien{*etat, port, horloge};
};
