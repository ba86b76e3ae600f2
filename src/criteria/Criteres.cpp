#include "criteria/Criteres.h"

#include "core/Textes.h"

namespace Criteres {

namespace {

bool Dans(float valeur, float minimum, float maximum) {
    return valeur >= minimum && valeur <= maximum;
}

QString Plage(float minimum, float maximum) {
    return QStringLiteral("de %1 à %2").arg(Texte_Single(minimum), Texte_Single(maximum));
}

}  // namespace

QString Nom_Mode(Mode_Seuil mode) {
    switch (mode) {
        case Mode_Seuil::Cumule:
            return QStringLiteral("cumule");
        case Mode_Seuil::Consecutif:
            return QStringLiteral("consecutif");
        case Mode_Seuil::Instantane:
            break;
    }
    return QStringLiteral("instantane");
}

std::optional<Mode_Seuil> Mode_Depuis_Nom(const QString& texte) {
    // A technician may well type the accents: "consécutif" is the same mode.
    const QString nom = texte.trimmed().toLower().replace(QChar(u'é'), QLatin1Char('e'));
    for (const Mode_Seuil mode :
         {Mode_Seuil::Instantane, Mode_Seuil::Cumule, Mode_Seuil::Consecutif}) {
        if (nom == Nom_Mode(mode)) return mode;
    }
    return std::nullopt;
}

bool Jeu_Criteres::operator==(const Jeu_Criteres& a) const {
    const auto seuil = [](const std::optional<Regle_Seuil>& x,
                          const std::optional<Regle_Seuil>& y) {
        if (!x || !y) return !x && !y;
        return x->limite == y->limite && x->mode == y->mode && x->duree_s == y->duree_s;
    };
    const auto maintien_egal = maintien.has_value() == a.maintien.has_value() &&
                               (!maintien || (maintien->temperature == a.maintien->temperature &&
                                              maintien->duree_min_s == a.maintien->duree_min_s));
    const auto cuisson_egale = cuisson.has_value() == a.cuisson.has_value() &&
                               (!cuisson || (cuisson->numero == a.cuisson->numero &&
                                             cuisson->minimum == a.cuisson->minimum));
    return nom == a.nom && seuil(seuil_haut, a.seuil_haut) && seuil(seuil_bas, a.seuil_bas) &&
           seuil(hygro_haut, a.hygro_haut) && seuil(hygro_bas, a.hygro_bas) && maintien_egal &&
           cuisson_egale && mkt_max == a.mkt_max && equilibrage_max_s == a.equilibrage_max_s;
}

QString Refus_Duree(int64_t duree_s) {
    if (duree_s >= 0 && duree_s <= Limites::Duree_Max_s) return {};
    return QStringLiteral("durée %1 s : de 0 à %2 s (16000 mesures de 7200 s)")
        .arg(QString::number(duree_s), QString::number(Limites::Duree_Max_s));
}

QString Refus_Seuil(const Regle_Seuil& r, bool humidite) {
    const float minimum = humidite ? Limites::Humidite_Min : Limites::Temperature_Min;
    const float maximum = humidite ? Limites::Humidite_Max : Limites::Temperature_Max;
    if (!Dans(r.limite, minimum, maximum)) {
        return QStringLiteral("limite %1 : %2%3")
            .arg(Texte_Single(r.limite), Plage(minimum, maximum),
                 humidite ? QStringLiteral(" %Hr") : QString());
    }
    if (r.mode == Mode_Seuil::Instantane && r.duree_s != 0) {
        return QStringLiteral("une durée ne va qu'avec le mode cumule ou consecutif");
    }
    return Refus_Duree(r.duree_s);
}

QString Refus_Maintien(const Regle_Maintien& r) {
    if (!Dans(r.temperature, Limites::Temperature_Min, Limites::Temperature_Max)) {
        return QStringLiteral("température de process %1 : %2")
            .arg(Texte_Single(r.temperature),
                 Plage(Limites::Temperature_Min, Limites::Temperature_Max));
    }
    return r.duree_min_s ? Refus_Duree(*r.duree_min_s) : QString();
}

QString Refus_Cuisson(const Regle_Cuisson& r) {
    if (!(r.numero == 100 || r.numero == 101 || (r.numero >= 1 && r.numero <= 99))) {
        return QStringLiteral("recette %1 : de 1 à 99").arg(r.numero);
    }
    if (r.minimum && !Dans(*r.minimum, 0, Limites::Cuisson_Max)) {
        return QStringLiteral("valeur minimale %1 : %2 minutes")
            .arg(Texte_Single(*r.minimum), Plage(0, Limites::Cuisson_Max));
    }
    return {};
}

QString Refus_Mkt(float maximum) {
    if (Dans(maximum, Limites::Temperature_Min, Limites::Temperature_Max)) return {};
    return QStringLiteral("MKT maximale %1 : %2")
        .arg(Texte_Single(maximum), Plage(Limites::Temperature_Min, Limites::Temperature_Max));
}

bool Juge_Une_Regle(const Jeu_Criteres& jeu) {
    return jeu.seuil_haut || jeu.seuil_bas || jeu.hygro_haut || jeu.hygro_bas ||
           (jeu.maintien && jeu.maintien->duree_min_s) || (jeu.cuisson && jeu.cuisson->minimum) ||
           jeu.mkt_max || jeu.equilibrage_max_s;
}

QString Refus_Ensemble(const Jeu_Criteres& jeu) {
    if (jeu.seuil_haut && jeu.seuil_bas && jeu.seuil_haut->limite < jeu.seuil_bas->limite) {
        return QStringLiteral("seuil haut %1 sous le seuil bas %2")
            .arg(Texte_Single(jeu.seuil_haut->limite), Texte_Single(jeu.seuil_bas->limite));
    }
    if (jeu.hygro_haut && jeu.hygro_bas && jeu.hygro_haut->limite < jeu.hygro_bas->limite) {
        return QStringLiteral("hygrométrie haute %1 sous l'hygrométrie basse %2")
            .arg(Texte_Single(jeu.hygro_haut->limite), Texte_Single(jeu.hygro_bas->limite));
    }
    if (jeu.equilibrage_max_s && !jeu.maintien) {
        return QStringLiteral(
            "l'équilibrage se mesure à la température de process : il faut "
            "aussi la règle maintien");
    }
    return {};
}

}  // namespace Criteres
