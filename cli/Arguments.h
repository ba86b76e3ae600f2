// The command line of caldrix-cli: a command, its options and its file arguments, read by Qt's
// parser with the options of that command (Options_Commandes.h).
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include "core/Ou_Erreur.h"

// Bad usage (an unknown command or option, a missing or unreadable value), as the step that
// found it words it. It becomes the failure of whatever that step gives back, and travels so up
// to main(), which prints it and exits with Sortie_Usage: `return Mauvais_Usage{texte};`
struct Mauvais_Usage {
    QString message;
    template <typename T>
    operator Ou_Erreur<T>() const {  // NOLINT: any step's failure
        return Ou_Erreur<T>::Echec(message);
    }
};

class Arguments {
  public:
    // `ligne` without the program name; the first word that is no option is the command (and,
    // after archive, the second its action). Refused: an option the command or action does not
    // take, an option given no value or a value it does not take, the same option given two
    // values, an unknown command or action. With --help or --version, or without a command,
    // only what Qt's parser itself refuses is.
    static Ou_Erreur<Arguments> Lire(const QStringList& ligne);

    const QString& Commande() const { return commande_; }
    bool A(const char* nom) const { return options_.contains(QLatin1String(nom)); }
    QString Valeur(const char* nom) const { return options_.value(QLatin1String(nom)); }
    const QStringList& Fichiers() const { return fichiers_; }

    // Typed values; bad usage naming the option when the text is no such number.
    Ou_Erreur<int> Entier(const char* nom) const;
    Ou_Erreur<float> Nombre(const char* nom) const;

  private:
    Arguments() = default;

    QString commande_;
    QMap<QString, QString> options_;
    QStringList fichiers_;
};
