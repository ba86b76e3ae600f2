// The site's server: one that goes down in the middle of an add, and two workstations adding
// the same files at the same moment.
#include <QProcess>
#include <algorithm>

#include "Banc_Archive.h"
#include "Postgres_Prive.h"

using ArchiveServeur = Banc_Archive;

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

INSTANTIATE_TEST_SUITE_P(Serveur, ArchiveServeur, ::testing::Values(Moteur::PostgreSQL),
                         Nom_Moteur);
