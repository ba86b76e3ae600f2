// Programming a logger from the "Programmation" window, against the simulated logger on a
// pseudo-terminal: what the window shows from the logger, and the frames the logger receives.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "Banc_Programmation.h"
#include "Entrees_Liste.h"
#include "Logger_Simule.h"
#include "controls/CWNumEdit.h"
#include "controls/MaskEdBox.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Textes.h"

namespace {

QByteArray Champ(const QByteArray& trame, int n) {
    return trame.split(' ').value(n);
}

// The clock frame carries the present moment: within a few seconds of `maintenant`.
void Attendre_Horloge(const Etat& etat, const QByteArray& trame, double maintenant) {
    EXPECT_EQ(Champ(trame, 0), "C");
    const long long envoye = Champ(trame, 1).toLongLong();
    const long long attendu = Global::Conversion_Secondes(etat, maintenant).toLongLong();
    EXPECT_NEAR(static_cast<double>(envoye), static_cast<double>(attendu), 5) << trame.data();
}

// A recording already in memory, that programming another logger must leave alone.
void Charger_Enregistrement(Etat& etat) {
    etat.Identite_Logger = QStringLiteral("CHAMBRE2");
    etat.Version_Logger = QStringLiteral("7306V11\r");
    etat.Nb_Mesures = 500;
    etat.Periode_Enreg = 300;
    etat.Unite = QStringLiteral("°F");
    etat.Date_Debut_Enreg = Date_Depuis_Civil(2026, 11, 30);
}

void Verifier_Enregistrement_Intact(const Etat& etat) {
    EXPECT_EQ(etat.Identite_Logger, QStringLiteral("CHAMBRE2"));
    EXPECT_EQ(etat.Version_Logger, QStringLiteral("7306V11\r"));
    EXPECT_EQ(etat.Nb_Mesures, 500);
    EXPECT_EQ(etat.Periode_Enreg, 300);
    EXPECT_EQ(etat.Unite, QStringLiteral("°F"));
    EXPECT_DOUBLE_EQ(etat.Date_Debut_Enreg, Date_Depuis_Civil(2026, 11, 30));
}

}  // namespace

TEST(Programmation, Modele7307PlanifieSansVeilleAlarmesSurLHygrometrie) {
    Banc_Programmation banc(7307, [](Logger_Simule& logger) {
        logger.Memoire().identite = "SERRE";
        logger.Memoire().periode = 60;
        logger.Memoire().unite = 'c';
    });
    Etat& etat = banc.Etat_Programme();
    Charger_Enregistrement(etat);
    etat.Nb_Enreg_Max = 8000;
    etat.Seuil_Haut = 85;
    etat.Seuil_Bas = 30;

    Frm_UpLoad& fenetre = banc.Ouvrir();

    // The reading, each step named in the status line before its exchange.
    const QStringList lectures = {QStringLiteral("Lecture de l'identité du module"),
                                  QStringLiteral("Lecture de la version du module"),
                                  QStringLiteral("Lecture de l'état du module")};
    QStringList vus;
    for (const QString& texte : banc.affiches.textes) {
        if (lectures.contains(texte)) vus << texte;
    }
    EXPECT_EQ(vus, lectures);
    EXPECT_EQ(banc.affiches.textes.last(), QStringLiteral("Pret"));
    EXPECT_TRUE(banc.Dialogues().affichages.isEmpty());
    Verifier_Enregistrement_Intact(etat);

    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Programmation"));
    EXPECT_EQ(Entrees(*fenetre.Cmb_Units),
              (QStringList{QStringLiteral("°C"), QStringLiteral("°F"),
                           QStringLiteral("°C & alarme %Hr"), QStringLiteral("°F & alarme %Hr")}));
    EXPECT_EQ(fenetre.Cmb_Units->currentText(), QStringLiteral("°C & alarme %Hr"));
    EXPECT_EQ(fenetre.Frame_Alarm_High->title(), QStringLiteral("Alarme haute hygrométrie"));
    EXPECT_EQ(fenetre.Frame_Alarm_Low->title(), QStringLiteral("Alarme basse hygrométrie"));
    EXPECT_EQ(
        Entrees(*fenetre.Cmb_Nb_Max_Enreg),
        (QStringList{QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("4000"),
                     QStringLiteral("8000"), QStringLiteral("12000"), QStringLiteral("16000")}));
    EXPECT_EQ(fenetre.Cmb_Nb_Max_Enreg->currentText(), QStringLiteral("8000"));
    EXPECT_EQ(fenetre.Txt_Saisi_ID->text(), QStringLiteral("SERRE"));
    EXPECT_EQ(fenetre.CW_Per_Enreg->text(), QStringLiteral("60"));
    EXPECT_EQ(fenetre.CW_Alarm_High->text(), QStringLiteral("85.0"));
    EXPECT_EQ(fenetre.CW_Alarm_Low->text(), QStringLiteral("030.0"));
    EXPECT_DOUBLE_EQ(fenetre.CW_Alarm_Low->maximum(), 84.9);
    EXPECT_DOUBLE_EQ(fenetre.CW_Alarm_High->minimum(), 30.1);
    // The date and time boxes hold the moment the window opened.
    const double ouverture = banc.Maintenant();
    EXPECT_EQ(fenetre.Msk_Start_Date->text(), Texte_Date(std::floor(ouverture)));
    EXPECT_EQ(fenetre.Msk_Start_Date->Masque(), QStringLiteral("99/99/9999"));
    EXPECT_EQ(fenetre.Msk_Start_Time->Format(), QStringLiteral("hh:mm:ss"));

    // Choosing the temperature takes the captions back, and the humidity again.
    fenetre.Cmb_Units->setCurrentText(QStringLiteral("°F"));
    EXPECT_EQ(fenetre.Frame_Alarm_High->title(), QStringLiteral("Alarme haute température"));
    EXPECT_EQ(fenetre.Frame_Alarm_Low->title(), QStringLiteral("Alarme basse température"));
    fenetre.Cmb_Units->setCurrentText(QStringLiteral("°F & alarme %Hr"));
    EXPECT_EQ(fenetre.Frame_Alarm_High->title(), QStringLiteral("Alarme haute hygrométrie"));

    // The user's campaign: a new name, 2 minutes, 4000 points, no sleep, tomorrow at 06:30.
    fenetre.Txt_Saisi_ID->clear();
    fenetre.Txt_Saisi_ID->setFocus();
    QTest::keyClicks(fenetre.Txt_Saisi_ID, QStringLiteral("SERRE-NORD"));
    fenetre.CW_Per_Enreg->setValue(120);
    fenetre.Cmb_Nb_Max_Enreg->setCurrentText(QStringLiteral("4000"));
    QTest::mouseClick(fenetre.Opt_Sleep_Off, Qt::LeftButton);
    QTest::mouseClick(fenetre.Opt_Start_Mode_Shedule, Qt::LeftButton);
    const double depart = std::floor(ouverture) + 1 + 6.5 / 24;
    fenetre.Msk_Start_Date->setText(Texte_Date(std::floor(depart)));
    fenetre.Msk_Start_Time->setText(QStringLiteral("06:30:00"));

    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);

    EXPECT_EQ(banc.Chargee(), nullptr);  // sent, and closed
    EXPECT_TRUE(banc.Dialogues().affichages.isEmpty());
    const QList<QByteArray> trames = banc.Trames();
    ASSERT_EQ(trames.size(), 7) << trames.join('|').data();
    EXPECT_EQ(trames.mid(0, 3), (QList<QByteArray>{"I", "I", "M"}));
    EXPECT_EQ(trames[3], "A 850 300");
    Attendre_Horloge(etat, trames[4], banc.Maintenant());
    EXPECT_EQ(trames[5], "J SERRE-NO 1");
    EXPECT_EQ(trames[6], "S 120 f " + Global::Conversion_Secondes(etat, depart).toLatin1() + " 2");

    EXPECT_FLOAT_EQ(etat.Seuil_Haut, 85);
    EXPECT_FLOAT_EQ(etat.Seuil_Bas, 30);
    EXPECT_EQ(etat.Nb_Enreg_Max, 4000);
    Verifier_Enregistrement_Intact(etat);
    const Memoire_Logger logger = banc.Memoire();
    EXPECT_EQ(logger.identite, "SERRE-NO");
    EXPECT_TRUE(logger.sans_veille);
    EXPECT_EQ(logger.periode, 120);
    EXPECT_EQ(logger.unite, 'f');
}

TEST(Programmation, Modele7306ImmediatAvecVeilleSeuilsEtPeriodeHorsLimites) {
    Banc_Programmation banc(7306, [](Logger_Simule& logger) { logger.Memoire().periode = 0; });
    Etat& etat = banc.Etat_Programme();
    etat.Seuil_Haut = 250;  // as a hand-edited Conf.ini may hold them
    etat.Seuil_Bas = -60;

    Frm_UpLoad& fenetre = banc.Ouvrir();

    EXPECT_EQ(Entrees(*fenetre.Cmb_Units),
              (QStringList{QStringLiteral("°C"), QStringLiteral("°F")}));
    EXPECT_EQ(fenetre.Frame_Alarm_High->title(), QStringLiteral("Alarme haute température"));
    EXPECT_EQ(fenetre.Cmb_Nb_Max_Enreg->currentText(), QStringLiteral("1000"));
    // The logger's period of 0 would go out as 900: the box shows 900.
    EXPECT_EQ(fenetre.CW_Per_Enreg->text(), QStringLiteral("900"));
    EXPECT_EQ(fenetre.CW_Alarm_High->text(), QStringLiteral("194.0"));
    EXPECT_EQ(fenetre.CW_Alarm_Low->text(), QStringLiteral("-049.0"));
    EXPECT_TRUE(fenetre.Opt_Start_Mode_Now->isChecked());
    EXPECT_TRUE(fenetre.Opt_Sleep_On->isChecked());

    // A start typed for tomorrow, then "Immédiat" chosen after all: the logger starts now.
    QTest::mouseClick(fenetre.Opt_Start_Mode_Shedule, Qt::LeftButton);
    fenetre.Msk_Start_Date->setText(Texte_Date(std::floor(banc.Maintenant()) + 1));
    QTest::mouseClick(fenetre.Opt_Start_Mode_Now, Qt::LeftButton);

    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);

    EXPECT_EQ(banc.Chargee(), nullptr);
    const QList<QByteArray> trames = banc.Trames();
    ASSERT_EQ(trames.size(), 7) << trames.join('|').data();
    EXPECT_EQ(trames[3], "A 1940 -490");
    Attendre_Horloge(etat, trames[4], banc.Maintenant());
    EXPECT_EQ(trames[5], "J SIMUL01 0");
    EXPECT_EQ(trames[6], "S 900 C 20 0");
    EXPECT_FLOAT_EQ(etat.Seuil_Haut, 194);
    EXPECT_FLOAT_EQ(etat.Seuil_Bas, -49);
    EXPECT_EQ(etat.Nb_Enreg_Max, 1000);
    EXPECT_FALSE(banc.Memoire().sans_veille);
}

TEST(Programmation, UnLoggerQuiTientDesMesuresDemandeAvantDeLesEffacer) {
    Banc_Programmation banc(7306, [](Logger_Simule& logger) {
        logger.Memoire().mesures.resize(480, Mesure_Simulee{215, 0});
    });
    Etat& etat = banc.Etat_Programme();
    etat.Seuil_Haut = 12.25f;  // from Conf.ini or a setpoint typed in the tools window
    Frm_UpLoad& fenetre = banc.Ouvrir();
    EXPECT_EQ(fenetre.CW_Alarm_High->text(), QStringLiteral("12.2"));

    // No: nothing goes to the logger, the window stays for another try.
    banc.Dialogues().reponses_questions = {false};
    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);
    ASSERT_EQ(banc.Dialogues().affichages.size(), 1);
    EXPECT_EQ(banc.Dialogues().affichages[0].genre, QStringLiteral("question"));
    EXPECT_TRUE(banc.Dialogues().affichages[0].texte.startsWith(
        QStringLiteral("Le logger contient 480 mesures. La programmation va les effacer")));
    EXPECT_EQ(banc.Chargee(), &fenetre);
    EXPECT_EQ(banc.Trames(), (QList<QByteArray>{"I", "I", "M"}));

    // Yes: the threshold goes out as 12.25 × 10 = 122.5, halves to even.
    banc.Dialogues().reponses_questions = {true};
    QTest::mouseClick(fenetre.Cmd_UpLoad, Qt::LeftButton);
    EXPECT_EQ(banc.Chargee(), nullptr);
    const QList<QByteArray> trames = banc.Trames();
    ASSERT_EQ(trames.size(), 7) << trames.join('|').data();
    EXPECT_EQ(trames[3], "A 122 0");
    EXPECT_FLOAT_EQ(etat.Seuil_Haut, 12.25f);
    EXPECT_EQ(banc.affiches.textes.last(), QStringLiteral("Logger programmé : SIMUL01"));
}
