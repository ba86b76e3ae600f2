// Why a port did not open, as the user reads it, and what to do.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>

#include "Dossier_Temporaire.h"
#include "Impression_Qt.h"
#include "logger/Echec_Ouverture.h"

using namespace Qt::StringLiterals;
using Cause = Echec_Ouverture::Cause;

namespace {

// Qt's own form and the file's name: where a program holds the port (tests/app, tests/cli).
TEST(Verrou, LeProcessusQueTientChaqueFormeDeFichier) {
    EXPECT_EQ(Diagnostic_Ouverture::Pid_Verrou("      4242\n"), 4242);  // UUCP, lockdev
    EXPECT_EQ(Diagnostic_Ouverture::Pid_Verrou(QByteArray("\x92\x10\x00\x00", 4)), 4242);
    EXPECT_EQ(Diagnostic_Ouverture::Pid_Verrou("rien\n"), std::nullopt);
}

// A real pseudo-terminal, and lock files in a folder of the test's own (the lock of a program
// still running: tests/app/test_choix_comm.cpp).
class Diagnostic : public Dossier_Temporaire<> {
  protected:
    void SetUp() override {
        Dossier_Temporaire::SetUp();
        maitre = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_TRUE(maitre >= 0 && grantpt(maitre) == 0 && unlockpt(maitre) == 0);
        terminal = QString::fromLocal8Bit(ptsname(maitre));
        ASSERT_TRUE(QDir().mkpath(Chemin(u"verrous"_s)));
    }
    void TearDown() override {
        ::close(maitre);
        Dossier_Temporaire::TearDown();
    }
    Echec_Ouverture Diagnostiquer(const QString& peripherique) {
        return Diagnostic_Ouverture::Diagnostiquer(peripherique, u"Permission error"_s,
                                                   {Chemin(u"verrous"_s)});
    }
    int maitre = -1;
    QString terminal;
};

// The device opens, but a program that ended left its lock: the file is named, to be removed.
TEST_F(Diagnostic, UnVerrouLaisseParUnProgrammeTermineEstNomme) {
    const QString verrou =
        Ecrire(u"verrous/"_s + Diagnostic_Ouverture::Nom_Verrou(terminal), "999999999\n");
    const Echec_Ouverture e = Diagnostiquer(terminal);
    EXPECT_EQ(e.Raison, Cause::Verrou_Abandonne);
    EXPECT_EQ(e.Verrou, verrou);
}

TEST_F(Diagnostic, UnCheminQuiTraverseUnPeripheriqueNExistePas) {
    EXPECT_EQ(Diagnostiquer(terminal + u"/sous"_s).Raison, Cause::Absent);
}

// The words the user reads, one case each (a port that is not there and a user outside the
// group: tests/app, tests/cli), for /dev/ttyUSB0 of group dialout, a lock file and an error:
// each text takes only what its cause needs.
struct Cas_Texte {
    const char* nom;
    Cause raison;
    const char *texte, *court;
    const char* programme = "";                         // Occupe: the holder a lock file names
    bool groupe_autorise = false, deja_membre = false;  // Permission
    int numero = 5;
};

class Textes : public ::testing::TestWithParam<Cas_Texte> {};

TEST_P(Textes, DisentCeQuiArriveEtQuoiFaire) {
    const Cas_Texte& c = GetParam();
    Echec_Ouverture e;
    e.Raison = c.raison;
    e.Numero = c.numero;
    e.Peripherique = u"/dev/ttyUSB0"_s;
    e.Groupe = u"dialout"_s;
    e.Proprietaire = u"root"_s;
    e.Groupe_Autorise = c.groupe_autorise;
    e.Deja_Membre = c.deja_membre;
    e.Programme = QString::fromUtf8(c.programme);
    e.Pid = e.Programme.isEmpty() ? 0 : 4242;
    e.Verrou = u"/run/lock/LCK..ttyUSB0"_s;
    e.Detail = u"Input/output error"_s;
    EXPECT_EQ(e.Texte(), QString::fromUtf8(c.texte));
    EXPECT_EQ(e.Texte_Court(), QString::fromUtf8(c.court));
}

const Cas_Texte Cas[] = {
    {"refuse_a_une_session_ouverte_avant_l_ajout", Cause::Permission,
     "Le port COM 5 (/dev/ttyUSB0) est refusé à cette session : l'utilisateur a été ajouté au "
     "groupe dialout depuis qu'elle est ouverte. Fermer la session et se reconnecter.",
     "port COM 5 refusé (groupe dialout)", "", true, true},
    {"refuse_a_tout_autre_que_son_proprietaire", Cause::Permission,
     "Le port COM 5 (/dev/ttyUSB0) est refusé à cet utilisateur : seul root peut l'ouvrir. "
     "Demander l'accès à l'administrateur du poste.",
     "port COM 5 refusé (groupe dialout)"},
    {"occupe_par_un_programme_nomme", Cause::Occupe,
     "Le port COM 5 (/dev/ttyUSB0) est occupé par un autre programme : minicom (processus "
     "4242). Le fermer, puis recommencer.",
     "port COM 5 occupé par minicom", "minicom"},
    {"occupe_par_un_programme_inconnu", Cause::Occupe,
     "Le port COM 5 (/dev/ttyUSB0) est occupé par un autre programme. Le fermer, puis "
     "recommencer.",
     "port COM 5 occupé"},
    {"verrou_abandonne", Cause::Verrou_Abandonne,
     "Le port COM 5 (/dev/ttyUSB0) est verrouillé par le fichier /run/lock/LCK..ttyUSB0, qu'un "
     "programme terminé a laissé. Le supprimer (« sudo rm /run/lock/LCK..ttyUSB0 »), puis "
     "recommencer.",
     "port COM 5 verrouillé"},
    {"autre_raison_dite_par_le_systeme", Cause::Autre,
     "Le port /dev/ttyUSB0 ne s'ouvre pas : Input/output error.", "port /dev/ttyUSB0 inutilisable",
     "", false, false, 0},
};

INSTANTIATE_TEST_SUITE_P(Echecs, Textes, ::testing::ValuesIn(Cas),
                         [](const ::testing::TestParamInfo<Cas_Texte>& p) {
                             return std::string(p.param.nom);
                         });

}  // namespace
