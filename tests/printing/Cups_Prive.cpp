#include "Cups_Prive.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Attente.h"

namespace {

const QString Cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString Backend_Pdf = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString Pilote_Pdf = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");

bool Ecrire(const QString& chemin, const QString& texte) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(texte.toUtf8()) == texte.size();
}

}  // namespace

Cups_Prive::Cups_Prive() {
    if (!QFileInfo::exists(Cupsd) || !QFileInfo::exists(Backend_Pdf) ||
        !QFileInfo::exists(Pilote_Pdf)) {
        absence_ = QStringLiteral("CUPS et cups-pdf ne sont pas installés");
        return;
    }
    if (geteuid() != 0) {
        absence_ = QStringLiteral("cups-pdf n'écrit que pour un ordonnanceur lancé par root");
        return;
    }
    if (!dossier_.isValid() || !Ecrire_Configuration()) {
        absence_ = QStringLiteral("configuration de CUPS impossible à écrire");
        return;
    }
    const QString racine = dossier_.path();
    cupsd_.start(Cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                         racine + QStringLiteral("/etc/cupsd.conf"), QStringLiteral("-s"),
                         racine + QStringLiteral("/etc/cups-files.conf")});
    const QString prise = racine + QStringLiteral("/cups.sock");
    qputenv("CUPS_SERVER", QFile::encodeName(prise));
    const bool pret =
        cupsd_.waitForStarted() && Attendre_Que([&] { return QFileInfo::exists(prise); }, 10000) &&
        Lancer(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), QLatin1String(Imprimante), QStringLiteral("-E"),
                QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                Pilote_Pdf}) &&
        Lancer(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QLatin1String(Imprimante)});
    if (!pret) {
        absence_ = QStringLiteral("l'ordonnanceur CUPS n'a pas démarré : ") +
                   QString::fromLocal8Bit(cupsd_.readAllStandardError());
    }
}

Cups_Prive::~Cups_Prive() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000)) cupsd_.kill();
    }
    qunsetenv("CUPS_SERVER");
}

bool Cups_Prive::Ecrire_Configuration() {
    const QString racine = dossier_.path();
    for (const char* sous_dossier : {"etc/ppd", "spool", "cache", "state", "log", "tmp"}) {
        if (!QDir(racine).mkpath(QLatin1String(sous_dossier))) return false;
    }
    // The filters run as another user: they must reach the spool and write their temporary
    // files.
    QFile::setPermissions(racine, QFileDevice::Permissions(0x7755));
    QFile::setPermissions(racine + QStringLiteral("/tmp"), QFileDevice::Permissions(0x7777));
    const QString cupsd = QStringLiteral(
                              "Listen %1/cups.sock\nLogLevel warn\nBrowsing No\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                              .arg(racine);
    const QString fichiers =
        QStringLiteral(
            "ServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
            "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
            "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
            "SystemGroup root\nSandboxing Relaxed\n")
            .arg(racine);
    return Ecrire(racine + QStringLiteral("/etc/cupsd.conf"), cupsd) &&
           Ecrire(racine + QStringLiteral("/etc/cups-files.conf"), fichiers);
}

bool Cups_Prive::Lancer(const QString& programme, const QStringList& arguments) const {
    QProcess commande;
    commande.start(programme, arguments);
    return commande.waitForFinished(10000) && commande.exitStatus() == QProcess::NormalExit &&
           commande.exitCode() == 0;
}

QString Cups_Prive::Dossier_Sortie() {
    const passwd* utilisateur = getpwuid(geteuid());
    const QString maison = utilisateur ? QFile::decodeName(utilisateur->pw_dir) : QDir::homePath();
    return maison + QStringLiteral("/PDF");
}

bool Cups_Prive::Travaux_Termines() const {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), QLatin1String(Imprimante)});
    return lpstat.waitForFinished(10000) && lpstat.exitCode() == 0 &&
           lpstat.readAllStandardOutput().trimmed().isEmpty();
}
