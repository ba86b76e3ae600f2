#include "tools/Saisie_Nombre.h"

#include <QLineEdit>
#include <QToolTip>

Saisie_Nombre::Saisie_Nombre(QObject* parent) : QValidator(parent) {}

QValidator::State Saisie_Nombre::validate(QString& texte, int& /*position*/) const {
    bool separateur = false;
    bool chiffre = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        const bool signe = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'));
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            chiffre = true;
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !separateur) {
            separateur = true;
        } else if (!signe) {
            return Invalid;
        }
    }
    // "", "-" or "." may still become a number: the box keeps them and the handlers skip them.
    return chiffre ? Acceptable : Intermediate;
}

QString Saisie_Nombre::Texte_Aide() {
    return QStringLiteral("Saisir un nombre");
}

void Saisie_Nombre::Appliquer(QLineEdit& boite) {
    boite.setValidator(new Saisie_Nombre(&boite));
    QObject::connect(&boite, &QLineEdit::inputRejected, &boite, [&boite] {
        QToolTip::showText(boite.mapToGlobal(QPoint(0, boite.height())), Texte_Aide(), &boite);
    });
}
