#include <sys/stat.h>

#include <cstdio>

#include <QFileInfo>

#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"
#include "logger/Campagne.h"

void Lire_Reglages(Etat& etat) {
    if (Import_Export::Lecture_Conf(etat) == Import_Export::Resultat_Lecture::Introuvable) {
        Console::Erreur(QStringLiteral("Attention : Conf.ini absent, réglages par défaut."));
    }
}

Ou_Erreur<QString> Lire_Unite(const Arguments& arguments) {
    if (!arguments.A("unit")) return QString();
    const QString lettre = arguments.Valeur("unit");
    if (lettre != QStringLiteral("C") && lettre != QStringLiteral("F")) {
        return Mauvais_Usage{
            QStringLiteral("--unit : « %1 » ; C ou F, l'unité des températures du fichier")
                .arg(lettre)};
    }
    return Unite_Depuis_Lettre(lettre[0]);
}

bool Lire_Fichier(Etat& etat, const QString& fichier, const QString& unite, QByteArray* octets) {
    Import_Export::Defaut_Lecture defaut;
    const Import_Export::Resultat_Lecture resultat =
        Import_Export::Lecture_Fichier_Enreg(etat, fichier, octets, &defaut);
    switch (resultat) {
        case Import_Export::Resultat_Lecture::Lu:
            etat.Unite = unite;
            if (Enregistrement_Incomplet(etat)) {
                Console::Erreur(QStringLiteral("Attention : %1 : enregistrement ").arg(fichier) +
                                Texte_Incomplet(Enregistrements_Lisibles(etat),
                                                Enregistrements_Annonces(etat)));
            }
            return true;
        case Import_Export::Resultat_Lecture::Introuvable:
        case Import_Export::Resultat_Lecture::Incorrect:
            Console::Erreur(Import_Export::Texte_Echec_Lecture(resultat, fichier, defaut));
            return false;
    }
    return false;
}

Ou_Erreur<int> Lire_Enregistrement(Etat& etat, const Arguments& arguments) {
    if (arguments.Fichiers().size() != 1) {
        return Mauvais_Usage{QStringLiteral("un fichier d'enregistrements (.txt) est attendu")};
    }
    const Ou_Erreur<QString> unite = Lire_Unite(arguments);
    if (!unite) return Mauvais_Usage{unite.Erreur()};
    return Lire_Fichier(etat, arguments.Fichiers().first(), *unite) ? Sortie_Fait : Sortie_Fichier;
}

bool Ecrire_Sortie(const QByteArray& sortie) {
    const bool ecrit = std::fwrite(sortie.constData(), 1, static_cast<std::size_t>(sortie.size()),
                                   stdout) == static_cast<std::size_t>(sortie.size());
    return std::fflush(stdout) == 0 && ecrit;
}

namespace {

// The same file under two names (a relative and an absolute path, a link): the same device and
// the same inode.
bool Meme_Fichier(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0) {
        return false;
    }
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// The date of option `nom`, none when it is not given.
Ou_Erreur<std::optional<double>> Date_Option(const Arguments& a, const char* nom, bool fin) {
    if (!a.A(nom)) return std::optional<double>();
    const QString texte = a.Valeur(nom).trimmed();
    auto date = Lecture_Date_ISO(texte);
    if (!date) date = Lecture_Date(texte);
    if (!date) {
        return Mauvais_Usage{
            QStringLiteral("--%1 : « %2 » n'est pas une date aaaa-mm-jj[Thh:mm[:ss]] "
                           "ou jj/mm/aaaa[ hh:mm[:ss]]")
                .arg(QLatin1String(nom), texte)};
    }
    // A date alone given to --to means the whole of that day, as a technician reading it
    // would think: "--from 2026-12-05 --to 2026-12-05" is the 5th, not its first second.
    if (fin && !texte.contains(QLatin1Char(':'))) return std::optional(*date + 86399 * Une_Seconde);
    return date;
}

}  // namespace

Ou_Erreur<Bornes_Dates> Lire_Bornes(const Arguments& a) {
    const auto de = Date_Option(a, "from", false);
    if (!de) return Mauvais_Usage{de.Erreur()};
    const auto jusqu_a = Date_Option(a, "to", true);
    if (!jusqu_a) return Mauvais_Usage{jusqu_a.Erreur()};
    const Bornes_Dates b{*de, *jusqu_a};
    if (b.de && b.a && *b.de > *b.a) {
        return Mauvais_Usage{QStringLiteral("--from doit précéder --to (%1 après %2)")
                                 .arg(Texte_Date_Heure(*b.de), Texte_Date_Heure(*b.a))};
    }
    return b;
}

std::optional<Statistiques::Plage> Plage_Enregistrement(const Bornes_Dates& bornes,
                                                        const Etat& etat) {
    if (!bornes.de && !bornes.a) return std::nullopt;
    const int n = Enregistrements_Lisibles(etat);
    // A bound not given is the recording's own first or last record.
    const double premiere = n > 0 ? etat.Mesures(1).Date_Heure : 0;
    const double derniere = n > 0 ? etat.Mesures(n).Date_Heure : 0;
    return Statistiques::Plage{bornes.de.value_or(std::min(premiere, derniere)),
                               bornes.a.value_or(std::max(premiere, derniere))};
}

Ou_Erreur<Seuils_Options> Lire_Seuils(const Arguments& a, Etat& etat) {
    if (!(a.A("high") && a.A("low"))) Lire_Reglages(etat);
    const Ou_Erreur<float> haut = a.A("high") ? a.Nombre("high") : etat.Seuil_Haut;
    if (!haut) return Mauvais_Usage{haut.Erreur()};
    const Ou_Erreur<float> bas = a.A("low") ? a.Nombre("low") : etat.Seuil_Bas;
    if (!bas) return Mauvais_Usage{bas.Erreur()};
    const Seuils_Options s{*haut, *bas};
    // The figures of a recording are judged against thresholds a logger could hold.
    if (!Limites_Campagne::Seuil_Dans_Limites(s.haut) ||
        !Limites_Campagne::Seuil_Dans_Limites(s.bas) || !(s.haut > s.bas)) {
        return Mauvais_Usage{
            QStringLiteral("seuils haut %1 et bas %2 : de %3 à %4, le haut au-dessus du bas "
                           "(--high, --low, sinon Conf.ini)")
                .arg(Texte_Single(s.haut), Texte_Single(s.bas),
                     Texte_Single(Limites_Campagne::Seuil_Min),
                     Texte_Single(Limites_Campagne::Seuil_Max))};
    }
    return s;
}

bool Sortie_Permise(const Arguments& arguments, const QString& sortie) {
    for (const QString& lu : arguments.Fichiers()) {
        if (Meme_Fichier(lu, sortie)) {
            Console::Erreur(QStringLiteral("%1 est le fichier lu : il ne peut pas être aussi le "
                                           "fichier écrit ; rien n'a été écrit.")
                                .arg(sortie));
            return false;
        }
    }
    if (QFileInfo::exists(sortie) && !arguments.A("force")) {
        Console::Erreur(
            QStringLiteral("Le fichier existe déjà : %1 (--force pour le remplacer)").arg(sortie));
        return false;
    }
    return true;
}

void Dire_Echec_Ecriture(const QString& fichier, Import_Export::Cause_Ecriture cause) {
    Console::Erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2 ; rien n'a été "
                                   "remplacé.")
                        .arg(fichier, Import_Export::Texte_Cause(cause)));
}

Ou_Erreur<double> Lire_Delta_H(const Arguments& a) {
    // Activation energies of the degradation reactions the MKT is used for lie between about 40
    // and 130 kJ/mol; far outside, the exponential no longer weighs the temperatures (1e-30
    // gives the maximum, 1e30 the minimum).
    constexpr double minimum = 10, maximum = 500;
    if (!a.A("delta-h")) return Statistiques::Delta_H_Defaut;
    const auto delta_h = Lecture_Double(a.Valeur("delta-h"));
    if (!delta_h || !(*delta_h >= minimum && *delta_h <= maximum)) {
        return Mauvais_Usage{
            QStringLiteral("--delta-h : « %1 » ; une énergie d'activation de %2 à %3 kJ/mol")
                .arg(a.Valeur("delta-h"), QString::number(minimum), QString::number(maximum))};
    }
    return *delta_h;
}
