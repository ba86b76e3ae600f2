// caldrix-cli archive as a script uses it (download archives its file: test_cli_logger.cpp).
#include "Cli_Test.h"

using ArchiveCli = Cli_Test;

TEST_F(ArchiveCli, AjouterListerExporterVerifierEtLeursCodesDeSortie) {
    for (int i : {1, 2})  // a day apart
        Enregistrement_Essai()
            .Identite(u"FOUR0%1"_s.arg(i))
            .Debut(46000 + i)
            .Constante(1, 0)
            .Ecrire(Chemin(u"FOUR0%1.txt"_s.arg(i)));
    const QString a = Chemin(u"FOUR01.txt"_s);
    Execution e = Reussie(u"archive add %1 %2 %1"_s.arg(a, Chemin(u"FOUR02.txt"_s)));
    EXPECT_EQ(e.sortie.count(u" archivé (n° "_s), 2);
    EXPECT_EQ(e.sortie.count(u" déjà dans les archives (n° 1)"_s), 1);
    EXPECT_EQ(Lancer(u"archive add "_s + Chemin(u"absent.txt"_s)).code, 3);

    e = Lancer(u"archive list --json"_s);
    const QJsonArray liste = QJsonDocument::fromJson(e.sortie.toUtf8()).array();
    ASSERT_EQ(liste.size(), 2) << e.erreurs.toStdString();
    EXPECT_EQ(liste[0].toObject().keys(),
              u"ajoute annoncees commentaire debut fichier fin id identite mesures modele poste "
              "sha256 unite"_s.split(u' '));
    // A file alone says nothing of its unit.
    EXPECT_TRUE(liste[0].toObject()[u"unite"_s].isNull());
    EXPECT_EQ(liste[0].toObject()[u"identite"_s], u"FOUR02"_s);
    e = Lancer(u"archive list --logger FOUR01"_s);
    EXPECT_TRUE(e.sortie.startsWith(u"1\tFOUR01\t7306\t"_s));
    EXPECT_EQ(e.sortie.count(u'\n'), 1);

    const QString exporter = u"archive export 1 --output "_s + Chemin(u"x.txt"_s);
    EXPECT_EQ(Lancer(exporter).code, 0);
    EXPECT_EQ(Octets(Chemin(u"x.txt"_s)), Octets(Chemin(u"FOUR01.txt"_s)));
    Refusee(exporter, 3, u"existe déjà"_s);
    EXPECT_EQ(Lancer(exporter + u" --force"_s).code, 0);
    Refusee(u"archive export 3 --output "_s + Chemin(u"y.txt"_s), 3,
            u"Aucun enregistrement n° 3 dans les archives"_s);
    EXPECT_FALSE(QFile::exists(Chemin(u"y.txt"_s)));
    Refusee(u"archive export 1 --output "_s + Chemin(u"absent/z.txt"_s), 3,
            u"z.txt : le dossier n'existe pas ; rien n'a été remplacé."_s);

    EXPECT_EQ(Lancer(u"archive verify"_s).code, 0);
    QFile::remove(a);
    e = Lancer(u"archive verify"_s);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.sortie.contains(u"n° 1 : fichier absent : "_s + a));
}

// An archive the user may read but not write is still listed, and left as it was (its refusal
// of an add: tests/archive).
TEST_F(ArchiveCli, UneArchiveEnLectureSeuleSeListeEtGardeCeQuElleTient) {
    Enregistrement_Essai().Debut(46001).Ecrire(Chemin(u"a.txt"_s));
    ASSERT_EQ(Lancer(u"archive add "_s + Chemin(u"a.txt"_s)).code, 0);
    const QString base = Chemin(u"Archives/caldrix.sqlite"_s);
    const QByteArray avant = Octets(base);
    using P = QFileDevice;
    ASSERT_TRUE(QFile::setPermissions(Chemin(u"Archives"_s),
                                      P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(base, P::ReadOwner | P::ReadOther));
    const Execution liste = Lancer_Sans_Privileges(u"archive list"_s);
    QFile::setPermissions(Chemin(u"Archives"_s), P::ReadOwner | P::WriteOwner | P::ExeOwner);
    EXPECT_EQ(liste.code, 0) << liste.erreurs.toStdString();
    EXPECT_EQ(liste.sortie.count(u'\n'), 1);
    EXPECT_EQ(Octets(base), avant);
}
