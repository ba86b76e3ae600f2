#include "logger/Fonctions_Logger.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Cp1252.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Horloge.h"
#include "core/Sorties.h"
#include "core/Textes.h"
#include "logger/Campagne.h"
#include "logger/Communication.h"

namespace Fonctions_Logger {

using Global::Champ;

namespace {

// A logger stamps each record one second short of the whole periods since its start.
constexpr int Avance_Horodatage_s = 1;

const QChar Blanc = QLatin1Char(' ');

// Lays "letter [args...]" + CR into the cleared emission buffer.
void Poser_Trame(Etat& etat, const QString& commande) {
    const QByteArray octets = Cp1252::Encode(commande);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(octets.size()),
                                                etat.Trame_Emission.size() - 1);
    for (std::size_t i = 0; i < n; ++i) {
        etat.Trame_Emission[i] = static_cast<uint8_t>(octets[static_cast<qsizetype>(i)]);
    }
    etat.Trame_Emission[n] = 13;
}

// Clears, lays the frame, exchanges; 0 when a reply came whose first field is `attendu`.
Resultat Commande(Etat& etat, Communication& lien, const QString& trame, QChar separateur,
                  const char* attendu) {
    Vide_Trames(etat);
    Poser_Trame(etat, trame);
    if (lien.Echange_Logger() == Sans_Reponse) return Sans_Reponse;
    if (Champ(1, etat.Trame_Reception, separateur) != QLatin1String(attendu)) {
        return Reponse_Inattendue;
    }
    return Fait;
}

}  // namespace

void Vide_Trames(Etat& etat) {
    etat.Trame_Emission.fill(0);
    etat.Trame_Reception.clear();
}

void Vide_Mesures(Etat& etat) {
    etat.Mesures.Efface();
    etat.Trame_Reception.clear();
}

Resultat Test_Logger(Etat& etat, Communication& lien) {
    Vide_Trames(etat);
    Poser_Trame(etat, QStringLiteral("Q"));
    lien.Echange_Logger();
    return Champ(1, etat.Trame_Reception, Blanc).startsWith(QLatin1Char('>')) ? Fait
                                                                              : Reponse_Inattendue;
}

Resultat Lecture_Identite(Etat& etat, Communication& lien) {
    const Resultat r = Commande(etat, lien, QStringLiteral("I"), Blanc, "i");
    if (r == Fait) etat.Identite_Logger = Global::Extraire_Champ(2, etat.Trame_Reception, Blanc);
    return r;
}

Resultat Lecture_Version(Etat& etat, Communication& lien) {
    const Resultat r = Commande(etat, lien, QStringLiteral("I"), Blanc, "i");
    if (r == Fait) etat.Version_Logger = Global::Extraire_Champ(3, etat.Trame_Reception, Blanc);
    return r;
}

Resultat Lecture_Etat(Etat& etat, Communication& lien) {
    const Resultat r = Commande(etat, lien, QStringLiteral("M"), Blanc, "m");
    if (r != Fait) return r;
    const QString& reponse = etat.Trame_Reception;
    // Everything is read before anything is stored: an unreadable state changes nothing.
    try {
        const int16_t nb =
            std::min<int16_t>(Global::Nombre_Reponse(Champ(2, reponse, Blanc)), Nb_Mesures_Max);
        const int16_t periode = Global::Nombre_Reponse(Champ(3, reponse, Blanc));
        const QStringView lettre = Champ(4, reponse, Blanc);
        const double debut = Global::Conversion_Date(
            etat, Global::Extraire_Champ(5, reponse, Blanc),
            Global::Extraire_Champ(6, reponse, Blanc), lien.Horloge_Lien().Maintenant());
        etat.Nb_Mesures = nb;
        etat.Nb_Mesures_Annoncees = nb;
        etat.Periode_Enreg = periode;
        etat.Unite = lettre.size() == 1 ? Unite_Depuis_Lettre(lettre[0]) : QStringLiteral("°C");
        etat.Date_Debut_Enreg = debut;
    } catch (const Erreur_Conversion&) {
        return Reponse_Inattendue;
    }
    return Fait;
}

Resultat Lecture_Logger(Etat& etat, Communication& lien, Sortie_Etat* annonces) {
    const auto annoncer = [annonces](const QString& texte) {
        if (annonces) annonces->Afficher_Etat(texte);
    };
    annoncer(QStringLiteral("Lecture de l'identité du module"));
    Resultat r = Lecture_Identite(etat, lien);
    if (r != Fait) return r;
    annoncer(QStringLiteral("Lecture de la version du module"));
    r = Lecture_Version(etat, lien);
    if (r != Fait) return r;
    annoncer(QStringLiteral("Lecture de l'état du module"));
    return Lecture_Etat(etat, lien);
}

Resultat Ecriture_Identite(Etat& etat, Communication& lien, const QString& Identite,
                           bool Sans_Veille) {
    const QString trame = QStringLiteral("J ") + Identite.left(Longueur_Identite) + Blanc +
                          (Sans_Veille ? QLatin1Char('1') : QLatin1Char('0'));
    return Commande(etat, lien, trame, Blanc, "i");
}

Resultat Ecriture_Horloge(Etat& etat, Communication& lien, double Date_Horloge) {
    if (Date_Horloge < etat.Date_Origine) Date_Horloge = etat.Date_Origine;
    QString compte;
    try {
        compte = Global::Conversion_Secondes(etat, Date_Horloge);
    } catch (const Erreur_Conversion&) {
        return Reponse_Inattendue;  // a date the logger's clock cannot hold: nothing is sent
    }
    return Commande(etat, lien, QStringLiteral("C ") + compte, Global::Retour_Chariot, ">");
}

Resultat Ecriture_Alarmes(Etat& etat, Communication& lien, float& Seuil_Bas, float& Seuil_Haut) {
    if (!Limites_Campagne::Seuil_Dans_Limites(Seuil_Bas)) Seuil_Bas = Limites_Campagne::Seuil_Min;
    if (!Limites_Campagne::Seuil_Dans_Limites(Seuil_Haut)) Seuil_Haut = Limites_Campagne::Seuil_Max;
    const auto h = static_cast<int16_t>(std::nearbyint(Seuil_Haut * 10.0f));
    const auto b = static_cast<int16_t>(std::nearbyint(Seuil_Bas * 10.0f));
    const QString trame = QStringLiteral("A %1 %2").arg(h).arg(b);
    return Commande(etat, lien, trame, Global::Retour_Chariot, ">");
}

Resultat Demarrage_Enreg(Etat& etat, Communication& lien, int16_t Periode, const QString& Unite,
                         double Date_Depart, int32_t Nb_Enreg) {
    Periode = static_cast<int16_t>(Limites_Campagne::Periode_Envoyee(Periode));
    QString depart = QStringLiteral("20");
    if (Date_Depart > etat.Date_Origine && lien.Horloge_Lien().Maintenant() < Date_Depart) {
        try {
            depart = Global::Conversion_Secondes(etat, Date_Depart);
        } catch (const Erreur_Conversion&) {
            return Reponse_Inattendue;  // beyond the logger's clock: nothing is sent
        }
    }
    const int taille = Limites_Campagne::Code_Taille(Nb_Enreg);
    const QString trame = QStringLiteral("S %1 %2 %3 %4")
                              .arg(Periode)
                              .arg(Lettre_Depuis_Unite(Unite))
                              .arg(depart)
                              .arg(taille);
    return Commande(etat, lien, trame, Blanc, "m");
}

Resultat Telechargement(Etat& etat, Communication& lien, Comptes_Telechargement& comptes) {
    const Resultat r = Commande(etat, lien, QStringLiteral("D"), Blanc, "m");
    if (r != Fait) return r;
    return Lecture_Reponse_Telechargement(etat, etat.Trame_Reception,
                                          lien.Horloge_Lien().Maintenant(), &comptes);
}

Resultat Telechargement(Etat& etat, Communication& lien) {
    Comptes_Telechargement comptes;
    return Telechargement(etat, lien, comptes);
}

Resultat Lecture_Reponse_Telechargement(Etat& etat, QStringView reponse, double maintenant,
                                        Comptes_Telechargement* comptes) {
    // Read into a table of our own; the shared one changes only once the whole reply is read,
    // so a failed download leaves the previous recording intact.
    auto mesures = std::make_unique<Tableau_Mesures>();
    const bool humidite = Est_Modele_7307(etat.Version_Logger);
    int i = 1;
    int16_t annonce = 0;
    int16_t periode = 0;
    double debut = 0;
    try {
        Global::Lecteur_Lignes lignes(reponse);
        const QStringView entete = lignes.Suivante();
        // Compared with the lines received below; not capped, so that a full 7307 (16000
        // records, 32000 values) is whole.
        annonce = std::max<int16_t>(Global::Nombre_Reponse(Champ(2, entete, Blanc)), 0);
        periode = Global::Nombre_Reponse(Champ(3, entete, Blanc));
        debut = Global::Conversion_Date(etat, Champ(5, entete, Blanc).toString(),
                                        Champ(6, entete, Blanc).toString(), maintenant);
        for (; !lignes.Fini(); ++i) {
            const QStringView ligne = lignes.Suivante();
            if (i > Nb_Mesures_Max) return Reponse_Inattendue;
            Mesure& m = (*mesures)(i);
            m.Date_Heure = debut + (static_cast<double>(i) * periode - Avance_Horodatage_s) /
                                       static_cast<double>(Secondes_Par_Jour);
            m.Temperature =
                static_cast<float>(Global::Nombre_Reponse(Champ(2, ligne, Blanc)) / 10.0);
            if (humidite) {
                m.Humidite =
                    static_cast<float>(Global::Nombre_Reponse(Champ(3, ligne, Blanc)) / 10.0);
            }
        }
    } catch (const Erreur_Conversion&) {
        return Reponse_Inattendue;
    } catch (const Erreur_Debordement&) {
        return Reponse_Inattendue;
    }
    const int nb_lignes = i - 1;
    const int annoncees = Nb_Enregistrements(etat.Version_Logger, annonce);
    etat.Mesures = *mesures;
    etat.Nb_Mesures = static_cast<int16_t>(Nb_Valeurs(etat.Version_Logger, nb_lignes));
    etat.Nb_Mesures_Annoncees = nb_lignes == annoncees ? etat.Nb_Mesures : annonce;
    etat.Periode_Enreg = periode;
    etat.Date_Debut_Enreg = debut;
    if (comptes) *comptes = {nb_lignes, annoncees};
    return nb_lignes == annoncees ? Fait : Reponse_Inattendue;
}

}  // namespace Fonctions_Logger
