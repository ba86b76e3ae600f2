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
#include "logger/Reponses_Logger.h"

namespace Fonctions_Logger {

using Global::Champ;

namespace {

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

// Clears, lays the frame and exchanges; the exchange is told how long the reply should be when
// that is known.
Resultat Echanger(Etat& etat, Communication& lien, const QString& trame,
                  std::optional<int64_t> longueur = std::nullopt) {
    Vide_Trames(etat);
    Poser_Trame(etat, trame);
    return lien.Echange_Logger(longueur) == Fait ? Fait : Sans_Reponse;
}

// An exchange whose reply must start with the field `attendu`.
Resultat Commande(Etat& etat, Communication& lien, const QString& trame, QChar separateur,
                  const char* attendu, std::optional<int64_t> longueur = std::nullopt) {
    if (Echanger(etat, lien, trame, longueur) != Fait) return Sans_Reponse;
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
    Echanger(etat, lien, QStringLiteral("Q"));
    return Champ(1, etat.Trame_Reception, Blanc).startsWith(QLatin1Char('>')) ? Fait
                                                                              : Reponse_Inattendue;
}

namespace {

// The questions whose replies a reader turns into values: of the shared record, only the
// exchange buffers change.
Resultat Interroger_Identite(Etat& etat, Communication& lien,
                             std::optional<Reponses_Logger::Identite_Module>& lue) {
    if (Echanger(etat, lien, QStringLiteral("I")) != Fait) return Sans_Reponse;
    lue = Reponses_Logger::Lire_Identite(etat.Trame_Reception);
    return lue ? Fait : Reponse_Inattendue;
}

Resultat Interroger_Etat(Etat& etat, Communication& lien,
                         std::optional<Reponses_Logger::Etat_Module>& lu) {
    if (Echanger(etat, lien, QStringLiteral("M")) != Fait) return Sans_Reponse;
    lu = Reponses_Logger::Lire_Etat(etat.Trame_Reception, Global::Origines_Etat(etat),
                                    lien.Horloge_Lien().Maintenant());
    return lu ? Fait : Reponse_Inattendue;
}

void Ranger_Etat(Etat& etat, const Reponses_Logger::Etat_Module& lu) {
    etat.Nb_Mesures = lu.nb_mesures;
    etat.Nb_Mesures_Annoncees = lu.nb_mesures;
    etat.Periode_Enreg = lu.periode;
    etat.Unite = lu.unite;
    etat.Date_Debut_Enreg = lu.debut;
}

}  // namespace

Resultat Lecture_Identite(Etat& etat, Communication& lien) {
    std::optional<Reponses_Logger::Identite_Module> lue;
    const Resultat r = Interroger_Identite(etat, lien, lue);
    if (r == Fait) etat.Identite_Logger = lue->identite;
    return r;
}

Resultat Lecture_Version(Etat& etat, Communication& lien) {
    std::optional<Reponses_Logger::Identite_Module> lue;
    const Resultat r = Interroger_Identite(etat, lien, lue);
    if (r == Fait) etat.Version_Logger = lue->version;
    return r;
}

Resultat Lecture_Etat(Etat& etat, Communication& lien) {
    std::optional<Reponses_Logger::Etat_Module> lu;
    const Resultat r = Interroger_Etat(etat, lien, lu);
    if (r == Fait) Ranger_Etat(etat, *lu);
    return r;
}

Logger_Lu Interroger_Logger(Etat& etat, Communication& lien, Sortie_Etat* annonces) {
    const auto annoncer = [annonces](const QString& texte) {
        if (annonces) annonces->Afficher_Etat(texte);
    };
    Logger_Lu lu;
    std::optional<Reponses_Logger::Identite_Module> identite, version;
    std::optional<Reponses_Logger::Etat_Module> etat_module;
    annoncer(QStringLiteral("Lecture de l'identité du module"));
    lu.resultat = Interroger_Identite(etat, lien, identite);
    if (lu.resultat != Fait) return lu;
    annoncer(QStringLiteral("Lecture de la version du module"));
    lu.resultat = Interroger_Identite(etat, lien, version);
    if (lu.resultat != Fait) return lu;
    annoncer(QStringLiteral("Lecture de l'état du module"));
    lu.resultat = Interroger_Etat(etat, lien, etat_module);
    if (lu.resultat != Fait) return lu;
    lu.fiche = {identite->identite, version->version, *etat_module};
    return lu;
}

void Ranger_Fiche(Etat& etat, const Fiche_Logger& fiche) {
    etat.Identite_Logger = fiche.identite;
    etat.Version_Logger = fiche.version;
    Ranger_Etat(etat, fiche.etat);
}

Resultat Lecture_Logger(Etat& etat, Communication& lien, Sortie_Etat* annonces) {
    const Logger_Lu lu = Interroger_Logger(etat, lien, annonces);
    if (lu.resultat == Fait) Ranger_Fiche(etat, lu.fiche);
    return lu.resultat;
}

Resultat Ecriture_Identite(Etat& etat, Communication& lien, const QString& Identite,
                           bool Sans_Veille) {
    const QString trame = QStringLiteral("J ") + Identite.left(Longueur_Identite) + Blanc +
                          (Sans_Veille ? QLatin1Char('1') : QLatin1Char('0'));
    return Commande(etat, lien, trame, Blanc, "i");
}

Resultat Ecriture_Horloge(Etat& etat, Communication& lien, double Date_Horloge) {
    if (Date_Horloge < etat.Date_Origine) Date_Horloge = etat.Date_Origine;
    const std::optional<QString> compte = Global::Conversion_Secondes(etat, Date_Horloge);
    // A date the logger's clock cannot hold: nothing is sent.
    if (!compte) return Reponse_Inattendue;
    return Commande(etat, lien, QStringLiteral("C ") + *compte, Global::Retour_Chariot, ">");
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
        const std::optional<QString> compte = Global::Conversion_Secondes(etat, Date_Depart);
        if (!compte) return Reponse_Inattendue;  // beyond the logger's clock: nothing is sent
        depart = *compte;
    }
    const int taille = Limites_Campagne::Code_Taille(Nb_Enreg);
    const QString trame = QStringLiteral("S %1 %2 %3 %4")
                              .arg(Periode)
                              .arg(Lettre_Depuis_Unite(Unite))
                              .arg(depart)
                              .arg(taille);
    return Commande(etat, lien, trame, Blanc, "m");
}

Telechargement_Recu Recevoir_Telechargement(Etat& etat, Communication& lien, const QString& version,
                                            int nb_mesures) {
    Telechargement_Recu recu;
    recu.resultat = Commande(etat, lien, QStringLiteral("D"), Blanc, "m",
                             Reponses_Logger::Longueur_Telechargement(version, nb_mesures));
    if (recu.resultat != Fait) return recu;
    recu.lu = Reponses_Logger::Lire_Telechargement(etat.Trame_Reception, version,
                                                   Global::Origines_Etat(etat),
                                                   lien.Horloge_Lien().Maintenant());
    recu.resultat = recu.lu && !recu.lu->Coupe() ? Fait : Reponse_Inattendue;
    return recu;
}

void Ranger_Telechargement(Etat& etat, const QString& version,
                           const Reponses_Logger::Telechargement_Lu& lu) {
    etat.Mesures = *lu.mesures;
    etat.Nb_Mesures = static_cast<int16_t>(Nb_Valeurs(version, lu.lignes));
    etat.Nb_Mesures_Annoncees = lu.Coupe() ? lu.annonce : etat.Nb_Mesures;
    etat.Periode_Enreg = lu.periode;
    etat.Date_Debut_Enreg = lu.debut;
}

Resultat Telechargement(Etat& etat, Communication& lien, Comptes_Telechargement& comptes) {
    const QString version = etat.Version_Logger;
    const Telechargement_Recu recu = Recevoir_Telechargement(etat, lien, version, etat.Nb_Mesures);
    if (recu.lu) {
        Ranger_Telechargement(etat, version, *recu.lu);
        comptes = {recu.lu->lignes, recu.lu->annoncees};
    }
    return recu.resultat;
}

Resultat Telechargement(Etat& etat, Communication& lien) {
    Comptes_Telechargement comptes;
    return Telechargement(etat, lien, comptes);
}

Resultat Lecture_Reponse_Telechargement(Etat& etat, QStringView reponse, double maintenant,
                                        Comptes_Telechargement* comptes) {
    const QString version = etat.Version_Logger;
    const auto lu = Reponses_Logger::Lire_Telechargement(reponse, version,
                                                         Global::Origines_Etat(etat), maintenant);
    if (!lu) return Reponse_Inattendue;
    Ranger_Telechargement(etat, version, *lu);
    if (comptes) *comptes = {lu->lignes, lu->annoncees};
    return lu->Coupe() ? Reponse_Inattendue : Fait;
}

}  // namespace Fonctions_Logger
