// One write transaction on the archive's database: begun at construction, undone at
// destruction unless it was committed.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>

#include "archive/Adresse_Archive.h"

class Transaction_Archive {
  public:
    Transaction_Archive(const QSqlDatabase& base, Adresse_Archive::Moteur moteur);
    ~Transaction_Archive();
    Transaction_Archive(const Transaction_Archive&) = delete;
    Transaction_Archive& operator=(const Transaction_Archive&) = delete;

    bool Commencee() const { return commencee_; }
    bool Valider();
    // What made the start or the commit fail.
    const QSqlError& Erreur() const { return erreur_; }

  private:
    bool Executer(const QString& ordre);

    QSqlDatabase base_;
    bool commencee_ = false;
    QSqlError erreur_;
};
