#include "Arguments.h"
#include "Commandes.h"
#include "Connexion_Logger.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Programmation_Logger.h"

namespace {

// What the next campaign will be: the logger's and Conf.ini's values, then the options.
struct Choix_Programmation {
    Campagne campagne;
    float seuil_haut = 10, seuil_bas = 0;
};

Ou_Erreur<QString> Unite(const Arguments& a) {
    const QString lettre = a.Valeur("unit");
    if (lettre != QStringLiteral("C") && lettre != QStringLiteral("F") &&
        lettre != QStringLiteral("c") && lettre != QStringLiteral("f")) {
        return Mauvais_Usage{QStringLiteral("--unit : C, F, c ou f")};
    }
    return Unite_Depuis_Lettre(lettre[0]);
}

Ou_Erreur<std::optional<double>> Depart(const Arguments& a) {
    const QString texte = a.Valeur("start").trimmed();
    if (texte == QStringLiteral("now")) return std::optional<double>();
    const auto date = Lecture_Date(texte);
    if (!date) {
        return Mauvais_Usage{
            QStringLiteral("--start : « %1 » n'est ni now ni une date jj/mm/aaaa hh:mm:ss")
                .arg(texte)};
    }
    return date;
}

// Bad options are told before the logger is disturbed; each refusal names its option.
Ou_Erreur<Choix_Programmation> Lire_Options(const Arguments& a, const Etat& etat) {
    using namespace Limites_Campagne;
    Choix_Programmation choix;
    Campagne& c = choix.campagne;
    c.Identite = a.A("name") ? a.Valeur("name") : etat.Identite_Logger;
    // What the logger holds is taken the way the programming window shows it.
    c.Periode = static_cast<int16_t>(Periode_Envoyee(etat.Periode_Enreg));
    if (a.A("period")) {
        const Ou_Erreur<int> p = a.Entier("period");
        if (!p) return Mauvais_Usage{p.Erreur()};
        c.Periode = static_cast<int16_t>(*p >= Periode_Min && *p <= Periode_Max ? *p : 0);
    }
    const Ou_Erreur<QString> unite = a.A("unit") ? Unite(a) : etat.Unite;
    if (!unite) return Mauvais_Usage{unite.Erreur()};
    c.Unite = *unite;
    if (a.A("start")) {
        const Ou_Erreur<std::optional<double>> depart = Depart(a);
        if (!depart) return Mauvais_Usage{depart.Erreur()};
        c.Depart = *depart;
    }
    const Ou_Erreur<int> nb_enreg = a.A("records") ? a.Entier("records") : etat.Nb_Enreg_Max;
    if (!nb_enreg) return Mauvais_Usage{nb_enreg.Erreur()};
    c.Nb_Enreg = *nb_enreg;
    if (a.A("sleep")) {
        const QString v = a.Valeur("sleep");
        if (v != QStringLiteral("oui") && v != QStringLiteral("non")) {
            return Mauvais_Usage{QStringLiteral("--sleep : oui ou non")};
        }
        c.Sans_Veille = v == QStringLiteral("non");
    }
    const Ou_Erreur<float> haut = a.A("high") ? a.Nombre("high") : etat.Seuil_Haut;
    if (!haut) return Mauvais_Usage{haut.Erreur()};
    const Ou_Erreur<float> bas = a.A("low") ? a.Nombre("low") : etat.Seuil_Bas;
    if (!bas) return Mauvais_Usage{bas.Erreur()};
    choix.seuil_haut = *haut;
    choix.seuil_bas = *bas;
    Campagne verifiee = c;
    if (!a.A("records") && !Taille_Connue(c.Nb_Enreg)) verifiee.Nb_Enreg = Tailles.back();
    if (const auto refus = Verifier_Campagne(verifiee, choix.seuil_haut, choix.seuil_bas)) {
        static const char* const options[] = {
            "--name : ", "--period : ", "--records : ", "--high, --low : "};
        return Mauvais_Usage{QLatin1String(options[static_cast<int>(refus->champ)]) + refus->texte};
    }
    return choix;
}

}  // namespace

Ou_Erreur<int> Commande_Program(Etat& etat, const Arguments& arguments) {
    if (!arguments.Fichiers().isEmpty()) {
        return Mauvais_Usage{QStringLiteral("argument en trop : ") + arguments.Fichiers().first()};
    }
    Lire_Reglages(etat);
    const Ou_Erreur<Port_Choisi> port = Lire_Port(arguments);
    if (!port) return Mauvais_Usage{port.Erreur()};
    // Bad options are told before the logger is disturbed.
    if (const auto options = Lire_Options(arguments, etat); !options) {
        return Mauvais_Usage{options.Erreur()};
    }
    Connexion_Logger connexion(etat, *port);
    Communication& lien = connexion.Lien();
    uint8_t r = connexion.Ouvrir();
    if (r == Fonctions_Logger::Fait) r = Fonctions_Logger::Lecture_Logger(etat, lien);
    if (r != Fonctions_Logger::Fait) return connexion.Erreur(r);
    // The start command restarts the logger's recording.
    const QString effacement =
        Programmation_Logger::Avertissement_Effacement(Enregistrements_Lisibles(etat));
    if (!effacement.isEmpty() && !arguments.A("force")) {
        Console::Erreur(effacement);
        Console::Erreur(
            QStringLiteral("Rien n'a été envoyé au logger (--force pour le "
                           "programmer quand même)."));
        return Sortie_Usage;
    }

    // Again over what the logger holds: the values it keeps must make a campaign too.
    const Ou_Erreur<Choix_Programmation> choix = Lire_Options(arguments, etat);
    if (!choix) return Mauvais_Usage{choix.Erreur()};
    const Campagne& c = choix->campagne;
    // Alarms on the humidity only exist where there is a humidity to watch.
    if (arguments.A("unit") && Lettre_Depuis_Unite(c.Unite).isLower() &&
        !Est_Modele_7307(etat.Version_Logger)) {
        Console::Erreur(QStringLiteral("Les alarmes sur l'hygrométrie demandent un 7307"));
        return Sortie_Usage;
    }
    etat.Seuil_Haut = choix->seuil_haut;
    etat.Seuil_Bas = choix->seuil_bas;
    etat.Nb_Enreg_Max = c.Nb_Enreg;
    const double maintenant = connexion.Maintenant();
    r = Programmation_Logger::Programmer(etat, lien, c);
    if (r != Fonctions_Logger::Fait) return connexion.Erreur(r);

    const bool planifie = c.Depart && *c.Depart > maintenant;
    Console::Ligne(Programmation_Logger::Texte_Programme(c.Identite));
    Console::Ligne(QStringLiteral("Période : %1 s, unité : %2, %3 enregistrements")
                       .arg(Limites_Campagne::Periode_Envoyee(c.Periode))
                       .arg(c.Unite)
                       .arg(c.Nb_Enreg));
    Console::Ligne(QStringLiteral("Départ : ") +
                   (planifie ? Texte_Date(*c.Depart) : QStringLiteral("immédiat")));
    Console::Ligne(QStringLiteral("Mise en veille automatique : ") +
                   (c.Sans_Veille ? QStringLiteral("non") : QStringLiteral("oui")));
    Console::Ligne(QStringLiteral("Alarme haute : %1, alarme basse : %2")
                       .arg(Texte_Single(etat.Seuil_Haut), Texte_Single(etat.Seuil_Bas)));
    return Sortie_Fait;
}
