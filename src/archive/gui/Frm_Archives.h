// "Archives": the recordings kept in the archive, newest first, filtered by logger, by a date
// range and by a word of the comment. A double-click opens a recording as "Ouvrir" does;
// "Vérifier" tells which listed recordings' files are missing or changed since archiving;
// "Ajouter des fichiers…" archives older files. The tab "Études" lists the studies kept, newest
// first; a double-click reopens one in the study window, with what became of its files.
#pragma once

#include <QList>
#include <functional>
#include <memory>
#include <vector>

#include "archive/Fiche_Archive.h"
#include "archive/Fiche_Etude.h"
#include "controls/Fenetre_Chargeable.h"
#include "study/Fichier_Etude.h"

class Archive;
class Dialogues;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;

// Reopens a kept study: its recordings as Etude::Relire_Piece found them, in its order.
using Rouvrir_Etude =
    std::function<void(const Etude::Etude_Gardee& etude, std::vector<Etude::Piece_Relue> pieces)>;

class Frm_Archives : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    // `ouvrir` opens a recordings file, with the unit the archive kept for it.
    Frm_Archives(Dialogues& dialogues,
                 std::function<void(const QString& fichier, const QString& unite)> ouvrir,
                 Rouvrir_Etude rouvrir_etude = {});
    ~Frm_Archives() override;

    void Form_Load();
    void Cmd_Rechercher_Click();
    void Cmd_Verifier_Click();
    void Cmd_Ajouter_Click();
    void Lst_Archives_DblClick(int rangee);
    void Lst_Etudes_DblClick(int rangee);

    QLineEdit* Txt_Logger;
    QLineEdit* Txt_Du;
    QLineEdit* Txt_Au;
    QLineEdit* Txt_Texte;
    QPushButton* Cmd_Rechercher;
    QTabWidget* Onglets;
    QTableWidget* Lst_Archives;
    QTableWidget* Lst_Etudes;
    QPushButton* Cmd_Verifier;
    QPushButton* Cmd_Ajouter;
    QPushButton* Cmd_Fermer;
    QLabel* Lbl_Etat;

  private:
    bool Archive_Ouverte();
    void Afficher(const QList<Fiche_Archive>& fiches);
    void Lister_Etudes();

    Dialogues& dialogues_;
    std::function<void(const QString&, const QString&)> ouvrir_;
    Rouvrir_Etude rouvrir_etude_;
    std::unique_ptr<Archive> archive_;
    QList<Fiche_Archive> fiches_;
    QList<Fiche_Etude> etudes_;
};
