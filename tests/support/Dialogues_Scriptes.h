// The dialogs of the tests: every text shown is kept, questions and file dialogs take their
// answers from a script, and nothing ever waits for a click.
#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/Dialogues.h"

class Dialogues_Scriptes : public Dialogues {
  public:
    struct Affichage {
        QString genre;  // "message", "question", "ouvrir", "sauvegarder", "document"
        QString texte;  // the message, or the dialog's title, or the document's path
        Icone icone = Icone::Aucune;
    };

    // Answers, used in order; a question or a dialog with no answer left fails the test,
    // unless a standing answer is set (benchmarks repeat the same command).
    QList<bool> reponses_questions;
    QStringList reponses_fichiers;
    // Answers of the dialogs that open several files at once; with none left, such a dialog
    // takes one answer of reponses_fichiers.
    QList<QStringList> reponses_plusieurs_fichiers;
    std::optional<bool> reponse_permanente;
    std::optional<QString> fichier_permanent;

    QList<Affichage> affichages;
    QList<Choix_Fichier> dialogues_fichiers;

    QStringList Messages() const {
        QStringList textes;
        for (const Affichage& a : affichages)
            if (a.genre == QStringLiteral("message")) textes << a.texte;
        return textes;
    }

    void Message(const QString& texte, Icone icone) override {
        affichages.append({QStringLiteral("message"), texte, icone});
        if (pendant_message) pendant_message();
    }
    bool Question_Oui_Non(const QString& texte) override {
        affichages.append({QStringLiteral("question"), texte, Icone::Aucune});
        return Suivante(reponses_questions, reponse_permanente,
                        QStringLiteral("question sans réponse prévue : ") + texte);
    }
    QString Fichier_Ouvrir(const Choix_Fichier& choix) override {
        return Fichier(QStringLiteral("ouvrir"), choix);
    }
    QStringList Fichiers_Ouvrir(const Choix_Fichier& choix) override {
        if (reponses_plusieurs_fichiers.isEmpty()) return Dialogues::Fichiers_Ouvrir(choix);
        affichages.append({QStringLiteral("ouvrir"), choix.Titre, Icone::Aucune});
        dialogues_fichiers.append(choix);
        return reponses_plusieurs_fichiers.takeFirst();
    }
    QString Fichier_Sauvegarder(const Choix_Fichier& choix) override {
        return Fichier(QStringLiteral("sauvegarder"), choix);
    }
    bool Afficher_Document(const QString& chemin) override {
        affichages.append({QStringLiteral("document"), chemin, Icone::Aucune});
        return document_affichable;
    }

    // Whether a viewer takes the documents handed to the desktop.
    bool document_affichable = true;

    // Runs while a message is "on screen" (what the windows look like at that moment).
    std::function<void()> pendant_message;

  private:
    QString Fichier(const QString& genre, const Choix_Fichier& choix) {
        affichages.append({genre, choix.Titre, Icone::Aucune});
        dialogues_fichiers.append(choix);
        return Suivante(reponses_fichiers, fichier_permanent,
                        QStringLiteral("dialogue de fichier sans réponse prévue : ") + choix.Titre);
    }
    // The next scripted answer, else the standing one; with neither the test fails.
    template <typename T>
    static T Suivante(QList<T>& reponses, const std::optional<T>& permanente,
                      const QString& faute) {
        if (!reponses.isEmpty()) return reponses.takeFirst();
        if (!permanente) ADD_FAILURE() << faute.toStdString();
        return permanente.value_or(T());
    }
};
