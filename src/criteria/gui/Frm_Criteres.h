// "Critères d'acceptation": the named sets of rules of criteres.ini, to create, edit, copy and
// delete. Nothing is written before "Enregistrer"; a set whose boxes do not make a set a
// technician could mean is not left until they do.
#pragma once

#include <QStringList>
#include <vector>

#include "controls/Fenetre_Chargeable.h"
#include "criteria/Criteres.h"

class Dialogues;
class Formulaire_Regles;
class QLabel;
class QListWidget;
class QPushButton;

class Frm_Criteres : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    explicit Frm_Criteres(Dialogues& dialogues);

    void Form_Load();
    void Cmd_Nouveau_Click();
    void Cmd_Copier_Click();
    void Cmd_Supprimer_Click();
    void Cmd_Enregistrer_Click();

    QListWidget* Lst_Jeux;
    Formulaire_Regles* Frm_Regles;
    QPushButton* Cmd_Nouveau;
    QPushButton* Cmd_Copier;
    QPushButton* Cmd_Supprimer;
    QPushButton* Cmd_Enregistrer;
    QPushButton* Cmd_Fermer;
    QLabel* Lbl_Etat;

    // The program's end closes the window without asking.
    void Decharger_Fin_Programme() override;

  protected:
    // Closing with sets changed and not written asks first.
    void closeEvent(QCloseEvent* evenement) override;

  private:
    bool Modifies() const;
    // The boxes into the set shown; false, with the reason told, when they do not make one.
    bool Garder_Saisie();
    void Choisir(int rangee);
    void Lst_Jeux_Change(int rangee);
    void Ajouter(Criteres::Jeu_Criteres jeu);
    QString Nom_Libre(const QString& souhaite) const;

    Dialogues& dialogues_;
    std::vector<Criteres::Jeu_Criteres> jeux_;
    int courant_ = -1;
    // The lines of criteres.ini that could not be read when the window opened: writing the
    // file again drops them, which the user is asked about first.
    QStringList refusees_;
    std::vector<Criteres::Jeu_Criteres> enregistres_;  // as criteres.ini holds them
    bool fin_programme_ = false;
};
