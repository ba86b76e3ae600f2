#include "Emission_Rythmee.h"

#include <algorithm>

namespace {
// Paced output goes in small batches: fewer system calls, and still no gap near the 100 ms
// after which the program takes a reply as finished.
constexpr int64_t Lot_Rythme = 8;
}  // namespace

void Emission_Rythmee::Ajouter(const Logger_Simule::Reponse& reponse, Instant maintenant) {
    if (file_.empty()) {
        debut_fil_ = maintenant;
        caracteres_fil_ = 0;
    }
    for (const Logger_Simule::Morceau& m : reponse) {
        if (!m.octets.isEmpty()) file_.push_back(m);
    }
}

QByteArrayView Emission_Rythmee::Disponible(Instant maintenant, std::optional<Instant>& reveil) {
    reveil.reset();
    if (file_.empty()) return {};
    const Logger_Simule::Morceau& premier = file_.front();
    if (premier.pause_ms > 0 && envoyes_du_premier_ == 0) {
        if (!fin_pause_) fin_pause_ = maintenant + std::chrono::milliseconds(premier.pause_ms);
        if (maintenant < *fin_pause_) {
            reveil = fin_pause_;
            return {};
        }
        // The line was idle during the pause: the wire starts again from here.
        debut_fil_ = *fin_pause_;
        caracteres_fil_ = 0;
    }
    const QByteArrayView reste = QByteArrayView(premier.octets).sliced(envoyes_du_premier_);
    if (!rythme_reel_) return reste;

    const auto ecoule =
        std::chrono::duration_cast<std::chrono::microseconds>(maintenant - debut_fil_).count();
    const int64_t permis = ecoule * Caracteres_Par_Seconde / 1000000 - caracteres_fil_;
    const int64_t lot = std::min<int64_t>(Lot_Rythme, reste.size());
    if (permis < lot) {
        // Rounded up: woken a microsecond early, the batch would still not be allowed.
        const int64_t fin_lot_us =
            ((caracteres_fil_ + lot) * 1000000 + Caracteres_Par_Seconde - 1) /
            Caracteres_Par_Seconde;
        reveil = debut_fil_ + std::chrono::microseconds(fin_lot_us);
        return {};
    }
    return reste.first(std::min<int64_t>(permis, reste.size()));
}

void Emission_Rythmee::Retirer(qsizetype n) {
    if (file_.empty() || n <= 0) return;
    envoyes_du_premier_ += n;
    caracteres_fil_ += n;
    if (envoyes_du_premier_ >= file_.front().octets.size()) {
        file_.pop_front();
        envoyes_du_premier_ = 0;
        fin_pause_.reset();
    }
}
