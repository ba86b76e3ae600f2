// The curves of a report reduced to what the page can show: nothing a technician must see is
// lost, however short.
#include <gtest/gtest.h>

#include <algorithm>

#include "printing/Graphe_Page.h"

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
