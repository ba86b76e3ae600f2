// caldrix-cli on recordings files: the cooking value, the CSV export, the statistics, usage.
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include "Cli_Test.h"
#include "Enregistrement_Essai.h"
#include "Fixtures.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

// One measure a minute from 05/12/2026 at midnight.
QString Ecrire(const QString& chemin, int modele, const std::vector<float>& temperatures) {
    return Enregistrement_Essai(modele)
        .Debut(Date_Depuis_Civil(2026, 12, 5))
        .Temperatures(temperatures)
        .Ecrire(chemin);
}

QStringList Cles(std::initializer_list<const char*> noms) {
    QStringList cles;
    for (const char* nom : noms)
        cles << QLatin1String(nom);
    cles.sort();  // as QJsonObject lists them
    return cles;
}

}  // namespace

using Cook = Cli_Test;

TEST_F(Cook, AfficheLaLigneDeLaBarreDEtatPourChaqueCalcul) {
    const QString f = Ecrire(Chemin(QStringLiteral("cuisson.txt")), 7306, {50, 60, 70, 80, 70, 50});
    const QString fin = QStringLiteral(" | Tref :70°c | Z :10°c | Tdép :55°c\n");
    const struct {
        QStringList options;
        QString sortie;
    } cas[] = {
        {{QStringLiteral("--pasteurisation")},
         QStringLiteral("Pasteurisation Valeur : 12mn le : 05/12/2026 00:04:00") + fin},
        {{QStringLiteral("--recipe"), QStringLiteral("3")},  // recettes.ini made with its defaults
         QStringLiteral("Formule n°3 Valeur : 12mn le : 05/12/2026 00:04:00") + fin},
        {{QStringLiteral("--sterilisation")},
         QStringLiteral("Stérilisation Valeur : 0mn le : 30/12/1899 | Tref :121°c | Z :10°c | "
                        "Tdép :100°c\n")},
        {{QStringLiteral("--tref"), QStringLiteral("60"), QStringLiteral("--z"),
          QStringLiteral("7.5"), QStringLiteral("--tdep"), QStringLiteral("45")},
         QStringLiteral("Personnalisé Valeur : 508mn le : 05/12/2026 00:05:00 | Tref :60°c | Z "
                        ":7.5°c | Tdép :45°c\n")},
    };
    for (const auto& c : cas) {
        const Execution e = Lancer(QStringList{QStringLiteral("cook"), f} + c.options);
        EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
        EXPECT_EQ(e.sortie, c.sortie);
    }
}

TEST_F(Cook, RefuseCeQuiNeSeCalculePasEtLesFichiersIllisibles) {
    const QString hygro = Ecrire(Chemin(QStringLiteral("hygro.txt")), 7307, {50, 60});
    const QString temp = Ecrire(Chemin(QStringLiteral("temp.txt")), 7306, {50, 60});
    const QString seule = Ecrire(Chemin(QStringLiteral("seule.txt")), 7306, {80});
    const QString p = QStringLiteral("--pasteurisation");
    const struct {
        QStringList arguments;
        int code;
        QString erreur;
    } cas[] = {
        {{hygro, p}, 4, QStringLiteral("Calcul de cuisson impossible avec un enregistreur 7307")},
        {{seule, p}, 4, QStringLiteral("il n'y a rien à calculer")},
        {{temp}, 4, QStringLiteral("choisir un calcul")},
        {{temp, p, QStringLiteral("--sterilisation")}, 4, QStringLiteral("choisir un calcul")},
        {{temp, QStringLiteral("--tref"), QStringLiteral("70"), QStringLiteral("--z"),
          QStringLiteral("0"), QStringLiteral("--tdep"), QStringLiteral("55")},
         4,
         QStringLiteral("Calcul impossible")},
        {{Chemin(QStringLiteral("absent.txt")), p},
         3,
         QStringLiteral("Nom de fichier introuvable")},
        {{Fixture("tronque.txt"), p}, 3, QStringLiteral("Fichier incorrect!")},
    };
    for (const auto& c : cas) {
        const Execution e = Lancer(QStringList{QStringLiteral("cook")} + c.arguments);
        EXPECT_EQ(e.code, c.code) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(e.erreurs.contains(c.erreur)) << e.erreurs.toStdString();
        EXPECT_TRUE(e.sortie.isEmpty());
    }
}

using Export = Cli_Test;

TEST_F(Export, EcritDesDatesIsoEtDesPointsDecimaux) {
    Execution e =
        Lancer({QStringLiteral("export"), Fixture("serre_7307.txt"), QStringLiteral("--csv")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(
        e.sortie.startsWith(QStringLiteral("date_heure,temperature_degres,"
                                           "humidite_pourcent_hr\n"
                                           "2026-11-30T14:00:00,18.5,55\n"
                                           "2026-11-30T14:02:00,19,56\n")));
    EXPECT_EQ(e.sortie.count(QLatin1Char('\n')), 9);
    const QString csv = Chemin(QStringLiteral("four.csv"));
    e = Lancer({QStringLiteral("export"), Fixture("four_7306.txt"), QStringLiteral("--csv"),
                QStringLiteral("--output"), csv});
    EXPECT_EQ(e.code, 0);
    EXPECT_TRUE(Lire_Fichier(QStringLiteral("four.csv"))
                    .contains("\n2026-12-06T00:00:00,72.5\n2026-12-06T00:01:00,72.4\n"));
    EXPECT_TRUE(Lire_Fichier(QStringLiteral("four.csv")).endsWith("\n2026-12-06T00:06:00,-1.5\n"));

    e = Lancer({QStringLiteral("export"), Fixture("four_7306.txt")});
    EXPECT_EQ(e.code, 4);  // no format
}

TEST_F(Export, UnDisquePleinLaisseLAncienFichierEtLeDit) {
    const QString f =
        Ecrire(Chemin(QStringLiteral("long.txt")), 7306, std::vector<float>(400, 21.5f));
    Ecrire_Fichier(QStringLiteral("long.csv"), "ancien\n");
    const Execution e = Lancer({QStringLiteral("export"), f, QStringLiteral("--csv"),
                                QStringLiteral("--output"), Chemin(QStringLiteral("long.csv"))},
                               4096);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("rien n'a été remplacé")))
        << e.erreurs.toStdString();
    EXPECT_EQ(Lire_Fichier(QStringLiteral("long.csv")), "ancien\n");
    EXPECT_EQ(QDir(Chemin(QString())).entryList({QStringLiteral("long.csv*")}, QDir::Files),
              QStringList{QStringLiteral("long.csv")});
}

using Stats = Cli_Test;

TEST_F(Stats, LeJsonPorteExactementSesClesEtLHumiditePourLe7307Seulement) {
    const QString f = Ecrire(Chemin(QStringLiteral("froid.txt")), 7306, {4, 11, 12, 3});
    Execution e =
        Lancer({QStringLiteral("stats"), f, QStringLiteral("--json"), QStringLiteral("--high"),
                QStringLiteral("10.1"), QStringLiteral("--low"), QStringLiteral("-2.7")});
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

    e = Lancer({QStringLiteral("stats"), Fixture("serre_7307.txt"), QStringLiteral("--json")});
    o = QJsonDocument::fromJson(e.sortie.toUtf8()).object();
    EXPECT_EQ(o[QStringLiteral("humidite")].toObject().keys(),
              Cles({"min", "min_date", "max", "max_date", "moyenne", "ecart_type"}));
}

TEST_F(Stats, LeTexteSuitConfIniEtLesMauvaisUsagesSontRefuses) {
    auto reglages = Etat::Nouveau();
    reglages->Seuil_Haut = 11.5f;
    ASSERT_EQ(Import_Export::Ecriture_Conf(*reglages), Import_Export::Resultat_Ecriture::Ecrit);
    const QString f = Ecrire(Chemin(QStringLiteral("froid.txt")), 7306, {4, 11, 12, 3});
    Execution e = Lancer({QStringLiteral("stats"), f});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("\nSeuil haut : 11.5 °C\n")));
    EXPECT_TRUE(e.sortie.contains(
        QStringLiteral("\nAu-dessus du seuil haut : 1 min, 1 dépassement (1 mesure)\n")));

    const QString de = QStringLiteral("--from"), a = QStringLiteral("--to");
    for (const QStringList& mauvais :
         {QStringList{de, QStringLiteral("abc"), a, QStringLiteral("2026-12-05")},
          QStringList{de, QStringLiteral("2026-12-06"), a, QStringLiteral("2026-12-05T23:00")}}) {
        e = Lancer(QStringList{QStringLiteral("stats"), f} + mauvais);
        EXPECT_EQ(e.code, 4) << mauvais.join(u' ').toStdString();
    }
    e = Lancer({QStringLiteral("stats"), Chemin(QStringLiteral("absent.txt"))});
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.erreurs, QStringLiteral("Nom de fichier introuvable\n"));
}

using Usage = Cli_Test;

TEST_F(Usage, VersionAideEtCommandesInconnues) {
    Execution e = Lancer({QStringLiteral("--version")});
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.sortie, QStringLiteral("Caldrix V1.09\n"));
    e = Lancer({QStringLiteral("--help")});
    EXPECT_EQ(e.code, 0);
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Codes de sortie")));
    e = Lancer({QStringLiteral("program"), QStringLiteral("--help")});
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("--sleep")));
    for (const QStringList& mauvais :
         {QStringList{QStringLiteral("effacer")},
          QStringList{QStringLiteral("info"), QStringLiteral("--vite")}, QStringList{}}) {
        e = Lancer(mauvais);
        EXPECT_EQ(e.code, 4) << mauvais.join(u' ').toStdString();
    }
    EXPECT_TRUE(Lancer({QStringLiteral("effacer")})
                    .erreurs.contains(QStringLiteral("commande inconnue : effacer")));
}
