// "Statistiques": the figures of the recording over the time range the graph shows, in two
// columns with their units, the thresholds used among them. Built when it opens, like the
// numeric table: to see another range the user opens it again. Its "Rapport PDF…" button asks
// the main window for the report of the same range. A named set of acceptance rules chosen in
// "Critères" judges the whole recording: each rule's value, limit and verdict, and the verdict,
// in words that still read on a black and white photocopy.
#pragma once

#include <functional>
#include <vector>

#include "criteria/Criteres.h"

#include "controls/Fenetre_Chargeable.h"

class CWGraph;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
struct Etat;

class Frm_Statistiques : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    Frm_Statistiques(const Etat& etat, const CWGraph& graphe, std::function<void()> rapport);

    void Form_Load();
    void Cmd_Rapport_Click();
    void Cmd_Fermer_Click();

    // The figures computed again, for a new view or new thresholds.
    void Rafraichir();
    // The rows shown, "label\tvalue" (a message alone when it spans both columns).
    QStringList Lignes() const;
    // The set chosen in "Critères", which the report judges by too; none for "(aucun)".
    const Criteres::Jeu_Criteres* Jeu_Choisi() const;

    QComboBox* Cmb_Criteres;  // "(aucun)", then the sets of criteres.ini
    QLabel* Lbl_Verdict;
    QPushButton* Cmd_Rapport;
    QPushButton* Cmd_Fermer;

  private:
    const Etat& etat_;
    const CWGraph& graphe_;
    std::function<void()> rapport_;
    QGridLayout* grille_;
    QStringList lignes_;
    std::vector<Criteres::Jeu_Criteres> jeux_;

    void Juger();
};
