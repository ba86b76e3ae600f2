// Pages written into a PDF file, A4: where the user saves them when no printer is installed, and
// what the tests read back.
#pragma once

#include <QString>

#include "printing/Imprimante.h"

class Imprimante_PDF : public Imprimante {
  public:
    explicit Imprimante_PDF(QString chemin) : chemin_(std::move(chemin)) {}

    std::unique_ptr<QPrinter> Nouvelle_Tache() override;
    const QString& Chemin() const { return chemin_; }

  private:
    QString chemin_;
};
