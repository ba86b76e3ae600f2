// The rules of `caldrix-cli study`: a named set of criteres.ini, then the options, each of which
// replaces the set's rule of the same name as a whole.
#include "Options_Etude.h"

#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "Options_Commandes.h"
#include "cooking/Parametres_Cuisson.h"
#include "cooking/Resultat_Cuisson.h"
#include "core/Etat.h"
#include "criteria/Jeux_Criteres.h"
#include "files/Import_Export.h"

namespace {

using namespace Criteres;

Mauvais_Usage Refus(const char* option, const QString& raison) {
    return {QStringLiteral("--%1 : %2").arg(QLatin1String(option), raison)};
}

Ou_Erreur<int64_t> Duree(const Arguments& a, const char* option) {
    const auto duree = Lecture_Duree(a.Valeur(option));
    if (!duree) {
        return Refus(option, QStringLiteral("« %1 » n'est pas une durée en secondes (0 à %2)")
                                 .arg(a.Valeur(option), QString::number(Limites::Duree_Max_s)));
    }
    return *duree;
}

// What goes with an option only makes sense with it.
Reussite_Ou_Erreur Avec(const Arguments& a, const char* option,
                        std::initializer_list<const char*> suites) {
    if (a.A(option)) return Reussi{};
    for (const char* suite : suites) {
        if (a.A(suite)) {
            return Mauvais_Usage{QStringLiteral("--%1 va avec --%2")
                                     .arg(QLatin1String(suite), QLatin1String(option))};
        }
    }
    return Reussi{};
}

Reussite_Ou_Erreur Option_Seuil(const Arguments& a, const char* limite, const char* mode,
                                const char* duree, bool humidite,
                                std::optional<Regle_Seuil>& regle) {
    if (const auto avec = Avec(a, limite, {mode, duree}); !avec) return avec;
    if (!a.A(limite)) return Reussi{};
    Regle_Seuil s;
    const Ou_Erreur<float> valeur = a.Nombre(limite);
    if (!valeur) return Mauvais_Usage{valeur.Erreur()};
    s.limite = *valeur;
    if (a.A(mode)) {
        const auto choisi = Mode_Depuis_Nom(a.Valeur(mode));
        if (!choisi) {
            return Refus(
                mode,
                QStringLiteral("« %1 » ; instantane, consecutif ou cumule").arg(a.Valeur(mode)));
        }
        s.mode = *choisi;
    }
    if (a.A(duree)) {
        const Ou_Erreur<int64_t> lue = Duree(a, duree);
        if (!lue) return Mauvais_Usage{lue.Erreur()};
        s.duree_s = *lue;
    } else if (s.mode != Mode_Seuil::Instantane) {
        return Refus(
            mode, QStringLiteral("%1 demande --%2 S").arg(Nom_Mode(s.mode), QLatin1String(duree)));
    }
    if (const QString refus = Refus_Seuil(s, humidite); !refus.isEmpty()) {
        return Refus(s.mode == Mode_Seuil::Instantane && s.duree_s != 0 ? duree : limite, refus);
    }
    regle = s;
    return Reussi{};
}

Reussite_Ou_Erreur Option_Maintien(const Arguments& a, Jeu_Criteres& jeu) {
    if (const auto avec = Avec(a, "process", {"hold"}); !avec) return avec;
    if (!a.A("process")) return Reussi{};
    const Ou_Erreur<float> process = a.Nombre("process");
    if (!process) return Mauvais_Usage{process.Erreur()};
    Regle_Maintien m{*process, std::nullopt};
    if (a.A("hold")) {
        const Ou_Erreur<int64_t> tenue = Duree(a, "hold");
        if (!tenue) return Mauvais_Usage{tenue.Erreur()};
        m.duree_min_s = *tenue;
    }
    if (const QString refus = Refus_Maintien(m); !refus.isEmpty()) return Refus("process", refus);
    jeu.maintien = m;
    return Reussi{};
}

Reussite_Ou_Erreur Option_Cuisson(const Arguments& a, Jeu_Criteres& jeu) {
    const int choix = int(a.A("pasteurisation")) + int(a.A("sterilisation")) + int(a.A("recipe"));
    if (choix > 1) {
        return Mauvais_Usage{
            QStringLiteral("un seul calcul : --pasteurisation, --sterilisation ou --recipe K")};
    }
    if (choix == 0) {
        if (a.A("min-value")) {
            return Mauvais_Usage{QStringLiteral(
                "--min-value va avec un calcul : --pasteurisation, --sterilisation ou --recipe K")};
        }
        return Reussi{};
    }
    Regle_Cuisson c;
    if (a.A("recipe")) {
        const Ou_Erreur<int> recette = a.Entier("recipe");
        if (!recette) return Mauvais_Usage{recette.Erreur()};
        // 100 and 101 stand for the fixed calculations: as recipes they do not exist.
        if (*recette < 1 || *recette > Nb_Recettes_Max) {
            return Refus("recipe", QStringLiteral("recette %1 : de 1 à 99").arg(*recette));
        }
        c.numero = *recette;
    } else {
        c.numero = a.A("pasteurisation") ? 100 : 101;
    }
    if (a.A("min-value")) {
        const Ou_Erreur<float> minimum = a.Nombre("min-value");
        if (!minimum) return Mauvais_Usage{minimum.Erreur()};
        c.minimum = *minimum;
    }
    if (const QString refus = Refus_Cuisson(c); !refus.isEmpty()) return Refus("min-value", refus);
    jeu.cuisson = c;
    return Reussi{};
}

QString Noms_Connus(const std::vector<Jeu_Criteres>& jeux) {
    QStringList noms;
    for (const Jeu_Criteres& j : jeux)
        noms << QStringLiteral("« %1 »").arg(j.nom);
    return noms.isEmpty() ? QStringLiteral("aucun") : noms.join(QStringLiteral(", "));
}

}  // namespace

Ou_Erreur<int> Lire_Jeu_Nomme(const Arguments& a, Jeu_Criteres& jeu) {
    if (!a.A("criteria")) return Sortie_Fait;
    const QString nom = a.Valeur("criteria");
    Jeux_Lus lus;
    switch (Lecture_Jeux(lus)) {
        case Import_Export::Resultat_Lecture::Lu:
            break;
        case Import_Export::Resultat_Lecture::Introuvable:
            return Mauvais_Usage{QStringLiteral("jeu de critères « %1 » inconnu : %2 n'existe pas")
                                     .arg(nom, Chemin_Jeux())};
        case Import_Export::Resultat_Lecture::Incorrect:
            Console::Erreur(QStringLiteral("Impossible de lire %1").arg(Chemin_Jeux()));
            return Sortie_Fichier;
    }
    const Jeu_Criteres* trouve = Trouver_Jeu(lus.jeux, nom);
    if (!trouve) {
        return Mauvais_Usage{QStringLiteral("jeu de critères « %1 » inconnu ; jeux de %2 : %3")
                                 .arg(nom, Chemin_Jeux(), Noms_Connus(lus.jeux))};
    }
    // A set judged without one of its lines would judge less than its author wrote: refused.
    // The faults of the other sets are only told.
    bool refuse = false;
    for (const Defaut_Jeu& d : lus.defauts) {
        const bool ce_jeu = d.jeu == trouve->nom;
        refuse = refuse || ce_jeu;
        Console::Erreur(QStringLiteral("%1%2 %3").arg(
            ce_jeu ? QString() : QStringLiteral("Attention : "), Chemin_Jeux(), d.defaut.Texte()));
    }
    if (refuse) {
        Console::Erreur(QStringLiteral("Le jeu « %1 » a des lignes incorrectes : rien n'a été "
                                       "jugé.")
                            .arg(trouve->nom));
        return Sortie_Fichier;
    }
    jeu = *trouve;
    return Sortie_Fait;
}

Reussite_Ou_Erreur Appliquer_Options(const Arguments& a, Jeu_Criteres& jeu) {
    // Each rule is read; the first refusal, in this order, is the one told.
    for (const Reussite_Ou_Erreur& lue :
         {Option_Seuil(a, "high", "high-mode", "high-duration", false, jeu.seuil_haut),
          Option_Seuil(a, "low", "low-mode", "low-duration", false, jeu.seuil_bas),
          Option_Seuil(a, "humidity-high", "humidity-high-mode", "humidity-high-duration", true,
                       jeu.hygro_haut),
          Option_Seuil(a, "humidity-low", "humidity-low-mode", "humidity-low-duration", true,
                       jeu.hygro_bas),
          Option_Maintien(a, jeu), Option_Cuisson(a, jeu)}) {
        if (!lue) return lue;
    }
    if (a.A("mkt-max")) {
        const Ou_Erreur<float> maximum = a.Nombre("mkt-max");
        if (!maximum) return Mauvais_Usage{maximum.Erreur()};
        if (const QString refus = Refus_Mkt(*maximum); !refus.isEmpty()) {
            return Refus("mkt-max", refus);
        }
        jeu.mkt_max = *maximum;
    }
    if (a.A("equilibration")) {
        const Ou_Erreur<int64_t> equilibrage = Duree(a, "equilibration");
        if (!equilibrage) return Mauvais_Usage{equilibrage.Erreur()};
        jeu.equilibrage_max_s = *equilibrage;
    }

    if (const QString refus = Refus_Ensemble(jeu); !refus.isEmpty()) return Mauvais_Usage{refus};
    if (!Juge_Une_Regle(jeu)) {
        // Nothing checked is nothing shown: such a study must not pass for "conforme".
        return Mauvais_Usage{QStringLiteral(
            "aucune règle à vérifier : --criteria NOM, ou --high, --low, --humidity-high, "
            "--humidity-low, --hold, --min-value, --mkt-max, --equilibration")};
    }
    return Reussi{};
}

bool Verdict_Demande(const Arguments& a) {
    for (const char* option : Options_Commandes::Regles_Jugees) {
        if (a.A(option)) return true;
    }
    return false;
}

Reussite_Ou_Erreur Preparer_Cuisson(const Arguments& a, const Jeu_Criteres& jeu, Etat& etat) {
    if (!jeu.cuisson) return Reussi{};
    const Ou_Erreur<QString> unite = Lire_Unite(a);
    if (!unite) return Mauvais_Usage{unite.Erreur()};
    if (Est_Fahrenheit(*unite)) {
        return Mauvais_Usage{QStringLiteral(
            "la valeur de cuisson se calcule sur des températures en °C : pas avec --unit F")};
    }
    if (jeu.cuisson->numero >= 1 && jeu.cuisson->numero <= Nb_Recettes_Max) {
        Import_Export::Lecture_Recettes(etat);
    }
    const auto choix = Parametres_Calcul(etat, jeu.cuisson->numero);
    const QString refus =
        Refus_Coefficients_Cuisson(choix->temp_ref, choix->valeur_z, choix->temp_dep);
    if (!refus.isEmpty()) return Mauvais_Usage{choix->libelle + QStringLiteral(" : ") + refus};
    return Reussi{};
}
