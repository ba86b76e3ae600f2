// A PostgreSQL server of the test program's own: a cluster made by initdb in a temporary
// folder, listening on a free port of 127.0.0.1 only, trusting its one user (and asking a
// password of the roles Ajouter_Role makes), removed at the end. As root (CI) the cluster
// belongs to the postgres system user, since initdb refuses root.
#pragma once

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>

#include "Impression_Qt.h"

class Postgres_Prive : public ::testing::Environment {
  public:
    // The server of the test program, started at the first call; Google Test owns it, so that
    // it stops after the last test, while the program is still whole.
    static Postgres_Prive& Commun() {
        static auto* commun =
            static_cast<Postgres_Prive*>(::testing::AddGlobalTestEnvironment(new Postgres_Prive));
        return *commun;
    }
    void TearDown() override {
        if (absence_.isEmpty() && !Lancer(QStringLiteral("pg_ctl stop -m fast -w -D")))
            ADD_FAILURE() << "arrêt du serveur PostgreSQL : " << sortie_.toStdString();
        dossier_.remove();
    }

    // Why there is no server (not installed...); empty when it runs.
    const QString& Absence() const { return absence_; }
    // A new empty base, as the address the archive takes; `proprietaire` may make tables in it
    // (a role of Ajouter_Role), though the address keeps the trusted user.
    QString Nouvelle_Base(const QString& proprietaire = QStringLiteral("caldrix")) {
        const QString base = QStringLiteral("essai_%1").arg(++bases_);
        EXPECT_TRUE(Lancer(QStringLiteral("createdb -h 127.0.0.1 -U caldrix -p %1 -O %2 %3")
                               .arg(port_)
                               .arg(proprietaire, base)))
            << sortie_.toStdString();
        return QStringLiteral("postgresql://caldrix@127.0.0.1:%1/%2")
            .arg(QString::number(port_), base);
    }
    // A role that logs in with this password only (scram-sha-256), as a site's server asks it.
    // Its pg_hba.conf line comes before the trust lines; the server reads it again.
    bool Ajouter_Role(const QString& nom, const QString& mot_de_passe) {
        const QString psql =
            QStringLiteral("psql -X -w -h 127.0.0.1 -d postgres -p %1 -U").arg(port_);
        QFile regles(dossier_.filePath(QStringLiteral("data/pg_hba.conf")));
        if (!Lancer(
                psql,
                {QStringLiteral("caldrix"), QStringLiteral("-c"),
                 QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(nom, mot_de_passe)}) ||
            !regles.open(QIODevice::ReadWrite)) {
            return false;
        }
        const QByteArray avant = regles.readAll();
        regles.seek(0);
        regles.write(QStringLiteral("host all %1 127.0.0.1/32 scram-sha-256\n").arg(nom).toUtf8() +
                     avant);
        regles.close();
        if (!Lancer(QStringLiteral("pg_ctl reload -D"))) return false;
        // The reload is only asked for: the rule holds once the role without its password is
        // turned away.
        for (const QDeadlineTimer limite(30000); !limite.hasExpired();)
            if (!Lancer(psql, {nom, QStringLiteral("-c"), QStringLiteral("SELECT 1")}))
                return sortie_.contains(QStringLiteral("password"));
        return false;
    }
    // The server's main process, which takes the connections.
    pid_t Processus_Principal() const {
        QFile pid(dossier_.filePath(QStringLiteral("data/postmaster.pid")));
        return pid.open(QIODevice::ReadOnly) ? pid.readLine().trimmed().toInt() : 0;
    }
    bool Demarrer() {
        // The socket in our folder: the machine's own server, if any, is never disturbed.
        return Lancer(QStringLiteral("pg_ctl start -w -t 60 -D"),
                      {QStringLiteral("-l"), dossier_.filePath(QStringLiteral("journal.log")),
                       QStringLiteral("-o"),
                       QStringLiteral("-c listen_addresses=127.0.0.1 -p %1 -c fsync=off -k %2")
                           .arg(QString::number(port_), dossier_.path())});
    }
    // A port of 127.0.0.1 nobody listens on: the one the system gives to a server asking for any.
    static int Port_Libre() {
        QTcpServer essai;
        return essai.listen(QHostAddress::LocalHost) ? essai.serverPort() : 0;
    }
    // A crash, as a pulled plug gives it: no shutdown, connections cut.
    bool Arreter_Brutalement() { return Lancer(QStringLiteral("pg_ctl stop -m immediate -w -D")); }

  private:
    Postgres_Prive() {
        // The newest version installed the Debian way.
        int version = 0;
        for (const QString& v : QDir(QStringLiteral("/usr/lib/postgresql"))
                                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(v);
            if (v.toInt() > version && QFile::exists(bin + QStringLiteral("initdb"))) {
                version = v.toInt();
                binaires_ = bin;
            }
        }
        port_ = Port_Libre();
        const passwd* postgres = getpwnam("postgres");
        if (binaires_.isEmpty()) {
            absence_ = QStringLiteral("PostgreSQL n'est pas installé (/usr/lib/postgresql/*/bin)");
        } else if (geteuid() == 0 &&
                   (!postgres || chown(QFile::encodeName(dossier_.path()).constData(),
                                       postgres->pw_uid, postgres->pw_gid) != 0)) {
            absence_ = QStringLiteral("initdb refuse root, et le dossier ne peut aller à postgres");
        } else if (!Lancer(QStringLiteral(
                       "initdb -A trust -U caldrix -E UTF8 --no-locale --no-sync -D")) ||
                   !Demarrer()) {
            absence_ = QStringLiteral("le serveur PostgreSQL n'a pas démarré : ") + sortie_;
        }
    }
    // One of the PostgreSQL programs, its arguments blank separated, then the data folder.
    bool Lancer(const QString& commande, const QStringList& suite = {}) {
        QStringList arguments = commande.split(u' ');
        // Every command that ends in -D takes the data folder.
        if (arguments.last() == QStringLiteral("-D"))
            arguments << dossier_.filePath(QStringLiteral("data"));
        arguments << suite;
        QString programme = binaires_ + arguments.takeFirst();
        if (geteuid() == 0) {
            arguments = QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                    QStringLiteral("--"), programme} +
                        arguments;
            programme = QStringLiteral("runuser");
        }
        QProcess processus;
        processus.setProcessChannelMode(QProcess::MergedChannels);
        // The postgres user may not enter the folder the tests were started from.
        processus.setWorkingDirectory(dossier_.path());
        processus.start(programme, arguments);
        const bool fini = processus.waitForFinished(90000);
        sortie_ = QString::fromLocal8Bit(processus.readAll()).trimmed();
        return fini && processus.exitStatus() == QProcess::NormalExit && processus.exitCode() == 0;
    }

    QTemporaryDir dossier_{QStringLiteral("/tmp/caldrix-postgres-XXXXXX")};  // no blanks
    QString binaires_, absence_;
    int port_ = 0, bases_ = 0;
    QString sortie_;  // the last command's output, for the reason of a failure
};
