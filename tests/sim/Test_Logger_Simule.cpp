// The simulated logger's replies and memory, fed frames directly (no terminal).
#include "Logger_Simule.h"

#include <gtest/gtest.h>

#include "Reponses.h"

namespace {

// A 7306 or 7307 holding three known measures, started at clock count 0x15180 (one day).
Memoire_Logger Memoire_Connue(int modele) {
    Memoire_Logger m = Memoire_Logger::Modele(modele);
    m.identite = "FOUR-02";
    m.periode = 60;
    m.unite = 'F';
    m.debut_enreg = 0x15180;
    m.mesures = {{215, 567}, {-15, 1000}, {0, 0}};
    return m;
}

// A clock the test moves by hand.
struct Temps_Manuel {
    int64_t ms = 1000000;
    Logger_Simule::Source_Temps Source() {
        return [this] { return ms; };
    }
};

TEST(Logger_Simule_Reponses, Modele_7306_Une_Valeur_Par_Mesure) {
    Logger_Simule logger(Memoire_Connue(7306));
    EXPECT_EQ(Envoyer(logger, "Q"), QByteArray(">\r"));
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i FOUR-02 7306V12\r"));
    EXPECT_EQ(Envoyer(logger, "M"), QByteArray("m 3 60 F 0001 5180\r"));
    EXPECT_EQ(Envoyer(logger, "D"), QByteArray("m 3 60 F 0001 5180\rt 215\rt -15\rt 0\r"));
}

TEST(Logger_Simule_Reponses, Modele_7307_Compte_Deux_Valeurs_Par_Mesure) {
    Logger_Simule logger(Memoire_Connue(7307));
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i FOUR-02 7307V12\r"));
    EXPECT_EQ(Envoyer(logger, "M"), QByteArray("m 6 60 F 0001 5180\r"));
    EXPECT_EQ(Envoyer(logger, "D"),
              QByteArray("m 6 60 F 0001 5180\rt 215 567\rt -15 1000\rt 0 0\r"));
}

TEST(Logger_Simule_Reponses, Horloge_En_Deux_Mots_Hexadecimaux_De_Quatre_Chiffres) {
    Memoire_Logger m = Memoire_Connue(7306);
    m.debut_enreg = 0x05839DDC;
    m.mesures.clear();
    Logger_Simule logger(m);
    EXPECT_EQ(Envoyer(logger, "M"), QByteArray("m 0 60 F 0583 9DDC\r"));
    logger.Memoire().debut_enreg = 7;
    EXPECT_EQ(Envoyer(logger, "M"), QByteArray("m 0 60 F 0000 0007\r"));
}

TEST(Logger_Simule_Reponses, Commande_Inconnue_Ou_Mal_Formee_Repond_Point_D_Interrogation) {
    Logger_Simule logger(Memoire_Connue(7306));
    for (const char* trame : {"X", "QQ", "A 1", "A 1 x", "C", "C douze", "J", "J NOM", "J NOM 2",
                              "S 0 F 20 5", "S 60 K 20 5", "S 60 C 20 6", "S 60 C 20"}) {
        EXPECT_EQ(Envoyer(logger, trame), QByteArray("?\r")) << trame;
    }
    EXPECT_EQ(logger.Memoire().identite, QByteArray("FOUR-02"));
    EXPECT_EQ(logger.Memoire().mesures.size(), 3u) << "a refused S must not start a campaign";
}

TEST(Logger_Simule_Memoire, Identite_Ecrite_Puis_Relue) {
    Logger_Simule logger(Memoire_Connue(7307));
    EXPECT_EQ(Envoyer(logger, "J ABCDEFGHIJ 1"), QByteArray("i ABCDEFGH 7307V12\r"));
    EXPECT_TRUE(logger.Memoire().sans_veille);
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i ABCDEFGH 7307V12\r"));

    EXPECT_EQ(Envoyer(logger, "J  0"), QByteArray("i  7307V12\r")) << "empty identity";
    EXPECT_FALSE(logger.Memoire().sans_veille);
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i  7307V12\r"));
}

TEST(Logger_Simule_Memoire, Seuils_En_Dixiemes) {
    Logger_Simule logger(Memoire_Connue(7306));
    EXPECT_EQ(Envoyer(logger, "A 1940 -490"), QByteArray(">\r"));
    EXPECT_EQ(logger.Memoire().seuil_haut, 1940);
    EXPECT_EQ(logger.Memoire().seuil_bas, -490);
}

TEST(Logger_Simule_Memoire, Horloge_Reglee_Puis_Qui_Avance) {
    Temps_Manuel temps;
    Logger_Simule logger(Memoire_Connue(7306), temps.Source());
    EXPECT_EQ(Envoyer(logger, "C 86400"), QByteArray(">\r"));
    EXPECT_EQ(logger.Horloge(), 86400);
    temps.ms += 2999;
    EXPECT_EQ(logger.Horloge(), 86402);
}

TEST(Logger_Simule_Memoire, Demarrage_Immediat_Vide_L_Enregistrement_Et_Part_De_L_Horloge) {
    Temps_Manuel temps;
    Logger_Simule logger(Memoire_Connue(7307), temps.Source());
    logger.Regler_Horloge(5000);
    temps.ms += 1000;
    EXPECT_EQ(Envoyer(logger, "S 900 c 20 5"), QByteArray("m 0 900 c 0000 1389\r"));
    EXPECT_EQ(Envoyer(logger, "M"), QByteArray("m 0 900 c 0000 1389\r"));
    EXPECT_EQ(Envoyer(logger, "D"), QByteArray("m 0 900 c 0000 1389\r"));
    EXPECT_EQ(logger.Memoire().code_taille, 5);
}

TEST(Logger_Simule_Memoire, Demarrage_Differe_Garde_Son_Heure) {
    Logger_Simule logger(Memoire_Connue(7306));
    logger.Regler_Horloge(5000);
    EXPECT_EQ(Envoyer(logger, "S 60 C 90000 0"), QByteArray("m 0 60 C 0001 5F90\r"));
    EXPECT_EQ(logger.Memoire().debut_enreg, 90000);
    EXPECT_EQ(logger.Memoire().code_taille, 0);
}

TEST(Logger_Simule_Trames, Octets_En_Morceaux_Et_Saut_De_Ligne_Ignore) {
    Logger_Simule logger(Memoire_Connue(7306));
    QByteArray recu;
    for (char c : QByteArray("I\r\nQ"))
        recu += Texte(logger.Recevoir(QByteArray(1, c)));
    EXPECT_EQ(recu, QByteArray("i FOUR-02 7306V12\r")) << "Q has no carriage return yet";
    EXPECT_EQ(Texte(logger.Recevoir("\rM\rQ\r")), QByteArray(">\rm 3 60 F 0001 5180\r>\r"));
}

TEST(Logger_Simule_Trames, Journal_De_Chaque_Trame_Recue) {
    Logger_Simule logger(Memoire_Connue(7306));
    QList<QByteArray> suivies;
    logger.Definir_Suivi([&suivies](const QByteArray& trame) { suivies.append(trame); });
    logger.Recevoir("Q\rJ NOM 0\rX\r\rA 10");
    const QList<QByteArray> attendues = {"Q", "J NOM 0", "X", ""};
    EXPECT_EQ(logger.Trames_Recues(), attendues);
    EXPECT_EQ(suivies, attendues);
}

}  // namespace
