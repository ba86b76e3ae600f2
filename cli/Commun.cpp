#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "files/Import_Export.h"

void Lire_Reglages(Etat& etat) {
    if (Import_Export::Lecture_Conf(etat) == Import_Export::Resultat_Lecture::Introuvable) {
        Console::Erreur(QStringLiteral("Attention : Conf.ini absent, réglages par défaut."));
    }
}

bool Lire_Enregistrement(Etat& etat, const Arguments& arguments) {
    if (arguments.Fichiers().size() != 1) {
        throw Erreur_Usage(QStringLiteral("un fichier d'enregistrements (.txt) est attendu"));
    }
    switch (Import_Export::Lecture_Fichier_Enreg(etat, arguments.Fichiers().first())) {
        case Import_Export::Resultat_Lecture::Lu:
            return true;
        case Import_Export::Resultat_Lecture::Introuvable:
            Console::Erreur(QStringLiteral("Nom de fichier introuvable"));
            return false;
        case Import_Export::Resultat_Lecture::Incorrect:
            Console::Erreur(QStringLiteral("Fichier incorrect!"));
            return false;
    }
    return false;
}
