// The serial device a port number names: the link the simulator made in ports/, else the
// machine's own serial port, COM1 being ttyS0.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Impression_Qt.h"
#include "core/Dossier_Programme.h"

using namespace Qt::StringLiterals;

TEST(DossierProgramme, LePortParSonLienSinonLePeripheriqueSerie) {
    QTemporaryDir dossier;
    qputenv("CALDRIX_HOME", QFile::encodeName(dossier.path()));
    ASSERT_TRUE(QDir(dossier.path()).mkpath(u"ports"_s));
    QFile lien(dossier.filePath(u"ports/COM3"_s));
    ASSERT_TRUE(lien.open(QIODevice::WriteOnly));
    lien.close();

    QStringList peripheriques;
    for (int port : {1, 3, 4, 16})
        peripheriques << Dossier_Programme::Peripherique_Port(port);
    qunsetenv("CALDRIX_HOME");

    EXPECT_EQ(peripheriques, (QStringList{u"/dev/ttyS0"_s, dossier.filePath(u"ports/COM3"_s),
                                          u"/dev/ttyS3"_s, u"/dev/ttyS15"_s}));
}
