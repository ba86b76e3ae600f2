// The about window and the wait window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "Attente.h"
#include "Banc_Programme.h"
#include "app/Frm_Patientez.h"
#include "app/Frm_Principal.h"
#include "app/Frm_Velor.h"

namespace {

int Fenetres_Visibles(const char* nom) {
    int nombre = 0;
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (fenetre->objectName() == QLatin1String(nom) && fenetre->isVisible()) ++nombre;
    }
    return nombre;
}

QString Texte(const QWidget& fenetre, const char* nom) {
    const auto* label = fenetre.findChild<QLabel*>(QLatin1String(nom));
    return label ? label->text() : QStringLiteral("<absent>");
}

}  // namespace

TEST(APropos, ChoisiDeuxFoisNeMontreQuUneFenetre) {
    Banc_Programme banc;
    Frm_Principal& fenetre = banc.Construire();

    fenetre.Mnu_Propos->trigger();
    fenetre.Mnu_Propos->trigger();

    EXPECT_EQ(Fenetres_Visibles("Frm_Velor"), 1);
    Frm_Velor* propos = fenetre.Fenetre_Velor.Chargee();
    ASSERT_NE(propos, nullptr);
    EXPECT_EQ(propos->windowTitle(), QStringLiteral("Caldrix"));
    const QPoint centre = propos->screen()->availableGeometry().center();
    EXPECT_LE((propos->geometry().center() - centre).manhattanLength(), 4);
    EXPECT_EQ(Texte(*propos, "Lbl_Nom_Logiciel"), QStringLiteral("Caldrix V1.09"));
    EXPECT_EQ(Texte(*propos, "Label1"), QStringLiteral("VELOR SAS"));
    for (const char* nom : {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
        EXPECT_FALSE(Texte(*propos, nom).isEmpty()) << nom;
    }

    QTest::mouseClick(propos->findChild<QPushButton*>(QStringLiteral("Cmd_Ok")), Qt::LeftButton);

    EXPECT_FALSE(fenetre.Fenetre_Velor.Est_Chargee());
    EXPECT_TRUE(Attendre_Que([] { return Fenetres_Visibles("Frm_Velor") == 0; }));

    // Chosen again, it comes back.
    fenetre.Mnu_Propos->trigger();
    EXPECT_EQ(Fenetres_Visibles("Frm_Velor"), 1);
}

TEST(Patientez, DitDePatienter) {
    Banc_Programme banc;
    Frm_Principal& fenetre = banc.Construire();

    Frm_Patientez& attente = fenetre.Fenetre_Patientez.Charger();
    attente.show();

    EXPECT_EQ(attente.windowTitle(), QStringLiteral("Caldrix"));
    EXPECT_EQ(Texte(attente, "Label1"), QStringLiteral("Patientez SVP"));
    EXPECT_TRUE(attente.findChildren<QPushButton*>().isEmpty());

    fenetre.Fenetre_Patientez.Decharger();
    EXPECT_FALSE(fenetre.Fenetre_Patientez.Est_Chargee());
}
