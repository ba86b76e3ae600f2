#include "criteria/Evaluation.h"

#include <array>
#include <limits>

#include "cooking/Calcul_Cuisson.h"
#include "cooking/Parametres_Cuisson.h"
#include "cooking/Resultat_Cuisson.h"
#include "core/Etat.h"
#include "stats/Cumul_Seuil.h"
#include "stats/Statistiques.h"

namespace Criteres {

namespace {

using Statistiques::Cumul_Seuil;
using Statistiques::Hors_Seuil;

// What one pass over the records finds for the band and hold rules.
struct Releve {
    int n = 0;
    Hors_Seuil seuil_haut, seuil_bas, hygro_haut, hygro_bas, maintien;
    std::optional<double> atteinte;
};

Releve Relever(const Etat& etat, const Jeu_Criteres& jeu) {
    // A rule that is not set counts against a limit no record can pass.
    constexpr float jamais = std::numeric_limits<float>::infinity();
    const float haut = jeu.seuil_haut ? jeu.seuil_haut->limite : jamais;
    const float bas = jeu.seuil_bas ? jeu.seuil_bas->limite : -jamais;
    const float hygro_haut = jeu.hygro_haut ? jeu.hygro_haut->limite : jamais;
    const float hygro_bas = jeu.hygro_bas ? jeu.hygro_bas->limite : -jamais;
    const float process = jeu.maintien ? jeu.maintien->temperature : jamais;

    Releve r;
    r.n = Enregistrements_Lisibles(etat);
    std::array<Cumul_Seuil, 5> cumuls;
    const Mesure* mesures = etat.Mesures.begin();
    for (int i = 0; i < r.n; ++i) {
        const Mesure& m = mesures[i];
        const bool atteint = m.Temperature >= process;
        if (atteint && !r.atteinte) r.atteinte = m.Date_Heure;
        cumuls[0].Ajouter(m.Temperature > haut, m.Date_Heure);
        cumuls[1].Ajouter(m.Temperature < bas, m.Date_Heure);
        cumuls[2].Ajouter(m.Humidite > hygro_haut, m.Date_Heure);
        cumuls[3].Ajouter(m.Humidite < hygro_bas, m.Date_Heure);
        cumuls[4].Ajouter(atteint, m.Date_Heure);
    }
    const int periode = etat.Periode_Enreg;
    r.seuil_haut = cumuls[0].Resultat(periode);
    r.seuil_bas = cumuls[1].Resultat(periode);
    r.hygro_haut = cumuls[2].Resultat(periode);
    r.hygro_bas = cumuls[3].Resultat(periode);
    r.maintien = cumuls[4].Resultat(periode);
    return r;
}

Evaluation Seuil(Regle regle, const Regle_Seuil& s, const Hors_Seuil& h, bool verifiable) {
    Evaluation e{regle, std::nullopt, s.limite, Verdict::Non_Verifiable};
    if (!verifiable) return e;
    const std::optional<int64_t> duree =
        s.mode == Mode_Seuil::Consecutif ? h.plus_long_s : h.duree_s;
    if (duree) e.valeur = static_cast<double>(*duree);
    if (s.mode == Mode_Seuil::Instantane) {
        // One record out is enough, whatever the period.
        e.verdict = h.mesures == 0 ? Verdict::Conforme : Verdict::Non_Conforme;
    } else if (duree) {
        e.verdict = *duree > s.duree_s ? Verdict::Non_Conforme : Verdict::Conforme;
    }
    return e;
}

// The highest value the cooking window would report; empty where it cannot be computed.
std::optional<int> Valeur_Cuisson(const Etat& etat, const Regle_Cuisson& regle) {
    const auto choix = Parametres_Calcul(etat, regle.numero);
    // The coefficients are in °C: on a recording known to be in °F a value would be plainly
    // wrong, and a wrong value could pass.
    if (!choix || !Est_Modele_7306(etat.Version_Logger) || Est_Fahrenheit(etat.Unite) ||
        !Refus_Calcul_Cuisson(etat).isEmpty()) {
        return std::nullopt;
    }
    const std::optional<Maximum_Cuisson> maximum =
        Maximum_Valeur_Cuisson(etat, choix->temp_ref, choix->valeur_z, choix->temp_dep);
    if (!maximum) return std::nullopt;
    return maximum->Valeur_Max;
}

Evaluation Minimum(Regle regle, std::optional<double> valeur, double minimum) {
    Evaluation e{regle, valeur, minimum, Verdict::Non_Verifiable};
    if (valeur) e.verdict = *valeur < minimum ? Verdict::Non_Conforme : Verdict::Conforme;
    return e;
}

}  // namespace

QString Texte_Verdict(Verdict verdict) {
    switch (verdict) {
        case Verdict::Conforme:
            return QStringLiteral("conforme");
        case Verdict::Non_Conforme:
            return QStringLiteral("non conforme");
        case Verdict::Non_Verifiable:
            break;
    }
    return QStringLiteral("non vérifiable");
}

Verdict Ensemble(Verdict a, Verdict b) {
    if (a == Verdict::Non_Conforme || b == Verdict::Non_Conforme) return Verdict::Non_Conforme;
    if (a == Verdict::Non_Verifiable || b == Verdict::Non_Verifiable)
        return Verdict::Non_Verifiable;
    return Verdict::Conforme;
}

QString Nom_Regle(Regle regle) {
    switch (regle) {
        case Regle::Seuil_Haut:
            return QStringLiteral("seuil_haut");
        case Regle::Seuil_Bas:
            return QStringLiteral("seuil_bas");
        case Regle::Hygro_Haut:
            return QStringLiteral("hygro_haut");
        case Regle::Hygro_Bas:
            return QStringLiteral("hygro_bas");
        case Regle::Maintien:
            return QStringLiteral("maintien");
        case Regle::Cuisson:
            return QStringLiteral("cuisson");
        case Regle::Mkt:
            return QStringLiteral("mkt");
        case Regle::Equilibrage:
            break;
    }
    return QStringLiteral("equilibrage");
}

bool Limite_Mesuree(Regle regle) {
    return regle != Regle::Maintien && regle != Regle::Equilibrage;
}

Evaluation_Enregistrement Evaluer_Enregistrement(const Etat& etat, const Jeu_Criteres& jeu) {
    Evaluation_Enregistrement r;
    const Releve releve = Relever(etat, jeu);
    const bool mesures = releve.n > 0;
    const bool humidite = mesures && Est_Modele_7307(etat.Version_Logger);
    const bool durees = mesures && etat.Periode_Enreg > 0;

    if (jeu.seuil_haut) {
        r.regles.push_back(Seuil(Regle::Seuil_Haut, *jeu.seuil_haut, releve.seuil_haut, mesures));
    }
    if (jeu.seuil_bas) {
        r.regles.push_back(Seuil(Regle::Seuil_Bas, *jeu.seuil_bas, releve.seuil_bas, mesures));
    }
    if (jeu.hygro_haut) {
        r.regles.push_back(Seuil(Regle::Hygro_Haut, *jeu.hygro_haut, releve.hygro_haut, humidite));
    }
    if (jeu.hygro_bas) {
        r.regles.push_back(Seuil(Regle::Hygro_Bas, *jeu.hygro_bas, releve.hygro_bas, humidite));
    }
    if (jeu.maintien) {
        r.atteinte = releve.atteinte;
        if (durees) r.maintien_s = releve.maintien.plus_long_s;
        if (jeu.maintien->duree_min_s) {
            const auto valeur = r.maintien_s ? std::optional<double>(*r.maintien_s) : std::nullopt;
            r.regles.push_back(
                Minimum(Regle::Maintien, valeur, static_cast<double>(*jeu.maintien->duree_min_s)));
        }
    }
    if (jeu.cuisson) {
        r.valeur_cuisson = Valeur_Cuisson(etat, *jeu.cuisson);
        if (jeu.cuisson->minimum) {
            const auto valeur =
                r.valeur_cuisson ? std::optional<double>(*r.valeur_cuisson) : std::nullopt;
            r.regles.push_back(Minimum(Regle::Cuisson, valeur, *jeu.cuisson->minimum));
        }
    }
    if (jeu.mkt_max) {
        Evaluation e{Regle::Mkt, std::nullopt, *jeu.mkt_max, Verdict::Non_Verifiable};
        if (mesures) e.valeur = Statistiques::Calcul_Statistiques(etat, {}).mkt;
        if (e.valeur)
            e.verdict = *e.valeur > *jeu.mkt_max ? Verdict::Non_Conforme : Verdict::Conforme;
        r.regles.push_back(e);
    }
    for (const Evaluation& e : r.regles)
        r.verdict = Ensemble(r.verdict, e.verdict);
    if (Enregistrement_Incomplet(etat)) {
        r.incomplet =
            Texte_Incomplet(Enregistrements_Lisibles(etat), Enregistrements_Annonces(etat));
        r.verdict = Ensemble(r.verdict, Verdict::Non_Verifiable);
    }
    return r;
}

}  // namespace Criteres
