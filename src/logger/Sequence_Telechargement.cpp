#include "logger/Sequence_Telechargement.h"

#include "core/Etat.h"
#include "logger/Fonctions_Logger.h"

namespace Sequence_Telechargement {

namespace {
// What the version, identity and state commands overwrite before the measures arrive.
struct Entete_Enregistrement {
    QString identite, version, unite;
    int16_t nb_mesures, periode;
    double debut;

    explicit Entete_Enregistrement(const Etat& e)
        : identite(e.Identite_Logger),
          version(e.Version_Logger),
          unite(e.Unite),
          nb_mesures(e.Nb_Mesures),
          periode(e.Periode_Enreg),
          debut(e.Date_Debut_Enreg) {}

    void Restaurer(Etat& e) const {
        e.Identite_Logger = identite;
        e.Version_Logger = version;
        e.Unite = unite;
        e.Nb_Mesures = nb_mesures;
        e.Periode_Enreg = periode;
        e.Date_Debut_Enreg = debut;
    }
};
}  // namespace

uint8_t Telecharger(Etat& etat, Communication& lien) {
    const Entete_Enregistrement avant(etat);
    Fonctions_Logger::Test_Logger(etat, lien);  // wakes the logger; its answer is not needed
    uint8_t r = Fonctions_Logger::Lecture_Version(etat, lien);
    if (r == 0) r = Fonctions_Logger::Lecture_Identite(etat, lien);
    if (r == 0) r = Fonctions_Logger::Lecture_Etat(etat, lien);
    // The measures themselves only change when the download command fully succeeds.
    if (r == 0) r = Fonctions_Logger::Telechargement(etat, lien);
    if (r != 0) avant.Restaurer(etat);
    return r;
}

}  // namespace Sequence_Telechargement
