#include "app/Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Calculs_Fixes.h"
#include "core/Dossier_Programme.h"
#include "core/Etat.h"
#include "files/Import_Export.h"

namespace {

const QString Sauvegardes = QStringLiteral("Sauvegardes");

QStringList Fichiers_Installes() {
    return {QStringLiteral("Conf.ini"), QStringLiteral("recettes.ini"), Sauvegardes,
            QLatin1String(Installation::Nom_Manuel)};
}

bool Installer_Manuel(const QString& dossier) {
    const QString cible = dossier + QLatin1Char('/') + QLatin1String(Installation::Nom_Manuel);
    QFile::remove(cible + QStringLiteral(".tmp"));
    if (!QFile::copy(QStringLiteral(":/manuel/") + QLatin1String(Installation::Nom_Manuel),
                     cible + QStringLiteral(".tmp"))) {
        return false;
    }
    // A copy out of the resources is read-only; the user may want to annotate it.
    QFile::setPermissions(cible + QStringLiteral(".tmp"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return QFile::rename(cible + QStringLiteral(".tmp"), cible);
}

}  // namespace

namespace Installation {

bool Premier_Demarrage(const QString& dossier) {
    const QDir d(dossier);
    if (!d.exists()) return true;
    for (const QString& nom : Fichiers_Installes()) {
        if (QFileInfo::exists(d.filePath(nom))) return false;
    }
    return true;
}

QStringList Preparer_Dossier_Programme() {
    const QString dossier = Dossier_Programme::Chemin();
    if (!Premier_Demarrage(dossier)) return {};
    QStringList echecs;
    if (!QDir().mkpath(dossier + QLatin1Char('/') + Sauvegardes)) {
        echecs << QDir::toNativeSeparators(dossier + QLatin1Char('/') + Sauvegardes);
    }
    const std::unique_ptr<Etat> defauts = Etat::Nouveau();
    if (Import_Export::Ecriture_Conf(*defauts) != Import_Export::Resultat_Ecriture::Ecrit) {
        echecs << QDir::toNativeSeparators(Dossier_Programme::Fichier(QStringLiteral("Conf.ini")));
    }
    Import_Export::Recettes_Defaut(*defauts, Calculs_Fixes::Recette_Defaut.Temp_Ref,
                                   Calculs_Fixes::Recette_Defaut.Valeur_Z,
                                   Calculs_Fixes::Recette_Defaut.Temp_Dep);
    if (Import_Export::Ecriture_Recettes(*defauts) != Import_Export::Resultat_Ecriture::Ecrit) {
        echecs << QDir::toNativeSeparators(
            Dossier_Programme::Fichier(QStringLiteral("recettes.ini")));
    }
    if (!Installer_Manuel(dossier)) {
        echecs << QDir::toNativeSeparators(Dossier_Programme::Fichier(QLatin1String(Nom_Manuel)));
    }
    return echecs;
}

}  // namespace Installation
