// caldrix-cli on recordings files: the cooking value, the CSV export and the statistics.
#include <QJsonDocument>
#include <QJsonObject>

#include "Cli_Test.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

#include <QDir>
#include <vector>

namespace {

// Measures one minute apart at the given temperatures, from 05/12/2026 at midnight.
void Ecrire_Enregistrement(const QString& nom, const char* version,
                           const std::vector<float>& temperatures) {
    auto etat = Etat::Nouveau();
    etat->Identite_Logger = QStringLiteral("FOUR");
    etat->Version_Logger = QString::fromLatin1(version);
    etat->Periode_Enreg = 60;
    int i = 0;
    for (float t : temperatures) {
        ++i;
        etat->Mesures(i) = {Date_Depuis_Civil(2026, 12, 5) + (i - 1) / 1440.0, t, 40.0f + i};
    }
    etat->Nb_Mesures = static_cast<int16_t>(Est_Modele_7307(etat->Version_Logger) ? 2 * i : i);
    ASSERT_EQ(Import_Export::Ecriture_Fichier_Enreg(*etat, nom),
              Import_Export::Resultat_Ecriture::Ecrit);
}

}  // namespace

using Cook = Cli_Test;

TEST_F(Cook, PrintsTheStatusBarLineForEachKindOfCalculation) {
    const QString fichier = Chemin(QStringLiteral("cuisson.txt"));
    Ecrire_Enregistrement(fichier, "7306", {50, 60, 70, 80, 70, 50});
    Execution e = Lancer({QStringLiteral("cook"), fichier, QStringLiteral("--pasteurisation")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_EQ(e.sortie, QStringLiteral("Pasteurisation Valeur : 12mn le : 05/12/2026 00:04:00 | "
                                       "Tref :70°c | Z :10°c | Tdép :55°c\n"));

    e = Lancer({QStringLiteral("cook"), fichier, QStringLiteral("--sterilisation")});
    EXPECT_EQ(e.sortie, QStringLiteral("Stérilisation Valeur : 0mn le : 30/12/1899 | "
                                       "Tref :121°c | Z :10°c | Tdép :100°c\n"));

    e = Lancer({QStringLiteral("cook"), fichier, QStringLiteral("--tref"), QStringLiteral("60"),
                QStringLiteral("--z"), QStringLiteral("7.5"), QStringLiteral("--tdep"),
                QStringLiteral("45")});
    EXPECT_EQ(e.code, 0);
    EXPECT_TRUE(e.sortie.startsWith(QStringLiteral("Personnalisé Valeur : ")));
    EXPECT_TRUE(e.sortie.endsWith(QStringLiteral("| Tref :60°c | Z :7.5°c | Tdép :45°c\n")));

    // Recipe 3 of a recettes.ini created with the defaults.
    e = Lancer({QStringLiteral("cook"), fichier, QStringLiteral("--recipe"), QStringLiteral("3")});
    EXPECT_EQ(e.sortie, QStringLiteral("Formule n°3 Valeur : 12mn le : 05/12/2026 00:04:00 | "
                                       "Tref :70°c | Z :10°c | Tdép :55°c\n"));
}

TEST_F(Cook, RefusesModel7307AndBadChoices) {
    const QString fichier = Chemin(QStringLiteral("hygro.txt"));
    Ecrire_Enregistrement(fichier, "7307", {50, 60});
    Execution e = Lancer({QStringLiteral("cook"), fichier, QStringLiteral("--pasteurisation")});
    EXPECT_EQ(e.code, 4);
    EXPECT_EQ(e.erreurs,
              QStringLiteral("Calcul de cuisson impossible avec un enregistreur 7307\n"));

    const QString temp = Chemin(QStringLiteral("temp.txt"));
    Ecrire_Enregistrement(temp, "7306", {50, 60});
    e = Lancer({QStringLiteral("cook"), temp});
    EXPECT_EQ(e.code, 4);
    e = Lancer({QStringLiteral("cook"), temp, QStringLiteral("--pasteurisation"),
                QStringLiteral("--sterilisation")});
    EXPECT_EQ(e.code, 4);
    e = Lancer({QStringLiteral("cook"), temp, QStringLiteral("--tref"), QStringLiteral("70"),
                QStringLiteral("--z"), QStringLiteral("0"), QStringLiteral("--tdep"),
                QStringLiteral("55")});
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.sortie.isEmpty());

    const QString seule = Chemin(QStringLiteral("seule.txt"));
    Ecrire_Enregistrement(seule, "7306", {80});
    e = Lancer({QStringLiteral("cook"), seule, QStringLiteral("--pasteurisation")});
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("il n'y a rien à calculer")));
    EXPECT_TRUE(e.sortie.isEmpty());
}

TEST_F(Cook, MissingAndIncorrectFilesUseTheProgramsMessages) {
    Execution e = Lancer({QStringLiteral("cook"), Chemin(QStringLiteral("absent.txt")),
                          QStringLiteral("--pasteurisation")});
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.erreurs, QStringLiteral("Nom de fichier introuvable\n"));
    Ecrire_Fichier(QStringLiteral("faux.txt"), "n'importe quoi\r\n");
    e = Lancer({QStringLiteral("cook"), Chemin(QStringLiteral("faux.txt")),
                QStringLiteral("--pasteurisation")});
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.erreurs, QStringLiteral("Fichier incorrect!\n"));
}

using Export = Cli_Test;

TEST_F(Export, WritesIsoStampsAndPointDecimals) {
    const QString fichier = Chemin(QStringLiteral("froid.txt"));
    Ecrire_Enregistrement(fichier, "7306", {-1.5f, 2, 3.25f});
    const Execution e = Lancer({QStringLiteral("export"), fichier, QStringLiteral("--csv")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_EQ(e.sortie, QStringLiteral("date_heure,temperature_degres\n"
                                       "2026-12-05T00:00:00,-1.5\n"
                                       "2026-12-05T00:01:00,2\n"
                                       "2026-12-05T00:02:00,3.25\n"));
}

TEST_F(Export, Model7307GetsItsHumidityColumnInAFile) {
    const QString fichier = Chemin(QStringLiteral("hygro.txt"));
    Ecrire_Enregistrement(fichier, "7307", {21.5f, 22});
    const QString csv = Chemin(QStringLiteral("hygro.csv"));
    const Execution e = Lancer({QStringLiteral("export"), fichier, QStringLiteral("--csv"),
                                QStringLiteral("--output"), csv});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_EQ(Lire_Fichier(QStringLiteral("hygro.csv")),
              QByteArray("date_heure,temperature_degres,humidite_pourcent_hr\n"
                         "2026-12-05T00:00:00,21.5,41\n"
                         "2026-12-05T00:01:00,22,42\n"));
}

TEST_F(Export, AFullDiskLeavesTheOldFileAndSaysSo) {
    const QString fichier = Chemin(QStringLiteral("long.txt"));
    Ecrire_Enregistrement(fichier, "7306", std::vector<float>(400, 21.5f));
    Ecrire_Fichier(QStringLiteral("long.csv"), "ancien\n");
    const Execution e = Lancer({QStringLiteral("export"), fichier, QStringLiteral("--csv"),
                                QStringLiteral("--output"), Chemin(QStringLiteral("long.csv"))},
                               4096);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("rien n'a été remplacé")))
        << e.erreurs.toStdString();
    EXPECT_EQ(Lire_Fichier(QStringLiteral("long.csv")), "ancien\n");
    EXPECT_EQ(QDir(Chemin(QString())).entryList({QStringLiteral("long.csv*")}, QDir::Files),
              QStringList{QStringLiteral("long.csv")});
}

TEST_F(Export, NeedsAFormatAndAReadableFile) {
    Execution e = Lancer({QStringLiteral("export"), Chemin(QStringLiteral("x.txt"))});
    EXPECT_EQ(e.code, 4);
    e = Lancer(
        {QStringLiteral("export"), Chemin(QStringLiteral("x.txt")), QStringLiteral("--csv")});
    EXPECT_EQ(e.code, 3);
}

using Stats = Cli_Test;

namespace {
QStringList Cles(std::initializer_list<const char*> noms) {
    QStringList cles;
    for (const char* nom : noms)
        cles << QLatin1String(nom);
    cles.sort();  // as QJsonObject lists them
    return cles;
}
}  // namespace

TEST_F(Stats, JsonHasExactlyTheListedKeysAndHumidityOnlyFor7307) {
    const QString fichier = Chemin(QStringLiteral("froid.txt"));
    Ecrire_Enregistrement(fichier, "7306", {4, 11, 12, 3});
    Execution e = Lancer({QStringLiteral("stats"), fichier, QStringLiteral("--json"),
                          QStringLiteral("--high"), QStringLiteral("10.1"), QStringLiteral("--low"),
                          QStringLiteral("-2.7")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.endsWith(QStringLiteral("}\n")));
    QJsonParseError erreur;
    QJsonObject o = QJsonDocument::fromJson(e.sortie.toUtf8(), &erreur).object();
    ASSERT_EQ(erreur.error, QJsonParseError::NoError) << e.sortie.toStdString();
    EXPECT_EQ(o.keys(),
              Cles({"mesures", "debut", "fin", "duree_s", "periode_s", "trous", "temperature"}));
    const QJsonObject t = o[QStringLiteral("temperature")].toObject();
    EXPECT_EQ(t.keys(), Cles({"min", "min_date", "max", "max_date", "moyenne", "ecart_type", "mkt",
                              "seuil_haut", "seuil_bas", "au_dessus", "en_dessous"}));
    const QJsonObject haut = t[QStringLiteral("au_dessus")].toObject();
    EXPECT_EQ(haut.keys(),
              Cles({"mesures", "duree_s", "depassements", "plus_long_s", "plus_long_debut"}));
    EXPECT_EQ(haut[QStringLiteral("plus_long_debut")].toString(),
              QStringLiteral("2026-12-05T00:01:00"));
    EXPECT_EQ(t[QStringLiteral("seuil_haut")].toDouble(), 10.1);
    EXPECT_EQ(t[QStringLiteral("seuil_bas")].toDouble(), -2.7);
    EXPECT_TRUE(t[QStringLiteral("en_dessous")][QStringLiteral("plus_long_debut")].isNull());

    const QString hygro = Chemin(QStringLiteral("hygro.txt"));
    Ecrire_Enregistrement(hygro, "7307", {21.5f, 22});
    e = Lancer({QStringLiteral("stats"), hygro, QStringLiteral("--json")});
    o = QJsonDocument::fromJson(e.sortie.toUtf8()).object();
    EXPECT_EQ(o[QStringLiteral("humidite")].toObject().keys(),
              Cles({"min", "min_date", "max", "max_date", "moyenne", "ecart_type"}));
}

TEST_F(Stats, TextUsesConfIniThresholdsAndBadUsageIsRefused) {
    auto reglages = Etat::Nouveau();
    reglages->Seuil_Haut = 11.5f;
    ASSERT_EQ(Import_Export::Ecriture_Conf(*reglages), Import_Export::Resultat_Ecriture::Ecrit);
    const QString fichier = Chemin(QStringLiteral("froid.txt"));
    Ecrire_Enregistrement(fichier, "7306", {4, 11, 12, 3});
    Execution e = Lancer({QStringLiteral("stats"), fichier});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("\nSeuil haut : 11.5 °C\n")));
    EXPECT_TRUE(e.sortie.contains(
        QStringLiteral("\nAu-dessus du seuil haut : 1 min, 1 dépassement (1 mesure)\n")));

    e = Lancer({QStringLiteral("stats"), fichier, QStringLiteral("--from"), QStringLiteral("abc"),
                QStringLiteral("--to"), QStringLiteral("2026-12-05")});
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("--from : « abc »")));
    e = Lancer({QStringLiteral("stats"), fichier, QStringLiteral("--from"),
                QStringLiteral("2026-12-06"), QStringLiteral("--to"),
                QStringLiteral("2026-12-05T23:00")});
    EXPECT_EQ(e.code, 4);
    e = Lancer({QStringLiteral("stats"), Chemin(QStringLiteral("absent.txt"))});
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.erreurs, QStringLiteral("Nom de fichier introuvable\n"));
    EXPECT_TRUE(e.sortie.isEmpty());
}

using Usage = Cli_Test;

TEST_F(Usage, VersionHelpAndUnknownCommands) {
    Execution e = Lancer({QStringLiteral("--version")});
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.sortie, QStringLiteral("Caldrix V1.09\n"));
    e = Lancer({QStringLiteral("--help")});
    EXPECT_EQ(e.code, 0);
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Codes de sortie")));
    e = Lancer({QStringLiteral("program"), QStringLiteral("--help")});
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("--sleep")));
    e = Lancer({QStringLiteral("effacer")});
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("commande inconnue : effacer")));
    e = Lancer({QStringLiteral("info"), QStringLiteral("--vite")});
    EXPECT_EQ(e.code, 4);
    e = Lancer({});
    EXPECT_EQ(e.code, 4);
}
