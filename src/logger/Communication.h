// The serial link with the logger: opening, closing, and one command/reply exchange.
#pragma once

#include <cstdint>
#include <optional>

#include "logger/Fonctions_Logger.h"

class Horloge;
class Port_Serie;
class Sortie_Etat;
class Sortie_Progression;
struct Etat;

class Communication {
  public:
    // The pause before each exchange, and after the start-up's presence test, in ms.
    static constexpr int Pause_Avant_Echange = 250;

    Communication(Etat& etat, Port_Serie& port, Horloge& horloge);

    // Where status texts and download progress go; either may be null.
    void Definir_Sortie_Etat(Sortie_Etat* sortie) { sortie_etat_ = sortie; }
    void Definir_Sortie_Progression(Sortie_Progression* sortie) { progression_ = sortie; }

    // Opens the port at 9600, N, 8, 1 and runs the presence test: Fait when a logger answers,
    // Reponse_Inattendue otherwise. Every failing step is skipped; a port that does not open
    // gives Reponse_Inattendue at once, and Port().Echec() says why.
    Fonctions_Logger::Resultat Ouverture_Port(uint8_t numero);
    void Fermeture_Port();

    // Sends the command in Trame_Emission and collects the reply into Trame_Reception, up to
    // three attempts: Fait when a reply ending with a carriage return came, Sans_Reponse
    // otherwise. Given the length the reply should have, in characters, the progress sink
    // follows it in hundredths of that length.
    Fonctions_Logger::Resultat Echange_Logger(std::optional<int64_t> longueur_attendue = {});

    Horloge& Horloge_Lien() { return horloge_; }
    Port_Serie& Port() { return port_; }

  private:
    void Progression(int64_t longueur_attendue);
    // The port opened again as Ouverture_Port opened it, without the presence test.
    void Rouvrir_Port();
    void Afficher(const char* texte);

    Etat& etat_;
    Port_Serie& port_;
    Horloge& horloge_;
    Sortie_Etat* sortie_etat_ = nullptr;
    Sortie_Progression* progression_ = nullptr;
    int numero_ = 0;  // the port Ouverture_Port opened last, 0 before
};
