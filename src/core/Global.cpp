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
// Length of the first line of `texte`, carriage return included.
qsizetype Longueur_Premiere_Ligne(QStringView texte) {
    const qsizetype limite = std::min<qsizetype>(texte.size(), Longueur_Ligne_Max);
    const qsizetype cr = texte.left(limite).indexOf(Retour_Chariot);
    if (cr >= 0) return cr + 1;
    if (texte.size() >= Longueur_Ligne_Max) throw Erreur_Debordement("ligne trop longue");
    return texte.size();
}
}  // namespace

QString Extraire_Ligne(QString& Chaine) {
    if (Chaine.isEmpty()) return {};
    const qsizetype n = Longueur_Premiere_Ligne(Chaine);
    QString ligne = Chaine.left(n);
    Chaine.remove(0, n);
    return ligne;
}

QStringView Lecteur_Lignes::Suivante() {
    if (Fini()) return {};
    const qsizetype n = Longueur_Premiere_Ligne(texte_.mid(position_));
    const QStringView ligne = texte_.mid(position_, n);
    position_ += n;
    return ligne;
}

namespace {
// Reads "&H" + text the way the logger's counts were always read: hexadecimal digits up to the
// first other character; up to 4 digits a signed 16-bit value, 5 to 8 a signed 32-bit one.
int32_t Lecture_Hexa(const QString& texte) {
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
        if (++chiffres > 8) throw Erreur_Conversion("nombre hexadécimal trop long");
        valeur = (valeur << 4) | static_cast<uint32_t>(v);
    }
    if (chiffres <= 4) return static_cast<int16_t>(static_cast<uint16_t>(valeur));
    return static_cast<int32_t>(valeur);
}

void Complete_Zero(QString& mot_bas) {
    if (mot_bas.size() < 5) mot_bas.prepend(QLatin1Char('0'));
}
}  // namespace

double Conversion_Date(const Etat& etat, QString Mot_Haut, QString Mot_Bas, double maintenant) {
    Complete_Zero(Mot_Bas);
    double date = etat.Date_Origine +
                  Lecture_Hexa(Mot_Haut + Mot_Bas) / static_cast<double>(Secondes_Par_Jour);
    if (date > maintenant) {
        Complete_Zero(Mot_Bas);
        date = etat.Date_Origine_Precedente +
               Lecture_Hexa(Mot_Haut + Mot_Bas) / static_cast<double>(Secondes_Par_Jour);
    }
    return date;
}

QString Conversion_Secondes(const Etat& etat, double date) {
    const double secondes = std::nearbyint((date - etat.Date_Origine) * Secondes_Par_Jour);
    if (!(secondes >= std::numeric_limits<int32_t>::min() &&
          secondes <= std::numeric_limits<int32_t>::max())) {
        throw Erreur_Conversion("date hors de l'horloge du logger");
    }
    return QString::number(static_cast<int32_t>(secondes));
}

int16_t Nombre_Reponse(QStringView champ) {
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
            throw Erreur_Conversion("nombre illisible");
        }
    }
    if (!chiffre) throw Erreur_Conversion("nombre illisible");
    const auto valeur = Lecture_Entier(t, INT16_MIN, INT16_MAX);
    if (!valeur) throw Erreur_Conversion("nombre hors limites");
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
