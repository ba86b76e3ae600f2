#include "archive/Archive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "archive/Description_Archive.h"
#include "archive/Erreurs_Archive.h"
#include "archive/Schema_Archive.h"
#include "archive/Serveur_Archive.h"
#include "archive/Transaction_Archive.h"
#include "archive/Veille_Connexion.h"
#include "core/Textes.h"
#include "files/Fichiers_Disque.h"

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
    QString motif = Texte_Recherche(mot);
    motif.replace(QLatin1Char('!'), QStringLiteral("!!"));
    motif.replace(QLatin1Char('%'), QStringLiteral("!%"));
    motif.replace(QLatin1Char('_'), QStringLiteral("!_"));
    return QLatin1Char('%') + motif + QLatin1Char('%');
}

// The WHERE clause that a filter makes (empty for no filter), its values in `valeurs`.
QString Conditions(const Filtre_Archive& filtre, QVariantList& valeurs) {
    QString conditions;
    const auto condition = [&](const char* texte, const QVariant& valeur) {
        conditions += conditions.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        conditions += QLatin1String(texte);
        valeurs << valeur;
    };
    if (!filtre.Identite.isEmpty()) {
        condition("identite_recherche = ?", Texte_Recherche(filtre.Identite));
    }
    // Stamps are ISO texts: their order is the dates' order on both engines. A recording
    // without records has no span and meets no date range.
    if (filtre.Du) condition("fin >= ?", Texte_Date_ISO(*filtre.Du));
    if (filtre.Au) condition("debut <= ? AND debut <> ''", Texte_Date_ISO(*filtre.Au));
    if (!filtre.Texte.isEmpty()) {
        condition("commentaire_recherche LIKE ? ESCAPE '!'", Motif_Contenant(filtre.Texte));
    }
    return conditions;
}

// A connection lost while the server held the commit: it may have committed or not.
bool Reponse_Perdue(const QSqlError& erreur) {
    const QString etat = erreur.nativeErrorCode();
    return etat.isEmpty() || etat.startsWith(QStringLiteral("08")) ||
           etat.startsWith(QStringLiteral("57P"));
}

bool Code_SQLite_Endommage(const QSqlError& erreur) {
    const int code = erreur.nativeErrorCode().toInt() & 0xff;
    return code == 11 || code == 26;  // SQLITE_CORRUPT, SQLITE_NOTADB
}

// What SQLite says of a file that is not a database, for a file of no bytes at all, which
// SQLite itself would take for a new empty base.
QSqlError Erreur_Fichier_Vide() {
    return QSqlError(QCoreApplication::translate("QSQLiteResult", "Unable to execute statement"),
                     QStringLiteral("file is not a database"), QSqlError::StatementError,
                     QStringLiteral("26"));
}

QString Echec_Ouverture(const Adresse_Archive& adresse, const QString& cause) {
    return QStringLiteral("Impossible d'ouvrir les archives %1 : %2")
        .arg(adresse.Description(), cause);
}

// A new SQLite archive is made under another name and renamed into place once its tables are
// written: another program never finds it half made (an empty file is a damaged archive), and
// a failure, a full disk, leaves nothing behind.
Reussite_Ou_Erreur Creer_Fichier(const Adresse_Archive& adresse) {
    static std::atomic<int> compteur{0};
    const QString suffixe =
        QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++compteur);
    const QString provisoire = adresse.Fichier + QStringLiteral(".creation-") + suffixe;
    const QString nom = QStringLiteral("caldrix_creation_") + suffixe;
    Reussite_Ou_Erreur fait = Reussi{};
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
        base.setDatabaseName(provisoire);
        if (!base.open()) {
            fait = Reussite_Ou_Erreur::Echec(
                Echec_Ouverture(adresse, Cause_Erreur_Archive(base.lastError(), adresse)));
        } else {
            fait = Preparer_Schema(base, adresse);
            base.close();
        }
    }
    QSqlDatabase::removeDatabase(nom);
    // Two programs making the archive together: the second to finish opens the first's.
    if (fait && !QFile::rename(provisoire, adresse.Fichier) &&
        !QFileInfo::exists(adresse.Fichier)) {
        fait = Reussite_Ou_Erreur::Echec(Echec_Ouverture(
            adresse, QStringLiteral("le fichier des archives ne peut être ni ouvert ni créé")));
    }
    QFile::remove(provisoire);
    QFile::remove(provisoire + QStringLiteral("-journal"));
    return fait;
}

struct Insertion {
    int64_t id = 0;
    bool nouveau = false;
    bool validation = false;  // the commit had been sent when it failed
};

// Both rows of the recording in one transaction. Returns the error that stopped it; the
// transaction is then undone (or never committed, when the connection is gone).
std::optional<QSqlError> Inserer(const QSqlDatabase& base, Moteur moteur,
                                 const Fichier_Decrit& decrit, Insertion& insertion,
                                 const std::function<void()>& avant_validation,
                                 Veille_Connexion::Garde& garde) {
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
        "moyenne, mkt, unite, annoncees, identite_recherche) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (sha256) DO NOTHING"));
    for (const QVariant& v : {Texte(f.Sha256),
                              Texte(f.Identite),
                              Texte(f.Modele),
                              QVariant(f.Periode),
                              Texte(f.Debut),
                              Texte(f.Fin),
                              QVariant(f.Mesures),
                              Texte(f.Commentaire),
                              Texte(Texte_Recherche(f.Commentaire)),
                              QVariant(f.Recette),
                              Texte(f.Fichier),
                              Texte(f.Ajoute),
                              Texte(f.Poste),
                              Valeur_Facultative(f.Minimum),
                              Valeur_Facultative(f.Maximum),
                              Valeur_Facultative(f.Moyenne),
                              Valeur_Facultative(f.Mkt),
                              Texte(f.Unite),
                              QVariant(f.Annoncees),
                              Texte(Texte_Recherche(f.Identite))}) {
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
    garde.Relancer();
    insertion.validation = true;
    if (!transaction.Valider()) return transaction.Erreur();
    return std::nullopt;
}

}  // namespace

Archive::Archive(const Adresse_Archive& adresse)
    : adresse_(adresse),
      connexion_(QStringLiteral("caldrix_archive_%1").arg(reinterpret_cast<quintptr>(this), 0, 16)),
      delai_(Delai_Serveur_Defaut()) {
    if (adresse.Type == Moteur::SQLite) {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion_);
        // mode=rw: a file that went away is an error, never a new empty archive in its place.
        base.setDatabaseName(QString::fromUtf8(QUrl::fromLocalFile(adresse.Fichier).toEncoded()) +
                             QStringLiteral("?mode=rw"));
        // Two programs of the workstation writing at once: the second waits its turn.
        base.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000;QSQLITE_OPEN_URI"));
    } else {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connexion_);
        base.setHostName(adresse.Hote);
        base.setPort(adresse.Port);
        base.setUserName(adresse.Utilisateur);
        base.setPassword(adresse.Mot_De_Passe);
        base.setDatabaseName(adresse.Base);
        // A server that is down or frozen must not freeze the download it follows.
        base.setConnectOptions(Options_Connexion(delai_));
        veille_ = std::make_unique<Veille_Connexion>();
    }
}

Archive::~Archive() {
    Deconnecter();
    QSqlDatabase::removeDatabase(connexion_);
}

void Archive::Definir_Delai(std::chrono::seconds delai) {
    delai_ = delai;
    if (adresse_.Type == Moteur::PostgreSQL) Base().setConnectOptions(Options_Connexion(delai));
}

QSqlDatabase Archive::Base() const {
    return QSqlDatabase::database(connexion_, false);
}

QString Archive::Cause(const QSqlError& erreur) const {
    // libpq's own words would be that the server closed the connection: it was us.
    if (veille_ && veille_->Declenchee()) return Cause_Delai_Depasse(delai_);
    return Cause_Erreur_Archive(erreur, adresse_);
}

Ou_Erreur<std::unique_ptr<Archive>> Archive::Ouvrir() {
    const auto adresse = Adresse_Configuree();
    if (!adresse) return Ou_Erreur<std::unique_ptr<Archive>>::Echec(adresse.Erreur());
    return Ouvrir(*adresse);
}

Ou_Erreur<std::unique_ptr<Archive>> Archive::Ouvrir(const Adresse_Archive& adresse) {
    using Resultat = Ou_Erreur<std::unique_ptr<Archive>>;
    if (adresse.Type == Moteur::SQLite) {
        const QFileInfo fichier(adresse.Fichier);
        if (!QDir().mkpath(fichier.absolutePath())) {
            return Resultat::Echec(QStringLiteral("Impossible de créer le dossier des archives %1")
                                       .arg(fichier.absolutePath()));
        }
        // The program never leaves an empty archive (Creer_Fichier): one is a damaged file,
        // which must not silently become a new archive without its recordings.
        if (fichier.isFile() && fichier.size() == 0) {
            return Resultat::Echec(
                Echec_Ouverture(adresse, Cause_Erreur_Archive(Erreur_Fichier_Vide(), adresse)));
        }
        if (!fichier.exists()) {
            const Reussite_Ou_Erreur cree = Creer_Fichier(adresse);
            if (!cree) return Resultat::Echec(cree.Erreur());
        }
    }
    std::unique_ptr<Archive> archive(new Archive(adresse));
    if (const Reussite_Ou_Erreur connectee = archive->Connecter(); !connectee) {
        return Resultat::Echec(connectee.Erreur());
    }
    const QSqlDatabase base = archive->Base();
    if (adresse.Type == Moteur::SQLite) {
        // SQLite opens anything: a file that is not a database shows at its first read.
        QSqlQuery essai(base);
        if (!essai.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) &&
            Code_SQLite_Endommage(essai.lastError())) {
            return Resultat::Echec(
                Echec_Ouverture(adresse, Cause_Erreur_Archive(essai.lastError(), adresse)));
        }
    }
    Reussite_Ou_Erreur pret = Reussi{};
    {
        Veille_Connexion::Garde garde(archive->veille_.get(), base, archive->delai_);
        pret = Preparer_Schema(base, adresse);
    }
    if (pret) return archive;
    if (archive->veille_ && archive->veille_->Declenchee()) {
        return Resultat::Echec(
            QStringLiteral("Impossible de préparer les archives %1 : %2")
                .arg(adresse.Description(), Cause_Delai_Depasse(archive->delai_)));
    }
    return Resultat::Echec(pret.Erreur());
}

Reussite_Ou_Erreur Archive::Connecter() {
    QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    if (!base.isValid()) {
        return Reussite_Ou_Erreur::Echec(
            QStringLiteral("Le pilote %1 de Qt SQL n'est pas installé : archives inaccessibles")
                .arg(adresse_.Type == Moteur::SQLite ? QStringLiteral("SQLite")
                                                     : QStringLiteral("PostgreSQL")));
    }
    if (base.isOpen()) return Reussi{};
    QElapsedTimer chrono;
    chrono.start();
    if (!base.open()) {
        return Reussite_Ou_Erreur::Echec(Echec_Ouverture(
            adresse_,
            adresse_.Type == Moteur::SQLite
                ? Cause_Erreur_Archive(base.lastError(), adresse_)
                : Cause_Connexion_Refusee(adresse_, base.lastError().databaseText().simplified(),
                                          std::chrono::milliseconds(chrono.elapsed()), delai_)));
    }
    if (adresse_.Type == Moteur::SQLite) {
        QSqlQuery(base).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    }
    return Reussi{};
}

void Archive::Deconnecter() {
    QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    if (base.isOpen()) base.close();
}

int Archive::Version_Schema() {
    if (!Connecter()) return -1;
    Veille_Connexion::Garde garde(veille_.get(), Base(), delai_);
    return Lire_Version_Schema(Base());
}

Resultat_Ajout Archive::Ajouter(const QString& chemin, const QString& unite) {
    Resultat_Ajout resultat;
    auto decrit = Decrire_Fichier(chemin, unite);
    if (!decrit) {
        resultat.Message = decrit.Erreur();
        return resultat;
    }
    decrit->Fiche.Ajoute = Texte_Date_ISO(Date_Depuis_QDateTime(QDateTime::currentDateTime()));
    decrit->Fiche.Poste = QSysInfo::machineHostName();
    if (const Reussite_Ou_Erreur connectee = Connecter(); !connectee) {
        resultat.Archive_En_Cause = true;
        resultat.Message =
            QStringLiteral("%1 n'est pas archivé. %2").arg(chemin, connectee.Erreur());
        return resultat;
    }
    Insertion insertion;
    std::optional<QSqlError> probleme;
    {
        Veille_Connexion::Garde garde(veille_.get(), Base(), delai_);
        probleme = Inserer(Base(), adresse_.Type, *decrit, insertion, avant_validation_, garde);
    }
    if (probleme) {
        const QString cause = Cause(*probleme);
        resultat.Archive_En_Cause = true;
        // SQLite answers its commit in any case; a server may have committed before its reply
        // was lost.
        resultat.Incertain = adresse_.Type == Moteur::PostgreSQL && insertion.validation &&
                             ((veille_ && veille_->Declenchee()) || Reponse_Perdue(*probleme));
        Deconnecter();
        resultat.Message = resultat.Incertain
                               ? QStringLiteral(
                                     "%1 n'est peut-être pas archivé : %2 ; le prochain ajout ou "
                                     "« archive verify » le dira")
                                     .arg(chemin, cause)
                               : QStringLiteral("%1 n'est pas archivé : %2").arg(chemin, cause);
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
    if (const Reussite_Ou_Erreur connectee = Connecter(); !connectee) {
        resultat.Message = connectee.Erreur();
        return resultat;
    }
    QVariantList valeurs;
    const QString conditions = Conditions(filtre, valeurs);
    {
        Veille_Connexion::Garde garde(veille_.get(), Base(), delai_);
        QSqlQuery requete(Base());
        requete.setForwardOnly(true);
        requete.prepare(
            QStringLiteral("SELECT %1 FROM enregistrements%2 ORDER BY debut DESC, id DESC")
                .arg(Colonnes_Fiche, conditions));
        for (const QVariant& v : valeurs)
            requete.addBindValue(v);
        if (requete.exec()) {
            while (requete.next()) {
                garde.Relancer();
                resultat.Fiches << Lire_Fiche(requete);
            }
            resultat.Lu = requete.lastError().type() == QSqlError::NoError;
        }
        if (!resultat.Lu) {
            resultat.Fiches.clear();
            resultat.Message = QStringLiteral("Impossible de lire les archives %1 : %2")
                                   .arg(adresse_.Description(), Cause(requete.lastError()));
        }
    }
    if (!resultat.Lu) Deconnecter();
    return resultat;
}

Resultat_Verification Archive::Verifier(const Filtre_Archive& filtre) {
    Resultat_Verification resultat;
    if (const Reussite_Ou_Erreur connectee = Connecter(); !connectee) {
        resultat.Message = connectee.Erreur();
        return resultat;
    }
    const QSqlDatabase base = Base();
    QList<Ecart_Archive> archives;
    QStringList empreintes;
    QSqlError erreur;
    // A damaged file is what is being looked for: it is told, and the check goes on.
    const auto endommage = [&](const QSqlError& e) {
        return adresse_.Type == Moteur::SQLite && Code_SQLite_Endommage(e);
    };
    {
        Veille_Connexion::Garde garde(veille_.get(), base, delai_);
        // SQLite keeps no checksum of its pages: its own check finds a page overwritten where
        // the copies' SHA-256 cannot (an index, the free list). A server has nothing as cheap.
        if (adresse_.Type == Moteur::SQLite) {
            QSqlQuery integrite(base);
            integrite.setForwardOnly(true);
            if (integrite.exec(QStringLiteral("PRAGMA integrity_check"))) {
                while (integrite.next()) {
                    const QString ligne = integrite.value(0).toString();
                    if (ligne != QStringLiteral("ok")) resultat.Defauts_Base << ligne;
                }
            }
            if (endommage(integrite.lastError())) {
                resultat.Defauts_Base << Cause_Erreur_Archive(integrite.lastError(), adresse_);
            } else {
                erreur = integrite.lastError();
            }
        }
        QVariantList valeurs;
        QSqlQuery requete(base);
        requete.setForwardOnly(true);
        requete.prepare(QStringLiteral("SELECT id, sha256, fichier FROM enregistrements%1 ORDER "
                                       "BY id")
                            .arg(Conditions(filtre, valeurs)));
        for (const QVariant& v : valeurs)
            requete.addBindValue(v);
        if (erreur.type() == QSqlError::NoError && requete.exec()) {
            while (requete.next()) {
                garde.Relancer();
                archives.append({requete.value(0).toLongLong(), requete.value(2).toString(),
                                 Ecart_Archive::Nature::Absent});
                empreintes << requete.value(1).toString();
            }
        }
        if (erreur.type() == QSqlError::NoError) erreur = requete.lastError();
        // The copies one at a time: an archive may hold more than memory.
        QSqlQuery copie(base);
        copie.setForwardOnly(true);
        copie.prepare(QStringLiteral("SELECT octets FROM contenus WHERE id = ?"));
        for (qsizetype i = 0; i < archives.size() && erreur.type() == QSqlError::NoError; ++i) {
            garde.Relancer();
            copie.bindValue(0, QVariant::fromValue(static_cast<qlonglong>(archives[i].Id)));
            const bool lue = copie.exec() && copie.next();
            if (copie.lastError().type() != QSqlError::NoError && !endommage(copie.lastError())) {
                erreur = copie.lastError();
            } else if (!lue || Empreinte(copie.value(0).toByteArray()) != empreintes[i]) {
                Ecart_Archive e = archives[i];
                e.Type = Ecart_Archive::Nature::Copie_Alteree;
                resultat.Ecarts << e;
            }
            copie.finish();
        }
    }
    if (erreur.type() != QSqlError::NoError) {
        const QString cause = Cause(erreur);
        Deconnecter();
        resultat.Message = QStringLiteral("Impossible de lire les archives %1 : %2")
                               .arg(adresse_.Description(), cause);
        resultat.Ecarts.clear();
        resultat.Defauts_Base.clear();
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
    // By number, a recording's copy before its file.
    std::stable_sort(resultat.Ecarts.begin(), resultat.Ecarts.end(),
                     [](const Ecart_Archive& x, const Ecart_Archive& y) { return x.Id < y.Id; });
    resultat.Lu = true;
    resultat.Nb_Verifies = static_cast<int>(archives.size());
    return resultat;
}
