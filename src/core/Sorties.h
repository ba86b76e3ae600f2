// Where the serial link reports to the windows, without knowing them.
#pragma once

#include <QString>
#include <cstdint>

// The status line of the main window: "Communication en cours", "Pret", "Pas de réponse".
class Sortie_Etat {
  public:
    virtual ~Sortie_Etat() = default;
    virtual void Afficher_Etat(const QString& texte) = 0;
};

// The download progress window.
class Sortie_Progression {
  public:
    virtual ~Sortie_Progression() = default;
    virtual void Progess_Bar_Value(int32_t Value) = 0;
};
