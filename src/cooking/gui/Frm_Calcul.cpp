#include "cooking/gui/Frm_Calcul.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/Controles.h"
#include "controls/Twips.h"
#include "cooking/Calcul_Cuisson.h"
#include "cooking/Parametres_Cuisson.h"
#include "cooking/Resultat_Cuisson.h"
#include "core/Calculs_Fixes.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Sorties.h"
#include "core/Textes.h"
#include "curves/Graphique.h"
#include "files/Import_Export.h"

namespace {}  // namespace

Frm_Calcul::Frm_Calcul(Etat& etat, CWGraph& graphe, Sortie_Etat& barre_etat, Dialogues& dialogues,
                       Maximum_Cuisson& maximum)
    : Fenetre_Chargeable(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      etat_(etat),
      graphe_(graphe),
      barre_etat_(barre_etat),
      dialogues_(dialogues),
      maximum_(maximum) {
    setObjectName(QStringLiteral("Frm_Calcul"));
    setWindowTitle(QStringLiteral("Calcul"));
    setFixedSize(Twips::Taille(5775, 3840));
    Centrer_Sur_Ecran();
    Construire_Choix();
    Construire_Coefficients();

    Cmd_Annuler = Controles::Place<QPushButton>(this, "Cmd_Annuler", QRectF(3000, 3240, 1215, 375));
    Cmd_Annuler->setText(QStringLiteral("Annuler"));
    Cmd_Ok = Controles::Place<QPushButton>(this, "Cmd_Ok", QRectF(4440, 3240, 1215, 375));
    Cmd_Ok->setText(QStringLiteral("OK"));
    Cmd_Ok->setDefault(true);
    connect(Cmd_Ok, &QPushButton::clicked, this, &Frm_Calcul::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &Frm_Calcul::Cmd_Annuler_Click);
}

void Frm_Calcul::Construire_Choix() {
    Frame_Choix_Calcul =
        Controles::Place<QGroupBox>(this, "Frame_Choix_Calcul", QRectF(120, 120, 5535, 1455));
    Frame_Choix_Calcul->setTitle(QStringLiteral("Choix du calcul"));
    Opt_Pasteurisation = Controles::Place<QRadioButton>(Frame_Choix_Calcul, "Opt_Pasteurisation",
                                                        QRectF(120, 300, 1935, 255));
    Opt_Pasteurisation->setText(QString::fromUtf8(Calculs_Fixes::Pasteurisation.Libelle));
    Opt_Sterilisation = Controles::Place<QRadioButton>(Frame_Choix_Calcul, "Opt_Sterilisation",
                                                       QRectF(120, 660, 1935, 255));
    Opt_Sterilisation->setText(QString::fromUtf8(Calculs_Fixes::Sterilisation.Libelle));
    Opt_Personalise = Controles::Place<QRadioButton>(Frame_Choix_Calcul, "Opt_Personalise",
                                                     QRectF(120, 1020, 1935, 255));
    Opt_Personalise->setText(QStringLiteral("Personnalisé"));
    Cmb_Recette =
        Controles::Place<QComboBox>(Frame_Choix_Calcul, "Cmb_Recette", QRectF(2160, 300, 855, 315));
    Txt_Recette = Controles::Place<QLineEdit>(Frame_Choix_Calcul, "Txt_Recette",
                                              QRectF(2160, 960, 3255, 315));

    // Setting an option from code runs its handler, as a click does.
    const auto choisi = [this](QRadioButton* option, void (Frm_Calcul::*gestionnaire)()) {
        connect(option, &QRadioButton::toggled, this, [this, gestionnaire](bool coche) {
            if (coche) (this->*gestionnaire)();
        });
    };
    choisi(Opt_Pasteurisation, &Frm_Calcul::Opt_Pasteurisation_Click);
    choisi(Opt_Sterilisation, &Frm_Calcul::Opt_Sterilisation_Click);
    choisi(Opt_Personalise, &Frm_Calcul::Opt_Personalise_Click);
    connect(Cmb_Recette, &QComboBox::currentIndexChanged, this, &Frm_Calcul::Cmb_Recette_Click);
}

void Frm_Calcul::Construire_Coefficients() {
    Frame_Coefficient_calcul = Controles::Place<QGroupBox>(this, "Frame_Coefficient_calcul",
                                                           QRectF(120, 1680, 5535, 1455));
    Frame_Coefficient_calcul->setTitle(QStringLiteral("Coefficients de calcul"));
    QWidget* f = Frame_Coefficient_calcul;
    Lbl_Temp_Ref = Controles::Place<QLabel>(f, "Lbl_Temp_Ref", QRectF(120, 300, 2295, 255));
    Lbl_Temp_Ref->setText(QStringLiteral("Température référence"));
    Lbl_Valeur_Z = Controles::Place<QLabel>(f, "Lbl_Valeur_Z", QRectF(120, 660, 2295, 255));
    Lbl_Valeur_Z->setText(QStringLiteral("Valeur Z"));
    Lbl_Temp_Depart = Controles::Place<QLabel>(f, "Lbl_Temp_Depart", QRectF(120, 1020, 2295, 255));
    Lbl_Temp_Depart->setText(QStringLiteral("Température départ"));
    Txt_Temp_Ref = Controles::Place<QLineEdit>(f, "Txt_Temp_Ref", QRectF(2520, 270, 1095, 315));
    Txt_Valeur_Z = Controles::Place<QLineEdit>(f, "Txt_Valeur_Z", QRectF(2520, 630, 1095, 315));
    Txt_Temp_Dep = Controles::Place<QLineEdit>(f, "Txt_Temp_Dep", QRectF(2520, 990, 1095, 315));
    Label1 = Controles::Place<QLabel>(f, "Label1", QRectF(3720, 300, 495, 255));
    Label2 = Controles::Place<QLabel>(f, "Label2", QRectF(3720, 660, 495, 255));
    Label3 = Controles::Place<QLabel>(f, "Label3", QRectF(3720, 1020, 495, 255));
    for (QLabel* unite : {Label1, Label2, Label3})
        unite->setText(QStringLiteral("°C"));
}

void Frm_Calcul::Form_Load() {
    Import_Export::Lecture_Recettes(etat_);
    Cmb_Recette->clear();
    for (int k = 1; k <= Nb_Recettes_Max; ++k) {
        Cmb_Recette->addItem(QString::number(etat_.Recettes(k).Numero));
    }
    Cmb_Recette->setCurrentIndex(0);
    Cmb_Recette_Click();
    Opt_Pasteurisation->setChecked(true);
}

void Frm_Calcul::Afficher_Coefficients(uint8_t numero) {
    const auto choix = Parametres_Calcul(etat_, numero);
    if (!choix) return;
    Txt_Temp_Ref->setText(Texte_Single(choix->temp_ref));
    Txt_Valeur_Z->setText(Texte_Single(choix->valeur_z));
    Txt_Temp_Dep->setText(Texte_Single(choix->temp_dep));
}

void Frm_Calcul::Choix_Fixe(uint8_t numero) {
    Frame_Coefficient_calcul->setEnabled(false);
    Cmb_Recette->setEnabled(false);
    Txt_Recette->setEnabled(false);
    Afficher_Coefficients(numero);
}

void Frm_Calcul::Choisir_Calcul(uint8_t numero) {
    if (numero == Calculs_Fixes::Pasteurisation.Num_Recette) {
        Opt_Pasteurisation->setChecked(true);
    } else if (numero == Calculs_Fixes::Sterilisation.Num_Recette) {
        Opt_Sterilisation->setChecked(true);
    } else if (numero >= 1 && numero <= Nb_Recettes_Max) {
        Opt_Personalise->setChecked(true);
        Cmb_Recette->setCurrentIndex(numero - 1);
    }
}

void Frm_Calcul::Opt_Pasteurisation_Click() {
    Choix_Fixe(Calculs_Fixes::Pasteurisation.Num_Recette);
}

void Frm_Calcul::Opt_Sterilisation_Click() {
    Choix_Fixe(Calculs_Fixes::Sterilisation.Num_Recette);
}

void Frm_Calcul::Opt_Personalise_Click() {
    Frame_Coefficient_calcul->setEnabled(true);
    Cmb_Recette->setEnabled(true);
    Txt_Recette->setEnabled(true);
    Cmb_Recette_Click();
}

void Frm_Calcul::Cmb_Recette_Click() {
    const int k = Cmb_Recette->currentIndex() + 1;
    if (k < 1 || k > Nb_Recettes_Max) return;
    Afficher_Coefficients(static_cast<uint8_t>(k));
    Txt_Recette->setText(Parametres_Calcul(etat_, k)->libelle);
}

bool Frm_Calcul::Lire_Coefficients(float& temp_ref, float& valeur_z, float& temp_dep) {
    const struct {
        QLineEdit* boite;
        float& valeur;
        const char* nom;
    } champs[] = {{Txt_Temp_Ref, temp_ref, "La température de référence"},
                  {Txt_Valeur_Z, valeur_z, "La valeur Z"},
                  {Txt_Temp_Dep, temp_dep, "La température de départ"}};
    for (const auto& champ : champs) {
        const auto valeur = Lecture_Single(champ.boite->text());
        if (!valeur) {
            dialogues_.Message(
                QString::fromUtf8(champ.nom) +
                    QStringLiteral(" doit être un nombre : « %1 »").arg(champ.boite->text()),
                Dialogues::Icone::Exclamation);
            champ.boite->setFocus();
            return false;
        }
        champ.valeur = *valeur;
    }
    if (valeur_z == 0.0f) {
        dialogues_.Message(QStringLiteral("La valeur Z ne peut pas être nulle."),
                           Dialogues::Icone::Exclamation);
        Txt_Valeur_Z->setFocus();
        return false;
    }
    return true;
}

void Frm_Calcul::Cmd_Ok_Click() {
    // A recording opened meanwhile may hold nothing to compute: nothing is stored then.
    const QString refus = Refus_Calcul_Cuisson(etat_);
    if (!refus.isEmpty()) {
        dialogues_.Message(refus, Dialogues::Icone::Exclamation);
        return;
    }
    // Nothing is stored or computed until the three coefficients read as numbers.
    float temp_ref = 0, valeur_z = 0, temp_dep = 0;
    if (!Lire_Coefficients(temp_ref, valeur_z, temp_dep)) return;

    QString libelle;
    uint8_t recette = Calculs_Fixes::Pasteurisation.Num_Recette;
    if (Opt_Personalise->isChecked()) {
        const int k = Cmb_Recette->currentIndex() + 1;
        if (k < 1 || k > Nb_Recettes_Max) return;
        Recette& r = etat_.Recettes(k);
        r.Temp_Ref = temp_ref;
        r.Valeur_Z = valeur_z;
        r.Temp_Dep = temp_dep;
        r.Nom = Txt_Recette->text();
        recette = static_cast<uint8_t>(k);
        libelle = Txt_Recette->text();
        if (Import_Export::Ecriture_Recettes(etat_) != Import_Export::Resultat_Ecriture::Ecrit) {
            dialogues_.Message(QStringLiteral("La recette n'a pas pu être enregistrée dans "
                                              "recettes.ini."),
                               Dialogues::Icone::Exclamation);
        }
    } else if (Opt_Pasteurisation->isChecked()) {
        libelle = Opt_Pasteurisation->text();
    } else {
        libelle = Opt_Sterilisation->text();
        recette = Calculs_Fixes::Sterilisation.Num_Recette;
    }

    if (!Calcul_Valeur_Cuisson(etat_, maximum_, temp_ref, valeur_z, temp_dep)) {
        dialogues_.Message(QStringLiteral("Calcul impossible avec ces coefficients : la valeur "
                                          "de cuisson deviendrait infinie."),
                           Dialogues::Icone::Exclamation);
        return;
    }
    etat_.Num_Recette = recette;
    Graphique::Affiche_Courbe_Cuisson(etat_, graphe_);
    Affiche_Resultat(libelle, temp_ref, valeur_z, temp_dep);
    Decharger();
}

void Frm_Calcul::Affiche_Resultat(const QString& libelle, float temp_ref, float valeur_z,
                                  float temp_dep) {
    barre_etat_.Afficher_Etat(
        Texte_Resultat_Cuisson(libelle, maximum_, temp_ref, valeur_z, temp_dep));
}

void Frm_Calcul::Cmd_Annuler_Click() {
    Decharger();
}
