// One procedure per command of the logger protocol. None shows anything: each returns
// 0 done, 1 no complete reply after three attempts, 2 a reply that is not the expected one
// or cannot be read.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "logger/Reponses_Logger.h"

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
Resultat Test_Logger(Etat& etat, Communication& lien);
Resultat Lecture_Identite(Etat& etat, Communication& lien);
Resultat Lecture_Version(Etat& etat, Communication& lien);
Resultat Lecture_Etat(Etat& etat, Communication& lien);

// What a logger says of itself: identity, version and state.
struct Fiche_Logger {
    QString identite;
    QString version;
    Reponses_Logger::Etat_Module etat;
};
struct Logger_Lu {
    Resultat resultat = Fait;
    Fiche_Logger fiche;  // when Fait
};
// Identity, version and state in a row, as every reading of a logger does; the first result
// that is not Fait stops it. Each step is named in `annonces` before its exchange when given.
// The recording held stays as it is: the caller decides what of the answer it keeps.
Logger_Lu Interroger_Logger(Etat& etat, Communication& lien, Sortie_Etat* annonces = nullptr);
// The answer put where Lecture_Identite, Lecture_Version and Lecture_Etat put theirs.
void Ranger_Fiche(Etat& etat, const Fiche_Logger& fiche);
// Interroger_Logger, then Ranger_Fiche when it is Fait.
Resultat Lecture_Logger(Etat& etat, Communication& lien, Sortie_Etat* annonces = nullptr);
Resultat Ecriture_Identite(Etat& etat, Communication& lien, const QString& Identite,
                           bool Sans_Veille);
Resultat Ecriture_Horloge(Etat& etat, Communication& lien, double Date_Horloge);
// Clamps the thresholds in place (-49 to 194) before sending them.
Resultat Ecriture_Alarmes(Etat& etat, Communication& lien, float& Seuil_Bas, float& Seuil_Haut);
Resultat Demarrage_Enreg(Etat& etat, Communication& lien, int16_t Periode, const QString& Unite,
                         double Date_Depart, int32_t Nb_Enreg);
// What a download reply read to its end held: its measure lines, and the records its header
// announced (values / 2 on model 7307).
struct Comptes_Telechargement {
    int recues = 0;
    int annoncees = 0;
    // Fewer (or more) lines than announced: the transfer was cut, the recording is not whole.
    bool Coupe() const { return recues != annoncees; }
};

// Command "D" for a logger of model `version` that holds `nb_mesures` values, without changing
// the recording held: Fait for a whole recording; Reponse_Inattendue for a reply that cannot be
// read (nothing in `lu`) or a transfer cut off (`lu` holds what came).
struct Telechargement_Recu {
    Resultat resultat = Fait;
    std::optional<Reponses_Logger::Telechargement_Lu> lu;
};
Telechargement_Recu Recevoir_Telechargement(Etat& etat, Communication& lien, const QString& version,
                                            int nb_mesures);
// A reply read put into the shared record: its measures, Nb_Mesures (the lines received, twice
// that for 7307), Nb_Mesures_Annoncees (the header's count when the transfer was cut), period
// and start.
void Ranger_Telechargement(Etat& etat, const QString& version,
                           const Reponses_Logger::Telechargement_Lu& lu);

// Command "D": the recording into Mesures. The shared record changes only when the whole
// reply was read; Nb_Mesures then counts the measure lines received (twice that for 7307).
//
// A reply whose measure lines do not match the count its header announces is a failed
// download (2): a logger unplugged right after a complete line ends its reply normally. The
// lines received are stored all the same, with Nb_Mesures_Annoncees the header's count, so
// that they can be shown for what they are; `comptes` says how many of each.
Resultat Telechargement(Etat& etat, Communication& lien, Comptes_Telechargement& comptes);
Resultat Telechargement(Etat& etat, Communication& lien);

// The reading of a download reply (header line, then one line per measure): 0 or 2, as above.
Resultat Lecture_Reponse_Telechargement(Etat& etat, QStringView reponse, double maintenant,
                                        Comptes_Telechargement* comptes = nullptr);

}  // namespace Fonctions_Logger
