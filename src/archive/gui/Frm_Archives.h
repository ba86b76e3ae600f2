// "Archives": the recordings kept in the archive, newest first, filtered by logger, by a date
// range and by a word of the comment. A double-click opens a recording as "Ouvrir" does;
// "Vérifier" tells which listed recordings' files are missing or changed since archiving;
// "Ajouter des fichiers…" archives older files.
#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "archive/Fiche_Archive.h"
#include "controls/Fenetre_Chargeable.h"

class Archive;
class Dialogues;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class Frm_Archives : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    // `ouvrir` opens a recordings file in the main window.
    // `ouvrir` opens a recordings file, with the unit the archive kept for it.
    Frm_Archives(Dialogues& dialogues,
                 std::function<void(const QString& fichier, const QString& unite)> ouvrir);
    ~Frm_Archives() override;

    void Form_Load();
    void Cmd_Rechercher_Click();
    void Cmd_Verifier_Click();
    void Cmd_Ajouter_Click();
    void Lst_Archives_DblClick(int rangee);

    QLineEdit* Txt_Logger;
    QLineEdit* Txt_Du;
    QLineEdit* Txt_Au;
    QLineEdit* Txt_Texte;
    QPushButton* Cmd_Rechercher;
    QTableWidget* Lst_Archives;
    QPushButton* Cmd_Verifier;
    QPushButton* Cmd_Ajouter;
    QPushButton* Cmd_Fermer;
    QLabel* Lbl_Etat;

  private:
    bool Archive_Ouverte();
    void Afficher(const QList<Fiche_Archive>& fiches);

    Dialogues& dialogues_;
    std::function<void(const QString&, const QString&)> ouvrir_;
    std::unique_ptr<Archive> archive_;
    QList<Fiche_Archive> fiches_;
};
