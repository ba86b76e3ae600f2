// The help texts of caldrix-cli.
#pragma once

#include <QString>

// The tool's help, or a command's when `commande` names one.
QString Texte_Aide(const QString& commande);
