// The program's real serial link (QSerialPort, the system clock, the program folder's port
// mapping) facing the simulated logger on a real pseudo-terminal linked as ports/COM1.
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <vector>

#include "Terminal_Simule.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Sorties.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"

// QSerialPort wants an application object, as the program has one.
void Application_Qt();

// A recording an earlier download left in memory, and the check that it is all still there.
void Enregistrement_Precedent(Etat& etat);
void Attendre_Enregistrement_Precedent(const Etat& etat);

// What the status line and the progress window would have shown.
struct Affichage_Releve : Sortie_Etat, Sortie_Progression {
    QStringList etats;
    std::vector<int32_t> progression;
    void Afficher_Etat(const QString& texte) override { etats << texte; }
    void Progess_Bar_Value(int32_t valeur) override { progression.push_back(valeur); }
};

class Banc_Lien {
  public:
    static constexpr int Port = 1;

    // A logger of the model with `nb_mesures` generated measures, period 60 s, unit F, whose
    // recording ended an hour ago; its clock reads the present time.
    Banc_Lien(int modele, int nb_mesures, Panne_Simulee panne = {});
    ~Banc_Lien();

    uint8_t Ouvrir() { return lien.Ouverture_Port(Port); }
    // The frames the logger received so far.
    QList<QByteArray> Trames() {
        return sim.Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); });
    }
    Memoire_Logger Memoire() {
        return sim.Avec_Logger([](Logger_Simule& l) { return l.Memoire(); });
    }
    // The present time, as the logger's clock counts it.
    int32_t Compte_Maintenant() const;

    QTemporaryDir dossier;  // the program folder (CALDRIX_HOME)
    double debut;           // the date the logger's recording started
    Terminal_Simule sim;
    std::unique_ptr<Etat> etat_partage = Etat::Nouveau();
    Etat& etat = *etat_partage;
    Affichage_Releve affichage;
    Port_QSerialPort port;
    Horloge_Systeme horloge;
    Communication lien{etat, port, horloge};
};
