// The real dialogs: QMessageBox, QFileDialog and the desktop's document viewer.
#pragma once

#include "core/Dialogues.h"

class Dialogues_Qt : public Dialogues {
  public:
    void Message(const QString& texte, Icone icone) override;
    bool Question_Oui_Non(const QString& texte) override;
    QString Fichier_Ouvrir(const Choix_Fichier& choix) override;
    QString Fichier_Sauvegarder(const Choix_Fichier& choix) override;
    QStringList Fichiers_Ouvrir(const Choix_Fichier& choix) override;
    bool Afficher_Document(const QString& chemin) override;
};
