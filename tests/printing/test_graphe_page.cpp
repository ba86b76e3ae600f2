// The curves of a report reduced to what the page can show: nothing a technician must see is
// lost, however short.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>

#include "printing/Graphe_Page.h"

using namespace Qt::StringLiterals;

// 16000 points over 400 columns of 1: a peak and a trough one point wide each stay, with the
// first and last points, and no more than four points a column are drawn.
TEST(GraphePage, UnPicEtUnCreuxDUnPointRestentApresLaReduction) {
    std::vector<QPointF> points;
    for (int i = 0; i < 16000; ++i)
        points.emplace_back(i * 0.025, 100);
    points[7001].setY(10);    // a peak: page y grows downwards
    points[12003].setY(190);  // a trough
    points.back().setY(150);
    const std::vector<QPointF> reduits = Graphe_Page::Reduire(points, 0, 1);
    EXPECT_LE(reduits.size(), 4u * 400u);
    const auto contient = [&](const QPointF& p) {
        return std::find(reduits.begin(), reduits.end(), p) != reduits.end();
    };
    for (std::size_t i : {std::size_t{0}, std::size_t{7001}, std::size_t{12003}, points.size() - 1})
        EXPECT_TRUE(contient(points[i])) << "point " << i;
    EXPECT_TRUE(std::is_sorted(reduits.begin(), reduits.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }))
        << "in their order";
}

// A rising curve drawn on the page rises, left to right, inside the frame it was given: the
// page's own y grows downwards, the PDF's upwards.
TEST(GraphePage, UneCourbeQuiMonteEstTraceeMontanteDansSonCadre) {
    Graphe_Page::Graphe g;
    g.unite_gauche = QStringLiteral("Température °C");
    Graphe_Page::Courbe c;
    c.libelle = QStringLiteral("FOUR01");
    c.points = {{46000, 20}, {46000.5, 50}, {46001, 80}};
    g.courbes.push_back(c);
    Document_PDF::Document document;
    const QRectF cadre(20, 30, 160, 90);  // millimetres from the top left corner
    Graphe_Page::Dessiner(document, cadre, g);
    const QByteArray pdf = document.Octets(QStringLiteral("essai"), QStringLiteral("essai"));

    // The only polyline of three points: "x y m", "x y l", "x y l", "S".
    const QRegularExpressionMatch ligne =
        QRegularExpression(u"\n(\\S+) (\\S+) m\n(\\S+) (\\S+) l\n(\\S+) (\\S+) l\nS\n"_s)
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(ligne.hasMatch()) << pdf.constData();
    std::vector<QPointF> trace;
    for (int i = 1; i <= 5; i += 2)
        trace.emplace_back(ligne.captured(i).toDouble(), ligne.captured(i + 1).toDouble());
    // The frame in PDF points, from the bottom left corner of the A4 page.
    constexpr double pt = 72 / 25.4;
    const QRectF cadre_pdf(cadre.left() * pt, (297 - cadre.bottom()) * pt, cadre.width() * pt,
                           cadre.height() * pt);
    for (const QPointF& p : trace)
        EXPECT_TRUE(cadre_pdf.contains(p)) << p.x() << " " << p.y();
    EXPECT_LT(trace[0].x(), trace[1].x());
    EXPECT_LT(trace[1].x(), trace[2].x());
    EXPECT_LT(trace[0].y(), trace[1].y()) << "20 °C below 50 °C";
    EXPECT_LT(trace[1].y(), trace[2].y()) << "50 °C below 80 °C";
    // Evenly spaced values, evenly spaced on the page.
    EXPECT_NEAR(trace[1].y() - trace[0].y(), trace[2].y() - trace[1].y(), 0.02);
}
