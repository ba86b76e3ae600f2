#include "Postgres_Prive.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <memory>

namespace {

QStringList Mots(const char* texte) {
    return QString::fromLatin1(texte).split(u' ');
}

// A port nobody listens on: the one the system gives to a server asking for any.
int Port_Libre() {
    QTcpServer essai;
    return essai.listen(QHostAddress::LocalHost) ? essai.serverPort() : 0;
}

// Owns the server, so that it stops after the last test, while the program is still whole.
struct Serveur_Commun : ::testing::Environment {
    void TearDown() override { serveur.reset(); }
    std::unique_ptr<Postgres_Prive> serveur;
};

}  // namespace

Postgres_Prive& Postgres_Prive::Commun() {
    static auto* commun =
        static_cast<Serveur_Commun*>(::testing::AddGlobalTestEnvironment(new Serveur_Commun));
    if (!commun->serveur) commun->serveur = std::make_unique<Postgres_Prive>();
    return *commun->serveur;
}

Postgres_Prive::Postgres_Prive() {
    // The newest version installed the Debian way.
    QStringList versions =
        QDir(u"/usr/lib/postgresql"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(),
              [](auto& a, auto& b) { return a.toInt() > b.toInt(); });
    for (const QString& v : versions) {
        const QString bin = u"/usr/lib/postgresql/%1/bin/"_s.arg(v);
        if (binaires_.isEmpty() && QFile::exists(bin + u"initdb"_s)) binaires_ = bin;
    }
    const passwd* postgres = getpwnam("postgres");
    if (binaires_.isEmpty()) {
        absence_ = u"PostgreSQL n'est pas installé (/usr/lib/postgresql/*/bin)"_s;
    } else if (geteuid() == 0 && (!postgres || chown(QFile::encodeName(dossier_.path()).constData(),
                                                     postgres->pw_uid, postgres->pw_gid) != 0)) {
        absence_ = u"initdb refuse root, et le dossier ne peut aller à postgres"_s;
    } else if (port_ = Port_Libre();
               !Lancer(Mots("initdb -A trust -U caldrix -E UTF8 --no-locale --no-sync -D")
                       << donnees_) ||
               !Demarrer()) {
        absence_ = u"le serveur PostgreSQL n'a pas démarré : "_s + sortie_;
    }
}

Postgres_Prive::~Postgres_Prive() {
    if (absence_.isEmpty()) Lancer(Mots("pg_ctl stop -m fast -w -D") << donnees_);
}

bool Postgres_Prive::Demarrer() {
    // The socket in our folder: the machine's own server, if any, is never disturbed.
    const QString options = u"-c listen_addresses=127.0.0.1 -p %1 -c fsync=off -k %2"_s.arg(
        QString::number(port_), dossier_.path());
    return Lancer(Mots("pg_ctl start -w -t 60 -D")
                  << donnees_ << u"-l"_s << dossier_.filePath(u"journal.log"_s) << u"-o"_s
                  << options);
}

bool Postgres_Prive::Arreter_Brutalement() {
    return Lancer(Mots("pg_ctl stop -m immediate -w -D") << donnees_);
}

QString Postgres_Prive::Nouvelle_Base() {
    const QString base = u"essai_%1"_s.arg(++bases_);
    EXPECT_TRUE(
        Lancer(Mots("createdb -h 127.0.0.1 -U caldrix -p") << QString::number(port_) << base))
        << sortie_.toStdString();
    return u"postgresql://caldrix@127.0.0.1:%1/%2"_s.arg(QString::number(port_), base);
}

bool Postgres_Prive::Lancer(QStringList arguments) {
    arguments[0].prepend(binaires_);
    QString programme = arguments.takeFirst();
    if (geteuid() == 0) {
        arguments = Mots("-u postgres --") << programme << arguments;
        programme = u"runuser"_s;
    }
    QProcess commande;
    commande.setProcessChannelMode(QProcess::MergedChannels);
    // The postgres user may not enter the folder the tests were started from.
    commande.setWorkingDirectory(dossier_.path());
    commande.start(programme, arguments);
    const bool fini = commande.waitForFinished(90000);
    sortie_ = QString::fromLocal8Bit(commande.readAll()).trimmed();
    return fini && commande.exitStatus() == QProcess::NormalExit && commande.exitCode() == 0;
}
