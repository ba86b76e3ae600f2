// A PostgreSQL server of the test program's own: a cluster made by initdb in a temporary
// folder, listening on a free port of 127.0.0.1 only, trusting its one user, removed at the
// end. As root (CI) the cluster belongs to the postgres system user, since initdb refuses root.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include "Impression_Qt.h"

class Postgres_Prive : public ::testing::Environment {
  public:
    // The server of the test program: started at the first call, stopped after the last test.
    static Postgres_Prive& Commun();
    void TearDown() override;

    // Why there is no server (not installed...); empty when it runs.
    const QString& Absence() const { return absence_; }
    // A new empty base, as the address the archive takes.
    QString Nouvelle_Base();
    bool Demarrer();
    // A crash, as a pulled plug gives it: no shutdown, connections cut.
    bool Arreter_Brutalement() { return Lancer(u"pg_ctl stop -m immediate -w -D"_s); }

  private:
    Postgres_Prive();
    // One of the PostgreSQL programs, its arguments blank separated, then the data folder.
    bool Lancer(const QString& commande, const QStringList& suite = {});

    QTemporaryDir dossier_{u"/tmp/caldrix-postgres-XXXXXX"_s};  // no blanks
    QString binaires_;
    int port_ = 0;
    int bases_ = 0;
    QString absence_;
    QString sortie_;  // the last command's output, for the reason of a failure
};
