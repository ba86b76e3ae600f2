#include "logger/gui/Frm_UpLoad.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolTip>
#include <QVBoxLayout>

#include "controls/CWNumEdit.h"
#include "controls/Controles.h"
#include "controls/MaskEdBox.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Sorties.h"
#include "core/Textes.h"
#include "logger/Campagne.h"
#include "logger/Communication.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Port_Serie.h"
#include "logger/Programmation_Logger.h"

namespace {

using namespace Limites_Campagne;

QStringList Textes_Tailles() {
    QStringList textes;
    for (int32_t taille : Tailles)
        textes << QString::number(taille);
    return textes;
}
const QString Pas_Envoye = QStringLiteral("\nRien n'a été envoyé au logger.");

bool Unite_Hygrometrie(const QString& unite) {
    return unite == QStringLiteral("°C & alarme %Hr") || unite == QStringLiteral("°F & alarme %Hr");
}

}  // namespace

Frm_UpLoad::Frm_UpLoad(Etat& etat, Communication& lien, Dialogues& dialogues,
                       Sortie_Etat& etat_affiche)
    : Fenetre_Chargeable(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      etat_(etat),
      lien_(lien),
      dialogues_(dialogues),
      etat_affiche_(etat_affiche) {
    setObjectName(QStringLiteral("Frm_UpLoad"));
    setWindowTitle(QStringLiteral("Programmation"));
    Construire();
    Disposer();
    Connecter();
    // The design values: the thresholds of a fresh program, an immediate start, sleep allowed.
    CW_Alarm_High->setValue(10);
    CW_Alarm_Low->setValue(0);
    Opt_Start_Mode_Now->setChecked(true);
    Opt_Sleep_On->setChecked(true);
    adjustSize();
    Centrer_Sur_Ecran();
}

void Frm_UpLoad::Construire() {
    Cmd_UpLoad = Controles::Nomme(new QPushButton(QStringLiteral("OK"), this), "Cmd_UpLoad");
    Cmd_Annuler = Controles::Nomme(new QPushButton(QStringLiteral("Annuler"), this), "Cmd_Annuler");
    Frame_Per_Enreg = Controles::Nomme(
        new QGroupBox(QStringLiteral("Période enregistrement (s)"), this), "Frame_Per_Enreg");
    CW_Per_Enreg = Controles::Nomme(new CWNumEdit(Frame_Per_Enreg), "CW_Per_Enreg");
    CW_Per_Enreg->Definir_Format(QStringLiteral("0"));
    CW_Per_Enreg->setRange(Periode_Min, Periode_Max);

    Frame_Units =
        Controles::Nomme(new QGroupBox(QStringLiteral("Alarme sur :"), this), "Frame_Units");
    Frame_Alarm_Low = Controles::Nomme(new QGroupBox(QStringLiteral("Alarme basse"), Frame_Units),
                                       "Frame_Alarm_Low");
    CW_Alarm_Low = Controles::Nomme(new CWNumEdit(Frame_Alarm_Low), "CW_Alarm_Low");
    CW_Alarm_Low->Definir_Format(QStringLiteral("000.0"));
    Frame_Alarm_High = Controles::Nomme(new QGroupBox(QStringLiteral("Alarme haute"), Frame_Units),
                                        "Frame_Alarm_High");
    CW_Alarm_High = Controles::Nomme(new CWNumEdit(Frame_Alarm_High), "CW_Alarm_High");
    CW_Alarm_High->Definir_Format(QStringLiteral(".0"));
    for (CWNumEdit* alarme : {CW_Alarm_Low, CW_Alarm_High})
        alarme->setRange(Seuil_Min, Seuil_Max);
    Cmb_Units = Controles::Nomme(new QComboBox(Frame_Units), "Cmb_Units");

    Frm_Start_Mode = Controles::Nomme(new QGroupBox(QStringLiteral("Mode de démarrage"), this),
                                      "Frm_Start_Mode");
    Msk_Start_Date = Controles::Nomme(new MaskEdBox(Frm_Start_Mode), "Msk_Start_Date");
    Opt_Start_Mode_Shedule = Controles::Nomme(
        new QRadioButton(QStringLiteral("Planifié "), Frm_Start_Mode), "Opt_Start_Mode_Shedule");
    Opt_Start_Mode_Now = Controles::Nomme(
        new QRadioButton(QStringLiteral("Immédiat"), Frm_Start_Mode), "Opt_Start_Mode_Now");
    Msk_Start_Time = Controles::Nomme(new MaskEdBox(Frm_Start_Mode), "Msk_Start_Time");
    Msk_Start_Time->Definir_Format(QStringLiteral("hh:mm:ss"));
    Msk_Start_Time->Definir_Masque(QStringLiteral("99:99:99"));

    Frm_Nb_Max_Enreg = Controles::Nomme(
        new QGroupBox(QStringLiteral("Nombre de points avant arrêt"), this), "Frm_Nb_Max_Enreg");
    Cmb_Nb_Max_Enreg = Controles::Nomme(new QComboBox(Frm_Nb_Max_Enreg), "Cmb_Nb_Max_Enreg");

    Frame_Sleep = Controles::Nomme(
        new QGroupBox(QStringLiteral("Mise en veille automatique"), this), "Frame_Sleep");
    Opt_Sleep_Off =
        Controles::Nomme(new QRadioButton(QStringLiteral("Non"), Frame_Sleep), "Opt_Sleep_Off");
    Opt_Sleep_On =
        Controles::Nomme(new QRadioButton(QStringLiteral("Oui"), Frame_Sleep), "Opt_Sleep_On");

    Frame_Id = Controles::Nomme(new QGroupBox(QStringLiteral("Nom du module"), this), "Frame_Id");
    Txt_Saisi_ID = Controles::Nomme(new QLineEdit(Frame_Id), "Txt_Saisi_ID");
    // A blank would split the logger's identity reply and shift the version after it.
    Txt_Saisi_ID->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[!-~\\x{A1}-\\x{FF}]*")), Txt_Saisi_ID));
    Txt_Saisi_ID->setMaxLength(Longueur_Identite);
}

void Frm_UpLoad::Disposer() {
    auto seul = [](QGroupBox* cadre, QWidget* controle) {
        auto* disposition = new QVBoxLayout(cadre);
        disposition->addWidget(controle);
    };
    seul(Frame_Id, Txt_Saisi_ID);
    seul(Frame_Per_Enreg, CW_Per_Enreg);
    seul(Frm_Nb_Max_Enreg, Cmb_Nb_Max_Enreg);
    seul(Frame_Alarm_High, CW_Alarm_High);
    seul(Frame_Alarm_Low, CW_Alarm_Low);

    auto* veille = new QHBoxLayout(Frame_Sleep);
    veille->addWidget(Opt_Sleep_On);
    veille->addWidget(Opt_Sleep_Off);

    auto* unites = new QVBoxLayout(Frame_Units);
    unites->addWidget(Cmb_Units);
    unites->addWidget(Frame_Alarm_High);
    unites->addWidget(Frame_Alarm_Low);

    auto* depart = new QGridLayout(Frm_Start_Mode);
    depart->addWidget(Opt_Start_Mode_Now, 0, 0);
    depart->addWidget(Opt_Start_Mode_Shedule, 1, 0);
    depart->addWidget(Msk_Start_Date, 1, 1);
    depart->addWidget(Msk_Start_Time, 1, 2);

    auto* fenetre = new QGridLayout(this);
    fenetre->addWidget(Frame_Id, 0, 0);
    fenetre->addWidget(Frame_Per_Enreg, 1, 0);
    fenetre->addWidget(Frm_Nb_Max_Enreg, 2, 0);
    fenetre->addWidget(Frame_Sleep, 3, 0);
    fenetre->addWidget(Frame_Units, 0, 1, 3, 1);
    fenetre->addWidget(Frm_Start_Mode, 3, 1, 2, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Cmd_UpLoad);
    boutons->addWidget(Cmd_Annuler);
    fenetre->addLayout(boutons, 5, 0, 1, 2);
    fenetre->setSizeConstraint(QLayout::SetFixedSize);
}

void Frm_UpLoad::Connecter() {
    connect(Cmd_UpLoad, &QPushButton::clicked, this, &Frm_UpLoad::Cmd_UpLoad_Click);
    connect(Cmb_Units, &QComboBox::currentTextChanged, this, &Frm_UpLoad::Cmb_Units_Change);
    connect(Opt_Start_Mode_Now, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi) Opt_Start_Mode_Now_Click();
    });
    connect(Opt_Start_Mode_Shedule, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi) Opt_Start_Mode_Shedule_Click();
    });
    connect(Cmd_Annuler, &QPushButton::clicked, this, &Frm_UpLoad::Decharger);
    connect(Txt_Saisi_ID, &QLineEdit::inputRejected, this, [this] {
        QToolTip::showText(Txt_Saisi_ID->mapToGlobal(QPoint(0, Txt_Saisi_ID->height())),
                           QStringLiteral("8 caractères au plus, sans espace"), Txt_Saisi_ID);
    });
}

void Frm_UpLoad::Form_Load() {
    // Our dates are always written dd/mm/yyyy.
    Msk_Start_Date->Definir_Format(QStringLiteral("dd/mm/yyyy"));
    Msk_Start_Date->Definir_Masque(QStringLiteral("99/99/9999"));
    const double maintenant = lien_.Horloge_Lien().Maintenant();
    Msk_Start_Date->Afficher_Date(maintenant);
    Msk_Start_Time->Afficher_Date(maintenant);

    // The boxes take the logger's values; the recording held in memory keeps its own.
    const Fonctions_Logger::Logger_Lu lu =
        Fonctions_Logger::Interroger_Logger(etat_, lien_, &etat_affiche_);
    if (lu.resultat != Fonctions_Logger::Fait) {
        dialogues_.Message(
            Texte_Sans_Logger(lien_.Port(), QStringLiteral("Le logger ne répond pas")));
        return;
    }
    mesures_logger_ = std::clamp(Nb_Enregistrements(lu.fiche.version, lu.fiche.etat.nb_mesures), 0,
                                 Nb_Mesures_Max);
    Remplir(lu.fiche);
}

void Frm_UpLoad::Remplir(const Fonctions_Logger::Fiche_Logger& fiche) {
    Cmb_Units->clear();
    Cmb_Units->addItems({QStringLiteral("°C"), QStringLiteral("°F")});
    if (Est_Modele_7307(fiche.version)) {
        Cmb_Units->addItems({QStringLiteral("°C & alarme %Hr"), QStringLiteral("°F & alarme %Hr")});
    }
    Cmb_Nb_Max_Enreg->clear();
    Cmb_Nb_Max_Enreg->addItems(Textes_Tailles());
    Cmb_Nb_Max_Enreg->setCurrentText(QStringLiteral("16000"));
    for (CWNumEdit* alarme : {CW_Alarm_High, CW_Alarm_Low})
        alarme->setRange(Seuil_Min, Seuil_Max);
    CW_Per_Enreg->setRange(Periode_Min, Periode_Max);

    Txt_Saisi_ID->setText(fiche.identite);
    // A period the logger cannot take would go out as 900 s: the box says so from the start.
    const int16_t periode = fiche.etat.periode;
    const bool periode_valide = periode >= Periode_Min && periode <= Periode_Max;
    CW_Per_Enreg->setValue(periode_valide ? periode : Periode_Defaut);
    Cmb_Units->setCurrentText(fiche.etat.unite);
    Cmb_Nb_Max_Enreg->setCurrentText(QString::number(etat_.Nb_Enreg_Max));
    CW_Alarm_High->setValue(etat_.Seuil_Haut);
    CW_Alarm_Low->setValue(etat_.Seuil_Bas);
}

void Frm_UpLoad::Cmb_Units_Click() {
    const bool hygrometrie = Unite_Hygrometrie(Cmb_Units->currentText());
    Frame_Alarm_High->setTitle(hygrometrie ? QStringLiteral("Alarme haute hygrométrie")
                                           : QStringLiteral("Alarme haute température"));
    Frame_Alarm_Low->setTitle(hygrometrie ? QStringLiteral("Alarme basse hygrométrie")
                                          : QStringLiteral("Alarme basse température"));
}

void Frm_UpLoad::Cmb_Units_Change() {
    Cmb_Units_Click();
}

void Frm_UpLoad::Opt_Start_Mode_Now_Click() {
    Msk_Start_Date->setEnabled(false);
    Msk_Start_Time->setEnabled(false);
}

void Frm_UpLoad::Opt_Start_Mode_Shedule_Click() {
    Msk_Start_Date->setEnabled(true);
    Msk_Start_Time->setEnabled(true);
}

void Frm_UpLoad::keyPressEvent(QKeyEvent* evenement) {
    // Escape leaves without sending, as in any dialog; the boxes pass it on to the window.
    if (evenement->key() == Qt::Key_Escape) {
        Decharger();
        return;
    }
    Fenetre_Chargeable::keyPressEvent(evenement);
}

void Frm_UpLoad::Refuser(const QString& texte) {
    dialogues_.Message(texte + Pas_Envoye, Dialogues::Icone::Exclamation);
}

std::optional<double> Frm_UpLoad::Lire_Depart() {
    const QString date = Msk_Start_Date->text();
    const QString heure = Msk_Start_Time->text();
    if (!Lecture_Date(date)) {
        Refuser(
            QStringLiteral("Date de départ : « %1 » n'est pas une date (jj/mm/aaaa).").arg(date));
        return std::nullopt;
    }
    const std::optional<double> depart = Lecture_Date(date + QLatin1Char(' ') + heure);
    if (!depart) {
        Refuser(
            QStringLiteral("Heure de départ : « %1 » n'est pas une heure (hh:mm:ss).").arg(heure));
    }
    return depart;
}

// Every box is read before anything goes to the logger, so that a typing mistake never leaves
// a logger half programmed.
std::optional<Frm_UpLoad::Saisie> Frm_UpLoad::Lire_Saisie() {
    for (const auto& [boite, cadre] :
         {std::pair{CW_Per_Enreg, Frame_Per_Enreg}, std::pair{CW_Alarm_High, Frame_Alarm_High},
          std::pair{CW_Alarm_Low, Frame_Alarm_Low}}) {
        if (!boite->Texte_Lisible()) {
            const QString texte = boite->text().trimmed();
            Refuser(texte.isEmpty() ? QStringLiteral("%1 : la case est vide.").arg(cadre->title())
                                    : QStringLiteral("%1 : « %2 » n'est pas un nombre.")
                                          .arg(cadre->title(), texte));
            return std::nullopt;
        }
    }
    Saisie saisie;
    // The list only ever holds the sizes the logger knows: it is empty when the logger could
    // not be read.
    const QString taille = Cmb_Nb_Max_Enreg->currentText();
    if (!Textes_Tailles().contains(taille)) {
        Refuser(
            QStringLiteral("Nombre de points avant arrêt : aucun nombre n'est choisi, le "
                           "logger n'a pas pu être lu."));
        return std::nullopt;
    }
    saisie.nb_enreg = taille.toInt();
    if (Opt_Start_Mode_Shedule->isChecked()) {
        saisie.depart = Lire_Depart();
        if (!saisie.depart) return std::nullopt;
    }
    // Typed numbers are taken now (out of range ones brought to the nearest limit, as leaving
    // the box does). The two alarms are checked together here, never one rewritten as the other
    // is typed.
    for (CWNumEdit* boite : {CW_Per_Enreg, CW_Alarm_High, CW_Alarm_Low})
        boite->interpretText();
    saisie.periode = static_cast<int16_t>(CW_Per_Enreg->value());
    const auto haute = static_cast<float>(CW_Alarm_High->value());
    const auto basse = static_cast<float>(CW_Alarm_Low->value());
    Campagne campagne;
    campagne.Identite = Txt_Saisi_ID->text();
    campagne.Periode = saisie.periode;
    campagne.Unite = Cmb_Units->currentText();
    campagne.Nb_Enreg = saisie.nb_enreg;
    if (const auto refus = Verifier_Campagne(campagne, haute, basse)) {
        using Champ = Refus_Campagne::Champ;
        const QGroupBox* cadre = refus->champ == Champ::Identite  ? Frame_Id
                                 : refus->champ == Champ::Periode ? Frame_Per_Enreg
                                                                  : Frm_Nb_Max_Enreg;
        Refuser(refus->champ == Champ::Seuils
                    ? QStringLiteral("Alarme haute %1, alarme basse %2 : %3.")
                          .arg(Texte_Single(haute), Texte_Single(basse), refus->texte)
                    : QStringLiteral("%1 : %2.").arg(cadre->title(), refus->texte));
        return std::nullopt;
    }
    return saisie;
}

void Frm_UpLoad::Cmd_UpLoad_Click() {
    const std::optional<Saisie> saisie = Lire_Saisie();
    if (!saisie) return;
    // The start command restarts the logger's recording: measures not downloaded yet would go
    // without a word.
    const QString effacement = Programmation_Logger::Avertissement_Effacement(mesures_logger_);
    if (!effacement.isEmpty() &&
        !dialogues_.Question_Oui_Non(effacement + QStringLiteral("\nVoulez vous continuer ?"))) {
        return;
    }
    etat_.Seuil_Haut = static_cast<float>(CW_Alarm_High->value());
    etat_.Seuil_Bas = static_cast<float>(CW_Alarm_Low->value());
    etat_.Nb_Enreg_Max = saisie->nb_enreg;

    Campagne campagne;
    campagne.Identite = Txt_Saisi_ID->text();
    campagne.Sans_Veille = Opt_Sleep_Off->isChecked();
    campagne.Periode = saisie->periode;
    campagne.Unite = Cmb_Units->currentText();
    campagne.Depart = saisie->depart;  // "Immédiat" starts now, whatever the boxes still hold
    campagne.Nb_Enreg = saisie->nb_enreg;
    const Fonctions_Logger::Resultat r = Programmation_Logger::Programmer(etat_, lien_, campagne);
    emit Seuils_Changes();  // set above, and clamped by the alarm command
    if (r != Fonctions_Logger::Fait) {
        // A logger left half programmed must not look programmed: the window stays for a retry.
        dialogues_.Message(
            Texte_Sans_Logger(lien_.Port(),
                              QStringLiteral("Le logger ne répond pas - Erreur N° : %1").arg(r)) +
                QStringLiteral("\nLa programmation n'est pas terminée : appuyer sur OK pour la "
                               "reprendre."),
            Dialogues::Icone::Exclamation);
        return;
    }
    etat_affiche_.Afficher_Etat(Programmation_Logger::Texte_Programme(campagne.Identite));
    Decharger();
}
