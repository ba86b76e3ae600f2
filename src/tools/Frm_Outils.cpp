#include "tools/Frm_Outils.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cmath>

#include "controls/Controles.h"
#include "controls/MaskEdBox.h"
#include "controls/Twips.h"
#include "core/Etat.h"
#include "core/Programme.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Interaction_Graphe.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "tools/Affiche_Valeur_Curseur.h"
#include "tools/Saisie_Nombre.h"
#include "tools/Textes_Outils.h"

namespace {

// The client area as designed, under the menu bar: a tall, narrow panel.
constexpr double Largeur_Client = 2550;
constexpr double Hauteur_Client = 6960;

QGroupBox* Cadre(QWidget* conteneur, const char* nom, const char* titre, QRectF place,
                 int decalage = 0) {
    QGroupBox* cadre = Controles::Place<QGroupBox>(conteneur, nom, place, decalage);
    cadre->setTitle(QString::fromUtf8(titre));
    return cadre;
}

// A "Maxi" or "Mini" frame of a pair, with its number box.
QLineEdit* Boite_Nombre(QGroupBox*& cadre, QWidget* conteneur, const char* nom_cadre,
                        const char* titre, double gauche, double haut, const char* nom_boite) {
    cadre = Cadre(conteneur, nom_cadre, titre, QRectF(gauche, haut, 1065, 660));
    auto* boite = Controles::Place<QLineEdit>(cadre, nom_boite, QRectF(90, 270, 825, 300));
    Saisie_Nombre::Appliquer(*boite);
    return boite;
}

MaskEdBox* Boite_Date(QGroupBox*& cadre, QWidget* conteneur, const char* nom_cadre,
                      const char* titre, double haut, const char* nom_boite) {
    // A full date-time is the widest text of the window: the frames leave it every twip.
    cadre = Cadre(conteneur, nom_cadre, titre, QRectF(45, haut, 2340, 630));
    return Controles::Place<MaskEdBox>(cadre, nom_boite, QRectF(45, 255, 2250, 300));
}

}  // namespace

Frm_Outils::Frm_Outils(Etat& etat, CWGraph& graphe, Sortie_Etat& barre_etat, Dialogues& dialogues)
    : Fenetre_Chargeable(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      etat_(etat),
      graphe_(graphe),
      barre_etat_(barre_etat),
      dialogues_(dialogues) {
    setObjectName(QStringLiteral("Frm_Outils"));
    setWindowTitle(QStringLiteral("Outils"));

    Barre_Menus = new QMenuBar(this);
    Barre_Menus->setObjectName(QStringLiteral("Barre_Menus"));
    Mnu_Fermer = Barre_Menus->addAction(QStringLiteral("Fermer"));
    Mnu_Fermer->setObjectName(QStringLiteral("Mnu_Fermer"));
    const int haut_client = Barre_Menus->sizeHint().height();
    Barre_Menus->setGeometry(0, 0, Twips::Pixels(Largeur_Client), haut_client);
    setFixedSize(Twips::Pixels(Largeur_Client), Twips::Pixels(Hauteur_Client) + haut_client);

    Construire_Echelles(haut_client);
    Construire_Dates(haut_client);
    Construire_Consignes(haut_client);
    Construire_Modes(haut_client);
    Connecter();
}

void Frm_Outils::Construire_Echelles(int haut_client) {
    Frame_Echelles_Temp = Cadre(this, "Frame_Echelles_Temp", "Echelle Température",
                                QRectF(60, 60, 2430, 1005), haut_client);
    Txt_E_T_Maxi = Boite_Nombre(Frame_Ech_T_Max, Frame_Echelles_Temp, "Frame_Ech_T_Max", "Maxi", 90,
                                255, "Txt_E_T_Maxi");
    Txt_E_T_Mini = Boite_Nombre(Frame_Ech_T_Mini, Frame_Echelles_Temp, "Frame_Ech_T_Mini", "Mini",
                                1275, 255, "Txt_E_T_Mini");

    Frame_Echelle_Hygro = Cadre(this, "Frame_Echelle_Hygro", "Echelle Hygrométrie",
                                QRectF(60, 1125, 2430, 1005), haut_client);
    Frame_Echelle_Hygro->hide();
    Txt_E_H_Maxi = Boite_Nombre(Frame_Ech_H_Maxi, Frame_Echelle_Hygro, "Frame_Ech_H_Maxi", "Maxi",
                                90, 255, "Txt_E_H_Maxi");
    Txt_E_H_Mini = Boite_Nombre(Frame_Ech_H_Mini, Frame_Echelle_Hygro, "Frame_Ech_H_Mini", "Mini",
                                1275, 255, "Txt_E_H_Mini");
}

void Frm_Outils::Construire_Dates(int haut_client) {
    Frame_Echelle_Date =
        Cadre(this, "Frame_Echelle_Date", "Dates", QRectF(60, 2190, 2430, 1590), haut_client);
    Msk_Date_Deb = Boite_Date(Frame_Ech_Date_Deb, Frame_Echelle_Date, "Frame_Ech_Date_Deb", "Début",
                              255, "Msk_Date_Deb");
    Msk_Date_Fin = Boite_Date(Frame_Ech_Date_Fin, Frame_Echelle_Date, "Frame_Ech_Date_Fin", "Fin",
                              900, "Msk_Date_Fin");
}

void Frm_Outils::Construire_Consignes(int haut_client) {
    Chk_Consigne = Controles::Place<QCheckBox>(this, "Chk_Consigne", QRectF(120, 3870, 2310, 285),
                                               haut_client);
    Chk_Consigne->setText(QStringLiteral("Affichage Consignes"));

    Frame_Consigne = Cadre(this, "Frame_Consigne", "Affichage consignes",
                           QRectF(60, 4200, 2430, 1350), haut_client);
    Frame_Consigne->hide();
    Opt_Hr = Controles::Place<QRadioButton>(Frame_Consigne, "Opt_Hr", QRectF(1275, 255, 1005, 255));
    Opt_Hr->setText(QStringLiteral("%Hr"));
    Opt_C = Controles::Place<QRadioButton>(Frame_Consigne, "Opt_C", QRectF(120, 255, 1005, 255));
    Opt_C->setText(QStringLiteral("°C"));
    Opt_C->setChecked(true);
    Txt_Consigne_Maxi = Boite_Nombre(Frame_Consigne_Haute, Frame_Consigne, "Frame_Consigne_Haute",
                                     "Maxi", 90, 585, "Txt_Consigne_Maxi");
    Txt_Consigne_Maxi->setText(QStringLiteral("100"));
    Txt_Consigne_Mini = Boite_Nombre(Frame_Consigne_Mini, Frame_Consigne, "Frame_Consigne_Mini",
                                     "Mini", 1275, 585, "Txt_Consigne_Mini");
    Txt_Consigne_Mini->setText(QStringLiteral("0"));
}

void Frm_Outils::Construire_Modes(int haut_client) {
    Chk_Curseur =
        Controles::Place<QCheckBox>(this, "Chk_Curseur", QRectF(120, 5670, 2310, 285), haut_client);
    Chk_Curseur->setText(QStringLiteral("Curseur"));
    Chk_Pan =
        Controles::Place<QCheckBox>(this, "Chk_Pan", QRectF(120, 6030, 2310, 285), haut_client);
    Chk_Pan->setText(QStringLiteral("Panoramique"));
    Cmd_Zoom_Init = Controles::Place<QPushButton>(this, "Cmd_Zoom_Init",
                                                  QRectF(60, 6450, 2430, 405), haut_client);
    Cmd_Zoom_Init->setText(QStringLiteral("Zoom initial"));
}

// Every box runs its handling whenever its text or state changes, typed or written by the
// program; Form_Load relies on it.
void Frm_Outils::Connecter() {
    connect(Mnu_Fermer, &QAction::triggered, this, &Frm_Outils::Mnu_Fermer_Click);
    connect(Txt_E_T_Maxi, &QLineEdit::textChanged, this, &Frm_Outils::Txt_E_T_Maxi_Change);
    connect(Txt_E_T_Mini, &QLineEdit::textChanged, this, &Frm_Outils::Txt_E_T_Mini_Change);
    connect(Txt_E_H_Maxi, &QLineEdit::textChanged, this, &Frm_Outils::Txt_E_H_Maxi_Change);
    connect(Txt_E_H_Mini, &QLineEdit::textChanged, this, &Frm_Outils::Txt_E_H_Mini_Change);
    connect(Msk_Date_Deb, &MaskEdBox::Change, this, &Frm_Outils::Msk_Date_Deb_Change);
    connect(Msk_Date_Fin, &MaskEdBox::Change, this, &Frm_Outils::Msk_Date_Fin_Change);
    connect(Chk_Consigne, &QCheckBox::toggled, this, &Frm_Outils::Chk_Consigne_Click);
    connect(Txt_Consigne_Maxi, &QLineEdit::textChanged, this,
            &Frm_Outils::Txt_Consigne_Maxi_Change);
    connect(Txt_Consigne_Mini, &QLineEdit::textChanged, this,
            &Frm_Outils::Txt_Consigne_Mini_Change);
    connect(Opt_Hr, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi) Opt_Hr_Click();
    });
    connect(Opt_C, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi) Opt_C_Click();
    });
    connect(Chk_Curseur, &QCheckBox::toggled, this, &Frm_Outils::Chk_Curseur_Click);
    connect(Chk_Pan, &QCheckBox::toggled, this, &Frm_Outils::Chk_Pan_Click);
    connect(Cmd_Zoom_Init, &QPushButton::clicked, this, &Frm_Outils::Cmd_Zoom_Init_Click);
    connect(Msk_Date_Deb, &QLineEdit::editingFinished, this, [this] { Verifier_Dates(false); });
    connect(Msk_Date_Fin, &QLineEdit::editingFinished, this, [this] { Verifier_Dates(true); });
    for (int axe : {Numeros_Graphe::XAxis, Numeros_Graphe::YAxis_Temp, Numeros_Graphe::YAxis_Hygro})
        connect(&graphe_.Axes(axe), &Axe_Graphe::Limites_Changees, this, &Frm_Outils::Suivre_Vue);
}

bool Frm_Outils::Modele_7307() const {
    return Est_Modele_7307(etat_.Version_Logger);
}

void Frm_Outils::Form_Load() {
    setWindowTitle(QStringLiteral("Outils ") + Programme::Nom());

    Affiche_Modele();

    // Only the cursor mode is taken up: a graph left panning opens with "Panoramique" unticked.
    if (graphe_.Mode_Suivi() == Interaction_Graphe::Mode_Curseur) Chk_Curseur->setChecked(true);

    // The program writes every date with a four-digit year, so the boxes always take the long
    // layout.
    Msk_Date_Deb->Definir_Format(Textes_Outils::Format_Date_Heure());
    Msk_Date_Deb->Definir_Masque(Textes_Outils::Masque_Date_Heure());
    Msk_Date_Fin->Definir_Format(Textes_Outils::Format_Date_Heure());
    Msk_Date_Fin->Definir_Masque(Textes_Outils::Masque_Date_Heure());

    Affiche_Dates_Echelle();

    // Each write puts the limit back on the graph as a whole number.
    Txt_E_T_Maxi->setText(
        Textes_Outils::Texte_Dixieme(graphe_.Axes(Numeros_Graphe::YAxis_Temp).Maximum()));
    Txt_E_T_Mini->setText(
        Textes_Outils::Texte_Dixieme(graphe_.Axes(Numeros_Graphe::YAxis_Temp).Minimum()));
    Txt_E_H_Maxi->setText(
        Textes_Outils::Texte_Dixieme(graphe_.Axes(Numeros_Graphe::YAxis_Hygro).Maximum()));
    Txt_E_H_Mini->setText(
        Textes_Outils::Texte_Dixieme(graphe_.Axes(Numeros_Graphe::YAxis_Hygro).Minimum()));

    Txt_Consigne_Maxi->setText(Texte_Single(etat_.Seuil_Haut));
    Txt_Consigne_Mini->setText(Texte_Single(etat_.Seuil_Bas));
    Opt_C_Click();
    Efface_Consignes();

    Placer_Au_Bord_Ecran();
}

// Beside the graph rather than over it: along the screen's right edge, halfway down.
void Frm_Outils::Placer_Au_Bord_Ecran() {
    const QScreen* ecran = screen();
    if (!ecran) return;
    const QRect zone = ecran->availableGeometry();
    QRect place = frameGeometry();
    place.moveRight(zone.right());
    place.moveTop(zone.top() + std::max(0, (zone.height() - place.height()) / 2));
    move(place.topLeft());
}

void Frm_Outils::Mnu_Fermer_Click() {
    Decharger();
}

void Frm_Outils::Affiche_Modele() {
    Frame_Echelle_Hygro->setVisible(Global::Seconde_Courbe_Affichee(graphe_));
    Frame_Echelle_Hygro->setTitle(Modele_7307() ? QStringLiteral("Echelle Hygrométrie")
                                                : QStringLiteral("Echelle calcul cuisson"));
    // Lines on the humidity scale only where there is a humidity: on the cooking scale of a
    // 7306 their heights would mean nothing.
    Opt_Hr->setVisible(Modele_7307());
    if (!Modele_7307() && Opt_Hr->isChecked()) Opt_C->setChecked(true);
}

void Frm_Outils::Affiche_Dates_Echelle() {
    const Axe_Graphe& temps = graphe_.Plots(Numeros_Graphe::Voie_Temp).Axe_X();
    // The end the user typed is shown as typed: the second added to it is the view's, and
    // adding it again at the next keystroke would move the end a second each time.
    if (fin_saisie_ &&
        std::abs(temps.Maximum() - (*fin_saisie_ + Une_Seconde)) > Une_Seconde / 100) {
        fin_saisie_.reset();
    }
    const bool deja = vue_ecrite_;
    vue_ecrite_ = true;
    // The box's mask wants the time written out, midnight included.
    Msk_Date_Deb->setText(Texte_Date_Heure(temps.Minimum()));
    Msk_Date_Fin->setText(Texte_Date_Heure(fin_saisie_.value_or(temps.Maximum())));
    vue_ecrite_ = deja;
}

void Frm_Outils::Affiche_Echelles() {
    const std::pair<QLineEdit*, QLineEdit*> cases[] = {{Txt_E_T_Mini, Txt_E_T_Maxi},
                                                       {Txt_E_H_Mini, Txt_E_H_Maxi}};
    const int axes[] = {Numeros_Graphe::YAxis_Temp, Numeros_Graphe::YAxis_Hygro};
    for (int i = 0; i < 2; ++i) {
        const Axe_Graphe& axe = graphe_.Axes(axes[i]);
        cases[i].first->setText(Textes_Outils::Texte_Dixieme(axe.Minimum()));
        cases[i].second->setText(Textes_Outils::Texte_Dixieme(axe.Maximum()));
    }
}

void Frm_Outils::Suivre_Vue() {
    Affiche_Modele();
    if (Chk_Consigne->isChecked()) {
        Efface_Consignes();
        Affiche_Consignes();
    }
    if (vue_par_les_cases_ || vue_ecrite_) return;
    vue_ecrite_ = true;
    Affiche_Dates_Echelle();
    Affiche_Echelles();
    vue_ecrite_ = false;
}

void Frm_Outils::Affiche_Consignes() {
    const Axe_Graphe& temps = graphe_.Axes(Numeros_Graphe::XAxis);
    const double debut = std::min(temps.Minimum(), temps.Maximum());
    const double fin = std::max(temps.Minimum(), temps.Maximum());
    Trace_Graphe& maxi = graphe_.Plots(Numeros_Graphe::Consigne_Maxi);
    Trace_Graphe& mini = graphe_.Plots(Numeros_Graphe::Consigne_Mini);
    maxi.Ajouter_Point(debut, etat_.Seuil_Haut);
    maxi.Ajouter_Point(fin, etat_.Seuil_Haut);
    mini.Ajouter_Point(debut, etat_.Seuil_Bas);
    mini.Ajouter_Point(fin, etat_.Seuil_Bas);
    for (Trace_Graphe* ligne : {&maxi, &mini}) {
        ligne->Definir_Visible(true);
        ligne->Definir_Style_Ligne(Trace_Graphe::Style_Tirets);
    }
}

void Frm_Outils::Efface_Consignes() {
    graphe_.Plots(Numeros_Graphe::Consigne_Maxi).Effacer();
    graphe_.Plots(Numeros_Graphe::Consigne_Mini).Effacer();
    graphe_.Plots(Numeros_Graphe::Consigne_Maxi).Definir_Visible(false);
    graphe_.Plots(Numeros_Graphe::Consigne_Mini).Definir_Visible(false);
}
