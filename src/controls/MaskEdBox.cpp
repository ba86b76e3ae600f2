#include "controls/MaskEdBox.h"

#include <QToolTip>

#include "core/Textes.h"

namespace {

// The display format in Qt's words: in a date "mm" is the month, after hours it is the minutes.
QString Format_Qt(const QString& format) {
    if (format.contains(QLatin1Char('h'), Qt::CaseInsensitive)) return format;
    QString qt = format;
    return qt.replace(QStringLiteral("mm"), QStringLiteral("MM"));
}

}  // namespace

MaskEdBox::MaskEdBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &MaskEdBox::Change);
    connect(this, &QLineEdit::inputRejected, this, &MaskEdBox::Refuser);
}

void MaskEdBox::Definir_Masque(const QString& masque) {
    masque_ = masque;
    // Qt's 9 is a digit too; the underscore marks the places still to fill.
    setInputMask(masque.isEmpty() ? QString() : masque + QStringLiteral(";_"));
}

void MaskEdBox::Definir_Format(const QString& format) {
    format_ = format;
}

void MaskEdBox::Afficher_Date(double date) {
    setText(QDateTime_Depuis_Date(date).toString(Format_Qt(format_)));
}

QString MaskEdBox::Texte_Aide() const {
    return format_.isEmpty() ? QStringLiteral("Saisir des chiffres")
                             : QStringLiteral("Saisir des chiffres, sous la forme ") + format_;
}

void MaskEdBox::Refuser() {
    const QString aide = Texte_Aide();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), aide, this);
    emit Saisie_Refusee(aide);
}
