// Any bytes the logger may send: the download reply reading and the field helpers must
// neither crash nor hang, and every bad reply ends as result 2.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Cp1252.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Textes.h"
#include "logger/Fonctions_Logger.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Etat* etat = Etat::Nouveau().release();
    const double maintenant = Date_Depuis_Civil(2026, 12, 6, 12, 0, 0);
    Origines_Horloge(*etat, maintenant);
    const bool humidite = size > 0 && (data[0] & 1);
    etat->Version_Logger = humidite ? QStringLiteral("7307V1\r") : QStringLiteral("7306V1\r");
    const QString reponse =
        Cp1252::Decode(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));

    const uint8_t r = Fonctions_Logger::Lecture_Reponse_Telechargement(*etat, reponse, maintenant);
    if (r != 0 && r != 2) std::abort();
    if (r == 0) {
        const int lignes = humidite ? etat->Nb_Mesures / 2 : etat->Nb_Mesures;
        if (lignes < 0 || lignes > Nb_Mesures_Max) std::abort();
    }

    for (int n = 0; n < 8; ++n) {
        Global::Extraire_Champ(n, reponse, QLatin1Char(' '));
        Global::Extraire_Champ(n, reponse, QChar(13));
        Global::Nombre_Reponse(Global::Champ(n, reponse, QLatin1Char(' ')));
    }
    Global::Conversion_Date(Global::Origines_Etat(*etat),
                            Global::Champ(1, reponse, QLatin1Char(' ')),
                            Global::Champ(2, reponse, QLatin1Char(' ')), maintenant);
    QString reste = reponse;
    while (!reste.isEmpty()) {
        if (!Global::Extraire_Ligne(reste)) break;
    }
    return 0;
}
