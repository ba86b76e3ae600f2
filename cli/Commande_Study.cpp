#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "Options_Etude.h"
#include "core/Etat.h"
#include "study/Etude.h"
#include "study/Etude_JSON.h"
#include "study/Etude_Texte.h"

Ou_Erreur<int> Commande_Study(Etat& etat, const Arguments& arguments) {
    if (arguments.Fichiers().isEmpty()) {
        return Mauvais_Usage{
            QStringLiteral("au moins un fichier d'enregistrements (.txt) est attendu")};
    }
    // Bad options are told before any file is read.
    Criteres::Jeu_Criteres jeu;
    if (const auto sortie = Lire_Jeu_Nomme(arguments, jeu); !sortie || *sortie != Sortie_Fait) {
        return sortie;
    }
    if (const auto appliquees = Appliquer_Options(arguments, jeu); !appliquees) {
        return Mauvais_Usage{appliquees.Erreur()};
    }
    const Ou_Erreur<QString> lue = Lire_Unite(arguments);
    if (!lue) return Mauvais_Usage{lue.Erreur()};
    const QString unite = *lue;
    if (const auto cuisson = Preparer_Cuisson(arguments, jeu, etat); !cuisson) {
        return Mauvais_Usage{cuisson.Erreur()};
    }

    // One record at a time: each recording is judged as soon as it is read, and only its
    // verdict is kept.
    std::vector<Etude::Enregistrement> enregistrements;
    for (const QString& fichier : arguments.Fichiers()) {
        QByteArray octets;
        if (!Lire_Fichier(etat, fichier, unite, &octets)) return Sortie_Fichier;
        enregistrements.push_back(Etude::Etudier(etat, fichier, octets, jeu));
    }
    const Etude::Resultat resultat = Etude::Conclure(std::move(enregistrements), jeu);

    QByteArray sortie;
    if (arguments.A("json")) {
        sortie = Etude::Contenu_JSON(resultat) + '\n';
    } else {
        for (const QString& ligne : Etude::Lignes_Etude(resultat, jeu, Unite_Temperature(unite))) {
            sortie += ligne.toUtf8() + '\n';
        }
    }
    if (!Ecrire_Sortie(sortie)) {
        Console::Erreur(QStringLiteral("Impossible d'écrire le résultat de l'étude"));
        return Sortie_Fichier;
    }
    return resultat.verdict == Criteres::Verdict::Conforme ? Sortie_Fait : Sortie_Non_Conforme;
}
