#include "printing/Imprimante_Systeme.h"

#include <QPrinterInfo>

std::unique_ptr<QPrinter> Imprimante_Systeme::Nouvelle_Tache() {
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (defaut.isNull()) return nullptr;
    return std::make_unique<QPrinter>(defaut, QPrinter::HighResolution);
}
