#include "Terminal_Simule.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// The step of the system that refused, and errno's reason.
Reussite_Ou_Erreur Echec_Systeme(const char* quoi) {
    return Reussite_Ou_Erreur::Echec(QString::fromUtf8(quoi) + QStringLiteral(" : ") +
                                     QString::fromLocal8Bit(std::strerror(errno)));
}

// Milliseconds to wait for `reveil`, rounded up so the wait never ends a little early.
int Delai_ms(Emission_Rythmee::Instant reveil) {
    const auto reste = reveil - std::chrono::steady_clock::now();
    if (reste <= std::chrono::steady_clock::duration::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(reste).count());
}

// While no one has the slave side open the master reports a hang-up; look again this often.
constexpr int Attente_Esclave_ms = 20;

}  // namespace

Terminal_Simule::Terminal_Simule(Logger_Simule logger) : logger_(std::move(logger)) {}

Terminal_Simule::~Terminal_Simule() {
    Arreter();
    Fermer();
}

Reussite_Ou_Erreur Terminal_Simule::Ouvrir() {
    maitre_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre_ < 0) return Echec_Systeme("posix_openpt");
    if (grantpt(maitre_) != 0 || unlockpt(maitre_) != 0) return Echec_Systeme("grantpt/unlockpt");
    const char* nom = ptsname(maitre_);
    if (!nom) return Echec_Systeme("ptsname");
    peripherique_ = QString::fromLocal8Bit(nom);
    esclave_ = ::open(nom, O_RDWR | O_NOCTTY);
    if (esclave_ < 0) return Echec_Systeme("ouverture de l'esclave");
    // Raw: no echo, no line editing, no CR/LF translation: bytes pass as a serial line's do.
    termios reglages{};
    if (tcgetattr(esclave_, &reglages) == 0) {
        cfmakeraw(&reglages);
        cfsetispeed(&reglages, B9600);
        cfsetospeed(&reglages, B9600);
        tcsetattr(esclave_, TCSANOW, &reglages);
    }
    fcntl(maitre_, F_SETFL, fcntl(maitre_, F_GETFL) | O_NONBLOCK);
    if (pipe(reveil_) != 0) return Echec_Systeme("pipe");
    fcntl(reveil_[0], F_SETFL, fcntl(reveil_[0], F_GETFL) | O_NONBLOCK);
    fcntl(reveil_[1], F_SETFL, fcntl(reveil_[1], F_GETFL) | O_NONBLOCK);
    return Reussi{};
}

Reussite_Ou_Erreur Terminal_Simule::Lier_Port(const QString& dossier, int numero) {
    const QString ports = QDir(dossier).filePath(QStringLiteral("ports"));
    if (!QDir().mkpath(ports)) {
        return Reussite_Ou_Erreur::Echec(QStringLiteral("impossible de créer le dossier ") + ports);
    }
    const QString lien = QDir(ports).filePath(QStringLiteral("COM%1").arg(numero));
    if (QFileInfo(lien).isSymLink() || QFileInfo::exists(lien)) QFile::remove(lien);
    if (::symlink(peripherique_.toLocal8Bit().constData(), lien.toLocal8Bit().constData()) != 0) {
        return Echec_Systeme("lien du port");
    }
    lien_ = lien;
    return Reussi{};
}

Reussite_Ou_Erreur Terminal_Simule::Ouvrir_Sur_Port(const QString& dossier, int numero) {
    const Reussite_Ou_Erreur ouvert = Ouvrir();
    return ouvert ? Lier_Port(dossier, numero) : ouvert;
}

void Terminal_Simule::Servir() {
    while (!arret_.load()) {
        std::optional<Emission_Rythmee::Instant> reveil;
        const QByteArrayView pret = emission_.Disponible(std::chrono::steady_clock::now(), reveil);
        int delai = -1;
        if (reveil) delai = Delai_ms(*reveil);
        pollfd fds[2] = {{reveil_[0], POLLIN, 0}, {maitre_, POLLIN, 0}};
        if (!pret.isEmpty()) fds[1].events |= POLLOUT;
        if (esclave_absent_) {
            fds[1].fd = -1;  // keep the master, look again shortly
            delai = Attente_Esclave_ms;
            esclave_absent_ = false;
        }
        if (poll(fds, 2, delai) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[0].revents & POLLIN) {
            char vide[64];
            while (::read(reveil_[0], vide, sizeof vide) > 0) {
            }
            continue;
        }
        if (fds[1].revents & (POLLHUP | POLLERR)) esclave_absent_ = true;
        if (fds[1].revents & POLLIN) Lire_Maitre();
        if ((fds[1].revents & POLLOUT) && !pret.isEmpty()) Ecrire_Maitre(pret);
    }
}

void Terminal_Simule::Lire_Maitre() {
    char octets[4096];
    const ssize_t n = ::read(maitre_, octets, sizeof octets);
    if (n < 0) {
        if (errno == EIO) esclave_absent_ = true;
        return;
    }
    if (n == 0) return;
    Logger_Simule::Reponse reponse;
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        reponse = logger_.Recevoir(QByteArrayView(octets, n));
    }
    emission_.Ajouter(reponse, std::chrono::steady_clock::now());
}

void Terminal_Simule::Ecrire_Maitre(QByteArrayView octets) {
    const ssize_t n = ::write(maitre_, octets.data(), static_cast<std::size_t>(octets.size()));
    if (n > 0) {
        emission_.Retirer(n);
    } else if (n < 0 && errno == EIO) {
        esclave_absent_ = true;
    }
}

void Terminal_Simule::Demander_Arret() {
    arret_.store(true);
    if (reveil_[1] >= 0) {
        const char un = 1;
        [[maybe_unused]] const ssize_t n = ::write(reveil_[1], &un, 1);
    }
}

void Terminal_Simule::Demarrer() {
    arret_.store(false);
    fil_ = std::thread([this] { Servir(); });
}

void Terminal_Simule::Arreter() {
    Demander_Arret();
    if (fil_.joinable()) fil_.join();
}

void Terminal_Simule::Debrancher() {
    Arreter();
    Fermer();
}

void Terminal_Simule::Fermer() {
    if (!lien_.isEmpty() && QFileInfo(lien_).symLinkTarget() == peripherique_) {
        QFile::remove(lien_);
    }
    for (int* fd : {&esclave_, &maitre_, &reveil_[0], &reveil_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}
