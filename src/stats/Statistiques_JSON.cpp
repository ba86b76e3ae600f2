#include "stats/Statistiques_JSON.h"

#include "core/Texte_JSON.h"

namespace Statistiques {

namespace {

using namespace Texte_JSON;

Membres Membres_Serie(const Serie& s) {
    return {{"min", Nombre(s.min)},         {"min_date", Date(s.min_date)},
            {"max", Nombre(s.max)},         {"max_date", Date(s.max_date)},
            {"moyenne", Nombre(s.moyenne)}, {"ecart_type", Nombre(s.ecart_type)}};
}

QByteArray Objet_Hors_Seuil(const Hors_Seuil& h) {
    return Objet({{"mesures", Entier(h.mesures)},
                  {"duree_s", Ou_Null(h.duree_s, Entier)},
                  {"depassements", Entier(h.depassements)},
                  {"plus_long_s", Ou_Null(h.plus_long_s, Entier)},
                  {"plus_long_debut", Ou_Null(h.plus_long_debut, Date)}},
                 2);
}

}  // namespace

QByteArray Contenu_JSON(const Resultat& r) {
    const QByteArray seuil_haut = Nombre(r.parametres.seuil_haut);
    const QByteArray seuil_bas = Nombre(r.parametres.seuil_bas);
    if (r.mesures == 0 || !r.temperature) {
        return Objet(
            {{"mesures", Entier(0)},
             {"periode_s", Entier(r.periode_s)},
             {"trous", Entier(0)},
             {"temperature", Objet({{"seuil_haut", seuil_haut}, {"seuil_bas", seuil_bas}}, 1)}},
            0);
    }
    Membres temperature = Membres_Serie(*r.temperature);
    temperature.insert(temperature.end(),
                       {{"mkt", Ou_Null(r.mkt, [](double v) { return Nombre(v); })},
                        {"seuil_haut", seuil_haut},
                        {"seuil_bas", seuil_bas},
                        {"au_dessus", Ou_Null(r.au_dessus, Objet_Hors_Seuil)},
                        {"en_dessous", Ou_Null(r.en_dessous, Objet_Hors_Seuil)}});
    Membres racine = {{"unite", '"' + r.unite.toUtf8() + '"'},
                      {"mesures", Entier(r.mesures)},
                      {"debut", Ou_Null(r.debut, Date)},
                      {"fin", Ou_Null(r.fin, Date)},
                      {"duree_s", Ou_Null(r.duree_s, Entier)},
                      {"periode_s", Entier(r.periode_s)},
                      {"trous", Entier(r.trous)},
                      {"temperature", Objet(temperature, 1)}};
    if (r.humidite) racine.emplace_back("humidite", Objet(Membres_Serie(*r.humidite), 1));
    return Objet(racine, 0);
}

}  // namespace Statistiques
