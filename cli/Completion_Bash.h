// The bash completion of caldrix-cli, made at build time from the option tables the command line
// is checked against (Options_Commandes.h), so that the two cannot disagree.
#pragma once

#include <QString>

// `modele` with its markers replaced by what the tables hold:
//   @COMMANDES@             the commands
//   @ACTIONS_ARCHIVE@       the actions of archive
//   @OPTIONS_A_VALEUR@      the options followed by a value ("--port --output ...")
//   @OPTIONS_PAR_COMMANDE@  the arms of a shell `case` that print the options of a command,
//                           or of "archive ACTION"
QString Script_Completion_Bash(const QString& modele);
