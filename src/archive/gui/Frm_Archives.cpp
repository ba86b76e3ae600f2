#include "archive/gui/Frm_Archives.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/Archive.h"
#include "archive/Description_Archive.h"
#include "archive/gui/Ouverture_Archive.h"
#include "controls/Controles.h"
#include "core/Dialogues.h"
#include "core/Dossier_Programme.h"
#include "core/Textes.h"
#include "files/Fichiers_Disque.h"

namespace {

// The columns, in order: "Vérification" says what "Vérifier" found; the file's path, long, last.
const QStringList Colonnes = {
    QStringLiteral("Logger"),       QStringLiteral("Modèle"),      QStringLiteral("Début"),
    QStringLiteral("Fin"),          QStringLiteral("Mesures"),     QStringLiteral("Min"),
    QStringLiteral("Max"),          QStringLiteral("Commentaire"), QStringLiteral("Poste"),
    QStringLiteral("Vérification"), QStringLiteral("Fichier")};
const int Colonne_Verification = 9;

// An ISO stamp of the archive as the program writes dates.
QString Date_Lisible(const QString& iso) {
    const auto date = Lecture_Date_ISO(iso);
    return date ? Texte_Date(*date) : QString();
}

QString Valeur(const std::optional<double>& v) {
    return v ? Texte_Single(static_cast<float>(*v)) : QString();
}

// A date typed in a filter box: empty is no bound, anything else must be a date.
bool Lire_Borne(QLineEdit& boite, const QString& nom, std::optional<double>& borne,
                Dialogues& dialogues) {
    const QString texte = boite.text().trimmed();
    borne.reset();
    if (texte.isEmpty()) return true;
    borne = Lecture_Date(texte);
    if (borne) return true;
    dialogues.Message(
        QStringLiteral("%1 : « %2 » n'est pas une date (jj/mm/aaaa ou jj/mm/aaaa hh:mm:ss).")
            .arg(nom, texte),
        Dialogues::Icone::Exclamation);
    boite.setFocus();
    return false;
}

}  // namespace

Frm_Archives::Frm_Archives(Dialogues& dialogues,
                           std::function<void(const QString&, const QString&)> ouvrir,
                           Rouvrir_Etude rouvrir_etude)
    : Fenetre_Chargeable(Qt::Window),
      dialogues_(dialogues),
      ouvrir_(std::move(ouvrir)),
      rouvrir_etude_(std::move(rouvrir_etude)) {
    setObjectName(QStringLiteral("Frm_Archives"));
    setWindowTitle(QStringLiteral("Archives"));
    auto* filtres = new QGridLayout;
    const auto boite = [&](const char* nom, const QString& libelle, int colonne) {
        filtres->addWidget(new QLabel(libelle, this), 0, colonne);
        auto* b = Controles::Nouveau<QLineEdit>(this, nom);
        filtres->addWidget(b, 1, colonne);
        return b;
    };
    Txt_Logger = boite("Txt_Logger", QStringLiteral("Logger"), 0);
    Txt_Du = boite("Txt_Du", QStringLiteral("Du (jj/mm/aaaa)"), 1);
    Txt_Au = boite("Txt_Au", QStringLiteral("Au (jj/mm/aaaa)"), 2);
    Txt_Texte = boite("Txt_Texte", QStringLiteral("Mot du commentaire"), 3);
    Cmd_Rechercher =
        Controles::Nomme(new QPushButton(QStringLiteral("Rechercher"), this), "Cmd_Rechercher");
    filtres->addWidget(Cmd_Rechercher, 1, 4);

    Lst_Archives = Controles::Nouveau<QTableWidget>(this, "Lst_Archives");
    Lst_Archives->setColumnCount(static_cast<int>(Colonnes.size()));
    Lst_Archives->setHorizontalHeaderLabels(Colonnes);
    Lst_Archives->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lst_Archives->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lst_Archives->verticalHeader()->hide();
    Lst_Archives->horizontalHeader()->setStretchLastSection(true);
    Lst_Etudes = Controles::Nouveau<QTableWidget>(this, "Lst_Etudes");
    Lst_Etudes->setColumnCount(6);
    Lst_Etudes->setHorizontalHeaderLabels(
        {QStringLiteral("Faite le"), QStringLiteral("Jeu de critères"), QStringLiteral("Verdict"),
         QStringLiteral("Enregistrements"), QStringLiteral("Auteur"), QStringLiteral("Poste")});
    Lst_Etudes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lst_Etudes->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lst_Etudes->verticalHeader()->hide();
    Lst_Etudes->horizontalHeader()->setStretchLastSection(true);
    Onglets = Controles::Nouveau<QTabWidget>(this, "Onglets");
    Onglets->addTab(Lst_Archives, QStringLiteral("Enregistrements"));
    Onglets->addTab(Lst_Etudes, QStringLiteral("Études"));

    Cmd_Verifier =
        Controles::Nomme(new QPushButton(QStringLiteral("Vérifier"), this), "Cmd_Verifier");
    Cmd_Ajouter = Controles::Nomme(new QPushButton(QStringLiteral("Ajouter des fichiers…"), this),
                                   "Cmd_Ajouter");
    Cmd_Fermer = Controles::Nomme(new QPushButton(QStringLiteral("Fermer"), this), "Cmd_Fermer");
    Lbl_Etat = Controles::Nouveau<QLabel>(this, "Lbl_Etat");
    Lbl_Etat->setWordWrap(true);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Lbl_Etat, 1);
    boutons->addWidget(Cmd_Ajouter);
    boutons->addWidget(Cmd_Verifier);
    boutons->addWidget(Cmd_Fermer);

    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(filtres);
    disposition->addWidget(Onglets, 1);
    disposition->addLayout(boutons);
    resize(980, 520);

    connect(Cmd_Rechercher, &QPushButton::clicked, this, &Frm_Archives::Cmd_Rechercher_Click);
    for (QLineEdit* b : {Txt_Logger, Txt_Du, Txt_Au, Txt_Texte})
        connect(b, &QLineEdit::returnPressed, this, &Frm_Archives::Cmd_Rechercher_Click);
    connect(Cmd_Verifier, &QPushButton::clicked, this, &Frm_Archives::Cmd_Verifier_Click);
    connect(Cmd_Ajouter, &QPushButton::clicked, this, &Frm_Archives::Cmd_Ajouter_Click);
    connect(Cmd_Fermer, &QPushButton::clicked, this, &Fenetre_Chargeable::Decharger);
    connect(Lst_Archives, &QTableWidget::cellDoubleClicked, this,
            [this](int rangee, int) { Lst_Archives_DblClick(rangee); });
    connect(Lst_Etudes, &QTableWidget::cellDoubleClicked, this,
            [this](int rangee, int) { Lst_Etudes_DblClick(rangee); });
}

Frm_Archives::~Frm_Archives() = default;

void Frm_Archives::Form_Load() {
    Centrer_Sur_Ecran();
    if (Archive_Ouverte()) Cmd_Rechercher_Click();
}

bool Frm_Archives::Archive_Ouverte() {
    if (archive_) return true;
    archive_ = Ouvrir_Archive_Fenetre(*Lbl_Etat, dialogues_);
    return archive_ != nullptr;
}

void Frm_Archives::Cmd_Rechercher_Click() {
    Filtre_Archive filtre;
    filtre.Identite = Txt_Logger->text().trimmed();
    filtre.Texte = Txt_Texte->text().trimmed();
    if (!Lire_Borne(*Txt_Du, QStringLiteral("Du"), filtre.Du, dialogues_) ||
        !Lire_Borne(*Txt_Au, QStringLiteral("Au"), filtre.Au, dialogues_)) {
        return;
    }
    // A date alone ends the range with that whole day.
    if (filtre.Au && !Txt_Au->text().contains(QLatin1Char(':'))) *filtre.Au += 86399 * Une_Seconde;
    if (!Archive_Ouverte()) return;
    const Resultat_Liste liste = archive_->Lister(filtre);
    if (!liste.Lu) {
        Lbl_Etat->setText(liste.Message);
        dialogues_.Message(liste.Message, Dialogues::Icone::Exclamation);
        return;
    }
    Afficher(liste.Fiches);
    Lister_Etudes();
    Lbl_Etat->setText(
        (liste.Fiches.isEmpty()
             ? QStringLiteral("Aucun enregistrement archivé ne répond à la recherche")
             : QStringLiteral("%1 enregistrement(s) archivé(s)").arg(liste.Fiches.size())) +
        QStringLiteral(" — ") + archive_->Adresse().Description());
}

void Frm_Archives::Afficher(const QList<Fiche_Archive>& fiches) {
    fiches_ = fiches;
    Lst_Archives->setRowCount(static_cast<int>(fiches.size()));
    for (int r = 0; r < fiches.size(); ++r) {
        const Fiche_Archive& f = fiches[r];
        const QStringList cellules = {f.Identite,
                                      f.Modele,
                                      Date_Lisible(f.Debut),
                                      Date_Lisible(f.Fin),
                                      QString::number(f.Mesures),
                                      Valeur(f.Minimum),
                                      Valeur(f.Maximum),
                                      f.Commentaire,
                                      f.Poste,
                                      QString(),
                                      QDir::toNativeSeparators(f.Fichier)};
        for (int c = 0; c < cellules.size(); ++c)
            Lst_Archives->setItem(r, c, new QTableWidgetItem(cellules[c]));
    }
    Lst_Archives->resizeColumnsToContents();
}

void Frm_Archives::Cmd_Verifier_Click() {
    if (!Archive_Ouverte()) return;
    const Resultat_Verification v = archive_->Verifier();
    if (!v.Lu) {
        Lbl_Etat->setText(v.Message);
        dialogues_.Message(v.Message, Dialogues::Icone::Exclamation);
        return;
    }
    int absents = 0, modifies = 0;
    // Every recording's copy was checked, listed or not.
    const auto alteres = std::count_if(
        v.Ecarts.begin(), v.Ecarts.end(),
        [](const Ecart_Archive& e) { return e.Type == Ecart_Archive::Nature::Copie_Alteree; });
    for (int r = 0; r < fiches_.size(); ++r) {
        QStringList etats;
        for (const Ecart_Archive& e : v.Ecarts) {
            if (e.Id != fiches_[r].Id) continue;
            switch (e.Type) {
                case Ecart_Archive::Nature::Absent:
                    etats << QStringLiteral("ABSENT");
                    ++absents;
                    break;
                case Ecart_Archive::Nature::Modifie:
                    etats << QStringLiteral("MODIFIÉ");
                    ++modifies;
                    break;
                case Ecart_Archive::Nature::Illisible:
                    etats << QStringLiteral("ILLISIBLE");
                    ++modifies;
                    break;
                case Ecart_Archive::Nature::Copie_Alteree:
                    etats << QStringLiteral("COPIE ARCHIVÉE ALTÉRÉE");
                    break;
            }
        }
        const QString etat = etats.isEmpty() ? QStringLiteral("présent, inchangé")
                                             : etats.join(QStringLiteral(", "));
        Lst_Archives->setItem(r, Colonne_Verification, new QTableWidgetItem(etat));
    }
    QString bilan = QStringLiteral("%1 fichier(s) vérifié(s) : %2 absent(s), %3 modifié(s)")
                        .arg(fiches_.size())
                        .arg(absents)
                        .arg(modifies);
    if (alteres > 0) bilan += QStringLiteral(" ; %1 copie(s) archivée(s) altérée(s)").arg(alteres);
    Lbl_Etat->setText(bilan);
    // Damage to the archive itself is told even when no listed recording shows it.
    if (alteres > 0 || !v.Defauts_Base.isEmpty()) {
        QString message = QStringLiteral("Les archives %1 sont endommagées.")
                              .arg(archive_->Adresse().Description());
        if (alteres > 0) {
            message += QStringLiteral(
                           "\n%1 copie(s) archivée(s) ne donnent plus leur empreinte "
                           "SHA-256.")
                           .arg(alteres);
        }
        for (const QString& defaut : v.Defauts_Base)
            message += QStringLiteral("\n") + defaut;
        dialogues_.Message(message, Dialogues::Icone::Exclamation);
    }
}

void Frm_Archives::Cmd_Ajouter_Click() {
    const QStringList fichiers =
        dialogues_.Fichiers_Ouvrir(Dialogues::Choix_Fichier::Dans_Sauvegardes(
            QStringLiteral("Archivage de fichiers d'enregistrements"), QStringLiteral(".txt")));
    if (fichiers.isEmpty() || !Archive_Ouverte()) return;
    int archives = 0, deja = 0;
    QStringList echecs;
    for (const QString& fichier : fichiers) {
        const Resultat_Ajout r = archive_->Ajouter(fichier);
        if (r.Bilan == Bilan_Ajout::Archive) ++archives;
        if (r.Bilan == Bilan_Ajout::Deja_Archive) ++deja;
        if (r.Bilan == Bilan_Ajout::Echec) echecs << r.Message;
    }
    QString bilan = QStringLiteral("%1 fichier(s) archivé(s), %2 déjà dans les archives.")
                        .arg(archives)
                        .arg(deja);
    if (!echecs.isEmpty()) bilan += QStringLiteral("\nNon archivés :\n") + echecs.join(u'\n');
    dialogues_.Message(
        bilan, echecs.isEmpty() ? Dialogues::Icone::Information : Dialogues::Icone::Exclamation);
    Cmd_Rechercher_Click();
}

// The recording as it was archived: its own file while that still holds the same bytes,
// otherwise a copy of the archived bytes, so that what opens is always what was archived.
void Frm_Archives::Lst_Archives_DblClick(int rangee) {
    if (rangee < 0 || rangee >= fiches_.size() || !Archive_Ouverte()) return;
    const Fiche_Archive& f = fiches_[rangee];
    QByteArray octets;
    if (Import_Export::Lecture_Octets(f.Fichier, octets) == Import_Export::Resultat_Lecture::Lu &&
        Empreinte(octets) == f.Sha256) {
        ouvrir_(f.Fichier, f.Unite);
        return;
    }
    const QString dossier = Dossier_Programme::Fichier(QStringLiteral("Archives/Ouverts"));
    QDir().mkpath(dossier);
    const QString copie = dossier + QStringLiteral("/archive_%1.txt").arg(f.Id);
    const Resultat_Export r = archive_->Exporter(f.Id, copie);
    if (r.Bilan != Bilan_Export::Exporte) {
        dialogues_.Message(r.Message, Dialogues::Icone::Exclamation);
        return;
    }
    ouvrir_(copie, f.Unite);
}
