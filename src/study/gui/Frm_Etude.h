// "Étude": several recordings of one cycle (the loggers of one load) side by side. Their curves
// overlaid on one time axis, with a cursor that reads every curve at one instant; a table with
// one row a recording; the set of rules chosen in "Critères" judges each one and the whole load
// (equilibrium, the coldest logger, the verdict in framed capitals). The study can be kept in a
// file of its own and reopened, each recording being read again from its file.
#pragma once

#include <QString>
#include <vector>

#include "controls/Fenetre_Chargeable.h"
#include "criteria/Criteres.h"
#include "study/Etude.h"
#include "study/Pieces_Etude.h"

class Dialogues;
class Frm_Choix_Archives;
class Graphe_Superposition;
class Horloge;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace Etude {
struct Etude_Gardee;
struct Piece_Relue;
}  // namespace Etude

class Frm_Etude : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    Frm_Etude(Dialogues& dialogues, Horloge& horloge);
    ~Frm_Etude() override;

    void Form_Load();
    void Btn_Ajouter_Fichiers_Click();
    void Btn_Ajouter_Archive_Click();
    void Btn_Retirer_Click();
    void Btn_Enregistrer_Click();
    void Btn_Rapport_Click();

    // Adds one recording, read from `fichier` whose bytes are `octets` (`unite` when known
    // elsewhere); false, and the reason told, when it is refused.
    bool Ajouter(const QString& fichier, const QByteArray& octets, const QString& unite);
    // The study kept in the file `nom`, in place of the one shown: every recording read again
    // from its file, and one message naming those missing or changed since.
    void Ouvrir_Etude(const Etude::Etude_Gardee& etude, const QString& nom);
    // The same with its recordings already read again (the archive's copy standing in for a
    // file that changed or went, when the archive holds it); `nom` names the study in the
    // message. False when the user kept the study shown instead.
    bool Rouvrir_Etude(const Etude::Etude_Gardee& etude, std::vector<Etude::Piece_Relue> relues,
                       const QString& nom);

    const Etude::Resultat& Resultat_Etude() const { return resultat_; }
    Fenetre<Frm_Choix_Archives>& Fenetre_Choix_Archives() { return *choix_archives_; }

    QPushButton* Btn_Ajouter_Fichiers;
    QPushButton* Btn_Ajouter_Archive;
    QPushButton* Btn_Retirer;
    QComboBox* Cmb_Criteres;  // "(aucun)", then the sets of criteres.ini
    Graphe_Superposition* Graphe_Etude;
    QCheckBox* Chk_Curseur;
    QCheckBox* Chk_Pan;
    QPushButton* Btn_Zoom_Initial;
    QLabel* Lbl_Curseur;
    QTableWidget* Tbl_Etude;
    QLabel* Lbl_Equilibrage;
    QLabel* Lbl_Verdict;
    QPushButton* Btn_Rapport;
    QPushButton* Btn_Enregistrer;
    QPushButton* Btn_Fermer;

  private:
    void Construire_Commandes();
    // The curves, then the figures and verdicts, once the recordings changed.
    void Recharger();
    // The figures and verdicts for the set chosen now.
    void Juger();
    void Remplir_Tableau(const Criteres::Jeu_Criteres& jeu, bool juge);
    void Lire_Curseur();
    void Choisir_Mode();
    const Criteres::Jeu_Criteres& Jeu_Choisi() const;
    // Selects the set of a kept study: the one of criteres.ini when it still has the same
    // rules, else the kept rules themselves, under their name.
    void Choisir_Jeu(const Criteres::Jeu_Criteres& jeu);
    QString Unite() const;

    Dialogues& dialogues_;
    Horloge& horloge_;
    std::vector<Criteres::Jeu_Criteres> jeux_;
    std::vector<Etude::Piece_Chargee> pieces_;
    Etude::Resultat resultat_;
    std::unique_ptr<Fenetre<Frm_Choix_Archives>> choix_archives_;
};
