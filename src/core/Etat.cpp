#include "core/Etat.h"

#include <algorithm>
#include <cmath>

#include "core/Textes.h"

QString Modele(const QString& version) {
    return version.left(4);
}

bool Est_Modele_7307(const QString& version) {
    return Modele(version) == QStringLiteral("7307");
}

bool Est_Modele_7306(const QString& version) {
    return Modele(version) == QStringLiteral("7306");
}

int Nb_Enregistrements(const QString& version, int nb_mesures) {
    if (!Est_Modele_7307(version)) return nb_mesures;
    return static_cast<int>(Arrondi_Pair(nb_mesures / 2.0));
}

int Nb_Valeurs(const QString& version, int enregistrements) {
    return Est_Modele_7307(version) ? 2 * enregistrements : enregistrements;
}

int Enregistrements_Lisibles(const Etat& etat) {
    return std::clamp(Nb_Enregistrements(etat.Version_Logger, etat.Nb_Mesures), 0, Nb_Mesures_Max);
}

int Enregistrements_Annonces(const Etat& etat) {
    return std::clamp(Nb_Enregistrements(etat.Version_Logger, etat.Nb_Mesures_Annoncees), 0,
                      Nb_Mesures_Max);
}

bool Enregistrement_Incomplet(const Etat& etat) {
    return Enregistrements_Annonces(etat) > Enregistrements_Lisibles(etat);
}

QString Texte_Incomplet(int recues, int annoncees) {
    return QStringLiteral("incomplet : %1 mesure%2 sur %3 annoncées")
        .arg(recues)
        .arg(recues > 1 ? QStringLiteral("s") : QString())
        .arg(annoncees);
}

QString Unite_Depuis_Lettre(QChar lettre) {
    switch (lettre.unicode()) {
        case 'F':
            return QStringLiteral("°F");
        case 'c':
            return QStringLiteral("°C & alarme %Hr");
        case 'f':
            return QStringLiteral("°F & alarme %Hr");
        default:
            return QStringLiteral("°C");
    }
}

QChar Lettre_Depuis_Unite(const QString& unite) {
    if (unite == QStringLiteral("°F")) return QLatin1Char('F');
    if (unite == QStringLiteral("°C & alarme %Hr")) return QLatin1Char('c');
    if (unite == QStringLiteral("°F & alarme %Hr")) return QLatin1Char('f');
    return QLatin1Char('C');
}

bool Est_Fahrenheit(const QString& unite) {
    return unite.startsWith(QStringLiteral("°F"));
}

QString Unite_Temperature(const QString& unite) {
    return Est_Fahrenheit(unite) ? QStringLiteral("°F") : QStringLiteral("°C");
}

void Origines_Horloge(Etat& etat, double maintenant) {
    const int annee = Date_Civile(maintenant).annee;
    const int y0 = 2006 + 3 * ((annee - 2006) / 3);  // C++ division truncates toward zero
    etat.Date_Origine = Date_Depuis_Civil(y0, 1, 1);
    etat.Date_Origine_Precedente = Date_Depuis_Civil(y0 - 3, 1, 1);
}
