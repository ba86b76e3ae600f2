// A bound on every wait for the PostgreSQL server. Keepalives see a cut cable, not a server
// whose process is frozen while its machine still acknowledges every packet: then libpq would
// wait for ever for a reply. The watchdog shuts the connection's socket once the wait is over,
// the blocked call returns with an error, and the operation fails like any lost connection.
#pragma once

#include <QSqlDatabase>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class Veille_Connexion {
  public:
    Veille_Connexion();
    ~Veille_Connexion();
    Veille_Connexion(const Veille_Connexion&) = delete;
    Veille_Connexion& operator=(const Veille_Connexion&) = delete;

    // Watches `base` while it lives: each exchange with the server must end within `delai` of
    // the guard's start or of its last Relancer().
    class Garde {
      public:
        Garde(Veille_Connexion* veille, const QSqlDatabase& base, std::chrono::milliseconds delai);
        ~Garde();
        Garde(const Garde&) = delete;
        Garde& operator=(const Garde&) = delete;
        // A new exchange begins: the count starts again (each record read, each copy checked).
        void Relancer();

      private:
        Veille_Connexion* veille_;
        std::chrono::milliseconds delai_;
    };

    // True when the last guard had to cut its connection: the failure that followed is the
    // server's silence, not its answer.
    bool Declenchee() const;

  private:
    void Armer(int socket, std::chrono::steady_clock::time_point echeance);
    void Repousser(std::chrono::steady_clock::time_point echeance);
    void Desarmer();
    void Veiller();

    mutable std::mutex verrou_;
    std::condition_variable reveil_;
    int socket_ = -1;  // -1: nothing to watch
    std::chrono::steady_clock::time_point echeance_;
    bool declenchee_ = false;
    bool fin_ = false;
    std::thread fil_;
};
