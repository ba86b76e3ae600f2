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

using ArchiveCommune = Banc_Archive;

TEST_P(ArchiveCommune, ChaqueEnregistrementUneFoisLePlusRecentDAbordParChaqueFiltre) {
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Version_Schema(), 1);
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
    EXPECT_EQ(f.Mesures, 3);
    // Temperatures 5, 6 and 7: the figures lists show without decoding the file.
    EXPECT_EQ(f.Minimum, 5);
    EXPECT_EQ(f.Maximum, 7);
    EXPECT_EQ(f.Moyenne, 6);
    ASSERT_TRUE(f.Mkt);
    EXPECT_GT(*f.Mkt, 6);
    EXPECT_LT(*f.Mkt, 6.1);

    EXPECT_EQ(Numeros(archive->Lister({u"FOUR01"_s, {}, {}, {}})), (QList<int64_t>{id[2], id[0]}));
    EXPECT_EQ(Numeros(archive->Lister({{}, 46358, 46360, {}})), QList<int64_t>{id[1]});
    // A range inside a recording's span still meets it.
    const double dedans = 46357 + 1 / 1440.0;
    EXPECT_EQ(Numeros(archive->Lister({{}, dedans, dedans, {}})), QList<int64_t>{id[0]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"été"_s})), QList<int64_t>{id[0]});
    // LIKE's wildcards are plain characters of the searched word.
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"t_1"_s})), QList<int64_t>{id[2]});
    EXPECT_EQ(Numeros(archive->Lister({{}, {}, {}, u"50%"_s})), QList<int64_t>{id[1]});
}

TEST_P(ArchiveCommune, VerifierNommeLesFichiersModifiesOuAbsentsEtExporterLesRend) {
    QList<int64_t> id;
    QList<QByteArray> octets;
    for (int i = 0; i < 3; ++i) {
        octets << Fichier_Essai(QString::number(i), 46000);
        id << Ouvrir()->Ajouter(Ecrire(u"%1.txt"_s.arg(i), octets[i])).Id;
    }
    const auto archive = Ouvrir();  // the tables are found as they were left
    EXPECT_TRUE(archive->Verifier().Ecarts.isEmpty());
    Ecrire(u"1.txt"_s, "changé");
    QFile::remove(Chemin(u"2.txt"_s));

    const Resultat_Verification v = archive->Verifier();
    EXPECT_EQ(v.Nb_Verifies, 3) << v.Message.toStdString();
    ASSERT_EQ(v.Ecarts.size(), 2);
    EXPECT_EQ(v.Ecarts[0].Id, id[1]);
    EXPECT_EQ(v.Ecarts[0].Type, Ecart_Archive::Nature::Modifie);
    EXPECT_EQ(v.Ecarts[1].Id, id[2]);
    EXPECT_EQ(v.Ecarts[1].Type, Ecart_Archive::Nature::Absent);
    EXPECT_EQ(v.Ecarts[1].Fichier, Chemin(u"2.txt"_s));

    EXPECT_EQ(archive->Exporter(id[1], Chemin(u"1.txt"_s)).Bilan, Bilan_Export::Exporte);
    EXPECT_EQ(Octets(Chemin(u"1.txt"_s)), octets[1]);
    EXPECT_EQ(archive->Exporter(id[2] + 1, Chemin(u"x.txt"_s)).Bilan, Bilan_Export::Inconnu);
    EXPECT_FALSE(QFile::exists(Chemin(u"x.txt"_s)));
}

INSTANTIATE_TEST_SUITE_P(Moteurs, ArchiveCommune,
                         ::testing::Values(Moteur::SQLite, Moteur::PostgreSQL), Nom_Moteur);
