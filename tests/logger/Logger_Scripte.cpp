#include "Logger_Scripte.h"

Logger_Scripte::Logger_Scripte() {
    Origines_Horloge(*etat, Maintenant());
    port.ouvert = true;
    lien.Definir_Sortie_Etat(&journal);
    port.repondre = [this](const QByteArray& trame, int) {
        const auto reponse = reponses_.find(trame.at(0));
        if (reponse != reponses_.end()) port.Programmer(*reponse);
    };
}
