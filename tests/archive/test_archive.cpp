// What a technician does with the archive, the same on the SQLite file and on the server.
#include <QFile>

#include "Banc_Archive.h"
#include "core/Textes.h"

namespace {

QList<int64_t> Numeros(const Resultat_Liste& liste) {
    EXPECT_TRUE(liste.Lu) << liste.Message.toStdString();
    QList<int64_t> numeros;
    for (const Fiche_Archive& f : liste.Fiches)
        numeros << f.Id;
    return numeros;
}

}  // namespace

using Archive_Commune = Banc_Archive;

TEST_P(Archive_Commune, KeepsEachRecordingOnceAndListsItNewestFirstThroughEachFilter) {
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Version_Schema(), 1);
    const QByteArray a = Fichier_Essai(QStringLiteral("FOUR01"), Date_Depuis_Civil(2026, 12, 1),
                                       QStringLiteral("Chambre froide ÉTÉ"));
    const QString chemins[] = {
        Ecrire(QStringLiteral("a.txt"), a),
        Ecrire(QStringLiteral("b.txt"),
               Fichier_Essai(QStringLiteral("FOUR02"), Date_Depuis_Civil(2026, 12, 3),
                             QStringLiteral("Lot 12 à 50%"))),
        Ecrire(QStringLiteral("c.txt"),
               Fichier_Essai(QStringLiteral("FOUR01"), Date_Depuis_Civil(2026, 12, 5),
                             QStringLiteral("Lot_12")))};
    QList<int64_t> id;
    for (const QString& chemin : chemins) {
        const Resultat_Ajout r = archive->Ajouter(chemin);
        ASSERT_EQ(r.Issue, Issue_Ajout::Archive) << r.Message.toStdString();
        id << r.Id;
    }
    // The same bytes from another place are the same recording.
    const Resultat_Ajout copie = archive->Ajouter(Ecrire(QStringLiteral("copie.txt"), a));
    EXPECT_EQ(copie.Issue, Issue_Ajout::Deja_Archive);
    EXPECT_EQ(copie.Id, id[0]);
    const Resultat_Ajout faux = archive->Ajouter(Ecrire(QStringLiteral("faux.txt"), "bonjour"));
    EXPECT_EQ(faux.Issue, Issue_Ajout::Echec);
    EXPECT_TRUE(faux.Message.contains(QStringLiteral("Fichier incorrect!")));
    EXPECT_TRUE(faux.Message.contains(QStringLiteral("faux.txt")));

    const Resultat_Liste tout = archive->Lister({});
    EXPECT_EQ(Numeros(tout), (QList<int64_t>{id[2], id[1], id[0]}));
    const Fiche_Archive& premier = tout.Fiches.last();
    EXPECT_EQ(premier.Identite, QStringLiteral("FOUR01"));
    EXPECT_EQ(premier.Modele, QStringLiteral("7307"));
    EXPECT_EQ(premier.Debut, QStringLiteral("2026-12-01T00:00:00"));
    EXPECT_EQ(premier.Fin, QStringLiteral("2026-12-01T00:02:00"));
    EXPECT_EQ(premier.Mesures, 3);
    EXPECT_EQ(premier.Fichier, chemins[0]);
    EXPECT_FALSE(premier.Poste.isEmpty());

    EXPECT_EQ(Numeros(archive->Lister({QStringLiteral("FOUR01"), {}, {}, {}})),
              (QList<int64_t>{id[2], id[0]}));
    EXPECT_EQ(Numeros(archive->Lister(
                  {{}, Date_Depuis_Civil(2026, 12, 2), Date_Depuis_Civil(2026, 12, 4), {}})),
              QList<int64_t>{id[1]});
    // A range inside a recording's span still meets it.
    const double dedans = Date_Depuis_Civil(2026, 12, 1, 0, 1);
    EXPECT_EQ(Numeros(archive->Lister({{}, dedans, dedans, {}})), QList<int64_t>{id[0]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, QStringLiteral("été")})), QList<int64_t>{id[0]});
    // LIKE's wildcards are plain characters of the searched word.
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, QStringLiteral("t_1")})), QList<int64_t>{id[2]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, QStringLiteral("50%")})), QList<int64_t>{id[1]});
}

TEST_P(Archive_Commune, ExportGivesBackTheArchivedBytesAfterTheFileChanged) {
    const QByteArray octets = Fichier_Essai(QStringLiteral("FOUR01"), 46000, {});
    const QString chemin = Ecrire(QStringLiteral("a.txt"), octets);
    const Resultat_Ajout ajout = Ouvrir()->Ajouter(chemin);
    ASSERT_EQ(ajout.Issue, Issue_Ajout::Archive) << ajout.Message.toStdString();
    Ecrire(QStringLiteral("a.txt"), "changé");

    const auto archive = Ouvrir();  // the tables are found as they were left
    EXPECT_EQ(archive->Version_Schema(), 1);
    EXPECT_EQ(archive->Exporter(ajout.Id, chemin).Issue, Issue_Export::Exporte);
    QFile relu(chemin);
    ASSERT_TRUE(relu.open(QIODevice::ReadOnly));
    EXPECT_EQ(relu.readAll(), octets);
    const Resultat_Export inconnu =
        archive->Exporter(ajout.Id + 1, Chemin(QStringLiteral("x.txt")));
    EXPECT_EQ(inconnu.Issue, Issue_Export::Inconnu);
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("x.txt"))));
}

TEST_P(Archive_Commune, VerifyNamesTheFilesChangedOrMissing) {
    const auto archive = Ouvrir();
    QList<int64_t> id;
    for (int i = 0; i < 3; ++i) {
        const QByteArray octets = Fichier_Essai(QStringLiteral("F%1").arg(i), 46000 + i, {});
        id << archive->Ajouter(Ecrire(QStringLiteral("%1.txt").arg(i), octets)).Id;
    }
    EXPECT_TRUE(archive->Verifier().Ecarts.isEmpty());
    Ecrire(QStringLiteral("1.txt"),
           Fichier_Essai(QStringLiteral("F1"), 46001, QStringLiteral("x")));
    QFile::remove(Chemin(QStringLiteral("2.txt")));

    const Resultat_Verification v = archive->Verifier();
    ASSERT_TRUE(v.Lu) << v.Message.toStdString();
    EXPECT_EQ(v.Nb_Verifies, 3);
    ASSERT_EQ(v.Ecarts.size(), 2);
    EXPECT_EQ(v.Ecarts[0].Id, id[1]);
    EXPECT_EQ(v.Ecarts[0].Type, Ecart_Archive::Nature::Modifie);
    EXPECT_EQ(v.Ecarts[1].Id, id[2]);
    EXPECT_EQ(v.Ecarts[1].Type, Ecart_Archive::Nature::Absent);
    EXPECT_EQ(v.Ecarts[1].Fichier, Chemin(QStringLiteral("2.txt")));
}

INSTANTIATE_TEST_SUITE_P(Moteurs, Archive_Commune,
                         ::testing::Values(Moteur::SQLite, Moteur::PostgreSQL), Nom_Moteur);
