#include "core/Global.h"

#include <QLocale>
#include <cmath>
#include <limits>

#include "core/Etat.h"
#include "core/Textes.h"

namespace Global {

QStringView Champ(int Num_Champ, QStringView Chaine, QChar Separateur) {
    if (Num_Champ <= 0 || Chaine.size() < 2) return {};
    qsizetype debut = 0;
    for (int n = 1; n < Num_Champ; ++n) {
        const qsizetype sep = Chaine.indexOf(Separateur, debut);
        if (sep < 0) return {};
        debut = sep + 1;
    }
    const qsizetype fin = Chaine.indexOf(Separateur, debut);
    return Chaine.mid(debut, (fin < 0 ? Chaine.size() : fin) - debut);
}

QString Extraire_Champ(int Num_Champ, const QString& Chaine, QChar Separateur) {
    return Champ(Num_Champ, Chaine, Separateur).toString();
}

namespace {
// Length of the first line of `texte`, carriage return included; nothing when it is longer
// than a line may be.
std::optional<qsizetype> Longueur_Premiere_Ligne(QStringView texte) {
    const qsizetype limite = std::min<qsizetype>(texte.size(), Longueur_Ligne_Max);
    const qsizetype cr = texte.left(limite).indexOf(Retour_Chariot);
    if (cr >= 0) return cr + 1;
    if (texte.size() >= Longueur_Ligne_Max) return std::nullopt;
    return texte.size();
}
}  // namespace

std::optional<QString> Extraire_Ligne(QString& Chaine) {
    if (Chaine.isEmpty()) return QString();
    const std::optional<qsizetype> n = Longueur_Premiere_Ligne(Chaine);
    if (!n) return std::nullopt;
    QString ligne = Chaine.left(*n);
    Chaine.remove(0, *n);
    return ligne;
}

std::optional<QStringView> Lecteur_Lignes::Suivante() {
    if (Fini()) return QStringView();
    const std::optional<qsizetype> n = Longueur_Premiere_Ligne(texte_.mid(position_));
    if (!n) return std::nullopt;
    const QStringView ligne = texte_.mid(position_, *n);
    position_ += *n;
    return ligne;
}

namespace {
// Reads "&H" + text the way the logger's counts were always read: hexadecimal digits up to the
// first other character; up to 4 digits a signed 16-bit value, 5 to 8 a signed 32-bit one;
// nothing beyond 8 digits.
std::optional<int32_t> Lecture_Hexa(const QString& texte) {
    uint32_t valeur = 0;
    int chiffres = 0;
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        int v;
        if (u >= '0' && u <= '9') {
            v = u - '0';
        } else if (u >= 'A' && u <= 'F') {
            v = u - 'A' + 10;
        } else if (u >= 'a' && u <= 'f') {
            v = u - 'a' + 10;
        } else {
            break;
        }
        if (++chiffres > 8) return std::nullopt;
        valeur = (valeur << 4) | static_cast<uint32_t>(v);
    }
    if (chiffres <= 4) return static_cast<int16_t>(static_cast<uint16_t>(valeur));
    return static_cast<int32_t>(valeur);
}

void Complete_Zero(QString& mot_bas) {
    if (mot_bas.size() < 5) mot_bas.prepend(QLatin1Char('0'));
}
}  // namespace

Origines Origines_Etat(const Etat& etat) {
    return {etat.Date_Origine, etat.Date_Origine_Precedente};
}

std::optional<double> Conversion_Date(const Origines& origines, QStringView Mot_Haut,
                                      QStringView Mot_Bas, double maintenant) {
    QString bas = Mot_Bas.toString();
    Complete_Zero(bas);
    std::optional<int32_t> compte = Lecture_Hexa(Mot_Haut.toString() + bas);
    if (!compte) return std::nullopt;
    const double date = origines.actuelle + *compte / static_cast<double>(Secondes_Par_Jour);
    if (date <= maintenant) return date;
    Complete_Zero(bas);
    compte = Lecture_Hexa(Mot_Haut.toString() + bas);
    if (!compte) return std::nullopt;
    return origines.precedente + *compte / static_cast<double>(Secondes_Par_Jour);
}

std::optional<QString> Conversion_Secondes(const Etat& etat, double date) {
    const double secondes = std::nearbyint((date - etat.Date_Origine) * Secondes_Par_Jour);
    if (!(secondes >= std::numeric_limits<int32_t>::min() &&
          secondes <= std::numeric_limits<int32_t>::max())) {
        return std::nullopt;  // outside what the logger's clock can hold
    }
    return QString::number(static_cast<int32_t>(secondes));
}

std::optional<int16_t> Nombre_Reponse(QStringView champ) {
    const QStringView t = champ.trimmed();
    // Decimal digits with an optional sign and fraction; nothing else is a reply number.
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) ++i;
    bool chiffre = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= '0' && c <= '9') {
            chiffre = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!chiffre) return std::nullopt;
    const auto valeur = Lecture_Entier(t, INT16_MIN, INT16_MAX);
    if (!valeur) return std::nullopt;
    return static_cast<int16_t>(*valeur);
}

QString Complete_Espaces(const QString& Chaine, uint8_t Largeur) {
    QString resultat = Chaine;
    for (int n = static_cast<int>(Chaine.size()); n <= Largeur; ++n) {
        resultat += QLatin1Char(' ');
    }
    return resultat;
}

QString Lire_Separateur_Decimal() {
    return QLocale::system().decimalPoint().left(1);
}

void Ecrire_Separateur_Decimal(const QString& Separateur) {
    // Our own texts never depend on the locale (Textes.h); this sets what the widgets use for
    // the rest of the run. The user's regional settings stay as they are.
    if (Separateur == QStringLiteral(".")) {
        QLocale point(QLocale::French, QLocale::France);
        if (point.decimalPoint() != Separateur) point = QLocale::c();
        QLocale::setDefault(point);
    } else {
        QLocale::setDefault(QLocale::system());
    }
}

}  // namespace Global
