// A recording made up for a test: model, identity, period, start and values, put into a shared
// record or written as the program writes its recordings files.
#pragma once

#include <memory>
#include <vector>
#include "Impression_Qt.h"

#include "core/Etat.h"

class Enregistrement_Essai {
  public:
    // Model 7306 or 7307, logger "FOUR", one record a minute from 05/12/2026 08:00:00.
    explicit Enregistrement_Essai(int modele = 7306);

    Enregistrement_Essai& Identite(const QString& v) { return identite_ = v, *this; }
    Enregistrement_Essai& Periode(int v) { return periode_ = v, *this; }
    Enregistrement_Essai& Debut(double v) { return debut_ = v, *this; }
    Enregistrement_Essai& Recette(uint8_t v) { return recette_ = v, *this; }
    Enregistrement_Essai& Commentaire(const QString& v) { return commentaire_ = v, *this; }
    // One record a value, a period apart from the start; the humidity of record i is 40 + i
    // unless given.
    Enregistrement_Essai& Temperatures(const std::vector<float>& v) {
        return temperatures_ = v, *this;
    }
    Enregistrement_Essai& Humidites(const std::vector<float>& v) { return humidites_ = v, *this; }
    // n records at the same temperature.
    Enregistrement_Essai& Constante(int n, float t) {
        return Temperatures(std::vector<float>(static_cast<std::size_t>(n), t));
    }

    void Remplir(Etat& etat) const;
    std::unique_ptr<Etat> Etat_Rempli() const;
    // The recordings file, as the program writes it; returns its path.
    QString Ecrire(const QString& chemin) const;
    // The stamp of record i (from 1).
    double Date(int i) const;

  private:
    int modele_;
    QString identite_ = u"FOUR"_s;
    int periode_ = 60;
    double debut_;
    uint8_t recette_ = 0;
    QString commentaire_;
    std::vector<float> temperatures_, humidites_;
};
