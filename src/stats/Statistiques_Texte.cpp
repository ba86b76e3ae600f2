#include "stats/Statistiques_Texte.h"

#include "core/Textes.h"

namespace Statistiques {

namespace {

const QString Pourcent = QStringLiteral(" %Hr");

QString Deux_Chiffres(uint64_t n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString Pluriel(int n, const QString& mot) {
    return QString::number(n) + QLatin1Char(' ') + mot + (n > 1 ? QStringLiteral("s") : QString());
}

void Ajouter_Serie(QList<Ligne>& lignes, const Serie& s, const QString& nom, const QString& unite,
                   const QString& feminin) {
    lignes.append({nom + QStringLiteral(" minimale"), Texte_Single(s.min) + unite});
    lignes.append({QStringLiteral("… le"), Texte_Date_Heure(s.min_date)});
    lignes.append({nom + QStringLiteral(" maximale"), Texte_Single(s.max) + unite});
    lignes.append({QStringLiteral("… le"), Texte_Date_Heure(s.max_date)});
    lignes.append({nom + QStringLiteral(" moyenne"), Texte_Decimales(s.moyenne, 1) + unite});
    lignes.append(
        {QStringLiteral("Écart type (%1)").arg(feminin), Texte_Decimales(s.ecart_type, 2) + unite});
}

QString Texte_Duree_Connue(const std::optional<int64_t>& secondes) {
    return secondes ? Texte_Duree(*secondes) : QStringLiteral("durée inconnue");
}

void Ajouter_Seuil(QList<Ligne>& lignes, const Hors_Seuil& h, const QString& cote,
                   const QString& seuil) {
    if (h.mesures == 0) {
        lignes.append({cote, QStringLiteral("aucune mesure")});
        lignes.append(
            {QStringLiteral("Plus long dépassement du ") + seuil, QStringLiteral("aucun")});
        return;
    }
    lignes.append({cote, Texte_Duree_Connue(h.duree_s) + QStringLiteral(", ") +
                             Pluriel(h.depassements, QStringLiteral("dépassement")) +
                             QStringLiteral(" (") + Pluriel(h.mesures, QStringLiteral("mesure")) +
                             QLatin1Char(')')});
    lignes.append({QStringLiteral("Plus long dépassement du ") + seuil,
                   Texte_Duree_Connue(h.plus_long_s) + QStringLiteral(", à partir du ") +
                       Texte_Date_Heure(h.plus_long_debut.value_or(0))});
}

}  // namespace

QString Texte_Decimales(double valeur, int decimales) {
    QString texte = QString::number(valeur, 'f', decimales);
    // A value just below zero rounded to zero is zero, not "-0.0".
    if (texte.startsWith(QLatin1Char('-')) && texte.toDouble() == 0) texte.remove(0, 1);
    return texte;
}

QString Texte_Duree(int64_t duree) {
    // A recording pasted out of order can end before it starts.
    QString texte = duree < 0 ? QStringLiteral("-") : QString();
    const uint64_t secondes = duree < 0 ? 0 - static_cast<uint64_t>(duree) : duree;
    if (secondes < 60) return texte + QString::number(secondes) + QStringLiteral(" s");
    const uint64_t jours = secondes / Secondes_Par_Jour;
    const uint64_t heures = secondes / 3600 % 24;
    const uint64_t minutes = secondes / 60 % 60;
    const uint64_t reste = secondes % 60;
    if (jours > 0) texte += QString::number(jours) + QStringLiteral(" j ");
    if (jours > 0 || heures > 0) {
        texte += QString::number(heures) + QStringLiteral(" h ") + Deux_Chiffres(minutes);
    } else {
        texte += QString::number(minutes);
    }
    texte += QStringLiteral(" min");
    if (reste != 0) texte += QLatin1Char(' ') + Deux_Chiffres(reste) + QStringLiteral(" s");
    return texte;
}

QList<Ligne> Lignes_Statistiques(const Resultat& r) {
    const Parametres& p = r.parametres;
    const QString Degres = QLatin1Char(' ') + (r.unite.isEmpty() ? QStringLiteral("°C") : r.unite);
    QList<Ligne> lignes;
    if (p.plage) {
        lignes.append({QStringLiteral("Plage choisie"),
                       QStringLiteral("du %1 au %2")
                           .arg(Texte_Date_Heure(p.plage->de), Texte_Date_Heure(p.plage->a))});
    }
    lignes.append({QStringLiteral("Nombre de mesures"), QString::number(r.mesures)});
    const QString periode = r.periode_s > 0 ? Texte_Duree(r.periode_s) : QStringLiteral("inconnue");
    const Ligne seuil_haut = {QStringLiteral("Seuil haut"), Texte_Single(p.seuil_haut) + Degres};
    const Ligne seuil_bas = {QStringLiteral("Seuil bas"), Texte_Single(p.seuil_bas) + Degres};
    if (r.mesures == 0 || !r.temperature) {
        lignes.append({p.plage ? QStringLiteral("Aucune mesure dans la plage choisie")
                               : QStringLiteral("Aucune mesure dans l'enregistrement"),
                       QString()});
        lignes.append({QStringLiteral("Période"), periode});
        lignes.append(seuil_haut);
        lignes.append(seuil_bas);
        return lignes;
    }
    lignes.append({QStringLiteral("Début"), Texte_Date_Heure(r.debut.value_or(0))});
    lignes.append({QStringLiteral("Fin"), Texte_Date_Heure(r.fin.value_or(0))});
    lignes.append({QStringLiteral("Durée"), Texte_Duree(r.duree_s.value_or(0))});
    lignes.append({QStringLiteral("Période"), periode});
    lignes.append({QStringLiteral("Trous dans l'enregistrement"), QString::number(r.trous)});
    Ajouter_Serie(lignes, *r.temperature, QStringLiteral("Température"), Degres,
                  QStringLiteral("température"));
    const QString delta_h =
        QStringLiteral(" (ΔH = %1 kJ/mol)").arg(QString::number(p.delta_h, 'g', 15));
    lignes.append(
        {QStringLiteral("Température cinétique moyenne (MKT)"),
         (r.mkt ? Texte_Decimales(*r.mkt, 1) + Degres : QStringLiteral("incalculable")) + delta_h});
    lignes.append(seuil_haut);
    lignes.append(seuil_bas);
    if (r.au_dessus) {
        Ajouter_Seuil(lignes, *r.au_dessus, QStringLiteral("Au-dessus du seuil haut"),
                      QStringLiteral("seuil haut"));
    }
    if (r.en_dessous) {
        Ajouter_Seuil(lignes, *r.en_dessous, QStringLiteral("En dessous du seuil bas"),
                      QStringLiteral("seuil bas"));
    }
    if (r.humidite) {
        Ajouter_Serie(lignes, *r.humidite, QStringLiteral("Humidité"), Pourcent,
                      QStringLiteral("humidité"));
    }
    return lignes;
}

}  // namespace Statistiques
