// The archive of recordings: a database, through Qt SQL, holding each archived recordings file
// byte for byte with what it records. The SQLite file of the program folder, or the PostgreSQL
// server of the site (Adresse_Archive.h).
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "archive/Adresse_Archive.h"
#include "archive/Fiche_Etude.h"
#include "archive/Resultats_Archive.h"
#include "study/Fichier_Etude.h"

class QSqlDatabase;
class QSqlError;
class QVariant;
class Veille_Connexion;

class Archive {
  public:
    // Opens the archive, making its folder, its file or its tables, or upgrading them, as
    // needed; a French message when it cannot be reached or prepared. Qt SQL needs a
    // QCoreApplication to load its drivers.
    static Ou_Erreur<std::unique_ptr<Archive>> Ouvrir(const Adresse_Archive& adresse);
    // The same for the archive this workstation is set to use (Adresse_Configuree).
    static Ou_Erreur<std::unique_ptr<Archive>> Ouvrir();
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    const Adresse_Archive& Adresse() const { return adresse_; }
    // The version of the tables, as the base holds it (-1 when it cannot be read).
    int Version_Schema();

    // Archives the recordings file `chemin` in one transaction: whole or not at all. A file
    // that is not a readable recordings file is refused.
    // `unite`: the unit it was recorded in, when the caller knows it (a download).
    Resultat_Ajout Ajouter(const QString& chemin, const QString& unite = QString());
    // The recordings that pass the filter, newest first (first stamp, then number), without
    // their bytes.
    Resultat_Liste Lister(const Filtre_Archive& filtre);
    // Writes the archived bytes of recording `id` to the file `sortie`, replacing it only once
    // the new file is complete.
    Resultat_Export Exporter(int64_t id, const QString& sortie);
    // The archived bytes of recording `id`, checked against their SHA-256.
    Ou_Erreur<QByteArray> Octets(int64_t id);
    // The archived bytes whose SHA-256 is `sha256`, checked; nothing when no recording has it.
    Ou_Erreur<std::optional<QByteArray>> Octets_Empreinte(const QString& sha256);
    // Checks the recordings that pass the filter: that each one's file is still where it was
    // archived from, with the same bytes, and that the archive's own copy still gives the
    // recording's SHA-256 (read one at a time). On SQLite, the database's integrity check too.
    Resultat_Verification Verifier(const Filtre_Archive& filtre = {});

    // Keeps a study: its rules with their limits, its verdict, who made it where, and which
    // recordings by their SHA-256 (the recordings themselves are archived on their own). Its
    // number in the archive.
    Ou_Erreur<int64_t> Garder_Etude(const Etude::Etude_Gardee& etude);
    // The studies kept, newest first.
    Ou_Erreur<QList<Fiche_Etude>> Lister_Etudes();
    // Study `id` as it was kept.
    Ou_Erreur<Etude::Etude_Gardee> Lire_Etude(int64_t id);

    // The longest wait for one exchange with a PostgreSQL server (CALDRIX_ARCHIVE_DELAI, or 30
    // s). The connection attempt's own bound follows it from the next connection on.
    void Definir_Delai(std::chrono::seconds delai);

    // For tests: called during an add, once everything is written and before the commit.
    void Definir_Avant_Validation(std::function<void()> crochet) {
        avant_validation_ = std::move(crochet);
    }

  private:
    explicit Archive(const Adresse_Archive& adresse);
    // Opens the connection when it is closed: after a failure it is closed, so the next call
    // starts again on a fresh one (a server that came back, a file that was fixed).
    Reussite_Ou_Erreur Connecter();
    void Deconnecter();
    QSqlDatabase Base() const;
    // The cause of a failed statement, in French: the watchdog's cut, or the database's error.
    QString Cause(const QSqlError& erreur) const;

    // One archived copy, read by the condition on `e` (enregistrements) and its value.
    struct Copie {
        enum Bilan { Lue, Inconnue, Alteree, Echec } bilan = Echec;
        int64_t id = 0;
        QByteArray octets;  // Lue only
        QString message;    // Alteree, Echec
    };
    Copie Lire_Copie(const QString& condition, const QVariant& cle);

    Adresse_Archive adresse_;
    QString connexion_;  // the Qt SQL connection name, this object's own
    std::function<void()> avant_validation_;
    std::chrono::seconds delai_;
    std::unique_ptr<Veille_Connexion> veille_;  // PostgreSQL only
};
