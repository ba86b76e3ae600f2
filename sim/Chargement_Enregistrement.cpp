#include "Chargement_Enregistrement.h"

#include <cmath>

#include "core/Cp1252.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

// Tenths as the logger holds them, when they fit.
std::optional<int16_t> Dixiemes(float valeur) {
    const double dixiemes = std::nearbyint(static_cast<double>(valeur) * 10.0);
    if (!(dixiemes >= INT16_MIN && dixiemes <= INT16_MAX)) return std::nullopt;
    return static_cast<int16_t>(dixiemes);
}

}  // namespace

namespace Chargement_Enregistrement {

Ou_Erreur<std::optional<double>> Charger(const QString& fichier, Memoire_Logger& memoire) {
    using Resultat = Ou_Erreur<std::optional<double>>;
    const auto etat = Etat::Nouveau();
    switch (Import_Export::Lecture_Fichier_Enreg(*etat, fichier)) {
        case Import_Export::Resultat_Lecture::Lu:
            break;
        case Import_Export::Resultat_Lecture::Introuvable:
            return Resultat::Echec(QStringLiteral("fichier introuvable : %1").arg(fichier));
        case Import_Export::Resultat_Lecture::Incorrect:
            return Resultat::Echec(
                QStringLiteral("fichier d'enregistrements incorrect : %1").arg(fichier));
    }
    if (etat->Periode_Enreg < 1 || etat->Periode_Enreg > 7200) {
        return Resultat::Echec(QStringLiteral("%1 : période de %2 s, le logger va de 1 à 7200 s")
                                   .arg(fichier)
                                   .arg(etat->Periode_Enreg));
    }
    // The file keeps the model alone; a logger reports a version number after it.
    memoire.version = Cp1252::Encode(etat->Version_Logger);
    if (memoire.version.size() <= 4) memoire.version += "V12";
    memoire.identite = Cp1252::Encode(etat->Identite_Logger).left(8);
    memoire.periode = etat->Periode_Enreg;

    const bool humidite = memoire.Est_7307();
    const int nombre = Enregistrements_Lisibles(*etat);
    memoire.mesures.clear();
    memoire.mesures.reserve(static_cast<std::size_t>(nombre));
    for (int i = 1; i <= nombre; ++i) {
        const Mesure& m = etat->Mesures(i);
        const std::optional<int16_t> temperature = Dixiemes(m.Temperature);
        const std::optional<int16_t> hygrometrie = Dixiemes(humidite ? m.Humidite : 0.0f);
        if (!temperature || !hygrometrie) {
            return Resultat::Echec(
                QStringLiteral("%1 : mesure %2 hors de ce que le logger enregistre")
                    .arg(fichier)
                    .arg(i));
        }
        memoire.mesures.push_back({*temperature, *hygrometrie});
    }
    if (nombre == 0) return std::optional<double>();
    return std::optional<double>(etat->Mesures(1).Date_Heure - (memoire.periode - 1) * Une_Seconde);
}

}  // namespace Chargement_Enregistrement
