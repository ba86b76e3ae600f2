#include <QFile>
#include <QFileInfo>

#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "Options_Etude.h"
#include "cooking/Resultat_Cuisson.h"
#include "core/Calculs_Fixes.h"
#include "core/Empreinte.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "criteria/Evaluation.h"
#include "files/Fichiers_Disque.h"
#include "files/Import_Export.h"
#include "printing/Rapport.h"

namespace {

// The cooking calculation of the report: the one asked for, else the one the file carries.
Ou_Erreur<std::optional<uint8_t>> Recette_Demandee(const Arguments& a) {
    const int nb = int(a.A("pasteurisation")) + int(a.A("sterilisation")) + int(a.A("recipe"));
    if (nb > 1) {
        return Mauvais_Usage{
            QStringLiteral("un seul calcul : --pasteurisation, --sterilisation ou --recipe K")};
    }
    if (a.A("pasteurisation")) return std::optional(Calculs_Fixes::Pasteurisation.Num_Recette);
    if (a.A("sterilisation")) return std::optional(Calculs_Fixes::Sterilisation.Num_Recette);
    if (!a.A("recipe")) return std::optional<uint8_t>();
    const Ou_Erreur<int> k = a.Entier("recipe");
    if (!k) return Mauvais_Usage{k.Erreur()};
    if (*k < 1 || *k > Nb_Recettes_Max)
        return Mauvais_Usage{QStringLiteral("--recipe : de 1 à 99")};
    return std::optional(static_cast<uint8_t>(*k));
}

}  // namespace

Ou_Erreur<int> Commande_Report(Etat& etat, const Arguments& arguments) {
    const QString sortie = arguments.Valeur("output");
    if (!arguments.A("output") || !sortie.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return Mauvais_Usage{QStringLiteral("--output RAPPORT.pdf est attendu")};
    }
    const Ou_Erreur<std::optional<uint8_t>> demandee = Recette_Demandee(arguments);
    if (!demandee) return Mauvais_Usage{demandee.Erreur()};
    const std::optional<uint8_t> recette = *demandee;
    Contenu_Rapport contenu;
    const Ou_Erreur<Seuils_Options> seuils = Lire_Seuils(arguments, etat);
    if (!seuils) return Mauvais_Usage{seuils.Erreur()};
    contenu.parametres.seuil_haut = seuils->haut;
    contenu.parametres.seuil_bas = seuils->bas;
    const Ou_Erreur<double> delta_h = Lire_Delta_H(arguments);
    if (!delta_h) return Mauvais_Usage{delta_h.Erreur()};
    contenu.parametres.delta_h = *delta_h;
    const Ou_Erreur<Bornes_Dates> bornes = Lire_Bornes(arguments);
    if (!bornes) return Mauvais_Usage{bornes.Erreur()};
    // Rules are read as study reads them; the thresholds drawn are then the rules' own unless
    // given.
    std::optional<Criteres::Jeu_Criteres> jeu;
    if (Verdict_Demande(arguments)) {
        jeu.emplace();
        if (const auto lu = Lire_Jeu_Nomme(arguments, *jeu); !lu || *lu != Sortie_Fait) return lu;
        if (const auto appliquees = Appliquer_Options(arguments, *jeu); !appliquees) {
            return Mauvais_Usage{appliquees.Erreur()};
        }
        if (const auto cuisson = Preparer_Cuisson(arguments, *jeu, etat); !cuisson) {
            return Mauvais_Usage{cuisson.Erreur()};
        }
        if (!arguments.A("high") && jeu->seuil_haut)
            contenu.parametres.seuil_haut = jeu->seuil_haut->limite;
        if (!arguments.A("low") && jeu->seuil_bas)
            contenu.parametres.seuil_bas = jeu->seuil_bas->limite;
    }
    if (!Sortie_Permise(arguments, sortie)) return Sortie_Fichier;
    if (const Ou_Erreur<int> lu = Lire_Enregistrement(etat, arguments); !lu || *lu != Sortie_Fait) {
        return lu;
    }
    // A range is the view drawn and the records counted, as the window prints the range shown.
    contenu.parametres.plage = Plage_Enregistrement(*bornes, etat);
    contenu.vue = contenu.parametres.plage;

    // The figures are the file's own: its exact bytes are the ones vouched for.
    const QString fichier = QFileInfo(arguments.Fichiers().first()).absoluteFilePath();
    QByteArray octets;
    if (Import_Export::Lecture_Octets(fichier, octets) == Import_Export::Resultat_Lecture::Lu) {
        contenu.sha256 = Empreinte(octets);
    }
    contenu.fichier = fichier;
    if (recette) etat.Num_Recette = *recette;
    if (etat.Num_Recette >= 1 && etat.Num_Recette <= Nb_Recettes_Max) {
        Import_Export::Lecture_Recettes(etat);
    }
    contenu.cuisson = Calcul_Enregistre(etat);
    if (recette && !contenu.cuisson) {
        const QString refus = Refus_Calcul_Cuisson(etat);
        Console::Erreur(refus.isEmpty()
                            ? QStringLiteral("Calcul impossible avec ces coefficients (Z nul ?)")
                            : refus);
        return Sortie_Usage;
    }
    contenu.etat = &etat;
    if (jeu)
        contenu.criteres = Criteres_Rapport{*jeu, Criteres::Evaluer_Enregistrement(etat, *jeu)};
    contenu.edite_le = Horloge_Systeme().Maintenant();
    Import_Export::Cause_Ecriture cause{};
    if (Rapport::Ecrire(contenu, sortie, &cause) != Import_Export::Resultat_Ecriture::Ecrit) {
        Dire_Echec_Ecriture(sortie, cause);
        return Sortie_Fichier;
    }
    Console::Ligne(QStringLiteral("Rapport enregistré dans %1").arg(sortie));
    return Sortie_Fait;
}
