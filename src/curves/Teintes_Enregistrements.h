// The colour and line of each recording of a study, without any graphics library: eight
// colours told apart by colour-blind eyes too (Okabe and Ito's set, yellow darkened to be read
// on white paper); from the ninth on, the same colours dashed, then dotted, so that a line is
// still told apart on a black and white copy. Couleurs_Enregistrements.h makes the window's
// pen of it, the reports draw it as it is.
#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>
#include <cstdint>

struct Teinte_Enregistrement {
    uint8_t rouge, vert, bleu;
    Qt::PenStyle style;
};

inline Teinte_Enregistrement Teinte_De_Enregistrement(std::size_t rang) {
    struct Rgb {
        uint8_t rouge, vert, bleu;
    };
    static constexpr std::array<Rgb, 8> couleurs = {{
        {0, 114, 178},    // blue
        {213, 94, 0},     // vermilion
        {0, 158, 115},    // bluish green
        {204, 121, 167},  // reddish purple
        {86, 180, 233},   // sky blue
        {230, 159, 0},    // orange
        {0, 0, 0},        // black
        {170, 150, 0},    // dark yellow
    }};
    static constexpr std::array<Qt::PenStyle, 3> styles = {Qt::SolidLine, Qt::DashLine,
                                                           Qt::DotLine};
    const Rgb& c = couleurs[rang % couleurs.size()];
    return {c.rouge, c.vert, c.bleu, styles[(rang / couleurs.size()) % styles.size()]};
}
