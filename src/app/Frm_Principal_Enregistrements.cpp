// The main window's commands on recordings: download, open, save and the cooking value.
#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/Barre_Etat.h"
#include "app/Frm_Patientez.h"
#include "app/Frm_Principal.h"
#include "archive/Archivage.h"
#include "archive/gui/Frm_Archives.h"
#include "cooking/Resultat_Cuisson.h"
#include "cooking/gui/Frm_Calcul.h"
#include "core/Calculs_Fixes.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "criteria/gui/Frm_Criteres.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "files/Import_Export.h"
#include "logger/Communication.h"
#include "logger/Port_Serie.h"
#include "logger/Sequence_Telechargement.h"
#include "logger/gui/Frm_Download.h"

namespace {

Dialogues::Choix_Fichier Choix_Enregistrements(const char* titre, const char* nom) {
    Dialogues::Choix_Fichier choix = Dialogues::Choix_Fichier::Dans_Sauvegardes(
        QString::fromUtf8(titre), QStringLiteral(".txt"));
    choix.Nom = QString::fromUtf8(nom);
    return choix;
}

}  // namespace

void Frm_Principal::Download_Logger_Click() {
    Frm_Download& progression = Fenetre_Download.Charger();
    progression.Affiche_Progress_Bar(true);
    lien_.Definir_Sortie_Progression(&progression);
    // The exchanges let window events through: no second command may start meanwhile.
    menuBar()->setEnabled(false);
    Fonctions_Logger::Comptes_Telechargement comptes;
    const Fonctions_Logger::Resultat resultat =
        Sequence_Telechargement::Telecharger(etat_, lien_, &comptes);
    menuBar()->setEnabled(true);
    lien_.Definir_Sortie_Progression(nullptr);

    const QString erreur =
        QStringLiteral("Le logger ne répond pas - Erreur N° : ") + QString::number(resultat);
    if (resultat != Fonctions_Logger::Fait && comptes.Coupe()) {
        // What came is shown for what it is; nothing is offered for saving nor archived.
        Nouvel_Enregistrement_Telecharge();
        Graphique::Affiche_Courbes(etat_, *CWGraph_Enreg);
        Affiche_Infos_Enreg();
        dialogues_.Message(erreur + QStringLiteral("\nTéléchargement ") +
                               Texte_Incomplet(comptes.recues, comptes.annoncees) +
                               QStringLiteral(" : l'enregistrement n'est pas sauvegardé."),
                           Dialogues::Icone::Exclamation);
        return;
    }
    if (resultat != Fonctions_Logger::Fait) {
        // The previous recording is still in memory and on the graph, untouched.
        if (const std::optional<Echec_Ouverture> echec = lien_.Port().Echec()) {
            dialogues_.Message(echec->Texte(), Dialogues::Icone::Exclamation);
        } else {
            dialogues_.Message(erreur);
        }
        return;
    }
    Nouvel_Enregistrement_Telecharge();
    Graphique::Affiche_Courbes(etat_, *CWGraph_Enreg);
    Affiche_Infos_Enreg();
    progression.Affiche_Progress_Bar(false);
    Fenetre_Download.Decharger();
    repaint();
    if (dialogues_.Question_Oui_Non(QStringLiteral("Voulez vous sauvegarder les données"))) {
        Sauvegarde_Enreg();
    }
}

void Frm_Principal::Nouvel_Enregistrement_Telecharge() {
    telechargement_non_sauve_ = true;
    if (!commentaire_saisi_) etat_.Commentaire.clear();
    if (etat_.Num_Recette == recette_chargee_) etat_.Num_Recette = 0;
    etat_.Nom_Fichier.clear();
    etat_.Empreinte_Fichier.clear();
    etat_.Empreinte_Enregistrement.clear();
}

QString Frm_Principal::Choix_Nom_Sauvegarde() {
    const QString nom = dialogues_.Fichier_Sauvegarder(
        Choix_Enregistrements("Sauvegarde des enregistrements", "Nom du fichier"));
    // A cancelled dialog, or any name not ending exactly in ".txt", saves nothing.
    return Import_Export::Est_Nom_Fichier_Enreg(nom) ? nom : QString();
}

bool Frm_Principal::Ecriture_Enregistrement(const QString& nom) {
    if (Import_Export::Sauvegarde_Fichier_Enreg(etat_, nom) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        dialogues_.Message(QStringLiteral("Le fichier %1 n'a pas pu être écrit (dossier absent, "
                                          "disque plein ou protégé). Rien n'a été remplacé.")
                               .arg(nom),
                           Dialogues::Icone::Exclamation);
        return false;
    }
    telechargement_non_sauve_ = false;
    // The file comes first: an archive out of reach is told, the save stands.
    const Resultat_Ajout archive = Archivage::Archiver_Enregistrement(nom, etat_.Unite);
    if (archive.Bilan == Bilan_Ajout::Echec) {
        dialogues_.Message(archive.Message, Dialogues::Icone::Exclamation);
    }
    return true;
}

void Frm_Principal::Sauvegarde_Enreg() {
    const QString nom = Choix_Nom_Sauvegarde();
    if (!nom.isEmpty()) Ecriture_Enregistrement(nom);
}

void Frm_Principal::Mnu_Save_All_Click() {
    Sauvegarde_Enreg();
}

void Frm_Principal::Mnu_Save_Select_Click() {
    // The measures outside the view are dropped only once there is a file to write them to.
    const QString nom = Choix_Nom_Sauvegarde();
    if (nom.isEmpty()) return;
    Graphique::Selection_Mesures(etat_, *CWGraph_Enreg);
    Ecriture_Enregistrement(nom);
}

void Frm_Principal::Mnu_Ouvrir_Click() {
    const QString nom = dialogues_.Fichier_Ouvrir(
        Choix_Enregistrements("Ouverture d'un fichier d'enregistrements", ""));
    if (Import_Export::Est_Nom_Fichier_Enreg(nom)) Ouvrir_Enregistrement(nom);
}

void Frm_Principal::Mnu_Archives_Click() {
    Frm_Archives& fenetre = Fenetre_Archives.Charger(
        dialogues_,
        [this](const QString& nom, const QString& unite) { Ouvrir_Enregistrement(nom, unite); },
        [this](const Etude::Etude_Gardee& etude, std::vector<Etude::Piece_Relue> pieces) {
            Rouvrir_Etude_Archivee(etude, std::move(pieces));
        });
    fenetre.show();
    fenetre.raise();
}

void Frm_Principal::Mnu_Criteres_Click() {
    Frm_Criteres& fenetre = Fenetre_Criteres.Charger(dialogues_);
    fenetre.show();
    fenetre.raise();
}

void Frm_Principal::Ouvrir_Enregistrement(const QString& nom, const QString& unite) {
    Frm_Patientez& attente = Fenetre_Patientez.Charger();
    attente.show();
    attente.repaint();
    QByteArray octets;
    const Import_Export::Resultat_Lecture lecture =
        Import_Export::Lecture_Fichier_Enreg(etat_, nom, &octets);
    switch (lecture) {
        case Import_Export::Resultat_Lecture::Introuvable:
            dialogues_.Message(QStringLiteral("Nom de fichier introuvable"),
                               Dialogues::Icone::Exclamation);
            Fenetre_Patientez.Decharger();
            return;
        case Import_Export::Resultat_Lecture::Incorrect:
            // What was read before the fault is drawn all the same.
            dialogues_.Message(QStringLiteral("Fichier incorrect!"));
            break;
        case Import_Export::Resultat_Lecture::Lu:
            break;
    }
    etat_.Nom_Fichier = nom;
    etat_.Unite = unite;
    telechargement_non_sauve_ = false;  // the recording shown is no longer the downloaded one
    if (lecture == Import_Export::Resultat_Lecture::Lu) {
        Import_Export::Noter_Fichier_Enreg(etat_, nom, octets);
    }
    Graphique::Affiche_Courbes(etat_, *CWGraph_Enreg);
    Affiche_Infos_Enreg();
    if (lecture == Import_Export::Resultat_Lecture::Lu && Enregistrement_Incomplet(etat_)) {
        dialogues_.Message(
            QStringLiteral("Fichier %1 : enregistrement ").arg(QDir::toNativeSeparators(nom)) +
                Texte_Incomplet(Enregistrements_Lisibles(etat_), Enregistrements_Annonces(etat_)) +
                QLatin1Char('.'),
            Dialogues::Icone::Exclamation);
    }
    Rejouer_Calcul_Cuisson();
    Fenetre_Patientez.Decharger();
}

// The cooking value the file was saved with is computed again, through the cooking window, as
// the user had chosen it.
void Frm_Principal::Rejouer_Calcul_Cuisson() {
    const uint8_t recette = etat_.Num_Recette;
    if (recette < 1 || recette > Calculs_Fixes::Sterilisation.Num_Recette) return;
    Mnu_Calcul_Click();
    // A refused calculation (model 7307, too few measures) was told by the menu's handler: it
    // does nothing more, and a cooking window already open keeps its choice.
    if (!Refus_Calcul_Cuisson(etat_).isEmpty()) return;
    Frm_Calcul* calcul = Fenetre_Calcul.Chargee();
    if (!calcul) return;
    calcul->Choisir_Calcul(recette);
    calcul->Cmd_Ok_Click();
}

void Frm_Principal::Mnu_Calcul_Click() {
    const QString refus = Refus_Calcul_Cuisson(etat_);
    if (!refus.isEmpty()) {
        dialogues_.Message(refus);
        return;
    }
    Frm_Calcul& calcul =
        Fenetre_Calcul.Charger(etat_, *CWGraph_Enreg, *StatusBar, dialogues_, Resultat_Cuisson);
    calcul.show();
    calcul.raise();
}
