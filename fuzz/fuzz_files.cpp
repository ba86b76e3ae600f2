// Any bytes a user may open as a recordings file, or find in Conf.ini, recettes.ini or
// criteres.ini: the readers must neither crash nor hang, must keep within the tables, and
// whatever a recordings file reads as must save to a file that opens again with the same
// recording.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Etat.h"
#include "criteria/Jeux_Criteres.h"
#include "files/Import_Export.h"

using namespace Import_Export;

namespace {

void Verifie(bool condition) {
    if (!condition) std::abort();
}

// The records are large: two are kept for the whole run, and each input starts from empty
// header fields. Records past the count may hold an earlier input's measures; no check looks
// at them.
Etat& Enregistrement(int n) {
    static Etat* const etats[2] = {Etat::Nouveau().release(), Etat::Nouveau().release()};
    Etat& etat = *etats[n];
    etat.Identite_Logger.clear();
    etat.Version_Logger.clear();
    etat.Num_Recette = 0;
    etat.Periode_Enreg = 0;
    etat.Nb_Mesures = 0;
    etat.Commentaire.clear();
    return etat;
}

// The count may never claim more records than the table holds.
void Verifie_Compte(const Etat& etat) {
    Verifie(etat.Nb_Mesures >= 0);
    Verifie(Nb_Enregistrements(etat.Version_Logger, etat.Nb_Mesures) <= Nb_Mesures_Max);
}

void Fichier_Enreg(QByteArrayView octets) {
    Etat& etat = Enregistrement(0);
    const Resultat_Lecture lu = Lecture_Contenu_Enreg(etat, octets);
    Verifie(lu == Resultat_Lecture::Lu || lu == Resultat_Lecture::Incorrect);
    Verifie_Compte(etat);
    if (lu != Resultat_Lecture::Lu) return;

    Etat& relu = Enregistrement(1);
    Verifie(Lecture_Contenu_Enreg(relu, Contenu_Fichier_Enreg(etat)) == Resultat_Lecture::Lu);
    Verifie(relu.Identite_Logger == etat.Identite_Logger);
    Verifie(relu.Version_Logger == Modele(etat.Version_Logger));
    Verifie(relu.Num_Recette == etat.Num_Recette);
    Verifie(relu.Periode_Enreg == etat.Periode_Enreg);
    Verifie(relu.Nb_Mesures == etat.Nb_Mesures);
    const int nb = Nb_Enregistrements(etat.Version_Logger, etat.Nb_Mesures);
    for (int i = 1; i <= nb; ++i) {
        Verifie(relu.Mesures(i).Date_Heure == etat.Mesures(i).Date_Heure);
    }
}

// Whatever criteres.ini holds, the sets read are written back to a file that reads again into
// the same sets, with no line refused but those of rules that do not hold together.
void Jeux_Criteres(QByteArrayView octets) {
    const Criteres::Jeux_Lus lus = Criteres::Lecture_Contenu_Jeux(octets);
    const Criteres::Jeux_Lus relus =
        Criteres::Lecture_Contenu_Jeux(Criteres::Contenu_Jeux(lus.jeux));
    Verifie(relus.jeux.size() == lus.jeux.size());
    for (std::size_t i = 0; i < lus.jeux.size(); ++i)
        Verifie(relus.jeux[i].nom == lus.jeux[i].nom);
    Verifie(relus.defauts.size() <= lus.defauts.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QByteArrayView octets(reinterpret_cast<const char*>(data), qsizetype(size));
    Fichier_Enreg(octets);
    Jeux_Criteres(octets);

    Etat& etat = Enregistrement(0);
    Lecture_Contenu_Conf(etat, octets);
    Contenu_Conf(etat);
    Lecture_Contenu_Recettes(etat, octets);
    return 0;
}
