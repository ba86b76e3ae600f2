#include "controls/CWNumEdit.h"

#include <QLineEdit>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "core/Textes.h"

namespace {

struct Forme {
    int chiffres_entiers = 1;  // always shown, zeros in front
    int decimales = 0;
};

Forme Lire_Forme(const QString& format) {
    Forme forme;
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const QStringView entiers = point < 0 ? QStringView(format) : QStringView(format).left(point);
    forme.chiffres_entiers = static_cast<int>(entiers.count(QLatin1Char('0')));
    forme.decimales =
        point < 0 ? 0
                  : static_cast<int>(QStringView(format).mid(point + 1).count(QLatin1Char('0')));
    return forme;
}

// What the box holds is far finer than any display format: a single-precision threshold comes
// back exactly.
constexpr int Decimales_Valeur = 9;

bool Marque_Decimale(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

// What the user may have typed on the way to a number: nothing yet, a sign, a lone point.
bool Debut_De_Nombre(const QString& texte) {
    static const QStringList debuts = {
        QString(),           QStringLiteral("-"),  QStringLiteral("+"), QStringLiteral("."),
        QStringLiteral(","), QStringLiteral("-."), QStringLiteral("-,")};
    return debuts.contains(texte);
}

int Nombre_Decimales(const QString& texte) {
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (Marque_Decimale(texte[i])) return static_cast<int>(texte.size() - i - 1);
    }
    return 0;
}

// A number as the user writes one: digits, one point or comma, a sign in front; no exponent.
std::optional<double> Lire_Nombre(const QString& texte) {
    if (texte.contains(QLatin1Char('e'), Qt::CaseInsensitive)) return std::nullopt;
    return Lecture_Double(texte);
}

}  // namespace

CWNumEdit::CWNumEdit(QWidget* parent) : QDoubleSpinBox(parent) {
    setKeyboardTracking(false);  // the value changes when the typing is done, not at each key
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    Definir_Format(format_);
    connect(lineEdit(), &QLineEdit::inputRejected, this, &CWNumEdit::Refuser);
}

void CWNumEdit::Definir_Format(const QString& format) {
    format_ = format;
    decimales_saisie_ = Lire_Forme(format).decimales;
    setDecimals(Decimales_Valeur);
    lineEdit()->setText(textFromValue(value()));
}

QString CWNumEdit::Formater(double valeur, const QString& format) {
    const Forme forme = Lire_Forme(format);
    // Halves to even, as every rounding of the program.
    const double echelle = std::pow(10.0, forme.decimales);
    const double arrondi = std::nearbyint(std::fabs(valeur) * echelle) / echelle;
    const QString chiffres = QString::number(arrondi, 'f', forme.decimales);
    const bool negatif = valeur < 0 && chiffres.toDouble() != 0;  // no "-0.0"
    QString entiers = chiffres.section(QLatin1Char('.'), 0, 0);
    const QString decimales = chiffres.section(QLatin1Char('.'), 1, 1);
    if (entiers == QStringLiteral("0") && forme.chiffres_entiers == 0) entiers.clear();
    entiers = entiers.rightJustified(forme.chiffres_entiers, QLatin1Char('0'));
    QString texte = negatif ? QStringLiteral("-") + entiers : entiers;
    if (forme.decimales > 0) texte += QLatin1Char('.') + decimales;
    return texte;
}

QString CWNumEdit::textFromValue(double valeur) const {
    return Formater(valeur, format_);
}

double CWNumEdit::valueFromText(const QString& texte) const {
    // The text the box wrote itself stands for the value it holds, not for its rounding.
    if (texte == textFromValue(value())) return value();
    return Lire_Nombre(texte.trimmed()).value_or(value());
}

QValidator::State CWNumEdit::validate(QString& texte, int&) const {
    const QString t = texte.trimmed();
    if (Debut_De_Nombre(t)) return QValidator::Intermediate;
    const std::optional<double> nombre = Lire_Nombre(t);
    if (!nombre || Nombre_Decimales(t) > decimales_saisie_) return QValidator::Invalid;
    if (*nombre < minimum() || *nombre > maximum()) return QValidator::Intermediate;
    return QValidator::Acceptable;
}

// A number out of the range goes to the nearest limit.
void CWNumEdit::fixup(QString& texte) const {
    if (const std::optional<double> nombre = Lire_Nombre(texte.trimmed())) {
        texte = textFromValue(std::clamp(*nombre, minimum(), maximum()));
    }
}

bool CWNumEdit::Texte_Lisible() const {
    return Lire_Nombre(lineEdit()->text().trimmed()).has_value();
}

QString CWNumEdit::Texte_Aide() const {
    return QStringLiteral("Saisir un nombre de %1 à %2")
        .arg(Texte_Single(static_cast<float>(minimum())),
             Texte_Single(static_cast<float>(maximum())));
}

void CWNumEdit::Refuser() {
    const QString aide = Texte_Aide();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), aide, this);
    emit Saisie_Refusee(aide);
}
