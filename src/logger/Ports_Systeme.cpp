#include "logger/Ports_Systeme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSet>

#include "core/Dossier_Programme.h"

namespace Ports_Systeme {

namespace {

// Qt lists a built-in port only when it can open it to check that a chip is behind it; the
// kernel tells the chip's type to everyone. Without this a user outside the dialout group
// would not see the port, and the port numbers would change once he joined it.
QList<Numerotation_Ports::Peripherique> Ports_Integres(const QSet<QString>& deja) {
    QList<Numerotation_Ports::Peripherique> ports;
    const QDir classe(QStringLiteral("/sys/class/tty"));
    for (const QString& nom : classe.entryList({QStringLiteral("ttyS*")}, QDir::AllEntries)) {
        const QString chemin = QStringLiteral("/dev/") + nom;
        if (deja.contains(chemin) || !QFileInfo::exists(chemin)) continue;
        QFile type(classe.filePath(nom + QStringLiteral("/type")));
        if (!type.open(QIODevice::ReadOnly)) continue;
        bool nombre = false;
        const int valeur = type.readAll().trimmed().toInt(&nombre);
        if (nombre && valeur != 0) ports.append({chemin, {}});  // 0: no chip there
    }
    return ports;
}

}  // namespace

QList<Numerotation_Ports::Peripherique> Peripheriques_Systeme() {
    QList<Numerotation_Ports::Peripherique> peripheriques;
    QSet<QString> chemins;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        peripheriques.append({info.systemLocation(), info.description()});
        chemins.insert(info.systemLocation());
    }
    peripheriques += Ports_Integres(chemins);
    return peripheriques;
}

QList<Numerotation_Ports::Lien_Par_Id> Lire_Par_Id(const QString& dossier) {
    QList<Numerotation_Ports::Lien_Par_Id> liens;
    const QDir par_id(dossier);
    for (const QFileInfo& info : par_id.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString cible = info.canonicalFilePath();
        if (!cible.isEmpty()) liens.append({info.fileName(), cible});
    }
    return liens;
}

QList<Numerotation_Ports::Lien_Port> Lire_Liens(const QString& dossier) {
    static const QRegularExpression nom_port(QStringLiteral("^COM([1-9]\\d{0,2})$"));
    QList<Numerotation_Ports::Lien_Port> liens;
    const QDir ports(dossier);
    // Links to nothing too: they are the ports of adapters unplugged.
    for (const QFileInfo& info :
         ports.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch m = nom_port.match(info.fileName());
        if (!m.hasMatch()) continue;
        Numerotation_Ports::Lien_Port lien;
        lien.Numero = m.captured(1).toInt();
        lien.Chemin = info.absoluteFilePath();
        lien.Present = info.exists();
        if (!info.isSymLink()) {
            lien.Cible = lien.Chemin;
        } else if (lien.Present) {
            lien.Cible = info.canonicalFilePath();
        } else {
            lien.Cible = QFileInfo(info.symLinkTarget()).absoluteFilePath();
        }
        liens.append(lien);
    }
    return liens;
}

namespace {

QString Dossier_Liens(const Source& source) {
    return source.Dossier_Liens.isEmpty() ? Dossier_Programme::Fichier(QStringLiteral("ports"))
                                          : source.Dossier_Liens;
}

}  // namespace

Numerotation_Ports::Numerotation Numeroter(const Source& source) {
    return Numerotation_Ports::Numeroter(
        source.Peripheriques ? source.Peripheriques() : Peripheriques_Systeme(),
        Lire_Par_Id(source.Dossier_Par_Id), Lire_Liens(Dossier_Liens(source)));
}

QString Peripherique_Port(int numero, const Source& source) {
    // Listing the devices opens every built-in port to look at it: not for a port that a link
    // names already.
    for (const Numerotation_Ports::Lien_Port& lien : Lire_Liens(Dossier_Liens(source))) {
        if (lien.Numero == numero) return lien.Cible;
    }
    const Numerotation_Ports::Numerotation ports = Numeroter(source);
    const auto port = ports.Ports.find(numero);
    return port == ports.Ports.end() ? QString() : port->second.Peripherique;
}

}  // namespace Ports_Systeme
