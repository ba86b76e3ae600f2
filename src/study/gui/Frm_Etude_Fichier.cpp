// The study window's file commands: a study kept in a file of its own, and reopened.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include "archive/Archive.h"
#include "core/Dialogues.h"
#include "core/Empreinte.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "files/Fichiers_Disque.h"
#include "printing/Rapport_Etude.h"
#include "study/Fichier_Etude.h"
#include "study/gui/Frm_Etude.h"

namespace {

// The study into the archive, with those of its recordings whose files still hold the bytes
// judged (those from the archive are there already); why not, or empty.
QString Garder_Dans_Archives(const Etude::Etude_Gardee& etude,
                             const std::vector<Etude::Piece_Chargee>& pieces) {
    auto archive = Archive::Ouvrir();
    if (!archive) return archive.Erreur();
    QStringList echecs;
    for (const Etude::Piece_Chargee& p : pieces) {
        QByteArray octets;
        if (Import_Export::Lecture_Octets(p.fichier, octets) !=
                Import_Export::Resultat_Lecture::Lu ||
            Empreinte(octets) != p.empreinte) {
            continue;
        }
        const Resultat_Ajout ajout = (*archive)->Ajouter(p.fichier, p.etat->Unite);
        if (ajout.Bilan == Bilan_Ajout::Echec) echecs << ajout.Message;
    }
    const Ou_Erreur<int64_t> gardee = (*archive)->Garder_Etude(etude);
    if (!gardee) echecs << gardee.Erreur();
    return echecs.join(u'\n');
}

}  // namespace

void Frm_Etude::Btn_Enregistrer_Click() {
    const QString nom = dialogues_.Fichier_Sauvegarder(Dialogues::Choix_Fichier::Dans_Sauvegardes(
        QStringLiteral("Enregistrement de l'étude"), QStringLiteral(".etude")));
    if (!nom.endsWith(QStringLiteral(".etude"))) return;
    const Etude::Etude_Gardee etude = Etude::Garder(resultat_, Jeu_Choisi(), horloge_.Maintenant());
    if (Import_Export::Ecriture_Atomique(nom, Etude::Contenu_Etude(etude)) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        dialogues_.Message(QStringLiteral("L'étude %1 n'a pas pu être écrite (dossier absent, "
                                          "disque plein ou protégé). Rien n'a été remplacé.")
                               .arg(QDir::toNativeSeparators(nom)),
                           Dialogues::Icone::Exclamation);
        return;
    }
    setWindowTitle(QStringLiteral("Étude — ") + QFileInfo(nom).fileName());
    // The file comes first, as for a recording: an archive out of reach is only told.
    if (const QString echec = Garder_Dans_Archives(etude, pieces_); !echec.isEmpty()) {
        dialogues_.Message(QStringLiteral("L'étude est enregistrée dans %1, mais elle n'est pas "
                                          "gardée dans les archives :\n")
                                   .arg(QDir::toNativeSeparators(nom)) +
                               echec,
                           Dialogues::Icone::Exclamation);
    }
}

void Frm_Etude::Btn_Rapport_Click() {
    const QString nom = dialogues_.Fichier_Sauvegarder(Dialogues::Choix_Fichier::Dans_Sauvegardes(
        QStringLiteral("Rapport d'étude"), QStringLiteral(".pdf")));
    if (!nom.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return;
    Contenu_Rapport_Etude contenu;
    contenu.resultat = &resultat_;
    contenu.jeu = &Jeu_Choisi();
    for (const Etude::Piece_Chargee& p : pieces_)
        contenu.etats.push_back(p.etat.get());
    contenu.unite = Unite();
    contenu.edite_le = horloge_.Maintenant();
    Import_Export::Cause_Ecriture cause{};
    if (Rapport_Etude::Ecrire(contenu, nom, &cause) != Import_Export::Resultat_Ecriture::Ecrit) {
        dialogues_.Message(
            QStringLiteral("Le rapport %1 n'a pas pu être écrit : %2. Rien n'a été "
                           "remplacé.")
                .arg(QDir::toNativeSeparators(nom), Import_Export::Texte_Cause(cause)),
            Dialogues::Icone::Exclamation);
        return;
    }
    dialogues_.Message(
        QStringLiteral("Rapport d'étude enregistré dans %1").arg(QDir::toNativeSeparators(nom)),
        Dialogues::Icone::Information);
}

void Frm_Etude::Ouvrir_Etude(const Etude::Etude_Gardee& etude, const QString& nom) {
    // A file edited or gone since is shown as the study judged it when the archive holds those
    // bytes; an archive out of reach only means the files are read as they are.
    auto archive = Archive::Ouvrir();
    Etude::Copies_Archivees copies;
    if (archive) {
        copies = [&](const QString& empreinte) -> std::optional<QByteArray> {
            auto copie = (*archive)->Octets_Empreinte(empreinte);
            return copie ? *copie : std::nullopt;
        };
    }
    std::vector<Etude::Piece_Relue> pieces;
    for (const Etude::Piece& gardee : etude.pieces)
        pieces.push_back(Etude::Relire_Piece(gardee, copies));
    if (Rouvrir_Etude(etude, std::move(pieces), QDir::toNativeSeparators(nom))) {
        setWindowTitle(QStringLiteral("Étude — ") + QFileInfo(nom).fileName());
    }
}

bool Frm_Etude::Rouvrir_Etude(const Etude::Etude_Gardee& etude,
                              std::vector<Etude::Piece_Relue> relues, const QString& nom) {
    if (!pieces_.empty() &&
        !dialogues_.Question_Oui_Non(
            QStringLiteral("L'étude affichée sera remplacée par l'étude %1. Continuer ?")
                .arg(nom))) {
        return false;
    }
    pieces_.clear();
    QStringList ecarts;
    bool autre = false;  // a recording shown as it is now, or missing, not as it was judged
    for (std::size_t i = 0; i < etude.pieces.size() && i < relues.size(); ++i) {
        const Etude::Piece& gardee = etude.pieces[i];
        const Etude::Piece_Relue& relue = relues[i];
        const QString ecart = Etude::Texte_Etat_Piece(gardee, relue.etat, relue.copie_archive);
        if (!ecart.isEmpty()) ecarts << ecart;
        if (!ecart.isEmpty() && !relue.copie_archive) autre = true;
        if (relue.etat == Etude::Etat_Piece::Absente && !relue.copie_archive) continue;
        auto piece = Etude::Charger_Piece(gardee.fichier, relue.octets);
        if (!piece) {
            ecarts << piece.Erreur();
            autre = true;
            continue;
        }
        // A changed recording is still shown, marked, and judged as it is now.
        piece->modifiee = piece->empreinte != gardee.empreinte;
        const Reussite_Ou_Erreur ajout = Etude::Ajouter_Piece(pieces_, std::move(*piece));
        if (!ajout) {
            ecarts << ajout.Erreur();
            autre = true;
        }
    }
    Choisir_Jeu(etude.jeu);
    Recharger();
    setWindowTitle(QStringLiteral("Étude — ") + etude.jeu.nom);
    if (!ecarts.isEmpty()) {
        const QString suite =
            autre ? QStringLiteral(
                        "Le verdict est calculé à nouveau sur les enregistrements tels "
                        "qu'ils sont aujourd'hui.")
                  : QStringLiteral("Les enregistrements montrés sont ceux que l'étude a jugés.");
        dialogues_.Message(
            QStringLiteral("Étude %1 :\n").arg(nom) + ecarts.join(u'\n') + u'\n' + suite,
            Dialogues::Icone::Exclamation);
    }
    return true;
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
