// The graph control itself, and the measures of the shared record drawn on it.
#include "Essai_Fenetres.h"
#include "core/Plage_Dates.h"
#include "stats/Statistiques.h"
#include "table/Lignes_Tableau.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 12, 5, 14, 0, 0);
const double Une_Minute = 60 * Une_Seconde;

const auto Date = [](int record) { return Enregistrement_Essai().Date(record); };

// Axes 1 (in records from the first), 2 and 3 against their expected limits.
void Verifier(const CWGraph& g, const std::vector<double>& attendues) {
    for (std::size_t i = 0; i < attendues.size(); ++i) {
        const Axe_Graphe& axe = g.Axes(static_cast<int>(i) / 2 + 1);
        const double v = i % 2 ? axe.Maximum() : axe.Minimum();
        EXPECT_NEAR(i < 2 ? (v - Date(1)) / (Date(2) - Date(1)) : v, attendues[i], 1e-3) << i;
    }
}

}  // namespace

// Each plot keeps at most the chart length, the oldest points going first; limits are read as
// written, NaN refused; the automatic scale only looks at the visible plots.
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
// the view; mode 1 reports a press and each move with the button held, the view left alone.
TEST(Graphe, LesTroisModes) {
    for (auto [mode, de, a, attendue, signaux] :
         {std::tuple{Numeros_Graphe::Mode_Zoom, QPointF(0.25, 0.25), QPointF(0.75, 0.75),
                     std::vector<long>{17, 43, 25, 75}, 0},
          {Numeros_Graphe::Mode_Panoramique, {0.5, 0.5}, {0.25, 0.5}, {15, 75, 0, 100}, 0},
          {Numeros_Graphe::Mode_Curseur, {0.2, 0.5}, {0.8, 0.5}, {0, 60, 0, 100}, 3}}) {
        SCOPED_TRACE(mode);
        CWGraph graphe;
        QSignalSpy pointeur(&graphe, &CWGraph::Pointeur_Zone_Trace);
        graphe.resize(800, 500);
        graphe.show();
        graphe.Axes(1).Definir_Minimum(Debut);
        graphe.Axes(1).Definir_Maximum(Debut + 60 * Une_Minute);
        graphe.Axes(2).Definir_Minimum(0);
        graphe.Axes(2).Definir_Maximum(100);
        graphe.Definir_Mode_Suivi(mode);
        graphe.Redessiner_Maintenant();
        QCustomPlot& trace = graphe.Trace_QCP();
        const QRect r = trace.axisRect()->rect();
        const auto point = [&](QPointF f) {
            return r.topLeft() + QPoint(int(f.x() * r.width()), int(f.y() * r.height()));
        };
        QTest::mousePress(&trace, Qt::LeftButton, {}, point(de));
        QTest::mouseMove(&trace, point((de + a) / 2));
        QTest::mouseMove(&trace, point(a));
        QTest::mouseRelease(&trace, Qt::LeftButton, {}, point(a));
        QTest::mouseMove(&trace, point({0.4, 0.5}));
        QWheelEvent molette(point({0.5, 0.5}), trace.mapToGlobal(point({0.5, 0.5})), {}, {0, 120},
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&trace, &molette);
        // The view to the nearest unit: the time axis in minutes from 14:00, then the values.
        EXPECT_EQ((std::vector<long>{std::lround((graphe.Axes(1).Minimum() - Debut) / Une_Minute),
                                     std::lround((graphe.Axes(1).Maximum() - Debut) / Une_Minute),
                                     std::lround(graphe.Axes(2).Minimum()),
                                     std::lround(graphe.Axes(2).Maximum())}),
                  attendue);
        ASSERT_EQ(pointeur.count(), signaux);
        if (signaux) {
            EXPECT_NEAR((pointeur.last()[2].toDouble() - Debut) / Une_Minute, 48, 1);
            EXPECT_NEAR(pointeur.last()[3].toDouble(), 50, 1);
        }
    }
}

// Four date labels too wide for a line each go on two, the last one still inside the graph.
TEST(Graphe, AuPlusEtroitLesDatesPassentSurDeuxLignes) {
    CWGraph graphe;
    graphe.resize(CWGraph::Largeur_Minimum, 400);
    graphe.show();
    graphe.Axes(1).Definir_Minimum(Debut);
    graphe.Axes(1).Definir_Maximum(Debut + 8.0 / 24);
    graphe.Redessiner_Maintenant();
    graphe.Redessiner_Maintenant();  // the margins settle on the labels' width
    QCPAxis* temps = graphe.Trace_QCP().xAxis;
    const QVector<QString> textes = temps->tickVectorLabels();
    ASSERT_GE(textes.size(), 4);
    EXPECT_EQ(textes.first(), u"05/12/2026\n14:00:00"_s);
    const double w = QFontMetrics(temps->tickLabelFont())
                         .boundingRect(QRect(), Qt::TextDontClip, textes.last())
                         .width();
    EXPECT_LE(temps->coordToPixel(temps->tickVector().last()) + w / 2, CWGraph::Largeur_Minimum);
}

// The value axes fitted with the margin 0.2 × | |minimum| + maximum |; a 7307 count holds two
// values a record (halves to even); too few records leave the axes as they were.
TEST(Courbes, ChaqueModeleSesCourbesEtSesEchelles) {
    CWGraph graphe;
    Graphique::Init_Graphique(graphe, Date(11));
    EXPECT_EQ(graphe.Longueur_Graphe(), 16000);
    EXPECT_EQ(graphe.Mode_Suivi(), Numeros_Graphe::Mode_Zoom);
    graphe.Plots(1).Ajouter_Point(Date(1), 20);  // an older curve
    for (auto [modele, nb_mesures, temperatures, records, limites] : {
             std::tuple{7307, 1, std::vector<float>{20}, 0,
                        std::vector<double>{10 - 1440, 10, 0, 100}},
             {7306, 3, {-10, 5, 30}, 3, {0, 2, -18, 39.6}},
             {7307, 5, {20, 21, 22}, 2, {0, 1, 11.8, 27.56, 24.4, 55.28}},
             {7307, 7, {20, 21, 22, 23}, 4, {0, 3, 11.4, 29.88, 24, 57.6}},
         }) {
        SCOPED_TRACE(nb_mesures);
        auto etat = Enregistrement_Essai(modele).Temperatures(temperatures).Etat_Rempli();
        etat->Nb_Mesures = static_cast<int16_t>(nb_mesures);

        Graphique::Affiche_Courbes(*etat, graphe);

        const int hygro = modele == 7307;
        EXPECT_EQ(graphe.Plots(1).Nb_Points() + graphe.Plots(2).Nb_Points(), (1 + hygro) * records);
        EXPECT_EQ(graphe.Plots(2).Visible() + graphe.Axes(3).Visible(), 2 * hygro);
        graphe.Axes(1).Definir_Minimum(records ? Date(3) : graphe.Axes(1).Minimum());
        Graphique::Mise_Echelle(*etat, graphe);  // again after a zoom
        Verifier(graphe, limites);
    }
}

// On axis 3 from 0, the temperature and the time axis left alone; the legend names the curves
// shown; new measures put the humidity caption back.
TEST(Courbes, LaCourbeDeCuissonVaSurLAxe3DepuisZero) {
    auto etat = Enregistrement_Essai().Temperatures({50, 60, 70, 80, 70, 50}).Etat_Rempli();
    CWGraph graphe;
    graphe.show();
    Graphique::Affiche_Courbes(*etat, graphe);
    etat->Mesures(5).Humidite = 12;
    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);
    Verifier(graphe, {0, 5, 24, 100.8, 0, 14.4});
    for (int n : {3, 4}) {
        graphe.Plots(n).Ajouter_Point(Debut, 10);
        graphe.Plots(n).Definir_Visible(true);
    }
    graphe.Redessiner_Maintenant();
    QCPLegend& legende = *graphe.Trace_QCP().legend;
    QStringList noms;
    for (int i = 0; i < legende.itemCount(); ++i)
        noms << qobject_cast<QCPPlottableLegendItem*>(legende.item(i))->plottable()->name();
    EXPECT_EQ(noms, (QStringList{u"Température"_s, u"Valeur de cuisson"_s, u"Consigne maxi"_s,
                                 u"Consigne mini"_s}));
    Enregistrement_Essai(7307).Temperatures({20, 21}).Remplir(*etat);
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(graphe.Axes(3).Legende(), u"Hygrométrie %Hr"_s);
}

// A view starting 0.4 s after a record's stamp still holds that record: the saved selection,
// the table and the statistics count the same four records.
TEST(Courbes, LaSelectionLeTableauEtLesStatistiquesTiennentLesMemesMesures) {
    auto etat = Enregistrement_Essai().Temperatures({10, 20, 30, 40, 50, 60}).Etat_Rempli();
    const Plage_Dates vue{Date(2) + 0.4 * Une_Seconde, Date(5)};
    CWGraph graphe;
    graphe.Axes(1).Definir_Minimum(vue.de);
    graphe.Axes(1).Definir_Maximum(vue.a);
    Statistiques::Parametres parametres;
    parametres.plage = vue;
    EXPECT_EQ(Statistiques::Calcul_Statistiques(*etat, parametres).mesures, 4);
    EXPECT_EQ(Lignes_Tableau::Lignes(*etat, {vue.de, vue.a, false}).size(), 3 + 4);
    Graphique::Selection_Mesures(*etat, graphe);
    EXPECT_EQ(etat->Nb_Mesures, 4);
    EXPECT_EQ(etat->Mesures(1).Temperature, 20);
    EXPECT_EQ(etat->Mesures(4).Temperature, 50);
    // Half a second past the last stamp, rounded to the next second, leaves it out.
    EXPECT_FALSE((Plage_Dates{Date(1), Date(6) - 0.6 * Une_Seconde}.Contient(Date(6))));
    EXPECT_TRUE((Plage_Dates{Date(1), Date(6) - 0.4 * Une_Seconde}.Contient(Date(6))));
}
