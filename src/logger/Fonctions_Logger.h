// One procedure per command of the logger protocol. None shows anything: each returns
// 0 done, 1 no complete reply after three attempts, 2 a reply that is not the expected one
// or cannot be read.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

class Communication;
class Sortie_Etat;
struct Etat;

namespace Fonctions_Logger {

// What every command gives back, and what the user is shown after "Erreur N° : ".
enum Resultat : uint8_t {
    Fait = 0,
    Sans_Reponse = 1,        // no complete reply after three attempts
    Reponse_Inattendue = 2,  // a reply, but not the expected one, or unreadable
};

// Clears both exchange buffers.
void Vide_Trames(Etat& etat);
// Zeroes every measure and empties the reception buffer.
void Vide_Mesures(Etat& etat);

// Presence test "Q": 0 when the reply begins with ">", 2 otherwise (never 1).
uint8_t Test_Logger(Etat& etat, Communication& lien);
uint8_t Lecture_Identite(Etat& etat, Communication& lien);
uint8_t Lecture_Version(Etat& etat, Communication& lien);
uint8_t Lecture_Etat(Etat& etat, Communication& lien);
// Identity, version and state in a row, as every reading of a logger does; the first result
// that is not Fait stops it. Each step is named in `annonces` before its exchange when given.
uint8_t Lecture_Logger(Etat& etat, Communication& lien, Sortie_Etat* annonces = nullptr);
uint8_t Ecriture_Identite(Etat& etat, Communication& lien, const QString& Identite,
                          bool Sans_Veille);
uint8_t Ecriture_Horloge(Etat& etat, Communication& lien, double Date_Horloge);
// Clamps the thresholds in place (-49 to 194) before sending them.
uint8_t Ecriture_Alarmes(Etat& etat, Communication& lien, float& Seuil_Bas, float& Seuil_Haut);
uint8_t Demarrage_Enreg(Etat& etat, Communication& lien, int16_t Periode, const QString& Unite,
                        double Date_Depart, int32_t Nb_Enreg);
// Command "D": the recording into Mesures. The shared record changes only when the whole
// reply was read; Nb_Mesures then counts the measure lines received (twice that for 7307).
uint8_t Telechargement(Etat& etat, Communication& lien);

// The reading of a download reply (header line, then one line per measure): 0 or 2.
uint8_t Lecture_Reponse_Telechargement(Etat& etat, QStringView reponse, double maintenant);

}  // namespace Fonctions_Logger
