// Everything the program asks of the user, or hands to the desktop, goes through here: message
// boxes, Yes/No questions, the open and save dialogs, and the manual. The real one shows Qt's
// boxes; the tests answer from a script and keep every text shown, so no test waits on a box.
#pragma once

#include <QString>
#include <QStringList>

#include "core/Dossier_Programme.h"

class Dialogues {
  public:
    enum class Icone { Aucune, Exclamation, Information, Critique };

    // What the file dialog is set to before it is shown.
    struct Choix_Fichier {
        QString Titre;
        QString Dossier_Initial;
        QString Filtre;  // "(*.txt)|*.txt": description, bar, pattern
        QString Extension_Defaut;
        QString Nom;

        // The program's files are chosen in Sauvegardes, of one extension (".txt", ".pdf").
        static Choix_Fichier Dans_Sauvegardes(const QString& titre, const QString& extension) {
            return {titre, Dossier_Programme::Fichier(QStringLiteral("Sauvegardes")),
                    QStringLiteral("(*%1)|*%1").arg(extension), extension, QString()};
        }
    };

    virtual ~Dialogues() = default;

    // A message with an OK button only.
    virtual void Message(const QString& texte, Icone icone = Icone::Aucune) = 0;
    // Yes and No buttons; true for Yes.
    virtual bool Question_Oui_Non(const QString& texte) = 0;
    // The name chosen, or an empty text when the dialog was cancelled.
    virtual QString Fichier_Ouvrir(const Choix_Fichier& choix) = 0;
    virtual QString Fichier_Sauvegarder(const Choix_Fichier& choix) = 0;
    // Several files at once; none when cancelled.
    virtual QStringList Fichiers_Ouvrir(const Choix_Fichier& choix) {
        const QString nom = Fichier_Ouvrir(choix);
        return nom.isEmpty() ? QStringList() : QStringList{nom};
    }
    // Hands a document to the desktop's viewer, without waiting for it; false when no viewer
    // took it.
    virtual bool Afficher_Document(const QString& chemin) = 0;
};
