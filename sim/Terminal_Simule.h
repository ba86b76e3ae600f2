// The simulated logger on a real pseudo-terminal: the program opens the slave side as it would
// open a serial port, and this serves the master side.
#pragma once

#include <QString>
#include <atomic>
#include <mutex>
#include <thread>

#include "Emission_Rythmee.h"
#include "Logger_Simule.h"
#include "core/Ou_Erreur.h"

class Terminal_Simule {
  public:
    explicit Terminal_Simule(Logger_Simule logger);
    ~Terminal_Simule();
    Terminal_Simule(const Terminal_Simule&) = delete;
    Terminal_Simule& operator=(const Terminal_Simule&) = delete;

    // Opens the pseudo-terminal in raw mode; the reason when the system refuses.
    Reussite_Ou_Erreur Ouvrir();
    // The slave device, e.g. /dev/pts/3: what the program opens.
    const QString& Peripherique() const { return peripherique_; }
    // Makes <dossier>/ports/COM<numero> a link to the device, so that the program finds the
    // logger on port `numero`. The link goes when the terminal closes.
    Reussite_Ou_Erreur Lier_Port(const QString& dossier, int numero);
    const QString& Lien() const { return lien_; }
    // Both: the logger on port `numero` of the program folder `dossier`.
    Reussite_Ou_Erreur Ouvrir_Sur_Port(const QString& dossier, int numero);

    // Paces the replies at 960 characters a second, as on the real wire. Before serving only.
    void Definir_Rythme_Reel(bool actif) { emission_.Definir_Rythme_Reel(actif); }

    // Serves the program until Demander_Arret (the executable's main loop).
    void Servir();
    // Safe in a signal handler.
    void Demander_Arret();
    // The same loop in a thread of its own, for use inside a test.
    void Demarrer();
    void Arreter();
    // A logger unplugged: the serving stops, the terminal and its port link go.
    void Debrancher();

    // Runs `f` on the logger while the serving loop keeps off it.
    template <typename F>
    auto Avec_Logger(F&& f) {
        std::lock_guard<std::mutex> verrou(mutex_);
        return f(logger_);
    }

  private:
    void Lire_Maitre();
    void Ecrire_Maitre(QByteArrayView octets);
    void Fermer();

    Logger_Simule logger_;
    std::mutex mutex_;
    Emission_Rythmee emission_;
    int maitre_ = -1;
    int esclave_ = -1;  // kept open: the line settings stay, and the master never hangs up
    int reveil_[2] = {-1, -1};
    QString peripherique_;
    QString lien_;
    std::atomic<bool> arret_{false};
    bool esclave_absent_ = false;
    std::thread fil_;
};
