// caldrix-cli archive as a script uses it, and download archiving the file it wrote.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Cli_Test.h"
#include "core/Etat.h"
#include "files/Fichier_Enreg.h"

namespace {

QByteArray Enregistrement(const QString& identite, double debut) {
    const auto etat = Etat::Nouveau();
    etat->Identite_Logger = identite;
    etat->Version_Logger = QStringLiteral("7306");
    etat->Periode_Enreg = 60;
    etat->Nb_Mesures = 2;
    etat->Mesures(1) = {debut, 3.5f, 0};
    etat->Mesures(2) = {debut + 1 / 1440.0, 3.7f, 0};
    return Import_Export::Contenu_Fichier_Enreg(*etat);
}

QStringList Archive(const QStringList& suite) {
    return QStringList{QStringLiteral("archive")} + suite;
}

}  // namespace

using Archive_Cli = Cli_Test;

TEST_F(Archive_Cli, AddListExportAndVerifyWithTheirExitStatuses) {
    Ecrire_Fichier(QStringLiteral("a.txt"), Enregistrement(QStringLiteral("FOUR01"), 46000));
    Ecrire_Fichier(QStringLiteral("b.txt"), Enregistrement(QStringLiteral("FOUR02"), 46001));
    const QString a = Chemin(QStringLiteral("a.txt"));
    Execution e = Lancer(Archive({QStringLiteral("add"), a, Chemin(QStringLiteral("b.txt")), a}));
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_EQ(e.sortie.count(QStringLiteral(" archivé (n° ")), 2);
    EXPECT_EQ(e.sortie.count(QStringLiteral(" déjà dans les archives (n° 1)")), 1);
    Ecrire_Fichier(QStringLiteral("faux.txt"), "rien");
    e = Lancer(Archive({QStringLiteral("add"), Chemin(QStringLiteral("faux.txt"))}));
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Fichier incorrect!")));

    e = Lancer(Archive({QStringLiteral("list"), QStringLiteral("--json")}));
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    const QJsonArray liste = QJsonDocument::fromJson(e.sortie.toUtf8()).array();
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[0].toObject().keys(),
              QStringLiteral("ajoute commentaire debut fichier fin id identite mesures modele "
                             "poste sha256")
                  .split(QLatin1Char(' ')));
    EXPECT_EQ(liste[0].toObject()[QStringLiteral("identite")], QStringLiteral("FOUR02"));
    e = Lancer(
        Archive({QStringLiteral("list"), QStringLiteral("--logger"), QStringLiteral("FOUR01")}));
    EXPECT_TRUE(e.sortie.startsWith(QStringLiteral("1\tFOUR01\t7306\t")));
    EXPECT_EQ(e.sortie.count(QLatin1Char('\n')), 1);
    e = Lancer(Archive({QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("hier")}));
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("--from")));

    const QStringList exporter =
        Archive({QStringLiteral("export"), QStringLiteral("1"), QStringLiteral("--output"),
                 Chemin(QStringLiteral("sortie.txt"))});
    EXPECT_EQ(Lancer(exporter).code, 0);
    EXPECT_EQ(Lire_Fichier(QStringLiteral("sortie.txt")), Lire_Fichier(QStringLiteral("a.txt")));
    e = Lancer(exporter);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("existe déjà")));
    EXPECT_EQ(Lancer(exporter + QStringList{QStringLiteral("--force")}).code, 0);
    e = Lancer(Archive({QStringLiteral("export"), QStringLiteral("9"), QStringLiteral("--output"),
                        Chemin(QStringLiteral("autre.txt"))}));
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Aucun enregistrement n° 9")));

    EXPECT_EQ(Lancer(Archive({QStringLiteral("verify")})).code, 0);
    QFile::remove(a);
    e = Lancer(Archive({QStringLiteral("verify")}));
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("n° 1 : fichier absent : ") + a));
}

TEST_F(Archive_Cli, DownloadArchivesItsFileAndSavesItEvenWhenTheArchiveIsUnreachable) {
    Brancher(7306, 5);
    const QStringList telecharger = {QStringLiteral("download"), QStringLiteral("--port"),
                                     QStringLiteral("3"), QStringLiteral("--output")};
    Execution e = Lancer(telecharger + QStringList{Chemin(QStringLiteral("local.txt"))});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(
        Lancer(Archive({QStringLiteral("list")})).sortie.contains(QStringLiteral("\tSIMUL01\t")));

    qputenv("CALDRIX_ARCHIVE", "postgresql://x@127.0.0.1:1/none");
    e = Lancer(telecharger + QStringList{Chemin(QStringLiteral("serveur.txt"))});
    qunsetenv("CALDRIX_ARCHIVE");
    EXPECT_EQ(e.code, 0);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("est sauvegardé dans ")));
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("n'est pas archivé")));
    EXPECT_TRUE(Lire_Fichier(QStringLiteral("serveur.txt")).startsWith("[Identit\xE9 du Logger]"));
}
