#include <cstdio>

#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Texte_Fichier.h"

namespace {

// UTF-8, comma separated, point decimals, ISO 8601 stamps: what spreadsheets and scripts read
// without asking. The recording does not say whether it was made in °C or °F.
QByteArray Csv(const Etat& etat) {
    const bool humidite = Est_Modele_7307(etat.Version_Logger);
    const int n = Enregistrements_Lisibles(etat);
    QByteArray csv = humidite ? "date_heure,temperature_degres,humidite_pourcent_hr\n"
                              : "date_heure,temperature_degres\n";
    csv.reserve(n * 40 + 64);
    for (int i = 1; i <= n; ++i) {
        const Mesure& m = etat.Mesures(i);
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

int Commande_Export(Etat& etat, const Arguments& arguments) {
    if (!arguments.A("csv")) throw Erreur_Usage(QStringLiteral("format attendu : --csv"));
    if (!Lire_Enregistrement(etat, arguments)) return Sortie_Fichier;
    const QByteArray csv = Csv(etat);
    if (!arguments.A("output")) {
        std::fwrite(csv.constData(), 1, static_cast<std::size_t>(csv.size()), stdout);
        return std::fflush(stdout) == 0 ? Sortie_Fait : Sortie_Fichier;
    }
    const QString sortie = arguments.Valeur("output");
    // The program's own writer: a full disk leaves no cut file behind and is told.
    if (Import_Export::Ecriture_Atomique(sortie, csv) != Import_Export::Resultat_Ecriture::Ecrit) {
        Console::Erreur(QStringLiteral("Impossible d'écrire le fichier %1 (dossier absent, disque "
                                       "plein ou protégé) : rien n'a été remplacé.")
                            .arg(sortie));
        return Sortie_Fichier;
    }
    return Sortie_Fait;
}
