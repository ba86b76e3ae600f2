// Where the program prints. In the program: the system's default printer, without a print
// dialog. In the tests, and when the user has no printer: a PDF file.
#pragma once

#include <QPrinter>
#include <memory>

class Imprimante {
  public:
    virtual ~Imprimante() = default;
    // A print job not started yet; null when there is nothing to print on.
    virtual std::unique_ptr<QPrinter> Nouvelle_Tache() = 0;
};
