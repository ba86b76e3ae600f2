// The recordings of the archive, newest first, to pick some for a study: several rows selected,
// then "Ajouter à l'étude". Each one comes with the archive's own copy of its bytes, checked
// against its SHA-256, so what the study judges is what was archived.
#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "archive/Fiche_Archive.h"
#include "controls/Fenetre_Chargeable.h"

class Archive;
class Dialogues;
class QLabel;
class QPushButton;
class QTableWidget;

class Frm_Choix_Archives : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    // `ajouter` adds one recording to the study (its file as archived, its bytes, its unit);
    // false when the study refused it.
    using Ajout =
        std::function<bool(const QString& fichier, const QByteArray& octets, const QString& unite)>;
    Frm_Choix_Archives(Dialogues& dialogues, Ajout ajouter);
    ~Frm_Choix_Archives() override;

    void Form_Load();
    void Cmd_Ajouter_Click();

    QTableWidget* Lst_Archives;
    QLabel* Lbl_Etat;
    QPushButton* Cmd_Ajouter;
    QPushButton* Cmd_Fermer;

  private:
    Dialogues& dialogues_;
    Ajout ajouter_;
    std::unique_ptr<Archive> archive_;
    QList<Fiche_Archive> fiches_;
};
