#include "archive/Archivage.h"

#include <QDir>

#include "archive/Archive.h"

namespace Archivage {

Resultat_Ajout Archiver_Enregistrement(const QString& chemin, const QString& unite) {
    const auto archive = Archive::Ouvrir();
    Resultat_Ajout resultat = archive ? (*archive)->Ajouter(chemin, unite) : Resultat_Ajout{};
    if (resultat.Bilan == Bilan_Ajout::Echec) {
        const QString fichier = QDir::toNativeSeparators(chemin);
        resultat.Message =
            (resultat.Incertain
                 ? QStringLiteral("L'enregistrement est sauvegardé dans %1 ; son archivage n'a "
                                  "pas pu être confirmé :\n")
                       .arg(fichier)
                 : QStringLiteral("L'enregistrement est sauvegardé dans %1 mais n'est pas "
                                  "archivé :\n")
                       .arg(fichier)) +
            (archive ? resultat.Message : archive.Erreur());
    }
    return resultat;
}

}  // namespace Archivage
