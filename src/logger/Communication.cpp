#include "logger/Communication.h"

#include <cmath>

#include "core/Cp1252.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Sorties.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Port_Serie.h"

namespace {
constexpr int Pause_Apres_Envoi = 100;
constexpr int Pause_Sans_Reception = 100;
constexpr int Pause_Apres_Echec = 1000;
constexpr int Nb_Tentatives = 3;
}  // namespace

Communication::Communication(Etat& etat, Port_Serie& port, Horloge& horloge)
    : etat_(etat), port_(port), horloge_(horloge) {}

void Communication::Afficher(const char* texte) {
    if (sortie_etat_) sortie_etat_->Afficher_Etat(QString::fromUtf8(texte));
}

Fonctions_Logger::Resultat Communication::Ouverture_Port(uint8_t numero) {
    numero_ = numero;
    port_.Definir_Port(numero);
    port_.Definir_Parametres(QStringLiteral("9600, N, 8, 1"));
    if (!port_.Ouvrir()) {
        // No logger can answer on a port that did not open: the port says why, at once.
        Fonctions_Logger::Vide_Trames(etat_);
        return Fonctions_Logger::Reponse_Inattendue;
    }
    port_.Activer_RTS();
    port_.Activer_DTR();
    port_.Lire();  // whatever the port had received before us
    port_.Ecrire(QByteArray());
    return Fonctions_Logger::Test_Logger(etat_, *this);
}

void Communication::Fermeture_Port() {
    port_.Fermer();
}

void Communication::Rouvrir_Port() {
    // The number is mapped again: a logger plugged back may come up as another device.
    if (numero_ > 0) port_.Definir_Port(numero_);
    port_.Definir_Parametres(QStringLiteral("9600, N, 8, 1"));
    port_.Ouvrir();
    port_.Activer_RTS();
    port_.Activer_DTR();
}

Fonctions_Logger::Resultat Communication::Echange_Logger(std::optional<int64_t> longueur_attendue) {
    horloge_.Traiter_Evenements();
    // A logger unplugged and plugged back: its port is opened again, once, before the
    // attempts, instead of failing until the user reopens it through the port choice.
    if (!port_.Verifier_Ouvert()) Rouvrir_Port();
    if (!port_.Est_Ouvert()) {
        Afficher("Pas de réponse");
        return Fonctions_Logger::Sans_Reponse;
    }
    horloge_.Attendre(Pause_Avant_Echange);
    for (int tentative = 0; tentative < Nb_Tentatives; ++tentative) {
        port_.Ecrire(QByteArray());
        Afficher("Communication en cours");

        // One character at a time, up to the first zero byte; index 0 always goes.
        std::size_t i = 0;
        do {
            port_.Ecrire(QByteArray(1, static_cast<char>(etat_.Trame_Emission[i])));
            ++i;
        } while (i < etat_.Trame_Emission.size() && etat_.Trame_Emission[i] != 0);

        horloge_.Attendre(Pause_Apres_Envoi);
        // Collect until a 100 ms pause brings nothing more.
        do {
            etat_.Trame_Reception += Cp1252::Decode(port_.Lire());
            if (port_.Nb_Octets_En_Attente() == 0) horloge_.Attendre(Pause_Sans_Reception);
            if (longueur_attendue) Progression(*longueur_attendue);
        } while (port_.Nb_Octets_En_Attente() != 0);

        if (etat_.Trame_Reception.endsWith(Global::Retour_Chariot)) {
            Afficher("Pret");
            return Fonctions_Logger::Fait;
        }
        Afficher("Pas de réponse");
        horloge_.Attendre(Pause_Apres_Echec);
        port_.Lire();
        etat_.Trame_Reception.clear();
    }
    return Fonctions_Logger::Sans_Reponse;
}

void Communication::Progression(int64_t longueur_attendue) {
    if (!progression_) return;
    const double k = std::nearbyint(static_cast<double>(longueur_attendue) / 100.0);
    const double p = std::nearbyint(static_cast<double>(etat_.Trame_Reception.size()) / (k + 1));
    progression_->Progess_Bar_Value(static_cast<int32_t>(std::min(p, 1e9)));
}
