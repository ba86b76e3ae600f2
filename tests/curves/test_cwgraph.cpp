// The graph control itself: numbering, chart length, axes, cursors, the mouse in each track mode
// and the drawing onto a printer page.
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Graphique.h"
#include "curves/Numeros_Graphe.h"
#include "curves/Trace_Graphe.h"

namespace {

const double Debut = Date_Depuis_Civil(2026, 12, 5, 14, 0, 0);
const double Une_Minute = 60 * Une_Seconde;

// A shown graph of 800 × 500 with a ramp of 61 points, one a minute from 14:00, 20 to 80.
class Graphe_Affiche : public ::testing::Test {
  protected:
    void SetUp() override {
        graphe.resize(800, 500);
        graphe.show();
        for (int i = 0; i <= 60; ++i)
            graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(Debut + i * Une_Minute, 20 + i);
        graphe.Axes(Numeros_Graphe::XAxis).Definir_Minimum(Debut);
        graphe.Axes(Numeros_Graphe::XAxis).Definir_Maximum(Debut + 60 * Une_Minute);
        graphe.Axes(Numeros_Graphe::YAxis_Temp).Definir_Minimum(0);
        graphe.Axes(Numeros_Graphe::YAxis_Temp).Definir_Maximum(100);
        graphe.Redessiner_Maintenant();
    }

    QCPAxisRect& Zone() { return *graphe.Trace_QCP().axisRect(); }
    QPoint Point_Zone(double fx, double fy) {
        const QRect r = Zone().rect();
        return QPoint(r.left() + static_cast<int>(fx * r.width()),
                      r.top() + static_cast<int>(fy * r.height()));
    }
    void Glisser(QPoint de, QPoint a) {
        QWidget* cible = &graphe.Trace_QCP();
        QTest::mousePress(cible, Qt::LeftButton, {}, de);
        QTest::mouseMove(cible, (de + a) / 2);
        QTest::mouseMove(cible, a);
        QTest::mouseRelease(cible, Qt::LeftButton, {}, a);
    }

    CWGraph graphe;
};

QString Texte_Pdf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

TEST(Graphe, NumerotationDesTracesAxesEtCurseurs) {
    CWGraph graphe;

    EXPECT_EQ(graphe.Plots(Numeros_Graphe::Voie_Temp).Nom(), QStringLiteral("Voie_Temp"));
    EXPECT_EQ(graphe.Plots(Numeros_Graphe::Voie_Hygro).Nom(), QStringLiteral("Voie_Hygro"));
    EXPECT_EQ(graphe.Plots(Numeros_Graphe::Consigne_Maxi).Nom(), QStringLiteral("Consigne_Maxi"));
    EXPECT_EQ(graphe.Plots(Numeros_Graphe::Consigne_Mini).Nom(), QStringLiteral("Consigne_Mini"));
    EXPECT_EQ(graphe.Axes(Numeros_Graphe::XAxis).Nom(), QStringLiteral("XAxis"));
    EXPECT_EQ(graphe.Axes(Numeros_Graphe::YAxis_Temp).Nom(), QStringLiteral("YAxis-Temp"));
    EXPECT_EQ(graphe.Axes(Numeros_Graphe::YAxis_Temp).Legende(), QStringLiteral("Température °C"));
    EXPECT_EQ(graphe.Axes(Numeros_Graphe::YAxis_Hygro).Nom(), QStringLiteral("YAxis-Hygro"));
    EXPECT_EQ(graphe.Axes(Numeros_Graphe::YAxis_Hygro).Legende(),
              QStringLiteral("Hygrométrie %Hr"));
    EXPECT_EQ(&graphe.Plots(Numeros_Graphe::Voie_Temp).Axe_Y(),
              &graphe.Axes(Numeros_Graphe::YAxis_Temp));
    EXPECT_EQ(&graphe.Plots(Numeros_Graphe::Voie_Hygro).Axe_Y(),
              &graphe.Axes(Numeros_Graphe::YAxis_Hygro));
    EXPECT_EQ(graphe.Cursors(Numeros_Graphe::Cursor_Temp).Nom(), QStringLiteral("Cursor-temp"));
    EXPECT_EQ(graphe.Cursors(Numeros_Graphe::Cursor_Hygro).Nom(), QStringLiteral("Cursor-Hygro"));
    EXPECT_THROW(graphe.Plots(5), std::out_of_range);
    EXPECT_THROW(graphe.Axes(0), std::out_of_range);
    EXPECT_THROW(graphe.Cursors(3), std::out_of_range);
}

TEST(Graphe, ChaqueTraceGardeAuPlusLaLongueurDuGraphe) {
    CWGraph graphe;
    Trace_Graphe& trace = graphe.Plots(Numeros_Graphe::Voie_Temp);
    for (int i = 0; i <= 16000; ++i)
        trace.Ajouter_Point(Debut + i * Une_Seconde, i);

    EXPECT_EQ(trace.Nb_Points(), 16000);
    double x = 0;
    double y = 0;
    ASSERT_TRUE(trace.Point_Proche(Debut, x, y));
    EXPECT_EQ(y, 1);  // the oldest point went

    graphe.Definir_Longueur_Graphe(10);
    EXPECT_EQ(trace.Nb_Points(), 10);
    ASSERT_TRUE(trace.Point_Proche(Debut, x, y));
    EXPECT_EQ(y, 15991);
}

TEST(Graphe, LesLimitesDUnAxeSontLuesTellesQuEcrites) {
    CWGraph graphe;
    Axe_Graphe& axe = graphe.Axes(Numeros_Graphe::YAxis_Temp);
    axe.Definir_Minimum(0);
    axe.Definir_Maximum(10);

    // Set one after the other, a new range may pass through an inverted pair.
    axe.Definir_Minimum(20);
    EXPECT_DOUBLE_EQ(axe.Minimum(), 20);
    axe.Definir_Maximum(30);
    EXPECT_DOUBLE_EQ(axe.Maximum(), 30);
    EXPECT_DOUBLE_EQ(axe.Axe_QCP()->range().lower, 20);
    EXPECT_DOUBLE_EQ(axe.Axe_QCP()->range().upper, 30);

    // Equal limits are kept; the drawing still gets some width.
    axe.Definir_Maximum(20);
    EXPECT_DOUBLE_EQ(axe.Maximum(), 20);
    EXPECT_GT(axe.Axe_QCP()->range().size(), 0);

    axe.Definir_Minimum(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(axe.Minimum(), 20);

    // The time axis speaks day counts.
    Axe_Graphe& temps = graphe.Axes(Numeros_Graphe::XAxis);
    temps.Definir_Minimum(Debut);
    temps.Definir_Maximum(Debut + 1);
    EXPECT_DOUBLE_EQ(temps.Minimum(), Debut);
    EXPECT_DOUBLE_EQ(temps.Maximum(), Debut + 1);
}

TEST(Graphe, LEchelleAutomatiqueNeRegardeQueLesTracesVisibles) {
    CWGraph graphe;
    Axe_Graphe& axe = graphe.Axes(Numeros_Graphe::YAxis_Temp);
    axe.Definir_Minimum(-1);
    axe.Definir_Maximum(1);
    axe.Auto_Echelle();  // nothing drawn yet
    EXPECT_DOUBLE_EQ(axe.Minimum(), -1);
    EXPECT_DOUBLE_EQ(axe.Maximum(), 1);

    graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(Debut, 12);
    graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(Debut + 1, 18);
    graphe.Plots(Numeros_Graphe::Consigne_Maxi).Ajouter_Point(Debut, 100);
    graphe.Plots(Numeros_Graphe::Consigne_Maxi).Definir_Visible(false);
    axe.Auto_Echelle();

    EXPECT_DOUBLE_EQ(axe.Minimum(), 12);
    EXPECT_DOUBLE_EQ(axe.Maximum(), 18);
}

TEST(Graphe, UnCurseurSePoseSurLePointLePlusProcheDeSaCourbe) {
    CWGraph graphe;
    Curseur_Graphe& curseur = graphe.Cursors(Numeros_Graphe::Cursor_Temp);
    curseur.Definir_Position(Debut, 5);  // empty curve: where it is put
    EXPECT_DOUBLE_EQ(curseur.X(), Debut);
    EXPECT_DOUBLE_EQ(curseur.Y(), 5);

    for (int i = 0; i < 3; ++i)
        graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(Debut + i * Une_Minute, 20 + i);
    curseur.Definir_X(Debut + 1.4 * Une_Minute);

    EXPECT_DOUBLE_EQ(curseur.X(), Debut + Une_Minute);
    EXPECT_DOUBLE_EQ(curseur.Y(), 21);
    curseur.Definir_Visible(true);
    EXPECT_TRUE(curseur.Visible());
}

TEST(Graphe, LesTracesDeConsignesChangentDAxeDeCouleurEtDeStyle) {
    CWGraph graphe;
    Trace_Graphe& consigne = graphe.Plots(Numeros_Graphe::Consigne_Maxi);

    consigne.Definir_Axe_Y(graphe.Axes(Numeros_Graphe::YAxis_Hygro));
    consigne.Definir_Couleur(graphe.Plots(Numeros_Graphe::Voie_Hygro).Couleur());
    consigne.Definir_Style_Ligne(Trace_Graphe::Style_Tirets);

    EXPECT_EQ(&consigne.Axe_Y(), &graphe.Axes(Numeros_Graphe::YAxis_Hygro));
    EXPECT_EQ(consigne.Graphe_QCP()->valueAxis(),
              graphe.Axes(Numeros_Graphe::YAxis_Hygro).Axe_QCP());
    EXPECT_EQ(consigne.Couleur(), graphe.Plots(Numeros_Graphe::Voie_Hygro).Couleur());
    EXPECT_EQ(consigne.Graphe_QCP()->pen().style(), Qt::DashLine);
    EXPECT_EQ(consigne.Style_Ligne(), 3);
}

TEST_F(Graphe_Affiche, EnMode6UnRectangleTraceZoomeDessus) {
    QSignalSpy pointeur(&graphe, &CWGraph::Pointeur_Zone_Trace);
    ASSERT_EQ(graphe.Mode_Suivi(), Numeros_Graphe::Mode_Zoom);

    Glisser(Point_Zone(0.25, 0.25), Point_Zone(0.75, 0.75));

    EXPECT_NEAR(graphe.Axes(Numeros_Graphe::XAxis).Minimum(), Debut + 15 * Une_Minute, Une_Minute);
    EXPECT_NEAR(graphe.Axes(Numeros_Graphe::XAxis).Maximum(), Debut + 45 * Une_Minute, Une_Minute);
    EXPECT_NEAR(graphe.Axes(Numeros_Graphe::YAxis_Temp).Minimum(), 25, 1);
    EXPECT_NEAR(graphe.Axes(Numeros_Graphe::YAxis_Temp).Maximum(), 75, 1);
    EXPECT_EQ(pointeur.count(), 0);
}

TEST_F(Graphe_Affiche, EnMode3LeGlisserDeplaceLaVueSansLaRetrecir) {
    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Panoramique);

    Glisser(Point_Zone(0.5, 0.5), Point_Zone(0.25, 0.5));

    EXPECT_NEAR(graphe.Axes(Numeros_Graphe::XAxis).Minimum(), Debut + 15 * Une_Minute, Une_Minute);
    EXPECT_NEAR(
        graphe.Axes(Numeros_Graphe::XAxis).Maximum() - graphe.Axes(Numeros_Graphe::XAxis).Minimum(),
        60 * Une_Minute, Une_Seconde);
    EXPECT_NEAR(graphe.Axes(Numeros_Graphe::YAxis_Temp).Minimum(), 0, 0.5);
}

TEST_F(Graphe_Affiche, EnMode1LePointeurDeplaceLesCurseursEtEstSignale) {
    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Curseur);
    QSignalSpy pointeur(&graphe, &CWGraph::Pointeur_Zone_Trace);

    QTest::mousePress(&graphe.Trace_QCP(), Qt::LeftButton, Qt::ShiftModifier, Point_Zone(0.5, 0.5));
    QTest::mouseRelease(&graphe.Trace_QCP(), Qt::LeftButton, Qt::ShiftModifier,
                        Point_Zone(0.5, 0.5));

    ASSERT_EQ(pointeur.count(), 1);
    const QList<QVariant> arguments = pointeur.takeFirst();
    EXPECT_EQ(arguments.at(0).toInt(), 1);
    EXPECT_EQ(arguments.at(1).toInt(), 1);
    EXPECT_NEAR(arguments.at(2).toDouble(), Debut + 30 * Une_Minute, Une_Minute);
    EXPECT_NEAR(arguments.at(3).toDouble(), 50, 1);
    // The cursors stand on the curve's point nearest to the pointer.
    EXPECT_NEAR(graphe.Cursors(Numeros_Graphe::Cursor_Temp).X(), Debut + 30 * Une_Minute,
                1.01 * Une_Minute);
    EXPECT_NEAR(graphe.Cursors(Numeros_Graphe::Cursor_Temp).Y(), 50, 1.01);
    // The limits are left alone.
    EXPECT_DOUBLE_EQ(graphe.Axes(Numeros_Graphe::XAxis).Minimum(), Debut);

    // Dragging keeps reporting.
    QTest::mousePress(&graphe.Trace_QCP(), Qt::LeftButton, {}, Point_Zone(0.2, 0.5));
    QTest::mouseMove(&graphe.Trace_QCP(), Point_Zone(0.8, 0.5));
    QTest::mouseRelease(&graphe.Trace_QCP(), Qt::LeftButton, {}, Point_Zone(0.8, 0.5));
    ASSERT_EQ(pointeur.count(), 2);
    EXPECT_NEAR(pointeur.last().at(2).toDouble(), Debut + 48 * Une_Minute, Une_Minute);
}

TEST_F(Graphe_Affiche, SeDessineSurUnePageDImprimanteAvecSesTextes) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) absent";
    }
    graphe.Definir_Legende(QStringLiteral("FOUR01"));
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("graphe.pdf"));
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(pdf);
    imprimante.setPageOrientation(QPageLayout::Landscape);
    QPainter peintre(&imprimante);
    graphe.Dessiner(peintre, imprimante.pageLayout().paintRectPixels(imprimante.resolution()));
    peintre.end();

    const QString texte = Texte_Pdf(pdf);

    EXPECT_TRUE(texte.contains(QStringLiteral("FOUR01"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("05/12/2026 14:"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("Température °C"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("Hygrométrie %Hr"))) << texte.toStdString();
}

TEST_F(Graphe_Affiche, LaMoletteZoomeLeTempsEnMode6Seulement) {
    const auto tourner = [&] {
        const QPointF centre = Point_Zone(0.5, 0.5);
        QWheelEvent molette(centre, graphe.Trace_QCP().mapToGlobal(centre), QPoint(),
                            QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&graphe.Trace_QCP(), &molette);
    };
    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Curseur);
    tourner();
    EXPECT_NEAR(
        graphe.Axes(Numeros_Graphe::XAxis).Maximum() - graphe.Axes(Numeros_Graphe::XAxis).Minimum(),
        60 * Une_Minute, 1e-9);

    graphe.Definir_Mode_Suivi(Numeros_Graphe::Mode_Zoom);
    tourner();
    const double largeur =
        graphe.Axes(Numeros_Graphe::XAxis).Maximum() - graphe.Axes(Numeros_Graphe::XAxis).Minimum();
    EXPECT_LT(largeur, 55 * Une_Minute);
    EXPECT_GT(largeur, 30 * Une_Minute);
    EXPECT_DOUBLE_EQ(graphe.Axes(Numeros_Graphe::YAxis_Temp).Minimum(),
                     0);  // the values keep their scale
    EXPECT_DOUBLE_EQ(graphe.Axes(Numeros_Graphe::YAxis_Temp).Maximum(), 100);
}

// Whatever the graph's width, at least four date labels, the first one the start of the view,
// none touching its neighbour nor leaving the graph.
TEST(Graphe, LesDatesSeLisentATouteLargeur) {
    for (int largeur : {CWGraph::Largeur_Minimum, 700, 1400}) {
        CWGraph graphe;
        graphe.resize(largeur, 400);
        graphe.show();
        for (int i = 0; i <= 480; ++i)
            graphe.Plots(Numeros_Graphe::Voie_Temp).Ajouter_Point(Debut + i * Une_Minute, 20);
        graphe.Axes(Numeros_Graphe::XAxis).Definir_Minimum(Debut);
        graphe.Axes(Numeros_Graphe::XAxis).Definir_Maximum(Debut + 8.0 / 24);
        graphe.Redessiner_Maintenant();
        graphe.Redessiner_Maintenant();  // the margins settle on the labels' width

        QCPAxis* temps = graphe.Trace_QCP().xAxis;
        const QVector<double> ticks = temps->tickVector();
        const QVector<QString> textes = temps->tickVectorLabels();
        ASSERT_GE(textes.size(), 4) << largeur;
        EXPECT_EQ(QString(textes.first()).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                  QStringLiteral("05/12/2026 14:00:00"))
            << largeur;
        const QFontMetrics mesure(temps->tickLabelFont());
        double fin_precedent = -1;
        for (qsizetype i = 0; i < textes.size(); ++i) {
            const double x = temps->coordToPixel(ticks[i]);
            const int w = mesure.boundingRect(QRect(), Qt::TextDontClip, textes[i]).width();
            EXPECT_GT(x - w / 2.0, fin_precedent) << largeur << " " << textes[i].toStdString();
            EXPECT_GE(x - w / 2.0, 0) << largeur;
            EXPECT_LE(x + w / 2.0, largeur) << largeur;
            fin_precedent = x + w / 2.0;
        }
    }
}

TEST(Graphe, LaLegendeNommeLesCourbesMontrees) {
    CWGraph graphe;
    graphe.resize(700, 400);
    graphe.show();
    const auto legende = [&] {
        graphe.Redessiner_Maintenant();
        QStringList noms;
        QCPLegend* l = graphe.Trace_QCP().legend;
        for (int i = 0; i < l->itemCount(); ++i) {
            if (auto* item = qobject_cast<QCPPlottableLegendItem*>(l->item(i))) {
                noms << item->plottable()->name();
            }
        }
        return noms;
    };
    EXPECT_TRUE(legende().isEmpty());  // nothing drawn yet

    auto etat = Etat::Nouveau();
    etat->Version_Logger = QStringLiteral("7307V12");
    for (int i = 1; i <= 10; ++i)
        etat->Mesures(i) = {Debut + i * Une_Minute, 20, 50};
    etat->Nb_Mesures = 20;
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(legende(),
              (QStringList{QStringLiteral("Température"), QStringLiteral("Hygrométrie")}));

    etat->Version_Logger = QStringLiteral("7306V12");
    etat->Nb_Mesures = 10;
    Graphique::Affiche_Courbes(*etat, graphe);
    EXPECT_EQ(legende(), QStringList{QStringLiteral("Température")});
    Graphique::Affiche_Courbe_Cuisson(*etat, graphe);
    for (int n : {3, 4}) {
        graphe.Plots(n).Ajouter_Point(Debut, 10);
        graphe.Plots(n).Definir_Visible(true);
    }
    EXPECT_EQ(legende(),
              (QStringList{QStringLiteral("Température"), QStringLiteral("Valeur de cuisson"),
                           QStringLiteral("Consigne maxi"), QStringLiteral("Consigne mini")}));
}
