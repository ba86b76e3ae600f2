#include <cstdio>

#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Fichiers_Disque.h"

namespace {

// UTF-8, comma separated, point decimals, ISO 8601 stamps: what spreadsheets and scripts read
// without asking. The recording does not say whether it was made in °C or °F.
// `plage`, when given, keeps only its records, as the window saves the range shown.
QByteArray Csv(const Etat& etat, const std::optional<Statistiques::Plage>& plage) {
    const bool humidite = Est_Modele_7307(etat.Version_Logger);
    const int n = Enregistrements_Lisibles(etat);
    QByteArray csv = humidite ? "date_heure,temperature_degres,humidite_pourcent_hr\n"
                              : "date_heure,temperature_degres\n";
    csv.reserve(n * 40 + 64);
    for (int i = 1; i <= n; ++i) {
        const Mesure& m = etat.Mesures(i);
        if (plage && !plage->Contient(m.Date_Heure)) continue;
        csv += Texte_Date_ISO(m.Date_Heure).toLatin1();
        csv += ',';
        csv += Texte_Single(m.Temperature).toLatin1();
        if (humidite) {
            csv += ',';
            csv += Texte_Single(m.Humidite).toLatin1();
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace

Ou_Erreur<int> Commande_Export(Etat& etat, const Arguments& arguments) {
    if (!arguments.A("csv")) return Mauvais_Usage{QStringLiteral("format attendu : --csv")};
    const Ou_Erreur<Bornes_Dates> bornes = Lire_Bornes(arguments);
    if (!bornes) return Mauvais_Usage{bornes.Erreur()};
    const QString sortie = arguments.Valeur("output");
    if (arguments.A("output") && !Sortie_Permise(arguments, sortie)) return Sortie_Fichier;
    if (const Ou_Erreur<int> lu = Lire_Enregistrement(etat, arguments); !lu || *lu != Sortie_Fait) {
        return lu;
    }
    const QByteArray csv = Csv(etat, Plage_Enregistrement(*bornes, etat));
    if (!arguments.A("output")) {
        std::fwrite(csv.constData(), 1, static_cast<std::size_t>(csv.size()), stdout);
        return std::fflush(stdout) == 0 ? Sortie_Fait : Sortie_Fichier;
    }
    // The program's own writer: a full disk leaves no cut file behind and is told.
    Import_Export::Cause_Ecriture cause{};
    if (Import_Export::Ecriture_Atomique(sortie, csv, &cause) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        Dire_Echec_Ecriture(sortie, cause);
        return Sortie_Fichier;
    }
    return Sortie_Fait;
}
