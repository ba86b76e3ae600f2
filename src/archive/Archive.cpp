#include "archive/Archive.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>

#include "archive/Description_Archive.h"
#include "archive/Erreurs_Archive.h"
#include "archive/Schema_Archive.h"
#include "archive/Transaction_Archive.h"
#include "core/Textes.h"
#include "files/Texte_Fichier.h"

namespace {

using Moteur = Adresse_Archive::Moteur;

const QString Colonnes_Fiche = QStringLiteral(
    "id, sha256, identite, modele, periode, debut, fin, mesures, commentaire, recette, "
    "fichier, ajoute, poste, minimum, maximum, moyenne, mkt, unite, annoncees");

QVariant Valeur_Facultative(const std::optional<double>& valeur) {
    return valeur ? QVariant(*valeur) : QVariant(QMetaType::fromType<double>());
}

// An empty text is bound as a null one by Qt SQL: the columns want the empty text.
QVariant Texte(const QString& texte) {
    return texte.isNull() ? QVariant(QStringLiteral("")) : QVariant(texte);
}

std::optional<double> Lire_Facultative(const QVariant& valeur) {
    if (valeur.isNull()) return std::nullopt;
    return valeur.toDouble();
}

// The row as Colonnes_Fiche lists it.
Fiche_Archive Lire_Fiche(const QSqlQuery& q) {
    Fiche_Archive f;
    f.Id = q.value(0).toLongLong();
    f.Sha256 = q.value(1).toString();
    f.Identite = q.value(2).toString();
    f.Modele = q.value(3).toString();
    f.Periode = q.value(4).toInt();
    f.Debut = q.value(5).toString();
    f.Fin = q.value(6).toString();
    f.Mesures = q.value(7).toInt();
    f.Commentaire = q.value(8).toString();
    f.Recette = q.value(9).toInt();
    f.Fichier = q.value(10).toString();
    f.Ajoute = q.value(11).toString();
    f.Poste = q.value(12).toString();
    f.Minimum = Lire_Facultative(q.value(13));
    f.Maximum = Lire_Facultative(q.value(14));
    f.Moyenne = Lire_Facultative(q.value(15));
    f.Mkt = Lire_Facultative(q.value(16));
    f.Unite = q.value(17).toString();
    f.Annoncees = q.value(18).isNull() ? f.Mesures : q.value(18).toInt();
    return f;
}

// LIKE's own wildcards in a searched word are plain characters.
QString Motif_Contenant(const QString& mot) {
    QString motif = mot.toCaseFolded();
    motif.replace(QLatin1Char('!'), QStringLiteral("!!"));
    motif.replace(QLatin1Char('%'), QStringLiteral("!%"));
    motif.replace(QLatin1Char('_'), QStringLiteral("!_"));
    return QLatin1Char('%') + motif + QLatin1Char('%');
}

struct Insertion {
    int64_t id = 0;
    bool nouveau = false;
};

// Both rows of the recording in one transaction. Returns the error that stopped it; the
// transaction is then undone (or never committed, when the connection is gone).
std::optional<QSqlError> Inserer(const QSqlDatabase& base, Moteur moteur,
                                 const Fichier_Decrit& decrit, Insertion& insertion,
                                 const std::function<void()>& avant_validation) {
    const Fiche_Archive& f = decrit.Fiche;
    // The statements are made before the transaction so that they outlive it: PostgreSQL frees
    // a statement only once the transaction it failed in has been undone.
    QSqlQuery fiche(base);
    QSqlQuery numero(base);
    QSqlQuery contenu(base);
    Transaction_Archive transaction(base, moteur);
    if (!transaction.Commencee()) return transaction.Erreur();
    fiche.prepare(QStringLiteral(
        "INSERT INTO enregistrements (sha256, identite, modele, periode, debut, fin, mesures, "
        "commentaire, commentaire_recherche, recette, fichier, ajoute, poste, minimum, maximum, "
        "moyenne, mkt, unite, annoncees) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (sha256) DO NOTHING"));
    for (const QVariant& v :
         {Texte(f.Sha256), Texte(f.Identite), Texte(f.Modele), QVariant(f.Periode), Texte(f.Debut),
          Texte(f.Fin), QVariant(f.Mesures), Texte(f.Commentaire),
          Texte(f.Commentaire.toCaseFolded()), QVariant(f.Recette), Texte(f.Fichier),
          Texte(f.Ajoute), Texte(f.Poste), Valeur_Facultative(f.Minimum),
          Valeur_Facultative(f.Maximum), Valeur_Facultative(f.Moyenne), Valeur_Facultative(f.Mkt),
          Texte(f.Unite), QVariant(f.Annoncees)}) {
        fiche.addBindValue(v);
    }
    if (!fiche.exec()) return fiche.lastError();
    // Another workstation adding the same bytes at the same moment: the unique SHA-256 makes
    // this insert wait for its commit, then add nothing.
    insertion.nouveau = fiche.numRowsAffected() > 0;

    numero.prepare(QStringLiteral("SELECT id FROM enregistrements WHERE sha256 = ?"));
    numero.addBindValue(f.Sha256);
    if (!numero.exec()) return numero.lastError();
    if (!numero.next()) return numero.lastError();
    insertion.id = numero.value(0).toLongLong();
    if (!insertion.nouveau) return std::nullopt;  // undone: nothing was written

    contenu.prepare(QStringLiteral("INSERT INTO contenus (id, octets) VALUES (?, ?)"));
    contenu.addBindValue(QVariant::fromValue(static_cast<qlonglong>(insertion.id)));
    contenu.addBindValue(decrit.Octets);
    if (!contenu.exec()) return contenu.lastError();
    if (avant_validation) avant_validation();
    if (!transaction.Valider()) return transaction.Erreur();
    return std::nullopt;
}

}  // namespace

Archive::Archive(const Adresse_Archive& adresse)
    : adresse_(adresse),
      connexion_(
          QStringLiteral("caldrix_archive_%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {
    if (adresse.Type == Moteur::SQLite) {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion_);
        base.setDatabaseName(adresse.Fichier);
        // Two programs of the workstation writing at once: the second waits its turn.
        base.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connexion_);
        base.setHostName(adresse.Hote);
        base.setPort(adresse.Port);
        base.setUserName(adresse.Utilisateur);
        base.setPassword(adresse.Mot_De_Passe);
        base.setDatabaseName(adresse.Base);
        // A server that is down must not freeze the download it follows for minutes.
        base.setConnectOptions(QStringLiteral("connect_timeout=10"));
    }
}

Archive::~Archive() {
    Deconnecter();
    QSqlDatabase::removeDatabase(connexion_);
}

std::unique_ptr<Archive> Archive::Ouvrir(QString& erreur) {
    const auto adresse = Adresse_Configuree(erreur);
    if (!adresse) return nullptr;
    return Ouvrir(*adresse, erreur);
}

std::unique_ptr<Archive> Archive::Ouvrir(const Adresse_Archive& adresse, QString& erreur) {
    if (adresse.Type == Moteur::SQLite &&
        !QDir().mkpath(QFileInfo(adresse.Fichier).absolutePath())) {
        erreur = QStringLiteral("Impossible de créer le dossier des archives %1")
                     .arg(QFileInfo(adresse.Fichier).absolutePath());
        return nullptr;
    }
    std::unique_ptr<Archive> archive(new Archive(adresse));
    if (!archive->Connecter(erreur) ||
        !Preparer_Schema(QSqlDatabase::database(archive->connexion_, false), adresse, erreur)) {
        return nullptr;
    }
    return archive;
}

bool Archive::Connecter(QString& erreur) {
    QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    if (!base.isValid()) {
        erreur =
            QStringLiteral("Le pilote %1 de Qt SQL n'est pas installé : archives inaccessibles")
                .arg(adresse_.Type == Moteur::SQLite ? QStringLiteral("SQLite")
                                                     : QStringLiteral("PostgreSQL"));
        return false;
    }
    if (base.isOpen()) return true;
    if (!base.open()) {
        erreur = QStringLiteral("Impossible d'ouvrir les archives %1 : %2")
                     .arg(adresse_.Description(), Cause_Erreur_Archive(base.lastError(), adresse_));
        return false;
    }
    if (adresse_.Type == Moteur::SQLite) {
        QSqlQuery(base).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    }
    return true;
}

void Archive::Deconnecter() {
    QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    if (base.isOpen()) base.close();
}

int Archive::Version_Schema() {
    QString erreur;
    if (!Connecter(erreur)) return -1;
    return Lire_Version_Schema(QSqlDatabase::database(connexion_, false));
}

Resultat_Ajout Archive::Ajouter(const QString& chemin, const QString& unite) {
    Resultat_Ajout resultat;
    QString erreur;
    auto decrit = Decrire_Fichier(chemin, erreur, unite);
    if (!decrit) {
        resultat.Message = erreur;
        return resultat;
    }
    decrit->Fiche.Ajoute = Texte_Date_ISO(Date_Depuis_QDateTime(QDateTime::currentDateTime()));
    decrit->Fiche.Poste = QSysInfo::machineHostName();
    if (!Connecter(erreur)) {
        resultat.Message = QStringLiteral("%1 n'est pas archivé. %2").arg(chemin, erreur);
        return resultat;
    }
    Insertion insertion;
    const auto probleme = Inserer(QSqlDatabase::database(connexion_, false), adresse_.Type, *decrit,
                                  insertion, avant_validation_);
    if (probleme) {
        Deconnecter();
        resultat.Message = QStringLiteral("%1 n'est pas archivé : %2")
                               .arg(chemin, Cause_Erreur_Archive(*probleme, adresse_));
        return resultat;
    }
    resultat.Id = insertion.id;
    if (insertion.nouveau) {
        resultat.Bilan = Bilan_Ajout::Archive;
        resultat.Message =
            QStringLiteral("%1 archivé (n° %2)").arg(chemin, QString::number(insertion.id));
    } else {
        resultat.Bilan = Bilan_Ajout::Deja_Archive;
        resultat.Message = QStringLiteral("%1 déjà dans les archives (n° %2)")
                               .arg(chemin, QString::number(insertion.id));
    }
    return resultat;
}

Resultat_Liste Archive::Lister(const Filtre_Archive& filtre) {
    Resultat_Liste resultat;
    if (!Connecter(resultat.Message)) return resultat;
    QString conditions;
    QVariantList valeurs;
    const auto condition = [&](const char* texte, const QVariant& valeur) {
        conditions += conditions.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        conditions += QLatin1String(texte);
        valeurs << valeur;
    };
    if (!filtre.Identite.isEmpty()) condition("identite = ?", filtre.Identite);
    // Stamps are ISO texts: their order is the dates' order on both engines. A recording
    // without records has no span and meets no date range.
    if (filtre.Du) condition("fin >= ?", Texte_Date_ISO(*filtre.Du));
    if (filtre.Au) condition("debut <= ? AND debut <> ''", Texte_Date_ISO(*filtre.Au));
    if (!filtre.Texte.isEmpty()) {
        condition("commentaire_recherche LIKE ? ESCAPE '!'", Motif_Contenant(filtre.Texte));
    }
    QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    {
        QSqlQuery requete(base);
        requete.setForwardOnly(true);
        requete.prepare(
            QStringLiteral("SELECT %1 FROM enregistrements%2 ORDER BY debut DESC, id DESC")
                .arg(Colonnes_Fiche, conditions));
        for (const QVariant& v : valeurs)
            requete.addBindValue(v);
        if (requete.exec()) {
            while (requete.next())
                resultat.Fiches << Lire_Fiche(requete);
            resultat.Lu = requete.lastError().type() == QSqlError::NoError;
        }
        if (!resultat.Lu) {
            resultat.Fiches.clear();
            resultat.Message = QStringLiteral("Impossible de lire les archives %1 : %2")
                                   .arg(adresse_.Description(),
                                        Cause_Erreur_Archive(requete.lastError(), adresse_));
        }
    }
    if (!resultat.Lu) Deconnecter();
    return resultat;
}

Resultat_Export Archive::Exporter(int64_t id, const QString& sortie) {
    Resultat_Export resultat;
    if (!Connecter(resultat.Message)) return resultat;
    QByteArray octets;
    QString empreinte;
    bool trouve = false;
    QSqlError erreur;
    {
        QSqlQuery requete(QSqlDatabase::database(connexion_, false));
        requete.setForwardOnly(true);
        requete.prepare(
            QStringLiteral("SELECT e.sha256, c.octets FROM enregistrements e "
                           "JOIN contenus c ON c.id = e.id WHERE e.id = ?"));
        requete.addBindValue(QVariant::fromValue(static_cast<qlonglong>(id)));
        if (requete.exec() && requete.next()) {
            trouve = true;
            empreinte = requete.value(0).toString();
            octets = requete.value(1).toByteArray();
        }
        erreur = requete.lastError();
    }
    if (erreur.type() != QSqlError::NoError) {
        Deconnecter();
        resultat.Message = QStringLiteral("Impossible de lire les archives %1 : %2")
                               .arg(adresse_.Description(), Cause_Erreur_Archive(erreur, adresse_));
        return resultat;
    }
    if (!trouve) {
        resultat.Bilan = Bilan_Export::Inconnu;
        resultat.Message = QStringLiteral("Aucun enregistrement n° %1 dans les archives").arg(id);
        return resultat;
    }
    // Bytes that no longer match their SHA-256 would be a wrong record handed out as a good one.
    if (Empreinte(octets) != empreinte) {
        resultat.Message =
            QStringLiteral("L'enregistrement n° %1 des archives est altéré : il n'est pas exporté")
                .arg(id);
        return resultat;
    }
    if (Import_Export::Ecriture_Atomique(sortie, octets) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        resultat.Message = QStringLiteral("Impossible d'écrire le fichier %1").arg(sortie);
        return resultat;
    }
    resultat.Bilan = Bilan_Export::Exporte;
    resultat.Message =
        QStringLiteral("Enregistrement n° %1 écrit dans %2").arg(QString::number(id), sortie);
    return resultat;
}

Resultat_Verification Archive::Verifier() {
    Resultat_Verification resultat;
    if (!Connecter(resultat.Message)) return resultat;
    QList<Ecart_Archive> archives;
    QStringList empreintes;
    QSqlError erreur;
    {
        QSqlQuery requete(QSqlDatabase::database(connexion_, false));
        requete.setForwardOnly(true);
        if (requete.exec(
                QStringLiteral("SELECT id, sha256, fichier FROM enregistrements ORDER BY id"))) {
            while (requete.next()) {
                archives.append({requete.value(0).toLongLong(), requete.value(2).toString(),
                                 Ecart_Archive::Nature::Absent});
                empreintes << requete.value(1).toString();
            }
        }
        erreur = requete.lastError();
    }
    if (erreur.type() != QSqlError::NoError) {
        Deconnecter();
        resultat.Message = QStringLiteral("Impossible de lire les archives %1 : %2")
                               .arg(adresse_.Description(), Cause_Erreur_Archive(erreur, adresse_));
        return resultat;
    }
    for (qsizetype i = 0; i < archives.size(); ++i) {
        Ecart_Archive& a = archives[i];
        QByteArray octets;
        switch (Import_Export::Lecture_Octets(a.Fichier, octets)) {
            case Import_Export::Resultat_Lecture::Introuvable:
                resultat.Ecarts << a;
                break;
            case Import_Export::Resultat_Lecture::Incorrect:
                a.Type = Ecart_Archive::Nature::Illisible;
                resultat.Ecarts << a;
                break;
            case Import_Export::Resultat_Lecture::Lu:
                if (Empreinte(octets) != empreintes[i]) {
                    a.Type = Ecart_Archive::Nature::Modifie;
                    resultat.Ecarts << a;
                }
                break;
        }
    }
    resultat.Lu = true;
    resultat.Nb_Verifies = static_cast<int>(archives.size());
    return resultat;
}
