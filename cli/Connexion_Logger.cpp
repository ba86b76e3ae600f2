#include "Connexion_Logger.h"

#include "Arguments.h"
#include "Console.h"
#include "core/Etat.h"
#include "logger/Fonctions_Logger.h"

#include <optional>

namespace {
// The COM number given with --port, when it is one.
std::optional<int> Numero_Demande(const Arguments& arguments) {
    if (!arguments.A("port")) return std::nullopt;
    bool nombre = false;
    const int n = arguments.Valeur("port").trimmed().toInt(&nombre);
    if (!nombre) return std::nullopt;
    if (n < 1 || n > 255) throw Erreur_Usage(QStringLiteral("--port : de 1 à 255"));
    return n;
}

std::unique_ptr<Port_QSerialPort> Port_Demande(const Arguments& arguments) {
    if (!arguments.A("port") || Numero_Demande(arguments)) {
        return std::make_unique<Port_QSerialPort>();  // the program's port numbers
    }
    const QString peripherique = arguments.Valeur("port").trimmed();
    if (peripherique.isEmpty()) throw Erreur_Usage(QStringLiteral("--port : port vide"));
    return std::make_unique<Port_QSerialPort>([peripherique](int) { return peripherique; });
}
}  // namespace

Connexion_Logger::Connexion_Logger(Etat& etat, const Arguments& arguments)
    : etat_(etat),
      numero_(Numero_Demande(arguments).value_or(etat.Num_Port)),
      port_(Port_Demande(arguments)),
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
