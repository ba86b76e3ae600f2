// Line-level reading and writing shared by the program's text files (recordings, settings,
// recipes, the archive's address), and the number reading their readers use. Whole files are
// read and written through Fichiers_Disque.h.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "files/Fichiers_Disque.h"

namespace Import_Export {

// Walks the lines of a file's text. CR LF ends a line, and so do a lone CR or a lone LF, so a
// file edited on another system still opens. Text after the last line end is a last line;
// a final line end does not start an empty line.
class Lecteur_Fichier {
  public:
    explicit Lecteur_Fichier(QStringView texte) : texte_(texte) {}
    // The next line without its line end; empty optional once the file is exhausted.
    std::optional<QStringView> Suivante();
    // The number of the line Suivante gave last, from 1; 0 before the first.
    int Numero() const { return numero_; }

  private:
    QStringView texte_;
    qsizetype position_ = 0;
    int numero_ = 0;
};

// Builds a file line by line with CR LF ends, then gives its Windows-1252 bytes.
class Redacteur_Fichier {
  public:
    explicit Redacteur_Fichier(qsizetype taille_prevue = 0) { texte_.reserve(taille_prevue); }
    // A line break inside a value would shift every line after it: it becomes a space.
    void Ligne(QStringView ligne);
    QByteArray Octets() const;

  private:
    QString texte_;
};

// The number that starts a text, read the way a hand-typed value is read: leading blanks
// skipped, reading stops at the first character that cannot continue a number, and a text
// that starts with no number gives 0. Empty only when the number overflows.
std::optional<double> Nombre_En_Tete(QStringView texte);

}  // namespace Import_Export
