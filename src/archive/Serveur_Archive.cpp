#include "archive/Serveur_Archive.h"

#include <libpq-fe.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <algorithm>

#include "archive/Adresse_Archive.h"

using namespace std::chrono_literals;

namespace {

// A server of the site answers a connection in milliseconds: ten seconds leave room for a
// name lookup and a loaded server, and a download that archives its file still ends promptly.
constexpr std::chrono::seconds Connexion_Maxi{10};
// Half a minute for one statement, when adding a 16000-measure file takes well under a second
// on a local network: only a server that no longer works reaches it.
constexpr std::chrono::seconds Reponse_Defaut{30};

}  // namespace

std::chrono::seconds Delai_Serveur_Defaut() {
    bool ok = false;
    const int secondes = qEnvironmentVariableIntValue("CALDRIX_ARCHIVE_DELAI", &ok);
    return ok && secondes > 0 ? std::chrono::seconds(secondes) : Reponse_Defaut;
}

std::chrono::seconds Delai_Connexion(std::chrono::seconds delai) {
    // libpq takes anything under two seconds as two.
    return std::clamp(delai, std::chrono::seconds(2), Connexion_Maxi);
}

QString Options_Connexion(std::chrono::seconds delai) {
    // A link cut without a word (cable, VPN, a server that lost power) is found by the
    // keepalives after 10 + 3 × 5 = 25 s of silence, and data the server never acknowledges
    // ends the connection after the same bound as a statement.
    return QStringLiteral(
               "connect_timeout=%1;keepalives=1;keepalives_idle=10;keepalives_interval=5;"
               "keepalives_count=3;tcp_user_timeout=%2")
        .arg(Delai_Connexion(delai).count())
        .arg(std::chrono::milliseconds(delai).count());
}

QString Cause_Delai_Depasse(std::chrono::seconds delai) {
    return QStringLiteral("délai dépassé : le serveur des archives n'a pas répondu en %1 s")
        .arg(delai.count());
}

QString Cause_Connexion_Refusee(const Adresse_Archive& adresse, const QString& texte,
                                std::chrono::milliseconds duree, std::chrono::seconds delai) {
    const std::chrono::seconds attente = Delai_Connexion(delai);
    const auto avec_texte = [&](const QString& cause) {
        return texte.isEmpty() ? cause : QStringLiteral("%1 (%2)").arg(cause, texte);
    };
    // libpq counts its connection time in whole seconds: an attempt may end up to a second
    // early. One that used up its time has its answer already: a second one would only wait
    // as long again.
    const auto epuise = [&](std::chrono::milliseconds d) { return d >= attente - 1s; };
    if (epuise(duree)) return avec_texte(Cause_Delai_Depasse(attente));

    const QByteArray hote = adresse.Hote.toUtf8(), port = QByteArray::number(adresse.Port),
                     base = adresse.Base.toUtf8(), utilisateur = adresse.Utilisateur.toUtf8(),
                     limite = QByteArray::number(static_cast<qint64>(attente.count()));
    const char* const cles[] = {"host", "port", "dbname", "user", "connect_timeout", nullptr};
    const char* const valeurs[] = {hote.constData(),        port.constData(),   base.constData(),
                                   utilisateur.constData(), limite.constData(), nullptr};
    QElapsedTimer chrono;
    chrono.start();
    const PGPing reponse = PQpingParams(cles, valeurs, 0);
    switch (reponse) {
        case PQPING_NO_RESPONSE:
            if (epuise(std::chrono::milliseconds(chrono.elapsed()))) {
                return avec_texte(Cause_Delai_Depasse(attente));
            }
            return avec_texte(
                QStringLiteral("serveur injoignable : rien ne répond sur %1, port %2 (serveur "
                               "arrêté, nom ou port faux, réseau coupé)")
                    .arg(adresse.Hote, QString::number(adresse.Port)));
        case PQPING_REJECT:
            return avec_texte(QStringLiteral(
                "le serveur des archives refuse les connexions pour le moment (démarrage, arrêt "
                "ou trop de connexions)"));
        case PQPING_NO_ATTEMPT:
            return avec_texte(QStringLiteral("adresse du serveur des archives inutilisable"));
        case PQPING_OK:
            break;
    }
    // The server is there and said no: to the base, or to whoever asked. It may speak French.
    if (texte.contains(QStringLiteral("database \"%1\" does not exist").arg(adresse.Base)) ||
        texte.contains(QStringLiteral("base de données « %1 » n").arg(adresse.Base))) {
        return avec_texte(QStringLiteral("base inconnue : le serveur des archives n'a pas de base "
                                         "« %1 »")
                              .arg(adresse.Base));
    }
    return avec_texte(QStringLiteral("identifiants refusés : le serveur des archives refuse "
                                     "l'utilisateur « %1 » ou son mot de passe")
                          .arg(adresse.Utilisateur));
}
