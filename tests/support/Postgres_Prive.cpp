#include "Postgres_Prive.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <memory>

namespace {

const QString Utilisateur = QStringLiteral("caldrix");

// The newest PostgreSQL installed the Debian way.
QString Dossier_Binaires() {
    QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(),
              [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& v : versions) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(v);
        if (QFileInfo::exists(bin + QStringLiteral("/initdb"))) return bin;
    }
    return {};
}

// A port nobody listens on: the one the system gives to a socket bound to port 0.
int Port_Libre() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t taille = sizeof adresse;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &taille) == 0) {
        port = ntohs(adresse.sin_port);
    }
    close(s);
    return port;
}

class Fin_Postgres : public ::testing::Environment {
  public:
    explicit Fin_Postgres(std::unique_ptr<Postgres_Prive>& serveur) : serveur_(serveur) {}
    void TearDown() override { serveur_.reset(); }

  private:
    std::unique_ptr<Postgres_Prive>& serveur_;
};

}  // namespace

Postgres_Prive& Postgres_Prive::Commun() {
    static std::unique_ptr<Postgres_Prive> serveur;
    if (!serveur) {
        serveur = std::make_unique<Postgres_Prive>();
        ::testing::AddGlobalTestEnvironment(new Fin_Postgres(serveur));
    }
    return *serveur;
}

Postgres_Prive::Postgres_Prive() : binaires_(Dossier_Binaires()), root_(geteuid() == 0) {
    if (binaires_.isEmpty()) {
        absence_ = QStringLiteral("PostgreSQL n'est pas installé (/usr/lib/postgresql/*/bin)");
        return;
    }
    if (root_) {
        const passwd* postgres = getpwnam("postgres");
        if (!postgres) {
            absence_ = QStringLiteral("initdb refuse root et il n'y a pas d'utilisateur postgres");
            return;
        }
        if (!dossier_.isValid() || chown(QFile::encodeName(dossier_.path()).constData(),
                                         postgres->pw_uid, postgres->pw_gid) != 0) {
            absence_ = QStringLiteral("dossier temporaire impossible à donner à postgres");
            return;
        }
    }
    port_ = Port_Libre();
    if (!Lancer(
            QStringLiteral("initdb"),
            {QStringLiteral("-D"), dossier_.filePath(QStringLiteral("data")), QStringLiteral("-A"),
             QStringLiteral("trust"), QStringLiteral("-U"), Utilisateur, QStringLiteral("-E"),
             QStringLiteral("UTF8"), QStringLiteral("--no-locale"), QStringLiteral("--no-sync")}) ||
        !Demarrer()) {
        absence_ = QStringLiteral("le serveur PostgreSQL n'a pas démarré : ") + sortie_;
    }
}

Postgres_Prive::~Postgres_Prive() {
    if (port_ != 0 && absence_.isEmpty()) {
        Lancer(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), dossier_.filePath(QStringLiteral("data")),
                QStringLiteral("stop"), QStringLiteral("-m"), QStringLiteral("fast"),
                QStringLiteral("-w")});
    }
}

bool Postgres_Prive::Demarrer() {
    // The socket in our folder: the machine's own server, if any, is never disturbed.
    const QString options = QStringLiteral(
                                "-c listen_addresses=127.0.0.1 -p %1 -c "
                                "unix_socket_directories=%2 -c fsync=off")
                                .arg(QString::number(port_), dossier_.path());
    return Lancer(QStringLiteral("pg_ctl"),
                  {QStringLiteral("-D"), dossier_.filePath(QStringLiteral("data")),
                   QStringLiteral("-l"), dossier_.filePath(QStringLiteral("journal.log")),
                   QStringLiteral("-o"), options, QStringLiteral("-w"), QStringLiteral("-t"),
                   QStringLiteral("60"), QStringLiteral("start")});
}

bool Postgres_Prive::Arreter_Brutalement() {
    return Lancer(
        QStringLiteral("pg_ctl"),
        {QStringLiteral("-D"), dossier_.filePath(QStringLiteral("data")), QStringLiteral("stop"),
         QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("-w")});
}

QString Postgres_Prive::Nouvelle_Base() {
    const QString base = QStringLiteral("essai_%1").arg(++bases_);
    if (!Lancer(QStringLiteral("createdb"),
                {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                 QString::number(port_), QStringLiteral("-U"), Utilisateur, base})) {
        ADD_FAILURE() << "createdb : " << sortie_.toStdString();
    }
    return QStringLiteral("postgresql://%1@127.0.0.1:%2/%3")
        .arg(Utilisateur, QString::number(port_), base);
}

bool Postgres_Prive::Lancer(const QString& programme, const QStringList& arguments) {
    QProcess commande;
    commande.setProcessChannelMode(QProcess::MergedChannels);
    // The postgres user may not enter the folder the tests were started from.
    commande.setWorkingDirectory(dossier_.path());
    const QString chemin = binaires_ + QLatin1Char('/') + programme;
    if (root_) {
        commande.start(QStringLiteral("runuser"),
                       QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                   QStringLiteral("--"), chemin} +
                           arguments);
    } else {
        commande.start(chemin, arguments);
    }
    const bool fini = commande.waitForFinished(90000);
    sortie_ = QString::fromLocal8Bit(commande.readAll()).trimmed();
    return fini && commande.exitStatus() == QProcess::NormalExit && commande.exitCode() == 0;
}
