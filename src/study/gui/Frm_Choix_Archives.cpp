#include "study/gui/Frm_Choix_Archives.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "archive/Archive.h"
#include "archive/gui/Ouverture_Archive.h"
#include "controls/Controles.h"
#include "core/Dialogues.h"
#include "core/Textes.h"

namespace {

QString Date_Lisible(const QString& iso) {
    const auto date = Lecture_Date_ISO(iso);
    return date ? Texte_Date(*date) : QString();
}

}  // namespace

Frm_Choix_Archives::Frm_Choix_Archives(Dialogues& dialogues, Ajout ajouter)
    : Fenetre_Chargeable(Qt::Window), dialogues_(dialogues), ajouter_(std::move(ajouter)) {
    setObjectName(QStringLiteral("Frm_Choix_Archives"));
    setWindowTitle(QStringLiteral("Ajouter depuis les archives"));
    Lst_Archives = Controles::Nouveau<QTableWidget>(this, "Lst_Archives");
    const QStringList colonnes = {QStringLiteral("Logger"),      QStringLiteral("Début"),
                                  QStringLiteral("Fin"),         QStringLiteral("Mesures"),
                                  QStringLiteral("Commentaire"), QStringLiteral("Fichier")};
    Lst_Archives->setColumnCount(static_cast<int>(colonnes.size()));
    Lst_Archives->setHorizontalHeaderLabels(colonnes);
    Lst_Archives->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lst_Archives->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lst_Archives->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Lst_Archives->verticalHeader()->hide();
    Lst_Archives->horizontalHeader()->setStretchLastSection(true);
    Lbl_Etat = Controles::Nouveau<QLabel>(this, "Lbl_Etat");
    Lbl_Etat->setWordWrap(true);
    Cmd_Ajouter =
        Controles::Nomme(new QPushButton(QStringLiteral("Ajouter à l'étude"), this), "Cmd_Ajouter");
    Cmd_Fermer = Controles::Nomme(new QPushButton(QStringLiteral("Fermer"), this), "Cmd_Fermer");
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Lbl_Etat, 1);
    boutons->addWidget(Cmd_Ajouter);
    boutons->addWidget(Cmd_Fermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(Lst_Archives, 1);
    disposition->addLayout(boutons);
    resize(820, 420);
    connect(Cmd_Ajouter, &QPushButton::clicked, this, &Frm_Choix_Archives::Cmd_Ajouter_Click);
    connect(Cmd_Fermer, &QPushButton::clicked, this, &Fenetre_Chargeable::Decharger);
    connect(Lst_Archives, &QTableWidget::cellDoubleClicked, this,
            &Frm_Choix_Archives::Cmd_Ajouter_Click);
}

Frm_Choix_Archives::~Frm_Choix_Archives() = default;

void Frm_Choix_Archives::Form_Load() {
    Centrer_Sur_Ecran();
    archive_ = Ouvrir_Archive_Fenetre(*Lbl_Etat, dialogues_);
    if (!archive_) return;
    const Resultat_Liste liste = archive_->Lister({});
    if (!liste.Lu) {
        Lbl_Etat->setText(liste.Message);
        dialogues_.Message(liste.Message, Dialogues::Icone::Exclamation);
        return;
    }
    fiches_ = liste.Fiches;
    Lst_Archives->setRowCount(static_cast<int>(fiches_.size()));
    for (int r = 0; r < fiches_.size(); ++r) {
        const Fiche_Archive& f = fiches_[r];
        const QStringList cellules = {f.Identite,          Date_Lisible(f.Debut),
                                      Date_Lisible(f.Fin), QString::number(f.Mesures),
                                      f.Commentaire,       QDir::toNativeSeparators(f.Fichier)};
        for (int c = 0; c < cellules.size(); ++c)
            Lst_Archives->setItem(r, c, new QTableWidgetItem(cellules[c]));
    }
    Lst_Archives->resizeColumnsToContents();
    Lbl_Etat->setText(fiches_.isEmpty()
                          ? QStringLiteral("Aucun enregistrement archivé")
                          : QStringLiteral("%1 enregistrement(s) archivé(s) : choisissez ceux de "
                                           "l'étude")
                                .arg(fiches_.size()));
}

void Frm_Choix_Archives::Cmd_Ajouter_Click() {
    if (!archive_) return;
    std::set<int> rangees;
    for (const QModelIndex& i : Lst_Archives->selectionModel()->selectedRows())
        rangees.insert(i.row());
    QStringList echecs;
    int ajoutes = 0;
    for (const int r : rangees) {
        const Fiche_Archive& f = fiches_[r];
        const Ou_Erreur<QByteArray> octets = archive_->Octets(f.Id);
        if (!octets) {
            echecs << QStringLiteral("%1 : %2").arg(QDir::toNativeSeparators(f.Fichier),
                                                    octets.Erreur());
            continue;
        }
        // The study tells its own refusals (the same recording twice, say).
        if (ajouter_(f.Fichier, *octets, f.Unite)) ++ajoutes;
    }
    if (!echecs.isEmpty()) dialogues_.Message(echecs.join(u'\n'), Dialogues::Icone::Exclamation);
    Lbl_Etat->setText(QStringLiteral("%1 enregistrement(s) ajouté(s) à l'étude").arg(ajoutes));
}
