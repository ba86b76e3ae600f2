// The command line of caldrix-cli: a command, its options and its file arguments.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <stdexcept>

// Bad usage: an unknown command or option, a missing or unreadable value.
class Erreur_Usage : public std::runtime_error {
  public:
    explicit Erreur_Usage(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

  private:
    QString message_;
};

struct Option_Connue {
    const char* nom;  // without the leading "--"
    bool avec_valeur;
};

class Arguments {
  public:
    // `arguments` without the program name; the first is the command. Throws Erreur_Usage.
    Arguments(const QStringList& arguments, const QList<Option_Connue>& connues);

    const QString& Commande() const { return commande_; }
    bool A(const char* nom) const { return options_.contains(QLatin1String(nom)); }
    QString Valeur(const char* nom) const { return options_.value(QLatin1String(nom)); }
    const QStringList& Fichiers() const { return fichiers_; }

    // Throws Erreur_Usage for the first option given that is not among `permises` (nor --help
    // or --version): an option a command would ignore must not look as if it had been obeyed.
    void Limiter_A(const QList<const char*>& permises, const QString& commande) const;

    // Typed values; throw Erreur_Usage naming the option when the text is no such number.
    int Entier(const char* nom) const;
    float Nombre(const char* nom) const;

  private:
    QString commande_;
    QMap<QString, QString> options_;
    QStringList fichiers_;
};
