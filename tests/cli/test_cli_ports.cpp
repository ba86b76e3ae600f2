// caldrix-cli on a port that does not open: it says why, and exits with 1 at once, as a logger
// that does not answer does; the logger behind a port that opens is asked as before.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include "Cli_Test.h"

namespace {

using Ports = Cli_Test;

TEST_F(Ports, UnPortOuvertSansReponseResteLeLoggerQuiNeRepondPas) {
    Brancher(7306, 0);
    Definir_Panne({Panne::Muet, 0});
    const Execution e = Lancer(u"info --port 3"_s);
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.erreurs, u"Le logger ne répond pas - Erreur N° : 1\n"_s);
}

// The device as a USB adapter comes: root's, group dialout, rw for both. The user who is not
// in the group is told which group, and the command that puts him in it. Opened to all but taken
// in exclusive mode without a lock file, the port is said to be held, by a program this user may
// not even see.
TEST_F(Ports, UnPortRefuseNommeLeGroupeUnPortExclusifSansVerrouEstDitOccupe) {
    if (geteuid() != 0) GTEST_SKIP() << "il faut être root pour ouvrir le port en tant que nobody";
    Brancher(7306, 0);
    const QByteArray terminal = QFile::encodeName(logger->Peripherique());
    ASSERT_EQ(::chown(terminal.constData(), 0, 20), 0);  // dialout, as Debian numbers it
    ASSERT_EQ(::chmod(terminal.constData(), 0660), 0);
    Execution e = Lancer_Sans_Privileges(u"info --port 3"_s);
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.erreurs,
              u"Le port COM 3 (%1) est refusé à cet utilisateur : il est réservé au groupe "
              "dialout. Y ajouter l'utilisateur (« sudo adduser $USER dialout »), puis fermer la "
              "session et se reconnecter.\n"_s.arg(logger->Peripherique()));
    EXPECT_TRUE(Trames().isEmpty());

    ASSERT_EQ(::chmod(terminal.constData(), 0666), 0);
    const int exclusif = ::open(terminal.constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(exclusif, 0);
    ASSERT_EQ(::ioctl(exclusif, TIOCEXCL), 0);
    e = Lancer_Sans_Privileges(u"info --port 3"_s);
    ::close(exclusif);
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.erreurs,
              u"Le port COM 3 (%1) est occupé par un autre programme. Le fermer, puis "
              "recommencer.\n"_s.arg(logger->Peripherique()));
}

}  // namespace
