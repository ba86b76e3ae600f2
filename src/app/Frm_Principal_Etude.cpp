// "Nouvelle étude…" and "Ouvrir une étude…": the study window, empty or with a kept study.
#include <QDir>

#include "app/Frm_Principal.h"
#include "core/Dialogues.h"
#include "core/Textes.h"
#include "files/Fichiers_Disque.h"
#include "study/Fichier_Etude.h"
#include "study/gui/Frm_Etude.h"

void Frm_Principal::Mnu_Nouvelle_Etude_Click() {
    // One study window: the entry brings back the one open, with its recordings.
    Frm_Etude& fenetre = Fenetre_Etude.Charger(dialogues_, horloge_);
    fenetre.show();
    fenetre.raise();
}

void Frm_Principal::Mnu_Ouvrir_Etude_Click() {
    const QString nom = dialogues_.Fichier_Ouvrir(Dialogues::Choix_Fichier::Dans_Sauvegardes(
        QStringLiteral("Ouverture d'une étude"), QStringLiteral(".etude")));
    if (nom.isEmpty()) return;
    QByteArray octets;
    const Import_Export::Resultat_Lecture lecture = Import_Export::Lecture_Octets(nom, octets);
    if (lecture != Import_Export::Resultat_Lecture::Lu) {
        dialogues_.Message(QStringLiteral("L'étude %1 ne peut pas être lue : %2.")
                               .arg(QDir::toNativeSeparators(nom),
                                    lecture == Import_Export::Resultat_Lecture::Introuvable
                                        ? QStringLiteral("fichier introuvable")
                                        : QStringLiteral("droits du fichier ?")),
                           Dialogues::Icone::Exclamation);
        return;
    }
    const Ou_Erreur<Etude::Etude_Gardee> etude = Etude::Lecture_Contenu_Etude(octets);
    if (!etude) {
        dialogues_.Message(QStringLiteral("%1 n'est pas une étude Caldrix (%2) : rien n'est "
                                          "ouvert.")
                               .arg(QDir::toNativeSeparators(nom), etude.Erreur()),
                           Dialogues::Icone::Exclamation);
        return;
    }
    Frm_Etude& fenetre = Fenetre_Etude.Charger(dialogues_, horloge_);
    fenetre.show();
    fenetre.raise();
    fenetre.Ouvrir_Etude(*etude, nom);
}

void Frm_Principal::Rouvrir_Etude_Archivee(const Etude::Etude_Gardee& etude,
                                           std::vector<Etude::Piece_Relue> pieces) {
    Frm_Etude& fenetre = Fenetre_Etude.Charger(dialogues_, horloge_);
    fenetre.show();
    fenetre.raise();
    fenetre.Rouvrir_Etude(
        etude, std::move(pieces),
        QStringLiteral("« %1 » du %2").arg(etude.jeu.nom, Texte_Date_Heure(etude.date)));
}
