// The logger's replies read into values. Nothing here touches the shared record nor the port:
// the commands that exchange them decide what of a reply goes into the record.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/Etat.h"
#include "core/Global.h"

namespace Reponses_Logger {

// "i FOUR-01 7307V10\r": the identity and the version text, which keeps what follows it on the
// line (its carriage return); nothing unless the reply starts with the field "i".
struct Identite_Module {
    QString identite;
    QString version;
};
std::optional<Identite_Module> Lire_Identite(QStringView reponse);

// "m 120 60 c 1 5180\r": the count of values recorded (at most 16000), the period, the unit
// (°C when the letter is missing) and the start of the recording; nothing unless the reply
// starts with "m" and its numbers and clock count read.
struct Etat_Module {
    int16_t nb_mesures = 0;
    int16_t periode = 0;
    QString unite;
    double debut = 0;
};
std::optional<Etat_Module> Lire_Etat(QStringView reponse, const Global::Origines& origines,
                                     double maintenant);

// A download reply: its header line then one line per record ("t 215" + CR, "t 215 567" + CR on
// model 7307). Records are stamped one second short of the whole periods since the start.
struct Telechargement_Lu {
    std::unique_ptr<Tableau_Mesures> mesures;  // records 1 to `lignes`
    int lignes = 0;                            // measure lines read
    int annoncees = 0;                         // records the header announced
    int16_t annonce = 0;                       // the header's count of values, as it stands
    int16_t periode = 0;
    double debut = 0;
    // Fewer (or more) lines than announced: the transfer was cut, the recording is not whole.
    bool Coupe() const { return lignes != annoncees; }
};
// Nothing for a reply that cannot be read to its end: a header or measure line that does not
// convert, a line over 255 characters, more than 16000 measure lines. `version` tells the
// model, whose measure lines carry a humidity (7307) or not.
std::optional<Telechargement_Lu> Lire_Telechargement(QStringView reponse, const QString& version,
                                                     const Global::Origines& origines,
                                                     double maintenant);

// The length in characters of the download reply of `nb_mesures` values: 10 characters a
// record of model 7307 (two values), 6 otherwise; what the progress is measured against.
int64_t Longueur_Telechargement(const QString& version, int nb_mesures);

}  // namespace Reponses_Logger
