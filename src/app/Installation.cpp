#include "app/Installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "core/Calculs_Fixes.h"
#include "core/Dossier_Programme.h"
#include "core/Etat.h"
#include "files/Fichiers_Disque.h"
#include "files/Import_Export.h"

namespace {

const QString Sauvegardes = QStringLiteral("Sauvegardes");

QByteArray Recettes_Defaut() {
    const std::unique_ptr<Etat> defauts = Etat::Nouveau();
    Import_Export::Recettes_Defaut(*defauts, Calculs_Fixes::Recette_Defaut.Temp_Ref,
                                   Calculs_Fixes::Recette_Defaut.Valeur_Z,
                                   Calculs_Fixes::Recette_Defaut.Temp_Dep);
    return Import_Export::Contenu_Recettes(*defauts);
}

QByteArray Manuel_Integre() {
    QFile manuel(QStringLiteral(":/manuel/") + QLatin1String(Installation::Nom_Manuel));
    return manuel.open(QIODevice::ReadOnly) ? manuel.readAll() : QByteArray();
}

// The installation's copy when it has one that can be read, the program's own otherwise.
QByteArray Contenu(const QString& partage, const QString& nom) {
    QByteArray octets;
    if (!partage.isEmpty() &&
        Import_Export::Lecture_Octets(partage + QLatin1Char('/') + nom, octets) ==
            Import_Export::Resultat_Lecture::Lu) {
        return octets;
    }
    return Installation::Contenu_Integre(nom);
}

}  // namespace

namespace Installation {

QStringList Fichiers_Defaut() {
    return {QStringLiteral("Conf.ini"), QStringLiteral("recettes.ini"), QLatin1String(Nom_Manuel)};
}

QByteArray Contenu_Integre(const QString& nom) {
    if (nom == QStringLiteral("Conf.ini")) return Import_Export::Contenu_Conf(*Etat::Nouveau());
    if (nom == QStringLiteral("recettes.ini")) return Recettes_Defaut();
    if (nom == QLatin1String(Nom_Manuel)) return Manuel_Integre();
    return {};
}

QString Dossier_Partage() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" CALDRIX_PARTAGE_RELATIF));
}

bool Premier_Demarrage(const QString& dossier) {
    const QDir d(dossier);
    if (!d.exists()) return true;
    QStringList installes = Fichiers_Defaut();
    installes << Sauvegardes;
    for (const QString& nom : installes) {
        if (QFileInfo::exists(d.filePath(nom))) return false;
    }
    return true;
}

QStringList Preparer_Dossier_Programme(const QString& partage) {
    const QString dossier = Dossier_Programme::Chemin();
    if (!Premier_Demarrage(dossier)) return {};
    QStringList echecs;
    if (!QDir().mkpath(dossier + QLatin1Char('/') + Sauvegardes)) {
        echecs << QDir::toNativeSeparators(dossier + QLatin1Char('/') + Sauvegardes);
    }
    for (const QString& nom : Fichiers_Defaut()) {
        const QString cible = Dossier_Programme::Fichier(nom);
        const QByteArray octets = Contenu(partage, nom);
        if (octets.isEmpty() || Import_Export::Ecriture_Atomique(cible, octets) !=
                                    Import_Export::Resultat_Ecriture::Ecrit) {
            echecs << QDir::toNativeSeparators(cible);
        }
    }
    return echecs;
}

}  // namespace Installation
