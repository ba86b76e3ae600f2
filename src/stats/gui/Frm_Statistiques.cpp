#include "stats/gui/Frm_Statistiques.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/Controles.h"
#include "core/Etat.h"
#include "criteria/Evaluation.h"
#include "criteria/Evaluation_Texte.h"
#include "criteria/gui/Choix_Criteres.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Numeros_Graphe.h"
#include "stats/Statistiques.h"
#include "stats/Statistiques_Texte.h"

Frm_Statistiques::Frm_Statistiques(const Etat& etat, const CWGraph& graphe,
                                   std::function<void()> rapport)
    : Fenetre_Chargeable(Qt::Window), etat_(etat), graphe_(graphe), rapport_(std::move(rapport)) {
    setObjectName(QStringLiteral("Frm_Statistiques"));
    setWindowTitle(QStringLiteral("Statistiques"));
    auto* disposition = new QVBoxLayout(this);
    auto* choix = new QHBoxLayout;
    Cmb_Criteres = Controles::Nomme(new QComboBox(this), "Cmb_Criteres");
    choix->addWidget(new QLabel(QStringLiteral("Critères :"), this));
    choix->addWidget(Cmb_Criteres, 1);
    disposition->addLayout(choix);
    Lbl_Verdict = Controles::Nomme(new QLabel(this), "Lbl_Verdict");
    Lbl_Verdict->setAlignment(Qt::AlignCenter);
    disposition->addWidget(Lbl_Verdict);
    grille_ = new QGridLayout;
    grille_->setHorizontalSpacing(18);
    disposition->addLayout(grille_);
    disposition->addStretch();
    auto* boutons = new QHBoxLayout;
    Cmd_Rapport =
        Controles::Nomme(new QPushButton(QStringLiteral("Rapport PDF…"), this), "Cmd_Rapport");
    Cmd_Fermer = Controles::Nomme(new QPushButton(QStringLiteral("Fermer"), this), "Cmd_Fermer");
    boutons->addStretch();
    boutons->addWidget(Cmd_Rapport);
    boutons->addWidget(Cmd_Fermer);
    disposition->addLayout(boutons);
    connect(Cmd_Rapport, &QPushButton::clicked, this, &Frm_Statistiques::Cmd_Rapport_Click);
    connect(Cmd_Fermer, &QPushButton::clicked, this, &Frm_Statistiques::Cmd_Fermer_Click);
    connect(Cmb_Criteres, &QComboBox::currentIndexChanged, this, &Frm_Statistiques::Rafraichir);
}

void Frm_Statistiques::Form_Load() {
    // The sets as criteres.ini holds them now.
    jeux_ = Choix_Criteres::Remplir(*Cmb_Criteres);
    Rafraichir();
    Centrer_Sur_Ecran();
}

void Frm_Statistiques::Rafraichir() {
    while (QLayoutItem* element = grille_->takeAt(0)) {
        delete element->widget();
        delete element;
    }
    lignes_.clear();
    const Axe_Graphe& temps = graphe_.Axes(Numeros_Graphe::XAxis);
    Statistiques::Parametres parametres;
    parametres.seuil_haut = etat_.Seuil_Haut;
    parametres.seuil_bas = etat_.Seuil_Bas;
    parametres.plage = Statistiques::Plage{temps.Minimum(), temps.Maximum()};
    const QList<Statistiques::Ligne> lignes =
        Statistiques::Lignes_Statistiques(Statistiques::Calcul_Statistiques(etat_, parametres));
    int rangee = 0;
    for (const Statistiques::Ligne& ligne : lignes) {
        auto* libelle = new QLabel(ligne.libelle, this);
        libelle->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (ligne.valeur.isEmpty()) {
            QFont gras = libelle->font();
            gras.setBold(true);
            libelle->setFont(gras);
            grille_->addWidget(libelle, rangee++, 0, 1, 2);
            lignes_ << ligne.libelle;
            continue;
        }
        auto* valeur = new QLabel(ligne.valeur, this);
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grille_->addWidget(libelle, rangee, 0);
        grille_->addWidget(valeur, rangee++, 1);
        lignes_ << ligne.libelle + QLatin1Char('\t') + ligne.valeur;
    }
    Juger();
    adjustSize();
}

const Criteres::Jeu_Criteres* Frm_Statistiques::Jeu_Choisi() const {
    const int choix = Cmb_Criteres->currentIndex() - 1;
    if (choix < 0 || choix >= static_cast<int>(jeux_.size())) return nullptr;
    return &jeux_[static_cast<std::size_t>(choix)];
}

void Frm_Statistiques::Juger() {
    const Criteres::Jeu_Criteres* choisi = Jeu_Choisi();
    Lbl_Verdict->setVisible(choisi != nullptr);
    if (!choisi) return;
    const Criteres::Jeu_Criteres& jeu = *choisi;
    const Criteres::Evaluation_Enregistrement e = Criteres::Evaluer_Enregistrement(etat_, jeu);
    int rangee = grille_->rowCount();
    const auto ligne = [&](const QString& texte) {
        auto* libelle = new QLabel(texte, this);
        libelle->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grille_->addWidget(libelle, rangee++, 0, 1, 2);
        lignes_ << texte;
    };
    ligne(Criteres::Titre_Jeu(jeu) + QStringLiteral(" (tout l'enregistrement)"));
    if (e.incomplet) ligne(QStringLiteral("Enregistrement ") + *e.incomplet);
    for (const Criteres::Evaluation& r : e.regles)
        ligne(Criteres::Ligne_Regle(r, jeu, Unite_Temperature(etat_.Unite)));
    const QString verdict = Choix_Criteres::Afficher_Verdict(
        *Lbl_Verdict, Criteres::Juge_Une_Regle(jeu) ? std::optional(e.verdict) : std::nullopt);
    lignes_ << QStringLiteral("Verdict\t") + verdict;
}

QStringList Frm_Statistiques::Lignes() const {
    return lignes_;
}

void Frm_Statistiques::Cmd_Rapport_Click() {
    if (rapport_) rapport_();
}

void Frm_Statistiques::Cmd_Fermer_Click() {
    Decharger();
}
