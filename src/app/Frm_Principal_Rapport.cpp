// "Statistiques" and "Rapport PDF": the figures and the report of the range the graph shows.
#include <QFileInfo>

#include "app/Barre_Etat.h"
#include "app/Frm_Principal.h"
#include "cooking/Resultat_Cuisson.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "criteria/Evaluation.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Numeros_Graphe.h"
#include "files/Import_Export.h"
#include "printing/Rapport.h"
#include "stats/gui/Frm_Statistiques.h"

void Frm_Principal::Mnu_Statistiques_Click() {
    // Loaded once: choosing the entry again brings the open window back, with the figures of
    // the range shown now.
    const bool chargee = Fenetre_Statistiques.Est_Chargee();
    Frm_Statistiques& fenetre =
        Fenetre_Statistiques.Charger(etat_, *CWGraph_Enreg, [this] { Mnu_Rapport_Click(); });
    if (chargee) fenetre.Rafraichir();
    fenetre.show();
    fenetre.raise();
}

void Frm_Principal::Mnu_Rapport_Click() {
    const QString nom = dialogues_.Fichier_Sauvegarder(Dialogues::Choix_Fichier::Dans_Sauvegardes(
        QStringLiteral("Rapport d'enregistrement"), QStringLiteral(".pdf")));
    if (!nom.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return;

    // The cooking value is computed again on a copy: the curves on screen stay as they are.
    const auto copie = Etat::Nouveau();
    *copie = etat_;
    if (copie->Num_Recette >= 1 && copie->Num_Recette <= Nb_Recettes_Max) {
        Import_Export::Lecture_Recettes(*copie);
    }
    Contenu_Rapport contenu;
    contenu.cuisson = Calcul_Enregistre(*copie);
    contenu.etat = copie.get();
    const Axe_Graphe& temps = CWGraph_Enreg->Axes(Numeros_Graphe::XAxis);
    contenu.vue = Statistiques::Plage{temps.Minimum(), temps.Maximum()};
    contenu.parametres.seuil_haut = etat_.Seuil_Haut;
    contenu.parametres.seuil_bas = etat_.Seuil_Bas;
    contenu.parametres.plage = contenu.vue;
    contenu.edite_le = horloge_.Maintenant();
    // The set the statistics window judges by, judged the same way: the page says what the
    // window says.
    if (const Frm_Statistiques* statistiques = Fenetre_Statistiques.Chargee()) {
        if (const Criteres::Jeu_Criteres* jeu = statistiques->Jeu_Choisi())
            contenu.criteres =
                Criteres_Rapport{*jeu, Criteres::Evaluer_Enregistrement(etat_, *jeu)};
    }
    // The file vouches for the figures only while nothing has changed the recording shown since
    // it was read from it or written to it.
    if (!etat_.Nom_Fichier.isEmpty()) {
        contenu.fichier = etat_.Nom_Fichier;
        contenu.sha256 = Import_Export::Empreinte_Garantie(etat_);
        if (contenu.sha256.isEmpty()) {
            contenu.remarque_fichier =
                QStringLiteral("l'enregistrement affiché n'est plus celui de ce fichier");
        }
    }
    if (Rapport::Ecrire(contenu, nom) != Import_Export::Resultat_Ecriture::Ecrit) {
        dialogues_.Message(QStringLiteral("Le rapport %1 n'a pas pu être écrit (dossier absent, "
                                          "disque plein ou protégé). Rien n'a été remplacé.")
                               .arg(nom),
                           Dialogues::Icone::Exclamation);
        return;
    }
    StatusBar->Afficher_Etat(QStringLiteral("Rapport enregistré dans ") + nom);
}
