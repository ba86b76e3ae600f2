// Window positions and sizes are designed in twips (1440 an inch); the screen's logical pixels
// are 96 an inch, so 15 twips a pixel.
#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

namespace Twips {

constexpr double Par_Pixel = 15.0;

inline int Pixels(double twips) {
    return qRound(twips / Par_Pixel);
}

inline QRect Rectangle(double gauche, double haut, double largeur, double hauteur) {
    return QRect(Pixels(gauche), Pixels(haut), Pixels(largeur), Pixels(hauteur));
}

inline QSize Taille(double largeur, double hauteur) {
    return QSize(Pixels(largeur), Pixels(hauteur));
}

}  // namespace Twips
