#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "Options_Etude.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "printing/Rapport_Etude.h"
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
    const QString rapport = arguments.Valeur("report");
    if (arguments.A("report")) {
        if (!rapport.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            return Mauvais_Usage{QStringLiteral("--report RAPPORT.pdf est attendu")};
        if (!Sortie_Permise(arguments, rapport)) return Sortie_Fichier;
    }

    // One recording at a time: each is judged as soon as it is read, and only its verdict is
    // kept, unless the report is to draw its measures.
    std::vector<Etude::Enregistrement> enregistrements;
    std::vector<std::unique_ptr<Etat>> mesures;
    for (const QString& fichier : arguments.Fichiers()) {
        QByteArray octets;
        if (!Lire_Fichier(etat, fichier, unite, &octets)) return Sortie_Fichier;
        enregistrements.push_back(Etude::Etudier(etat, fichier, octets, jeu));
        if (arguments.A("report")) mesures.push_back(std::make_unique<Etat>(etat));
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
    if (arguments.A("report")) {
        Contenu_Rapport_Etude contenu;
        contenu.resultat = &resultat;
        contenu.jeu = &jeu;
        for (const auto& e : mesures)
            contenu.etats.push_back(e.get());
        contenu.unite = Unite_Temperature(unite);
        contenu.edite_le = Horloge_Systeme().Maintenant();
        Import_Export::Cause_Ecriture cause{};
        if (Rapport_Etude::Ecrire(contenu, rapport, &cause) !=
            Import_Export::Resultat_Ecriture::Ecrit) {
            // The verdict is still told: only the report is missing.
            Ecrire_Sortie(sortie);
            Dire_Echec_Ecriture(rapport, cause);
            return Sortie_Fichier;
        }
        // Standard output stays one JSON object with --json.
        if (!arguments.A("json"))
            sortie += QStringLiteral("Rapport d'étude enregistré dans %1\n").arg(rapport).toUtf8();
    }
    if (!Ecrire_Sortie(sortie)) {
        Console::Erreur(QStringLiteral("Impossible d'écrire le résultat de l'étude"));
        return Sortie_Fichier;
    }
    return resultat.verdict == Criteres::Verdict::Conforme ? Sortie_Fait : Sortie_Non_Conforme;
}
