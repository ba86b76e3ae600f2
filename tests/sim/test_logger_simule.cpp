// The simulated logger's replies and memory, fed frames directly (no terminal), and the pace of
// its output on the 9600-baud wire.
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

// A logger holding three known measures started at clock count 0x15180 (one day) answers frames
// after frames, its clock moving a second and a half each time; malformed frames change nothing,
// and the line feed of a terminal used by hand is ignored.
TEST(LoggerSimule, ReponsesOctetPourOctetEtMemoire) {
    const std::vector<const char*> scripts[] = {
        {"Q", ">\r", "\nI", "i FOUR-02 7306V12\r", "M", "m 3 60 F 0001 5180\r", "D",
         "m 3 60 F 0001 5180\rt 215\rt -15\rt 0\r", "A 1940 -490", ">\r", "C 5000", ">\r",
         "S 60 C 90000 0", "m 0 60 C 0001 5F90\r"},
        {"I", "i FOUR-02 7307V12\r", "M", "m 6 60 F 0001 5180\r", "D",
         "m 6 60 F 0001 5180\rt 215 567\rt -15 1000\rt 0 0\r", "J ABCDEFGHIJ 1",
         "i ABCDEFGH 7307V12\r", "I", "i ABCDEFGH 7307V12\r", "J  0", "i  7307V12\r", "C 5000",
         ">\r", "S 900 c 20 5", "m 0 900 c 0000 1389\r", "D", "m 0 900 c 0000 1389\r"}};
    for (int modele : {7306, 7307}) {
        int64_t ms = 0;
        Memoire_Logger m = Memoire_Logger::Modele(modele);
        m.identite = "FOUR-02";
        m.unite = 'F';
        m.debut_enreg = 0x15180;
        m.mesures = {{215, 567}, {-15, 1000}, {0, 0}};
        Logger_Simule logger(m, [&ms] { return ms; });
        for (const char* trame :
             {"X", "QQ", "A 1", "A 1 x", "C", "C douze", "J", "J NOM", "J NOM 2", "S 0 F 20 5",
              "S 60 K 20 5", "S 60 C 20 6", "S 60 C 20"})
            EXPECT_EQ(Texte(logger.Recevoir(trame + QByteArray("\r"))), "?\r") << trame;
        const std::vector<const char*>& script = scripts[modele - 7306];
        for (std::size_t i = 0; i < script.size(); i += 2, ms += 1500)
            EXPECT_EQ(Texte(logger.Recevoir(script[i] + QByteArray("\r"))), script[i + 1])
                << script[i];
        const Memoire_Logger& apres = logger.Memoire();
        // Thresholds in tenths and size code, as the logger keeps them.
        EXPECT_EQ(u"%1 %2 %3"_s.arg(apres.seuil_haut).arg(apres.seuil_bas).arg(apres.code_taille),
                  QLatin1String(modele == 7306 ? "1940 -490 0" : "300 0 5"));
        EXPECT_TRUE(apres.mesures.empty() && !apres.sans_veille);
    }
}

// 960 characters a second when paced, never ahead of the wire, starting again after a pause.
TEST(EmissionRythmee, PausesEtRythmeDuFil) {
    using namespace std::chrono;
    const std::tuple<bool, Logger_Simule::Reponse, milliseconds> cas[] = {
        {false, {{0, ">"}, {400, "\r"}}, 400ms},
        {true, {{0, QByteArray(96000, 't')}}, 100000ms},
        {true, {{0, QByteArray(96, 'a')}, {400, QByteArray(96, 'b')}}, 600ms},
    };
    const Emission_Rythmee::Instant t0 = Emission_Rythmee::Instant() + 1h;
    for (const auto& [rythme, reponse, duree] : cas) {
        Emission_Rythmee emission;
        emission.Definir_Rythme_Reel(rythme);
        emission.Ajouter(reponse, t0);
        QByteArray sorti;
        Emission_Rythmee::Instant t = t0;
        for (std::optional<Emission_Rythmee::Instant> reveil; !emission.Vide();) {
            const QByteArrayView pret = emission.Disponible(t, reveil);
            EXPECT_TRUE(!rythme || sorti.size() + pret.size() <= (t - t0) * 960 / 1s);
            sorti += pret.toByteArray();
            emission.Retirer(pret.size());
            if (pret.isEmpty()) t = reveil.value();
        }
        EXPECT_EQ(sorti, Texte(reponse));
        EXPECT_EQ(duration_cast<milliseconds>(t - t0), duree);
    }
}

}  // namespace
