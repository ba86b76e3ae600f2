#include "archive/Description_Archive.h"

#include "core/Empreinte.h"

#include <QFileInfo>
#include <algorithm>

#include "archive/Figures_Archive.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Fichier_Enreg.h"
#include "files/Fichiers_Disque.h"

Ou_Erreur<Fichier_Decrit> Decrire_Fichier(const QString& chemin, const QString& unite) {
    using Resultat = Ou_Erreur<Fichier_Decrit>;
    Fichier_Decrit decrit;
    switch (Import_Export::Lecture_Octets(chemin, decrit.Octets)) {
        case Import_Export::Resultat_Lecture::Lu:
            break;
        case Import_Export::Resultat_Lecture::Introuvable:
            return Resultat::Echec(QStringLiteral("Nom de fichier introuvable (%1)").arg(chemin));
        case Import_Export::Resultat_Lecture::Incorrect:
            return Resultat::Echec(
                QStringLiteral("Fichier incorrect! (%1 : il ne peut pas être lu)").arg(chemin));
    }
    // Described from the very bytes that are archived, not from a second reading of the file.
    const auto etat = Etat::Nouveau();
    Import_Export::Defaut_Lecture defaut;
    if (Import_Export::Lecture_Contenu_Enreg(*etat, decrit.Octets, &defaut) !=
        Import_Export::Resultat_Lecture::Lu) {
        return Resultat::Echec(
            QStringLiteral("Fichier incorrect! (%1 : %2)").arg(chemin, defaut.Texte()));
    }
    Fiche_Archive& fiche = decrit.Fiche;
    fiche.Sha256 = Empreinte(decrit.Octets);
    fiche.Identite = etat->Identite_Logger;
    fiche.Modele = Modele(etat->Version_Logger);
    fiche.Periode = etat->Periode_Enreg;
    etat->Unite = unite;
    fiche.Unite = unite;
    fiche.Mesures = Nb_Enregistrements(etat->Version_Logger, etat->Nb_Mesures);
    fiche.Annoncees = std::max(fiche.Mesures, Enregistrements_Annonces(*etat));
    if (fiche.Mesures > 0) {
        fiche.Debut = Texte_Date_ISO(etat->Mesures(1).Date_Heure);
        fiche.Fin = Texte_Date_ISO(etat->Mesures(fiche.Mesures).Date_Heure);
    }
    fiche.Commentaire = etat->Commentaire;
    fiche.Recette = etat->Num_Recette;
    fiche.Fichier = QFileInfo(chemin).absoluteFilePath();
    Remplir_Figures(*etat, fiche);
    return decrit;
}
