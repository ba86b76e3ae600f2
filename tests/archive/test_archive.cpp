// What a technician does with the archive, the same on the SQLite file and on the server.
#include <QFile>

#include "Banc_Archive.h"

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
    const QByteArray a = Fichier_Essai(QStringLiteral("FOUR01"), 46357,  // 01/12/2026

                                       QStringLiteral("Chambre froide ÉTÉ"));
    const QString chemin_a = Ecrire(QStringLiteral("a.txt"), a);
    QList<int64_t> id;
    for (const QString& chemin :
         {chemin_a,
          Ecrire(QStringLiteral("b.txt"),
                 Fichier_Essai(QStringLiteral("FOUR02"), 46359, QStringLiteral("Lot 12 à 50%"))),
          Ecrire(QStringLiteral("c.txt"),
                 Fichier_Essai(QStringLiteral("FOUR01"), 46361, QStringLiteral("Lot_12")))}) {
        const Resultat_Ajout r = archive->Ajouter(chemin);
        ASSERT_EQ(r.Bilan, Bilan_Ajout::Archive) << r.Message.toStdString();
        id << r.Id;
    }
    // The same bytes from another place are the same recording.
    const Resultat_Ajout copie = archive->Ajouter(Ecrire(QStringLiteral("copie.txt"), a));
    EXPECT_EQ(copie.Bilan, Bilan_Ajout::Deja_Archive);
    EXPECT_EQ(copie.Id, id[0]);
    const Resultat_Ajout faux = archive->Ajouter(Ecrire(QStringLiteral("faux.txt"), "bonjour"));
    EXPECT_EQ(faux.Bilan, Bilan_Ajout::Echec);
    EXPECT_TRUE(faux.Message.contains(QStringLiteral("Fichier incorrect! (") +
                                      Chemin(QStringLiteral("faux.txt"))));

    const Resultat_Liste tout = archive->Lister({});
    EXPECT_EQ(Numeros(tout), (QList<int64_t>{id[2], id[1], id[0]}));
    const Fiche_Archive& f = tout.Fiches.last();
    EXPECT_EQ(QStringList({f.Identite, f.Modele, f.Debut, f.Fin, f.Fichier}),
              QStringList({QStringLiteral("FOUR01"), QStringLiteral("7307"),
                           QStringLiteral("2026-12-01T00:00:00"),
                           QStringLiteral("2026-12-01T00:02:00"), chemin_a}));
    EXPECT_EQ(f.Mesures, 3);
    // Temperatures 5, 6 and 7: the figures lists show without decoding the file.
    EXPECT_EQ(f.Minimum, 5);
    EXPECT_EQ(f.Maximum, 7);
    EXPECT_EQ(f.Moyenne, 6);
    ASSERT_TRUE(f.Mkt);
    EXPECT_GT(*f.Mkt, 6);
    EXPECT_LT(*f.Mkt, 6.1);

    EXPECT_EQ(Numeros(archive->Lister({QStringLiteral("FOUR01"), {}, {}, {}})),
              (QList<int64_t>{id[2], id[0]}));
    EXPECT_EQ(Numeros(archive->Lister({{}, 46358, 46360, {}})), QList<int64_t>{id[1]});
    // A range inside a recording's span still meets it.
    const double dedans = 46357 + 1 / 1440.0;
    EXPECT_EQ(Numeros(archive->Lister({{}, dedans, dedans, {}})), QList<int64_t>{id[0]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, QStringLiteral("été")})), QList<int64_t>{id[0]});
    // LIKE's wildcards are plain characters of the searched word.
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, QStringLiteral("t_1")})), QList<int64_t>{id[2]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, QStringLiteral("50%")})), QList<int64_t>{id[1]});
}

TEST_P(Archive_Commune, VerifyNamesTheFilesChangedOrMissingAndExportGivesThemBack) {
    QList<int64_t> id;
    QList<QByteArray> octets;
    for (int i = 0; i < 3; ++i) {
        octets << Fichier_Essai(QString::number(i), 46000);
        id << Ouvrir()->Ajouter(Ecrire(QStringLiteral("%1.txt").arg(i), octets[i])).Id;
    }
    const auto archive = Ouvrir();  // the tables are found as they were left
    EXPECT_EQ(archive->Version_Schema(), 1);
    EXPECT_TRUE(archive->Verifier().Ecarts.isEmpty());
    Ecrire(QStringLiteral("1.txt"), "changé");
    QFile::remove(Chemin(QStringLiteral("2.txt")));

    const Resultat_Verification v = archive->Verifier();
    EXPECT_EQ(v.Nb_Verifies, 3) << v.Message.toStdString();
    ASSERT_EQ(v.Ecarts.size(), 2);
    EXPECT_EQ(v.Ecarts[0].Id, id[1]);
    EXPECT_EQ(v.Ecarts[0].Type, Ecart_Archive::Nature::Modifie);
    EXPECT_EQ(v.Ecarts[1].Id, id[2]);
    EXPECT_EQ(v.Ecarts[1].Type, Ecart_Archive::Nature::Absent);
    EXPECT_EQ(v.Ecarts[1].Fichier, Chemin(QStringLiteral("2.txt")));

    EXPECT_EQ(archive->Exporter(id[1], Chemin(QStringLiteral("1.txt"))).Bilan,
              Bilan_Export::Exporte);
    QFile relu(Chemin(QStringLiteral("1.txt")));
    ASSERT_TRUE(relu.open(QIODevice::ReadOnly));
    EXPECT_EQ(relu.readAll(), octets[1]);
    EXPECT_EQ(archive->Exporter(id[2] + 1, Chemin(QStringLiteral("x.txt"))).Bilan,
              Bilan_Export::Inconnu);
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("x.txt"))));
}

INSTANTIATE_TEST_SUITE_P(Moteurs, Archive_Commune,
                         ::testing::Values(Moteur::SQLite, Moteur::PostgreSQL), Nom_Moteur);
