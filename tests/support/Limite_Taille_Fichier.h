// A full disk, as a test can have one even when it runs as root.
#pragma once

#include <sys/resource.h>

#include <csignal>

// Keeps a file size limit for the life of the object, the way a full disk stops a write.
class Limite_Taille_Fichier {
  public:
    explicit Limite_Taille_Fichier(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        ancien_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = ancienne_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~Limite_Taille_Fichier() {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancien_signal_);
    }

  private:
    rlimit ancienne_{};
    void (*ancien_signal_)(int) = nullptr;
};
