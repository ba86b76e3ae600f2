// The numeric and masked edit boxes as the user types into them.
#include "Essai_Fenetres.h"

// The format writes the text only: the value given is the value read back, even once the box
// has interpreted its own text. Halves go to even, the minus sign before the digits, no "-0".
TEST(CWNumEdit, EcritLaValeurDansSonFormatEtLaGardeEntiere) {
    const struct {
        const char* format;
        double valeur;
        const char* texte;
    } cas[] = {{"000.0", -5, "-005.0"},
               {"000.0", 12.25, "012.2"},
               {".0", -0.5, "-.5"},
               {".0", -0.04, ".0"}};
    for (const auto& c : cas) {
        CWNumEdit boite;
        boite.setRange(-49, 1000);
        boite.Definir_Format(QLatin1String(c.format));
        boite.setValue(c.valeur);
        EXPECT_EQ(boite.text(), QLatin1String(c.texte));
        boite.interpretText();
        EXPECT_DOUBLE_EQ(boite.value(), c.valeur) << c.texte;
    }
}

// A number out of range goes to the nearest limit once typed; a key that cannot make a number
// is refused with a hint; a text that is no number gives the previous value back.
TEST(Saisie, CeQueLUtilisateurTapeDansUnNombreEtUneDate) {
    CWNumEdit boite;
    boite.Definir_Format(u".0"_s);
    boite.setRange(-49, 194);
    boite.show();
    QSignalSpy changements(&boite, &CWNumEdit::valueChanged);
    QSignalSpy refus(&boite, &CWNumEdit::Saisie_Refusee);
    Taper(boite, "250");
    EXPECT_TRUE(changements.isEmpty());  // nothing changes while the user types
    QTest::keyClick(&boite, Qt::Key_Return);
    EXPECT_EQ(boite.text(), u"194.0"_s);
    EXPECT_EQ(changements.size(), 1);
    Taper(boite, "-60,5", true);  // a comma reads as the point
    EXPECT_DOUBLE_EQ(boite.value(), -49);

    boite.Definir_Format(u"0"_s);
    boite.setRange(1, 7200);
    Taper(boite, "12a0.5", true);  // no decimals in a box formatted "0"
    EXPECT_DOUBLE_EQ(boite.value(), 120);
    ASSERT_EQ(refus.size(), 2);
    EXPECT_EQ(refus[0][0].toString(), u"Saisir un nombre de 1 à 7200"_s);
    Taper(boite, "-");
    EXPECT_FALSE(boite.Texte_Lisible());
    QTest::keyClick(&boite, Qt::Key_Return);
    EXPECT_EQ(boite.text(), u"120"_s);

    // Typing over a date follows the mask: a letter is refused with a hint, a digit takes its
    // place.
    MaskEdBox date;
    date.Definir_Format(u"dd/mm/yyyy"_s);
    date.Definir_Masque(u"99/99/9999"_s);
    QSignalSpy refus_date(&date, &MaskEdBox::Saisie_Refusee);
    date.Afficher_Date(Date_Depuis_Civil(2026, 12, 5, 14, 30, 7));
    date.show();
    date.setFocus();
    date.setCursorPosition(0);
    QTest::keyClicks(&date, u"x1"_s);
    EXPECT_EQ(date.text(), u"15/12/2026"_s);
    EXPECT_EQ(refus_date.value(0).value(0).toString(),
              u"Saisir des chiffres, sous la forme dd/mm/yyyy"_s);
}
