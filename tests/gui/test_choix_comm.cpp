// The port choice window against simulated loggers linked as the program's ports.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "Attente.h"
#include "Banc_Programme.h"
#include "Entrees_Liste.h"
#include "app/Frm_Choix_Comm.h"
#include "app/Frm_Principal.h"
#include "core/Etat.h"
#include "logger/Communication.h"
#include "logger/Port_Serie.h"

namespace {

Frm_Choix_Comm& Ouvrir_Choix(Frm_Principal& fenetre) {
    fenetre.Mnu_Comm->trigger();
    Frm_Choix_Comm* choix = fenetre.Fenetre_Choix_Comm.Chargee();
    EXPECT_NE(choix, nullptr);
    return *choix;
}

int Nombre_Q(const QList<QByteArray>& trames) {
    return static_cast<int>(trames.count(QByteArray("Q")));
}

}  // namespace

TEST(ChoixComm, ListeLesPortsPresentsEtSelectionneLePortCourant) {
    Banc_Programme banc;
    banc.Installer(3);
    for (int port : {1, 3, 4})
        banc.Brancher_Logger(port);
    Frm_Principal& fenetre = banc.Demarrer();

    Frm_Choix_Comm& choix = Ouvrir_Choix(fenetre);

    EXPECT_TRUE(choix.isVisible());
    EXPECT_EQ(choix.windowTitle(), QStringLiteral("Choix du port de communication"));
    auto* liste = choix.findChild<QComboBox*>(QStringLiteral("Cmb_Choix_Port"));
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(Entrees(*liste), (QStringList{QStringLiteral("COM 1"), QStringLiteral("COM 3"),
                                            QStringLiteral("COM 4")}));
    EXPECT_EQ(liste->currentIndex(), 1);
    EXPECT_EQ(liste->currentText(), QStringLiteral("COM 3"));
    EXPECT_EQ(choix.Position_Port(4), 3);
    EXPECT_EQ(choix.Position_Port(2), 0);
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());
}

TEST(ChoixComm, LePortChoisiDevientCeluiDuProgrammeEtEstOuvert) {
    Banc_Programme banc;
    banc.Installer(3);
    for (int port : {3, 4})
        banc.Brancher_Logger(port);
    Frm_Principal& fenetre = banc.Demarrer();
    Frm_Choix_Comm& choix = Ouvrir_Choix(fenetre);
    auto* liste = choix.findChild<QComboBox*>(QStringLiteral("Cmb_Choix_Port"));
    const int q_avant = Nombre_Q(banc.Trames(4));

    liste->setCurrentIndex(1);
    QTest::mouseClick(choix.findChild<QPushButton*>(QStringLiteral("Cmd_Ok")), Qt::LeftButton);

    EXPECT_FALSE(fenetre.Fenetre_Choix_Comm.Est_Chargee());
    EXPECT_EQ(banc.Etat_Programme().Num_Port, 4);
    EXPECT_EQ(Nombre_Q(banc.Trames(4)), q_avant + 1);  // opened and the logger asked
    EXPECT_TRUE(banc.Lien().Port().Est_Ouvert());
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());

    fenetre.close();
    EXPECT_TRUE(banc.Lire(QStringLiteral("Conf.ini")).contains("]\r\n4\r\n"));
}

TEST(ChoixComm, UnPortTapeALaMainEstPrisAussi) {
    Banc_Programme banc;
    banc.Installer(3);
    for (int port : {3, 4})
        banc.Brancher_Logger(port);
    Frm_Principal& fenetre = banc.Demarrer();
    Frm_Choix_Comm& choix = Ouvrir_Choix(fenetre);
    auto* liste = choix.findChild<QComboBox*>(QStringLiteral("Cmb_Choix_Port"));

    liste->setEditText(QStringLiteral("com4"));
    choix.close();

    EXPECT_EQ(banc.Etat_Programme().Num_Port, 4);
    EXPECT_TRUE(banc.Lien().Port().Est_Ouvert());
}

TEST(ChoixComm, PortCourantAbsentDemandeDeChoisirDansLaListe) {
    Banc_Programme banc;
    banc.Installer(1);
    banc.Brancher_Logger(1);
    Frm_Principal& fenetre = banc.Demarrer();
    banc.Etat_Programme().Num_Port = 5;

    Frm_Choix_Comm& choix = Ouvrir_Choix(fenetre);

    EXPECT_EQ(banc.dialogues.Messages(),
              QStringList{QStringLiteral("Choisir un port de communication dans la liste")});
    auto* liste = choix.findChild<QComboBox*>(QStringLiteral("Cmb_Choix_Port"));
    EXPECT_EQ(Entrees(*liste), QStringList{QStringLiteral("COM 1")});
    EXPECT_EQ(liste->currentText(), QStringLiteral("Combo1"));
}

TEST(ChoixComm, UnTexteSansNumeroDePortGardeLePortEnServiceEtLeDit) {
    Banc_Programme banc;
    banc.Installer(1);
    banc.Brancher_Logger(1);
    Frm_Principal& fenetre = banc.Demarrer();
    Frm_Choix_Comm& choix = Ouvrir_Choix(fenetre);
    auto* liste = choix.findChild<QComboBox*>(QStringLiteral("Cmb_Choix_Port"));
    const int q_avant = Nombre_Q(banc.Trames(1));

    liste->setEditText(QStringLiteral("port du four"));
    QTest::mouseClick(choix.findChild<QPushButton*>(QStringLiteral("Cmd_Ok")), Qt::LeftButton);

    ASSERT_EQ(banc.dialogues.Messages().size(), 1);
    EXPECT_EQ(banc.dialogues.Messages().first(),
              QStringLiteral("« port du four » n'est pas un port de communication : le port COM 1 "
                             "est conservé."));
    EXPECT_EQ(banc.Etat_Programme().Num_Port, 1);
    // The port in use is open again, not the last one the list tried.
    EXPECT_EQ(Nombre_Q(banc.Trames(1)), q_avant + 1);
    EXPECT_TRUE(banc.Lien().Port().Est_Ouvert());
}

TEST(ChoixComm, TestPortSeulementDe1A16) {
    Banc_Programme banc;
    banc.Brancher_Logger(3);
    Frm_Principal& fenetre = banc.Construire();
    Frm_Choix_Comm& choix = Ouvrir_Choix(fenetre);

    EXPECT_TRUE(choix.Test_Port(3));
    EXPECT_TRUE(banc.Lien().Port().Est_Ouvert());
    EXPECT_FALSE(choix.Test_Port(2));
    EXPECT_FALSE(choix.Test_Port(0));
    EXPECT_FALSE(choix.Test_Port(17));
    EXPECT_FALSE(banc.Lien().Port().Est_Ouvert());
}
