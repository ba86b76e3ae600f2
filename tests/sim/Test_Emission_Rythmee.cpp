// The simulator's output queue: pauses inside a reply, and the pace of the 9600-baud wire.
#include "Emission_Rythmee.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Instant = Emission_Rythmee::Instant;

const Instant T0 = Instant() + 1h;

// Writes everything the queue lets out, jumping from one wake-up to the next as a serving loop
// would; returns when the last byte went and what went out.
Instant Vider(Emission_Rythmee& emission, Instant depuis, QByteArray& sorti) {
    Instant t = depuis;
    while (!emission.Vide()) {
        std::optional<Instant> reveil;
        const QByteArrayView pret = emission.Disponible(t, reveil);
        if (pret.isEmpty()) {
            if (!reveil) ADD_FAILURE() << "bytes waiting but no wake-up";
            if (!reveil) break;
            t = *reveil;
            continue;
        }
        sorti += pret.toByteArray();
        emission.Retirer(pret.size());
    }
    return t;
}

TEST(Emission_Rythmee, Sans_Rythme_Tout_Part_D_Un_Coup) {
    Emission_Rythmee emission;
    emission.Ajouter({{0, "i NOM 7306V12\r"}}, T0);
    std::optional<Instant> reveil;
    const QByteArrayView pret = emission.Disponible(T0, reveil);
    EXPECT_EQ(pret.toByteArray(), QByteArray("i NOM 7306V12\r"));
    emission.Retirer(4);  // a full terminal took only part of it
    EXPECT_EQ(emission.Disponible(T0, reveil).toByteArray(), QByteArray("M 7306V12\r"));
}

TEST(Emission_Rythmee, Pause_Au_Milieu_D_Une_Reponse) {
    Emission_Rythmee emission;
    emission.Ajouter({{0, ">"}, {400, "\r"}}, T0);
    QByteArray sorti;
    const Instant fin = Vider(emission, T0, sorti);
    EXPECT_EQ(sorti, QByteArray(">\r"));
    EXPECT_EQ(fin - T0, 400ms);
}

TEST(Emission_Rythmee, Rythme_Reel_960_Caracteres_Par_Seconde) {
    Emission_Rythmee emission;
    emission.Definir_Rythme_Reel(true);
    const QByteArray reponse(96000, 't');
    emission.Ajouter({{0, reponse}}, T0);
    QByteArray sorti;
    const Instant fin = Vider(emission, T0, sorti);
    EXPECT_EQ(sorti.size(), reponse.size());
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::milliseconds>(fin - T0), 100000ms);
}

TEST(Emission_Rythmee, Rythme_Reel_Jamais_En_Avance_Sur_Le_Fil) {
    Emission_Rythmee emission;
    emission.Definir_Rythme_Reel(true);
    emission.Ajouter({{0, QByteArray(960, 'x')}}, T0);
    std::optional<Instant> reveil;
    EXPECT_TRUE(emission.Disponible(T0, reveil).isEmpty());
    const QByteArrayView apres_50ms = emission.Disponible(T0 + 50ms, reveil);
    EXPECT_EQ(apres_50ms.size(), 48);
    emission.Retirer(apres_50ms.size());
    EXPECT_EQ(emission.Disponible(T0 + 100ms, reveil).size(), 48);
}

TEST(Emission_Rythmee, Rythme_Reel_Repart_Apres_Une_Pause) {
    Emission_Rythmee emission;
    emission.Definir_Rythme_Reel(true);
    emission.Ajouter({{0, QByteArray(96, 'a')}, {400, QByteArray(96, 'b')}}, T0);
    QByteArray sorti;
    const Instant fin = Vider(emission, T0, sorti);
    EXPECT_EQ(sorti, QByteArray(96, 'a') + QByteArray(96, 'b'));
    // 100 ms of wire, the pause, 100 ms of wire again.
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::milliseconds>(fin - T0), 600ms);
}

}  // namespace
