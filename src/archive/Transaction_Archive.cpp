#include "archive/Transaction_Archive.h"

#include <QSqlQuery>

Transaction_Archive::Transaction_Archive(const QSqlDatabase& base, Adresse_Archive::Moteur moteur)
    : base_(base) {
    // SQLite: take the write lock at once, so two writers queue up on the busy timeout instead
    // of both reading then one failing to upgrade its lock.
    commencee_ =
        Executer(moteur == Adresse_Archive::Moteur::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                           : QStringLiteral("BEGIN"));
}

Transaction_Archive::~Transaction_Archive() {
    // A connection the server has cut has nothing left to undo.
    if (commencee_ && base_.isOpen()) Executer(QStringLiteral("ROLLBACK"));
}

bool Transaction_Archive::Valider() {
    if (!commencee_) return false;
    commencee_ = false;
    if (Executer(QStringLiteral("COMMIT"))) return true;
    // A commit refused by SQLite may leave the transaction open: undo it.
    if (base_.isOpen()) QSqlQuery(base_).exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool Transaction_Archive::Executer(const QString& ordre) {
    QSqlQuery requete(base_);
    if (requete.exec(ordre)) return true;
    erreur_ = requete.lastError();
    return false;
}
