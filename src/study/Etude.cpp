#include "study/Etude.h"

#include <algorithm>

#include "core/Empreinte.h"
#include "core/Etat.h"
#include "core/Textes.h"

namespace Etude {

namespace {

using Criteres::Verdict;

// Between the first and the last logger to reach Tp; empty for fewer than two recordings or
// when one never reached it.
std::optional<int64_t> Equilibrage(const std::vector<Enregistrement>& liste) {
    if (liste.size() < 2) return std::nullopt;
    double premier = 0, dernier = 0;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const std::optional<double>& atteinte = liste[i].evaluation.atteinte;
        if (!atteinte) return std::nullopt;
        premier = i == 0 ? *atteinte : std::min(premier, *atteinte);
        dernier = i == 0 ? *atteinte : std::max(dernier, *atteinte);
    }
    return Arrondi_Pair((dernier - premier) * Secondes_Par_Jour);
}

Criteres::Evaluation Regle_Equilibrage(const Resultat& r, int64_t maximum) {
    Criteres::Evaluation e{Criteres::Regle::Equilibrage, std::nullopt, static_cast<double>(maximum),
                           Verdict::Non_Verifiable};
    if (r.enregistrements.size() < 2) return e;
    if (!r.equilibrage_s) {
        // A logger that never reached Tp: the load was never all at temperature.
        e.verdict = Verdict::Non_Conforme;
        return e;
    }
    e.valeur = static_cast<double>(*r.equilibrage_s);
    e.verdict = *r.equilibrage_s > maximum ? Verdict::Non_Conforme : Verdict::Conforme;
    return e;
}

template <typename Figure>
std::optional<std::size_t> Le_Plus_Bas(const std::vector<Enregistrement>& liste, Figure figure) {
    std::optional<std::size_t> plus_bas;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const auto valeur = figure(liste[i].evaluation);
        // Strictly lower: on a tie the first listed stays.
        if (valeur && (!plus_bas || *valeur < *figure(liste[*plus_bas].evaluation))) plus_bas = i;
    }
    return plus_bas;
}

}  // namespace

Enregistrement Etudier(const Etat& etat, const QString& fichier, const QByteArray& octets,
                       const Criteres::Jeu_Criteres& jeu) {
    return {fichier, etat.Identite_Logger, Empreinte(octets),
            Criteres::Evaluer_Enregistrement(etat, jeu)};
}

Resultat Conclure(std::vector<Enregistrement> enregistrements, const Criteres::Jeu_Criteres& jeu) {
    Resultat r;
    r.enregistrements = std::move(enregistrements);
    if (jeu.maintien) r.equilibrage_s = Equilibrage(r.enregistrements);
    if (jeu.equilibrage_max_s) r.equilibrage = Regle_Equilibrage(r, *jeu.equilibrage_max_s);

    if (jeu.cuisson) {
        r.plus_froid =
            Le_Plus_Bas(r.enregistrements, [](const auto& e) { return e.valeur_cuisson; });
    } else if (jeu.maintien) {
        r.plus_froid = Le_Plus_Bas(r.enregistrements, [](const auto& e) { return e.maintien_s; });
    }

    for (const Enregistrement& e : r.enregistrements) {
        r.verdict = Criteres::Ensemble(r.verdict, e.evaluation.verdict);
    }
    if (r.equilibrage) r.verdict = Criteres::Ensemble(r.verdict, r.equilibrage->verdict);
    // A study of nothing has shown nothing.
    if (r.enregistrements.empty()) r.verdict = Verdict::Non_Verifiable;
    return r;
}

}  // namespace Etude
