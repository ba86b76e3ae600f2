#include "tools/Textes_Outils.h"

#include <cmath>
#include <limits>

#include "core/Textes.h"

namespace Textes_Outils {

namespace {

// Beyond this, ten times the value no longer fits the whole numbers Arrondi_Pair works with,
// and a tenth is far below what a double can tell apart anyway.
constexpr double Limite_Arrondi = 1e15;

}  // namespace

double Arrondi_Dixieme(double valeur) {
    if (!std::isfinite(valeur) || std::abs(valeur) > Limite_Arrondi) return valeur;
    const double arrondi = static_cast<double>(Arrondi_Pair(valeur * 10)) / 10;
    return arrondi == 0 ? 0.0 : arrondi;  // never "-0"
}

QString Texte_Dixieme(double valeur) {
    const double arrondi = Arrondi_Dixieme(valeur);
    // Seven significant digits cover every measure and axis limit of a logger; beyond that the
    // double's own shortest form keeps the text exact.
    if (std::abs(arrondi) < 1e6) return Texte_Single(static_cast<float>(arrondi));
    if (arrondi == std::floor(arrondi)) return QString::number(static_cast<int64_t>(arrondi));
    return QString::number(arrondi, 'f', 1);
}

QString Format_Date_Heure() {
    return QStringLiteral("dd/mm/yyyy hh:mm:ss");
}

QString Masque_Date_Heure() {
    return QStringLiteral("99/99/9999 99:99:99");
}

std::optional<double> Lecture_Date_Heure(QStringView texte) {
    const QString masque = Masque_Date_Heure();
    if (texte.size() != masque.size()) return std::nullopt;
    for (qsizetype i = 0; i < masque.size(); ++i) {
        const bool chiffre = masque.at(i) == QLatin1Char('9');
        if (chiffre ? !texte.at(i).isDigit() || texte.at(i).unicode() > '9'
                    : texte.at(i) != masque.at(i)) {
            return std::nullopt;
        }
    }
    return Lecture_Date(texte);
}

}  // namespace Textes_Outils
