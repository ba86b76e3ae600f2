// caldrix-cli archive as a script uses it, and download archiving the file it wrote.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Cli_Test.h"
#include "core/Etat.h"
#include "files/Fichier_Enreg.h"

namespace {

QStringList Mots(const QString& texte) {
    return texte.split(QLatin1Char(' '));
}

}  // namespace

using Archive_Cli = Cli_Test;

TEST_F(Archive_Cli, AddListExportAndVerifyWithTheirExitStatuses) {
    for (const char* identite : {"FOUR01", "FOUR02"}) {
        const auto etat = Etat::Nouveau();
        etat->Identite_Logger = QLatin1String(identite);
        etat->Version_Logger = QStringLiteral("7306");
        etat->Nb_Mesures = 1;
        etat->Mesures(1).Date_Heure = 46000 + etat->Identite_Logger.back().digitValue();
        Ecrire_Fichier(etat->Identite_Logger + QStringLiteral(".txt"),
                       Import_Export::Contenu_Fichier_Enreg(*etat));
    }
    const QString a = Chemin(QStringLiteral("FOUR01.txt"));
    Execution e = Lancer(
        Mots(QStringLiteral("archive add %1 %2 %1").arg(a, Chemin(QStringLiteral("FOUR02.txt")))));
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_EQ(e.sortie.count(QStringLiteral(" archivé (n° ")), 2);
    EXPECT_EQ(e.sortie.count(QStringLiteral(" déjà dans les archives (n° 1)")), 1);
    EXPECT_EQ(
        Lancer(Mots(QStringLiteral("archive add ") + Chemin(QStringLiteral("absent.txt")))).code,
        3);

    e = Lancer(Mots(QStringLiteral("archive list --json")));
    const QJsonArray liste = QJsonDocument::fromJson(e.sortie.toUtf8()).array();
    ASSERT_EQ(liste.size(), 2) << e.erreurs.toStdString();
    EXPECT_EQ(liste[0].toObject().keys(),
              Mots(QStringLiteral(
                  "ajoute commentaire debut fichier fin id identite mesures modele poste sha256")));
    EXPECT_EQ(liste[0].toObject()[QStringLiteral("identite")], QStringLiteral("FOUR02"));
    e = Lancer(Mots(QStringLiteral("archive list --logger FOUR01")));
    EXPECT_TRUE(e.sortie.startsWith(QStringLiteral("1\tFOUR01\t7306\t")));
    EXPECT_EQ(e.sortie.count(QLatin1Char('\n')), 1);
    e = Lancer(Mots(QStringLiteral("archive list --from hier")));
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("--from")));

    const QStringList exporter =
        Mots(QStringLiteral("archive export 1 --output ") + Chemin(QStringLiteral("x.txt")));
    EXPECT_EQ(Lancer(exporter).code, 0);
    EXPECT_EQ(Lire_Fichier(QStringLiteral("x.txt")), Lire_Fichier(QStringLiteral("FOUR01.txt")));
    e = Lancer(exporter);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("existe déjà")));
    EXPECT_EQ(Lancer(exporter + QStringList{QStringLiteral("--force")}).code, 0);

    EXPECT_EQ(Lancer(Mots(QStringLiteral("archive verify"))).code, 0);
    QFile::remove(a);
    e = Lancer(Mots(QStringLiteral("archive verify")));
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("n° 1 : fichier absent : ") + a));
}

TEST_F(Archive_Cli, DownloadArchivesItsFileAndSavesItEvenWhenTheArchiveIsUnreachable) {
    Brancher(7306, 5);
    const QString telecharger = QStringLiteral("download --port 3 --output ");
    Execution e = Lancer(Mots(telecharger + Chemin(QStringLiteral("local.txt"))));
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(Lancer(Mots(QStringLiteral("archive list")))
                    .sortie.contains(QStringLiteral("\tSIMUL01\t")));

    qputenv("CALDRIX_ARCHIVE", "postgresql://x@127.0.0.1:1/none");
    e = Lancer(Mots(telecharger + Chemin(QStringLiteral("serveur.txt"))));
    qunsetenv("CALDRIX_ARCHIVE");
    EXPECT_EQ(e.code, 0);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("est sauvegardé dans ")));
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("n'est pas archivé")));
    EXPECT_TRUE(Lire_Fichier(QStringLiteral("serveur.txt")).startsWith("[Identit\xE9 du Logger]"));
}
