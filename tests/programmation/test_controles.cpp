// The numeric and masked edit boxes as the user types into them, and the programming window's
// alarm boxes kept 0.1 apart.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "Dialogues_Scriptes.h"
#include "Horloge_Virtuelle.h"
#include "Port_Scripte.h"
#include "controls/CWNumEdit.h"
#include "controls/MaskEdBox.h"
#include "core/Etat.h"
#include "core/Sorties.h"
#include "core/Textes.h"
#include "logger/Communication.h"
#include "logger/gui/Frm_UpLoad.h"

namespace {

// Types into a box that has the focus, then Enter, as the user does.
void Taper(QWidget& boite, const QString& texte) {
    boite.setFocus();
    QTest::keyClicks(&boite, texte);
}

void Valider(QWidget& boite) {
    QTest::keyClick(&boite, Qt::Key_Return);
}

void Effacer(QWidget& boite) {
    QTest::keyClick(&boite, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&boite, Qt::Key_Backspace);
}

struct Affichage_Muet : Sortie_Etat {
    void Afficher_Etat(const QString&) override {}
};

}  // namespace

TEST(CWNumEdit, EcritLaValeurDansSonFormatDAffichage) {
    CWNumEdit boite;
    boite.setRange(-49, 194);
    boite.Definir_Format(QStringLiteral("000.0"));
    boite.setValue(10);
    EXPECT_EQ(boite.text(), QStringLiteral("010.0"));
    boite.setValue(-5);
    EXPECT_EQ(boite.text(), QStringLiteral("-005.0"));
    // The format writes the text only: the value given is the value read back, even once the
    // box has interpreted its own text.
    boite.setValue(12.25);
    EXPECT_EQ(boite.text(), QStringLiteral("012.2"));  // halves to even
    boite.interpretText();
    EXPECT_DOUBLE_EQ(boite.value(), 12.25);

    boite.Definir_Format(QStringLiteral(".0"));
    boite.setValue(0.5);
    EXPECT_EQ(boite.text(), QStringLiteral(".5"));
    boite.setValue(0);
    EXPECT_EQ(boite.text(), QStringLiteral(".0"));
    boite.setValue(-0.5);
    EXPECT_EQ(boite.text(), QStringLiteral("-.5"));
    boite.setValue(29.9);
    EXPECT_EQ(boite.text(), QStringLiteral("29.9"));

    EXPECT_EQ(CWNumEdit::Formater(900, QStringLiteral("0")), QStringLiteral("900"));
    EXPECT_EQ(CWNumEdit::Formater(-0.04, QStringLiteral(".0")), QStringLiteral(".0"));
}

TEST(CWNumEdit, UnNombreTapeHorsLimitesVaALaLimiteLaPlusProche) {
    CWNumEdit boite;
    boite.Definir_Format(QStringLiteral(".0"));
    boite.setRange(-49, 194);
    boite.setValue(10);
    boite.show();
    QSignalSpy changements(&boite, &CWNumEdit::valueChanged);

    Effacer(boite);
    Taper(boite, QStringLiteral("250"));
    EXPECT_TRUE(changements.isEmpty());  // nothing changes while the user types
    Valider(boite);
    EXPECT_DOUBLE_EQ(boite.value(), 194);
    EXPECT_EQ(boite.text(), QStringLiteral("194.0"));
    ASSERT_EQ(changements.size(), 1);
    EXPECT_DOUBLE_EQ(changements.first().first().toDouble(), 194);

    Effacer(boite);
    Taper(boite, QStringLiteral("-60,5"));  // a comma reads as the point
    Valider(boite);
    EXPECT_DOUBLE_EQ(boite.value(), -49);
}

TEST(CWNumEdit, UneLettreEstRefuseeAvecUneAideEtRienNEstPerdu) {
    CWNumEdit boite;
    boite.Definir_Format(QStringLiteral("0"));
    boite.setRange(1, 7200);
    boite.setValue(60);
    boite.show();
    QSignalSpy refus(&boite, &CWNumEdit::Saisie_Refusee);

    Effacer(boite);
    Taper(boite, QStringLiteral("12a0"));
    EXPECT_EQ(boite.text(), QStringLiteral("120"));
    ASSERT_EQ(refus.size(), 1);
    EXPECT_EQ(refus.first().first().toString(), QStringLiteral("Saisir un nombre de 1 à 7200"));

    Taper(boite, QStringLiteral(".5"));  // no decimals in a box formatted "0"
    EXPECT_EQ(boite.text(), QStringLiteral("120."));
    Valider(boite);
    EXPECT_DOUBLE_EQ(boite.value(), 120);
}

TEST(CWNumEdit, UnTexteQuiNEstPasUnNombreRendLaValeurPrecedente) {
    CWNumEdit boite;
    boite.Definir_Format(QStringLiteral("0"));
    boite.setRange(1, 7200);
    boite.setValue(60);
    boite.show();

    Effacer(boite);
    EXPECT_FALSE(boite.Texte_Lisible());
    Taper(boite, QStringLiteral("-"));
    EXPECT_FALSE(boite.Texte_Lisible());
    Valider(boite);
    EXPECT_TRUE(boite.Texte_Lisible());
    EXPECT_EQ(boite.text(), QStringLiteral("60"));
}

TEST(MaskEdBox, SuitSonMasqueEtSonFormat) {
    MaskEdBox date;
    date.Definir_Format(QStringLiteral("dd/mm/yyyy"));
    date.Definir_Masque(QStringLiteral("99/99/9999"));
    MaskEdBox heure;
    heure.Definir_Format(QStringLiteral("hh:mm:ss"));
    heure.Definir_Masque(QStringLiteral("99:99:99"));
    QSignalSpy changements(&date, &MaskEdBox::Change);

    const double moment = Date_Depuis_Civil(2026, 12, 5, 14, 30, 7);
    date.Afficher_Date(moment);
    heure.Afficher_Date(moment);
    EXPECT_EQ(date.text(), QStringLiteral("05/12/2026"));
    EXPECT_EQ(heure.text(), QStringLiteral("14:30:07"));
    EXPECT_EQ(changements.size(), 1);

    date.show();
    QSignalSpy refus(&date, &MaskEdBox::Saisie_Refusee);
    date.setFocus();
    date.setCursorPosition(0);
    QTest::keyClicks(&date, QStringLiteral("x1"));
    EXPECT_EQ(date.text(), QStringLiteral("15/12/2026"));
    ASSERT_GE(refus.size(), 1);
    EXPECT_EQ(refus.first().first().toString(),
              QStringLiteral("Saisir des chiffres, sous la forme dd/mm/yyyy"));
}

// The window's boxes without a logger: its load is not run.
class Boites_Programmation : public ::testing::Test {
  protected:
    Boites_Programmation() : horloge(Date_Depuis_Civil(2026, 12, 5, 10, 0, 0)), port(horloge) {
        fenetre.show();
    }

    Horloge_Virtuelle horloge;
    Port_Scripte port;
    std::unique_ptr<Etat> etat = Etat::Nouveau();
    Communication lien{*etat, port, horloge};
    Dialogues_Scriptes dialogues;
    Affichage_Muet affichage;
    Frm_UpLoad fenetre{*etat, lien, dialogues, affichage};
};

TEST_F(Boites_Programmation, LesAlarmesRestentA0Point1LUneDeLAutre) {
    fenetre.CW_Alarm_High->setValue(30);
    EXPECT_DOUBLE_EQ(fenetre.CW_Alarm_Low->maximum(), 29.9);

    Effacer(*fenetre.CW_Alarm_Low);
    Taper(*fenetre.CW_Alarm_Low, QStringLiteral("35"));
    Valider(*fenetre.CW_Alarm_Low);
    EXPECT_DOUBLE_EQ(fenetre.CW_Alarm_Low->value(), 29.9);
    EXPECT_DOUBLE_EQ(fenetre.CW_Alarm_High->minimum(), 30);

    fenetre.CW_Alarm_Low->setValue(5);
    EXPECT_DOUBLE_EQ(fenetre.CW_Alarm_High->minimum(), 5.1);
    fenetre.CW_Alarm_High->setValue(-20);  // below the low alarm: kept 0.1 above it
    EXPECT_DOUBLE_EQ(fenetre.CW_Alarm_High->value(), 5.1);
    EXPECT_EQ(fenetre.CW_Alarm_Low->text(), QStringLiteral("005.0"));
}

TEST_F(Boites_Programmation, LeNomDuModuleTientEnHuitCaracteresSansEspace) {
    Taper(*fenetre.Txt_Saisi_ID, QStringLiteral("FOUR 12345678"));
    EXPECT_EQ(fenetre.Txt_Saisi_ID->text(), QStringLiteral("FOUR1234"));
}

TEST_F(Boites_Programmation, ImmediatGriseLaDateEtLHeurePlanifieLesRend) {
    EXPECT_TRUE(fenetre.Opt_Start_Mode_Now->isChecked());
    EXPECT_FALSE(fenetre.Msk_Start_Date->isEnabled());
    EXPECT_FALSE(fenetre.Msk_Start_Time->isEnabled());
    QTest::mouseClick(fenetre.Opt_Start_Mode_Shedule, Qt::LeftButton);
    EXPECT_TRUE(fenetre.Msk_Start_Date->isEnabled());
    EXPECT_TRUE(fenetre.Msk_Start_Time->isEnabled());
    QTest::mouseClick(fenetre.Opt_Start_Mode_Now, Qt::LeftButton);
    EXPECT_FALSE(fenetre.Msk_Start_Date->isEnabled());
    EXPECT_TRUE(fenetre.Opt_Sleep_On->isChecked());
    EXPECT_FALSE(fenetre.Opt_Sleep_Off->isChecked());
}
