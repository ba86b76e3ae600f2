#include "criteria/gui/Frm_Criteres.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Dialogues.h"
#include "core/Ou_Erreur.h"
#include "criteria/Jeux_Criteres.h"
#include "criteria/gui/Formulaire_Regles.h"

using namespace Criteres;

namespace {

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QString::fromLatin1(nom));
    return bouton;
}

}  // namespace

Frm_Criteres::Frm_Criteres(Dialogues& dialogues)
    : Fenetre_Chargeable(Qt::Window), dialogues_(dialogues) {
    setObjectName(QStringLiteral("Frm_Criteres"));
    setWindowTitle(QStringLiteral("Critères d'acceptation"));
    Lst_Jeux = new QListWidget(this);
    Lst_Jeux->setObjectName(QStringLiteral("Lst_Jeux"));
    Lst_Jeux->setMinimumWidth(220);
    Frm_Regles = new Formulaire_Regles(this);
    Frm_Regles->setObjectName(QStringLiteral("Frm_Regles"));
    Cmd_Nouveau = Bouton(this, "Cmd_Nouveau", QStringLiteral("&Nouveau"));
    Cmd_Copier = Bouton(this, "Cmd_Copier", QStringLiteral("&Copier"));
    Cmd_Supprimer = Bouton(this, "Cmd_Supprimer", QStringLiteral("&Supprimer"));
    Cmd_Enregistrer = Bouton(this, "Cmd_Enregistrer", QStringLiteral("&Enregistrer"));
    Cmd_Fermer = Bouton(this, "Cmd_Fermer", QStringLiteral("&Fermer"));
    Lbl_Etat = new QLabel(this);
    Lbl_Etat->setObjectName(QStringLiteral("Lbl_Etat"));
    Lbl_Etat->setWordWrap(true);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(Lst_Jeux);
    auto* gestion = new QHBoxLayout;
    for (QPushButton* b : {Cmd_Nouveau, Cmd_Copier, Cmd_Supprimer})
        gestion->addWidget(b);
    gauche->addLayout(gestion);
    auto* haut = new QHBoxLayout;
    haut->addLayout(gauche);
    haut->addWidget(Frm_Regles, 1);
    auto* bas = new QHBoxLayout;
    bas->addWidget(Lbl_Etat, 1);
    bas->addWidget(Cmd_Enregistrer);
    bas->addWidget(Cmd_Fermer);
    auto* fenetre = new QVBoxLayout(this);
    fenetre->addLayout(haut);
    fenetre->addLayout(bas);

    connect(Lst_Jeux, &QListWidget::currentRowChanged, this, &Frm_Criteres::Lst_Jeux_Change);
    connect(Cmd_Nouveau, &QPushButton::clicked, this, &Frm_Criteres::Cmd_Nouveau_Click);
    connect(Cmd_Copier, &QPushButton::clicked, this, &Frm_Criteres::Cmd_Copier_Click);
    connect(Cmd_Supprimer, &QPushButton::clicked, this, &Frm_Criteres::Cmd_Supprimer_Click);
    connect(Cmd_Enregistrer, &QPushButton::clicked, this, &Frm_Criteres::Cmd_Enregistrer_Click);
    connect(Cmd_Fermer, &QPushButton::clicked, this, &Frm_Criteres::Decharger);
}

void Frm_Criteres::Form_Load() {
    Jeux_Lus lus;
    const auto lecture = Lecture_Jeux(lus);
    if (lecture == Import_Export::Resultat_Lecture::Incorrect) {
        dialogues_.Message(
            QStringLiteral("Fichier incorrect! (%1 : il ne peut pas être lu)").arg(Chemin_Jeux()),
            Dialogues::Icone::Exclamation);
    }
    jeux_ = std::move(lus.jeux);
    enregistres_ = jeux_;
    for (const Defaut_Jeu& d : lus.defauts)
        refusees_ << d.defaut.Texte();
    if (!refusees_.isEmpty()) {
        dialogues_.Message(QStringLiteral("Lignes refusées dans %1 :\n").arg(Chemin_Jeux()) +
                               refusees_.join(QLatin1Char('\n')),
                           Dialogues::Icone::Exclamation);
    }
    for (const Jeu_Criteres& jeu : jeux_)
        Lst_Jeux->addItem(jeu.nom);
    Choisir(jeux_.empty() ? -1 : 0);
    Centrer_Sur_Ecran();
}

void Frm_Criteres::Choisir(int rangee) {
    courant_ = rangee;
    {
        const QSignalBlocker bloque(Lst_Jeux);
        Lst_Jeux->setCurrentRow(rangee);
    }
    Frm_Regles->setEnabled(rangee >= 0);
    Cmd_Copier->setEnabled(rangee >= 0);
    Cmd_Supprimer->setEnabled(rangee >= 0);
    Frm_Regles->Afficher(rangee >= 0 ? jeux_[static_cast<std::size_t>(rangee)] : Jeu_Criteres{});
}

bool Frm_Criteres::Garder_Saisie() {
    if (courant_ < 0) return true;
    const Ou_Erreur<Jeu_Criteres> jeu = Frm_Regles->Lire();
    if (!jeu) {
        dialogues_.Message(jeu.Erreur(), Dialogues::Icone::Exclamation);
        return false;
    }
    jeux_[static_cast<std::size_t>(courant_)] = *jeu;
    Lst_Jeux->item(courant_)->setText(jeu->nom);
    return true;
}

void Frm_Criteres::Lst_Jeux_Change(int rangee) {
    if (rangee == courant_) return;
    // The set being edited stays shown until its boxes make a set.
    if (!Garder_Saisie()) {
        Choisir(courant_);
        return;
    }
    Choisir(rangee);
}

bool Frm_Criteres::Modifies() const {
    if (jeux_.size() != enregistres_.size()) return true;
    if (courant_ >= 0) {
        const Ou_Erreur<Jeu_Criteres> saisi = Frm_Regles->Lire();
        if (!saisi || !(*saisi == jeux_[static_cast<std::size_t>(courant_)])) return true;
    }
    return !std::equal(jeux_.begin(), jeux_.end(), enregistres_.begin());
}

void Frm_Criteres::closeEvent(QCloseEvent* evenement) {
    if (!fin_programme_ && Modifies() &&
        !dialogues_.Question_Oui_Non(QStringLiteral(
            "Les jeux modifiés ne sont pas enregistrés. Fermer sans les enregistrer ?"))) {
        evenement->ignore();
        return;
    }
    Fenetre_Chargeable::closeEvent(evenement);
}

void Frm_Criteres::Decharger_Fin_Programme() {
    fin_programme_ = true;
    Decharger();
}

QString Frm_Criteres::Nom_Libre(const QString& souhaite) const {
    QString nom = souhaite;
    for (int n = 2; Trouver_Jeu(jeux_, nom); ++n)
        nom = QStringLiteral("%1 %2").arg(souhaite).arg(n);
    return nom;
}

void Frm_Criteres::Ajouter(Jeu_Criteres jeu) {
    jeu.nom = Nom_Libre(jeu.nom);
    jeux_.push_back(std::move(jeu));
    Lst_Jeux->addItem(jeux_.back().nom);
    Choisir(static_cast<int>(jeux_.size()) - 1);
    Frm_Regles->Txt_Nom->setFocus();
    Frm_Regles->Txt_Nom->selectAll();
}

void Frm_Criteres::Cmd_Nouveau_Click() {
    if (!Garder_Saisie()) return;
    Jeu_Criteres jeu;
    jeu.nom = QStringLiteral("Nouveau jeu");
    Ajouter(std::move(jeu));
}

void Frm_Criteres::Cmd_Copier_Click() {
    if (courant_ < 0 || !Garder_Saisie()) return;
    Jeu_Criteres copie = jeux_[static_cast<std::size_t>(courant_)];
    copie.nom += QStringLiteral(" (copie)");
    Ajouter(std::move(copie));
}

void Frm_Criteres::Cmd_Supprimer_Click() {
    if (courant_ < 0) return;
    const QString nom = jeux_[static_cast<std::size_t>(courant_)].nom;
    if (!dialogues_.Question_Oui_Non(QStringLiteral("Supprimer le jeu « %1 » ?").arg(nom))) return;
    const int supprime = courant_;
    // The boxes still show the set deleted: they must not be kept into the one after it.
    courant_ = -1;
    jeux_.erase(jeux_.begin() + supprime);
    {
        const QSignalBlocker bloque(Lst_Jeux);
        delete Lst_Jeux->takeItem(supprime);
    }
    Choisir(std::min(supprime, static_cast<int>(jeux_.size()) - 1));
    Lbl_Etat->setText(QStringLiteral("« %1 » sera supprimé à l'enregistrement.").arg(nom));
}

void Frm_Criteres::Cmd_Enregistrer_Click() {
    if (!Garder_Saisie()) return;
    // Two sets a technician could not tell apart by name: the command line would find the first.
    for (std::size_t i = 0; i < jeux_.size(); ++i) {
        const std::vector<Jeu_Criteres> avant(jeux_.begin(), jeux_.begin() + static_cast<long>(i));
        if (Trouver_Jeu(avant, jeux_[i].nom)) {
            dialogues_.Message(QStringLiteral("Deux jeux portent le nom « %1 » : renommer l'un "
                                              "des deux.")
                                   .arg(jeux_[i].nom),
                               Dialogues::Icone::Exclamation);
            return;
        }
    }
    if (!refusees_.isEmpty() &&
        !dialogues_.Question_Oui_Non(
            QStringLiteral("Les lignes refusées de %1 ne seront pas réécrites :\n%2\n"
                           "Enregistrer quand même ?")
                .arg(Chemin_Jeux(), refusees_.join(QLatin1Char('\n'))))) {
        return;
    }
    Import_Export::Cause_Ecriture cause = Import_Export::Cause_Ecriture::Aucune;
    if (Ecriture_Jeux(jeux_, &cause) != Import_Export::Resultat_Ecriture::Ecrit) {
        dialogues_.Message(QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                               .arg(Chemin_Jeux(), Import_Export::Texte_Cause(cause)),
                           Dialogues::Icone::Exclamation);
        return;
    }
    refusees_.clear();
    enregistres_ = jeux_;
    Lbl_Etat->setText(
        QStringLiteral("%1 jeu(x) enregistré(s) dans %2").arg(jeux_.size()).arg(Chemin_Jeux()));
}
