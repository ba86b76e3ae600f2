// The whole program on a test bench: a fresh program folder (CALDRIX_HOME), simulated loggers
// on real pseudo-terminals linked as its ports, and the main window built as main() builds it,
// with the scripted dialogs in place of the real ones.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "Dialogues_Scriptes.h"

class Communication;
class Frm_Principal;
class Horloge_Systeme;
class Port_QSerialPort;
class Terminal_Simule;
struct Etat;

class Banc_Programme {
  public:
    Banc_Programme();
    ~Banc_Programme();
    Banc_Programme(const Banc_Programme&) = delete;
    Banc_Programme& operator=(const Banc_Programme&) = delete;

    QString Dossier() const { return dossier_.path(); }
    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }
    QByteArray Lire(const QString& nom) const;

    // Conf.ini as the program writes it, with this port and the default thresholds.
    void Ecrire_Conf(int port);
    // The installed folder: Conf.ini (port given), recettes.ini and Sauvegardes/.
    void Installer(int port);

    // A logger of this model answering on port n (the link ports/COM<n>).
    Terminal_Simule& Brancher_Logger(int port, int modele = 7306);
    // The frames that logger received, without their carriage returns.
    QList<QByteArray> Trames(int port);

    // Builds the program as main() does, without starting it.
    Frm_Principal& Construire();
    // Builds the program and runs its start-up. Ports are only the links of ports/: a port
    // with no link cannot be opened, whatever the machine's own serial ports.
    Frm_Principal& Demarrer();
    Frm_Principal& Fenetre() const { return *fenetre_; }
    Etat& Etat_Programme() const { return *etat_; }
    Communication& Lien() const { return *lien_; }
    // The status line's text.
    QString Etat_Affiche() const;

    Dialogues_Scriptes dialogues;

  private:
    QTemporaryDir dossier_;
    bool avait_ancien_ = false;
    QByteArray ancien_;
    std::map<int, std::unique_ptr<Terminal_Simule>> loggers_;
    std::unique_ptr<Etat> etat_;
    std::unique_ptr<Horloge_Systeme> horloge_;
    std::unique_ptr<Port_QSerialPort> port_;
    std::unique_ptr<Communication> lien_;
    std::unique_ptr<Frm_Principal> fenetre_;
};
