// What the programming window refuses to send, and a logger that stops answering.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Banc_Programmation.h"
#include "Logger_Simule.h"
#include "controls/CWNumEdit.h"
#include "controls/MaskEdBox.h"
#include "core/Etat.h"
#include "core/Textes.h"

namespace {
const QString Rien_Envoye = QStringLiteral("\nRien n'a été envoyé au logger.");
const QList<QByteArray> Lecture = {"I", "I", "M"};
}  // namespace

TEST(ProgrammationRefus, LoggerQuiNeRepondPasALEtatLaFenetreSOuvreVide) {
    Banc_Programmation banc(7307, [](Logger_Simule& logger) {
        logger.Definir_Panne({Panne::Mauvaise_Lettre, 'M'});
    });
    Etat& etat = banc.Etat_Programme();
    etat.Identite_Logger = QStringLiteral("CHAMBRE2");

    Frm_UpLoad& fenetre = banc.Ouvrir();

    EXPECT_EQ(banc.Dialogues().Messages(), QStringList{QStringLiteral("Le logger ne répond pas")});
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(fenetre.Cmb_Units->count(), 0);
    EXPECT_EQ(fenetre.Cmb_Nb_Max_Enreg->count(), 0);
    EXPECT_TRUE(fenetre.Txt_Saisi_ID->text().isEmpty());  // the identity read is not shown
    EXPECT_EQ(fenetre.Msk_Start_Date->text(), Texte_Date(std::floor(banc.Maintenant())));
    EXPECT_EQ(fenetre.Msk_Start_Time->text().size(), 8);
    EXPECT_EQ(etat.Identite_Logger, QStringLiteral("CHAMBRE2"));

    // Nothing to send without a number of points: the user is told, the window stays.
    banc.Dialogues().affichages.clear();
    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);
    EXPECT_EQ(banc.Dialogues().Messages(),
              QStringList{QStringLiteral("Nombre de points avant arrêt : aucun nombre n'est "
                                         "choisi, le logger n'a pas pu être lu.") +
                          Rien_Envoye});
    EXPECT_EQ(banc.Chargee(), &fenetre);
    EXPECT_EQ(banc.Trames(), Lecture);
}

TEST(ProgrammationRefus, UneSaisieIllisibleNEnvoieRienEtNommeLaCase) {
    Banc_Programmation banc(7306);
    Frm_UpLoad& fenetre = banc.Ouvrir();
    ASSERT_TRUE(banc.Dialogues().affichages.isEmpty());

    // A period wiped out, and "OK" given from the keyboard before the box is left.
    fenetre.CW_Per_Enreg->setFocus();
    QTest::keyClick(fenetre.CW_Per_Enreg, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(fenetre.CW_Per_Enreg, Qt::Key_Backspace);
    fenetre.Cmd_UpLoad->click();
    EXPECT_EQ(banc.Dialogues().Messages().value(0),
              QStringLiteral("Période enregistrement (s) : la case est vide.") + Rien_Envoye);
    QTest::keyClicks(fenetre.CW_Per_Enreg, QStringLiteral("30"));

    QTest::mouseClick(fenetre.Opt_Start_Mode_Shedule, Qt::LeftButton);
    fenetre.Msk_Start_Date->setText(QStringLiteral("31/02/2030"));
    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);
    EXPECT_EQ(banc.Dialogues().Messages().value(1),
              QStringLiteral("Date de départ : « 31/02/2030 » n'est pas une date (jj/mm/aaaa).") +
                  Rien_Envoye);

    fenetre.Msk_Start_Date->setText(QStringLiteral("28/02/2030"));
    fenetre.Msk_Start_Time->setText(QStringLiteral("24:10:00"));
    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);
    EXPECT_EQ(banc.Dialogues().Messages().value(2),
              QStringLiteral("Heure de départ : « 24:10:00 » n'est pas une heure (hh:mm:ss).") +
                  Rien_Envoye);

    EXPECT_EQ(banc.Dialogues().Messages().size(), 3);
    EXPECT_EQ(banc.Trames(), Lecture);
    EXPECT_EQ(banc.Chargee(), &fenetre);
    EXPECT_EQ(fenetre.CW_Per_Enreg->text(), QStringLiteral("30"));  // what was typed is kept
}

TEST(ProgrammationRefus, UnEnvoiQuiEchoueLeDitEtGardeLaFenetre) {
    Banc_Programmation banc(7306, [](Logger_Simule& logger) {
        logger.Definir_Panne({Panne::Mauvaise_Lettre, 'C'});
    });
    Frm_UpLoad& fenetre = banc.Ouvrir();

    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);

    EXPECT_EQ(
        banc.Dialogues().Messages(),
        QStringList{QStringLiteral("Le logger ne répond pas - Erreur N° : 2\nLa programmation "
                                   "n'est pas terminée : appuyer sur OK pour la reprendre.")});
    EXPECT_EQ(banc.Chargee(), &fenetre);
    const QList<QByteArray> trames = banc.Trames();
    ASSERT_EQ(trames.size(), 5) << trames.join('|').data();
    EXPECT_EQ(trames[3], "A 100 0");
    EXPECT_TRUE(trames[4].startsWith("C "));
}
