#include "criteria/gui/Formulaire_Regles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/Textes.h"
#include "criteria/Jeux_Criteres.h"

namespace {

using namespace Criteres;
using Resultat = Ou_Erreur<Jeu_Criteres>;

const char* const Noms_Seuils[] = {"Seuil_Haut", "Seuil_Bas", "Hygro_Haut", "Hygro_Bas"};
const char* const Titres_Seuils[] = {"Seuil haut (°C)", "Seuil bas (°C)", "Hygrométrie haute (%Hr)",
                                     "Hygrométrie basse (%Hr)"};
constexpr Mode_Seuil Modes[] = {Mode_Seuil::Instantane, Mode_Seuil::Cumule, Mode_Seuil::Consecutif};
constexpr int Pasteurisation = 100, Sterilisation = 101;

template <typename T>
T* Controle(QWidget* parent, const QString& nom) {
    auto* controle = new T(parent);
    controle->setObjectName(nom);
    return controle;
}

QLineEdit* Case(QWidget* parent, const QString& nom, const QString& aide) {
    auto* boite = Controle<QLineEdit>(parent, nom);
    boite->setPlaceholderText(aide);
    boite->setMaximumWidth(110);
    return boite;
}

// The number of a box: the point or the comma, as everywhere a technician types one.
std::optional<float> Nombre(const QLineEdit* boite) {
    return Lecture_Single(
        QString(boite->text().trimmed()).replace(QLatin1Char(','), QLatin1Char('.')));
}

QString Pas_Un_Nombre(const QString& regle, const QLineEdit* boite, const QString& quoi) {
    return QStringLiteral("%1 : « %2 » n'est pas %3").arg(regle, boite->text().trimmed(), quoi);
}

}  // namespace

Formulaire_Regles::Formulaire_Regles(QWidget* parent) : QWidget(parent) {
    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(0, 0, 0, 0);
    Txt_Nom = Controle<QLineEdit>(this, QStringLiteral("Txt_Nom"));
    grille->addWidget(new QLabel(QStringLiteral("Nom du jeu"), this), 0, 0);
    grille->addWidget(Txt_Nom, 0, 1, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Limite"), this), 1, 1);
    grille->addWidget(new QLabel(QStringLiteral("Mode"), this), 1, 2);
    grille->addWidget(new QLabel(QStringLiteral("Durée permise (s)"), this), 1, 3);
    for (std::size_t k = 0; k < Seuils.size(); ++k) {
        const QString nom = QString::fromLatin1(Noms_Seuils[k]);
        Ligne_Seuil& s = Seuils[k];
        s.Chk = Controle<QCheckBox>(this, QStringLiteral("Chk_") + nom);
        s.Chk->setText(QString::fromUtf8(Titres_Seuils[k]));
        s.Txt_Limite = Case(this, QStringLiteral("Txt_") + nom, QString());
        s.Cmb_Mode =
            Controle<QComboBox>(this, QStringLiteral("Cmb_") + nom + QStringLiteral("_Mode"));
        for (Mode_Seuil mode : Modes)
            s.Cmb_Mode->addItem(Nom_Mode(mode));
        s.Txt_Duree =
            Case(this, QStringLiteral("Txt_") + nom + QStringLiteral("_Duree"), QString());
        const int rangee = static_cast<int>(k) + 2;
        grille->addWidget(s.Chk, rangee, 0);
        grille->addWidget(s.Txt_Limite, rangee, 1);
        grille->addWidget(s.Cmb_Mode, rangee, 2);
        grille->addWidget(s.Txt_Duree, rangee, 3);
        connect(s.Chk, &QCheckBox::toggled, this, &Formulaire_Regles::Griser);
        connect(s.Cmb_Mode, &QComboBox::currentIndexChanged, this, &Formulaire_Regles::Griser);
    }

    Chk_Maintien = Controle<QCheckBox>(this, QStringLiteral("Chk_Maintien"));
    Chk_Maintien->setText(QStringLiteral("Température de process (°C)"));
    Txt_Maintien = Case(this, QStringLiteral("Txt_Maintien"), QString());
    Txt_Maintien_Duree =
        Case(this, QStringLiteral("Txt_Maintien_Duree"), QStringLiteral("maintien min. (s)"));
    grille->addWidget(Chk_Maintien, 6, 0);
    grille->addWidget(Txt_Maintien, 6, 1);
    grille->addWidget(Txt_Maintien_Duree, 6, 3);

    Chk_Cuisson = Controle<QCheckBox>(this, QStringLiteral("Chk_Cuisson"));
    Chk_Cuisson->setText(QStringLiteral("Valeur de cuisson (min)"));
    Cmb_Cuisson = Controle<QComboBox>(this, QStringLiteral("Cmb_Cuisson"));
    Cmb_Cuisson->addItems({QStringLiteral("Pasteurisation"), QStringLiteral("Stérilisation"),
                           QStringLiteral("Recette")});
    Txt_Recette = Case(this, QStringLiteral("Txt_Recette"), QStringLiteral("n° 1 à 99"));
    Txt_Cuisson_Min = Case(this, QStringLiteral("Txt_Cuisson_Min"), QStringLiteral("minimum"));
    grille->addWidget(Chk_Cuisson, 7, 0);
    grille->addWidget(Txt_Cuisson_Min, 7, 1);
    grille->addWidget(Cmb_Cuisson, 7, 2);
    grille->addWidget(Txt_Recette, 7, 3);

    Chk_Mkt = Controle<QCheckBox>(this, QStringLiteral("Chk_Mkt"));
    Chk_Mkt->setText(QStringLiteral("MKT maximale (°C)"));
    Txt_Mkt = Case(this, QStringLiteral("Txt_Mkt"), QString());
    grille->addWidget(Chk_Mkt, 8, 0);
    grille->addWidget(Txt_Mkt, 8, 1);

    Chk_Equilibrage = Controle<QCheckBox>(this, QStringLiteral("Chk_Equilibrage"));
    Chk_Equilibrage->setText(QStringLiteral("Équilibrage maximal (s)"));
    Txt_Equilibrage = Case(this, QStringLiteral("Txt_Equilibrage"), QString());
    grille->addWidget(Chk_Equilibrage, 9, 0);
    grille->addWidget(Txt_Equilibrage, 9, 1);

    for (QCheckBox* case_a_cocher : {Chk_Maintien, Chk_Cuisson, Chk_Mkt, Chk_Equilibrage})
        connect(case_a_cocher, &QCheckBox::toggled, this, &Formulaire_Regles::Griser);
    connect(Cmb_Cuisson, &QComboBox::currentIndexChanged, this, &Formulaire_Regles::Griser);
    Griser();
}

// Only the boxes of a ticked rule can be typed in; a duration only for a mode that allows one.
void Formulaire_Regles::Griser() {
    for (const Ligne_Seuil& s : Seuils) {
        const bool coche = s.Chk->isChecked();
        s.Txt_Limite->setEnabled(coche);
        s.Cmb_Mode->setEnabled(coche);
        s.Txt_Duree->setEnabled(coche && s.Cmb_Mode->currentIndex() != 0);
    }
    Txt_Maintien->setEnabled(Chk_Maintien->isChecked());
    Txt_Maintien_Duree->setEnabled(Chk_Maintien->isChecked());
    Cmb_Cuisson->setEnabled(Chk_Cuisson->isChecked());
    Txt_Cuisson_Min->setEnabled(Chk_Cuisson->isChecked());
    Txt_Recette->setEnabled(Chk_Cuisson->isChecked() && Cmb_Cuisson->currentIndex() == 2);
    Txt_Mkt->setEnabled(Chk_Mkt->isChecked());
    Txt_Equilibrage->setEnabled(Chk_Equilibrage->isChecked());
}

void Formulaire_Regles::Afficher(const Jeu_Criteres& jeu) {
    Txt_Nom->setText(jeu.nom);
    const std::optional<Regle_Seuil>* regles[] = {&jeu.seuil_haut, &jeu.seuil_bas, &jeu.hygro_haut,
                                                  &jeu.hygro_bas};
    for (std::size_t k = 0; k < Seuils.size(); ++k) {
        const std::optional<Regle_Seuil>& r = *regles[k];
        Seuils[k].Chk->setChecked(r.has_value());
        Seuils[k].Txt_Limite->setText(r ? Texte_Single(r->limite) : QString());
        Seuils[k].Cmb_Mode->setCurrentText(Nom_Mode(r ? r->mode : Mode_Seuil::Instantane));
        Seuils[k].Txt_Duree->setText(
            r && r->mode != Mode_Seuil::Instantane ? QString::number(r->duree_s) : QString());
    }
    Chk_Maintien->setChecked(jeu.maintien.has_value());
    Txt_Maintien->setText(jeu.maintien ? Texte_Single(jeu.maintien->temperature) : QString());
    Txt_Maintien_Duree->setText(jeu.maintien && jeu.maintien->duree_min_s
                                    ? QString::number(*jeu.maintien->duree_min_s)
                                    : QString());
    Chk_Cuisson->setChecked(jeu.cuisson.has_value());
    const int numero = jeu.cuisson ? jeu.cuisson->numero : Pasteurisation;
    Cmb_Cuisson->setCurrentIndex(numero == Pasteurisation ? 0 : numero == Sterilisation ? 1 : 2);
    Txt_Recette->setText(numero < Pasteurisation ? QString::number(numero) : QString());
    Txt_Cuisson_Min->setText(
        jeu.cuisson && jeu.cuisson->minimum ? Texte_Single(*jeu.cuisson->minimum) : QString());
    Chk_Mkt->setChecked(jeu.mkt_max.has_value());
    Txt_Mkt->setText(jeu.mkt_max ? Texte_Single(*jeu.mkt_max) : QString());
    Chk_Equilibrage->setChecked(jeu.equilibrage_max_s.has_value());
    Txt_Equilibrage->setText(jeu.equilibrage_max_s ? QString::number(*jeu.equilibrage_max_s)
                                                   : QString());
    Griser();
}

Ou_Erreur<Jeu_Criteres> Formulaire_Regles::Lire() const {
    Jeu_Criteres jeu;
    jeu.nom = Txt_Nom->text().simplified();
    if (jeu.nom.isEmpty()) return Resultat::Echec(QStringLiteral("Le jeu n'a pas de nom."));
    const QString une_duree = QStringLiteral("une durée en secondes entières");
    std::optional<Regle_Seuil>* regles[] = {&jeu.seuil_haut, &jeu.seuil_bas, &jeu.hygro_haut,
                                            &jeu.hygro_bas};
    for (std::size_t k = 0; k < Seuils.size(); ++k) {
        const Ligne_Seuil& s = Seuils[k];
        if (!s.Chk->isChecked()) continue;
        const QString regle = s.Chk->text();
        Regle_Seuil r;
        const auto limite = Nombre(s.Txt_Limite);
        if (!limite)
            return Resultat::Echec(
                Pas_Un_Nombre(regle, s.Txt_Limite, QStringLiteral("une limite")));
        r.limite = *limite;
        r.mode = Modes[std::max(0, s.Cmb_Mode->currentIndex())];
        if (r.mode != Mode_Seuil::Instantane) {
            const auto duree = Lecture_Duree(s.Txt_Duree->text().trimmed());
            if (!duree) return Resultat::Echec(Pas_Un_Nombre(regle, s.Txt_Duree, une_duree));
            r.duree_s = *duree;
        }
        if (const QString refus = Refus_Seuil(r, k >= 2); !refus.isEmpty())
            return Resultat::Echec(regle + QStringLiteral(" : ") + refus);
        *regles[k] = r;
    }
    if (Chk_Maintien->isChecked()) {
        const QString regle = Chk_Maintien->text();
        const auto temperature = Nombre(Txt_Maintien);
        if (!temperature)
            return Resultat::Echec(
                Pas_Un_Nombre(regle, Txt_Maintien, QStringLiteral("une température")));
        Regle_Maintien m{*temperature, std::nullopt};
        if (!Txt_Maintien_Duree->text().trimmed().isEmpty()) {
            m.duree_min_s = Lecture_Duree(Txt_Maintien_Duree->text().trimmed());
            if (!m.duree_min_s)
                return Resultat::Echec(Pas_Un_Nombre(regle, Txt_Maintien_Duree, une_duree));
        }
        if (const QString refus = Refus_Maintien(m); !refus.isEmpty())
            return Resultat::Echec(regle + QStringLiteral(" : ") + refus);
        jeu.maintien = m;
    }
    if (Chk_Cuisson->isChecked()) {
        const QString regle = Chk_Cuisson->text();
        Regle_Cuisson c;
        const int choix = Cmb_Cuisson->currentIndex();
        c.numero = choix == 0 ? Pasteurisation : choix == 1 ? Sterilisation : 0;
        if (choix == 2) {
            bool entier = false;
            c.numero = Txt_Recette->text().trimmed().toInt(&entier);
            if (!entier)
                return Resultat::Echec(
                    Pas_Un_Nombre(regle, Txt_Recette, QStringLiteral("un numéro de recette")));
        }
        if (!Txt_Cuisson_Min->text().trimmed().isEmpty()) {
            c.minimum = Nombre(Txt_Cuisson_Min);
            if (!c.minimum)
                return Resultat::Echec(
                    Pas_Un_Nombre(regle, Txt_Cuisson_Min, QStringLiteral("une valeur en minutes")));
        }
        if (const QString refus = Refus_Cuisson(c); !refus.isEmpty())
            return Resultat::Echec(regle + QStringLiteral(" : ") + refus);
        jeu.cuisson = c;
    }
    if (Chk_Mkt->isChecked()) {
        jeu.mkt_max = Nombre(Txt_Mkt);
        if (!jeu.mkt_max)
            return Resultat::Echec(
                Pas_Un_Nombre(Chk_Mkt->text(), Txt_Mkt, QStringLiteral("une température")));
        if (const QString refus = Refus_Mkt(*jeu.mkt_max); !refus.isEmpty())
            return Resultat::Echec(Chk_Mkt->text() + QStringLiteral(" : ") + refus);
    }
    if (Chk_Equilibrage->isChecked()) {
        jeu.equilibrage_max_s = Lecture_Duree(Txt_Equilibrage->text().trimmed());
        if (!jeu.equilibrage_max_s)
            return Resultat::Echec(
                Pas_Un_Nombre(Chk_Equilibrage->text(), Txt_Equilibrage, une_duree));
    }
    if (const QString refus = Refus_Ensemble(jeu); !refus.isEmpty())
        return Resultat::Echec(jeu.nom + QStringLiteral(" : ") + refus);
    return jeu;
}
