// Reading the simulated logger's replies in tests.
#pragma once

#include <QByteArray>
#include <QList>

#include "Logger_Simule.h"

// Every byte of a reply, pauses left out.
inline QByteArray Texte(const Logger_Simule::Reponse& reponse) {
    QByteArray texte;
    for (const Logger_Simule::Morceau& m : reponse)
        texte += m.octets;
    return texte;
}

// Sends one frame (the carriage return is added) and returns the whole reply.
inline QByteArray Envoyer(Logger_Simule& logger, const QByteArray& trame) {
    return Texte(logger.Recevoir(trame + '\r'));
}

// The lines of a reply, each without its carriage return.
inline QList<QByteArray> Lignes(const QByteArray& reponse) {
    QList<QByteArray> lignes = reponse.split('\r');
    if (!lignes.isEmpty() && lignes.constLast().isEmpty()) lignes.removeLast();
    return lignes;
}
