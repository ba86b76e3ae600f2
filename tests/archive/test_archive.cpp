// The archive as a technician uses it, on the SQLite file and on a new base of the test
// program's own PostgreSQL server.
#include <libpq-fe.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

#include "Dossier_Temporaire.h"
#include "Enregistrement_Essai.h"
#include "Execution_Programme.h"
#include "Impression_Qt.h"
#include "Limite_Taille_Fichier.h"
#include "Postgres_Prive.h"
#include "archive/Archive.h"
#include "core/Empreinte.h"
#include "core/Etat.h"
#include "files/Fichier_Enreg.h"
#include "study/Fichier_Etude.h"

using namespace Qt::StringLiterals;

namespace {

using Moteur = Adresse_Archive::Moteur;
using namespace std::chrono_literals;

// A connection of the test's own to a base of the private server, beside the program's.
class Connexion_Essai {
  public:
    explicit Connexion_Essai(const QString& adresse)
        : connexion_(PQconnectdb(adresse.toUtf8().constData()), PQfinish) {
        EXPECT_EQ(PQstatus(connexion_.get()), CONNECTION_OK) << PQerrorMessage(connexion_.get());
    }
    // The first value the order gives (empty when none); false in `ok` when it failed.
    QString Valeur(const QByteArray& ordre, bool* ok = nullptr) {
        const std::unique_ptr<PGresult, decltype(&PQclear)> r(
            PQexec(connexion_.get(), ordre.constData()), PQclear);
        const ExecStatusType etat = PQresultStatus(r.get());
        if (ok) *ok = etat == PGRES_COMMAND_OK || etat == PGRES_TUPLES_OK;
        return etat == PGRES_TUPLES_OK && PQntuples(r.get()) > 0
                   ? QString::fromUtf8(PQgetvalue(r.get(), 0, 0))
                   : QString();
    }
    bool Executer(const QByteArray& ordre) {
        bool ok = false;
        Valeur(ordre, &ok);
        return ok;
    }
    // The first value, asked again until there is one (a state of another connection).
    QString Attendre_Valeur(const QByteArray& ordre) {
        for (const QDeadlineTimer limite(20000); !limite.hasExpired();) {
            // Within a transaction the server shows the same activity until told to look again.
            Executer("SELECT pg_stat_clear_snapshot()");
            if (const QString v = Valeur(ordre); !v.isEmpty()) return v;
        }
        return {};
    }

  private:
    std::unique_ptr<PGconn, decltype(&PQfinish)> connexion_;
};

// A server process stopped as a frozen machine would be; it runs again when this ends.
struct Processus_Fige {
    explicit Processus_Fige(pid_t p) : pid(p) {
        // Never 0 or less: kill() would stop a whole process group.
        EXPECT_TRUE(pid > 0 && kill(pid, SIGSTOP) == 0) << pid;
    }
    ~Processus_Fige() { Reprendre(); }
    void Reprendre() {
        if (pid > 0) kill(std::exchange(pid, 0), SIGCONT);
    }
    pid_t pid;
};

// The backend of the program's connection, waiting for the lock the test holds.
const char Serveur_Bloque[] =
    "SELECT pid FROM pg_stat_activity WHERE datname = current_database() "
    "AND wait_event_type = 'Lock'";

// A recordings file of logger `identite`: three model-7307 records a minute apart from `debut`.
QByteArray Fichier_Essai(const QString& identite, double debut, const QString& commentaire = {}) {
    return Import_Export::Contenu_Fichier_Enreg(*Enregistrement_Essai(7307)
                                                     .Identite(identite)
                                                     .Debut(debut)
                                                     .Commentaire(commentaire)
                                                     .Temperatures({5, 6, 7})
                                                     .Etat_Rempli());
}

QList<int64_t> Numeros(const Resultat_Liste& liste) {
    EXPECT_TRUE(liste.Lu) << liste.Message.toStdString();
    QList<int64_t> numeros;
    for (const Fiche_Archive& f : liste.Fiches)
        numeros << f.Id;
    return numeros;
}

class ArchiveCommune : public Dossier_Temporaire<::testing::TestWithParam<Moteur>> {
  protected:
    void SetUp() override {
        Dossier_Temporaire::SetUp();
        if (HasFatalFailure() || GetParam() == Moteur::SQLite) return;
        Postgres_Prive& serveur = Postgres_Prive::Commun();
        if (!serveur.Absence().isEmpty()) GTEST_SKIP() << serveur.Absence().toStdString();
        if (!QSqlDatabase::isDriverAvailable(u"QPSQL"_s)) GTEST_SKIP() << "pilote QPSQL absent";
        qputenv("CALDRIX_ARCHIVE", serveur.Nouvelle_Base().toUtf8());
    }
    void TearDown() override {
        qunsetenv("CALDRIX_ARCHIVE");
        Dossier_Temporaire::TearDown();
    }
    // The archive as the program opens it (CALDRIX_ARCHIVE names the server, or nothing does).
    std::unique_ptr<Archive> Ouvrir() {
        auto archive = Archive::Ouvrir();
        EXPECT_TRUE(archive) << archive.Erreur().toStdString();
        return archive ? std::move(*archive) : nullptr;
    }
};
using ArchiveServeur = ArchiveCommune;
using ArchiveLocale = ArchiveCommune;

std::string Nom_Moteur(const ::testing::TestParamInfo<Moteur>& info) {
    return info.param == Moteur::SQLite ? "SQLite" : "PostgreSQL";
}

}  // namespace

TEST_P(ArchiveCommune, ChaqueEnregistrementUneFoisLePlusRecentDAbordParChaqueFiltre) {
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Version_Schema(), 4);
    const QByteArray a = Fichier_Essai(u"FOUR01"_s, 46357,  // 01/12/2026
                                       u"Chambre froide ÉTÉ"_s);
    const QString chemin_a = Ecrire(u"a.txt"_s, a);
    QList<int64_t> id;
    for (const QString& chemin :
         {chemin_a, Ecrire(u"b.txt"_s, Fichier_Essai(u"FOUR02"_s, 46359, u"Lot 12 à 50%"_s)),
          Ecrire(u"c.txt"_s, Fichier_Essai(u"FOUR01"_s, 46361, u"Lot_12"_s))}) {
        const Resultat_Ajout r = archive->Ajouter(chemin);
        ASSERT_EQ(r.Bilan, Bilan_Ajout::Archive) << r.Message.toStdString();
        id << r.Id;
    }
    // The same bytes from another place are the same recording.
    const Resultat_Ajout copie = archive->Ajouter(Ecrire(u"copie.txt"_s, a));
    EXPECT_EQ(copie.Bilan, Bilan_Ajout::Deja_Archive);
    EXPECT_EQ(copie.Id, id[0]);
    const Resultat_Ajout faux = archive->Ajouter(Ecrire(u"faux.txt"_s, "bonjour"));
    EXPECT_EQ(faux.Bilan, Bilan_Ajout::Echec);
    EXPECT_EQ(faux.Message,
              u"Fichier incorrect! (%1 : ligne 2 : le fichier s'arrête avant "
              "l'identité du logger)"_s.arg(Chemin(u"faux.txt"_s)));

    const Resultat_Liste tout = archive->Lister({});
    EXPECT_EQ(Numeros(tout), (QList<int64_t>{id[2], id[1], id[0]}));
    const Fiche_Archive& f = tout.Fiches.last();
    EXPECT_EQ(QStringList({f.Identite, f.Modele, f.Debut, f.Fin, f.Fichier}),
              QStringList({u"FOUR01"_s, u"7307"_s, u"2026-12-01T00:00:00"_s,
                           u"2026-12-01T00:02:00"_s, chemin_a}));
    // Temperatures 5, 6 and 7: the figures lists show without decoding the file.
    EXPECT_EQ((std::vector{f.Minimum, f.Maximum, f.Moyenne}),
              (std::vector<std::optional<double>>{5, 7, 6}));
    ASSERT_TRUE(f.Mkt);
    EXPECT_GT(*f.Mkt, 6);
    EXPECT_LT(*f.Mkt, 6.1);
    EXPECT_EQ(QStringList({QString::number(f.Periode), f.Commentaire, QString::number(f.Recette),
                           QString::number(f.Mesures), QString::number(f.Annoncees), f.Unite}),
              QStringList({u"60"_s, u"Chambre froide ÉTÉ"_s, u"0"_s, u"3"_s, u"3"_s, QString()}));

    EXPECT_EQ(Numeros(archive->Lister({{}, 46358, 46360, {}})), QList<int64_t>{id[1]});
    // A range inside a recording's span still meets it.
    const double dedans = 46357 + 1 / 1440.0;
    EXPECT_EQ(Numeros(archive->Lister({{}, dedans, dedans, {}})), QList<int64_t>{id[0]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"été"_s})), QList<int64_t>{id[0]});
    // Whatever the case of the identity, whatever the case and accents of the word.
    EXPECT_EQ(Numeros(archive->Lister({u"four01"_s, {}, {}, {}})), (QList<int64_t>{id[2], id[0]}));
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"FROIDE ete"_s})), QList<int64_t>{id[0]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"lot 12 a"_s})), QList<int64_t>{id[1]});
    // LIKE's wildcards are plain characters of the searched word.
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"t_1"_s})), QList<int64_t>{id[2]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"50%"_s})), QList<int64_t>{id[1]});

    // A file shorter than its header is kept as incomplete; a unit the caller knows is kept, and
    // the figures are worked out in it (the MKT of 5, 6, 7 °F in kelvins from Fahrenheit).
    QByteArray court = Fichier_Essai(u"FOUR03"_s, 46365);
    court.replace("[Nombre de mesure]\r\n6\r\n", "[Nombre de mesure]\r\n10\r\n");
    ASSERT_EQ(archive->Ajouter(Ecrire(u"d.txt"_s, court), u"°F"_s).Bilan, Bilan_Ajout::Archive);
    const Resultat_Liste d = archive->Lister({u"FOUR03"_s, {}, {}, {}});
    ASSERT_EQ(d.Fiches.size(), 1);
    EXPECT_EQ(QStringList({QString::number(d.Fiches[0].Mesures),
                           QString::number(d.Fiches[0].Annoncees), d.Fiches[0].Unite}),
              QStringList({u"3"_s, u"5"_s, u"°F"_s}));
    EXPECT_TRUE(d.Fiches[0].Incomplet());
    EXPECT_NE(d.Fiches[0].Mkt, f.Mkt);
}

TEST_P(ArchiveServeur, UnServeurPerduAvantLaValidationNeGardeRienDeLAjout) {
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    Postgres_Prive& serveur = Postgres_Prive::Commun();
    archive->Definir_Avant_Validation([&] { EXPECT_TRUE(serveur.Arreter_Brutalement()); });
    const QString a = Ecrire(u"a.txt"_s, Fichier_Essai({}, 46000));
    const Resultat_Ajout coupe = archive->Ajouter(a);
    EXPECT_EQ(coupe.Bilan, Bilan_Ajout::Echec);
    // The commit was on its way: whether the server took it, only the next add can tell.
    EXPECT_TRUE(coupe.Incertain);
    EXPECT_TRUE(coupe.Message.startsWith(
        a + u" n'est peut-être pas archivé : le serveur des archives ne répond pas"_s))
        << coupe.Message.toStdString();
    EXPECT_TRUE(coupe.Message.endsWith(u" ; le prochain ajout ou « archive verify » le dira"_s));

    ASSERT_TRUE(serveur.Demarrer());
    archive->Definir_Avant_Validation({});
    // Nothing was kept, and the same archive object starts again on a new connection.
    EXPECT_EQ(archive->Ajouter(a).Bilan, Bilan_Ajout::Archive);
}

TEST_P(ArchiveServeur, DeuxPostesAjoutantEnMemeTempsGardentChacunUneFois) {
    QStringList fichiers;
    for (int i = 0; i < 30; ++i)
        fichiers << Ecrire(u"%1.txt"_s.arg(i), Fichier_Essai({}, 46000 + i));
    // Both start on a new base, so they also race to make its tables; the second goes
    // backwards to meet the first on the shared files.
    QStringList seconds = fichiers.mid(10);
    std::reverse(seconds.begin(), seconds.end());
    QProcess poste[2];
    const QStringList ajouter = {u"archive"_s, u"add"_s};
    poste[0].start(QStringLiteral(CALDRIX_CLI), ajouter + fichiers.mid(0, 20));
    poste[1].start(QStringLiteral(CALDRIX_CLI), ajouter + seconds);
    QString sorties;
    for (QProcess& p : poste) {
        const Execution e = Fin_Execution(p);
        EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
        sorties += e.sortie;
    }
    EXPECT_EQ(sorties.count(u" archivé (n° "_s), 30);
    EXPECT_EQ(sorties.count(u" déjà dans les archives (n° "_s), 10);
    // Each file once (what a listing holds of each: the first test).
    EXPECT_EQ(Ouvrir()->Lister({}).Fiches.size(), 30);
}

// An archive of the previous version, its identity and comment searched only as typed, is
// brought up to date when it is opened: what it held is found whatever the case and accents.
TEST_P(ArchiveLocale, UneArchiveDeLaVersionPrecedenteEstMiseAJourEtCherchable) {
    const QString a = Ecrire(u"a.txt"_s, Fichier_Essai(u"Four01"_s, 46357, u"Crème brûlée"_s));
    ASSERT_EQ(Ouvrir()->Ajouter(a).Bilan, Bilan_Ajout::Archive);
    {
        // Taken back to the tables of version 2, as that version left them.
        QSqlDatabase base = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"ancienne"_s);
        base.setDatabaseName(Chemin(u"Archives/caldrix.sqlite"_s));
        ASSERT_TRUE(base.open());
        QSqlQuery q(base);
        for (const char* ordre :
             {"DROP TABLE etudes_enregistrements", "DROP TABLE etudes",
              "DROP INDEX enregistrements_logger",
              "ALTER TABLE enregistrements DROP COLUMN identite_recherche",
              "CREATE INDEX enregistrements_logger ON enregistrements (identite, debut DESC, id "
              "DESC)",
              "UPDATE enregistrements SET commentaire_recherche = 'crème brûlée'",
              "UPDATE version_schema SET version = 2"})
            ASSERT_TRUE(q.exec(QString::fromUtf8(ordre))) << q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(u"ancienne"_s);
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Version_Schema(), 4);
    EXPECT_EQ(archive->Lister({u"FOUR01"_s, {}, {}, u"creme brulee"_s}).Fiches.size(), 1);
}

// An address that names no server is an error, never the local file; a folder that cannot be
// made is told. The damaged file is met from the window (tests/archive/gui).
TEST_P(ArchiveLocale, UneArchiveHorsDAtteinteEstDiteEtRienNEstCree) {
    QString erreur;
    for (const char* faux :
         {"mysql://u@h/b", "postgresql://h/b", "postgresql://u@h", "postgresql://u@:5432/b",
          "postgresql://u@h:0/b", "postgresql://u@h:65536/b", "postgresql://u@h/",
          "postgresql://u%zz@h/b", "postgresql://u%4@h/b", "postgresql://@h/b"}) {
        qputenv("CALDRIX_ARCHIVE", faux);
        EXPECT_FALSE((erreur = Archive::Ouvrir().Erreur()).isEmpty()) << faux;
        EXPECT_TRUE(erreur.startsWith(u"CALDRIX_ARCHIVE : Adresse des archives incorrecte"_s));
    }
    EXPECT_FALSE(QFile::exists(Chemin(u"Archives"_s)));
    qunsetenv("CALDRIX_ARCHIVE");
    Ecrire(u"Archives"_s, "un fichier à la place du dossier");
    EXPECT_FALSE((erreur = Archive::Ouvrir().Erreur()).isEmpty());
    EXPECT_TRUE(erreur.contains(u"Impossible de créer le dossier des archives"_s));

    // Without the variable, the line of Archive.ini; each field percent-decoded.
    Ecrire(u"Archive.ini"_s, "[Serveur]\r\npostgresql://labo%40site:p%3Ass@db:6543/haccp\r\n");
    const auto a = Adresse_Configuree();
    ASSERT_TRUE(a) << a.Erreur().toStdString();
    EXPECT_EQ(
        QStringList({a->Utilisateur, a->Mot_De_Passe, a->Hote, a->Base, QString::number(a->Port)}),
        QStringList({u"labo@site"_s, u"p:ss"_s, u"db"_s, u"haccp"_s, u"6543"_s}));
    // The highest port, and a password of one character.
    const auto haut = Lecture_Adresse_Serveur(u"postgresql://u:p@[::1]:65535/b"_s);
    ASSERT_TRUE(haut) << haut.Erreur().toStdString();
    EXPECT_EQ(QStringList({haut->Hote, QString::number(haut->Port), haut->Mot_De_Passe}),
              QStringList({u"::1"_s, u"65535"_s, u"p"_s}));
}

// The backend freezes with the commit sent: the reply is lost, so the add cannot say whether
// the file is archived, and says so; once the server runs again the next add tells.
TEST_P(ArchiveServeur, UneValidationSansReponseDitQueLeProchainAjoutLeDira) {
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    archive->Definir_Delai(2s);
    Connexion_Essai temoin(qEnvironmentVariable("CALDRIX_ARCHIVE"));
    std::unique_ptr<Processus_Fige> fige;
    archive->Definir_Avant_Validation([&] {
        fige = std::make_unique<Processus_Fige>(
            temoin
                .Valeur("SELECT pid FROM pg_stat_activity WHERE datname = current_database() "
                        "AND state = 'idle in transaction'")
                .toInt());
    });
    const QString a = Ecrire(u"a.txt"_s, Fichier_Essai({}, 46000));
    QElapsedTimer chrono;
    chrono.start();
    const Resultat_Ajout r = archive->Ajouter(a);
    EXPECT_LT(chrono.elapsed(), 8000);
    fige.reset();
    archive->Definir_Avant_Validation({});

    EXPECT_EQ(r.Bilan, Bilan_Ajout::Echec);
    EXPECT_TRUE(r.Incertain);
    EXPECT_EQ(r.Message, a + u" n'est peut-être pas archivé : délai dépassé : le serveur des "
                             "archives n'a pas répondu en 2 s ; le prochain ajout ou « archive "
                             "verify » le dira"_s);
    // The frozen backend had the commit waiting: it commits when it runs again.
    const Resultat_Ajout ensuite = archive->Ajouter(a);
    EXPECT_EQ(ensuite.Bilan, Bilan_Ajout::Deja_Archive) << ensuite.Message.toStdString();
    EXPECT_TRUE(archive->Verifier().Intacte());
}

// The server's backend stops answering in the middle of an add, as a frozen machine whose
// network still acknowledges: caldrix-cli gives up after its wait with status 3, keeps nothing,
// and does not try the other files against a server that would make each of them wait as long.
TEST_P(ArchiveServeur, UnServeurFigeEnPleinAjoutArreteLaCommandeSansRienGarder) {
    ASSERT_TRUE(Ouvrir());  // the tables, so that the test can lock one
    Connexion_Essai temoin(qEnvironmentVariable("CALDRIX_ARCHIVE"));
    // The add waits for this lock once its first row is written: its backend is then found and
    // frozen, and the lock let go.
    ASSERT_TRUE(temoin.Executer("BEGIN") &&
                temoin.Executer("LOCK TABLE contenus IN ACCESS EXCLUSIVE MODE"));
    const QString a = Ecrire(u"a.txt"_s, Fichier_Essai({}, 46000));
    const QString b = Ecrire(u"b.txt"_s, Fichier_Essai({}, 46001));
    QProcess cli;
    qputenv("CALDRIX_ARCHIVE_DELAI", "2");
    QElapsedTimer chrono;
    chrono.start();
    cli.start(QStringLiteral(CALDRIX_CLI), {u"archive"_s, u"add"_s, a, b});
    qunsetenv("CALDRIX_ARCHIVE_DELAI");
    Processus_Fige fige(temoin.Attendre_Valeur(Serveur_Bloque).toInt());
    temoin.Executer("ROLLBACK");
    const bool fini = cli.waitForFinished(30000);
    const qint64 duree = chrono.elapsed();
    fige.Reprendre();
    ASSERT_TRUE(fini);
    EXPECT_EQ(cli.exitCode(), 3);
    EXPECT_GE(duree, 2000);
    EXPECT_LT(duree, 15000);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardError()),
              a +
                  u" n'est pas archivé : délai dépassé : le serveur des archives n'a pas répondu "
                  "en 2 s\nNon essayés, pour la même raison : "_s +
                  b + u'\n');
    // Nothing of the first row was kept: the file is new to the archive.
    EXPECT_EQ(Ouvrir()->Ajouter(a).Bilan, Bilan_Ajout::Archive);
}

// A refused connection says why: credentials, base, server out of reach, or no answer in time,
// each in its own words, the server's text after them.
TEST_P(ArchiveServeur, ChaqueRefusDuServeurEstDitAvecSesMots) {
    Postgres_Prive& serveur = Postgres_Prive::Commun();
    static const bool role = serveur.Ajouter_Role(u"technicien"_s, u"secret"_s);
    ASSERT_TRUE(role);
    const auto adresse = Lecture_Adresse_Serveur(serveur.Nouvelle_Base(u"technicien"_s));
    ASSERT_TRUE(adresse) << adresse.Erreur().toStdString();
    Adresse_Archive bonne = *adresse;
    bonne.Utilisateur = u"technicien"_s;
    bonne.Mot_De_Passe = u"secret"_s;
    // Why the base is refused to this user, password, base and port (empty when it opens).
    const auto refus = [&](const QString& utilisateur, const QString& mot_de_passe,
                           const QString& base, int port) {
        Adresse_Archive a = bonne;
        std::tie(a.Utilisateur, a.Mot_De_Passe, a.Base, a.Port) =
            std::tie(utilisateur, mot_de_passe, base, port);
        return QString(Archive::Ouvrir(a).Erreur())
            .remove(u"Impossible d'ouvrir les archives %1 : "_s.arg(a.Description()));
    };
    const int ferme = Postgres_Prive::Port_Libre();
    ASSERT_GT(ferme, 0);
    // A server that takes the connection and then says nothing, its main process frozen.
    qputenv("CALDRIX_ARCHIVE_DELAI", "2");
    QString fige;
    {
        const Processus_Fige arret(serveur.Processus_Principal());
        QElapsedTimer chrono;
        chrono.start();
        fige = refus(bonne.Utilisateur, bonne.Mot_De_Passe, bonne.Base, bonne.Port);
        EXPECT_LT(chrono.elapsed(), 8000);
    }
    qunsetenv("CALDRIX_ARCHIVE_DELAI");
    const QString t = bonne.Utilisateur, s = bonne.Mot_De_Passe;
    EXPECT_EQ(refus(t, s, bonne.Base, bonne.Port), QString());
    const QString identifiants =
        u"identifiants refusés : le serveur des archives refuse l'utilisateur « %1 » ou son mot "
        "de passe ("_s;
    for (const auto& [erreur, cause] : {
             std::pair{refus(t, u"faux"_s, bonne.Base, bonne.Port), identifiants.arg(t)},
             {refus(t, {}, bonne.Base, bonne.Port), identifiants.arg(t)},
             {refus(u"inconnu"_s, {}, bonne.Base, bonne.Port), identifiants.arg(u"inconnu"_s)},
             {refus(t, s, u"nulle_part"_s, bonne.Port),
              u"base inconnue : le serveur des archives n'a pas de base « nulle_part » ("_s},
             {refus(t, s, bonne.Base, ferme),
              u"serveur injoignable : rien ne répond sur 127.0.0.1, port %1 (serveur arrêté, nom "
              "ou port faux, réseau coupé) ("_s.arg(ferme)},
             {fige, u"délai dépassé : le serveur des archives n'a pas répondu en 2 s ("_s},
         })
        EXPECT_EQ(erreur.left(cause.size()), cause);
}

// A byte changed in the archive's own copy of a recording is found by verify, which names it
// and ends with status 3; verify --logger checks that logger's recordings only.
TEST_P(ArchiveCommune, UneCopieArchiveeAltereeEstNommeeParLaVerification) {
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    const QByteArray b = Fichier_Essai(u"FOUR02"_s, 46001);
    ASSERT_EQ(archive->Ajouter(Ecrire(u"a.txt"_s, Fichier_Essai(u"FOUR01"_s, 46000))).Bilan,
              Bilan_Ajout::Archive);
    const Resultat_Ajout ajout_b = archive->Ajouter(Ecrire(u"b.txt"_s, b));
    ASSERT_EQ(ajout_b.Bilan, Bilan_Ajout::Archive);
    EXPECT_TRUE(archive->Verifier().Intacte());

    // One digit of a temperature, inside the stored bytes.
    const qsizetype chiffre = b.indexOf("\r\n6") + 2;
    if (GetParam() == Moteur::SQLite) {
        const QString base = Chemin(u"Archives/caldrix.sqlite"_s);
        QByteArray octets = Octets(base);
        const qsizetype debut = octets.indexOf(b);
        ASSERT_GE(debut, 0);
        octets[debut + chiffre] = '9';
        Ecrire(u"Archives/caldrix.sqlite"_s, octets);
    } else {
        Connexion_Essai temoin(qEnvironmentVariable("CALDRIX_ARCHIVE"));
        ASSERT_TRUE(
            temoin.Executer(u"UPDATE contenus SET octets = set_byte(octets, %1, 57) "
                            "WHERE id = %2"_s.arg(chiffre)
                                .arg(ajout_b.Id)
                                .toUtf8()
                                .constData()));
    }
    // Read by caldrix-cli, on a new connection as the next program's: SQLite trusts the pages
    // it holds.
    Execution e = Executer(QStringLiteral(CALDRIX_CLI), {u"archive"_s, u"verify"_s});
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.sortie,
              u"n° %1 : copie archivée altérée (empreinte SHA-256 différente)\n"
              "Enregistrements vérifiés : 2 ; fichiers absents ou modifiés : 0 ; copies "
              "archivées altérées : 1\n"_s.arg(ajout_b.Id));
    e = Executer(QStringLiteral(CALDRIX_CLI),
                 {u"archive"_s, u"verify"_s, u"--logger"_s, u"FOUR01"_s});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.startsWith(u"Enregistrements vérifiés : 1 ;"_s));
}

// A page of the SQLite file overwritten where no copy lies (an index): only the database's own
// check sees it, and verify says the base is damaged.
TEST_P(ArchiveLocale, UnePageEcraseeDeLaBaseEstVueParLaVerification) {
    ASSERT_EQ(Ouvrir()->Ajouter(Ecrire(u"a.txt"_s, Fichier_Essai(u"FOUR01"_s, 46000))).Bilan,
              Bilan_Ajout::Archive);
    const QString chemin = Chemin(u"Archives/caldrix.sqlite"_s);
    int page = 0, taille = 0;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"essai_pages"_s);
        base.setDatabaseName(chemin);
        ASSERT_TRUE(base.open());
        QSqlQuery q(base);
        ASSERT_TRUE(q.exec(u"SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM "
                           "sqlite_master WHERE name = 'enregistrements_logger'"_s) &&
                    q.next());
        page = q.value(0).toInt();
        taille = q.value(1).toInt();
    }
    QSqlDatabase::removeDatabase(u"essai_pages"_s);
    ASSERT_GT(page, 1);
    Ecrire(u"Archives/caldrix.sqlite"_s,
           Octets(chemin).replace((page - 1) * taille, taille, QByteArray(taille, '\x5a')));

    const Execution e = Executer(QStringLiteral(CALDRIX_CLI), {u"archive"_s, u"verify"_s});
    EXPECT_EQ(e.code, 3) << e.sortie.toStdString();
    EXPECT_TRUE(e.sortie.startsWith(u"Base des archives endommagée : "_s))
        << e.sortie.toStdString();
    EXPECT_TRUE(
        e.sortie.endsWith(u"Enregistrements vérifiés : 1 ; fichiers absents ou modifiés : "
                          "0 ; copies archivées altérées : 0\n"_s))
        << e.sortie.toStdString();
}

// An archive file of no bytes is a damaged archive, told as one, and never taken for a new
// one; the program itself never leaves one, even when the disk fills up as it makes it.
TEST_P(ArchiveLocale, UnFichierVideEstUneArchiveEndommageeQueLeProgrammeNeLaissePas) {
    const QString chemin = Chemin(u"Archives/caldrix.sqlite"_s);
    ASSERT_TRUE(QDir().mkpath(Chemin(u"Archives"_s)));
    // In the words of a file that is not a database (tests/archive/gui).
    Ecrire(u"Archives/caldrix.sqlite"_s, {});
    const QString vide = Archive::Ouvrir().Erreur();
    EXPECT_TRUE(
        vide.startsWith(u"Impossible d'ouvrir les archives %1 : le fichier des archives "
                        "est endommagé ou n'est pas une base SQLite ("_s.arg(chemin)))
        << vide.toStdString();
    EXPECT_EQ(QFileInfo(chemin).size(), 0);

    ASSERT_TRUE(QFile::remove(chemin));
    QString plein;
    {
        const Limite_Taille_Fichier limite(8192);
        EXPECT_FALSE((plein = Archive::Ouvrir().Erreur()).isEmpty());
    }
    EXPECT_TRUE(plein.contains(u" : le disque est plein"_s)) << plein.toStdString();
    EXPECT_EQ(QDir(Chemin(u"Archives"_s)).entryList(QDir::Files), QStringList());

    // Room for the tables, not for a long recording.
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    const QString long_ = Chemin(u"long.txt"_s);
    Enregistrement_Essai().Constante(4000, 5).Ecrire(long_);
    Resultat_Ajout r;
    {
        const Limite_Taille_Fichier limite(static_cast<rlim_t>(QFileInfo(chemin).size()));
        r = archive->Ajouter(long_);
    }
    EXPECT_EQ(r.Bilan, Bilan_Ajout::Echec);
    EXPECT_TRUE(r.Message.startsWith(long_ + u" n'est pas archivé : le disque est plein"_s))
        << r.Message.toStdString();
    EXPECT_EQ(archive->Ajouter(long_).Bilan, Bilan_Ajout::Archive);
}

// A study kept with its rules and recordings, listed, and read again with the archive's copy of
// each recording it judged.
TEST_P(ArchiveCommune, UneEtudeGardeeSeRouvreAvecLaCopieDeCeQuElleAJuge) {
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    const QByteArray a = Fichier_Essai(u"FOUR01"_s, 46000);
    const QByteArray b = Fichier_Essai(u"FOUR02"_s, 46000);
    Etude::Etude_Gardee etude;
    etude.jeu.nom = u"Four 2 – cuisson jambon"_s;
    etude.jeu.maintien = Criteres::Regle_Maintien{72, 600};
    etude.verdict = Criteres::Verdict::Non_Conforme;
    etude.auteur = u"hélène"_s;
    etude.poste = u"LABO-2"_s;
    etude.date = 46001.5;
    etude.pieces = {{Ecrire(u"a.txt"_s, a), Empreinte(a)}, {Ecrire(u"b.txt"_s, b), Empreinte(b)}};
    for (const Etude::Piece& p : etude.pieces)
        ASSERT_EQ(archive->Ajouter(p.fichier).Bilan, Bilan_Ajout::Archive);
    const auto id = archive->Garder_Etude(etude);
    ASSERT_TRUE(id) << id.Erreur().toStdString();

    const auto liste = Ouvrir()->Lister_Etudes();
    ASSERT_TRUE(liste) << liste.Erreur().toStdString();
    ASSERT_EQ(liste->size(), 1);
    const Fiche_Etude& f = liste->front();
    EXPECT_EQ(QStringList({QString::number(f.Id), f.Jeu, f.Verdict, f.Auteur, f.Poste, f.Fait,
                           QString::number(f.Enregistrements)}),
              QStringList({QString::number(*id), etude.jeu.nom, u"non conforme"_s, u"hélène"_s,
                           u"LABO-2"_s, u"2025-12-10T12:00:00"_s, u"2"_s}));

    const auto relue = archive->Lire_Etude(*id);
    ASSERT_TRUE(relue) << relue.Erreur().toStdString();
    EXPECT_EQ(relue->jeu, etude.jeu);
    ASSERT_EQ(relue->pieces.size(), 2U);
    EXPECT_EQ(relue->pieces[1].empreinte, Empreinte(b));

    // The archive's copy of what was judged, for when the file has changed since (what the
    // study then shows: tests/study/gui).
    const auto copie = archive->Octets_Empreinte(Empreinte(b));
    ASSERT_TRUE(copie) << copie.Erreur().toStdString();
    EXPECT_EQ(*copie, std::optional(b));
    EXPECT_FALSE(archive->Lire_Etude(*id + 1));
}

INSTANTIATE_TEST_SUITE_P(Moteurs, ArchiveCommune,
                         ::testing::Values(Moteur::SQLite, Moteur::PostgreSQL), Nom_Moteur);
INSTANTIATE_TEST_SUITE_P(Serveur, ArchiveServeur, ::testing::Values(Moteur::PostgreSQL),
                         Nom_Moteur);
INSTANTIATE_TEST_SUITE_P(Fichier, ArchiveLocale, ::testing::Values(Moteur::SQLite), Nom_Moteur);
