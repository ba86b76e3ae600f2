// The simulated logger fed frames directly, without a terminal.
#include <gtest/gtest.h>

#include "Impression_Qt.h"
#include "Logger_Simule.h"

namespace {

QByteArray Texte(const Logger_Simule::Reponse& reponse) {
    QByteArray texte;
    for (const Logger_Simule::Morceau& m : reponse)
        texte += m.octets;
    return texte;
}

// A 7307 logger whose clock moves a second and a half a frame: malformed frames change nothing,
// the line feed of a terminal used by hand is ignored, and its memory keeps what the commands set.
// The replies the program reads run through it in the pty, command-line and window tests.
TEST(LoggerSimule, TramesRefuseesEtCommandesRetenues) {
    int64_t ms = 0;
    Memoire_Logger m = Memoire_Logger::Modele(7307);
    m.mesures = {{215, 567}};
    Logger_Simule logger(m, [&ms] { return ms; });
    for (const char* trame : {"X", "QQ", "A 1", "A 1 x", "C", "C douze", "J", "J NOM", "J NOM 2",
                              "S 0 F 20 5", "S 60 K 20 5", "S 60 C 20 6", "S 60 C 20"})
        EXPECT_EQ(Texte(logger.Recevoir(trame + QByteArray("\r"))), "?\r") << trame;
    const std::pair<const char*, const char*> script[] = {
        {"A 1940 -490", ">\r"},
        {"\nJ ABCDEFGHIJ 1", "i ABCDEFGH 7307V12\r"},
        {"C 5000", ">\r"},
        {"S 900 c 20 5", "m 0 900 c 0000 1389\r"},
        {"D", "m 0 900 c 0000 1389\r"}};
    for (const auto& [trame, reponse] : script) {
        EXPECT_EQ(Texte(logger.Recevoir(trame + QByteArray("\r"))), reponse) << trame;
        ms += 1500;
    }
    const Memoire_Logger& apres = logger.Memoire();
    // Thresholds in tenths, size code and no sleep, as the logger keeps them.
    EXPECT_EQ((QList<int>{apres.seuil_haut, apres.seuil_bas, apres.code_taille, apres.sans_veille}),
              (QList<int>{1940, -490, 5, 1}));
}

}  // namespace
