#include "printing/Tache_Impression.h"

#include <QFile>
#include <QMarginsF>
#include <QPrinter>
#include <QTemporaryFile>

#include "core/Dialogues.h"
#include "files/Fichiers_Disque.h"
#include "printing/Imprimante.h"
#include "printing/Imprimante_PDF.h"

namespace {
// As close to the edges as most printers go, so that three table entries fit side by side.
const QMarginsF Marges_mm(8, 8, 8, 8);
}  // namespace

Tache_Impression::Tache_Impression(Imprimante& imprimante, Dialogues& dialogues)
    : imprimante_(imprimante), dialogues_(dialogues) {}

Tache_Impression::~Tache_Impression() {
    if (peintre_.isActive()) peintre_.end();
}

bool Tache_Impression::Preparer() {
    tache_ = imprimante_.Nouvelle_Tache();
    if (tache_) return true;
    if (!dialogues_.Question_Oui_Non(
            QStringLiteral("Aucune imprimante n'est installée.\nVoulez vous enregistrer la page "
                           "dans un fichier PDF ?"))) {
        return false;
    }
    const QString nom = dialogues_.Fichier_Sauvegarder(Dialogues::Choix_Fichier::Dans_Sauvegardes(
        QStringLiteral("Enregistrement de l'impression"), QStringLiteral(".pdf")));
    if (nom.isEmpty()) return false;
    tache_ = Imprimante_PDF(nom).Nouvelle_Tache();
    return true;
}

QString Tache_Impression::Destination() const {
    return fichier_.isEmpty() ? tache_->printerName() : fichier_;
}

bool Tache_Impression::Preparer_Fichier() {
    fichier_ = tache_->outputFileName();
    if (fichier_.isEmpty()) return true;
    provisoire_ = std::make_unique<QTemporaryFile>(fichier_ + QStringLiteral(".XXXXXX"));
    if (!provisoire_->open()) return false;
    provisoire_->close();
    tache_->setOutputFileName(provisoire_->fileName());
    return true;
}

bool Tache_Impression::Deposer_Fichier() {
    if (fichier_.isEmpty()) return true;
    QFile pages(provisoire_->fileName());
    if (!pages.open(QIODevice::ReadOnly)) return false;
    const QByteArray octets = pages.readAll();
    // A PDF file ends with its end-of-file mark: without it, the pages were cut off.
    if (!octets.trimmed().endsWith("%%EOF")) return false;
    return Import_Export::Ecriture_Atomique(fichier_, octets) ==
           Import_Export::Resultat_Ecriture::Ecrit;
}

bool Tache_Impression::Commencer(QPageLayout::Orientation orientation) {
    tache_->setDocName(QStringLiteral("Caldrix"));
    tache_->setPageOrientation(orientation);
    tache_->setPageMargins(Marges_mm, QPageLayout::Millimeter);  // a printer may want wider ones
    if (Preparer_Fichier() && peintre_.begin(tache_.get())) return true;
    dialogues_.Message(
        QStringLiteral("L'impression n'a pas pu commencer sur « %1 ».").arg(Destination()),
        Dialogues::Icone::Exclamation);
    return false;
}

QRectF Tache_Impression::Zone_Imprimable() const {
    const QRect zone = tache_->pageLayout().paintRectPixels(tache_->resolution());
    return QRectF(0, 0, zone.width(), zone.height());
}

QPageLayout Tache_Impression::Mise_En_Page() const {
    return tache_->pageLayout();
}

void Tache_Impression::Nouvelle_Page() {
    tache_->newPage();
}

bool Tache_Impression::Terminer() {
    if (peintre_.end() && Deposer_Fichier()) return true;
    dialogues_.Message(QStringLiteral("L'impression sur « %1 » n'a pas abouti.").arg(Destination()),
                       Dialogues::Icone::Exclamation);
    return false;
}
