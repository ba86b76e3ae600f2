// The colour of each recording of a study, the same on the study window and on its report:
// eight colours told apart by colour-blind eyes too (Okabe and Ito's set, yellow darkened to be
// read on white paper); from the ninth on, the same colours dashed, then dotted, so a line is
// still told apart on a black and white copy.
#pragma once

#include <QColor>
#include <QPen>
#include <array>
#include <cstddef>

inline QPen Trait_Enregistrement(std::size_t rang) {
    static const std::array<QColor, 8> couleurs = {
        QColor(0, 114, 178),    // blue
        QColor(213, 94, 0),     // vermilion
        QColor(0, 158, 115),    // bluish green
        QColor(204, 121, 167),  // reddish purple
        QColor(86, 180, 233),   // sky blue
        QColor(230, 159, 0),    // orange
        QColor(0, 0, 0),        // black
        QColor(170, 150, 0),    // dark yellow
    };
    static const std::array<Qt::PenStyle, 3> styles = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    QPen trait(couleurs[rang % couleurs.size()]);
    trait.setStyle(styles[(rang / couleurs.size()) % styles.size()]);
    trait.setWidthF(1.5);
    return trait;
}
