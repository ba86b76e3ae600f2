// The bytes waiting to go out to the program, with the pauses the faults ask for and, on
// demand, the pace of the real 9600-baud wire (960 characters a second).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <chrono>
#include <deque>
#include <optional>

#include "Logger_Simule.h"

class Emission_Rythmee {
  public:
    using Instant = std::chrono::steady_clock::time_point;
    static constexpr int Caracteres_Par_Seconde = 960;  // 9600 baud, 10 bits a character

    void Definir_Rythme_Reel(bool actif) { rythme_reel_ = actif; }
    void Ajouter(const Logger_Simule::Reponse& reponse, Instant maintenant);
    bool Vide() const { return file_.empty(); }

    // The bytes that may be written now. When none may, `reveil` (if not empty) says when to
    // ask again.
    QByteArrayView Disponible(Instant maintenant, std::optional<Instant>& reveil);
    // `n` of the bytes given by Disponible were written.
    void Retirer(qsizetype n);

  private:
    std::deque<Logger_Simule::Morceau> file_;
    qsizetype envoyes_du_premier_ = 0;
    std::optional<Instant> fin_pause_;
    bool rythme_reel_ = false;
    // The wire: characters sent since it last started from idle.
    Instant debut_fil_{};
    int64_t caracteres_fil_ = 0;
};
