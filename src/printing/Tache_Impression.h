// One print job from its start to its end, on the default printer or, when there is none, in a
// PDF file that the user names. Whatever goes wrong is told to the user: a print that did not
// happen never looks as if it had.
#pragma once

#include <QPageLayout>
#include <QPainter>
#include <memory>

class Dialogues;
class Imprimante;
class QPrinter;
class QTemporaryFile;

class Tache_Impression {
  public:
    Tache_Impression(Imprimante& imprimante, Dialogues& dialogues);
    ~Tache_Impression();
    Tache_Impression(const Tache_Impression&) = delete;
    Tache_Impression& operator=(const Tache_Impression&) = delete;

    // Finds where to print. False, once the user has been told, when nothing can be printed or
    // the user chose not to save a PDF file.
    bool Preparer();
    // Starts the job on its first page, in this orientation. False once the user has been told.
    bool Commencer(QPageLayout::Orientation orientation);
    QPainter& Peintre() { return peintre_; }
    // The printable area of the page, in the painter's units, from the painter's origin.
    QRectF Zone_Imprimable() const;
    // Paper, orientation and margins.
    QPageLayout Mise_En_Page() const;
    void Nouvelle_Page();
    // Ends the job; false once the user has been told that it failed.
    bool Terminer();

  private:
    QString Destination() const;
    // A PDF file is written aside, then put in place whole by the program's own writer: a
    // full disk never leaves a cut file, nor destroys the file that was there.
    bool Preparer_Fichier();
    bool Deposer_Fichier();

    Imprimante& imprimante_;
    Dialogues& dialogues_;
    std::unique_ptr<QPrinter> tache_;
    QPainter peintre_;
    QString fichier_;  // the PDF file asked for, when the job prints into one
    std::unique_ptr<QTemporaryFile> provisoire_;
};
