#include "app/Frm_Principal.h"

#include "app/Frm_Choix_Comm.h"
#include "app/Frm_Patientez.h"
#include "app/Frm_Velor.h"
#include "archive/gui/Frm_Archives.h"
#include "cooking/gui/Frm_Calcul.h"
#include "criteria/gui/Frm_Criteres.h"
#include "logger/gui/Frm_Download.h"
#include "logger/gui/Frm_UpLoad.h"
#include "stats/gui/Frm_Statistiques.h"
#include "study/gui/Frm_Etude.h"
#include "table/Frm_Num_Data.h"
#include "tools/Frm_Outils.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QtMath>

#include "app/Barre_Etat.h"
#include "app/Installation.h"
#include "controls/Controles.h"
#include "controls/Twips.h"
#include "core/Dialogues.h"
#include "core/Dossier_Programme.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Horloge.h"
#include "core/Programme.h"
#include "curves/CWGraph.h"
#include "curves/Graphique.h"
#include "files/Import_Export.h"
#include "logger/Communication.h"
#include "logger/Port_Serie.h"
#include "printing/Imprimante_Systeme.h"

namespace {

// The comment box keeps its design height whatever the window's size.
constexpr double Hauteur_Commentaire_Twips = 375;

QFont Police_Fenetre() {
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(8.25);
    police.setBold(true);
    return police;
}

}  // namespace

Frm_Principal::Disposition Frm_Principal::Calcul_Disposition(double W, double H) {
    Disposition d{};
    d.Graphe_Gauche = 0.01 * W;
    d.Graphe_Haut = 0.01 * H;
    d.Graphe_Largeur = 0.97 * W;
    d.Graphe_Hauteur = 0.8 * H;
    d.Commentaire_Gauche = 0.01 * W;
    d.Commentaire_Haut = d.Graphe_Hauteur + 0.01 * H;
    d.Commentaire_Largeur = 0.97 * W;
    return d;
}

Frm_Principal::Frm_Principal(Etat& etat, Communication& lien, Dialogues& dialogues)
    : etat_(etat),
      lien_(lien),
      horloge_(lien.Horloge_Lien()),
      dialogues_(dialogues),
      imprimante_(std::make_unique<Imprimante_Systeme>()) {
    setObjectName(QStringLiteral("Frm_Principal"));
    auto* zone = new QWidget(this);
    zone->setObjectName(QStringLiteral("Zone_Client"));
    setCentralWidget(zone);

    Txt_Commentaire = new QLineEdit(QStringLiteral("Commentaires"), zone);
    Txt_Commentaire->setObjectName(QStringLiteral("Txt_Commentaire"));
    Txt_Commentaire->setFont(Police_Fenetre());
    Txt_Commentaire->setGeometry(Twips::Rectangle(120, 6120, 10215, Hauteur_Commentaire_Twips));

    Construire_Menus(*menuBar());

    StatusBar = new Barre_Etat(this);
    setStatusBar(StatusBar);

    CWGraph_Enreg = new CWGraph(zone);
    CWGraph_Enreg->setObjectName(QStringLiteral("CWGraph_Enreg"));
    CWGraph_Enreg->setGeometry(Twips::Rectangle(120, 360, 10215, 5655));

    // The graph takes 97 % of the width and 80 % of the height, and cannot be smaller than its
    // own minimum.
    setMinimumSize(qCeil(CWGraph::Largeur_Minimum / 0.97) + 1,
                   qCeil(CWGraph::Hauteur_Minimum / 0.8) + 90);
    // The client area of the design, under the menu bar.
    resize(Twips::Pixels(10455), Twips::Pixels(6975) + menuBar()->sizeHint().height());

    lien_.Definir_Sortie_Etat(StatusBar);
    connect(Txt_Commentaire, &QLineEdit::textChanged, this, &Frm_Principal::Txt_Commentaire_Change);
    // Only the user's typing makes the comment one to keep for the next download.
    connect(Txt_Commentaire, &QLineEdit::textEdited, this, [this] { commentaire_saisi_ = true; });
    Connecter_Menus();
}

Frm_Principal::~Frm_Principal() {
    lien_.Definir_Sortie_Etat(nullptr);
}

void Frm_Principal::Connecter_Menus() {
    connect(Mnu_Quitter, &QAction::triggered, this, &Frm_Principal::Mnu_Quitter_Click);
    connect(Mnu_Comm, &QAction::triggered, this, &Frm_Principal::Mnu_Comm_Click);
    connect(Mnu_Doc, &QAction::triggered, this, &Frm_Principal::Mnu_Doc_Click);
    connect(Mnu_Propos, &QAction::triggered, this, &Frm_Principal::Mnu_Propos_Click);
    connect(Download_Logger, &QAction::triggered, this, &Frm_Principal::Download_Logger_Click);
    connect(Mnu_Ouvrir, &QAction::triggered, this, &Frm_Principal::Mnu_Ouvrir_Click);
    connect(Mnu_Archives, &QAction::triggered, this, &Frm_Principal::Mnu_Archives_Click);
    connect(Mnu_Criteres, &QAction::triggered, this, &Frm_Principal::Mnu_Criteres_Click);
    connect(Mnu_Nouvelle_Etude, &QAction::triggered, this,
            &Frm_Principal::Mnu_Nouvelle_Etude_Click);
    connect(Mnu_Ouvrir_Etude, &QAction::triggered, this, &Frm_Principal::Mnu_Ouvrir_Etude_Click);
    connect(Mnu_Save_All, &QAction::triggered, this, &Frm_Principal::Mnu_Save_All_Click);
    connect(Mnu_Save_Select, &QAction::triggered, this, &Frm_Principal::Mnu_Save_Select_Click);
    connect(Mnu_Calcul, &QAction::triggered, this, &Frm_Principal::Mnu_Calcul_Click);
    connect(Mnu_Programmation, &QAction::triggered, this, &Frm_Principal::Mnu_Programmation_Click);
    connect(Mnu_Num_Data, &QAction::triggered, this, &Frm_Principal::Mnu_Num_Data_Click);
    connect(Mnu_Graph, &QAction::triggered, this, &Frm_Principal::Mnu_Graph_Click);
    connect(Mnu_Num, &QAction::triggered, this, &Frm_Principal::Mnu_Num_Click);
    connect(Mnu_Tools, &QAction::triggered, this, &Frm_Principal::Mnu_Tools_Click);
    connect(Mnu_Statistiques, &QAction::triggered, this, &Frm_Principal::Mnu_Statistiques_Click);
    connect(Mnu_Rapport, &QAction::triggered, this, &Frm_Principal::Mnu_Rapport_Click);
    connect(CWGraph_Enreg, &CWGraph::Pointeur_Zone_Trace, this,
            &Frm_Principal::CWGraph_Enreg_Pointeur_Zone_Trace);
}

void Frm_Principal::Form_Load() {
    Frm_Velor& ecran = Fenetre_Velor.Charger();
    ecran.show();
    ecran.repaint();
    horloge_.Traiter_Evenements();

    Origines_Horloge(etat_, horloge_.Maintenant());

    switch (Import_Export::Lecture_Conf(etat_)) {
        case Import_Export::Resultat_Lecture::Introuvable:
            dialogues_.Message(
                QStringLiteral("Un fichier est manquant, réinstaller l'application !"));
            break;
        case Import_Export::Resultat_Lecture::Incorrect:
            dialogues_.Message(QStringLiteral("Le fichier %1 ne peut pas être lu : les réglages "
                                              "par défaut sont utilisés.")
                                   .arg(Dossier_Programme::Fichier(QStringLiteral("Conf.ini"))));
            break;
        case Import_Export::Resultat_Lecture::Lu:
            break;
    }

    if (lien_.Ouverture_Port(etat_.Num_Port) == 0) {
        StatusBar->Afficher_Etat(QStringLiteral("Enregistreur connecté com") +
                                 QString::number(etat_.Num_Port));
    } else if (const std::optional<Echec_Ouverture> echec = lien_.Port().Echec()) {
        // A port that did not open says why in a few words; the download says it in full.
        StatusBar->Afficher_Etat(QStringLiteral("Enregistreur non connecté : ") +
                                 echec->Texte_Court());
    } else {
        StatusBar->Afficher_Etat(QStringLiteral("Enregistreur non connecté"));
    }

    horloge_.Attendre(Communication::Pause_Avant_Echange);
    setWindowTitle(Programme::Nom_Version());
    Graphique::Init_Graphique(*CWGraph_Enreg, horloge_.Maintenant());

    Controles::Centrer_Sur_Ecran(*this);
    show();
    repaint();

    etat_.Separateur_Decimal = Global::Lire_Separateur_Decimal();
    if (etat_.Separateur_Decimal == QStringLiteral(",")) {
        Global::Ecrire_Separateur_Decimal(QStringLiteral("."));
    }

    Fenetre_Velor.Decharger();
}

void Frm_Principal::resizeEvent(QResizeEvent* evenement) {
    QMainWindow::resizeEvent(evenement);
    Form_Resize();
}

// Each edge goes to its nearest pixel, so the comment box starts exactly at the graph's lower
// edge whatever the fractions.
void Frm_Principal::Form_Resize() {
    const Disposition d = Calcul_Disposition(width(), height());
    const auto bord = [](double position) { return qRound(position); };
    CWGraph_Enreg->setGeometry(QRect(QPoint(bord(d.Graphe_Gauche), bord(d.Graphe_Haut)),
                                     QPoint(bord(d.Graphe_Gauche + d.Graphe_Largeur) - 1,
                                            bord(d.Graphe_Haut + d.Graphe_Hauteur) - 1)));
    Txt_Commentaire->setGeometry(
        bord(d.Commentaire_Gauche), bord(d.Commentaire_Haut),
        bord(d.Commentaire_Gauche + d.Commentaire_Largeur) - bord(d.Commentaire_Gauche),
        Txt_Commentaire->height());
}

void Frm_Principal::closeEvent(QCloseEvent* evenement) {
    // The logger keeps its measures only until it is programmed again.
    if (!dechargee_ && telechargement_non_sauve_ &&
        !dialogues_.Question_Oui_Non(QStringLiteral(
            "L'enregistrement téléchargé n'a pas été sauvegardé. Quitter quand même ?"))) {
        evenement->ignore();
        return;
    }
    Form_Unload();
    evenement->accept();
}

void Frm_Principal::Form_Unload() {
    if (dechargee_) return;
    dechargee_ = true;
    if (Import_Export::Ecriture_Conf(etat_) != Import_Export::Resultat_Ecriture::Ecrit) {
        // Without this the port and thresholds of this session would be lost without a word.
        dialogues_.Message(QStringLiteral("Les réglages n'ont pas pu être enregistrés dans %1.")
                               .arg(QDir::toNativeSeparators(
                                   Dossier_Programme::Fichier(QStringLiteral("Conf.ini")))),
                           Dialogues::Icone::Exclamation);
    }
    lien_.Fermeture_Port();
    Global::Ecrire_Separateur_Decimal(etat_.Separateur_Decimal);
    Decharger_Fenetres();
}

// The other windows, in the order the shutdown unloads them; those not loaded are left alone.
void Frm_Principal::Decharger_Fenetres() {
    Fenetre_Outils.Decharger_Fin_Programme();
    Fenetre_UpLoad.Decharger_Fin_Programme();
    Fenetre_Download.Decharger_Fin_Programme();
    Fenetre_Num_Data.Decharger_Fin_Programme();
    Fenetre_Choix_Comm.Decharger_Fin_Programme();
    Fenetre_Velor.Decharger_Fin_Programme();
    Fenetre_Calcul.Decharger_Fin_Programme();
    Fenetre_Patientez.Decharger_Fin_Programme();
    Fenetre_Statistiques.Decharger_Fin_Programme();
    Fenetre_Archives.Decharger_Fin_Programme();
    Fenetre_Criteres.Decharger_Fin_Programme();
    Fenetre_Etude.Decharger_Fin_Programme();
}

void Frm_Principal::Txt_Commentaire_Change() {
    etat_.Commentaire = Txt_Commentaire->text();
}

void Frm_Principal::Affiche_Infos_Enreg() {
    CWGraph_Enreg->Definir_Legende(etat_.Identite_Logger);
    StatusBar->Afficher_Etat(QStringLiteral("Nombre de mesures : ") +
                             QString::number(etat_.Nb_Mesures));
    Txt_Commentaire->setText(etat_.Commentaire);
    // The recording shown is a new one: its comment and cooking choice are its own.
    commentaire_saisi_ = false;
    recette_chargee_ = etat_.Num_Recette;
}

void Frm_Principal::Mnu_Quitter_Click() {
    close();
}

void Frm_Principal::Mnu_Comm_Click() {
    Frm_Choix_Comm& fenetre = Fenetre_Choix_Comm.Charger(etat_, lien_, dialogues_);
    fenetre.show();
    fenetre.raise();
}

void Frm_Principal::Mnu_Doc_Click() {
    const QString manuel = Dossier_Programme::Fichier(QLatin1String(Installation::Nom_Manuel));
    // A desktop with no browser for it would otherwise leave the user waiting for nothing.
    if (!dialogues_.Afficher_Document(manuel)) {
        dialogues_.Message(QStringLiteral("Le manuel n'a pas pu être ouvert : aucun programme du "
                                          "poste n'affiche %1.")
                               .arg(QDir::toNativeSeparators(manuel)),
                           Dialogues::Icone::Exclamation);
    }
}

void Frm_Principal::Mnu_Propos_Click() {
    Frm_Velor& fenetre = Fenetre_Velor.Charger();
    fenetre.show();
    fenetre.raise();
    fenetre.repaint();
}
