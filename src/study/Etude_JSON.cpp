#include "study/Etude_JSON.h"

#include "core/Texte_JSON.h"

namespace Etude {

namespace {

using namespace Texte_JSON;
using Criteres::Evaluation;

// A limit as the number it was given: a single-precision temperature, humidity or cooking
// minimum stays "72.5" and not its double's digits; durations are whole seconds.
QByteArray Limite(const Evaluation& e) {
    if (Criteres::Limite_Mesuree(e.regle)) return Nombre(static_cast<float>(e.limite));
    return Entier(static_cast<int64_t>(e.limite));
}

QByteArray Objet_Regle(const Evaluation& e) {
    // Durations and cooking values are whole numbers; only the MKT is computed to a fraction.
    const auto valeur = [&](double v) {
        return e.regle == Criteres::Regle::Mkt ? Nombre(v) : Entier(static_cast<int64_t>(v));
    };
    return Objet({{"regle", Chaine(Criteres::Nom_Regle(e.regle))},
                  {"valeur", Ou_Null(e.valeur, valeur)},
                  {"limite", Limite(e)},
                  {"verdict", Chaine(Criteres::Texte_Verdict(e.verdict))}},
                 4);
}

QByteArray Objet_Enregistrement(const Enregistrement& e) {
    const Criteres::Evaluation_Enregistrement& v = e.evaluation;
    std::vector<QByteArray> regles;
    for (const Evaluation& r : v.regles)
        regles.push_back(Objet_Regle(r));
    return Objet({{"fichier", Chaine(e.fichier)},
                  {"identite", Chaine(e.identite)},
                  {"sha256", Chaine(e.empreinte)},
                  {"verdict", Chaine(Criteres::Texte_Verdict(v.verdict))},
                  {"atteinte", Ou_Null(v.atteinte, Date)},
                  {"maintien_s", Ou_Null(v.maintien_s, Entier)},
                  {"valeur_cuisson", Ou_Null(v.valeur_cuisson, [](int m) { return Entier(m); })},
                  {"regles", Tableau(regles, 3)}},
                 2);
}

}  // namespace

QByteArray Contenu_JSON(const Resultat& r) {
    std::vector<QByteArray> enregistrements;
    for (const Enregistrement& e : r.enregistrements) {
        enregistrements.push_back(Objet_Enregistrement(e));
    }
    const QByteArray plus_froid = r.plus_froid ? Chaine(r.enregistrements[*r.plus_froid].identite)
                                               : QByteArrayLiteral("null");
    return Objet({{"verdict", Chaine(Criteres::Texte_Verdict(r.verdict))},
                  {"enregistrements", Tableau(enregistrements, 1)},
                  {"equilibrage_s", Ou_Null(r.equilibrage_s, Entier)},
                  {"plus_froid", plus_froid}},
                 0);
}

}  // namespace Etude
