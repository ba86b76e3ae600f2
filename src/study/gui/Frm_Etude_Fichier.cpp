// The study window's file commands: a study kept in a file of its own, and reopened.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "files/Fichiers_Disque.h"
#include "study/Fichier_Etude.h"
#include "study/gui/Frm_Etude.h"

void Frm_Etude::Btn_Enregistrer_Click() {
    const QString nom = dialogues_.Fichier_Sauvegarder(Dialogues::Choix_Fichier::Dans_Sauvegardes(
        QStringLiteral("Enregistrement de l'étude"), QStringLiteral(".etude")));
    if (!nom.endsWith(QStringLiteral(".etude"))) return;
    const QByteArray octets =
        Etude::Contenu_Etude(Etude::Garder(resultat_, Jeu_Choisi(), horloge_.Maintenant()));
    if (Import_Export::Ecriture_Atomique(nom, octets) != Import_Export::Resultat_Ecriture::Ecrit) {
        dialogues_.Message(QStringLiteral("L'étude %1 n'a pas pu être écrite (dossier absent, "
                                          "disque plein ou protégé). Rien n'a été remplacé.")
                               .arg(QDir::toNativeSeparators(nom)),
                           Dialogues::Icone::Exclamation);
        return;
    }
    setWindowTitle(QStringLiteral("Étude — ") + QFileInfo(nom).fileName());
}

void Frm_Etude::Ouvrir_Etude(const Etude::Etude_Gardee& etude, const QString& nom) {
    if (!pieces_.empty() &&
        !dialogues_.Question_Oui_Non(
            QStringLiteral("L'étude affichée sera remplacée par %1. Continuer ?")
                .arg(QFileInfo(nom).fileName()))) {
        return;
    }
    pieces_.clear();
    QStringList ecarts;
    for (const Etude::Piece& gardee : etude.pieces) {
        const Etude::Piece_Relue relue = Etude::Relire_Piece(gardee);
        if (relue.etat == Etude::Etat_Piece::Absente) {
            ecarts << Etude::Texte_Etat_Piece(gardee, relue.etat);
            continue;
        }
        auto piece = Etude::Charger_Piece(gardee.fichier, relue.octets);
        if (!piece) {
            ecarts << piece.Erreur();
            continue;
        }
        // A changed recording is still shown, marked, and judged as it is now.
        piece->modifiee = relue.etat == Etude::Etat_Piece::Modifiee;
        if (piece->modifiee) ecarts << Etude::Texte_Etat_Piece(gardee, relue.etat);
        const Reussite_Ou_Erreur ajout = Etude::Ajouter_Piece(pieces_, std::move(*piece));
        if (!ajout) ecarts << ajout.Erreur();
    }
    Choisir_Jeu(etude.jeu);
    Recharger();
    setWindowTitle(QStringLiteral("Étude — ") + QFileInfo(nom).fileName());
    if (!ecarts.isEmpty()) {
        dialogues_.Message(QStringLiteral("Étude %1 :\n").arg(QDir::toNativeSeparators(nom)) +
                               ecarts.join(u'\n') +
                               QStringLiteral("\nLe verdict est calculé à nouveau sur les "
                                              "enregistrements tels qu'ils sont aujourd'hui."),
                           Dialogues::Icone::Exclamation);
    }
}

void Frm_Etude::Choisir_Jeu(const Criteres::Jeu_Criteres& jeu) {
    const QSignalBlocker silence(Cmb_Criteres);
    for (std::size_t i = 0; i < jeux_.size(); ++i) {
        if (jeux_[i] == jeu) {
            Cmb_Criteres->setCurrentIndex(static_cast<int>(i) + 1);
            return;
        }
    }
    // The set was changed or deleted since: the study is judged by its own rules, named so.
    jeux_.push_back(jeu);
    Cmb_Criteres->addItem(QStringLiteral("%1 (règles de l'étude)").arg(jeu.nom));
    Cmb_Criteres->setCurrentIndex(Cmb_Criteres->count() - 1);
}
