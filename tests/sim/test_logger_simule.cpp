// The simulated logger's replies and memory, fed frames directly (no terminal), and the pace of
// its output on the 9600-baud wire.
#include <gtest/gtest.h>

#include "Emission_Rythmee.h"
#include "Logger_Simule.h"

namespace {

// A logger holding three known measures, started at clock count 0x15180 (one day), answering
// each frame of a script in turn; its clock is moved by hand.
TEST(LoggerSimule, ReponsesOctetPourOctetEtMemoire) {
    const std::pair<int, std::vector<std::pair<QByteArray, QByteArray>>> scripts[] = {
        {7306,
         {{"Q", ">\r"},
          {"I", "i FOUR-02 7306V12\r"},
          {"M", "m 3 60 F 0001 5180\r"},
          {"D", "m 3 60 F 0001 5180\rt 215\rt -15\rt 0\r"},
          {"X", "?\r"},
          {"QQ", "?\r"},
          {"A 1", "?\r"},
          {"A 1 x", "?\r"},
          {"C", "?\r"},
          {"C douze", "?\r"},
          {"J", "?\r"},
          {"J NOM", "?\r"},
          {"J NOM 2", "?\r"},
          {"S 0 F 20 5", "?\r"},
          {"S 60 K 20 5", "?\r"},
          {"S 60 C 20 6", "?\r"},
          {"S 60 C 20", "?\r"},
          {"I", "i FOUR-02 7306V12\r"},
          {"M", "m 3 60 F 0001 5180\r"},
          {"A 1940 -490", ">\r"},
          {"C 5000", ">\r"},
          {"S 60 C 90000 0", "m 0 60 C 0001 5F90\r"}}},
        {7307,
         {{"I", "i FOUR-02 7307V12\r"},
          {"M", "m 6 60 F 0001 5180\r"},
          {"D", "m 6 60 F 0001 5180\rt 215 567\rt -15 1000\rt 0 0\r"},
          {"J ABCDEFGHIJ 1", "i ABCDEFGH 7307V12\r"},
          {"I", "i ABCDEFGH 7307V12\r"},
          {"J  0", "i  7307V12\r"},
          {"C 5000", ">\r"},
          {"S 900 c 20 5", "m 0 900 c 0000 1389\r"},
          {"D", "m 0 900 c 0000 1389\r"}}},
    };
    for (const auto& [modele, script] : scripts) {
        int64_t ms = 1000000;
        Memoire_Logger m = Memoire_Logger::Modele(modele);
        m.identite = "FOUR-02";
        m.unite = 'F';
        m.debut_enreg = 0x15180;
        m.mesures = {{215, 567}, {-15, 1000}, {0, 0}};
        Logger_Simule logger(m, [&ms] { return ms; });
        for (const auto& [trame, reponse] : script) {
            QByteArray recu;
            for (const Logger_Simule::Morceau& morceau : logger.Recevoir(trame + '\r'))
                recu += morceau.octets;
            EXPECT_EQ(recu, reponse) << modele << " " << trame.toStdString();
            ms += 1500;  // the clock counts the whole seconds elapsed: 5000, then 5001
        }
        const Memoire_Logger& apres = logger.Memoire();
        EXPECT_EQ(apres.seuil_haut, modele == 7306 ? 1940 : 300);
        EXPECT_EQ(apres.seuil_bas, modele == 7306 ? -490 : 0);
        EXPECT_EQ(apres.code_taille, modele == 7306 ? 0 : 5);
        EXPECT_FALSE(apres.sans_veille);
        EXPECT_TRUE(apres.mesures.empty()) << "a campaign started";
    }
}

TEST(LoggerSimule, TramesRecuesOctetParOctet) {
    Logger_Simule logger(Memoire_Logger::Modele(7306));
    QList<QByteArray> suivies;
    logger.Definir_Suivi([&suivies](const QByteArray& trame) { suivies.append(trame); });
    QByteArray recu;
    for (char c : QByteArray("I\r\nQ\rJ NOM 1\r\rA 10"))  // a terminal used by hand sends CR LF
        for (const Logger_Simule::Morceau& m : logger.Recevoir(QByteArray(1, c)))
            recu += m.octets;
    EXPECT_EQ(recu, QByteArray("i SIMUL01 7306V12\r>\ri NOM 7306V12\r"));
    EXPECT_TRUE(logger.Memoire().sans_veille);
    EXPECT_EQ(logger.Trames_Recues(), (QList<QByteArray>{"I", "Q", "J NOM 1", ""}));
    EXPECT_EQ(suivies, logger.Trames_Recues());
}

// 960 characters a second when paced, never ahead of the wire, starting again after a pause.
TEST(EmissionRythmee, PausesEtRythmeDuFil) {
    using namespace std::chrono;
    const struct {
        bool rythme;
        Logger_Simule::Reponse reponse;
        milliseconds duree;
    } cas[] = {
        {false, {{0, ">"}, {400, "\r"}}, 400ms},
        {true, {{0, QByteArray(96000, 't')}}, 100000ms},
        {true, {{0, QByteArray(96, 'a')}, {400, QByteArray(96, 'b')}}, 600ms},
    };
    const Emission_Rythmee::Instant t0 = Emission_Rythmee::Instant() + 1h;
    for (const auto& c : cas) {
        Emission_Rythmee emission;
        emission.Definir_Rythme_Reel(c.rythme);
        emission.Ajouter(c.reponse, t0);
        QByteArray sorti, attendu;
        Emission_Rythmee::Instant t = t0;
        while (!emission.Vide()) {
            std::optional<Emission_Rythmee::Instant> reveil;
            const QByteArrayView pret = emission.Disponible(t, reveil);
            if (c.rythme) {
                EXPECT_LE(sorti.size() + pret.size(), (t - t0) * 960 / 1s);
            }
            sorti += pret.toByteArray();
            emission.Retirer(pret.size());
            if (pret.isEmpty()) t = reveil.value();
        }
        for (const Logger_Simule::Morceau& m : c.reponse)
            attendu += m.octets;
        EXPECT_EQ(sorti, attendu);
        EXPECT_EQ(duration_cast<milliseconds>(t - t0), c.duree);
    }
}

}  // namespace
