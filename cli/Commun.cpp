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
    QString unite;
    if (arguments.A("unit")) {
        const QString lettre = arguments.Valeur("unit");
        if (lettre != QStringLiteral("C") && lettre != QStringLiteral("F")) {
            throw Erreur_Usage(
                QStringLiteral("--unit : « %1 » ; C ou F, l'unité des températures du fichier")
                    .arg(lettre));
        }
        unite = Unite_Depuis_Lettre(lettre[0]);
    }
    const QString fichier = arguments.Fichiers().first();
    switch (Import_Export::Lecture_Fichier_Enreg(etat, fichier)) {
        case Import_Export::Resultat_Lecture::Lu:
            etat.Unite = unite;
            if (Enregistrement_Incomplet(etat)) {
                Console::Erreur(QStringLiteral("Attention : %1 : enregistrement ").arg(fichier) +
                                Texte_Incomplet(Enregistrements_Lisibles(etat),
                                                Enregistrements_Annonces(etat)));
            }
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
