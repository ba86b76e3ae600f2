// The boxes of one set of acceptance rules: each rule has its box to tick and its limits, so a
// technician never writes the sets file's syntax. Reads a set into the boxes and the boxes back
// into a set, refusing what no technician could mean with the rules' own words.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "core/Ou_Erreur.h"
#include "criteria/Criteres.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class Formulaire_Regles : public QWidget {
    Q_OBJECT
  public:
    explicit Formulaire_Regles(QWidget* parent = nullptr);

    void Afficher(const Criteres::Jeu_Criteres& jeu);
    Ou_Erreur<Criteres::Jeu_Criteres> Lire() const;

    // One band rule: seuil_haut, seuil_bas, hygro_haut, hygro_bas in that order.
    struct Ligne_Seuil {
        QCheckBox* Chk;
        QLineEdit* Txt_Limite;
        QComboBox* Cmb_Mode;
        QLineEdit* Txt_Duree;
    };
    QLineEdit* Txt_Nom;
    std::array<Ligne_Seuil, 4> Seuils;
    QCheckBox* Chk_Maintien;
    QLineEdit* Txt_Maintien;
    QLineEdit* Txt_Maintien_Duree;
    QCheckBox* Chk_Cuisson;
    QComboBox* Cmb_Cuisson;
    QLineEdit* Txt_Recette;
    QLineEdit* Txt_Cuisson_Min;
    QCheckBox* Chk_Mkt;
    QLineEdit* Txt_Mkt;
    QCheckBox* Chk_Equilibrage;
    QLineEdit* Txt_Equilibrage;

  private:
    void Griser();
};
