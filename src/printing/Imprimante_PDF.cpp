#include "printing/Imprimante_PDF.h"

#include <QPageSize>

std::unique_ptr<QPrinter> Imprimante_PDF::Nouvelle_Tache() {
    auto tache = std::make_unique<QPrinter>(QPrinter::HighResolution);
    tache->setOutputFormat(QPrinter::PdfFormat);
    tache->setOutputFileName(chemin_);
    tache->setPageSize(QPageSize(QPageSize::A4));
    return tache;
}
