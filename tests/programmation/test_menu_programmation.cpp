// "Programmation" from the main window's menu, against a simulated logger on port 3.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QTimer>

#include "Banc_Programme.h"
#include "app/Frm_Principal.h"

TEST(MenuProgrammation, LaFenetreDAttenteTientPendantLaLectureDuLogger) {
    Banc_Programme banc;
    banc.Installer(3);
    banc.Brancher_Logger(3, 7307);
    Frm_Principal& fenetre = banc.Demarrer();
    const qsizetype trames_avant = banc.Trames(3).size();
    // Looked at while the logger is read: each exchange lets the window events run.
    bool attente_visible = false;
    bool programmation_visible = true;
    QTimer::singleShot(0, &fenetre, [&] {
        const Frm_Patientez* attente = fenetre.Fenetre_Patientez.Chargee();
        attente_visible = attente && attente->isVisible();
        const Frm_UpLoad* programmation = fenetre.Fenetre_UpLoad.Chargee();
        programmation_visible = programmation && programmation->isVisible();
    });

    fenetre.Mnu_Programmation->trigger();

    EXPECT_TRUE(attente_visible);
    EXPECT_FALSE(programmation_visible);
    EXPECT_FALSE(fenetre.Fenetre_Patientez.Est_Chargee());
    Frm_UpLoad* programmation = fenetre.Fenetre_UpLoad.Chargee();
    ASSERT_NE(programmation, nullptr);
    EXPECT_TRUE(programmation->isVisible());
    EXPECT_EQ(programmation->Cmb_Units->count(), 4);
    EXPECT_EQ(banc.Trames(3).mid(trames_avant), (QList<QByteArray>{"I", "I", "M"}));
    EXPECT_TRUE(banc.dialogues.affichages.isEmpty());

    // Chosen again while open: the same window, the logger is not read again.
    fenetre.Mnu_Programmation->trigger();
    EXPECT_EQ(fenetre.Fenetre_UpLoad.Chargee(), programmation);
    EXPECT_EQ(banc.Trames(3).size(), trames_avant + 3);

    fenetre.close();
    EXPECT_FALSE(fenetre.Fenetre_UpLoad.Est_Chargee());
}
