// A logger on a scripted port and virtual clock: each command letter gets a canned reply.
#pragma once

#include <QHash>
#include <memory>

#include "Etats_Releves.h"
#include "Horloge_Virtuelle.h"
#include "Port_Scripte.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "logger/Communication.h"

class Logger_Scripte {
  public:
    // "Now" is 06/12/2026 12:00:00; the clock origin is then 01/01/2024.
    Logger_Scripte() {
        Origines_Horloge(*etat, Maintenant());
        port.ouvert = true;
        lien.Definir_Sortie_Etat(&releve);
        lien.Definir_Sortie_Progression(&releve);
        port.repondre = [this](const QByteArray& trame, int) {
            if (reponses_.contains(trame.at(0))) port.Programmer(reponses_[trame.at(0)]);
        };
    }
    // The reply to every frame starting with `lettre`; no entry means silence.
    void Reponse(char lettre, const QByteArray& reponse) { reponses_[lettre] = reponse; }
    static double Maintenant() { return Date_Depuis_Civil(2026, 12, 6, 12, 0, 0); }

    std::unique_ptr<Etat> etat = Etat::Nouveau();
    Horloge_Virtuelle horloge{Maintenant()};
    Port_Scripte port{horloge};
    Etats_Releves releve;
    Communication lien{*etat, port, horloge};

  private:
    QHash<char, QByteArray> reponses_;
};
