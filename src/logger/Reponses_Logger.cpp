#include "logger/Reponses_Logger.h"

#include <algorithm>

#include "core/Textes.h"

namespace Reponses_Logger {

using Global::Champ;

namespace {

const QChar Blanc = QLatin1Char(' ');

// A logger stamps each record one second short of the whole periods since its start.
constexpr int Avance_Horodatage_s = 1;

bool Commence_Par(QStringView reponse, QStringView lettre) {
    return Champ(1, reponse, Blanc) == lettre;
}

}  // namespace

std::optional<Identite_Module> Lire_Identite(QStringView reponse) {
    if (!Commence_Par(reponse, u"i")) return std::nullopt;
    return Identite_Module{Champ(2, reponse, Blanc).toString(),
                           Champ(3, reponse, Blanc).toString()};
}

std::optional<Etat_Module> Lire_Etat(QStringView reponse, const Global::Origines& origines,
                                     double maintenant) {
    if (!Commence_Par(reponse, u"m")) return std::nullopt;
    const auto nb = Global::Nombre_Reponse(Champ(2, reponse, Blanc));
    const auto periode = Global::Nombre_Reponse(Champ(3, reponse, Blanc));
    const auto debut = Global::Conversion_Date(origines, Champ(5, reponse, Blanc),
                                               Champ(6, reponse, Blanc), maintenant);
    if (!nb || !periode || !debut) return std::nullopt;
    const QStringView lettre = Champ(4, reponse, Blanc);
    return Etat_Module{std::min<int16_t>(*nb, Nb_Mesures_Max), *periode,
                       lettre.size() == 1 ? Unite_Depuis_Lettre(lettre[0]) : QStringLiteral("°C"),
                       *debut};
}

std::optional<Telechargement_Lu> Lire_Telechargement(QStringView reponse, const QString& version,
                                                     const Global::Origines& origines,
                                                     double maintenant) {
    Telechargement_Lu lu;
    lu.mesures = std::make_unique<Tableau_Mesures>();
    const bool humidite = Est_Modele_7307(version);
    Global::Lecteur_Lignes lignes(reponse);
    const std::optional<QStringView> entete = lignes.Suivante();
    if (!entete) return std::nullopt;
    const auto annonce = Global::Nombre_Reponse(Champ(2, *entete, Blanc));
    const auto periode = Global::Nombre_Reponse(Champ(3, *entete, Blanc));
    const auto debut = Global::Conversion_Date(origines, Champ(5, *entete, Blanc),
                                               Champ(6, *entete, Blanc), maintenant);
    if (!annonce || !periode || !debut) return std::nullopt;
    // Compared with the lines received below; not capped, so that a full 7307 (16000 records,
    // 32000 values) is whole.
    lu.annonce = std::max<int16_t>(*annonce, 0);
    lu.periode = *periode;
    lu.debut = *debut;
    int i = 1;
    for (; !lignes.Fini(); ++i) {
        const std::optional<QStringView> ligne = lignes.Suivante();
        if (!ligne || i > Nb_Mesures_Max) return std::nullopt;
        const auto temperature = Global::Nombre_Reponse(Champ(2, *ligne, Blanc));
        if (!temperature) return std::nullopt;
        Mesure& m = (*lu.mesures)(i);
        m.Date_Heure = lu.debut + (static_cast<double>(i) * lu.periode - Avance_Horodatage_s) /
                                      static_cast<double>(Secondes_Par_Jour);
        m.Temperature = static_cast<float>(*temperature / 10.0);
        if (humidite) {
            const auto hygrometrie = Global::Nombre_Reponse(Champ(3, *ligne, Blanc));
            if (!hygrometrie) return std::nullopt;
            m.Humidite = static_cast<float>(*hygrometrie / 10.0);
        }
    }
    lu.lignes = i - 1;
    lu.annoncees = Nb_Enregistrements(version, lu.annonce);
    return lu;
}

int64_t Longueur_Telechargement(const QString& version, int nb_mesures) {
    return Est_Modele_7307(version) ? int64_t{nb_mesures} * 5 : int64_t{nb_mesures} * 6;
}

}  // namespace Reponses_Logger
