// What a technician does with the archive, on the SQLite file and on a new base of the test
// program's own PostgreSQL server; the server going down in the middle of an add, and two
// workstations adding the same files at the same moment.
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <algorithm>

#include "Dossier_Temporaire.h"
#include "Enregistrement_Essai.h"
#include "Postgres_Prive.h"
#include "archive/Archive.h"
#include "core/Etat.h"
#include "files/Fichier_Enreg.h"

namespace {

using Moteur = Adresse_Archive::Moteur;

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
        QString erreur;
        auto archive = Archive::Ouvrir(erreur);
        EXPECT_TRUE(archive) << erreur.toStdString();
        return archive;
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
    EXPECT_EQ(archive->Version_Schema(), 2);
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
    EXPECT_TRUE(faux.Message.contains(u"Fichier incorrect! ("_s + Chemin(u"faux.txt"_s)));

    const Resultat_Liste tout = archive->Lister({});
    EXPECT_EQ(Numeros(tout), (QList<int64_t>{id[2], id[1], id[0]}));
    const Fiche_Archive& f = tout.Fiches.last();
    EXPECT_EQ(QStringList({f.Identite, f.Modele, f.Debut, f.Fin, f.Fichier}),
              QStringList({u"FOUR01"_s, u"7307"_s, u"2026-12-01T00:00:00"_s,
                           u"2026-12-01T00:02:00"_s, chemin_a}));
    // Temperatures 5, 6 and 7: the figures lists show without decoding the file.
    EXPECT_EQ(f.Mesures, 3);
    EXPECT_EQ((std::vector{f.Minimum, f.Maximum, f.Moyenne}),
              (std::vector<std::optional<double>>{5, 7, 6}));
    ASSERT_TRUE(f.Mkt);
    EXPECT_GT(*f.Mkt, 6);
    EXPECT_LT(*f.Mkt, 6.1);
    EXPECT_EQ(QStringList({QString::number(f.Periode), f.Commentaire, QString::number(f.Recette),
                           QString::number(f.Annoncees), f.Unite}),
              QStringList({u"60"_s, u"Chambre froide ÉTÉ"_s, u"0"_s, u"3"_s, QString()}));

    EXPECT_EQ(Numeros(archive->Lister({u"FOUR01"_s, {}, {}, {}})), (QList<int64_t>{id[2], id[0]}));
    EXPECT_EQ(Numeros(archive->Lister({{}, 46358, 46360, {}})), QList<int64_t>{id[1]});
    // A range inside a recording's span still meets it.
    const double dedans = 46357 + 1 / 1440.0;
    EXPECT_EQ(Numeros(archive->Lister({{}, dedans, dedans, {}})), QList<int64_t>{id[0]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"été"_s})), QList<int64_t>{id[0]});
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
    EXPECT_TRUE(
        coupe.Message.contains(u"n'est pas archivé : le serveur des archives ne répond pas"_s))
        << coupe.Message.toStdString();

    ASSERT_TRUE(serveur.Demarrer());
    archive->Definir_Avant_Validation({});
    EXPECT_TRUE(Ouvrir()->Lister({}).Fiches.isEmpty());
    // The same archive object starts again on a new connection.
    EXPECT_EQ(archive->Ajouter(a).Bilan, Bilan_Ajout::Archive);
    EXPECT_EQ(Ouvrir()->Lister({}).Fiches.size(), 1);
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
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        sorties += QString::fromUtf8(p.readAllStandardOutput());
    }
    EXPECT_EQ(sorties.count(u" archivé (n° "_s), 30);
    EXPECT_EQ(sorties.count(u" déjà dans les archives (n° "_s), 10);
    QStringList archives;
    for (const Fiche_Archive& f : Ouvrir()->Lister({}).Fiches)
        archives << f.Fichier;
    archives.sort();
    fichiers.sort();
    EXPECT_EQ(archives, fichiers);
}

// An address that names no server is an error, never the local file; a folder that cannot be
// made is told. The damaged file is met from the window (tests/archive/gui).
TEST_P(ArchiveLocale, UneArchiveHorsDAtteinteEstDiteEtRienNEstCree) {
    QString erreur;
    for (const char* faux :
         {"mysql://u@h/b", "postgresql://h/b", "postgresql://u@h", "postgresql://u@:5432/b",
          "postgresql://u@h:0/b", "postgresql://u@h/", "postgresql://u%zz@h/b"}) {
        qputenv("CALDRIX_ARCHIVE", faux);
        EXPECT_FALSE(Archive::Ouvrir(erreur)) << faux;
        EXPECT_TRUE(erreur.startsWith(u"CALDRIX_ARCHIVE : Adresse des archives incorrecte"_s));
    }
    EXPECT_FALSE(QFile::exists(Chemin(u"Archives"_s)));
    qunsetenv("CALDRIX_ARCHIVE");
    Ecrire(u"Archives"_s, "un fichier à la place du dossier");
    EXPECT_FALSE(Archive::Ouvrir(erreur));
    EXPECT_TRUE(erreur.contains(u"Impossible de créer le dossier des archives"_s));

    // Without the variable, the line of Archive.ini; each field percent-decoded.
    Ecrire(u"Archive.ini"_s, "[Serveur]\r\npostgresql://labo%40site:p%3Ass@db:6543/haccp\r\n");
    const auto a = Adresse_Configuree(erreur);
    ASSERT_TRUE(a) << erreur.toStdString();
    EXPECT_EQ(QStringList({a->Utilisateur, a->Mot_De_Passe, a->Hote, a->Base}),
              QStringList({u"labo@site"_s, u"p:ss"_s, u"db"_s, u"haccp"_s}));
    EXPECT_EQ(a->Port, 6543);
}

INSTANTIATE_TEST_SUITE_P(Moteurs, ArchiveCommune,
                         ::testing::Values(Moteur::SQLite, Moteur::PostgreSQL), Nom_Moteur);
INSTANTIATE_TEST_SUITE_P(Serveur, ArchiveServeur, ::testing::Values(Moteur::PostgreSQL),
                         Nom_Moteur);
INSTANTIATE_TEST_SUITE_P(Fichier, ArchiveLocale, ::testing::Values(Moteur::SQLite), Nom_Moteur);
