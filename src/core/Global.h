// Reply fields and conversions: cutting the logger's replies into lines and fields,
// the logger clock counts, reply numbers and text padding.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

struct Etat;

namespace Global {

constexpr QChar Retour_Chariot = QChar(13);
constexpr int Longueur_Ligne_Max = 255;

// The n-th field (from 1) of a text cut at each occurrence of the separator. Nothing is
// trimmed: the last field of a line keeps its carriage return.
QString Extraire_Champ(int Num_Champ, const QString& Chaine, QChar Separateur);
// The same without copying, for the download's thousands of lines.
QStringView Champ(int Num_Champ, QStringView Chaine, QChar Separateur);

// Takes the first line (carriage return included) off Chaine. Nothing, and Chaine unchanged,
// when the text is 255 characters or more with no carriage return among the first 255: a line
// longer than a line may be.
std::optional<QString> Extraire_Ligne(QString& Chaine);

// Walks the lines of a text without removing them from its front, with the same rules as
// Extraire_Ligne: reading a whole download stays linear.
class Lecteur_Lignes {
  public:
    explicit Lecteur_Lignes(QStringView texte) : texte_(texte) {}
    bool Fini() const { return position_ >= texte_.size(); }
    // Nothing for a line over 255 characters; the reader then stays where it is.
    std::optional<QStringView> Suivante();
    QStringView Reste() const { return texte_.mid(position_); }

  private:
    QStringView texte_;
    qsizetype position_ = 0;
};

// The logger clock's origins: the start of the current three-year window and of the previous
// one (Date_Origine, Date_Origine_Precedente of the shared record).
struct Origines {
    double actuelle = 0;
    double precedente = 0;
};
Origines Origines_Etat(const Etat& etat);

// A logger clock count (hexadecimal high and low parts) as a date; counts that would lie
// after `maintenant` belong to the previous three-year window. Nothing for a count of more
// than 8 hexadecimal digits.
std::optional<double> Conversion_Date(const Origines& origines, QStringView Mot_Haut,
                                      QStringView Mot_Bas, double maintenant);
// A date as the logger clock count in decimal digits; nothing when the count does not fit in
// 32 bits.
std::optional<QString> Conversion_Secondes(const Etat& etat, double date);

// A reply field as a signed 16-bit number (blanks and carriage return around it ignored,
// fractions rounded half to even); nothing for any other text or a number out of range.
std::optional<int16_t> Nombre_Reponse(QStringView champ);

// Pads with blanks: a text of length L <= Largeur comes back Largeur + 1 characters long.
QString Complete_Espaces(const QString& Chaine, uint8_t Largeur);

// The decimal separator of the user's settings, and the one this program's number texts use
// while it runs. Only this process is affected: the user's settings are never rewritten.
QString Lire_Separateur_Decimal();
void Ecrire_Separateur_Decimal(const QString& Separateur);

}  // namespace Global
