#include "Arguments.h"

#include <QCommandLineParser>

#include "Options_Commandes.h"
#include "core/Textes.h"

namespace {

// What Qt's parser made of a command line knowing only `options`.
struct Lecture {
    QMap<QString, QStringList> valeurs;  // each option given, with its values
    QStringList mots;                    // the rest: command, action, files
    QStringList inconnues;
    QString erreur;  // Qt's own words, in French with its translation installed
};

Lecture Analyser(const QStringList& ligne, const QList<Option_Connue>& options) {
    QCommandLineParser parseur;
    // "-high 5" is what its writer meant by --high 5; and an unknown "-xyz" is told as one
    // option, not as the letters x, y and z.
    parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option_Connue& o : options) {
        const QString nom = QLatin1String(o.nom);
        parseur.addOption(o.avec_valeur
                              ? QCommandLineOption(nom, QString(), QStringLiteral("valeur"))
                              : QCommandLineOption(nom));
    }
    Lecture lue;
    // The parser skips the first word as the program's name.
    if (!parseur.parse(QStringList(QStringLiteral("caldrix-cli")) + ligne)) {
        lue.erreur = parseur.errorText();
    }
    lue.inconnues = parseur.unknownOptionNames();
    for (const QString& nom : parseur.optionNames()) {
        lue.valeurs.insert(nom, parseur.values(nom));
    }
    lue.mots = parseur.positionalArguments();
    return lue;
}

}  // namespace

Ou_Erreur<Arguments> Arguments::Lire(const QStringList& ligne) {
    // With every option known first, so that a value ("--port 3 info") is not taken for the
    // command.
    Lecture lue = Analyser(ligne, Options_Commandes::Toutes);
    if (!lue.erreur.isEmpty()) return Mauvais_Usage{lue.erreur};
    Arguments a;
    a.commande_ = lue.mots.value(0);
    const bool aide = lue.valeurs.contains(QStringLiteral("help")) ||
                      lue.valeurs.contains(QStringLiteral("version"));
    const bool archive = a.commande_ == QStringLiteral("archive");
    const QString nom = archive ? a.commande_ + QLatin1Char(' ') + lue.mots.value(1) : a.commande_;
    // An unknown command or action is the command's to tell, with the options left unchecked.
    const QList<const char*>* permises =
        archive
            ? Options_Commandes::Permises(Options_Commandes::Par_Action_Archive, lue.mots.value(1))
            : Options_Commandes::Permises(Options_Commandes::Par_Commande, nom);
    if (permises && !aide) {
        // Then with the options of that command alone: one it would ignore must not look as
        // if it had been obeyed.
        lue = Analyser(ligne, Options_Commandes::Options_De(*permises));
        if (!lue.inconnues.isEmpty()) {
            return Mauvais_Usage{QStringLiteral("l'option --%1 ne s'applique pas à « %2 »")
                                     .arg(lue.inconnues.first(), nom)};
        }
        if (!lue.erreur.isEmpty()) return Mauvais_Usage{lue.erreur};
    }
    for (auto o = lue.valeurs.cbegin(); o != lue.valeurs.cend(); ++o) {
        // Two --high in a script would judge against a limit its writer may not have meant:
        // neither is taken.
        if (o->size() > 1) {
            return Mauvais_Usage{QStringLiteral("option donnée deux fois : --") + o.key()};
        }
        a.options_.insert(o.key(), o->value(0));
    }
    a.fichiers_ = lue.mots.mid(1);
    return a;
}

Ou_Erreur<int> Arguments::Entier(const char* nom) const {
    bool ok = false;
    const int valeur = Valeur(nom).trimmed().toInt(&ok);
    if (!ok) {
        return Mauvais_Usage{QStringLiteral("--%1 : « %2 » n'est pas un nombre entier")
                                 .arg(QLatin1String(nom), Valeur(nom))};
    }
    return valeur;
}

Ou_Erreur<float> Arguments::Nombre(const char* nom) const {
    const auto valeur = Lecture_Single(Valeur(nom));
    if (!valeur) {
        return Mauvais_Usage{QStringLiteral("--%1 : « %2 » n'est pas un nombre")
                                 .arg(QLatin1String(nom), Valeur(nom))};
    }
    return *valeur;
}
