// The tools window driven through its controls over a recording drawn on a real graph.
#include "Essai_Fenetres.h"

namespace {

// Dates read back from the graph went through its seconds since 1970.
constexpr double Tolerance = Une_Seconde / 1000;

const auto Date = [](int record) { return Enregistrement_Essai().Date(record); };

struct Banc_Outils {
    explicit Banc_Outils(const Enregistrement_Essai& enregistrement, float haut = 100,
                         float bas = 0) {
        enregistrement.Remplir(*etat);
        Graphique::Affiche_Courbes(*etat, graphe);
        etat->Seuil_Haut = haut;
        etat->Seuil_Bas = bas;
    }
    Frm_Outils& Charger() {
        outils.Charger(*etat, graphe, etats, dialogues).show();
        return *outils.Chargee();
    }
    // A setpoint line as the user sees it: its value axis, the curve whose colour it takes, its
    // style and its levels; "cachée" when not shown.
    QString Ligne(int n) {
        const Trace_Graphe& t = graphe.Plots(n);
        const int couleur = t.Couleur() == graphe.Plots(1).Couleur()   ? 1
                            : t.Couleur() == graphe.Plots(2).Couleur() ? 2
                                                                       : 0;
        QString texte = u"cachée :"_s;
        if (t.Visible())
            texte = u"axe %1 couleur %2 style %3 :"_s.arg(&t.Axe_Y() == &graphe.Axes(3) ? 3 : 2)
                        .arg(couleur)
                        .arg(t.Style_Ligne());
        for (const auto& p : *t.Graphe_QCP()->data())
            texte += u' ' + QString::number(p.value);
        return texte;
    }

    std::unique_ptr<Etat> etat = Etat::Nouveau();
    CWGraph graphe;
    Etats_Releves etats;
    Dialogues_Scriptes dialogues;
    Fenetre<Frm_Outils> outils;
};

const Enregistrement_Essai Rampe = Enregistrement_Essai(7307).Temperatures({20, 22, 24, 26, 28});

}  // namespace

// The second scale is shown for a second curve holding points, lines on "%Hr" only for a
// humidity. The boxes take the graph's limits to a tenth and put them back as whole numbers; the
// dates are the view's, left where it was. Only the cursor mode of the graph is taken up.
TEST(OuvertureOutils, LaSecondeEchelleLesLimitesEtLeModeDuGraphe) {
    const struct {
        Enregistrement_Essai enregistrement;
        bool cuisson;
        QStringList textes;  // title, minimum, maximum; none when hidden
    } cas[] = {
        {Enregistrement_Essai(7307).Temperatures({20, 22, 24}).Humidites({40, 50, 60}),
         false,
         {u"Echelle Hygrométrie"_s, u"20"_s, u"76"_s}},
        {Enregistrement_Essai().Temperatures({50, 70, 80, 70, 50}),
         true,
         {u"Echelle calcul cuisson"_s, u"0"_s, u"6"_s}},
        {Enregistrement_Essai().Temperatures({20, 25, 30}), false, {}},
    };
    for (const auto& c : cas) {
        Banc_Outils b(c.enregistrement, 30, 5);
        for (int i = 1; c.cuisson && i <= 5; ++i)
            b.etat->Mesures(i).Humidite = static_cast<float>(i);
        if (c.cuisson) Graphique::Affiche_Courbe_Cuisson(*b.etat, b.graphe);
        b.graphe.Axes(2).Definir_Minimum(12.34);
        b.graphe.Axes(2).Definir_Maximum(37.86);
        Frm_Outils& o = b.Charger();
        EXPECT_EQ(o.Frame_Echelle_Hygro->isVisible(), !c.textes.isEmpty());
        EXPECT_EQ(o.Opt_Hr->isHidden(), c.cuisson || c.textes.isEmpty());
        if (!c.textes.isEmpty()) {
            EXPECT_EQ(Textes({o.Frame_Echelle_Hygro, o.Txt_E_H_Mini, o.Txt_E_H_Maxi}), c.textes);
            continue;
        }
        EXPECT_EQ(o.windowTitle(), u"Outils Caldrix"_s);
        EXPECT_EQ(Textes({o.Txt_E_T_Mini, o.Txt_E_T_Maxi, o.Txt_Consigne_Maxi, o.Txt_Consigne_Mini,
                          o.Msk_Date_Deb, o.Msk_Date_Fin}),
                  (QStringList{u"12.3"_s, u"37.9"_s, u"30"_s, u"5"_s, u"05/12/2026 08:00:00"_s,
                               u"05/12/2026 08:02:00"_s}));
        EXPECT_EQ(b.graphe.Axes(2).Minimum(), 12.0);
        EXPECT_EQ(b.graphe.Axes(2).Maximum(), 38.0);
        EXPECT_DOUBLE_EQ(b.graphe.Axes(1).Maximum(), Date(3));
        EXPECT_EQ(b.Ligne(3) + b.Ligne(4), u"cachée :cachée :"_s);
    }

    Banc_Outils b(Rampe);
    b.graphe.Definir_Mode_Suivi(Interaction_Graphe::Mode_Curseur);
    b.graphe.Cursors(1).Definir_X(Date(1));
    EXPECT_TRUE(b.Charger().Chk_Curseur->isChecked());
    EXPECT_EQ(b.graphe.Mode_Suivi(), Interaction_Graphe::Mode_Curseur);
    for (int n : {1, 2})
        EXPECT_NEAR(b.graphe.Cursors(n).X(), Date(3), Tolerance);
}

// Each key that leaves an acceptable pair moves the box's own limit: a scale as a whole number
// (halves to even), or with the other box empty; a date once both hold real dates, the end one
// second later. Letters are refused; a start not before the end is told when the box is left.
TEST(EchellesOutils, ChaqueCaseFixeSaLimite) {
    Banc_Outils b(Rampe);
    Frm_Outils& o = b.Charger();
    QLineEdit *mini = o.Txt_E_T_Mini, *maxi = o.Txt_E_T_Maxi, *debut = o.Msk_Date_Deb,
              *fin = o.Msk_Date_Fin;
    const QString debut_tard = u"La date de début doit être < à celle de fin!"_s,
                  fin_tot = u"La date de fin doit être > à celle de début!"_s;
    const double h0930 = Date(1) + 1.5 / 24 + Une_Seconde, h0900 = Date(1) + 1.0 / 24;
    const struct {
        QLineEdit* boite;
        int place;  // typed from this place, 0 over the whole text; -1 written by the program
        const char *texte, *lu;
        int axe;
        double minimum, maximum;
        QStringList messages = {};
    } cas[] = {
        {mini, 0, "0", "0", 2, 0, 36},
        {maxi, 0, "45", "45", 2, 0, 45},
        {mini, 0, "20", "20", 2, 20, 45},
        {maxi, 0, "20.5", "20.5", 2, 20, 45},
        {maxi, 0, "21", "21", 2, 20, 21},
        {mini, 0, "", "", 2, 20, 21},
        {maxi, 0, "10", "10", 2, 20, 10},
        {maxi, 0, "4a5", "45", 2, 20, 45},
        {mini, 0, "-2.5x", "-2.5", 2, -2, 45},
        {o.Txt_E_H_Mini, 0, "10", "10", 3, 10, 59},
        {fin, 0, "05122026093000", "05/12/2026 09:30:00", 1, Date(1), h0930},
        {debut, 0, "0612202", nullptr, 1, Date(1), h0930},
        {fin, -1, "05/12/2026 10:00:00", nullptr, 1, Date(1), h0930},
        {debut, 9, "6080000", "06/12/2026 08:00:00", 1, Date(1), h0930, {debut_tard}},
        {debut, -1, "05/12/2026 09:00:00", nullptr, 1, h0900, h0930},
        {fin, -1, "05/12/2026 09:00:00", nullptr, 1, h0900, h0930, {fin_tot}},
        {debut, -1, "31/02/2026 08:00:00", nullptr, 1, h0900, h0930},
        {fin, -1, "05/12/2026 20:00:00", nullptr, 1, h0900, h0930},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        b.dialogues.affichages.clear();
        c.boite->setCursorPosition(std::max(c.place, 0));
        if (c.place < 0)
            c.boite->setText(QLatin1String(c.texte));
        else if (c.place == 0)
            Taper(*c.boite, c.texte);
        else
            QTest::keyClicks(c.boite, QLatin1String(c.texte));
        QTest::keyClick(c.boite, Qt::Key_Return);  // the box is left
        EXPECT_TRUE(!c.lu || c.boite->text() == QLatin1String(c.lu))
            << c.boite->text().toStdString();
        EXPECT_NEAR(b.graphe.Axes(c.axe).Minimum(), c.minimum, Tolerance);
        EXPECT_NEAR(b.graphe.Axes(c.axe).Maximum(), c.maximum, Tolerance);
        EXPECT_EQ(b.dialogues.Messages(), c.messages);
    }
    EXPECT_EQ(b.graphe.Axes(2).Maximum(), 45.0);  // the second scale leaves the first alone
}

// The initial zoom puts the view back on the whole recording and fits the setpoint lines with
// the curves; ticked, both lines cross the time axis, dashed, at the thresholds the boxes set.
TEST(ConsignesOutils, LesLignesDesSeuils) {
    Banc_Outils b(Rampe, 30, 10);
    Frm_Outils& o = b.Charger();
    Taper(*o.Txt_E_T_Maxi, "90");
    b.graphe.Axes(1).Definir_Maximum(Date(3));
    o.Cmd_Zoom_Init->click();
    EXPECT_EQ(Textes({o.Txt_E_T_Maxi, o.Msk_Date_Fin}),
              (QStringList{u"35.7"_s, u"05/12/2026 08:04:00"_s}));
    EXPECT_DOUBLE_EQ(b.graphe.Axes(2).Maximum(), 35.68);  // shown to a tenth, left as it is
    EXPECT_DOUBLE_EQ(b.graphe.Axes(1).Maximum(), Date(5));

    o.Chk_Consigne->setChecked(true);

    EXPECT_TRUE(o.Frame_Consigne->isVisible());
    EXPECT_EQ(b.Ligne(3) + b.Ligne(4),
              u"axe 2 couleur 1 style 3 : 30 30axe 2 couleur 1 style 3 : 10 10"_s);
    auto* points = b.graphe.Plots(4).Graphe_QCP()->data().data();
    EXPECT_NEAR(points->constBegin()->key, b.graphe.Axes(1).Vers_Trace(Date(1)), 1e-3);
    EXPECT_NEAR(points->at(1)->key, b.graphe.Axes(1).Vers_Trace(Date(5)), 1e-3);
    // The curves and the lines: 10 - 0.2 × 40 = 2, 30 + 0.2 × 32 = 36.4.
    b.graphe.Axes(1).Definir_Minimum(Date(2));
    o.Cmd_Zoom_Init->click();
    EXPECT_NEAR(b.graphe.Axes(1).Minimum(), Date(1), Tolerance);
    EXPECT_EQ(b.graphe.Axes(2).Minimum(), 2);
    EXPECT_DOUBLE_EQ(b.graphe.Axes(2).Maximum(), 36.4);
    o.Cmd_Zoom_Init->click();
    EXPECT_EQ(b.Ligne(3), u"axe 2 couleur 1 style 3 : 30 30"_s);

    // A text that is no number yet keeps the threshold; both lines are drawn again.
    for (auto [boite, tape, haut, bas] : {std::tuple{o.Txt_Consigne_Maxi, "8O", 8.0f, 10.0f},
                                          {o.Txt_Consigne_Mini, "-5", 8.0f, -5.0f}}) {
        Taper(*boite, tape);
        EXPECT_EQ(b.etat->Seuil_Haut, haut);
        EXPECT_EQ(b.etat->Seuil_Bas, bas);
        EXPECT_EQ(
            b.Ligne(3) + b.Ligne(4),
            u"axe 2 couleur 1 style 3 : %1 %1axe 2 couleur 1 style 3 : %2 %2"_s.arg(haut).arg(bas));
    }
    o.Opt_Hr->click();
    EXPECT_EQ(b.Ligne(4), u"axe 3 couleur 2 style 3 : -5 -5"_s);
    o.Chk_Consigne->setChecked(false);
    EXPECT_FALSE(o.Frame_Consigne->isVisible());
    EXPECT_EQ(b.Ligne(3) + b.Ligne(4), u"cachée :cachée :"_s);
    EXPECT_TRUE(b.dialogues.affichages.isEmpty());
}

// Whatever moves the view, the boxes show it and the setpoint lines cross it from edge to edge,
// without a word; the end typed in "Fin" gets its second once, however often it is edited.
TEST(SuiviOutils, LesCasesEtLesLignesSuiventLaVue) {
    Banc_Outils b(Rampe, 30, 10);
    Frm_Outils& o = b.Charger();
    o.Chk_Consigne->setChecked(true);
    o.Opt_Hr->click();
    // A pan: QCustomPlot moves the range, as dragging does.
    QCPAxis* x = b.graphe.Axes(1).Axe_QCP();
    x->setRange(x->range().lower + 90, x->range().upper + 90);
    EXPECT_EQ(Textes({o.Msk_Date_Deb, o.Msk_Date_Fin}),
              (QStringList{u"05/12/2026 08:01:30"_s, u"05/12/2026 08:05:30"_s}));
    const auto* points = b.graphe.Plots(3).Graphe_QCP()->data().data();
    ASSERT_EQ(points->size(), 2);
    EXPECT_NEAR(points->constBegin()->key, x->range().lower, 1e-3);
    EXPECT_NEAR(points->at(1)->key, x->range().upper, 1e-3);
    b.graphe.Axes(2).Definir_Minimum(-7.26);
    EXPECT_EQ(o.Txt_E_T_Mini->text(), u"-7.3"_s);

    // "Fin" edited twice: 08:03:10, then 08:03:15; the view ends one second after each.
    Taper(*o.Msk_Date_Fin, "05122026080310");
    o.Msk_Date_Fin->setCursorPosition(18);
    QTest::keyClicks(o.Msk_Date_Fin, u"5"_s);
    EXPECT_EQ(o.Msk_Date_Fin->text(), u"05/12/2026 08:03:15"_s);
    EXPECT_NEAR(b.graphe.Axes(1).Maximum(), Date(1) + (3 * 60 + 16) * Une_Seconde, Tolerance);

    // A later recording of a temperature-only logger: the view is its own, the lines go on the
    // °C scale, and neither that nor "Zoom initial" raises a date message.
    Enregistrement_Essai().Debut(Date(1) + 2).Temperatures({5, 6, 7}).Remplir(*b.etat);
    Graphique::Affiche_Courbes(*b.etat, b.graphe);
    o.Cmd_Zoom_Init->click();
    EXPECT_EQ(Textes({o.Msk_Date_Deb, o.Msk_Date_Fin}),
              (QStringList{u"07/12/2026 08:00:00"_s, u"07/12/2026 08:02:00"_s}));
    EXPECT_TRUE(o.Opt_Hr->isHidden());
    EXPECT_TRUE(o.Opt_C->isChecked());
    EXPECT_EQ(b.Ligne(3), u"axe 2 couleur 1 style 3 : 30 30"_s);
    EXPECT_TRUE(b.dialogues.affichages.isEmpty());
}

// "Curseur" and "Panoramique" exclude each other; the humidity cursor is for a 7307 only.
TEST(ModesOutils, CurseurEtPanoramiqueSExcluent) {
    for (int modele : {7307, 7306}) {
        SCOPED_TRACE(modele);
        Banc_Outils b(Enregistrement_Essai(modele).Temperatures({20, 22, 24, 26, 28}));
        Frm_Outils& o = b.Charger();
        o.Chk_Pan->click();
        o.Chk_Curseur->click();
        EXPECT_FALSE(o.Chk_Pan->isChecked());
        EXPECT_EQ(b.graphe.Mode_Suivi(), Interaction_Graphe::Mode_Curseur);
        EXPECT_TRUE(b.graphe.Cursors(1).Visible());
        EXPECT_EQ(b.graphe.Cursors(2).Visible(), modele == 7307);
        EXPECT_NEAR(b.graphe.Cursors(1).X(), Date(3), Tolerance);

        o.Chk_Pan->click();
        EXPECT_FALSE(o.Chk_Curseur->isChecked());
        EXPECT_EQ(b.etats.textes, QStringList{u"-"_s});
        EXPECT_FALSE(b.graphe.Cursors(1).Visible() || b.graphe.Cursors(2).Visible());
        EXPECT_EQ(b.graphe.Mode_Suivi(), Interaction_Graphe::Mode_Panoramique);
        o.Chk_Pan->click();
        EXPECT_EQ(b.graphe.Mode_Suivi(), Interaction_Graphe::Mode_Zoom);
    }
}
