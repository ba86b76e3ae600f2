#include "Banc_Archive.h"

#include <QCoreApplication>
#include <QSqlDatabase>

#include "Enregistrement_Essai.h"
#include "Postgres_Prive.h"
#include "core/Etat.h"
#include "files/Fichier_Enreg.h"

namespace {

// Qt SQL loads its drivers only under a QCoreApplication.
class Application : public ::testing::Environment {
    void SetUp() override { application_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }
    int argc_ = 1;
    char nom_[16] = "test_archive";
    char* argv_[2] = {nom_, nullptr};
    std::unique_ptr<QCoreApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const enregistre =
    ::testing::AddGlobalTestEnvironment(new Application);

}  // namespace

QByteArray Fichier_Essai(const QString& identite, double debut, const QString& commentaire) {
    return Import_Export::Contenu_Fichier_Enreg(*Enregistrement_Essai(7307)
                                                     .Identite(identite)
                                                     .Debut(debut)
                                                     .Commentaire(commentaire)
                                                     .Temperatures({5, 6, 7})
                                                     .Etat_Rempli());
}

void Banc_Archive::SetUp() {
    Dossier_Temporaire::SetUp();
    if (HasFatalFailure() || GetParam() == Moteur::SQLite) return;
    Postgres_Prive& serveur = Postgres_Prive::Commun();
    if (!serveur.Absence().isEmpty()) GTEST_SKIP() << serveur.Absence().toStdString();
    if (!QSqlDatabase::isDriverAvailable(u"QPSQL"_s)) {
        GTEST_SKIP() << "pilote PostgreSQL de Qt SQL absent (libqt6sql6-psql)";
    }
    qputenv("CALDRIX_ARCHIVE", serveur.Nouvelle_Base().toUtf8());
}

void Banc_Archive::TearDown() {
    qunsetenv("CALDRIX_ARCHIVE");
    Dossier_Temporaire::TearDown();
}

std::unique_ptr<Archive> Banc_Archive::Ouvrir() {
    QString erreur;
    auto archive = Archive::Ouvrir(erreur);
    EXPECT_TRUE(archive) << erreur.toStdString();
    return archive;
}

std::string Nom_Moteur(const ::testing::TestParamInfo<Moteur>& info) {
    return info.param == Moteur::SQLite ? "SQLite" : "PostgreSQL";
}
