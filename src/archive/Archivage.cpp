#include "archive/Archivage.h"

#include <QDir>

#include "archive/Archive.h"

namespace Archivage {

Resultat_Ajout Archiver_Enregistrement(const QString& chemin, const QString& unite) {
    QString erreur;
    const auto archive = Archive::Ouvrir(erreur);
    Resultat_Ajout resultat = archive ? archive->Ajouter(chemin, unite) : Resultat_Ajout{};
    if (resultat.Bilan == Bilan_Ajout::Echec) {
        resultat.Message =
            QStringLiteral("L'enregistrement est sauvegardé dans %1 mais n'est pas archivé :\n")
                .arg(QDir::toNativeSeparators(chemin)) +
            (archive ? resultat.Message : erreur);
    }
    return resultat;
}

}  // namespace Archivage
