// The programming window on its bench: a simulated logger on a pseudo-terminal linked as port 3
// of a fresh program folder, the program's real serial link to it, and every status text kept.
#pragma once

#include <QStringList>
#include <functional>

#include "Banc_Programme.h"
#include "Memoire_Logger.h"
#include "controls/Fenetre_Chargeable.h"
#include "core/Sorties.h"
#include "logger/gui/Frm_UpLoad.h"

class Logger_Simule;
class Terminal_Simule;

struct Etats_Affiches : Sortie_Etat {
    void Afficher_Etat(const QString& texte) override { textes << texte; }
    QStringList textes;
};

class Banc_Programmation {
  public:
    // A logger of this model, set up by `reglage` before the program talks to it.
    explicit Banc_Programmation(int modele,
                                const std::function<void(Logger_Simule&)>& reglage = {});

    // Loads the window, which reads the logger.
    Frm_UpLoad& Ouvrir();
    Frm_UpLoad* Chargee() const { return fenetre_.Chargee(); }
    QList<QByteArray> Trames() { return banc_.Trames(Port); }
    // What the logger keeps now.
    Memoire_Logger Memoire();
    Etat& Etat_Programme() { return banc_.Etat_Programme(); }
    Dialogues_Scriptes& Dialogues() { return banc_.dialogues; }
    double Maintenant() const;

    Etats_Affiches affiches;

  private:
    static constexpr int Port = 3;
    Banc_Programme banc_;
    Terminal_Simule* terminal_ = nullptr;
    Fenetre<Frm_UpLoad> fenetre_;
};
