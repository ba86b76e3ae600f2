#include "archive/Veille_Connexion.h"

#include <libpq-fe.h>
#include <sys/socket.h>

#include <QSqlDriver>
#include <QVariant>
#include <cstring>

namespace {

// The socket of a PostgreSQL connection that is open, -1 otherwise (SQLite, closed).
int Socket_Connexion(const QSqlDatabase& base) {
    if (!base.isOpen() || !base.driver()) return -1;
    const QVariant poignee = base.driver()->handle();
    // Qt names the type after the structure behind libpq's typedef.
    if (!poignee.isValid() || (std::strcmp(poignee.typeName(), "PGconn*") != 0 &&
                               std::strcmp(poignee.typeName(), "pg_conn*") != 0)) {
        return -1;
    }
    PGconn* connexion = *static_cast<PGconn* const*>(poignee.constData());
    return connexion ? PQsocket(connexion) : -1;
}

}  // namespace

Veille_Connexion::Veille_Connexion() : fil_([this] { Veiller(); }) {}

Veille_Connexion::~Veille_Connexion() {
    {
        std::lock_guard<std::mutex> garde(verrou_);
        fin_ = true;
    }
    reveil_.notify_one();
    fil_.join();
}

bool Veille_Connexion::Declenchee() const {
    std::lock_guard<std::mutex> garde(verrou_);
    return declenchee_;
}

void Veille_Connexion::Armer(int socket, std::chrono::steady_clock::time_point echeance) {
    {
        std::lock_guard<std::mutex> garde(verrou_);
        socket_ = socket;
        echeance_ = echeance;
        declenchee_ = false;
    }
    reveil_.notify_one();
}

void Veille_Connexion::Repousser(std::chrono::steady_clock::time_point echeance) {
    // No wake-up needed: the watcher finds the later deadline when the earlier one comes.
    std::lock_guard<std::mutex> garde(verrou_);
    echeance_ = echeance;
}

void Veille_Connexion::Desarmer() {
    // Once this returns the watcher no longer holds the socket, which may then be closed.
    std::lock_guard<std::mutex> garde(verrou_);
    socket_ = -1;
}

void Veille_Connexion::Veiller() {
    std::unique_lock<std::mutex> verrou(verrou_);
    while (!fin_) {
        if (socket_ < 0) {
            reveil_.wait(verrou);
        } else if (std::chrono::steady_clock::now() < echeance_) {
            reveil_.wait_until(verrou, echeance_);
        } else {
            // The blocked libpq call sees the connection end; the socket stays libpq's to close.
            ::shutdown(socket_, SHUT_RDWR);
            socket_ = -1;
            declenchee_ = true;
        }
    }
}

Veille_Connexion::Garde::Garde(Veille_Connexion* veille, const QSqlDatabase& base,
                               std::chrono::milliseconds delai)
    : veille_(veille), delai_(delai) {
    const int socket = veille_ ? Socket_Connexion(base) : -1;
    if (socket < 0) {
        veille_ = nullptr;
        return;
    }
    veille_->Armer(socket, std::chrono::steady_clock::now() + delai_);
}

Veille_Connexion::Garde::~Garde() {
    if (veille_) veille_->Desarmer();
}

void Veille_Connexion::Garde::Relancer() {
    if (veille_) veille_->Repousser(std::chrono::steady_clock::now() + delai_);
}
