// The graph control itself: chart length, axes, the mouse in each track mode, the date labels
// and the legend.
#include "Essai_Fenetres.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 12, 5, 14, 0, 0);
const double Une_Minute = 60 * Une_Seconde;

// A shown graph of 800 × 500 on axes of 14:00 to 15:00 and 0 to 100.
class GrapheAffiche : public ::testing::Test {
  protected:
    void SetUp() override {
        graphe.resize(800, 500);
        graphe.show();
        graphe.Axes(1).Definir_Minimum(Debut);
        graphe.Axes(1).Definir_Maximum(Debut + 60 * Une_Minute);
        graphe.Axes(2).Definir_Minimum(0);
        graphe.Axes(2).Definir_Maximum(100);
        graphe.Redessiner_Maintenant();
    }
    // The view to the nearest unit: the time axis in minutes from 14:00, then the value axis.
    std::vector<long> Vue() const {
        return {std::lround((graphe.Axes(1).Minimum() - Debut) / Une_Minute),
                std::lround((graphe.Axes(1).Maximum() - Debut) / Une_Minute),
                std::lround(graphe.Axes(2).Minimum()), std::lround(graphe.Axes(2).Maximum())};
    }
    QPoint Point(double fx, double fy = 0.5) {
        const QRect r = graphe.Trace_QCP().axisRect()->rect();
        return r.topLeft() + QPoint(int(fx * r.width()), int(fy * r.height()));
    }
    void Glisser(double de, double a, double fy_de = 0.5, double fy_a = 0.5) {
        QTest::mousePress(&graphe.Trace_QCP(), Qt::LeftButton, {}, Point(de, fy_de));
        QTest::mouseMove(&graphe.Trace_QCP(), Point((de + a) / 2, (fy_de + fy_a) / 2));
        QTest::mouseMove(&graphe.Trace_QCP(), Point(a, fy_a));
        QTest::mouseRelease(&graphe.Trace_QCP(), Qt::LeftButton, {}, Point(a, fy_a));
    }
    void Molette() {
        QWheelEvent molette(Point(0.5), graphe.Trace_QCP().mapToGlobal(Point(0.5)), {}, {0, 120},
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&graphe.Trace_QCP(), &molette);
    }

    CWGraph graphe;
    QSignalSpy pointeur{&graphe, &CWGraph::Pointeur_Zone_Trace};
};

}  // namespace

// Each plot keeps at most the chart length, the oldest points going first; limits are read as
// written, through an inverted or an equal pair, one that is no number refused; the automatic
// scale only looks at the visible plots.
TEST(Graphe, LongueurEtLimites) {
    CWGraph graphe;
    Trace_Graphe& trace = graphe.Plots(1);
    for (int i = 0; i <= 16000; ++i)
        trace.Ajouter_Point(Debut + i * Une_Seconde, i);
    EXPECT_EQ(trace.Nb_Points(), 16000);
    graphe.Definir_Longueur_Graphe(10);
    double x = 0, y = 0;
    ASSERT_TRUE(trace.Nb_Points() == 10 && trace.Point_Proche(Debut, x, y));
    EXPECT_EQ(y, 15991);
    Axe_Graphe& axe = graphe.Axes(2);
    axe.Definir_Minimum(40);  // above the maximum of 10 for a moment
    axe.Definir_Maximum(40);
    axe.Definir_Minimum(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(axe.Minimum() + axe.Maximum(), 80);
    EXPECT_GT(axe.Axe_QCP()->range().size(), 0);
    graphe.Plots(3).Ajouter_Point(Debut, 100);
    graphe.Plots(3).Definir_Visible(false);
    axe.Auto_Echelle();
    EXPECT_EQ(axe.Minimum(), 15991);
    EXPECT_EQ(axe.Maximum(), 16000);
}

// Mode 6 zooms on a rectangle drawn, the wheel on the time alone; mode 3 pans without shrinking
// the view; mode 1 reports a press and each move with the button held, the view and the wheel
// left alone (the cursors on the click are read through the main window).
TEST_F(GrapheAffiche, LesTroisModes) {
    ASSERT_EQ(graphe.Mode_Suivi(), Numeros_Graphe::Mode_Zoom);
    Glisser(0.25, 0.75, 0.25, 0.75);
    EXPECT_EQ(Vue(), (std::vector<long>{15, 45, 25, 75}));
    Molette();
    EXPECT_EQ(Vue(), (std::vector<long>{17, 43, 25, 75}));

    SetUp();
    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Panoramique);
    Glisser(0.5, 0.25);
    EXPECT_EQ(Vue(), (std::vector<long>{15, 75, 0, 100}));
    EXPECT_EQ(pointeur.count(), 0);

    SetUp();
    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Curseur);
    Glisser(0.2, 0.8);
    QTest::mouseMove(&graphe.Trace_QCP(), Point(0.4));
    Molette();
    ASSERT_EQ(pointeur.count(), 3);
    EXPECT_NEAR((pointeur.last()[2].toDouble() - Debut) / Une_Minute, 48, 1);
    EXPECT_NEAR(pointeur.last()[3].toDouble(), 50, 1);
    EXPECT_EQ(Vue(), (std::vector<long>{0, 60, 0, 100}));
}

// Whatever the graph's width, at least four date labels, the first one the start of the view,
// none touching its neighbour nor leaving the graph.
TEST(Graphe, LesDatesSeLisentATouteLargeur) {
    for (int largeur : {CWGraph::Largeur_Minimum, 700, 1400}) {
        SCOPED_TRACE(largeur);
        CWGraph graphe;
        graphe.resize(largeur, 400);
        graphe.show();
        graphe.Axes(1).Definir_Minimum(Debut);
        graphe.Axes(1).Definir_Maximum(Debut + 8.0 / 24);
        graphe.Redessiner_Maintenant();
        graphe.Redessiner_Maintenant();  // the margins settle on the labels' width
        QCPAxis* temps = graphe.Trace_QCP().xAxis;
        const QVector<QString> textes = temps->tickVectorLabels();
        ASSERT_GE(textes.size(), 4);
        EXPECT_EQ(QString(textes.first()).replace(u'\n', u' '), u"05/12/2026 14:00:00"_s);
        double fin_precedent = -0.5;
        for (qsizetype i = 0; i < textes.size(); ++i) {
            const double x = temps->coordToPixel(temps->tickVector()[i]);
            const double w = QFontMetrics(temps->tickLabelFont())
                                 .boundingRect(QRect(), Qt::TextDontClip, textes[i])
                                 .width();
            EXPECT_GT(x - w / 2, fin_precedent) << textes[i].toStdString();
            EXPECT_LE(x + w / 2, largeur);
            fin_precedent = x + w / 2;
        }
    }
}

TEST(Graphe, LaLegendeNommeLesCourbesMontrees) {
    CWGraph graphe;
    graphe.show();
    const auto legende = [&] {
        graphe.Redessiner_Maintenant();
        QStringList noms;
        for (int i = 0; i < graphe.Trace_QCP().legend->itemCount(); ++i)
            noms << qobject_cast<QCPPlottableLegendItem*>(graphe.Trace_QCP().legend->item(i))
                        ->plottable()
                        ->name();
        return noms.join(u',');
    };
    EXPECT_EQ(legende(), QString());  // nothing drawn yet
    auto etat = Enregistrement_Essai(7307).Constante(10, 20).Etat_Rempli();
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(legende(), u"Température,Hygrométrie"_s);
    Enregistrement_Essai().Constante(10, 20).Remplir(*etat);
    Graphique::Affiche_Courbes(*etat, graphe);
    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);
    for (int n : {3, 4}) {
        graphe.Plots(n).Ajouter_Point(Debut, 10);
        graphe.Plots(n).Definir_Visible(true);
    }
    EXPECT_EQ(legende(), u"Température,Valeur de cuisson,Consigne maxi,Consigne mini"_s);
}
