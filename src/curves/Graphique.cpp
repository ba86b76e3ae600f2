#include "curves/Graphique.h"

#include <algorithm>
#include <cmath>

#include "core/Etat.h"
#include "core/Plage_Dates.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Interaction_Graphe.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"

namespace Graphique {

void Elargir(Axe_Graphe& axe) {
    const double bas = axe.Minimum();
    const double haut = axe.Maximum();
    axe.Definir_Minimum(bas - 0.2 * std::abs(std::abs(bas) + haut));
    const double nouveau_bas = axe.Minimum();
    axe.Definir_Maximum(haut + 0.2 * std::abs(std::abs(nouveau_bas) + haut));
}

void Init_Graphique(CWGraph& graphe, double maintenant) {
    graphe.Definir_Longueur_Graphe(Nb_Mesures_Max);
    graphe.Definir_Mode_Suivi(Interaction_Graphe::Mode_Zoom);
    Axe_Graphe& temps = graphe.Axes(Numeros_Graphe::XAxis);
    temps.Definir_Maximum(maintenant);
    temps.Definir_Minimum(maintenant - 1);
}

void Affiche_Courbes(const Etat& etat, CWGraph& graphe) {
    Trace_Graphe& temperature = graphe.Plots(Numeros_Graphe::Voie_Temp);
    Trace_Graphe& second = graphe.Plots(Numeros_Graphe::Voie_Hygro);
    temperature.Effacer();
    second.Effacer();
    temperature.Definir_Visible(false);
    second.Definir_Visible(false);

    const int records = Enregistrements_Lisibles(etat);
    // The unit the recording was made in, when known; °C otherwise, as always.
    graphe.Axes(Numeros_Graphe::YAxis_Temp)
        .Definir_Legende(QStringLiteral("Température ") + Unite_Temperature(etat.Unite));
    if (!Est_Modele_7307(etat.Version_Logger)) {
        for (int i = 1; i <= records; ++i) {
            temperature.Ajouter_Point(etat.Mesures(i).Date_Heure, etat.Mesures(i).Temperature);
        }
        graphe.Axes(Numeros_Graphe::YAxis_Hygro).Definir_Visible(false);
        temperature.Definir_Visible(true);
    } else {
        graphe.Axes(Numeros_Graphe::YAxis_Hygro).Definir_Legende(QStringLiteral("Hygrométrie %Hr"));
        second.Definir_Libelle(QStringLiteral("Hygrométrie"));
        for (int i = 1; i <= records; ++i) {
            const Mesure& mesure = etat.Mesures(i);
            temperature.Ajouter_Point(mesure.Date_Heure, mesure.Temperature);
            second.Ajouter_Point(mesure.Date_Heure, mesure.Humidite);
        }
        graphe.Axes(Numeros_Graphe::YAxis_Hygro).Definir_Visible(true);
        temperature.Definir_Visible(true);
        second.Definir_Visible(true);
    }
    Mise_Echelle(etat, graphe);
}

void Mise_Echelle(const Etat& etat, CWGraph& graphe) {
    // The guard is on the records: a 7307 recording of 8001 to 16000 records counts up to
    // 32000 values.
    const int records = Nb_Enregistrements(etat.Version_Logger, etat.Nb_Mesures);
    if (records < 1 || records > Nb_Mesures_Max) return;
    Axe_Graphe& temps = graphe.Axes(Numeros_Graphe::XAxis);
    temps.Definir_Minimum(etat.Mesures(1).Date_Heure);
    temps.Definir_Maximum(etat.Mesures(records).Date_Heure);
    for (int numero : {Numeros_Graphe::YAxis_Temp, Numeros_Graphe::YAxis_Hygro}) {
        Axe_Graphe& axe = graphe.Axes(numero);
        axe.Auto_Echelle();
        Elargir(axe);
    }
}

void Affiche_Courbe_Cuisson(const Etat& etat, CWGraph& graphe) {
    Trace_Graphe& cuisson = graphe.Plots(Numeros_Graphe::Voie_Hygro);
    cuisson.Effacer();
    cuisson.Definir_Visible(false);
    Axe_Graphe& axe = graphe.Axes(Numeros_Graphe::YAxis_Hygro);
    axe.Definir_Legende(QStringLiteral("Valeur Cuisson (minutes)"));
    cuisson.Definir_Libelle(QStringLiteral("Valeur de cuisson"));
    const int nombre = std::clamp<int>(etat.Nb_Mesures, 0, Nb_Mesures_Max);
    for (int i = 1; i <= nombre; ++i) {
        cuisson.Ajouter_Point(etat.Mesures(i).Date_Heure, etat.Mesures(i).Humidite);
    }
    axe.Definir_Visible(true);
    cuisson.Definir_Visible(true);
    axe.Auto_Echelle();
    const double haut = axe.Maximum();
    axe.Definir_Minimum(0);
    // The margin rule with a minimum of 0: 1.2 × the highest value when it is positive.
    axe.Definir_Maximum(haut + 0.2 * std::abs(haut));
}

void Selection_Mesures(Etat& etat, const CWGraph& graphe) {
    const bool humidite = Est_Modele_7307(etat.Version_Logger);
    const int records = Enregistrements_Lisibles(etat);
    const Axe_Graphe& temps = graphe.Axes(Numeros_Graphe::XAxis);
    const Plage_Dates vue{temps.Minimum(), temps.Maximum()};
    int k = 1;
    for (int i = 1; i <= records; ++i) {
        const Mesure mesure = etat.Mesures(i);
        if (vue.Contient(mesure.Date_Heure)) {
            Mesure& garde = etat.Mesures(k);
            garde.Date_Heure = mesure.Date_Heure;
            garde.Temperature = mesure.Temperature;
            if (humidite) garde.Humidite = mesure.Humidite;
            ++k;
        }
    }
    etat.Nb_Mesures = static_cast<int16_t>(Nb_Valeurs(etat.Version_Logger, k - 1));
    // A selection is a recording of its own, whole: it announces what it holds.
    etat.Nb_Mesures_Annoncees = etat.Nb_Mesures;
}

}  // namespace Graphique
