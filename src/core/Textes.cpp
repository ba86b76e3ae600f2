#include "core/Textes.h"

#include <QByteArray>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

int64_t Arrondi_Pair(double valeur) {
    // nearbyint follows the current rounding mode, which we never change from "to nearest even".
    return static_cast<int64_t>(std::nearbyint(valeur));
}

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
int64_t Jours_Depuis_1970(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void Civil_Depuis_Jours(int64_t z, int& annee, int& mois, int& jour) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    annee = static_cast<int>(y + (m <= 2));
    mois = static_cast<int>(m);
    jour = static_cast<int>(d);
}

constexpr int64_t Decalage_1899 = 25569;  // days from 30/12/1899 to 01/01/1970

int Jours_Du_Mois(int annee, int mois) {
    static const int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    return mois == 2 && bissextile ? 29 : jours[mois - 1];
}

// Reads 1 to max_chiffres digits at pos; -1 when there are none.
int Lire_Entier(QStringView t, qsizetype& pos, int max_chiffres) {
    int valeur = 0;
    int n = 0;
    while (pos < t.size() && n < max_chiffres && t[pos].isDigit() && t[pos].unicode() < 128) {
        valeur = valeur * 10 + (t[pos].unicode() - '0');
        ++pos;
        ++n;
    }
    return n == 0 ? -1 : valeur;
}

bool Lire_Caractere(QStringView t, qsizetype& pos, char c) {
    if (pos < t.size() && t[pos] == QLatin1Char(c)) {
        ++pos;
        return true;
    }
    return false;
}

// Latin-1 copy of a number text with the comma taken as decimal point; empty if the text
// holds anything a number cannot.
std::optional<QByteArray> Texte_Nombre_Ascii(QStringView texte) {
    const QStringView t = texte.trimmed();
    if (t.isEmpty()) return std::nullopt;
    QByteArray a;
    a.reserve(t.size());
    bool chiffre = false;
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') {
            chiffre = true;
            a.append(static_cast<char>(u));
        } else if (u == '.' || u == ',') {
            a.append('.');
        } else if (u == '+' || u == '-' || u == 'e' || u == 'E') {
            a.append(static_cast<char>(u));
        } else {
            return std::nullopt;
        }
    }
    if (!chiffre) return std::nullopt;
    return a;
}

}  // namespace

double Date_Depuis_Civil(int annee, int mois, int jour, int heure, int minute, int seconde) {
    const int64_t jours =
        Jours_Depuis_1970(annee, static_cast<unsigned>(mois), static_cast<unsigned>(jour)) +
        Decalage_1899;
    return static_cast<double>(jours) +
           static_cast<double>(heure * 3600 + minute * 60 + seconde) / Secondes_Par_Jour;
}

Date_Decomposee Date_Civile(double date) {
    Date_Decomposee d;
    if (!std::isfinite(date) || std::fabs(date) > 3.0e6) return d;
    const int64_t secondes = Arrondi_Pair(date * Secondes_Par_Jour);
    int64_t jours = secondes / Secondes_Par_Jour;
    int64_t reste = secondes % Secondes_Par_Jour;
    if (reste < 0) {
        reste += Secondes_Par_Jour;
        --jours;
    }
    Civil_Depuis_Jours(jours - Decalage_1899, d.annee, d.mois, d.jour);
    d.heure = static_cast<int>(reste / 3600);
    d.minute = static_cast<int>(reste / 60 % 60);
    d.seconde = static_cast<int>(reste % 60);
    return d;
}

namespace {
// Two or four decimal digits, written by hand: these texts are made thousands of times a file.
char* Deux_Chiffres(char* p, int n) {
    *p++ = static_cast<char>('0' + n / 10 % 10);
    *p++ = static_cast<char>('0' + n % 10);
    return p;
}
char* Quatre_Chiffres(char* p, int n) {
    if (n < 0 || n > 9999) n = 0;
    return Deux_Chiffres(Deux_Chiffres(p, n / 100), n % 100);
}
}  // namespace

QString Texte_Date_Heure(double date) {
    const QString texte = Texte_Date(date);
    return texte.size() > 10 ? texte : texte + QStringLiteral(" 00:00:00");
}

QString Texte_Date(double date) {
    const Date_Decomposee d = Date_Civile(date);
    char texte[20];
    char* p = Deux_Chiffres(texte, d.jour);
    *p++ = '/';
    p = Deux_Chiffres(p, d.mois);
    *p++ = '/';
    p = Quatre_Chiffres(p, d.annee);
    if (d.heure != 0 || d.minute != 0 || d.seconde != 0) {
        *p++ = ' ';
        p = Deux_Chiffres(p, d.heure);
        *p++ = ':';
        p = Deux_Chiffres(p, d.minute);
        *p++ = ':';
        p = Deux_Chiffres(p, d.seconde);
    }
    return QString::fromLatin1(texte, p - texte);
}

QString Texte_Date_ISO(double date) {
    const Date_Decomposee d = Date_Civile(date);
    char texte[20];
    char* p = Quatre_Chiffres(texte, d.annee);
    *p++ = '-';
    p = Deux_Chiffres(p, d.mois);
    *p++ = '-';
    p = Deux_Chiffres(p, d.jour);
    *p++ = 'T';
    p = Deux_Chiffres(p, d.heure);
    *p++ = ':';
    p = Deux_Chiffres(p, d.minute);
    *p++ = ':';
    p = Deux_Chiffres(p, d.seconde);
    return QString::fromLatin1(texte, p - texte);
}

std::optional<double> Lecture_Date(QStringView texte) {
    const QStringView t = texte.trimmed();
    qsizetype pos = 0;
    const int jour = Lire_Entier(t, pos, 2);
    if (jour < 0 || !Lire_Caractere(t, pos, '/')) return std::nullopt;
    const int mois = Lire_Entier(t, pos, 2);
    if (mois < 0 || !Lire_Caractere(t, pos, '/')) return std::nullopt;
    const qsizetype debut_annee = pos;
    const int annee = Lire_Entier(t, pos, 4);
    if (annee < 0 || pos - debut_annee != 4) return std::nullopt;
    int heure = 0, minute = 0, seconde = 0;
    if (pos < t.size()) {
        if (!Lire_Caractere(t, pos, ' ')) return std::nullopt;
        while (Lire_Caractere(t, pos, ' ')) {
        }
        heure = Lire_Entier(t, pos, 2);
        if (heure < 0 || !Lire_Caractere(t, pos, ':')) return std::nullopt;
        minute = Lire_Entier(t, pos, 2);
        if (minute < 0) return std::nullopt;
        if (Lire_Caractere(t, pos, ':')) {
            seconde = Lire_Entier(t, pos, 2);
            if (seconde < 0) return std::nullopt;
        }
        if (pos != t.size()) return std::nullopt;
    }
    if (mois < 1 || mois > 12 || annee < 100 || jour < 1 || jour > Jours_Du_Mois(annee, mois) ||
        heure > 23 || minute > 59 || seconde > 59) {
        return std::nullopt;
    }
    return Date_Depuis_Civil(annee, mois, jour, heure, minute, seconde);
}

namespace {
// Exactly `chiffres` digits at pos; -1 otherwise.
int Lire_Chiffres(QStringView t, qsizetype& pos, int chiffres) {
    const qsizetype debut = pos;
    const int valeur = Lire_Entier(t, pos, chiffres);
    return pos - debut == chiffres ? valeur : -1;
}
}  // namespace

std::optional<double> Lecture_Date_ISO(QStringView texte) {
    const QStringView t = texte.trimmed();
    qsizetype pos = 0;
    const int annee = Lire_Chiffres(t, pos, 4);
    if (annee < 0 || !Lire_Caractere(t, pos, '-')) return std::nullopt;
    const int mois = Lire_Chiffres(t, pos, 2);
    if (mois < 0 || !Lire_Caractere(t, pos, '-')) return std::nullopt;
    const int jour = Lire_Chiffres(t, pos, 2);
    if (jour < 0) return std::nullopt;
    int heure = 0, minute = 0, seconde = 0;
    if (pos < t.size()) {
        if (!Lire_Caractere(t, pos, 'T')) {
            if (!Lire_Caractere(t, pos, ' ')) return std::nullopt;
            while (Lire_Caractere(t, pos, ' ')) {
            }
        }
        heure = Lire_Chiffres(t, pos, 2);
        if (heure < 0 || !Lire_Caractere(t, pos, ':')) return std::nullopt;
        minute = Lire_Chiffres(t, pos, 2);
        if (minute < 0) return std::nullopt;
        if (Lire_Caractere(t, pos, ':')) {
            seconde = Lire_Chiffres(t, pos, 2);
            if (seconde < 0) return std::nullopt;
        }
        if (pos != t.size()) return std::nullopt;
    }
    if (mois < 1 || mois > 12 || annee < 100 || jour < 1 || jour > Jours_Du_Mois(annee, mois) ||
        heure > 23 || minute > 59 || seconde > 59) {
        return std::nullopt;
    }
    return Date_Depuis_Civil(annee, mois, jour, heure, minute, seconde);
}

double Date_Depuis_QDateTime(const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime h = moment.time();
    return Date_Depuis_Civil(d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()) +
           h.msec() / 86400000.0;
}

QDateTime QDateTime_Depuis_Date(double date) {
    const Date_Decomposee d = Date_Civile(date);
    return QDateTime(QDate(d.annee, d.mois, d.jour), QTime(d.heure, d.minute, d.seconde));
}

QString Texte_Single(float valeur) {
    if (valeur == 0.0f || !std::isfinite(valeur)) {
        return valeur == 0.0f || std::isnan(valeur) ? QStringLiteral("0") : QString::number(valeur);
    }
    // Logger values are whole tenths: write them straight away, without trying lengths.
    if (std::fabs(valeur) < 100000.0f) {
        const double dixiemes = std::nearbyint(static_cast<double>(valeur) * 10.0);
        if (static_cast<float>(dixiemes / 10.0) == valeur) {
            char texte[16];
            char* fin = texte + sizeof texte;
            char* p = fin;
            auto n = static_cast<long long>(std::fabs(dixiemes));
            if (n % 10 != 0) {
                *--p = static_cast<char>('0' + n % 10);
                *--p = '.';
            }
            n /= 10;
            do {
                *--p = static_cast<char>('0' + n % 10);
                n /= 10;
            } while (n != 0);
            if (valeur < 0) *--p = '-';
            return QString::fromLatin1(p, fin - p);
        }
    }
    // The fewest significant digits that read back as the same single (what to_chars gives),
    // but never more than 7: beyond, the value is rounded to 7 digits.
    char texte[64];
    auto [fin, ec] = std::to_chars(texte, texte + sizeof texte, std::fabs(valeur),
                                   std::chars_format::scientific);
    *fin = 0;
    int chiffres = static_cast<int>(std::strchr(texte, 'e') - texte) - (texte[1] == '.' ? 1 : 0);
    if (ec != std::errc() || chiffres > 7) {
        chiffres = 7;
        std::snprintf(texte, sizeof texte, "%.6e", static_cast<double>(std::fabs(valeur)));
    }
    // Written without exponent, from the rounded digits.
    const char* e = std::strchr(texte, 'e');
    const int exposant = std::atoi(e + 1);
    QString mantisse;
    for (const char* c = texte; c != e; ++c) {
        if (*c >= '0' && *c <= '9') mantisse += QLatin1Char(*c);
    }
    QString resultat;
    if (exposant >= chiffres - 1) {
        resultat = mantisse + QString(exposant - (chiffres - 1), QLatin1Char('0'));
    } else if (exposant >= 0) {
        resultat = mantisse.left(exposant + 1) + QLatin1Char('.') + mantisse.mid(exposant + 1);
    } else {
        resultat = QStringLiteral("0.") + QString(-exposant - 1, QLatin1Char('0')) + mantisse;
    }
    if (resultat.contains(QLatin1Char('.'))) {
        while (resultat.endsWith(QLatin1Char('0')))
            resultat.chop(1);
        if (resultat.endsWith(QLatin1Char('.'))) resultat.chop(1);
    }
    if (valeur < 0) resultat.prepend(QLatin1Char('-'));
    if (resultat == QStringLiteral("-0")) resultat = QStringLiteral("0");
    return resultat;
}

namespace {
// "[-]digits[.digits]" with at most 15 digits: exact as a double, and one division by an exact
// power of ten rounds correctly. Anything else goes to from_chars.
std::optional<double> Lecture_Decimale_Simple(QStringView t) {
    static const double puissances[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    qsizetype i = 0;
    const bool negatif = !t.isEmpty() && t[0] == QLatin1Char('-');
    if (negatif) ++i;
    long long entier = 0;
    int chiffres = 0, decimales = -1;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= '0' && c <= '9') {
            if (++chiffres > 15) return std::nullopt;
            entier = entier * 10 + (c - '0');
            if (decimales >= 0) ++decimales;
        } else if ((c == '.' || c == ',') && decimales < 0) {
            decimales = 0;
        } else {
            return std::nullopt;
        }
    }
    if (chiffres == 0) return std::nullopt;
    const double valeur = static_cast<double>(entier) / puissances[std::max(decimales, 0)];
    return negatif ? -valeur : valeur;
}
}  // namespace

std::optional<double> Lecture_Double(QStringView texte) {
    if (const auto simple = Lecture_Decimale_Simple(texte.trimmed())) return simple;
    const auto ascii = Texte_Nombre_Ascii(texte);
    if (!ascii) return std::nullopt;
    // from_chars reads the point whatever the locale: strtod would follow the one the
    // application takes from the environment and refuse "0.7e2" on a French system.
    const char* debut = ascii->constData();
    const char* const fin = debut + ascii->size();
    if (debut != fin && *debut == '+' && (debut + 1 == fin || debut[1] != '-')) ++debut;
    double valeur = 0;
    const auto [arret, ec] = std::from_chars(debut, fin, valeur);
    if (ec != std::errc() || arret != fin || !std::isfinite(valeur)) return std::nullopt;
    return valeur;
}

std::optional<float> Lecture_Single(QStringView texte) {
    const auto valeur = Lecture_Double(texte);
    if (!valeur || std::fabs(*valeur) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*valeur);
}

std::optional<int64_t> Lecture_Entier(QStringView texte, int64_t minimum, int64_t maximum) {
    const std::optional<double> valeur = Lecture_Double(texte);
    // Checked before rounding: a value far outside the range cannot be held by the rounding.
    if (!valeur || *valeur < static_cast<double>(minimum) - 1 ||
        *valeur > static_cast<double>(maximum) + 1) {
        return std::nullopt;
    }
    const int64_t entier = Arrondi_Pair(*valeur);
    if (entier < minimum || entier > maximum) return std::nullopt;
    return entier;
}
