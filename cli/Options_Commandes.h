// The options of caldrix-cli and which of them each command takes. The parser of each command
// (Arguments.h) is built from these tables and the shell completion is generated from them, so
// what the completion offers is what the commands accept.
#pragma once

#include <QList>
#include <QString>

struct Option_Connue {
    const char* nom;  // without the leading "--"
    bool avec_valeur;
};

namespace Options_Commandes {

// Every option caldrix-cli knows, without the leading "--".
extern const QList<Option_Connue> Toutes;

// The commands, in the order of the help.
extern const QList<const char*> Commandes;

// The options that only set acceptance rules: study takes them, and report judges the recording
// when one is given (--high, --low and the cooking choice are also what a report draws).
extern const QList<const char*> Regles_Jugees;

struct Options_Permises {
    const char* nom;
    QList<const char*> options;  // besides --help and --version
};
// What each command takes, archive excepted: each of its actions has its own.
extern const QList<Options_Permises> Par_Commande;
// The actions of archive (add, list, export, verify) and what each takes.
extern const QList<Options_Permises> Par_Action_Archive;

// The options `nom` takes in `table`; none when the table does not hold that name.
const QList<const char*>* Permises(const QList<Options_Permises>& table, const QString& nom);

// The options of Toutes that `noms` names, with --help and --version: what the parser of a
// command is built from.
QList<Option_Connue> Options_De(const QList<const char*>& noms);

}  // namespace Options_Commandes
