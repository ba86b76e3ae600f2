#include "archive/gui/Ouverture_Archive.h"

#include <QLabel>

#include "archive/Archive.h"
#include "core/Dialogues.h"

std::unique_ptr<Archive> Ouvrir_Archive_Fenetre(QLabel& etat, Dialogues& dialogues) {
    auto ouverte = Archive::Ouvrir();
    if (ouverte) return std::move(*ouverte);
    etat.setText(ouverte.Erreur());
    dialogues.Message(QStringLiteral("Les archives ne sont pas accessibles :\n") + ouverte.Erreur(),
                      Dialogues::Icone::Exclamation);
    return nullptr;
}
