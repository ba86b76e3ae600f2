#include "Port_Scripte.h"

void Port_Scripte::Programmer(const QByteArray& octets, long long delai_ms) {
    a_venir_.append({horloge_.ecoule_ms + delai_ms, octets});
}

QByteArray Port_Scripte::Lire() {
    QByteArray arrive;
    while (!a_venir_.isEmpty() && a_venir_.first().instant_ms <= horloge_.ecoule_ms) {
        arrive += a_venir_.takeFirst().octets;
    }
    return arrive;
}

int Port_Scripte::Nb_Octets_En_Attente() {
    int n = 0;
    for (const Arrivee& a : a_venir_) {
        if (a.instant_ms > horloge_.ecoule_ms) break;
        n += static_cast<int>(a.octets.size());
    }
    return n;
}

void Port_Scripte::Ecrire(const QByteArray& octets) {
    if (!ouvert) return;
    envoye += octets;
    for (char c : octets) {
        trame_en_cours_ += c;
        if (c != '\r') continue;
        trames.append(trame_en_cours_);
        const QByteArray trame = trame_en_cours_;
        trame_en_cours_.clear();
        if (repondre) repondre(trame, static_cast<int>(trames.count(trame)));
    }
}
