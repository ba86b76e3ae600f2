#include "stats/Statistiques.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Etat.h"
#include "core/Textes.h"
#include "stats/Cumul_Seuil.h"

namespace Statistiques {

namespace {

constexpr double Constante_Gaz = 8.3144;  // J/(mol·K)
constexpr double Zero_Absolu = 273.15;

int64_t Secondes(double date) {
    return Arrondi_Pair(date * Secondes_Par_Jour);
}

// Welford's running mean and sum of squared deviations: no cancellation, whatever the offset
// of the values (a freezer at −18 °C as well as an oven at 120 °C).
class Cumul_Serie {
  public:
    void Ajouter(float valeur, double date, int n) {
        if (valeur < min_) {
            min_ = valeur;
            min_date_ = date;
        }
        if (valeur > max_) {
            max_ = valeur;
            max_date_ = date;
        }
        const double x = valeur;
        const double ecart = x - moyenne_;
        moyenne_ += ecart / n;
        carres_ += ecart * (x - moyenne_);
    }

    Serie Resultat(int n) const {
        Serie s;
        s.min = min_;
        s.min_date = min_date_;
        s.max = max_;
        s.max_date = max_date_;
        // Rounding may carry the mean an ulp beyond the extremes; it cannot really be there.
        s.moyenne = std::clamp(moyenne_, static_cast<double>(min_), static_cast<double>(max_));
        s.ecart_type = n < 2 ? 0.0 : std::sqrt(std::max(carres_, 0.0) / (n - 1));
        return s;
    }

  private:
    float min_ = std::numeric_limits<float>::infinity();
    float max_ = -std::numeric_limits<float>::infinity();
    double min_date_ = 0, max_date_ = 0;
    double moyenne_ = 0, carres_ = 0;
};

// Σ exp(aᵢ) kept as exp(plus_grand) × somme, plus_grand being the largest exponent so far:
// the exponents −(ΔH/R)/T are near −34 and every term would underflow for a large ΔH.
class Cumul_Cinetique {
  public:
    Cumul_Cinetique(double delta_h, bool fahrenheit)
        : delta_h_r_(delta_h * 1000.0 / Constante_Gaz),
          possible_(std::isfinite(delta_h_r_) && delta_h_r_ > 0),
          fahrenheit_(fahrenheit) {}

    void Ajouter(float temperature) {
        // Loggers repeat the same tenth for long stretches: the last term serves again.
        if (temperature == derniere_ && somme_ > 0) {
            somme_ += dernier_terme_;
            return;
        }
        const double kelvins = Kelvins(temperature);
        if (!(kelvins > 0)) possible_ = false;
        const double exposant = -delta_h_r_ / kelvins;
        if (somme_ == 0 || exposant > plus_grand_) {
            somme_ = somme_ == 0 ? 1 : somme_ * std::exp(plus_grand_ - exposant) + 1;
            plus_grand_ = exposant;
            dernier_terme_ = 1;
        } else {
            dernier_terme_ = std::exp(exposant - plus_grand_);
            somme_ += dernier_terme_;
        }
        derniere_ = temperature;
    }

    std::optional<double> Resultat(int n, float min, float max) const {
        if (!possible_ || n == 0) return std::nullopt;
        const double log_moyenne = plus_grand_ + std::log(somme_ / n);
        const double mkt = Depuis_Kelvins(delta_h_r_ / -log_moyenne);
        if (!std::isfinite(mkt)) return std::nullopt;
        // The mean of exp(−k/T) lies between its values at the extremes, and so does the MKT;
        // this also makes a constant recording give exactly its value.
        return std::clamp(mkt, static_cast<double>(min), static_cast<double>(max));
    }

  private:
    double Kelvins(float temperature) const {
        const double t = temperature;
        return fahrenheit_ ? (t - 32.0) * 5.0 / 9.0 + Zero_Absolu : t + Zero_Absolu;
    }
    double Depuis_Kelvins(double kelvins) const {
        const double celsius = kelvins - Zero_Absolu;
        return fahrenheit_ ? celsius * 9.0 / 5.0 + 32.0 : celsius;
    }

    double delta_h_r_;
    bool possible_;
    bool fahrenheit_;
    double plus_grand_ = 0;
    double somme_ = 0;
    float derniere_ = std::numeric_limits<float>::quiet_NaN();
    double dernier_terme_ = 0;
};

}  // namespace

Resultat Calcul_Statistiques(const Etat& etat, const Parametres& parametres) {
    Resultat r;
    r.parametres = parametres;
    r.unite = Unite_Temperature(etat.Unite);
    r.humidite_mesuree = Est_Modele_7307(etat.Version_Logger);
    r.periode_s = etat.Periode_Enreg;
    const int nb =
        std::clamp(Nb_Enregistrements(etat.Version_Logger, etat.Nb_Mesures), 0, Nb_Mesures_Max);
    const int64_t periode = r.periode_s;

    Cumul_Serie temperature, humidite;
    Cumul_Cinetique cinetique(parametres.delta_h, Est_Fahrenheit(etat.Unite));
    Cumul_Seuil au_dessus, en_dessous;
    int n = 0;
    double debut = 0, fin = 0;
    int64_t precedente = 0;
    const Mesure* mesures = etat.Mesures.begin();
    for (int i = 0; i < nb; ++i) {
        const Mesure& m = mesures[i];
        const int64_t seconde = Secondes(m.Date_Heure);
        if (parametres.plage && !parametres.plage->Contient(m.Date_Heure)) continue;
        ++n;
        if (n == 1) {
            debut = m.Date_Heure;
        } else if (periode > 0 && 2 * std::abs(seconde - precedente) > 3 * periode) {
            ++r.trous;
        }
        fin = m.Date_Heure;
        precedente = seconde;
        temperature.Ajouter(m.Temperature, m.Date_Heure, n);
        cinetique.Ajouter(m.Temperature);
        au_dessus.Ajouter(m.Temperature > parametres.seuil_haut, m.Date_Heure);
        en_dessous.Ajouter(m.Temperature < parametres.seuil_bas, m.Date_Heure);
        if (r.humidite_mesuree) humidite.Ajouter(m.Humidite, m.Date_Heure, n);
    }

    r.mesures = n;
    if (n == 0) return r;
    r.debut = debut;
    r.fin = fin;
    r.duree_s = Arrondi_Pair((fin - debut) * Secondes_Par_Jour) + std::max<int64_t>(periode, 0);
    r.temperature = temperature.Resultat(n);
    r.mkt = cinetique.Resultat(n, r.temperature->min, r.temperature->max);
    r.au_dessus = au_dessus.Resultat(r.periode_s);
    r.en_dessous = en_dessous.Resultat(r.periode_s);
    if (r.humidite_mesuree) r.humidite = humidite.Resultat(n);
    return r;
}

}  // namespace Statistiques
