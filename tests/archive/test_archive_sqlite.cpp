// The local archive file when it cannot be made or read, and addresses that name no server.
#include <QDir>
#include <QFile>

#include "Banc_Archive.h"

namespace {

class ArchiveLocale : public Banc_Archive {
  protected:
    QByteArray Base() const { return Octets(Chemin(u"Archives/caldrix.sqlite"_s)); }
};

}  // namespace

TEST_P(ArchiveLocale, FichierCorrompuOuDossierImpossibleSontDitsEtRienNEstPerdu) {
    Ecrire(u"Archives"_s, "un fichier à la place du dossier");
    QString erreur;
    EXPECT_FALSE(Archive::Ouvrir(erreur));
    EXPECT_TRUE(erreur.contains(u"Impossible de créer le dossier des archives"_s));

    QFile::remove(Chemin(u"Archives"_s));
    ASSERT_TRUE(QDir(Chemin({})).mkpath(u"Archives"_s));
    const QByteArray dechets(4096, 'Z');
    Ecrire(u"Archives/caldrix.sqlite"_s, dechets);
    EXPECT_FALSE(Archive::Ouvrir(erreur));
    EXPECT_TRUE(erreur.contains(u"est endommagé ou n'est pas une base SQLite"_s))
        << erreur.toStdString();
    EXPECT_EQ(Base(), dechets);
}

TEST_P(ArchiveLocale, UneAdresseMalFormeeEstUneErreurJamaisLeFichierLocal) {
    for (const char* faux :
         {"mysql://u@h/b", "postgresql://h/b", "postgresql://u@h", "postgresql://u@:5432/b",
          "postgresql://u@h:0/b", "postgresql://u@h/", "postgresql://u%zz@h/b"}) {
        qputenv("CALDRIX_ARCHIVE", faux);
        QString erreur;
        EXPECT_FALSE(Archive::Ouvrir(erreur)) << faux;
        EXPECT_TRUE(erreur.startsWith(u"CALDRIX_ARCHIVE : Adresse des archives incorrecte"_s));
    }
    EXPECT_FALSE(QFile::exists(Chemin(u"Archives"_s)));
    // Without the variable, the line of Archive.ini; each field percent-decoded.
    qunsetenv("CALDRIX_ARCHIVE");
    Ecrire(u"Archive.ini"_s, "[Serveur]\r\npostgresql://labo%40site:p%3Ass@db:6543/haccp\r\n");
    QString erreur;
    const auto a = Adresse_Configuree(erreur);
    ASSERT_TRUE(a) << erreur.toStdString();
    EXPECT_EQ(QStringList({a->Utilisateur, a->Mot_De_Passe, a->Hote, a->Base}),
              QStringList({u"labo@site"_s, u"p:ss"_s, u"db"_s, u"haccp"_s}));
    EXPECT_EQ(a->Port, 6543);
}

INSTANTIATE_TEST_SUITE_P(Fichier, ArchiveLocale, ::testing::Values(Moteur::SQLite), Nom_Moteur);
