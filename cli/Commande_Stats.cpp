#include <cmath>
#include <cstdio>

#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "stats/Statistiques.h"
#include "stats/Statistiques_JSON.h"
#include "stats/Statistiques_Texte.h"

namespace {

// A date alone given to --to means the whole of that day: "--from 2026-12-05 --to 2026-12-05"
// is the 5th, not its first second.
double Date_Option(const Arguments& a, const char* nom, bool fin_de_journee) {
    const QString texte = a.Valeur(nom);
    const auto date = Lecture_Date_ISO(texte);
    if (!date) {
        throw Erreur_Usage(
            QStringLiteral("--%1 : « %2 » n'est pas une date aaaa-mm-jjThh:mm:ss ou aaaa-mm-jj")
                .arg(QLatin1String(nom), texte));
    }
    const bool date_seule = !texte.trimmed().contains(QLatin1Char(':'));
    return fin_de_journee && date_seule ? *date + 86399 * Une_Seconde : *date;
}

Statistiques::Parametres Lire_Options(const Arguments& a, const Etat& etat) {
    Statistiques::Parametres p;
    p.seuil_haut = a.A("high") ? a.Nombre("high") : etat.Seuil_Haut;
    p.seuil_bas = a.A("low") ? a.Nombre("low") : etat.Seuil_Bas;
    if (a.A("from") || a.A("to")) {
        if (!(a.A("from") && a.A("to"))) {
            throw Erreur_Usage(QStringLiteral("--from et --to vont ensemble"));
        }
        p.plage = Statistiques::Plage{Date_Option(a, "from", false), Date_Option(a, "to", true)};
        if (p.plage->de > p.plage->a) {
            throw Erreur_Usage(QStringLiteral("--from doit précéder --to"));
        }
    }
    if (a.A("delta-h")) {
        const auto delta_h = Lecture_Double(a.Valeur("delta-h"));
        if (!delta_h || !(*delta_h > 0)) {
            throw Erreur_Usage(
                QStringLiteral("--delta-h : « %1 » n'est pas une énergie positive en kJ/mol")
                    .arg(a.Valeur("delta-h")));
        }
        p.delta_h = *delta_h;
    }
    return p;
}

}  // namespace

int Commande_Stats(Etat& etat, const Arguments& arguments) {
    if (!(arguments.A("high") && arguments.A("low"))) Lire_Reglages(etat);
    // Bad options are told before the file is read.
    const Statistiques::Parametres parametres = Lire_Options(arguments, etat);
    if (!Lire_Enregistrement(etat, arguments)) return Sortie_Fichier;
    const Statistiques::Resultat resultat = Statistiques::Calcul_Statistiques(etat, parametres);

    QByteArray sortie;
    if (arguments.A("json")) {
        sortie = Statistiques::Contenu_JSON(resultat) + '\n';
    } else {
        for (const Statistiques::Ligne& l : Statistiques::Lignes_Statistiques(resultat)) {
            sortie +=
                (l.valeur.isEmpty() ? l.libelle : l.libelle + QStringLiteral(" : ") + l.valeur)
                    .toUtf8() +
                '\n';
        }
    }
    // All at once, so that a reader never gets half the statistics without an error status.
    const bool ecrit = std::fwrite(sortie.constData(), 1, static_cast<std::size_t>(sortie.size()),
                                   stdout) == static_cast<std::size_t>(sortie.size());
    if (std::fflush(stdout) != 0 || !ecrit) {
        Console::Erreur(QStringLiteral("Impossible d'écrire les statistiques"));
        return Sortie_Fichier;
    }
    return Sortie_Fait;
}
