// A CUPS scheduler of the test's own, in a temporary folder, whose default printer is the
// cups-pdf virtual printer: the program prints to "the default printer" as on a user's machine,
// and the page comes out as a PDF file in the user's PDF folder.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class Cups_Prive {
  public:
    Cups_Prive();
    ~Cups_Prive();
    Cups_Prive(const Cups_Prive&) = delete;
    Cups_Prive& operator=(const Cups_Prive&) = delete;

    // Why the scheduler could not be had (CUPS or cups-pdf missing, not root...); empty when it
    // runs. cups-pdf writes its files as root only.
    const QString& Absence() const { return absence_; }

    static constexpr const char* Imprimante = "Caldrix_PDF";
    // Where cups-pdf puts the pages of this user's jobs.
    static QString Dossier_Sortie();
    // True once every job of the printer is done.
    bool Travaux_Termines() const;

  private:
    bool Ecrire_Configuration();
    bool Lancer(const QString& programme, const QStringList& arguments) const;

    QTemporaryDir dossier_;
    QProcess cupsd_;
    QString absence_;
};
