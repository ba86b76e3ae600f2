#include "Panne_Simulee.h"

#include <array>

namespace {

struct Fiche_Panne {
    Panne panne;
    const char* nom;
    const char* description;  // UTF-8
};

const std::array<Fiche_Panne, 9> Fiches = {{
    {Panne::Muet, "muet", "ne répond jamais"},
    {Panne::Deuxieme_Essai, "deuxieme-essai",
     "ignore la première émission d'une trame et répond à sa répétition"},
    {Panne::Sans_Retour_Chariot, "sans-retour", "omet le retour chariot final de la réponse"},
    {Panne::Mauvaise_Lettre, "mauvaise-lettre", "répond « ? » au lieu de la lettre attendue"},
    {Panne::Pause, "pause", "s'arrête 400 ms avant le retour chariot final"},
    {Panne::Mesure_Illisible, "illisible",
     "téléchargement : une mesure dont le champ n'est pas un nombre"},
    {Panne::Ligne_Trop_Longue, "ligne-longue",
     "téléchargement : une ligne de 300 caractères sans retour chariot"},
    {Panne::Trop_De_Lignes, "trop-de-lignes", "téléchargement : 16001 lignes de mesure"},
    {Panne::Coupure, "coupure",
     "téléchargement : s'arrête après le dixième des lignes annoncées, comme un câble débranché"},
}};

}  // namespace

std::optional<Panne> Panne_Simulee::Depuis_Nom(QStringView nom) {
    for (const Fiche_Panne& f : Fiches) {
        if (nom == QLatin1String(f.nom)) return f.panne;
    }
    return std::nullopt;
}

QString Panne_Simulee::Nom(Panne panne) {
    for (const Fiche_Panne& f : Fiches) {
        if (f.panne == panne) return QLatin1String(f.nom);
    }
    return QStringLiteral("aucune");
}

QString Panne_Simulee::Description(Panne panne) {
    for (const Fiche_Panne& f : Fiches) {
        if (f.panne == panne) return QString::fromUtf8(f.description);
    }
    return {};
}

QStringList Panne_Simulee::Noms() {
    QStringList noms;
    for (const Fiche_Panne& f : Fiches)
        noms << QLatin1String(f.nom);
    return noms;
}
