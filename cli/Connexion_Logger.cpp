#include "Connexion_Logger.h"

#include "Arguments.h"
#include "Console.h"
#include "core/Etat.h"
#include "logger/Fonctions_Logger.h"

Ou_Erreur<Port_Choisi> Lire_Port(const Arguments& arguments) {
    Port_Choisi choisi;
    if (!arguments.A("port")) return choisi;
    const QString texte = arguments.Valeur("port").trimmed();
    bool nombre = false;
    const int n = texte.toInt(&nombre);
    if (nombre) {
        if (n < 1 || n > 255) return Mauvais_Usage{QStringLiteral("--port : de 1 à 255")};
        choisi.numero = n;
    } else if (texte.isEmpty()) {
        return Mauvais_Usage{QStringLiteral("--port : port vide")};
    } else {
        choisi.peripherique = texte;
    }
    return choisi;
}

namespace {
std::unique_ptr<Port_QSerialPort> Port_De(const Port_Choisi& choisi) {
    if (choisi.peripherique.isEmpty()) {
        return std::make_unique<Port_QSerialPort>();  // the program's port numbers
    }
    return std::make_unique<Port_QSerialPort>(
        [peripherique = choisi.peripherique](int) { return peripherique; });
}
}  // namespace

Connexion_Logger::Connexion_Logger(Etat& etat, const Port_Choisi& choisi)
    : etat_(etat),
      numero_(choisi.numero.value_or(etat.Num_Port)),
      port_(Port_De(choisi)),
      lien_(etat, *port_, horloge_) {}

Connexion_Logger::~Connexion_Logger() {
    lien_.Fermeture_Port();
}

int Connexion_Logger::Erreur(uint8_t code) const {
    if (const std::optional<Echec_Ouverture> echec = port_->Echec()) {
        Console::Erreur(echec->Texte());
        return Sortie_Sans_Reponse;
    }
    return Console::Erreur_Logger(code);
}

uint8_t Connexion_Logger::Ouvrir() {
    if (lien_.Ouverture_Port(static_cast<uint8_t>(numero_)) == 0) return 0;
    if (port_->Echec()) return Fonctions_Logger::Sans_Reponse;
    // The presence test does not tell silence from a wrong answer; what arrived does.
    return etat_.Trame_Reception.isEmpty() ? 1 : 2;
}
