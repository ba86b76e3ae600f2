// The scale and date boxes as the user types into them.
#include "Banc_Outils.h"

namespace {

class Echelles : public Banc_Outils {
  protected:
    void SetUp() override {
        Ouvrir_Enregistrement("7307", {20, 22, 24, 26, 28}, {40, 50, 60});
        Etat_Programme().Seuil_Haut = 100;
        Etat_Programme().Seuil_Bas = 0;
        outils = &Outils();
    }
    QLineEdit& T_Maxi() { return Boite(*outils, "Txt_E_T_Maxi"); }
    QLineEdit& T_Mini() { return Boite(*outils, "Txt_E_T_Mini"); }
    QLineEdit& Debut() { return Boite(*outils, "Msk_Date_Deb"); }
    QLineEdit& Fin() { return Boite(*outils, "Msk_Date_Fin"); }

    Frm_Outils* outils = nullptr;
};

}  // namespace

TEST_F(Echelles, AMaximumAboveTheMinimumMovesOnlyTheMaximum) {
    Taper(T_Mini(), QStringLiteral("0"));
    Taper(T_Maxi(), QStringLiteral("40"));
    ASSERT_EQ(Axe(2).Minimum(), 0.0);
    ASSERT_EQ(Axe(2).Maximum(), 40.0);
    Taper(T_Maxi(), QStringLiteral("4"));
    EXPECT_EQ(Axe(2).Maximum(), 4.0);
    Taper(T_Maxi(), QStringLiteral("45"));
    EXPECT_EQ(Axe(2).Maximum(), 45.0);
    EXPECT_EQ(Axe(2).Minimum(), 0.0);
}

TEST_F(Echelles, AMaximumThatRoundsToTheMinimumChangesNothing) {
    Taper(T_Maxi(), QStringLiteral("40"));
    Taper(T_Mini(), QStringLiteral("20"));
    ASSERT_EQ(Axe(2).Minimum(), 20.0);
    Taper(T_Maxi(), QStringLiteral("20.4"));
    EXPECT_EQ(Axe(2).Maximum(), 40.0);
    Taper(T_Maxi(), QStringLiteral("20.5"));  // 20, halves to even
    EXPECT_EQ(Axe(2).Maximum(), 40.0);
    Taper(T_Maxi(), QStringLiteral("21"));
    EXPECT_EQ(Axe(2).Maximum(), 21.0);
    EXPECT_EQ(Axe(2).Minimum(), 20.0);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Echelles, WithTheMinimumEmptiedTheMaximumIsSetWithoutComparison) {
    Taper(T_Maxi(), QStringLiteral("40"));
    Taper(T_Mini(), QStringLiteral("35"));
    Taper(T_Mini(), QString());
    EXPECT_EQ(Axe(2).Minimum(), 35.0);
    Taper(T_Maxi(), QStringLiteral("30"));
    EXPECT_EQ(Axe(2).Maximum(), 30.0);
    EXPECT_EQ(Axe(2).Minimum(), 35.0);
}

TEST_F(Echelles, AMaximumBelowTheMinimumLeavesBothLimits) {
    Taper(T_Maxi(), QStringLiteral("40"));
    Taper(T_Mini(), QStringLiteral("20"));
    Taper(T_Maxi(), QStringLiteral("15"));
    EXPECT_EQ(Axe(2).Maximum(), 40.0);
    EXPECT_EQ(Axe(2).Minimum(), 20.0);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Echelles, LettersAreRefusedWhereNumbersBelong) {
    Taper(T_Maxi(), QStringLiteral("4a5"));
    EXPECT_EQ(T_Maxi().text(), QStringLiteral("45"));
    EXPECT_EQ(Axe(2).Maximum(), 45.0);
    Taper(T_Mini(), QStringLiteral("-2.5x"));
    EXPECT_EQ(T_Mini().text(), QStringLiteral("-2.5"));
    EXPECT_EQ(Axe(2).Minimum(), -2.0);  // halves to even
}

TEST_F(Echelles, TheHumidityBoxesSetTheSecondAxis) {
    QLineEdit& maxi = Boite(*outils, "Txt_E_H_Maxi");
    QLineEdit& mini = Boite(*outils, "Txt_E_H_Mini");
    const double temperature_max = Axe(2).Maximum();
    Taper(mini, QStringLiteral("10"));
    Taper(maxi, QStringLiteral("90"));
    EXPECT_EQ(Axe(3).Minimum(), 10.0);
    EXPECT_EQ(Axe(3).Maximum(), 90.0);
    EXPECT_EQ(Axe(2).Maximum(), temperature_max);
}

TEST_F(Echelles, EqualDatesShowTheMessageOfTheBoxBeingEdited) {
    // The start box shows 05/12/2026 08:00:00.
    Fin().setText(QStringLiteral("05/12/2026 08:00:00"));
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("La date de fin doit être > à celle de "
                                                     "début!")});
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date(5) + Une_Seconde);
    Fin().setText(QStringLiteral("05/12/2026 10:00:00"));
    Debut().setText(QStringLiteral("05/12/2026 09:00:00"));
    banc.dialogues.affichages.clear();
    Debut().setText(QStringLiteral("05/12/2026 10:00:00"));
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("La date de début doit être < à celle de "
                                                     "fin!")});
    // The box keeps what was typed; the graph does not move.
    EXPECT_EQ(Debut().text(), QStringLiteral("05/12/2026 10:00:00"));
    EXPECT_EQ(Axe(1).Minimum(), Date_Depuis_Civil(2026, 12, 5, 9, 0, 0));
    EXPECT_EQ(Axe(1).Maximum(), Date_Depuis_Civil(2026, 12, 5, 10, 0, 0) + Une_Seconde);
}

TEST_F(Echelles, TheEndIsSetOneSecondLater) {
    Debut().setText(QStringLiteral("05/12/2026 08:00:00"));
    Fin().setText(QStringLiteral("05/12/2026 18:30:00"));
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date_Depuis_Civil(2026, 12, 5, 18, 30, 1));
    Debut().setText(QStringLiteral("05/12/2026 08:01:00"));
    EXPECT_NEAR(Axe(1).Minimum(), Date(2), Tolerance);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Echelles, NothingHappensWhileADateIsBeingTyped) {
    const double debut = Axe(1).Minimum();
    const double fin = Axe(1).Maximum();
    Debut().setFocus();
    Debut().selectAll();
    QTest::keyClicks(&Debut(), QStringLiteral("0612202"));
    EXPECT_EQ(Debut().displayText(), QStringLiteral("06/12/202_ __:__:__"));
    Fin().setFocus();
    Fin().selectAll();
    QTest::keyClicks(&Fin(), QStringLiteral("01122026"));
    QTest::keyClicks(&Fin(), QStringLiteral("080000"));  // complete, but the start is not
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Axe(1).Minimum(), debut);
    EXPECT_EQ(Axe(1).Maximum(), fin);

    // The start finished after the end: now it is said.
    Debut().setFocus();
    Debut().setCursorPosition(9);
    QTest::keyClicks(&Debut(), QStringLiteral("6080000"));
    EXPECT_EQ(Debut().text(), QStringLiteral("06/12/2026 08:00:00"));
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("La date de début doit être < à celle de "
                                                     "fin!")});
    // An impossible date is no date.
    Debut().setText(QStringLiteral("31/02/2026 08:00:00"));
    Fin().setText(QStringLiteral("05/12/2026 09:00:00"));
    EXPECT_EQ(Messages().size(), 1);
    EXPECT_EQ(Axe(1).Minimum(), debut);
    EXPECT_EQ(Axe(1).Maximum(), fin);
}

TEST_F(Echelles, TypedKeyByKeyADateTakesEffectWhenComplete) {
    Fin().setFocus();
    Fin().selectAll();
    QTest::keyClicks(&Fin(), QStringLiteral("05122026093000"));
    EXPECT_EQ(Fin().text(), QStringLiteral("05/12/2026 09:30:00"));
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date_Depuis_Civil(2026, 12, 5, 9, 30, 1));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Echelles, EachRewriteOfTheDatesMovesTheEndOneSecond) {
    const double fin = Axe(1).Maximum();
    outils->Affiche_Dates_Echelle();
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), fin + Une_Seconde);
    outils->Affiche_Dates_Echelle();
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), fin + 2 * Une_Seconde);
    EXPECT_EQ(Fin().text(), QStringLiteral("05/12/2026 08:04:02"));
}

TEST_F(Echelles, AnEndAtMidnightIsWrittenWithItsTime) {
    Axe(1).Definir_Maximum(Date_Depuis_Civil(2026, 12, 6));
    outils->Affiche_Dates_Echelle();
    EXPECT_EQ(Fin().text(), QStringLiteral("06/12/2026 00:00:00"));
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date_Depuis_Civil(2026, 12, 6, 0, 0, 1));
}

TEST_F(Echelles, AZoomAfterTheShownEndGivesTheStartMessageOnceOnTheNextRewrite) {
    Axe(1).Definir_Minimum(Date_Depuis_Civil(2026, 12, 5, 10, 0, 0));
    Axe(1).Definir_Maximum(Date_Depuis_Civil(2026, 12, 5, 11, 0, 0));
    outils->Affiche_Dates_Echelle();
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("La date de début doit être < à celle de "
                                                     "fin!")});
    EXPECT_EQ(Axe(1).Minimum(), Date_Depuis_Civil(2026, 12, 5, 10, 0, 0));
    EXPECT_DOUBLE_EQ(Axe(1).Maximum(), Date_Depuis_Civil(2026, 12, 5, 11, 0, 1));
}
