// A logger on a scripted port and virtual clock: each command letter gets a canned reply.
#pragma once

#include <QHash>
#include <QStringList>
#include <memory>

#include "Horloge_Virtuelle.h"
#include "Port_Scripte.h"
#include "core/Etat.h"
#include "core/Sorties.h"
#include "core/Textes.h"
#include "logger/Communication.h"

struct Journal_Etat : Sortie_Etat {
    void Afficher_Etat(const QString& texte) override { textes << texte; }
    QStringList textes;
};

struct Journal_Progression : Sortie_Progression {
    void Progess_Bar_Value(int32_t valeur) override { valeurs.push_back(valeur); }
    std::vector<int32_t> valeurs;
};

class Logger_Scripte {
  public:
    // "Now" is 06/12/2026 12:00:00; the clock origin is then 01/01/2024.
    Logger_Scripte();

    // The reply to every frame starting with `lettre`; no entry means silence.
    void Reponse(char lettre, const QByteArray& reponse) { reponses_[lettre] = reponse; }
    QList<QByteArray> Trames() const { return port.trames; }

    static double Maintenant() { return Date_Depuis_Civil(2026, 12, 6, 12, 0, 0); }

    std::unique_ptr<Etat> etat = Etat::Nouveau();
    Horloge_Virtuelle horloge{Maintenant()};
    Port_Scripte port{horloge};
    Journal_Etat journal;
    Communication lien{*etat, port, horloge};

  private:
    QHash<char, QByteArray> reponses_;
};
