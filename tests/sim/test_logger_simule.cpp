// The simulated logger fed frames directly (no terminal), and the pace of its output on the
// 9600-baud wire.
#include <gtest/gtest.h>

#include "Emission_Rythmee.h"
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
    const char* script[] = {"A 1940 -490",
                            ">\r",
                            "\nJ ABCDEFGHIJ 1",
                            "i ABCDEFGH 7307V12\r",
                            "C 5000",
                            ">\r",
                            "S 900 c 20 5",
                            "m 0 900 c 0000 1389\r",
                            "D",
                            "m 0 900 c 0000 1389\r"};
    for (std::size_t i = 0; i < std::size(script); i += 2, ms += 1500)
        EXPECT_EQ(Texte(logger.Recevoir(script[i] + QByteArray("\r"))), script[i + 1]) << script[i];
    const Memoire_Logger& apres = logger.Memoire();
    // Thresholds in tenths and size code, as the logger keeps them.
    EXPECT_EQ(u"%1 %2 %3"_s.arg(apres.seuil_haut).arg(apres.seuil_bas).arg(apres.code_taille),
              u"1940 -490 5"_s);
    EXPECT_TRUE(apres.mesures.empty() && apres.sans_veille);
}

// 960 characters a second when paced, never ahead of the wire, starting again after a pause (an
// unpaced pause plays the "pause" fault of the pty tests).
TEST(EmissionRythmee, PausesEtRythmeDuFil) {
    using namespace std::chrono;
    const Logger_Simule::Reponse reponse = {{0, QByteArray(96, 'a')}, {400, QByteArray(96, 'b')}};
    const Emission_Rythmee::Instant t0 = Emission_Rythmee::Instant() + 1h;
    Emission_Rythmee emission;
    emission.Definir_Rythme_Reel(true);
    emission.Ajouter(reponse, t0);
    QByteArray sorti;
    Emission_Rythmee::Instant t = t0;
    for (std::optional<Emission_Rythmee::Instant> reveil; !emission.Vide();) {
        const QByteArrayView pret = emission.Disponible(t, reveil);
        EXPECT_LE(sorti.size() + pret.size(), (t - t0) * 960 / 1s);
        sorti += pret.toByteArray();
        emission.Retirer(pret.size());
        if (pret.isEmpty()) t = reveil.value();
    }
    EXPECT_EQ(sorti, Texte(reponse));
    EXPECT_EQ(duration_cast<milliseconds>(t - t0), 600ms);  // 100 ms a piece, and the pause
}

}  // namespace
