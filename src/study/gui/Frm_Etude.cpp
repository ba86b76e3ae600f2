#include "study/gui/Frm_Etude.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controls/Controles.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "criteria/gui/Choix_Criteres.h"
#include "curves/Couleurs_Enregistrements.h"
#include "curves/Numeros_Graphe.h"
#include "files/Fichiers_Disque.h"
#include "study/Etude_Texte.h"
#include "study/Tableau_Etude.h"
#include "study/gui/Frm_Choix_Archives.h"
#include "study/gui/Graphe_Superposition.h"

namespace {

const QString Marque_Modifiee = QStringLiteral(" (modifié depuis l'étude)");

QPushButton* Bouton(QWidget* parent, const QString& texte, const char* nom) {
    return Controles::Nomme(new QPushButton(texte, parent), nom);
}

}  // namespace

Frm_Etude::Frm_Etude(Dialogues& dialogues, Horloge& horloge)
    : Fenetre_Chargeable(Qt::Window),
      dialogues_(dialogues),
      horloge_(horloge),
      choix_archives_(std::make_unique<Fenetre<Frm_Choix_Archives>>()) {
    setObjectName(QStringLiteral("Frm_Etude"));
    setWindowTitle(QStringLiteral("Étude"));
    Construire_Commandes();
    resize(1040, 780);
}

Frm_Etude::~Frm_Etude() = default;

void Frm_Etude::Construire_Commandes() {
    auto* haut = new QHBoxLayout;
    Btn_Ajouter_Fichiers =
        Bouton(this, QStringLiteral("Ajouter des fichiers…"), "Btn_Ajouter_Fichiers");
    Btn_Ajouter_Archive =
        Bouton(this, QStringLiteral("Ajouter depuis les archives…"), "Btn_Ajouter_Archive");
    Btn_Retirer = Bouton(this, QStringLiteral("Retirer"), "Btn_Retirer");
    Cmb_Criteres = Controles::Nouveau<QComboBox>(this, "Cmb_Criteres");
    for (QPushButton* b : {Btn_Ajouter_Fichiers, Btn_Ajouter_Archive, Btn_Retirer})
        haut->addWidget(b);
    haut->addStretch();
    haut->addWidget(new QLabel(QStringLiteral("Critères :"), this));
    haut->addWidget(Cmb_Criteres, 1);

    Graphe_Etude = Controles::Nomme(new Graphe_Superposition(this), "Graphe_Etude");
    Graphe_Etude->setMinimumSize(400, 250);
    auto* outils = new QHBoxLayout;
    Chk_Curseur = Controles::Nomme(new QCheckBox(QStringLiteral("Curseur"), this), "Chk_Curseur");
    Chk_Pan = Controles::Nomme(new QCheckBox(QStringLiteral("Panoramique"), this), "Chk_Pan");
    Btn_Zoom_Initial = Bouton(this, QStringLiteral("Zoom initial"), "Btn_Zoom_Initial");
    Lbl_Curseur = Controles::Nouveau<QLabel>(this, "Lbl_Curseur");
    Lbl_Curseur->setWordWrap(true);
    Lbl_Curseur->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outils->addWidget(Chk_Curseur);
    outils->addWidget(Chk_Pan);
    outils->addWidget(Btn_Zoom_Initial);
    outils->addWidget(Lbl_Curseur, 1);

    Tbl_Etude = Controles::Nouveau<QTableWidget>(this, "Tbl_Etude");
    Tbl_Etude->setColumnCount(Etude::Nb_Colonnes_Tableau);
    Tbl_Etude->setHorizontalHeaderLabels(Etude::Titres_Tableau());
    Tbl_Etude->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tbl_Etude->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tbl_Etude->setSelectionMode(QAbstractItemView::SingleSelection);
    Tbl_Etude->verticalHeader()->hide();
    Tbl_Etude->horizontalHeader()->setStretchLastSection(true);
    Lbl_Equilibrage = Controles::Nouveau<QLabel>(this, "Lbl_Equilibrage");
    Lbl_Equilibrage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Lbl_Verdict = Controles::Nouveau<QLabel>(this, "Lbl_Verdict");

    auto* bas = new QHBoxLayout;
    bas->addWidget(Lbl_Equilibrage, 1);
    Btn_Enregistrer = Bouton(this, QStringLiteral("Enregistrer l'étude…"), "Btn_Enregistrer");
    Btn_Rapport = Bouton(this, QStringLiteral("Rapport d'étude PDF…"), "Btn_Rapport");
    Btn_Fermer = Bouton(this, QStringLiteral("Fermer"), "Btn_Fermer");
    bas->addWidget(Btn_Rapport);
    bas->addWidget(Btn_Enregistrer);
    bas->addWidget(Btn_Fermer);

    // The graph and the table share the height as the user likes.
    auto* partage = new QSplitter(Qt::Vertical, this);
    auto* panneau_graphe = new QWidget(partage);
    auto* colonne_graphe = new QVBoxLayout(panneau_graphe);
    colonne_graphe->setContentsMargins(0, 0, 0, 0);
    colonne_graphe->addWidget(Graphe_Etude, 1);
    colonne_graphe->addLayout(outils);
    partage->addWidget(panneau_graphe);
    partage->addWidget(Tbl_Etude);
    partage->setStretchFactor(0, 2);
    partage->setStretchFactor(1, 1);

    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(haut);
    disposition->addWidget(partage, 1);
    disposition->addWidget(Lbl_Verdict);
    disposition->addLayout(bas);

    connect(Btn_Ajouter_Fichiers, &QPushButton::clicked, this,
            &Frm_Etude::Btn_Ajouter_Fichiers_Click);
    connect(Btn_Ajouter_Archive, &QPushButton::clicked, this,
            &Frm_Etude::Btn_Ajouter_Archive_Click);
    connect(Btn_Retirer, &QPushButton::clicked, this, &Frm_Etude::Btn_Retirer_Click);
    connect(Btn_Enregistrer, &QPushButton::clicked, this, &Frm_Etude::Btn_Enregistrer_Click);
    connect(Btn_Rapport, &QPushButton::clicked, this, &Frm_Etude::Btn_Rapport_Click);
    connect(Btn_Fermer, &QPushButton::clicked, this, &Fenetre_Chargeable::Decharger);
    connect(Cmb_Criteres, &QComboBox::currentIndexChanged, this, &Frm_Etude::Juger);
    connect(Btn_Zoom_Initial, &QPushButton::clicked, Graphe_Etude,
            &Graphe_Superposition::Zoom_Initial);
    // Cursor and pan are two uses of the mouse: one at a time, as in the tools window.
    connect(Chk_Curseur, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche) Chk_Pan->setChecked(false);
        Choisir_Mode();
    });
    connect(Chk_Pan, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche) Chk_Curseur->setChecked(false);
        Choisir_Mode();
    });
    connect(Graphe_Etude, &Graphe_Superposition::Curseur_Place, this, &Frm_Etude::Lire_Curseur);
}

void Frm_Etude::Form_Load() {
    // The sets as criteres.ini holds them now.
    const QSignalBlocker silence(Cmb_Criteres);
    jeux_ = Choix_Criteres::Remplir(*Cmb_Criteres);
    Recharger();
    Centrer_Sur_Ecran();
}

void Frm_Etude::Choisir_Mode() {
    Graphe_Etude->Definir_Mode(Chk_Curseur->isChecked() ? Numeros_Graphe::Mode_Curseur
                               : Chk_Pan->isChecked()   ? Numeros_Graphe::Mode_Panoramique
                                                        : Numeros_Graphe::Mode_Zoom);
}

const Criteres::Jeu_Criteres& Frm_Etude::Jeu_Choisi() const {
    static const Criteres::Jeu_Criteres aucun;
    const int choix = Cmb_Criteres->currentIndex() - 1;
    return choix >= 0 && choix < static_cast<int>(jeux_.size())
               ? jeux_[static_cast<std::size_t>(choix)]
               : aucun;
}

QString Frm_Etude::Unite() const {
    return Unite_Temperature(pieces_.empty() ? QString() : pieces_.front().etat->Unite);
}

void Frm_Etude::Btn_Ajouter_Fichiers_Click() {
    const QStringList fichiers =
        dialogues_.Fichiers_Ouvrir(Dialogues::Choix_Fichier::Dans_Sauvegardes(
            QStringLiteral("Ajout de fichiers d'enregistrements à l'étude"),
            QStringLiteral(".txt")));
    QStringList refus;
    for (const QString& fichier : fichiers) {
        QByteArray octets;
        const Import_Export::Resultat_Lecture lecture =
            Import_Export::Lecture_Octets(fichier, octets);
        if (lecture != Import_Export::Resultat_Lecture::Lu) {
            refus << Import_Export::Texte_Echec_Lecture(
                lecture, QDir::toNativeSeparators(fichier),
                {0, QStringLiteral("il ne peut pas être lu (droits du fichier ?)")});
            continue;
        }
        auto piece = Etude::Charger_Piece(fichier, octets);
        if (!piece) {
            refus << piece.Erreur();
            continue;
        }
        const Reussite_Ou_Erreur ajout = Etude::Ajouter_Piece(pieces_, std::move(*piece));
        if (!ajout) refus << ajout.Erreur();
    }
    // One message for every file refused, after the others are shown.
    if (!fichiers.isEmpty()) Recharger();
    if (!refus.isEmpty()) dialogues_.Message(refus.join(u'\n'), Dialogues::Icone::Exclamation);
}

bool Frm_Etude::Ajouter(const QString& fichier, const QByteArray& octets, const QString& unite) {
    auto piece = Etude::Charger_Piece(fichier, octets, unite);
    const Reussite_Ou_Erreur ajout = piece ? Etude::Ajouter_Piece(pieces_, std::move(*piece))
                                           : Reussite_Ou_Erreur::Echec(piece.Erreur());
    if (!ajout) {
        dialogues_.Message(ajout.Erreur(), Dialogues::Icone::Exclamation);
        return false;
    }
    Recharger();
    return true;
}

void Frm_Etude::Btn_Ajouter_Archive_Click() {
    Frm_Choix_Archives& choix = choix_archives_->Charger(
        dialogues_, [this](const QString& fichier, const QByteArray& octets, const QString& unite) {
            return Ajouter(fichier, octets, unite);
        });
    choix.show();
    choix.raise();
}

void Frm_Etude::Btn_Retirer_Click() {
    const int rangee = Tbl_Etude->currentRow();
    if (rangee < 0 || rangee >= static_cast<int>(pieces_.size())) return;
    pieces_.erase(pieces_.begin() + rangee);
    Recharger();
}

void Frm_Etude::Recharger() {
    QStringList identites, fichiers;
    for (const Etude::Piece_Chargee& p : pieces_) {
        identites << p.etat->Identite_Logger;
        fichiers << p.fichier;
    }
    const QStringList noms = Etude::Noms_Legende(identites, fichiers);
    std::vector<Graphe_Superposition::Courbe> courbes;
    for (std::size_t rang = 0; rang < pieces_.size(); ++rang) {
        const Etude::Piece_Chargee& p = pieces_[rang];
        courbes.push_back(
            {noms.value(static_cast<qsizetype>(rang)) + (p.modifiee ? Marque_Modifiee : QString()),
             p.etat.get()});
    }
    Graphe_Etude->Afficher(courbes, Unite());
    Juger();
}

void Frm_Etude::Juger() {
    const Criteres::Jeu_Criteres& jeu = Jeu_Choisi();
    resultat_ = Etude::Conclure_Pieces(pieces_, jeu);
    const bool choisi = Cmb_Criteres->currentIndex() > 0;
    const bool juge = choisi && Criteres::Juge_Une_Regle(jeu);
    Remplir_Tableau(jeu, juge);
    Lbl_Equilibrage->setText(pieces_.empty() ? QString()
                                             : Etude::Ligne_Equilibrage(resultat_, jeu, Unite()));
    Lbl_Verdict->setVisible(choisi && !pieces_.empty());
    Choix_Criteres::Afficher_Verdict(*Lbl_Verdict,
                                     juge ? std::optional(resultat_.verdict) : std::nullopt);
    // A study is kept or signed with the rules that judged it, never as a "conforme" of nothing.
    Btn_Enregistrer->setEnabled(juge && !pieces_.empty());
    Btn_Rapport->setEnabled(juge && !pieces_.empty());
    Btn_Retirer->setEnabled(!pieces_.empty());
    Lire_Curseur();
}

void Frm_Etude::Remplir_Tableau(const Criteres::Jeu_Criteres& jeu, bool juge) {
    Tbl_Etude->setRowCount(static_cast<int>(pieces_.size()));
    for (std::size_t rang = 0; rang < pieces_.size(); ++rang) {
        QStringList cellules =
            Etude::Cellules_Tableau(*pieces_[rang].etat, resultat_, rang, jeu, juge);
        if (pieces_[rang].modifiee) cellules[Etude::Col_Identite] += Marque_Modifiee;
        const bool froid = resultat_.plus_froid == rang;
        for (int c = 0; c < cellules.size(); ++c) {
            auto* cellule = new QTableWidgetItem(cellules[c]);
            if (froid) {
                QFont gras = cellule->font();
                gras.setBold(true);
                cellule->setFont(gras);
            }
            if (c == Etude::Col_Identite) {
                // The curve's colour next to its name, as in the legend.
                cellule->setForeground(Trait_Enregistrement(rang).color());
            }
            if (c == Etude::Col_Fichier) {
                cellule->setToolTip(QDir::toNativeSeparators(pieces_[rang].fichier));
            }
            Tbl_Etude->setItem(static_cast<int>(rang), c, cellule);
        }
    }
    Tbl_Etude->resizeColumnsToContents();
}

void Frm_Etude::Lire_Curseur() {
    const std::optional<double> instant = Graphe_Etude->Curseur();
    if (!instant || pieces_.empty()) {
        Lbl_Curseur->setText(
            QStringLiteral("Cochez « Curseur » et cliquez sur le graphique pour "
                           "lire chaque courbe à un instant."));
        return;
    }
    QStringList valeurs;
    for (const Etude::Piece_Chargee& p : pieces_) {
        valeurs << QStringLiteral("%1 : %2").arg(p.etat->Identite_Logger,
                                                 Etude::Texte_Releve_A(*p.etat, *instant));
    }
    Lbl_Curseur->setText(Texte_Date_Heure(*instant) + QStringLiteral(" — ") +
                         valeurs.join(QStringLiteral(" ; ")));
}
