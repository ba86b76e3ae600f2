// The PostgreSQL server of the archive: how long the program waits for it, and why a connection
// to it failed, in French.
#pragma once

#include <QString>
#include <chrono>

struct Adresse_Archive;

// The longest wait for one exchange with the server, unless CALDRIX_ARCHIVE_DELAI (seconds)
// says otherwise.
std::chrono::seconds Delai_Serveur_Defaut();

// Qt's connect options for a server that must answer within `delai`: the connection attempt,
// keepalives for a cut link, and unacknowledged data.
QString Options_Connexion(std::chrono::seconds delai);
// The connection attempt's own bound, which Options_Connexion gives libpq.
std::chrono::seconds Delai_Connexion(std::chrono::seconds delai);

// An exchange that got no reply within `delai`.
QString Cause_Delai_Depasse(std::chrono::seconds delai);

// Why the connection to `adresse` failed: credentials refused, unknown base, server out of
// reach, no answer in time, or connections refused for now. `texte` is libpq's message (kept
// after the cause), `duree` how long the attempt took. Asks the server again (PQpingParams) to
// tell a server that is there from one that is not: a failed connection carries no SQLSTATE.
QString Cause_Connexion_Refusee(const Adresse_Archive& adresse, const QString& texte,
                                std::chrono::milliseconds duree, std::chrono::seconds delai);
