#include "logger/Echec_Ouverture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>
#endif

namespace {

QString Libelle_Port(const Echec_Ouverture& e) {
    if (e.Numero == 0) return e.Peripherique;
    const QString numero = QStringLiteral("COM %1").arg(e.Numero);
    return e.Peripherique.isEmpty() ? numero : numero + QStringLiteral(" (%1)").arg(e.Peripherique);
}

}  // namespace

QString Echec_Ouverture::Texte() const {
    const QString port = QStringLiteral("Le port ") + Libelle_Port(*this);
    const QString refaire = QStringLiteral(", puis recommencer.");
    switch (Raison) {
        case Cause::Absent:
            if (Peripherique.isEmpty()) {
                return port + QStringLiteral(
                                  " n'existe pas : aucun port série de ce poste ne "
                                  "porte ce numéro (adaptateur USB débranché ?).");
            }
            return port + QStringLiteral(
                              " n'existe pas : le périphérique est introuvable "
                              "(adaptateur USB débranché ?).");
        case Cause::Permission:
            if (Deja_Membre) {
                return port + QStringLiteral(
                                  " est refusé à cette session : l'utilisateur a été "
                                  "ajouté au groupe %1 depuis qu'elle est ouverte. "
                                  "Fermer la session et se reconnecter.")
                                  .arg(Groupe);
            }
            if (Groupe_Autorise) {
                return port + QStringLiteral(
                                  " est refusé à cet utilisateur : il est réservé au "
                                  "groupe %1. Y ajouter l'utilisateur (« sudo adduser "
                                  "$USER %1 »), puis fermer la session et se "
                                  "reconnecter.")
                                  .arg(Groupe);
            }
            return port + QStringLiteral(
                              " est refusé à cet utilisateur : seul %1 peut l'ouvrir. "
                              "Demander l'accès à l'administrateur du poste.")
                              .arg(Proprietaire);
        case Cause::Occupe:
            if (Programme.isEmpty()) {
                return port + QStringLiteral(" est occupé par un autre programme. Le fermer") +
                       refaire;
            }
            return port +
                   QStringLiteral(
                       " est occupé par un autre programme : %1 (processus %2). Le "
                       "fermer")
                       .arg(Programme)
                       .arg(Pid) +
                   refaire;
        case Cause::Verrou_Abandonne:
            return port +
                   QStringLiteral(
                       " est verrouillé par le fichier %1, qu'un programme "
                       "terminé a laissé. Le supprimer (« sudo rm %1 »)")
                       .arg(Verrou) +
                   refaire;
        case Cause::Autre:
            break;
    }
    return port + QStringLiteral(" ne s'ouvre pas : %1.").arg(Detail);
}

QString Echec_Ouverture::Texte_Court() const {
    const QString port = QStringLiteral("port ") +
                         (Numero == 0 ? Peripherique : QStringLiteral("COM %1").arg(Numero));
    switch (Raison) {
        case Cause::Absent:
            return port + QStringLiteral(" absent");
        case Cause::Permission:
            return port + QStringLiteral(" refusé (groupe %1)").arg(Groupe);
        case Cause::Occupe:
            return port + QStringLiteral(" occupé") +
                   (Programme.isEmpty() ? QString() : QStringLiteral(" par ") + Programme);
        case Cause::Verrou_Abandonne:
            return port + QStringLiteral(" verrouillé");
        case Cause::Autre:
            break;
    }
    return port + QStringLiteral(" inutilisable");
}

namespace Diagnostic_Ouverture {

QStringList Dossiers_Verrous() {
    return {QStringLiteral("/var/lock"),
            QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"),
            QStringLiteral("/var/spool/uucp"),
            QStringLiteral("/tmp"),
            QStringLiteral("/var/tmp"),
            QStringLiteral("/var/lock/lockdev"),
            QStringLiteral("/run/lock")};
}

QString Nom_Verrou(const QString& peripherique) {
    QString nom =
        peripherique.startsWith(QStringLiteral("/dev/")) ? peripherique.mid(5) : peripherique;
    return QStringLiteral("LCK..") + nom.replace(QLatin1Char('/'), QLatin1Char('_'));
}

std::optional<qint64> Pid_Verrou(const QByteArray& contenu) {
    bool nombre = false;
    const qint64 pid = contenu.split('\n').value(0).trimmed().toLongLong(&nombre);
    if (nombre) return pid > 0 ? std::optional<qint64>(pid) : std::nullopt;
    if (contenu.size() == 4) {
        const qint32 binaire = qFromLittleEndian<qint32>(contenu.constData());
        if (binaire > 0) return binaire;
    }
    return std::nullopt;
}

#ifdef Q_OS_UNIX

namespace {

QString Nom_Processus(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(comm.readAll().trimmed());
}

bool Processus_Vivant(qint64 pid) {
    return QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

// A process of this user that has the device open: the holder a lock file did not name.
qint64 Detenteur(dev_t appareil) {
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool nombre = false;
        const qint64 numero = pid.toLongLong(&nombre);
        if (!nombre || numero == getpid()) continue;
        const QDir fd(proc.filePath(pid + QStringLiteral("/fd")));
        for (const QString& f : fd.entryList(QDir::AllEntries | QDir::System)) {
            struct stat s {};
            if (::stat(QFile::encodeName(fd.filePath(f)).constData(), &s) == 0 &&
                S_ISCHR(s.st_mode) && s.st_rdev == appareil) {
                return numero;
            }
        }
    }
    return 0;
}

void Permission(Echec_Ouverture& e, const struct stat& s) {
    e.Raison = Echec_Ouverture::Cause::Permission;
    if (const group* g = getgrgid(s.st_gid)) e.Groupe = QString::fromLocal8Bit(g->gr_name);
    if (const passwd* p = getpwuid(s.st_uid)) e.Proprietaire = QString::fromLocal8Bit(p->pw_name);
    if (e.Groupe.isEmpty()) e.Groupe = QString::number(s.st_gid);
    if (e.Proprietaire.isEmpty()) e.Proprietaire = QString::number(s.st_uid);
    // Joining root's group is no advice to give; nor one whose members may not open it either.
    e.Groupe_Autorise = s.st_gid != 0 && (s.st_mode & S_IRGRP) && (s.st_mode & S_IWGRP);
    if (!e.Groupe_Autorise) return;
    // Added to the group since the session opened: the account says so, the session not yet.
    if (const passwd* moi = getpwuid(getuid())) {
        int nb = 64;
        std::vector<gid_t> groupes(static_cast<std::size_t>(nb));
        if (getgrouplist(moi->pw_name, moi->pw_gid, groupes.data(), &nb) < 0 && nb > 64) {
            groupes.resize(static_cast<std::size_t>(nb));
            getgrouplist(moi->pw_name, moi->pw_gid, groupes.data(), &nb);
        }
        groupes.resize(static_cast<std::size_t>(std::max(nb, 0)));
        e.Deja_Membre = std::find(groupes.begin(), groupes.end(), s.st_gid) != groupes.end();
    }
}

}  // namespace

Echec_Ouverture Diagnostiquer(const QString& peripherique, const QString& detail_qt,
                              const QStringList& dossiers_verrous) {
    Echec_Ouverture e;
    e.Peripherique = peripherique;
    e.Detail = detail_qt;
    const QByteArray chemin = QFile::encodeName(peripherique);
    struct stat s {};
    if (::stat(chemin.constData(), &s) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) e.Raison = Echec_Ouverture::Cause::Absent;
        return e;
    }
    // A lock file of a living process: another program that follows the convention has it.
    QString abandonne;
    for (const QString& dossier : dossiers_verrous) {
        const QString verrou = QDir(dossier).filePath(Nom_Verrou(peripherique));
        QFile fichier(verrou);
        if (!fichier.open(QIODevice::ReadOnly)) continue;
        const std::optional<qint64> pid = Pid_Verrou(fichier.read(64));
        if (pid && Processus_Vivant(*pid)) {
            e.Raison = Echec_Ouverture::Cause::Occupe;
            e.Pid = *pid;
            e.Programme = Nom_Processus(*pid);
            return e;
        }
        if (abandonne.isEmpty()) abandonne = verrou;
    }
    if (::access(chemin.constData(), R_OK | W_OK) != 0 && errno == EACCES) {
        Permission(e, s);
        return e;
    }
    // Open it again to hear the system: busy means a program put it in exclusive mode.
    const int fd = ::open(chemin.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        // The device opens: what stopped Qt was its own lock, left behind by a program ended.
        if (!abandonne.isEmpty()) {
            e.Raison = Echec_Ouverture::Cause::Verrou_Abandonne;
            e.Verrou = abandonne;
        }
        return e;
    }
    switch (errno) {
        case EBUSY:
            e.Raison = Echec_Ouverture::Cause::Occupe;
            e.Pid = Detenteur(s.st_rdev);
            if (e.Pid != 0) e.Programme = Nom_Processus(e.Pid);
            break;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            e.Raison = Echec_Ouverture::Cause::Absent;
            break;
        case EACCES:
        case EPERM:
            Permission(e, s);
            break;
        default:
            e.Detail = QString::fromLocal8Bit(std::strerror(errno));
    }
    return e;
}

#else

Echec_Ouverture Diagnostiquer(const QString& peripherique, const QString& detail_qt,
                              const QStringList&) {
    Echec_Ouverture e;
    e.Peripherique = peripherique;
    e.Detail = detail_qt;
    return e;
}

#endif

}  // namespace Diagnostic_Ouverture
