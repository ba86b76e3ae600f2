#include "archive/Erreurs_Archive.h"

#include <QSqlError>

#include "archive/Adresse_Archive.h"

namespace {

QString Cause_SQLite(const QSqlError& erreur) {
    const int code = erreur.nativeErrorCode().toInt();
    // SQLITE_IOERR_WRITE: a write the system refused, as it does past a file size limit
    // (EFBIG) or on a disk that filled up mid-write.
    if (code == 778) return QStringLiteral("le disque est plein (écriture refusée)");
    // SQLite's primary result codes: the low byte of an extended one.
    switch (code & 0xff) {
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return QStringLiteral("les archives sont occupées par un autre programme");
        case 8:  // SQLITE_READONLY
            return QStringLiteral("le fichier des archives est en lecture seule");
        case 11:  // SQLITE_CORRUPT
        case 26:  // SQLITE_NOTADB
            return QStringLiteral(
                "le fichier des archives est endommagé ou n'est pas une base SQLite");
        case 13:  // SQLITE_FULL
            return QStringLiteral("le disque est plein");
        case 14:  // SQLITE_CANTOPEN
            return QStringLiteral("le fichier des archives ne peut être ni ouvert ni créé");
        default:
            return QStringLiteral("erreur de la base SQLite");
    }
}

QString Cause_PostgreSQL(const QSqlError& erreur) {
    const QString etat = erreur.nativeErrorCode();  // the SQLSTATE
    // A failed connection carries no SQLSTATE at all.
    if (etat.isEmpty() || etat.startsWith(QStringLiteral("08")) ||
        etat.startsWith(QStringLiteral("57P"))) {
        return QStringLiteral("le serveur des archives ne répond pas");
    }
    if (etat.startsWith(QStringLiteral("28"))) {
        return QStringLiteral("le serveur refuse l'utilisateur ou le mot de passe");
    }
    if (etat == QStringLiteral("3D000")) return QStringLiteral("la base n'existe pas");
    return QStringLiteral("erreur du serveur des archives");
}

}  // namespace

QString Cause_Erreur_Archive(const QSqlError& erreur, const Adresse_Archive& adresse) {
    const QString cause = adresse.Type == Adresse_Archive::Moteur::SQLite
                              ? Cause_SQLite(erreur)
                              : Cause_PostgreSQL(erreur);
    const QString detail = erreur.text().simplified();
    return detail.isEmpty() ? cause : QStringLiteral("%1 (%2)").arg(cause, detail);
}
