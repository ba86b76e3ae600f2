// The faults the simulated logger plays on purpose, as the program would receive them.
#include <gtest/gtest.h>

#include "Logger_Simule.h"
#include "Reponses.h"

namespace {

Logger_Simule Logger_En_Panne(Panne type, char commande = 0, int nb_mesures = 4) {
    Memoire_Logger m = Memoire_Logger::Modele(7306);
    m.identite = "PANNE";
    for (int i = 0; i < nb_mesures; ++i)
        m.mesures.push_back({static_cast<int16_t>(200 + i), 0});
    Logger_Simule logger(m);
    logger.Definir_Panne({type, commande});
    return logger;
}

// Lines of a download reply after its header.
QList<QByteArray> Lignes_De_Mesure(const QByteArray& reponse) {
    QList<QByteArray> lignes = Lignes(reponse);
    lignes.removeFirst();
    return lignes;
}

TEST(Pannes_Simulees, Muet_Ne_Repond_Rien_Mais_Recoit) {
    Logger_Simule logger = Logger_En_Panne(Panne::Muet);
    EXPECT_TRUE(logger.Recevoir("Q\rI\rJ NOM 1\r").empty());
    EXPECT_EQ(logger.Trames_Recues().size(), 3);
    EXPECT_EQ(logger.Memoire().identite, QByteArray("PANNE")) << "a silent logger does nothing";
}

TEST(Pannes_Simulees, Panne_Limitee_A_Une_Commande) {
    Logger_Simule logger = Logger_En_Panne(Panne::Muet, 'I');
    EXPECT_EQ(Envoyer(logger, "Q"), QByteArray(">\r"));
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray());
    EXPECT_EQ(Envoyer(logger, "M"), QByteArray("m 4 60 C 0000 0000\r"));
}

TEST(Pannes_Simulees, Deuxieme_Essai_Repond_A_La_Repetition_Seulement) {
    Logger_Simule logger = Logger_En_Panne(Panne::Deuxieme_Essai);
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray());
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i PANNE 7306V12\r"));
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray()) << "the next command starts over";
    EXPECT_EQ(Envoyer(logger, "Q"), QByteArray()) << "another frame is a first sending";
    EXPECT_EQ(Envoyer(logger, "Q"), QByteArray(">\r"));
    EXPECT_EQ(logger.Trames_Recues().size(), 5);
}

TEST(Pannes_Simulees, Sans_Retour_Chariot_Final) {
    Logger_Simule logger = Logger_En_Panne(Panne::Sans_Retour_Chariot);
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i PANNE 7306V12"));
    EXPECT_EQ(Envoyer(logger, "D"), QByteArray("m 4 60 C 0000 0000\rt 200\rt 201\rt 202\rt 203"));
}

TEST(Pannes_Simulees, Mauvaise_Lettre) {
    Logger_Simule logger = Logger_En_Panne(Panne::Mauvaise_Lettre);
    EXPECT_EQ(Envoyer(logger, "Q"), QByteArray("?\r"));
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("? PANNE 7306V12\r"));
    EXPECT_EQ(Envoyer(logger, "M"), QByteArray("? 4 60 C 0000 0000\r"));
}

TEST(Pannes_Simulees, Pause_Avant_Le_Retour_Chariot_Final) {
    Logger_Simule logger = Logger_En_Panne(Panne::Pause);
    const Logger_Simule::Reponse reponse = logger.Recevoir("D\r");
    ASSERT_EQ(reponse.size(), 2u);
    EXPECT_EQ(reponse[0].pause_ms, 0);
    EXPECT_EQ(reponse[0].octets, QByteArray("m 4 60 C 0000 0000\rt 200\rt 201\rt 202\rt 203"));
    EXPECT_GT(reponse[1].pause_ms, 100) << "longer than the pause that ends a reply";
    EXPECT_EQ(reponse[1].octets, QByteArray("\r"));
}

TEST(Pannes_Simulees, Mesure_Illisible_Parmi_Les_Autres) {
    Logger_Simule logger = Logger_En_Panne(Panne::Mesure_Illisible);
    const QList<QByteArray> lignes = Lignes_De_Mesure(Envoyer(logger, "D"));
    ASSERT_EQ(lignes.size(), 5);
    int illisibles = 0;
    for (const QByteArray& ligne : lignes) {
        bool nombre = false;
        ligne.split(' ').value(1).toInt(&nombre);
        if (!nombre) ++illisibles;
    }
    EXPECT_EQ(illisibles, 1);
    EXPECT_EQ(Envoyer(logger, "I"), QByteArray("i PANNE 7306V12\r")) << "only the download";
}

TEST(Pannes_Simulees, Ligne_Trop_Longue_Dans_Le_Telechargement) {
    Logger_Simule logger = Logger_En_Panne(Panne::Ligne_Trop_Longue);
    const QByteArray reponse = Envoyer(logger, "D");
    EXPECT_TRUE(reponse.endsWith("t 203\r"));
    qsizetype plus_longue = 0;
    for (const QByteArray& ligne : Lignes(reponse))
        plus_longue = std::max(plus_longue, ligne.size());
    EXPECT_GT(plus_longue, 255);
}

TEST(Pannes_Simulees, Plus_De_16000_Lignes) {
    Logger_Simule logger = Logger_En_Panne(Panne::Trop_De_Lignes);
    const QByteArray reponse = Envoyer(logger, "D");
    EXPECT_TRUE(reponse.startsWith("m 16001 60 C "));
    EXPECT_EQ(Lignes_De_Mesure(reponse).size(), 16001);
    EXPECT_EQ(logger.Memoire().mesures.size(), 4u) << "the recording itself is untouched";
}

TEST(Pannes_Simulees, Pannes_Du_Telechargement_Limitees_A_Une_Autre_Commande) {
    for (Panne type : {Panne::Mesure_Illisible, Panne::Ligne_Trop_Longue, Panne::Trop_De_Lignes}) {
        Logger_Simule logger = Logger_En_Panne(type, 'M');
        EXPECT_EQ(Envoyer(logger, "D"),
                  QByteArray("m 4 60 C 0000 0000\rt 200\rt 201\rt 202\rt 203\r"))
            << Panne_Simulee::Nom(type).toStdString();
    }
}

TEST(Pannes_Simulees, Noms_De_La_Ligne_De_Commande) {
    for (const QString& nom : Panne_Simulee::Noms()) {
        const std::optional<Panne> type = Panne_Simulee::Depuis_Nom(nom);
        ASSERT_TRUE(type.has_value()) << nom.toStdString();
        EXPECT_EQ(Panne_Simulee::Nom(*type), nom);
        EXPECT_FALSE(Panne_Simulee::Description(*type).isEmpty());
    }
    EXPECT_EQ(Panne_Simulee::Noms().size(), 8);
    EXPECT_FALSE(Panne_Simulee::Depuis_Nom(u"MUET").has_value());
}

}  // namespace
