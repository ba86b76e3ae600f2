#include "logger/Campagne.h"

#include <algorithm>

#include "core/Etat.h"

namespace Limites_Campagne {

int Periode_Envoyee(int periode) {
    return periode < Periode_Min || periode > Periode_Max ? Periode_Defaut : periode;
}

int Code_Taille(int32_t nb_enreg) {
    const auto trouve = std::find(Tailles.begin(), Tailles.end(), nb_enreg);
    return trouve == Tailles.end() ? static_cast<int>(Tailles.size()) - 1
                                   : static_cast<int>(trouve - Tailles.begin());
}

bool Taille_Connue(int32_t nb_enreg) {
    return std::find(Tailles.begin(), Tailles.end(), nb_enreg) != Tailles.end();
}

bool Seuil_Dans_Limites(float seuil) {
    return seuil >= Seuil_Min && seuil <= Seuil_Max;  // false for NaN too
}

}  // namespace Limites_Campagne

std::optional<Refus_Campagne> Verifier_Campagne(const Campagne& c, float seuil_haut,
                                                float seuil_bas) {
    using namespace Limites_Campagne;
    using Champ = Refus_Campagne::Champ;
    if (c.Identite.size() > Longueur_Identite) {
        return Refus_Campagne{Champ::Identite, QStringLiteral("8 caractères au plus")};
    }
    // A blank would split the logger's identity reply and shift the version after it.
    if (c.Identite.contains(QLatin1Char(' ')) || c.Identite.contains(QLatin1Char('\r'))) {
        return Refus_Campagne{Champ::Identite, QStringLiteral("ni espace ni retour à la ligne")};
    }
    if (c.Periode < Periode_Min || c.Periode > Periode_Max) {
        return Refus_Campagne{Champ::Periode, QStringLiteral("de 1 à 7200 s")};
    }
    if (!Taille_Connue(c.Nb_Enreg)) {
        return Refus_Campagne{Champ::Taille,
                              QStringLiteral("1000, 2000, 4000, 8000, 12000 ou 16000")};
    }
    // The alarm command would clamp a threshold beyond them: the logger would watch another
    // value than the one asked for.
    if (!Seuil_Dans_Limites(seuil_haut) || !Seuil_Dans_Limites(seuil_bas)) {
        return Refus_Campagne{Champ::Seuils, QStringLiteral("les seuils vont de -49 à 194")};
    }
    // Alarms on the humidity: a relative humidity.
    if (Lettre_Depuis_Unite(c.Unite).isLower() && !(seuil_bas >= 0 && seuil_haut <= 100)) {
        return Refus_Campagne{Champ::Seuils,
                              QStringLiteral("les seuils d'hygrométrie vont de 0 à 100 %Hr")};
    }
    if (!(seuil_bas <= seuil_haut - static_cast<float>(Ecart_Seuils))) {
        return Refus_Campagne{
            Champ::Seuils,
            QStringLiteral("le seuil bas doit rester au moins 0.1 sous le seuil haut")};
    }
    return std::nullopt;
}
