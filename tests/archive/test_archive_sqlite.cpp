// The local archive file when it cannot be written or read, and addresses that name no server.
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "Banc_Archive.h"

namespace {

class Archive_Locale : public Banc_Archive {
  protected:
    QByteArray Base() const {
        QFile f(Chemin(QStringLiteral("Archives/caldrix.sqlite")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace

TEST_P(Archive_Locale, AReadOnlyFileRefusesTheAddAndKeepsWhatItHolds) {
    if (geteuid() == 0) GTEST_SKIP() << "root écrit malgré les droits : lecture seule intestable";
    ASSERT_EQ(Ouvrir()->Ajouter(Ecrire(QStringLiteral("a.txt"), Fichier_Essai({}, 46000))).Bilan,
              Bilan_Ajout::Archive);
    QFile::setPermissions(Chemin(QStringLiteral("Archives/caldrix.sqlite")), QFile::ReadOwner);
    const QByteArray avant = Base();
    const auto archive = Ouvrir();
    ASSERT_TRUE(archive);
    const Resultat_Ajout r =
        archive->Ajouter(Ecrire(QStringLiteral("b.txt"), Fichier_Essai({}, 46001)));
    EXPECT_EQ(r.Bilan, Bilan_Ajout::Echec);
    EXPECT_TRUE(r.Message.contains(QStringLiteral("en lecture seule"))) << r.Message.toStdString();
    EXPECT_EQ(archive->Lister({}).Fiches.size(), 1);
    EXPECT_EQ(Base(), avant);
}

TEST_P(Archive_Locale, ACorruptFileOrAFolderThatCannotBeMadeIsToldAndNothingIsLost) {
    Ecrire(QStringLiteral("Archives"), "un fichier à la place du dossier");
    QString erreur;
    EXPECT_FALSE(Archive::Ouvrir(erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("Impossible de créer le dossier des archives")));

    QFile::remove(Chemin(QStringLiteral("Archives")));
    ASSERT_TRUE(QDir(Chemin({})).mkpath(QStringLiteral("Archives")));
    const QByteArray dechets(4096, 'Z');
    Ecrire(QStringLiteral("Archives/caldrix.sqlite"), dechets);
    EXPECT_FALSE(Archive::Ouvrir(erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("est endommagé ou n'est pas une base SQLite")))
        << erreur.toStdString();
    EXPECT_EQ(Base(), dechets);
}

TEST_P(Archive_Locale, AMalformedAddressIsAnErrorNeverTheLocalFile) {
    for (const char* faux :
         {"mysql://u@h/b", "postgresql://h/b", "postgresql://u@h", "postgresql://u@:5432/b",
          "postgresql://u@h:0/b", "postgresql://u@h/", "postgresql://u%zz@h/b"}) {
        qputenv("CALDRIX_ARCHIVE", faux);
        QString erreur;
        EXPECT_FALSE(Archive::Ouvrir(erreur)) << faux;
        EXPECT_TRUE(
            erreur.startsWith(QStringLiteral("CALDRIX_ARCHIVE : Adresse des archives incorrecte")));
    }
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("Archives"))));
    // Without the variable, the line of Archive.ini; each field percent-decoded.
    qunsetenv("CALDRIX_ARCHIVE");
    Ecrire(QStringLiteral("Archive.ini"),
           "[Serveur]\r\npostgresql://labo%40site:p%3Ass@db:6543/haccp\r\n");
    QString erreur;
    const auto a = Adresse_Configuree(erreur);
    ASSERT_TRUE(a) << erreur.toStdString();
    EXPECT_EQ(QStringList({a->Utilisateur, a->Mot_De_Passe, a->Hote, a->Base}),
              QStringList({QStringLiteral("labo@site"), QStringLiteral("p:ss"),
                           QStringLiteral("db"), QStringLiteral("haccp")}));
    EXPECT_EQ(a->Port, 6543);
}

INSTANTIATE_TEST_SUITE_P(Fichier, Archive_Locale, ::testing::Values(Moteur::SQLite), Nom_Moteur);
