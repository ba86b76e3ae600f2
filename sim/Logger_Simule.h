// The logger's side of the serial protocol, with no port and no thread: it is fed the bytes the
// program sends and returns the bytes a 7306 or 7307 logger would answer.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>
#include <functional>
#include <vector>

#include "Memoire_Logger.h"
#include "Panne_Simulee.h"

class Logger_Simule {
  public:
    // A piece of reply, sent after a silence of `pause_ms` (faults use it to stall mid-reply).
    struct Morceau {
        int pause_ms = 0;
        QByteArray octets;
    };
    using Reponse = std::vector<Morceau>;
    // Milliseconds of a monotonic clock: the logger's own clock runs with it.
    using Source_Temps = std::function<int64_t()>;

    explicit Logger_Simule(Memoire_Logger memoire = {}, Source_Temps temps = {});

    // Takes bytes as they come off the wire; each carriage return ends a frame, which is
    // answered at once. Returns the reply to every frame completed by these bytes.
    Reponse Recevoir(QByteArrayView octets);

    Memoire_Logger& Memoire() { return memoire_; }
    const Memoire_Logger& Memoire() const { return memoire_; }

    // The logger's clock: seconds since the clock origin, running.
    int32_t Horloge() const;
    void Regler_Horloge(int32_t compte);

    void Definir_Panne(Panne_Simulee panne) { panne_ = panne; }
    const Panne_Simulee& Panne_Active() const { return panne_; }

    // Every frame received, without its carriage return, in order.
    const QList<QByteArray>& Trames_Recues() const { return trames_; }
    // Called with each frame as it is received (the executable's journal file).
    void Definir_Suivi(std::function<void(const QByteArray&)> suivi) { suivi_ = std::move(suivi); }

  private:
    Reponse Traiter(const QByteArray& trame);
    QByteArray Executer(const QByteArray& trame);
    QByteArray Ligne_Identite() const;
    QByteArray Ligne_Etat(int nb_lignes) const;
    QByteArray Telechargement() const;
    QByteArray Ecrire_Identite(const QByteArray& trame);
    QByteArray Ecrire_Horloge(const QList<QByteArray>& champs);
    QByteArray Ecrire_Alarmes(const QList<QByteArray>& champs);
    QByteArray Demarrer_Enreg(const QList<QByteArray>& champs);
    Reponse Deformer(char lettre, QByteArray reponse) const;

    Memoire_Logger memoire_;
    Source_Temps temps_;
    int32_t horloge_reglee_ = 0;
    int64_t reglee_a_ms_ = 0;
    Panne_Simulee panne_;
    QByteArray trame_en_cours_;
    QByteArray trame_ignoree_;  // for the second-attempt fault
    QList<QByteArray> trames_;
    std::function<void(const QByteArray&)> suivi_;
};
