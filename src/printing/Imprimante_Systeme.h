// The system's default printer.
#pragma once

#include "printing/Imprimante.h"

class Imprimante_Systeme : public Imprimante {
  public:
    // Null when no printer is installed, or none is the default one.
    std::unique_ptr<QPrinter> Nouvelle_Tache() override;
};
