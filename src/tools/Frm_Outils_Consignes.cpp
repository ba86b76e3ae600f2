// The reading aids of the tools window: setpoint lines at the alarm thresholds, the cursor
// mode, the pan mode and the return to the initial zoom.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "core/Etat.h"
#include "core/Sorties.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Graphique.h"
#include "curves/Interaction_Graphe.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "tools/Frm_Outils.h"

void Frm_Outils::Chk_Consigne_Click() {
    const bool affichees = Chk_Consigne->isChecked();
    Frame_Consigne->setVisible(affichees);
    if (affichees) {
        Affiche_Consignes();
    } else {
        Efface_Consignes();
    }
}

void Frm_Outils::Txt_Consigne_Maxi_Change() {
    Consigne_Change(*Txt_Consigne_Maxi, etat_.Seuil_Haut);
}

void Frm_Outils::Txt_Consigne_Mini_Change() {
    Consigne_Change(*Txt_Consigne_Mini, etat_.Seuil_Bas);
}

// The thresholds belong to the whole program: the programming window proposes them and the
// settings keep them.
void Frm_Outils::Consigne_Change(const QLineEdit& boite, float& seuil) {
    const std::optional<float> valeur = Lecture_Single(boite.text());
    const bool change = valeur && *valeur != seuil;
    if (valeur) seuil = *valeur;
    Efface_Consignes();
    Affiche_Consignes();
    if (change && !seuils_du_programme_) emit Seuils_Changes();
}

void Frm_Outils::Affiche_Seuils() {
    seuils_du_programme_ = true;
    Txt_Consigne_Maxi->setText(Texte_Single(etat_.Seuil_Haut));
    Txt_Consigne_Mini->setText(Texte_Single(etat_.Seuil_Bas));
    seuils_du_programme_ = false;
    if (!Chk_Consigne->isChecked()) Efface_Consignes();
}

// The lines are not redrawn: their values are simply read on the other axis.
void Frm_Outils::Lier_Consignes(int numero_axe, int numero_trace) {
    const QColor couleur = graphe_.Plots(numero_trace).Couleur();
    for (int ligne : {3, 4}) {
        graphe_.Plots(ligne).Definir_Axe_Y(graphe_.Axes(numero_axe));
        graphe_.Plots(ligne).Definir_Couleur(couleur);
    }
}

void Frm_Outils::Opt_C_Click() {
    Lier_Consignes(Numeros_Graphe::YAxis_Temp, Numeros_Graphe::Voie_Temp);
}

void Frm_Outils::Opt_Hr_Click() {
    Lier_Consignes(Numeros_Graphe::YAxis_Hygro, Numeros_Graphe::Voie_Hygro);
}

void Frm_Outils::Chk_Curseur_Click() {
    Curseur_Graphe& temp = graphe_.Cursors(Numeros_Graphe::Cursor_Temp);
    Curseur_Graphe& hygro = graphe_.Cursors(Numeros_Graphe::Cursor_Hygro);
    if (Chk_Curseur->isChecked()) {
        Chk_Pan->setChecked(false);
        graphe_.Definir_Mode_Suivi(Interaction_Graphe::Mode_Curseur);
        // The centre of the current view.
        const double x = (graphe_.Axes(Numeros_Graphe::XAxis).Minimum() +
                          graphe_.Axes(Numeros_Graphe::XAxis).Maximum()) /
                         2;
        const double y = (graphe_.Axes(Numeros_Graphe::YAxis_Temp).Minimum() +
                          graphe_.Axes(Numeros_Graphe::YAxis_Temp).Maximum()) /
                         2;
        temp.Definir_Visible(true);
        temp.Definir_Position(x, y);
        if (Modele_7307()) {
            hygro.Definir_Visible(true);
            hygro.Definir_Position(x, y);
        }
    } else {
        barre_etat_.Afficher_Etat(QStringLiteral("-"));
        temp.Definir_Visible(false);
        if (Modele_7307()) hygro.Definir_Visible(false);
        graphe_.Definir_Mode_Suivi(Interaction_Graphe::Mode_Zoom);
    }
}

void Frm_Outils::Chk_Pan_Click() {
    if (Chk_Pan->isChecked()) {
        Chk_Curseur->setChecked(false);
        graphe_.Definir_Mode_Suivi(Interaction_Graphe::Mode_Panoramique);
    } else {
        graphe_.Definir_Mode_Suivi(Interaction_Graphe::Mode_Zoom);
    }
}

// The boxes and the setpoint lines follow the new view (Suivre_Vue).
void Frm_Outils::Cmd_Zoom_Init_Click() {
    Graphique::Mise_Echelle(etat_, graphe_);
}
