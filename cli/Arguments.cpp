#include "Arguments.h"

#include <algorithm>

#include "core/Textes.h"

Arguments::Arguments(const QStringList& arguments, const QList<Option_Connue>& connues) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QStringLiteral("--")) || a.size() == 2) {
            if (commande_.isEmpty()) {
                commande_ = a;
            } else {
                fichiers_ << a;
            }
            continue;
        }
        QString nom = a.mid(2);
        QString valeur;
        bool valeur_jointe = false;
        if (const qsizetype egal = nom.indexOf(QLatin1Char('=')); egal >= 0) {
            valeur = nom.mid(egal + 1);
            nom.truncate(egal);
            valeur_jointe = true;
        }
        const auto connue = std::find_if(connues.begin(), connues.end(), [&](const auto& o) {
            return nom == QLatin1String(o.nom);
        });
        if (connue == connues.end()) {
            throw Erreur_Usage(QStringLiteral("option inconnue : --%1").arg(nom));
        }
        if (connue->avec_valeur && !valeur_jointe) {
            if (i + 1 >= arguments.size()) {
                throw Erreur_Usage(QStringLiteral("l'option --%1 attend une valeur").arg(nom));
            }
            valeur = arguments[++i];
        } else if (!connue->avec_valeur && valeur_jointe) {
            throw Erreur_Usage(QStringLiteral("l'option --%1 ne prend pas de valeur").arg(nom));
        }
        options_.insert(nom, valeur);
    }
}

int Arguments::Entier(const char* nom) const {
    bool ok = false;
    const int valeur = Valeur(nom).trimmed().toInt(&ok);
    if (!ok) {
        throw Erreur_Usage(QStringLiteral("--%1 : « %2 » n'est pas un nombre entier")
                               .arg(QLatin1String(nom), Valeur(nom)));
    }
    return valeur;
}

float Arguments::Nombre(const char* nom) const {
    const auto valeur = Lecture_Single(Valeur(nom));
    if (!valeur) {
        throw Erreur_Usage(QStringLiteral("--%1 : « %2 » n'est pas un nombre")
                               .arg(QLatin1String(nom), Valeur(nom)));
    }
    return *valeur;
}

void Arguments::Limiter_A(const QList<const char*>& permises, const QString& commande) const {
    for (const QString& nom : options_.keys()) {
        if (nom == QStringLiteral("help") || nom == QStringLiteral("version")) continue;
        if (std::none_of(permises.begin(), permises.end(),
                         [&](const char* p) { return nom == QLatin1String(p); })) {
            throw Erreur_Usage(
                QStringLiteral("l'option --%1 ne s'applique pas à « %2 »").arg(nom, commande));
        }
    }
}
