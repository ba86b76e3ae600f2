// "Calcul": the choice of the cooking value (pasteurisation, sterilisation or one of the 99
// recipes) and its three coefficients; OK computes it, draws it and writes the result into
// the status line.
#pragma once

#include "controls/Fenetre_Chargeable.h"

class CWGraph;
class Dialogues;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Sortie_Etat;
struct Etat;
struct Maximum_Cuisson;

class Frm_Calcul : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    // `maximum` outlives the window: it holds the last result until the next computation.
    Frm_Calcul(Etat& etat, CWGraph& graphe, Sortie_Etat& barre_etat, Dialogues& dialogues,
               Maximum_Cuisson& maximum);

    // Recipes read again from recettes.ini, the window on pasteurisation.
    void Form_Load();

    void Opt_Pasteurisation_Click();
    void Opt_Sterilisation_Click();
    void Opt_Personalise_Click();
    void Cmb_Recette_Click();
    void Cmd_Ok_Click();
    // The choice that calculation number `numero` stands for (Parametres_Calcul), as the user
    // would make it: opening a file that names a calculation replays it through this.
    void Choisir_Calcul(uint8_t numero);
    void Cmd_Annuler_Click();

    QGroupBox* Frame_Choix_Calcul;
    QLineEdit* Txt_Recette;
    QComboBox* Cmb_Recette;
    QRadioButton* Opt_Pasteurisation;
    QRadioButton* Opt_Sterilisation;
    QRadioButton* Opt_Personalise;
    QPushButton* Cmd_Annuler;
    QPushButton* Cmd_Ok;
    QGroupBox* Frame_Coefficient_calcul;
    QLineEdit* Txt_Temp_Dep;
    QLineEdit* Txt_Valeur_Z;
    QLineEdit* Txt_Temp_Ref;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Lbl_Temp_Depart;
    QLabel* Lbl_Valeur_Z;
    QLabel* Lbl_Temp_Ref;

  private:
    void Construire_Choix();
    void Construire_Coefficients();
    void Choix_Fixe(uint8_t numero);
    void Afficher_Coefficients(uint8_t numero);
    // The three boxes as numbers, or a message naming the first that is not one.
    bool Lire_Coefficients(float& temp_ref, float& valeur_z, float& temp_dep);
    void Affiche_Resultat(const QString& libelle, float temp_ref, float valeur_z, float temp_dep);

    Etat& etat_;
    CWGraph& graphe_;
    Sortie_Etat& barre_etat_;
    Dialogues& dialogues_;
    Maximum_Cuisson& maximum_;
};
